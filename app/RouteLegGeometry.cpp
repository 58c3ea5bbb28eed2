#include "app/RouteLegGeometry.h"

#include "app/RouteLegLane.h"
#include "app/TForm1.h"
#include "frame/SetupParameters.h"
#include "userdata/RouteCheckStore.h"
#include "userdata/RouteHooks.h"
#include "userdata/RouteLegs.h"
#include "userdata/RouteLoad.h"
#include "userdata/RouteTable.h"

#include <QApplication>
#include <QFrame>

namespace {

// The hourglass and the check panel while the legs are checked, also when something throws.
class CheckShown {
public:
    explicit CheckShown(TForm1& form) : form_(form)
    {
        form_.CheckPanel->show();
        QApplication::setOverrideCursor(Qt::WaitCursor);
    }
    ~CheckShown()
    {
        QApplication::restoreOverrideCursor();
        form_.CheckPanel->hide();
    }
    CheckShown(const CheckShown&) = delete;
    CheckShown& operator=(const CheckShown&) = delete;

private:
    TForm1& form_;
};

}  // namespace

void UpdateRouteLegGeometry(TForm1& form)
{
    const int32_t count = RouteEntryCount();
    if (RouteId == 0 || count == 0 || !SetupParameters.RouteLegs)
        return;
    {
        const CheckShown shown(form);
        for (int32_t i = 0; i < count; ++i)
            ComputeWaypointTurn(i);
        for (int32_t leg = 0; leg + 1 < count; ++leg)
            CheckLegLane(form, leg);
    }
    form.chartRedrawRequest = true;
    RouteSafetyDepthDiffers = 0;
    StoreRouteCheckFlags(SetupParameters.SafetyContour);
    if (RouteHook.refreshRouteGrid)
        RouteHook.refreshRouteGrid();
}
