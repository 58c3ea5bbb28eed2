#pragma once
// The wait window: header, text and progress bar, centred on the screen while an install or
// update runs on a worker thread.

#include <QWidget>

#include <functional>

class QLabel;
class QProgressBar;

class TWaitWin : public QWidget {
public:
    explicit TWaitWin(QWidget* owner = nullptr);

    // Sets the bar to percent (0..100) and repaints; nothing while hidden or for another value.
    void ShowInstallProgress(int percent);
    // Runs work on a worker thread while the main loop goes on (progress arrives queued); its
    // result.
    int RunBehind(const std::function<int()>& work);

    QLabel* lblHeader;
    QLabel* lblText;
    QProgressBar* ProgressBar1;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void FormShow();
};

extern TWaitWin* WaitWin;

// The manager's progress, from any thread: shown by the wait window on the main thread.
void QueueInstallProgress(int percent);
