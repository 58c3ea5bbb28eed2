#include "chart/TCM93Inspector.h"

#include "chart/ChartObjectQuery.h"
#include "chart/ChartWindow.h"
#include "chart/MapManager.h"
#include "chart/MapView.h"

#include <QVBoxLayout>

namespace {

constexpr int32_t PickHalfSize = 3;

// The highlight reaches the screen with the static overlay, at the next tick.
void RepaintChart(ChartWindow* chart)
{
    if (chart)
        chart->OverlayRedrawRequest = 1;
}

}  // namespace

TCM93Inspector::TCM93Inspector(QWidget* owner)
    : QDialog(owner, Qt::Tool | Qt::WindowStaysOnTopHint)
{
    setObjectName("CM93Inspector");
    setWindowTitle(QStringLiteral("Chart Object Inspector"));
    XObjectInspector1 = new chartengine::ObjectInspector(this);
    XObjectInspector1->setObjectName("XObjectInspector1");
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(XObjectInspector1);
    resize(600, 220);
    XObjectInspector1->selectObject = [this](const std::string& id) { XObjectInspector1SelectObject(id); };
}

void TCM93Inspector::XObjectInspector1SelectObject(const std::string& identifierText)
{
    if (MainMapView)
        MainMapView->ShowObject(identifierText, 0);
    RepaintChart(chart);
}

void TCM93Inspector::FormHide()
{
    if (MainMapView)
        MainMapView->ShowObject("", 0);
    RepaintChart(chart);
}

void TCM93Inspector::hideEvent(QHideEvent* event)
{
    FormHide();
    QDialog::hideEvent(event);
}

void ShowChartObjectsAt(ChartWindow& chart, const cmgbase::GeoPoint& position)
{
    std::vector<goGUID> found;
    if (ChartEngine && MainMapView)
        QueryObjectsAt(*ChartEngine, *MainMapView, position, PickHalfSize, found);
    if (!CM93Inspector)
        return;
    if (!CM93Inspector->isVisible()) {
        if (QWidget* box = chart.controls.CM93) {
            const QRect main = box->window()->geometry();
            CM93Inspector->resize(box->width(), CM93Inspector->height());
            CM93Inspector->move(main.left(), main.top() + main.height() - CM93Inspector->frameGeometry().height());
        }
        CM93Inspector->show();
    }
    CM93Inspector->XObjectInspector1->SetInfo(found);
}
