#pragma once
// The text editor dialog: shows the file EditFilePath names in a memo, where it can be read,
// edited, saved back, saved under another name or printed. Not modal, on top of the other
// windows; the caller sets EditFilePath and the size, then shows it.

#include "app/EditorText.h"

#include <QDialog>

#include <filesystem>
#include <string>

class QPlainTextEdit;
class QPushButton;

// The file the editor shows next.
inline std::filesystem::path EditFilePath;

class TDlgFileEdit : public QDialog {
    Q_OBJECT
public:
    explicit TDlgFileEdit(QWidget* owner = nullptr);

    QPlainTextEdit* Memo;
    QPushButton* CancelBtn;
    QPushButton* OKBtn;  // "Save"
    QPushButton* SaveBtn;  // "Save as"
    QPushButton* PrintBtn;

    void FormShow();
    void FormHide();
    void FormResize();
    void MemoChange();
    void OKBtnClick();
    void SaveBtnClick();
    void CancelBtnClick();
    void PrintBtnClick();

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
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
