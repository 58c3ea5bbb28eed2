#include "app/FilesPanel.h"

#include "app/TForm1.h"
#include "frame/SharedTables.h"
#include "platform/system/MessageBox.h"
#include "platform/system/TextCodec.h"
#include "userdata/TransferUserData.h"
#include "userdata/UserDatabase.h"

#include <QApplication>
#include <QFile>
#include <QFrame>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>

#include <fstream>

namespace {

const QString InDataFolder = QStringLiteral("->");

std::filesystem::path DataFolder()
{
    return ProgramFolder / "Data";
}

}  // namespace

std::filesystem::path FileListPath()
{
    return ProgramFolder / "Temp" / "paths.txt";
}

QString FileListEntry(const std::filesystem::path& file)
{
    const std::filesystem::path below = file.lexically_normal().lexically_relative(DataFolder());
    const bool inside = !below.empty() && *below.begin() != "..";
    const std::filesystem::path shown = inside ? below : file;
    const QString text = QFile::decodeName(QByteArray::fromStdString(shown.generic_string()));
    return inside ? InDataFolder + text : text;
}

std::filesystem::path FileListFile(const QString& entry)
{
    if (!entry.startsWith(InDataFolder))
        return QFile::encodeName(entry).toStdString();
    QString below = entry.mid(InDataFolder.size());
    below.replace(QLatin1Char('\\'), QLatin1Char('/'));
    while (below.startsWith(QLatin1Char('/')))
        below.remove(0, 1);
    return DataFolder() / QFile::encodeName(below).toStdString();
}

void LoadFileList(TForm1& form)
{
    std::ifstream list(FileListPath());
    std::string line;
    while (std::getline(list, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        form.lbFiles->addItem(platform::FromCp1252(line));
    }
}

bool SaveFileList(TForm1& form)
{
    std::ofstream list(FileListPath(), std::ios::binary | std::ios::trunc);
    for (int i = 0; i < form.lbFiles->count(); ++i)
        list << platform::ToCp1252(form.lbFiles->item(i)->text()) << "\r\n";
    list.close();
    return !list.fail();
}

void btnFilesClick(TForm1& form)
{
    form.pnFiles->raise();
    form.pnFiles->show();
}

void btnFilesOkClick(TForm1& form)
{
    form.pnFiles->hide();
    SaveFileList(form);
}

void btnFilesSelDelClick(TForm1& form)
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
    // The transfer reads the held-down button as "remove the list's objects".
    form.btnFilesSelDel->setDown(true);
    for (const QListWidgetItem* item : form.lbFiles->selectedItems()) {
        TransferFile = FileListFile(item->text());
        TransferUserData(false, false, false, false, false, true, true, true, true, false);
    }
    form.btnFilesSelDel->setDown(false);
    QApplication::restoreOverrideCursor();
    form.OverlayRedrawRequest = 1;
}

void btnFilesAllDelClick(TForm1& form)
{
    // The files are data set F's, open while its button is checked.
    if (!form.ckDbF->isChecked())
        return;
    platform::MessageBoxRequest question;
    question.text = "Delete every object of data set F?";
    question.caption = "Varnik V3";
    question.icon = platform::MsgIcon::Exclamation;
    question.buttons = platform::MsgButtons::YesNo;
    question.topMost = true;
    if (platform::ShowMessageBox(question) != platform::MsgAnswer::Yes)
        return;
    // The id, point and info files are deleted and made anew, empty; a failure is reported and
    // leaves the list, which still names what the files hold.
    if (ClearObjectFiles() == platform::isam::Status::Ok) {
        form.lbFiles->clear();
        SaveFileList(form);
    }
    form.OverlayRedrawRequest = 1;
}

void ConnectFilesPanel(TForm1& form)
{
    TForm1* f = &form;
    QObject::connect(form.btnFiles, &QPushButton::clicked, f, [f] { btnFilesClick(*f); });
    QObject::connect(form.btnFilesOk, &QPushButton::clicked, f, [f] { btnFilesOkClick(*f); });
    QObject::connect(form.btnFilesSelDel, &QPushButton::clicked, f, [f] { btnFilesSelDelClick(*f); });
    QObject::connect(form.btnFilesAllDel, &QPushButton::clicked, f, [f] { btnFilesAllDelClick(*f); });
}
