#pragma once
// The text editor dialog: shows the file EditFilePath names in a memo, where it can be read,
// edited, saved back, saved under another name or printed. Not modal, on top of the other
// windows; the caller sets EditFilePath and the size, then shows it.

#include "app/EditorText.h"
#include "platform/system/FormDialog.h"

#include <filesystem>
#include <string>

class QPlainTextEdit;
class QPushButton;

// The file the editor shows next.
inline std::filesystem::path EditFilePath;

class TDlgFileEdit : public platform::FormDialog {
    Q_OBJECT
public:
    explicit TDlgFileEdit(QWidget* owner = nullptr);

    QPlainTextEdit* Memo;
    QPushButton* CancelBtn;
    QPushButton* OKBtn;  // "Save"
    QPushButton* SaveBtn;  // "Save as"
    QPushButton* PrintBtn;

    void FormShow() override;
    void FormHide() override;
    void FormResize();
    void MemoChange();
    void OKBtnClick();
    void SaveBtnClick();
    void CancelBtnClick();
    void PrintBtnClick();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    bool WriteMemoTo(const std::filesystem::path& file);
    void Report(const std::string& text) const;

    // The file shown and what it was when it was read: "Save" writes there, and only over the
    // file as it was.
    std::filesystem::path loadedPath_;
    FileStamp loadedStamp_;
    std::string lineEnd_ = "\r\n";
};

inline TDlgFileEdit* DlgFileEdit = nullptr;
