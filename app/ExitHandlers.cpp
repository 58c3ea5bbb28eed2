#include "app/TForm1.h"

#include "app/ExternalLibraries.h"
#include "app/TOffDlg.h"
#include "frame/SharedTables.h"

#include <QCloseEvent>

void TForm1::closeEvent(QCloseEvent* event)
{
    bool canClose = true;
    FormCloseQuery(canClose);
    event->setAccepted(canClose);
}

void TForm1::FormCloseQuery(bool& canClose)
{
    // A logout or a termination signal has begun the program's end: the window system's closes
    // that follow must not hold it up.
    canClose = ProgramEnding;
    if (!canClose)
        ShowOffDlg();
}

void TForm1::ExitExecute()
{
    if (NameBaseAvailable && ExternalEntryTable.TGetActive) {
        const int32_t state = ExternalEntryTable.TGetActive();
        if (state == 1 || state == 2)
            return;
    }
    ShowOffDlg();
}
