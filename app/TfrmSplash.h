#pragma once
// The splash window: picture, version, the status of each start-up step, the notice, and an OK
// button that appears when the start-up is done.

#include <QDialog>

class QLabel;
class QPlainTextEdit;
class QPushButton;

class TfrmSplash : public QDialog {
    Q_OBJECT
public:
    explicit TfrmSplash(QWidget* owner = nullptr);

    QLabel* picture;
    QLabel* txVer;
    QLabel* txInfo;
    QPlainTextEdit* notice;
    QPushButton* btnOK;

public slots:
    void btnOKClick();
};

extern TfrmSplash* frmSplash;

// Shows text as the current start-up step while the splash window is visible, and repaints it
// at once so that it shows during a long step.
void SplashSetStatus(TfrmSplash* splash, const QString& text);
