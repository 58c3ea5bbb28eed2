#include "setup/TDBWin.h"

#include "setup/DatabaseOperations.h"
#include "setup/TMainWindow.h"
#include "setup/TWaitWin.h"

#include "platform/system/FileDialog.h"
#include "platform/system/MessageBox.h"
#include "platform/system/TextCodec.h"

#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

#include <algorithm>
#include <cstdlib>
#include <pwd.h>
#include <utility>
#include <unistd.h>

TDBWin* DBWin = nullptr;

namespace {

// The texts this window adds to the numbered ones of the language file.
constexpr int kChooseFolderText = 63;
constexpr int kSkippedFilesText = 64;
constexpr size_t kSkippedFilesShown = 20;

std::string UserName()
{
    if (const passwd* entry = getpwuid(getuid()))
        return entry->pw_name;
    const char* name = std::getenv("USER");
    return name ? name : "";
}

std::vector<std::filesystem::path> SubFolders(const std::filesystem::path& folder)
{
    std::vector<std::filesystem::path> folders;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(folder, error))
        if (entry.is_directory(error))
            folders.push_back(entry.path());
    std::sort(folders.begin(), folders.end());
    return folders;
}

QString Text(const SetupState& state, int n) { return platform::FromCp1252(state.Text(n)); }

}  // namespace

std::vector<std::filesystem::path> MountedMedia(const std::vector<std::filesystem::path>& roots)
{
    const std::string user = UserName();
    std::vector<std::filesystem::path> media;
    for (const std::filesystem::path& root : roots)
        for (const std::filesystem::path& folder : SubFolders(root)) {
            if (!user.empty() && folder.filename() == user) {
                const std::vector<std::filesystem::path> mounted = SubFolders(folder);
                media.insert(media.end(), mounted.begin(), mounted.end());
            } else {
                media.push_back(folder);
            }
        }
    return media;
}

TDBWin::TDBWin(QWidget* owner) : QWidget(owner)
{
    DBWin = this;
    setObjectName(QStringLiteral("DBWin"));
    const auto label = [this](const char* name, bool wrap = false) {
        auto* made = new QLabel(this);
        made->setObjectName(QString::fromLatin1(name));
        made->setWordWrap(wrap);
        return made;
    };
    const auto option = [this](const char* name) {
        auto* made = new QRadioButton(this);
        made->setObjectName(QString::fromLatin1(name));
        return made;
    };
    DriveSelect = new QComboBox(this);
    DriveSelect->setObjectName(QStringLiteral("DriveSelect"));
    DriveSelect->setMinimumWidth(260);
    lblHeading = label("lblHeading");
    QFont bold = lblHeading->font();
    bold.setBold(true);
    lblHeading->setFont(bold);
    lblStatusCaption = label("lblStatusCaption");
    InstalledMaps = label("InstalledMaps", true);
    lblMediumHeading = label("lblMediumHeading");
    lblMediumHeading->setFont(bold);
    lblMediumExplanation = label("lblMediumExplanation", true);
    lblMediumHeader = label("lblMediumHeader");
    lblMediumHeader->setFont(bold);
    lblMediumStatus = label("lblMediumStatus", true);
    imgValid = label("imgValid");
    imgError = label("imgError");
    lblOptions = label("lblOptions");
    rbInstall = option("rbInstall");
    lblInstall = label("lblInstall", true);
    rbUpdate = option("rbUpdate");
    lblUpdate = label("lblUpdate", true);
    rbSetDefault = option("rbSetDefault");
    lblSetDefault = label("lblSetDefault", true);
    rbRemove = option("rbRemove");
    lblRemove = label("lblRemove", true);
    divider = new QFrame(this);
    divider->setFrameShape(QFrame::HLine);
    btnDBExecute = new QPushButton(this);
    btnDBExecute->setObjectName(QStringLiteral("btnDBExecute"));
    btnReturn = new QPushButton(this);
    btnReturn->setObjectName(QStringLiteral("btnReturn"));

    auto* layout = new QGridLayout(this);
    int row = 0;
    layout->addWidget(lblHeading, row++, 0, 1, 3);
    layout->addWidget(lblStatusCaption, row, 0, Qt::AlignTop);
    layout->addWidget(InstalledMaps, row++, 1, 1, 2);
    layout->addWidget(lblMediumHeading, row++, 0, 1, 3);
    layout->addWidget(lblMediumExplanation, row, 0, 1, 2);
    layout->addWidget(DriveSelect, row++, 2);
    layout->addWidget(imgValid, row, 0, 2, 1, Qt::AlignTop);
    layout->addWidget(imgError, row, 0, 2, 1, Qt::AlignTop);
    layout->addWidget(lblMediumHeader, row++, 1, 1, 2);
    layout->addWidget(lblMediumStatus, row++, 1, 1, 2);
    layout->addWidget(divider, row++, 0, 1, 3);
    layout->addWidget(lblOptions, row++, 0, 1, 3);
    for (const auto& [button, text] : {std::pair{rbInstall, lblInstall}, std::pair{rbUpdate, lblUpdate},
                                       std::pair{rbSetDefault, lblSetDefault}, std::pair{rbRemove, lblRemove}}) {
        layout->addWidget(button, row, 0, 1, 1);
        layout->addWidget(text, row++, 1, 1, 2);
    }
    layout->setRowStretch(row++, 1);
    layout->addWidget(btnDBExecute, row, 1, Qt::AlignRight);
    layout->addWidget(btnReturn, row, 2);
    layout->setColumnStretch(1, 1);
    resize(720, 520);
    setWindowTitle(QString::fromLatin1(kSetupTitle));

    connect(DriveSelect, &QComboBox::activated, this, [this] { DriveSelectChange(); });
    connect(btnDBExecute, &QPushButton::clicked, this, [this] { btnDBExecuteClick(); });
    connect(btnReturn, &QPushButton::clicked, this, [this] { btnReturnClick(); });
}

TDBWin::~TDBWin()
{
    if (DBWin == this)
        DBWin = nullptr;
}

SetupState* TDBWin::state() const { return MainWindow ? MainWindow->state() : nullptr; }

void TDBWin::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    FormShow();
}

void TDBWin::FillDriveSelect()
{
    DriveSelect->clear();
    const SetupState* setup = state();
    DriveSelect->addItem(setup ? Text(*setup, kChooseFolderText) : QString());
    for (const std::filesystem::path& medium : MountedMedia(mediaRoots))
        DriveSelect->addItem(QString::fromStdString(medium.string()), QString::fromStdString(medium.string()));
}

void TDBWin::FormShow()
{
    SetupState* setup = state();
    if (!setup || std::exchange(returningFromWait_, false))
        return;
    FillDriveSelect();
    // Selecting by program runs no change handler: the medium is read when the user chooses it.
    DriveSelect->setCurrentIndex(DriveSelect->count() >= 2 ? 1 : -1);
    setup->mediumState = kMediumNotRead;
    Refresh();
}

void TDBWin::DriveSelectChange()
{
    SetupState* setup = state();
    const int index = DriveSelect->currentIndex();
    if (!setup || index < 0)
        return;
    std::filesystem::path path;
    if (index == 0) {
        platform::FileDialogRequest request;
        request.owner = this;
        request.kind = platform::FileDialogKind::Folder;
        request.folder = setup->mediumPath.empty() ? setup->setupFolder : setup->mediumPath;
        const platform::FileDialogAnswer chosen = platform::ShowFileDialog(request);
        if (!chosen)
            return;
        path = *chosen;
    } else {
        path = DriveSelect->itemData(index).toString().toStdString();
    }
    setup->mediumPath = path;
    IdentifyCdDatabase(*setup);
    if (setup->mediumState == kMediumNoDatabase) {
        std::vector<std::filesystem::path> entries;
        std::error_code error;
        for (const auto& entry : std::filesystem::directory_iterator(path, error))
            entries.push_back(entry.path());
        std::sort(entries.begin(), entries.end());
        for (const std::filesystem::path& entry : entries) {
            setup->mediumPath = entry;
            IdentifyCdDatabase(*setup);
            if (setup->mediumState != kMediumNoDatabase)
                break;
        }
        if (setup->mediumState == kMediumNoDatabase)
            setup->mediumPath = path;
    }
    Refresh();
}

void TDBWin::Refresh()
{
    const SetupState* setup = state();
    if (!setup)
        return;
    const SetupState& s = *setup;
    lblHeading->setText(Text(s, 20));
    lblStatusCaption->setText(Text(s, 21));
    lblMediumHeading->setText(Text(s, 22));
    lblMediumExplanation->setText(Text(s, 23));
    lblOptions->setText(Text(s, 24));
    rbInstall->setText(Text(s, 25));
    lblInstall->setText(Text(s, 26));
    rbUpdate->setText(Text(s, 27));
    lblUpdate->setText(Text(s, 28));
    rbSetDefault->setText(Text(s, 29));
    lblSetDefault->setText(Text(s, 30));
    rbRemove->setText(Text(s, 31));
    lblRemove->setText(Text(s, 32));
    btnDBExecute->setText(Text(s, 9));
    btnReturn->setText(Text(s, 11));
    if (DriveSelect->count() > 0)
        DriveSelect->setItemText(0, Text(s, kChooseFolderText));
    for (QWidget* control : std::initializer_list<QWidget*>{rbInstall, lblInstall, rbUpdate, lblUpdate, rbSetDefault,
                                                           lblSetDefault, rbRemove, lblRemove, imgValid, imgError,
                                                           lblOptions, btnDBExecute, divider})
        control->hide();

    std::string installed;
    if (s.installed.empty()) {
        installed = s.Text(33);
    } else {
        installed = s.Text(34) + "   ";
        for (const InstalledDatabase& entry : s.installed) {
            installed += entry.name + "(" + std::to_string(entry.version);
            if (entry.isDefault)
                installed += "," + s.Text(35);
            installed += ")   ";
        }
    }
    InstalledMaps->setText(platform::FromCp1252(installed));

    const auto offer = [](QRadioButton* button, QLabel* text) {
        button->show();
        text->show();
        button->setChecked(true);
    };
    const bool mediumIsDefault = s.mediumIndex >= 0 && s.mediumIndex < static_cast<int32_t>(s.installed.size()) &&
                                 s.installed[s.mediumIndex].isDefault;
    lblMediumHeader->clear();
    lblMediumStatus->clear();
    switch (s.mediumState) {
    case kMediumNotInstalled:
        offer(rbInstall, lblInstall);
        lblMediumStatus->setText(Text(s, 38));
        break;
    case kMediumSameVersion:
    case kMediumOlder:
        offer(rbRemove, lblRemove);
        if (!mediumIsDefault)
            offer(rbSetDefault, lblSetDefault);
        lblMediumStatus->setText(Text(s, s.mediumState == kMediumSameVersion ? 40 : 39));
        break;
    case kMediumNewer:
        offer(rbRemove, lblRemove);
        if (!mediumIsDefault)
            offer(rbSetDefault, lblSetDefault);
        offer(rbUpdate, lblUpdate);
        lblMediumStatus->setText(Text(s, 41));
        break;
    case kMediumNoDatabase:
        lblMediumHeader->setText(Text(s, 36));
        lblMediumStatus->setText(Text(s, 37));
        imgError->setPixmap(SetupPicture(s, "Error.png"));
        imgError->show();
        break;
    default:
        break;
    }
    if (s.mediumState > 0) {
        imgValid->setPixmap(SetupPicture(s, "Valid.png"));
        imgValid->show();
        lblOptions->show();
        btnDBExecute->show();
        divider->show();
        lblMediumHeader->setText(platform::FromCp1252(s.Text(42) + s.mediumDatabaseName + "(" +
                                                      std::to_string(s.mediumDatabaseVersion) + ")"));
    }
}

void TDBWin::ReportResult(int result, int successText, const std::vector<std::pair<int, int>>& errorTexts)
{
    SetupState& s = *state();
    platform::MessageBoxRequest request;
    request.owner = this;
    if (result == 0) {
        request.caption = s.Text(48);
        request.text = s.Text(successText);
        request.icon = platform::MsgIcon::Information;
    } else {
        request.caption = s.Text(45);
        request.icon = platform::MsgIcon::Exclamation;
        const auto found = std::find_if(errorTexts.begin(), errorTexts.end(),
                                        [&](const auto& entry) { return entry.first == result; });
        request.text = s.Text(found != errorTexts.end() ? found->second : errorTexts.front().second);
    }
    if (!s.skippedFiles.empty()) {
        request.text += "\n\n" + s.Text(kSkippedFilesText);
        for (size_t i = 0; i < s.skippedFiles.size() && i < kSkippedFilesShown; ++i)
            request.text += "\n" + s.skippedFiles[i];
        if (s.skippedFiles.size() > kSkippedFilesShown)
            request.text += "\n...";
    }
    platform::ShowMessageBox(request);
}

void TDBWin::btnDBExecuteClick()
{
    SetupState* setup = state();
    if (!setup)
        return;
    SetupState& s = *setup;
    s.skippedFiles.clear();
    const auto runBehindWaitWindow = [&](int header, int text, int (*operation)(SetupState&)) {
        WaitWin->lblHeader->setText(Text(s, header));
        WaitWin->lblText->setText(platform::FromCp1252(s.Text(text) + " " + s.mediumDatabaseName));
        WaitWin->show();
        hide();
        const int result = WaitWin->RunBehind([&] { return operation(s); });
        move(WaitWin->pos());
        returningFromWait_ = true;
        show();
        WaitWin->hide();
        return result;
    };
    const auto confirmed = [&](int question) {
        platform::MessageBoxRequest request;
        request.owner = this;
        request.caption = s.Text(50);
        request.text = s.Text(question);
        request.icon = platform::MsgIcon::Question;
        request.buttons = platform::MsgButtons::YesNo;
        return platform::ShowMessageBox(request) == platform::MsgAnswer::Yes;
    };
    if (!rbInstall->isHidden() && rbInstall->isChecked()) {
        const int result = runBehindWaitWindow(44, 43, InstallDatabase);
        ReportResult(result, 49, {{1, 47}, {2, 46}, {3, 104}, {4, 105}, {5, 106}, {6, 107}, {7, 108}});
    } else if (!rbUpdate->isHidden() && rbUpdate->isChecked()) {
        if (!confirmed(51))
            return;
        const int result = runBehindWaitWindow(53, 52, UpdateDatabase);
        ReportResult(result, 57, {{1, 56}, {2, 55}, {3, 99}, {4, 100}, {5, 101}, {6, 102}, {7, 103}});
    } else if (!rbSetDefault->isHidden() && rbSetDefault->isChecked()) {
        ReportResult(SetDefaultDatabase(s, s.mediumIndex), 59, {{1, 58}, {4, 109}, {7, 110}});
    } else if (!rbRemove->isHidden() && rbRemove->isChecked()) {
        if (!confirmed(60))
            return;
        ReportResult(RemoveDatabase(s, s.mediumIndex), 62, {{1, 61}, {4, 111}, {6, 112}, {7, 113}});
    } else {
        return;
    }
    // The installed list changed: the medium is compared with it again.
    if (s.mediumFound)
        IdentifyCdDatabase(s);
    Refresh();
}

void TDBWin::btnReturnClick()
{
    if (MainWindow) {
        MainWindow->move(pos());
        MainWindow->show();
    }
    hide();
}
