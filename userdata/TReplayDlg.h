#pragma once
// The replay panel: the day and time to replay, "Show positions" to load them, the start and
// pause of the replay clock, its speed (x 1 to x 60) and the dead reckoning between recorded
// minutes. The panel keeps the clock's speed and the playing state; loading and playing the
// file are the application's, reached through the panel's hooks. Main thread only.

#include <QDialog>

#include <array>
#include <cstdint>
#include <functional>

class QCheckBox;
class QDateEdit;
class QLineEdit;
class QPushButton;
class QSlider;
class QTimeEdit;

// The speed positions of tbSpd: replay seconds per real second, and one-second ticks per
// recorded minute.
constexpr std::array<int32_t, 11> ReplaySpeedFactors{1, 2, 3, 4, 5, 6, 10, 15, 20, 30, 60};
constexpr std::array<int32_t, 11> ReplayTicksPerStep{60, 30, 20, 15, 12, 10, 6, 4, 3, 2, 1};

struct ReplayDlgHooks {
    std::function<void()> shown;   // the panel came up (replay mode set up)
    std::function<void()> hidden;  // the panel went: replay mode ends
    std::function<void()> start;   // "Show positions"
    // The ticks per step changed from `from` to `to`: the tick counter keeps its fraction.
    std::function<void(int32_t from, int32_t to)> ticksPerStepChanged;
};

class TReplayDlg : public QDialog {
public:
    explicit TReplayDlg(QWidget* owner = nullptr);

    QDateEdit* dtDate;
    QTimeEdit* dtTime;
    QPushButton* btnStart;
    QCheckBox* ckDR;
    QPushButton* btnSpd;  // toggle: down while the replay clock runs
    QSlider* tbSpd;       // 0..10
    QLineEdit* edSpd;

    bool playing = false;
    int32_t speedFactor = 1;
    int32_t ticksPerStep = 60;
    ReplayDlgHooks hooks;

    void btnStartClick();
    void tbSpdChange();
    void btnSpdClick();
    void dtTimeChange();
    // Enter loads the time chosen, Space starts or pauses (Qt keys); true when the key was used.
    bool FormKeyDown(int key);
    // The controls after the file was closed: not playing, btnSpd up and disabled.
    void ReplayClosed();

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
};

inline TReplayDlg* ReplayDlg = nullptr;
