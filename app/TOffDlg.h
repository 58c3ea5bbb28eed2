#pragma once
// The shut-down dialog: exit to the desktop, switch the computer off, minimise the program or
// cancel. Closing the main window shows it instead of ending the program.

#include <QDialog>

class QPushButton;

class TOffDlg : public QDialog {
public:
    explicit TOffDlg(QWidget* owner = nullptr);

    // Puts the mouse pointer onto the cancel button, where the display server lets a program
    // move it.
    void FormActivate();
    void CancelBtnClick();
    // Hides the dialog and minimises the main window; the program runs on with its timers.
    void MiniBtnClick();
    // Hides the dialog and ends the program (ExitProgram).
    void ExitBtnClick();
    // Hides the dialog and asks whether to switch the computer off; on Yes, SwitchOffProgram.
    void OffBtnClick();

    QPushButton* ExitBtn;
    QPushButton* MiniBtn;
    QPushButton* CancelBtn;
    QPushButton* OffBtn;

protected:
    void showEvent(QShowEvent* event) override;
    bool event(QEvent* event) override;
};

inline TOffDlg* OffDlg = nullptr;

// Shows the shut-down dialog in front of everything (nothing while it does not exist).
void ShowOffDlg();
