#include "setup/TMainWindow.h"

#include "setup/SetupLanguage.h"
#include "setup/TDBWin.h"

#include "platform/system/IniFile.h"
#include "platform/system/TextCodec.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>

TMainWindow* MainWindow = nullptr;

QPixmap SetupPicture(const SetupState& state, const char* name)
{
    return QPixmap(QString::fromStdString((state.setupFolder / name).string()));
}

TMainWindow::TMainWindow(const std::filesystem::path& setupFolder, QWidget* owner)
    : QWidget(owner), state_(CreateSetupState(setupFolder))
{
    MainWindow = this;
    setObjectName(QStringLiteral("MainWindow"));
    m_comboLanguage = new QComboBox(this);
    m_comboLanguage->setObjectName(QStringLiteral("m_comboLanguage"));
    lblStatusCaption = new QLabel(this);
    lblStatus = new QLabel(this);
    lblStatus->setObjectName(QStringLiteral("lblStatus"));
    lblStatus->setWordWrap(true);
    lblDatabaseHeading = new QLabel(this);
    QFont bold = lblDatabaseHeading->font();
    bold.setBold(true);
    lblDatabaseHeading->setFont(bold);
    lblDatabaseExplanation = new QLabel(this);
    lblDatabaseExplanation->setWordWrap(true);
    imgMapsInstalled = new QLabel(this);
    imgMapsInstalled->setObjectName(QStringLiteral("imgMapsInstalled"));
    imgMapsInstalled->setPixmap(SetupPicture(*state_, "MapsInstalled.png"));
    btnInstallMaps = new QPushButton(this);
    btnInstallMaps->setObjectName(QStringLiteral("btnInstallMaps"));
    btnExit = new QPushButton(this);
    btnExit->setObjectName(QStringLiteral("btnExit"));

    auto* layout = new QGridLayout(this);
    layout->addWidget(m_comboLanguage, 0, 0, 1, 3, Qt::AlignRight);
    layout->addWidget(lblStatusCaption, 1, 0, Qt::AlignTop);
    layout->addWidget(lblStatus, 1, 1, 1, 2);
    layout->addWidget(imgMapsInstalled, 2, 0, 2, 1, Qt::AlignTop);
    layout->addWidget(lblDatabaseHeading, 2, 1);
    layout->addWidget(lblDatabaseExplanation, 3, 1);
    layout->addWidget(btnInstallMaps, 3, 2, Qt::AlignBottom);
    layout->addWidget(btnExit, 4, 2);
    layout->setColumnStretch(1, 1);
    resize(560, 300);

    setWindowTitle(QString::fromLatin1(kSetupTitle));

    const platform::IniFile file(state_->setupFolder / kSetupIniFileName);
    move(file.readInteger(kSetupConfigSection, "Left", kDefaultWindowPosition),
         file.readInteger(kSetupConfigSection, "Top", kDefaultWindowPosition));
    state_->languageName = file.readString(kSetupConfigSection, "Language", kDefaultSetupLanguage);
    QStringList languages;
    ListLanguages(*state_, languages);
    m_comboLanguage->addItems(languages);
    const int chosen = m_comboLanguage->findText(platform::FromCp1252(state_->languageName), Qt::MatchExactly);
    m_comboLanguage->setCurrentIndex(chosen);
    if (chosen >= 0)
        LoadLanguage(*state_, state_->languageName);
    connect(m_comboLanguage, &QComboBox::currentIndexChanged, this, [this] { m_comboLanguageChange(); });
    connect(btnInstallMaps, &QPushButton::clicked, this, [this] { btnInstallMapsClick(); });
    connect(btnExit, &QPushButton::clicked, this, [this] { btnExitClick(); });
}

TMainWindow::~TMainWindow()
{
    if (MainWindow == this)
        MainWindow = nullptr;
}

void TMainWindow::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    FormShow();
}

void TMainWindow::FormShow()
{
    if (!state_)
        return;
    const SetupState& state = *state_;
    imgMapsInstalled->setVisible(state.mapsInstalled != 0);
    lblStatusCaption->setText(platform::FromCp1252(state.Text(1)));
    bool chartButton = false;
    lblStatus->setText(platform::FromCp1252(SetupStatusText(state, &chartButton)));
    btnInstallMaps->setVisible(chartButton);
    lblDatabaseHeading->setText(platform::FromCp1252(state.Text(3)));
    lblDatabaseExplanation->setText(platform::FromCp1252(state.Text(4)));
    btnInstallMaps->setText(platform::FromCp1252(state.Text(9)));
    btnExit->setText(platform::FromCp1252(state.Text(10)));
}

void TMainWindow::m_comboLanguageChange()
{
    if (!state_ || m_comboLanguage->currentIndex() < 0)
        return;
    LoadLanguage(*state_, platform::ToCp1252(m_comboLanguage->currentText()));
    hide();
    show();
}

void TMainWindow::btnInstallMapsClick()
{
    if (!DBWin)
        return;
    hide();
    DBWin->move(pos());
    DBWin->show();
}

void TMainWindow::btnExitClick()
{
    if (state_) {
        platform::IniFile file(state_->setupFolder / kSetupIniFileName);
        file.writeInteger(kSetupConfigSection, "Top", y());
        file.writeInteger(kSetupConfigSection, "Left", x());
        file.writeString(kSetupConfigSection, "Language", state_->languageName);
        file.save();
        state_.reset();
    }
    close();
}
