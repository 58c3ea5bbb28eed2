#include "app/RouteEtaPanel.h"

#include "app/MainWindowControls.h"
#include "app/TForm1.h"
#include "chart/OverlayColours.h"
#include "chart/PaintBox.h"
#include "frame/SetupParameters.h"
#include "frame/SharedTables.h"
#include "sensors/OwnShipState.h"
#include "userdata/RouteEtaPanel.h"
#include "userdata/RouteFollowing.h"
#include "userdata/RouteTable.h"
#include "userdata/TWpDlg.h"

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QPainter>
#include <QPalette>
#include <QPolygon>

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

namespace {

constexpr int ArrowCentre = 22;
constexpr int PortColour = 1;
constexpr int StarboardColour = 3;
constexpr int TypedEtaColour = 2;

struct ArrowPoint {
    double radius;
    double angle;  // radians, 0 to the right, clockwise on the screen
};
constexpr std::array<ArrowPoint, 5> Arrow{{{20, -1.5707964},
                                           {13, -0.98279375},
                                           {20.615528, 1.19029},
                                           {20.615528, 1.9513026},
                                           {13, -2.1587989}}};

QColor ButtonFace()
{
    return QApplication::palette().color(QPalette::Button);
}

void SetText(QLabel* label, const std::string& text)
{
    label->setText(QString::fromStdString(text));
}

// The lane of the leg sailed, 0.01 nm.
int CurrentLane()
{
    const int32_t count = RouteEntryCount();
    const uint16_t lane = CurrentWaypoint >= 0 && CurrentWaypoint < count ? RouteTable[size_t(CurrentWaypoint)].lane : 0;
    return lane ? lane : std::max<int>(SetupParameters.DefaultLane, 0);
}

double Deviation()
{
    double degrees = std::fmod(double(OwnShip.courseOverGround) - double(BearingToSteer), 360.0);
    if (degrees > 180.0)
        degrees -= 360.0;
    else if (degrees < -180.0)
        degrees += 360.0;
    return degrees;
}

}  // namespace

void ShowRouteEtaPanel(TForm1& f)
{
    RouteEtaPanelState state;
    state.speedOverGround = OwnShip.speedOverGround;
    state.courseOverGround = OwnShip.courseOverGround;
    state.now = ClockSeconds;
    state.zoneHours = SetupParameters.EtaZoneHours;
    state.currentSpeed = SetupParameters.EtaPanelMode == 1;
    if (WpDlg) {
        state.referenceRow = WpDlg->EtaReferenceRow;
        state.referenceTime = WpDlg->EtaReferenceTime;
    }
    const RouteEtaPanelTexts texts = ComposeRouteEtaPanel(state);
    f.boxETA->setTitle(QString::fromStdString(texts.boxETA));
    SetText(f.txDTGend, texts.txDTGend);
    SetText(f.txETA, texts.txETA);
    QPalette palette;  // the window text colour
    if (texts.etaTyped)
        palette.setColor(QPalette::WindowText, UserColour(TypedEtaColour));
    f.txETA->setPalette(palette);
    SetText(f.txTTG, texts.txTTG);
    f.boxCTS->setTitle(QString::fromStdString(texts.boxCTS));
    SetText(f.txCTS, texts.txCTS);
    SetText(f.txCTS2, texts.txCTS2);
    SetText(f.txDTGwp, texts.txDTGwp);
    SetText(f.txXTE, texts.txXTE);
    SetText(f.txDev, texts.txDev);
    f.PaintCrs->update();
    f.paintXTE->update();
}

void InstallRoutePanelPainters(MainWindowControls& c)
{
    PaintBox::Install(
        c.PaintCrs, [](QPainter& canvas, const QRect&) { PaintSteeringArrow(canvas, Deviation(), WindowTextColour()); },
        nullptr);
    QWidget* bar = c.paintXTE;
    PaintBox::Install(
        bar, [bar](QPainter& canvas, const QRect&) { PaintCrossTrackBar(canvas, bar->rect(), CrossTrackError, CurrentLane()); },
        nullptr);
}

void PaintSteeringArrow(QPainter& canvas, double deviation, const QColor& colour)
{
    canvas.fillRect(0, 0, 2 * ArrowCentre + 1, 2 * ArrowCentre + 1, ButtonFace());
    const double turn = deviation * std::numbers::pi / 180.0;
    QPolygon polygon;
    for (const ArrowPoint& point : Arrow)
        polygon << QPoint(int(std::cos(point.angle + turn) * point.radius + ArrowCentre),
                          int(std::sin(point.angle + turn) * point.radius + ArrowCentre));
    canvas.setPen(colour);
    canvas.setBrush(colour);
    canvas.drawPolygon(polygon);
}

void PaintCrossTrackBar(QPainter& canvas, const QRect& box, double crossTrack, int lane)
{
    canvas.fillRect(box, ButtonFace());
    const int half = box.width() / 2;
    // Beyond the lane's edge, and without a lane, the bar fills its half.
    const double share = lane > 0 ? crossTrack * 100.0 / lane : std::copysign(1.0, crossTrack);
    const int length = int(std::clamp(half * share, -double(half), double(half)));
    if (length == 0)
        return;
    const int left = box.left() + std::min(half, half - length);
    canvas.fillRect(QRect(left, box.top(), std::abs(length), box.height()),
                    UserColour(crossTrack > 0 ? PortColour : StarboardColour));
}
