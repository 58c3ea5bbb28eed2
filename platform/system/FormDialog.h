#pragma once
// A dialog whose FormShow and FormHide run when the program shows and hides it: the window
// manager's minimise and restore (spontaneous show and hide events) are not the dialog opening
// or closing, and run neither.

#include <QDialog>
#include <QHideEvent>
#include <QShowEvent>

namespace platform {

class FormDialog : public QDialog {
public:
    using QDialog::QDialog;

    virtual void FormShow() {}
    virtual void FormHide() {}

protected:
    void showEvent(QShowEvent* event) override
    {
        QDialog::showEvent(event);
        if (!event->spontaneous())
            FormShow();
    }
    void hideEvent(QHideEvent* event) override
    {
        QDialog::hideEvent(event);
        if (!event->spontaneous())
            FormHide();
    }
};

}  // namespace platform
