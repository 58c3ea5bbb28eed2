// Documents linked to an object: only an existing document of the dialog's file types is handed
// to the desktop's opener, as a file; addresses and programs never are. A document chosen in the
// open dialog goes in front of the text.

#include "QueryDialogFixture.h"
#include "userdata/LinkedDocument.h"

#include <QDesktopServices>
#include <QObject>
#include <QUrl>

#include <fstream>
#include <string>

namespace {

// Takes the place of the desktop's opener for file addresses.
class OpenedFiles : public QObject {
    Q_OBJECT
public:
    OpenedFiles() { QDesktopServices::setUrlHandler(QStringLiteral("file"), this, "open"); }
    ~OpenedFiles() override { QDesktopServices::unsetUrlHandler(QStringLiteral("file")); }
    std::vector<QUrl> urls;

public slots:
    void open(const QUrl& url) { urls.push_back(url); }
};

void Write(const std::filesystem::path& file, const std::string& bytes)
{
    std::filesystem::create_directories(file.parent_path());
    std::ofstream(file, std::ios::binary) << bytes;
}

class LinkedDocumentTest : public QueryDialogTest {
protected:
    void SetUp() override
    {
        QueryDialogTest::SetUp();
        Write(folder / "Info" / "manual.pdf", "%PDF-1.4\n");
        Write(folder / "Info" / "Chart Notes.HTML", "<html></html>");
        Write(folder / "Info" / "run.sh", "#!/bin/sh\necho run\n");
        Write(folder / "Info" / "notes.txt", "#!/bin/sh\nrm -rf ~\n");
        Write(folder / "Info" / "viewer.pdf", "\x7F" "ELF\x02\x01\x01");
        Write(folder / "Info" / "setup.doc", "MZ\x90");
        std::filesystem::create_directories(folder / "Info" / "folder.pdf");
    }

    OpenedFiles opened;
};

TEST_F(LinkedDocumentTest, OnlyAnExistingDocumentOfTheFileTypesMayBeOpened)
{
    const std::filesystem::path info = folder / "Info";
    const struct {
        const char* name;
        std::string linked;
        std::optional<std::filesystem::path> opened;
    } cases[] = {
        {"relative, with backslashes", "Info\\manual.pdf", info / "manual.pdf"},
        {"absolute", (info / "manual.pdf").string(), info / "manual.pdf"},
        {"upper-case type, htm*", "Info/Chart Notes.HTML", info / "Chart Notes.HTML"},
        {"a program's type", "Info/run.sh", std::nullopt},
        {"a script named as a text", "Info/notes.txt", std::nullopt},
        {"a program named as a document", "Info/viewer.pdf", std::nullopt},
        {"a Windows program named as a document", "Info/setup.doc", std::nullopt},
        {"a folder", "Info/folder.pdf", std::nullopt},
        {"missing", "Info/missing.pdf", std::nullopt},
        {"a web address", "http://example.com/manual.pdf", std::nullopt},
        {"a file address", "file://" + (info / "manual.pdf").string(), std::nullopt},
        {"a mail address", "mailto:master@example.com", std::nullopt},
        {"a program on the path", "xterm", std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(OpenableDocument(c.linked, folder.path()), c.opened);
    }
}

TEST_F(LinkedDocumentTest, TheInfoFileButtonOpensTheLinkedDocumentAsAFileAndRefusesTheRest)
{
    const struct {
        const char* name;
        QString text;
        std::optional<std::filesystem::path> opened;
    } cases[] = {
        {"a document", "<Info\\manual.pdf>\nSee chapter 3", folder / "Info" / "manual.pdf"},
        {"an address", "<http://example.com/manual.pdf>\nmore", std::nullopt},
        {"a program", "<Info/run.sh>", std::nullopt},
    };
    IdRecord symbol;
    symbol.objectType = ObjectType::SYMBOL;
    symbol.id = 20001;
    show(symbol);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        opened.urls.clear();
        dialog->ObjInfo->setPlainText(c.text);
        dialog->FileBtn->click();
        if (c.opened) {
            ASSERT_EQ(opened.urls.size(), 1u);
            EXPECT_EQ(opened.urls[0], QUrl::fromLocalFile(QString::fromStdString(c.opened->string())));
        } else {
            EXPECT_TRUE(opened.urls.empty());
        }
        EXPECT_TRUE(fileDialogs.shown.empty()) << "a linked text opens no file dialog";
        EXPECT_EQ(dialog->ObjInfo->toPlainText(), c.text);
    }
}

TEST_F(LinkedDocumentTest, AChosenDocumentGoesInFrontOfTheText)
{
    IdRecord symbol;
    symbol.objectType = ObjectType::SYMBOL;
    symbol.id = 20001;
    ASSERT_EQ(WriteObjectText(20001, 0, "Mooring buoy"), platform::isam::Status::Ok);
    show(symbol);
    fileDialogs.presetAnswers.push_back(std::nullopt);
    dialog->FileBtn->click();
    EXPECT_EQ(dialog->ObjInfo->toPlainText(), "Mooring buoy") << "cancelled";
    const std::filesystem::path chosen = folder / "Info" / "manual.pdf";
    fileDialogs.presetAnswers.push_back(chosen);
    dialog->FileBtn->click();
    ASSERT_EQ(fileDialogs.shown.size(), 2u);
    EXPECT_EQ(fileDialogs.shown[1].folder, folder / "Info");
    EXPECT_EQ(fileDialogs.shown[1].filter, LinkedDocumentFilter);
    dialog->hide();
    EXPECT_EQ(ReadObjectText(20001, 0), "<" + chosen.string() + ">\r\nMooring buoy");
    EXPECT_TRUE(opened.urls.empty());
}

}  // namespace

#include "LinkedDocumentTest.moc"
