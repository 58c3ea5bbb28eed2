// The target buttons of the tool bar: the chart query, the two ARPA radars, AIS and the bearing
// tool.

#include "app/ChartCursor.h"
#include "app/DynamicOverlay.h"
#include "app/TForm1.h"
#include "app/TickState.h"
#include "app/ToolTabs.h"
#include "chart/TCM93Inspector.h"
#include "sensors/ArpaSources.h"
#include "sensors/OwnShipState.h"
#include "sensors/TArpaDlg.h"
#include "userdata/TQueryDlg.h"

#include <QFrame>
#include <QLineEdit>
#include <QToolButton>

namespace {

// Repaints the chart with its overlays at the next 100 ms tick.
constexpr int32_t RepaintAtNextTick = 1;
// Above this speed over ground (knots) the bearing tool shows the time of arrival at the cursor.
constexpr float UnderWaySpeed = 1.0f;

void HideWhenVisible(QWidget* dialog)
{
    if (dialog && dialog->isVisible())
        dialog->hide();
}

// A target button down brings the "Target" page; up, the "2D/3D" page while a 3D view runs.
void ExchangeToolTabs(TForm1& f, const QAbstractButton* targets)
{
    if (targets->isChecked())
        ShowToolTabSide(f, ToolTabSide::Target);
    else if (f.Show2DBtn->isChecked() || f.Show3DBtn->isChecked())
        ShowToolTabSide(f, ToolTabSide::ThreeD);
}

// The ARPA button of radar 1 or 2: the other button goes up; a switch of radar drops the old
// radar's targets, so the target dialog no longer shows one of them.
void ChooseArpaRadar(TForm1& f, int radar, QToolButton* other)
{
    other->setChecked(false);
    if (SwitchArpaRadar(radar) && ArpaDlg)
        ArpaDlg->hide();
    f.OverlayRedrawRequest = RepaintAtNextTick;
}

}  // namespace

void TForm1::QueryExecute()
{
    if (!QueryBtn->isChecked()) {
        HideWhenVisible(CM93Inspector);
        HideWhenVisible(QueryDlg);
    }
    if (TrackBtn->isChecked() || AisBtn->isChecked())
        OverlayRedrawRequest = RepaintAtNextTick;
}

void TForm1::Arpa1Execute()
{
    ChooseArpaRadar(*this, 1, Arpa2Btn);
    ExchangeToolTabs(*this, Arpa1Btn);
}

void TForm1::Arpa2Execute()
{
    ChooseArpaRadar(*this, 2, Arpa1Btn);
}

void TForm1::AisExecute()
{
    OverlayRedrawRequest = RepaintAtNextTick;
    ExchangeToolTabs(*this, AisBtn);
}

// The bearing line starts again from the own ship. Switched off, the kept bearing lines and a
// typed cross bearing go with it.
void TForm1::BearingExecute()
{
    BearingOriginSet = false;
    BearingFrozen = false;
    AnchorPixel = TickRequest.ownShipPixel;
    if (BearingBtn->isChecked()) {
        if (OwnShip.speedOverGround > UnderWaySpeed) {
            ckHide2Click(false);
            EtaPanel->show();
        }
        return;
    }
    StoredBearingLines = {};
    edCross->clear();
    CrossPanel->hide();
    EtaPanel->hide();
    PaintDynamicOverlay(*this, false);
}
