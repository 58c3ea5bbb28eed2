#pragma once
// The chart update's question: txInfo tells what is wrong with an update; "Continue" (accepted),
// "Skip" (rejected) or "Stop", which closes with a result of its own.

#include <QDialog>

class QLabel;
class QPushButton;

class TUpdateMsgDlg : public QDialog {
public:
    explicit TUpdateMsgDlg(QWidget* owner = nullptr);

    // The result of Button3.
    static constexpr int StopResult = 3;

    QLabel* txInfo = nullptr;
    QPushButton* Button1 = nullptr;
    QPushButton* Button2 = nullptr;
    QPushButton* Button3 = nullptr;

protected:
    void showEvent(QShowEvent* event) override;
};

inline TUpdateMsgDlg* UpdateMsgDlg = nullptr;
