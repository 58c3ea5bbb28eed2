#pragma once
// The set-up program's main window: language choice, status, the chart database button and exit.
// It creates the program's one SetupState and frees it on exit.

#include "setup/SetupState.h"

#include <QWidget>

#include <filesystem>
#include <memory>

class QComboBox;
class QLabel;
class QPushButton;

class TMainWindow : public QWidget {
public:
    // setupFolder: where Varsetup.ini, User.ini and the registry store lie (the working folder
    // at start).
    explicit TMainWindow(const std::filesystem::path& setupFolder, QWidget* owner = nullptr);
    ~TMainWindow() override;

    SetupState* state() const { return state_.get(); }

    void FormShow();
    void m_comboLanguageChange();
    void btnInstallMapsClick();
    void btnExitClick();

    QComboBox* m_comboLanguage;
    QLabel* lblStatusCaption;
    QLabel* lblStatus;
    QLabel* lblDatabaseHeading;
    QLabel* lblDatabaseExplanation;
    QLabel* imgMapsInstalled;
    QPushButton* btnInstallMaps;
    QPushButton* btnExit;

protected:
    void showEvent(QShowEvent* event) override;

private:
    std::unique_ptr<SetupState> state_;
};

extern TMainWindow* MainWindow;

// A picture in the setup folder, or an empty one.
QPixmap SetupPicture(const SetupState& state, const char* name);
