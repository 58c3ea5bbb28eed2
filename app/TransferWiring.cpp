#include "app/TransferWiring.h"

#include "app/Screenshot.h"
#include "app/TForm1.h"
#include "chart/ChartLevels.h"
#include "chart/ChartRedraw.h"
#include "chart/MapView.h"
#include "platform/geodesy/NormalisedCoordinates.h"
#include "platform/system/PointerMove.h"
#include "sensors/OwnShipState.h"
#include "sensors/SeabedRecorder.h"
#include "userdata/TransferHooks.h"
#include "userdata/UserRecords.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>

#include <algorithm>
#include <cmath>

namespace {

// The identification picture shown at the chart's bottom left while a list's screenshot is
// taken.
void SaveWithIdPicture(TForm1& f, const std::string& name)
{
    QLabel picture(f.CM93);
    picture.setPixmap(f.IdPic);
    picture.adjustSize();
    picture.move(0, f.CM93->height() - picture.height());
    const bool slaveShown = f.SlavePanel->isVisible();
    f.SlavePanel->hide();
    picture.show();
    f.raise();
    f.activateWindow();
    f.repaint();
    QApplication::processEvents();
    SaveScreenshot(name);
    if (slaveShown)
        f.SlavePanel->show();
}

}  // namespace

void WireTransferHooks()
{
    TransferHooks& h = TransferHook;
    h.movePointerNearPick = [] {
        if (Form1 && Form1->CM93)
            platform::MovePointer(Form1->CM93->mapToGlobal(QPoint(Form1->pickPoint.x + 60, Form1->pickPoint.y + 55)));
    };
    // "Delete selected data" is held down while its transfers run.
    h.selectiveDelete = [] {
        const QPushButton* button = Form1 ? Form1->btnFilesSelDel : nullptr;
        return button && (button->isChecked() || button->isDown());
    };
    h.depthImportRunning = [](bool running) {
        DepthRecorder.transferRunning = running;
        ClearDepthAccumulators();
        std::fill(std::begin(OwnShip.depthHistory), std::end(OwnShip.depthHistory), 0.0f);
    };
    h.storeDepth = [](const cmgbase::GeoPoint& position, int level, int32_t cellSize, float depth) {
        DepthRecorder.position = position;
        DepthRecorder.lonFactor = SeabedGridLonFactor(position.y, false);
        return StoreDepthInGrid(level, cellSize, depth);
    };
    h.sensorInputLive = [] { return OwnShip.fixAlive; };
    h.setOwnShip = [](int32_t latitude, int32_t longitude, float course, float speed) {
        OwnShip.gpsLatitude = double(latitude) / PositionUnitsPerDegree;
        OwnShip.gpsLongitude = double(longitude) / PositionUnitsPerDegree;
        OwnShip.courseOverGround = course;
        OwnShip.heading = course;
        OwnShip.speedOverGround = speed;
        OwnShip.positionKnown = true;
    };
    h.showChartView = [](const cmgbase::GeoPoint& centre, int32_t level, double zoom) {
        if (!Form1 || !MainMapView)
            return;
        TForm1& f = *Form1;
        int changed = MainMapView->SetCentre(centre);
        if (f.chartLevel != level) {
            f.chartLevel = level;
            SetChartLevel(f);
            changed = 1;
        }
        changed |= MainMapView->SetZoomFactors(zoom, zoom);
        f.zoomFactor = zoom;
        if (changed)
            RedrawChart(f, true);
        f.ZoomPanel->setText(QString::asprintf("%d", int(std::lround(f.mainScale * zoom))));
    };
    h.saveIdentifiedScreenshot = [](const std::string& name) {
        if (Form1)
            SaveWithIdPicture(*Form1, name);
    };
}
