// The symbol bar's clicks on the main chart: a new symbol placed at the click, and a stored
// symbol picked by one click and moved to the next.

#include "app/ChartCursor.h"
#include "app/SymbolBar.h"
#include "frame/SharedTables.h"
#include "userdata/QuickMarks.h"
#include "sensors/OwnShipState.h"
#include "app/ChartMouse.h"
#include "app/ObjectSweep.h"
#include "app/TForm1.h"
#include "chart/OverlayPrimitives.h"
#include "chart/TPositionDlg.h"
#include "frame/SetupParameters.h"
#include "userdata/DatabaseReports.h"
#include "userdata/ObjectIds.h"
#include "userdata/StoredPosition.h"
#include "userdata/UserDatabase.h"

#include <QPainter>
#include <QToolButton>
#include <QWidget>

namespace {

constexpr int32_t SelectionMarkIcon = 50;
constexpr int32_t SelectionMarkColour = 6;

void FocusPositionDialog()
{
    if (PositionDlg && PositionDlg->isVisible())
        PositionDlg->activateWindow();
}

// The picked symbol (or zone or field) goes to the cursor in the symbol bar's colour, a symbol
// with the bar's symbol. A position another object of its type holds moves it on east.
void MovePickedSymbol(TForm1& f)
{
    IdRecord record;
    record.id = PickedSymbolId;
    using platform::isam::Status;
    if (CheckRecordStatus("read", IdFile,
                          UserIsam.readEqual(IdNumberKey, UserKeyValue(IdNumberKey, platform::isam::bytesOf(record)),
                                             platform::isam::bytesOf(record))) != Status::Ok)
        return;
    record.latitude = StoredFromChart(f.cursorChartPoint.y);
    record.longitude = StoredFromChart(f.cursorChartPoint.x);
    record.colour = SetupParameters.SymbolColour;
    if (record.objectType == ObjectType::SYMBOL)
        record.pointCount = SetupParameters.CurrentSymbol;
    RewriteIdRecord(record);
    f.OverlayRedrawRequest = 1;
    FocusPositionDialog();
}

// An icon at the click in the static copy of the chart picture and in the one shown.
void DrawIntoChartPicture(TForm1& f, int32_t icon, int32_t colour, const ChartClick& click)
{
    for (QImage* bitmap : {&f.ChartBackBitmap, &f.ChartWorkBitmap}) {
        if (bitmap->isNull())
            continue;
        QPainter canvas(bitmap);
        DrawMaskedIcon(f, canvas, icon, colour, click.x, click.y);
    }
    f.CM93->update();
}

}  // namespace

// The symbol is drawn at once into the chart picture (the static copy and the one shown); the
// mark itself is stored at the cursor. The live depth below the keel stays what the sounder
// says: the mark's own depth is the quick-mark store's.
void PlaceSymbolClick(TForm1& f, const ChartClick& click)
{
    const int32_t symbol = SetupParameters.CurrentSymbol;
    const int32_t colour = SetupParameters.SymbolColour;
    DrawIntoChartPicture(f, symbol, colour, click);
    IdRecord stored;
    AddQuickMark({symbol, colour, f.cursorChartPoint, OwnShip.depth, StoredTime(ClockSeconds), ChosenBarSymbol()},
                 stored);
}

// The first click picks the symbol under it (a selection mark on the chart); the next click,
// wherever it lands, moves the picked symbol there. A click that finds no symbol while none is
// picked does nothing.
void MoveSymbolClick(TForm1& f, const ChartClick& click)
{
    const bool found = f.SymbolBtn->isChecked() && SweepObjects(f, 405);
    ObjectFound = false;
    if (found && PickedSymbolId == 0) {
        PickedSymbolId = IdShownBuffer.id;
        DrawIntoChartPicture(f, SelectionMarkIcon, SelectionMarkColour, click);
        return;
    }
    if (PickedSymbolId != 0)
        MovePickedSymbol(f);
    PickedSymbolId = 0;
}
