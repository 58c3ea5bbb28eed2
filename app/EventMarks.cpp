#include "app/EventMarks.h"

#include "app/DataPage.h"
#include "app/SymbolBar.h"
#include "app/TForm1.h"
#include "app/TickState.h"
#include "frame/SetupParameters.h"
#include "frame/SharedTables.h"
#include "platform/system/MessageBox.h"
#include "sensors/OwnShipState.h"
#include "userdata/UserRecords.h"

#include <QPushButton>
#include <QToolButton>

namespace {

constexpr int32_t RepaintAtNextTick = 1;
// The one-second tick drops the alarm contact's mark while its countdown stands here.
constexpr int32_t ContactMarkCountdown = 5;

// Where the mark goes: a depth mark at the last sounding (at the own ship before the first one),
// any other at the own ship.
cmgbase::GeoPoint MarkPosition(uint8_t symbol)
{
    const bool soundingMade = FastTick.lastSoundingMark != cmgbase::GeoPoint{};
    if (symbol == DepthMarkSymbol && soundingMade)
        return FastTick.lastSoundingMark;
    return OwnShip.referencePosition;
}

bool ReplayShown(const TForm1& form)
{
    return form.btnReplay->isChecked();
}

// One box at a time: the ticks go on while it is open and may ask again.
void TellMarkRefused(TForm1& form)
{
    static bool open = false;
    if (open)
        return;
    open = true;
    platform::MessageBoxRequest request;
    request.owner = &form;
    request.text = ReplayMarkRefusal;
    request.caption = "Mark";
    request.icon = platform::MsgIcon::Information;
    platform::ShowMessageBox(request);
    open = false;
}

}  // namespace

// The quick mark is made at CursorChartPoint, which is given back to the chart afterwards.
std::optional<QuickMarkRequest> TForm1::EventMarkExecute(QObject* sender)
{
    if (!OwnShip.positionKnown)
        return std::nullopt;
    if (ReplayShown(*this)) {
        TellMarkRefused(*this);
        return std::nullopt;
    }
    const uint8_t symbol = SetupParameters.CurrentSymbol;
    const QuickMarkRequest mark{sender ? int32_t(symbol) : EventMarkCode, int32_t(SetupParameters.SymbolColour),
                                MarkPosition(symbol)};
    const cmgbase::GeoPoint picked = cursorChartPoint;
    cursorChartPoint = mark.at;
    IdRecord stored;
    AddQuickMark({mark.code, mark.colour, cursorChartPoint, OwnShip.depth, StoredTime(ClockSeconds),
                  ChosenBarSymbol(), OwnShip.eventMarkCountdown == ContactMarkCountdown},
                 stored);
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
    if (ReplayShown(form))
        return std::nullopt;
    FastTick.lastSoundingMark = OwnShip.referencePosition;
    return DropMarkOfSymbol(form, DepthMarkSymbol);
}
