#include "platform/system/FileDialog.h"

#include "TempFolder.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QFileDialog>
#include <QTimer>

#include <fstream>
#include <functional>

using namespace platform;

namespace {

TEST(FileDialog, FiltersTakeQtsForm)
{
    const std::pair<std::string, QString> cases[] = {
        {"Screenshots|*.jpg", "Screenshots (*.jpg)"},
        {"Varnik data|*.zip|Import data|*.lst", "Varnik data (*.zip);;Import data (*.lst)"},
        {"Text files (*.doc, *.txt)|*.doc;*.txt", "Text files (*.doc, *.txt) (*.doc *.txt)"},
        {"Tiefen \xB0|*.txt", QString::fromUtf8("Tiefen \u00B0 (*.txt)")},
        {"", ""},
    };
    for (const auto& [filter, expected] : cases)
        EXPECT_EQ(QtFileFilter(filter), expected) << filter;
}

TEST(FileDialog, TheRecorderAnswersItsPresetAnswersThenCancels)
{
    RecordingFileDialogService recorder;
    InstallFileDialogService(&recorder);
    recorder.presetAnswers = {std::filesystem::path("/data/out.zip"), std::nullopt};
    FileDialogRequest request;
    request.kind = FileDialogKind::Save;
    request.folder = "/data";
    request.filter = "Varnik data|*.zip";
    EXPECT_EQ(ShowFileDialog(request), std::filesystem::path("/data/out.zip"));
    EXPECT_EQ(ShowFileDialog(request), std::nullopt);
    EXPECT_EQ(ShowFileDialog(request), std::nullopt);
    InstallFileDialogService(nullptr);
    ASSERT_EQ(recorder.shown.size(), 3u);
    EXPECT_EQ(recorder.shown[0].kind, FileDialogKind::Save);
    EXPECT_EQ(recorder.shown[0].folder, "/data");
    EXPECT_EQ(recorder.shown[0].filter, "Varnik data|*.zip");
}

// What the real dialog looked like while it was up.
struct ShownDialog {
    FileDialogAnswer answer;
    QString directory;
    QStringList filters;
    QFileDialog::AcceptMode mode = QFileDialog::AcceptOpen;
    bool confirmsReplace = true;
};

ShownDialog ShowWithQt(const FileDialogRequest& request, const std::function<void(QFileDialog*)>& act)
{
    ShownDialog shown;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        poll.stop();
        shown.directory = dialog->directory().absolutePath();
        shown.filters = dialog->nameFilters();
        shown.mode = dialog->acceptMode();
        shown.confirmsReplace = !dialog->testOption(QFileDialog::DontConfirmOverwrite);
        act(dialog);
    });
    poll.start(10);
    shown.answer = QtFileDialogService().show(request);
    return shown;
}

TEST(QtFileDialogService, OpensInTheFolderWithTheFilterAndAnswersTheChoiceOrCancel)
{
    TempFolder folder;
    std::ofstream(folder / "261209080507.jpg") << "picture";
    FileDialogRequest request;
    request.folder = folder.path();
    request.filter = "Screenshots|*.jpg";
    const ShownDialog opened = ShowWithQt(request, [&](QFileDialog* dialog) {
        dialog->selectFile(QString::fromStdString((folder / "261209080507.jpg").string()));
        static_cast<QDialog*>(dialog)->accept();
    });
    EXPECT_EQ(opened.directory.toStdString(), folder.path().string());
    EXPECT_EQ(opened.filters, QStringList{"Screenshots (*.jpg)"});
    EXPECT_EQ(opened.mode, QFileDialog::AcceptOpen);
    EXPECT_EQ(opened.answer, folder / "261209080507.jpg");

    request.kind = FileDialogKind::Save;
    request.fileName = "route.txt";
    request.filter = "All files|*";
    const ShownDialog saved = ShowWithQt(request, [](QFileDialog* dialog) { static_cast<QDialog*>(dialog)->accept(); });
    EXPECT_EQ(saved.mode, QFileDialog::AcceptSave);
    EXPECT_EQ(saved.answer, folder / "route.txt");
    EXPECT_TRUE(saved.confirmsReplace);

    const ShownDialog cancelled = ShowWithQt(request, [](QFileDialog* dialog) { dialog->reject(); });
    EXPECT_EQ(cancelled.answer, std::nullopt);
}

// A caller that asks in its own words before replacing gets the existing name back unasked.
TEST(QtFileDialogService, ASaveLeavesTheReplaceQuestionToACallerThatAsksItself)
{
    TempFolder folder;
    std::ofstream(folder / "backup.zip") << "archive";
    FileDialogRequest request;
    request.kind = FileDialogKind::Save;
    request.folder = folder.path();
    request.fileName = "backup.zip";
    request.filter = "Varnik data|*.zip";
    request.confirmReplace = false;
    const ShownDialog saved = ShowWithQt(request, [](QFileDialog* dialog) { static_cast<QDialog*>(dialog)->accept(); });
    EXPECT_FALSE(saved.confirmsReplace);
    EXPECT_EQ(saved.answer, folder / "backup.zip");
}

}  // namespace
