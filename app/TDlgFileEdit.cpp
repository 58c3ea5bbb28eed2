#include "app/TDlgFileEdit.h"

#include "app/FixedPitchFont.h"
#include "app/MemoPrinting.h"
#include "app/TForm1.h"
#include "platform/system/FileDialog.h"
#include "platform/system/FileReplace.h"
#include "platform/system/MessageBox.h"
#include "platform/system/TextCodec.h"

#include <QAbstractButton>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QShowEvent>
#include <QToolButton>
#include <QTextDocument>

#include <cerrno>
#include <cstring>

namespace {

constexpr int ButtonRowHeight = 33;  // below the memo
constexpr int ButtonHeight = 25;

QPushButton* Button(QWidget* parent, const char* name, const char* text)
{
    auto* button = new QPushButton(QString::fromLatin1(text), parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setAutoDefault(false);
    return button;
}

QString Shown(const std::filesystem::path& file)
{
    return QString::fromStdString(file.string());
}

std::string Reason()
{
    return errno ? std::strerror(errno) : "unknown error";
}

}  // namespace

TDlgFileEdit::TDlgFileEdit(QWidget* owner)
    : FormDialog(owner),
      Memo(new QPlainTextEdit(this)),
      CancelBtn(Button(this, "CancelBtn", "Cancel")),
      OKBtn(Button(this, "OKBtn", "Save")),
      SaveBtn(Button(this, "SaveBtn", "Save as")),
      PrintBtn(Button(this, "PrintBtn", "Print"))
{
    setObjectName(QStringLiteral("DlgFileEdit"));
    setWindowTitle(QStringLiteral("Text Edit"));
    setWindowFlag(Qt::WindowStaysOnTopHint);
    QFont formFont(QStringLiteral("MS Sans Serif"));
    formFont.setBold(true);
    setFont(formFont);

    Memo->setObjectName(QStringLiteral("Memo"));
    QFont memoFont(QStringLiteral("Courier New"));
    memoFont.setPixelSize(13);
    memoFont.setBold(true);
    Memo->setFont(WithFixedPitch(memoFont));
    Memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);

    connect(Memo, &QPlainTextEdit::textChanged, this, &TDlgFileEdit::MemoChange);
    connect(CancelBtn, &QPushButton::clicked, this, &TDlgFileEdit::CancelBtnClick);
    connect(OKBtn, &QPushButton::clicked, this, &TDlgFileEdit::OKBtnClick);
    connect(SaveBtn, &QPushButton::clicked, this, &TDlgFileEdit::SaveBtnClick);
    connect(PrintBtn, &QPushButton::clicked, this, &TDlgFileEdit::PrintBtnClick);

    move(0, 30);
    resize(749, 233);
}

// The memo fills the window above the button row, whatever its size.
void TDlgFileEdit::resizeEvent(QResizeEvent* event)
{
    FormDialog::resizeEvent(event);
    Memo->setGeometry(0, 0, width(), std::max(0, height() - ButtonRowHeight));
    FormResize();
}

void TDlgFileEdit::FormShow()
{
    loadedPath_ = EditFilePath;
    setWindowTitle(Shown(loadedPath_));
    Memo->clear();
    loadedStamp_ = StampOf(loadedPath_);
    errno = 0;
    if (const std::optional<std::string> bytes = ReadFileBytes(loadedPath_)) {
        lineEnd_ = LineEndOf(*bytes);
        Memo->setPlainText(platform::FromCp1252(*bytes));
    } else {
        lineEnd_ = LineEndOf({});
        Report("The file " + loadedPath_.string() + " cannot be read: " + Reason() + ".");
    }
    OKBtn->setEnabled(false);
}

void TDlgFileEdit::MemoChange()
{
    OKBtn->setEnabled(true);
}

// The position log and "ais.log" grow while they are shown: what was added since the file was
// read is not overwritten without asking.
void TDlgFileEdit::OKBtnClick()
{
    if (StampOf(loadedPath_) != loadedStamp_) {
        platform::MessageBoxRequest question;
        question.owner = this;
        question.text = "The file " + loadedPath_.string() +
                        " has changed since it was opened here. Overwrite it with this text? What was "
                        "written to it since is then lost; \"Save as\" keeps both.";
        question.caption = "Varnik V3";
        question.icon = platform::MsgIcon::Exclamation;
        question.buttons = platform::MsgButtons::YesNo;
        if (platform::ShowMessageBox(question) != platform::MsgAnswer::Yes)
            return;
    }
    if (WriteMemoTo(loadedPath_))
        hide();
}

void TDlgFileEdit::SaveBtnClick()
{
    platform::FileDialogRequest request;
    request.owner = this;
    request.kind = platform::FileDialogKind::Save;
    request.folder = loadedPath_.parent_path();
    request.fileName = loadedPath_.filename();
    request.filter = "All files|*";
    if (const platform::FileDialogAnswer chosen = platform::ShowFileDialog(request))
        if (WriteMemoTo(*chosen))
            hide();
}

void TDlgFileEdit::CancelBtnClick()
{
    hide();
}

// The buttons that open the editor stay down while it is shown.
void TDlgFileEdit::FormHide()
{
    if (!Form1)
        return;
    for (QAbstractButton* opener : {static_cast<QAbstractButton*>(Form1->btnPrintRt),
                                    static_cast<QAbstractButton*>(Form1->btnAisLog)}) {
        opener->setChecked(false);
        opener->setDown(false);
    }
}

void TDlgFileEdit::FormResize()
{
    const int quarter = Memo->width() / 4;
    const int top = height() - ButtonRowHeight + (ButtonRowHeight - ButtonHeight) / 2;
    CancelBtn->setGeometry(CancelBtn->x(), top, quarter, ButtonHeight);
    int left = Memo->x() + quarter;
    for (QPushButton* button : {OKBtn, SaveBtn, PrintBtn}) {
        button->setGeometry(left, top, quarter, ButtonHeight);
        left += quarter;
    }
}

void TDlgFileEdit::PrintBtnClick()
{
    const QPrinterInfo defaultPrinter = QPrinterInfo::defaultPrinter();
    if (defaultPrinter.isNull()) {
        Report("No printer is set up: the text cannot be printed.");
        return;
    }
    QPrinter printer(defaultPrinter, QPrinter::HighResolution);
    printer.setDocName(windowTitle());
    PrinterSurface surface(printer);
    if (!PrintMemoLines(MemoLines(Memo->document()->toRawText()), surface))
        Report("The text could not be printed on " + platform::ToCp1252(defaultPrinter.printerName()) + ".");
}

// The memo's text in the file's own bytes, through a temporary file: a failing write leaves the
// file as it was.
bool TDlgFileEdit::WriteMemoTo(const std::filesystem::path& file)
{
    errno = 0;
    if (!platform::ReplaceFile(file, FileBytesOf(Memo->document()->toRawText(), lineEnd_))) {
        Report("The file " + file.string() + " cannot be written: " + Reason() + ".");
        return false;
    }
    if (file == loadedPath_)
        loadedStamp_ = StampOf(file);
    return true;
}

void TDlgFileEdit::Report(const std::string& text) const
{
    platform::MessageBoxRequest request;
    request.owner = const_cast<TDlgFileEdit*>(this);
    request.text = text;
    request.caption = "Varnik V3";
    request.icon = platform::MsgIcon::Exclamation;
    platform::ShowMessageBox(request);
}
