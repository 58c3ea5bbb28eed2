#pragma once
// The chart database window: choose a medium (a mounted disk or any folder of S-57 cells),
// see what it holds against the installed databases, and install, update, remove or make the
// default its database.

#include <QWidget>

#include <filesystem>
#include <vector>

class QComboBox;
class QFrame;
class QLabel;
class QPushButton;
class QRadioButton;
struct SetupState;

class TDBWin : public QWidget {
public:
    explicit TDBWin(QWidget* owner = nullptr);
    ~TDBWin() override;

    void FormShow();
    void DriveSelectChange();
    void btnDBExecuteClick();
    void btnReturnClick();
    void Refresh();

    // The folders whose sub-folders are listed as media (tests point them elsewhere).
    std::vector<std::filesystem::path> mediaRoots = {"/media", "/run/media", "/mnt"};

    QComboBox* DriveSelect;
    QLabel* lblHeading;
    QLabel* lblStatusCaption;
    QLabel* InstalledMaps;
    QLabel* lblMediumHeading;
    QLabel* lblMediumExplanation;
    QLabel* lblMediumHeader;
    QLabel* lblMediumStatus;
    QLabel* imgValid;
    QLabel* imgError;
    QLabel* lblOptions;
    QRadioButton* rbInstall;
    QLabel* lblInstall;
    QRadioButton* rbUpdate;
    QLabel* lblUpdate;
    QRadioButton* rbSetDefault;
    QLabel* lblSetDefault;
    QRadioButton* rbRemove;
    QLabel* lblRemove;
    QFrame* divider;
    QPushButton* btnDBExecute;
    QPushButton* btnReturn;

protected:
    void showEvent(QShowEvent* event) override;

private:
    SetupState* state() const;
    void FillDriveSelect();
    void ReportResult(int result, int successText, const std::vector<std::pair<int, int>>& errorTexts);

    // Set while the window comes back from the wait window: it keeps the medium it shows.
    bool returningFromWait_ = false;
};

extern TDBWin* DBWin;

// The mounted media under the roots: their sub-folders, and for a folder named after the user
// (as desktops mount them) the sub-folders of that one.
std::vector<std::filesystem::path> MountedMedia(const std::vector<std::filesystem::path>& roots);
