#pragma once
// The splash window: picture, version, the status of each start-up step, the notice, and an OK
// button that appears when the start-up is done. However it closes (OK, Escape, the window
// manager), frmSplash is cleared with it, so the start-up and the ticks never reach a closed one.

#include <QDialog>

class QLabel;
class QPlainTextEdit;
class QPushButton;

class TfrmSplash : public QDialog {
    Q_OBJECT
public:
    explicit TfrmSplash(QWidget* owner = nullptr);
    ~TfrmSplash() override;

    QLabel* picture;
    QLabel* txVer;
    QLabel* txInfo;
    QPlainTextEdit* notice;
    QPushButton* btnOK;

public slots:
    void btnOKClick();
    void done(int result) override;
};

extern TfrmSplash* frmSplash;

// Shows text as the current start-up step while the splash window is visible, and repaints it
// at once so that it shows during a long step.
void SplashSetStatus(TfrmSplash* splash, const QString& text);
