#include "app/EventMarks.h"

#include "app/DataPage.h"
#include "app/PendingServices.h"
#include "app/TForm1.h"
#include "app/TickState.h"
#include "frame/SetupParameters.h"
#include "sensors/OwnShipState.h"

#include <QToolButton>

namespace {

constexpr int32_t RepaintAtNextTick = 1;

// Where the mark goes: a depth mark at the last sounding (at the own ship before the first one),
// any other at the own ship.
cmgbase::GeoPoint MarkPosition(uint8_t symbol)
{
    const bool soundingMade = FastTick.lastSoundingMark != cmgbase::GeoPoint{};
    if (symbol == DepthMarkSymbol && soundingMade)
        return FastTick.lastSoundingMark;
    return OwnShip.referencePosition;
}

}  // namespace

// The quick mark is made at CursorChartPoint, which is given back to the chart afterwards.
std::optional<QuickMarkRequest> TForm1::EventMarkExecute(QObject* sender)
{
    if (!OwnShip.positionKnown)
        return std::nullopt;
    const uint8_t symbol = SetupParameters.CurrentSymbol;
    const QuickMarkRequest mark{sender ? int32_t(symbol) : EventMarkCode, int32_t(SetupParameters.SymbolColour),
                                MarkPosition(symbol)};
    const cmgbase::GeoPoint picked = cursorChartPoint;
    cursorChartPoint = mark.at;
    pending::AddQuickMark(*this, mark.code, mark.colour);
    cursorChartPoint = picked;
    if (!SymbolBtn->isChecked())
        SymbolBtn->setChecked(true);
    SyncDataTab(*this);
    OverlayRedrawRequest = RepaintAtNextTick;
    return mark;
}

std::optional<QuickMarkRequest> DropMarkOfSymbol(TForm1& form, uint8_t symbol)
{
    const uint8_t chosen = SetupParameters.CurrentSymbol;
    SetupParameters.CurrentSymbol = symbol;
    // The window itself is the sender: a null sender would make it the timers' event mark.
    const std::optional<QuickMarkRequest> mark = form.EventMarkExecute(&form);
    SetupParameters.CurrentSymbol = chosen;
    return mark;
}

std::optional<QuickMarkRequest> DropDepthMark(TForm1& form)
{
    FastTick.lastSoundingMark = OwnShip.referencePosition;
    return DropMarkOfSymbol(form, DepthMarkSymbol);
}
