// The pointer on the started program: the chart position a real mouse move over CM93 leaves in
// the cursor state, against GeographicLib's ellipsoidal Mercator (true scale at the view's centre
// latitude, the view's scale and device pixels per metre, turned by the view's rotation); real
// presses on the mini chart as the start-up lays it out; and clicks on objects picked from the
// object list, whose hover shares PickMode with the delete tools.

#include "ObjectStoreFixture.h"

#include "app/EditingState.h"
#include "app/LineBar.h"
#include "app/RouteBar.h"
#include "chart/ChartLevels.h"
#include "chart/ChartRedraw.h"
#include "platform/geodesy/NormalisedCoordinates.h"
#include "sensors/OwnShipState.h"
#include "userdata/RouteFollowing.h"
#include "userdata/TDbObj.h"

#include <GeographicLib/Constants.hpp>
#include <GeographicLib/Ellipsoid.hpp>

#include <QApplication>
#include <QMouseEvent>
#include <QToolBar>
#include <QToolButton>

#include <cmath>
#include <numbers>

namespace {

constexpr double RadiansPerDegree = std::numbers::pi / 180.0;

class ChartPointerTest : public ObjectStoreTest {
protected:
    void SetUp() override
    {
        ObjectStoreTest::SetUp();
        DbObj = new TDbObj;
    }

    void TearDown() override
    {
        delete DbObj;
        DbObj = nullptr;
        RouteStartRequest = 0;
        ObjectStoreTest::TearDown();
    }

    void left(int x, int y) { mouse(form->CM93, QEvent::MouseButtonPress, Qt::LeftButton, {x, y}); }

    static void mouse(QWidget* to, QEvent::Type type, Qt::MouseButton button, QPoint at)
    {
        QMouseEvent event(type, QPointF(at), QPointF(to->mapToGlobal(at)), button,
                          type == QEvent::MouseMove ? Qt::NoButton : Qt::MouseButtons(button), Qt::NoModifier);
        QApplication::sendEvent(to, &event);
    }
};

// The view as GeographicLib sees it: its centre, the ground metres per device pixel and its
// rotation (the bearing that points up).
class MercatorView {
public:
    explicit MercatorView(const MapView& view, const WindowRect& window)
        : centreLongitude_(cmgbase::nrm2deg(view.projectionBlock.centre.x)),
          centreLatitude_(cmgbase::nrm2deg(view.projectionBlock.centre.y)),
          centrePsi_(ellipsoid_.IsometricLatitude(centreLatitude_)),
          parallelRadius_(ellipsoid_.CircleRadius(centreLatitude_)),
          metresPerPixelX_(view.projectionBlock.scale / double(view.projectionBlock.devicePixelsPerMetreX)),
          metresPerPixelY_(view.projectionBlock.scale / double(view.projectionBlock.devicePixelsPerMetreY)),
          rotation_(view.rotation * RadiansPerDegree),
          centreX_(window.left + (window.right - window.left) / 2),
          centreY_(window.top + (window.bottom - window.top) / 2)
    {
    }

    // The screen pixel (fractional) of a position.
    QPointF Pixel(double latitude, double longitude) const
    {
        double east = longitude - centreLongitude_;
        east -= 360.0 * std::round(east / 360.0);
        const double x = parallelRadius_ * east * RadiansPerDegree;
        const double y = parallelRadius_ * (ellipsoid_.IsometricLatitude(latitude) - centrePsi_) * RadiansPerDegree;
        // Turned so that the bearing `rotation` points up.
        const double right = x * std::cos(rotation_) - y * std::sin(rotation_);
        const double up = x * std::sin(rotation_) + y * std::cos(rotation_);
        return {centreX_ + right / metresPerPixelX_, centreY_ - up / metresPerPixelY_};
    }

    // The position (latitude, longitude) of a screen pixel.
    std::pair<double, double> Position(QPointF pixel) const
    {
        const double right = (pixel.x() - centreX_) * metresPerPixelX_;
        const double up = (centreY_ - pixel.y()) * metresPerPixelY_;
        const double x = right * std::cos(rotation_) + up * std::sin(rotation_);
        const double y = -right * std::sin(rotation_) + up * std::cos(rotation_);
        const double latitude = ellipsoid_.InverseIsometricLatitude(centrePsi_ + y / parallelRadius_ / RadiansPerDegree);
        return {latitude, centreLongitude_ + x / parallelRadius_ / RadiansPerDegree};
    }

private:
    const GeographicLib::Ellipsoid ellipsoid_{GeographicLib::Constants::WGS84_a(), GeographicLib::Constants::WGS84_f()};
    double centreLongitude_;
    double centreLatitude_;
    double centrePsi_;
    double parallelRadius_;
    double metresPerPixelX_;
    double metresPerPixelY_;
    double rotation_;
    double centreX_;
    double centreY_;
};

// A move over CM93 leaves the pointer's chart position within half a pixel of GeographicLib's
// Mercator position of that pixel, at harbour and ocean scales, on both hemispheres and near the
// antimeridian, north up and turned; and the overlays' pixel of GeographicLib's position is the
// pixel itself.
TEST_F(ChartPointerTest, ThePointerPositionIsTheEllipsoidalMercatorPositionOfItsPixel)
{
    struct Case {
        const char* name;
        double latitude;
        double longitude;
        int32_t scale;
        float rotation;
    };
    const Case cases[] = {
        {"harbour at 1:22000", -32.485, 60.915, 22000, 0.0f},
        {"harbour turned 30 degrees", -32.485, 60.915, 22000, 30.0f},
        {"approach at 1:180000, 60 N, turned 200 degrees", 60.0, 5.0, 180000, 200.0f},
        {"berth at 1:5000 on the equator", 0.0, -0.001, 5000, 0.0f},
        {"ocean at 1:3000000, 75 S, across the antimeridian", -75.0, 179.99, 3000000, 315.0f},
    };
    const QPoint pixels[] = {{0, 0}, {639, 0}, {0, 479}, {639, 479}, {320, 240}, {17, 401}, {555, 63}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        MainMapView->SetCentre({cmgbase::deg2nrm(c.longitude), cmgbase::deg2nrm(c.latitude)});
        ASSERT_EQ(MainMapView->SetScale(c.scale), 1);
        form->viewRotation = c.rotation;
        RedrawChart(*form, true);
        ASSERT_EQ(MainMapView->rotation, double(c.rotation));
        const MercatorView mercator(*MainMapView, form->chartRect);
        for (const QPoint& pixel : pixels) {
            SCOPED_TRACE(testing::Message() << pixel.x() << ", " << pixel.y());
            CursorPixel = {-1, -1};
            mouse(form->CM93, QEvent::MouseMove, Qt::NoButton, pixel);
            const cmgbase::GeoPoint shown = form->cursorChartPoint;
            const QPointF back = mercator.Pixel(cmgbase::nrm2deg(shown.y), cmgbase::nrm2deg(shown.x));
            EXPECT_LT(std::abs(back.x() - pixel.x()), 0.5);
            EXPECT_LT(std::abs(back.y() - pixel.y()), 0.5);

            const auto [latitude, longitude] = mercator.Position(QPointF(pixel));
            ScreenPoint drawn{};
            ASSERT_EQ(MainMapView->GeoToScreen(form->chartRect,
                                               {cmgbase::deg2nrm(longitude > 180.0 ? longitude - 360.0 : longitude),
                                                cmgbase::deg2nrm(latitude)},
                                               drawn),
                      1);
            EXPECT_EQ(drawn.x, pixel.x());
            EXPECT_EQ(drawn.y, pixel.y());
        }
    }
    form->viewRotation = 0.0f;
}

// Presses on the mini chart of the started program, its window shown at the size the program
// takes on a 1280 x 1024 screen (hidden, the window keeps its first 1024 x 768, and the side
// panel leaves the mini chart no height: a press on it is then ignored). Left zooms in one level
// about the click, right out; at the widest level right does nothing; middle redraws about the
// click. With the look-ahead on, the mini chart is centred on the own ship instead.
TEST_F(ChartPointerTest, MiniChartPressesZoomAboutTheClick)
{
    form->resize(1280, 1024);
    form->show();
    // The side panel settles over a few rounds of the event loop; each new size of the mini chart
    // posts its redraw.
    QWidget* mini = form->CM93mini;
    for (int round = 0; round < 10 && (round == 0 || form->miniRect.bottom != mini->height()); ++round)
        QApplication::processEvents();
    ASSERT_GT(mini->height(), 10);
    ASSERT_EQ(form->miniRect.bottom, mini->height()) << "the mini chart was redrawn at its new size";
    ASSERT_EQ(form->miniChartLevel, MaxMiniChartLevel) << "the start-up's level";
    const ScreenPoint middle = WindowCentre(form->miniRect);
    const cmgbase::GeoPoint ownShip = {cmgbase::deg2nrm(61.0), cmgbase::deg2nrm(-32.0)};
    OwnShip.referencePosition = ownShip;
    struct Case {
        const char* name;
        Qt::MouseButton button;
        bool lookAhead;
        int32_t levelBefore;
        int32_t levelAfter;
        bool centred;  // on the click, or on the own ship with the look-ahead
    };
    const Case cases[] = {
        {"left zooms in", Qt::LeftButton, false, 16, 15, true},
        {"right zooms out", Qt::RightButton, false, 15, 16, true},
        {"right at the widest level", Qt::RightButton, false, 16, 16, false},
        {"middle redraws", Qt::MiddleButton, false, 16, 16, true},
        {"look-ahead: left on the own ship", Qt::LeftButton, true, 8, 7, true},
        {"look-ahead: right at its widest level", Qt::RightButton, true, 8, 8, false},
    };
    const QPoint at(mini->width() * 3 / 4, mini->height() / 4);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        form->btnMiniAuto->setChecked(c.lookAhead);
        form->miniChartLevel = c.levelBefore;
        SetMiniChartLevel(*form);
        MiniMapView->SetCentre({cmgbase::deg2nrm(60.0), cmgbase::deg2nrm(-33.0)});
        const cmgbase::GeoPoint centreBefore = MiniMapView->centre;
        cmgbase::GeoPoint clicked{};
        ASSERT_EQ(MiniMapView->ScreenToGeo(form->miniRect, {at.x(), at.y()}, clicked), 1);
        mouse(mini, QEvent::MouseButtonPress, c.button, at);
        EXPECT_EQ(form->miniChartLevel, c.levelAfter);
        EXPECT_EQ(MiniMapView->scale, int32_t(ChartLevelTable[size_t(c.levelAfter)]));
        if (!c.centred) {
            EXPECT_EQ(MiniMapView->centre, centreBefore);
            continue;
        }
        ScreenPoint now{};
        ASSERT_EQ(MiniMapView->GeoToScreen(form->miniRect, c.lookAhead ? ownShip : clicked, now), 1);
        EXPECT_LE(std::abs(now.x - middle.x), 1);
        EXPECT_LE(std::abs(now.y - middle.y), 1);
    }
    form->btnMiniAuto->setChecked(false);
    OwnShip.referencePosition = {};
}

// The object list's hover names its kind in PickMode, which also arms the delete tools. Closing
// the list leaves no delete tool armed that was not before: a track chosen by the list's OK, a
// line or a route picked on the chart are still there after the next click and tick; the route
// bar's delete, which opens the same list, still deletes the route picked.
TEST_F(ChartPointerTest, ObjectsPickedFromTheObjectListAreNotDeleted)
{
    StoreObject(StoredObject(ObjectType::TRACK, 61, 1, "Night"), pointsAt(61, {{100, 100}, {300, 100}}));
    StoreObject(StoredObject(ObjectType::LINE, 62, 1, "Cable"), pointsAt(62, {{100, 200}, {300, 200}}));
    StoreObject(StoredObject(ObjectType::ROUTE, 63, 2, "Way"), pointsAt(63, {{100, 300}, {300, 300}}));
    StoreObject(StoredObject(ObjectType::ROUTE, 64, 2, "Gone"), pointsAt(64, {{100, 400}, {300, 400}}));

    OpenObjectList(int32_t(ObjectType::TRACK));
    DbObj->OKClick();
    EXPECT_EQ(PickMode, 0);
    left(100, 100);
    EXPECT_TRUE(Stored(ObjectType::TRACK, 61)) << "a click on a track after the track list";
    EXPECT_EQ(form->chartLevel, 5) << "the click zoomed in";
    MainMapView->SetCentre(ObjectTestCentre);
    form->chartLevel = 6;
    SetChartLevel(*form);

    LiEditExecute(*form);
    OpenObjectList(int32_t(ObjectType::LINE));
    left(100, 200);
    EXPECT_EQ(LineId, 62) << "the line picked on the chart";
    EXPECT_FALSE(DbObj->isVisible());
    left(100, 200);
    EXPECT_TRUE(Stored(ObjectType::LINE, 62)) << "a click on the line picked";
    LiOkExecute(*form);

    form->RouteBar->show();
    form->btnPickRt->click();
    ASSERT_EQ(PickMode, 2) << "the list's hover looks for routes";
    left(100, 300);
    EXPECT_EQ(RouteId, 63);
    EXPECT_EQ(PickMode, 0);
    form->Timer1Timer();
    EXPECT_TRUE(Stored(ObjectType::ROUTE, 63)) << "the route picked is followed";
    EXPECT_TRUE(boxes.shown.empty());

    resetObjectState();
    form->btnDelRt->click();
    ASSERT_TRUE(form->btnDelRt->isChecked());
    ASSERT_TRUE(DbObj->isVisible());
    left(100, 400);
    EXPECT_FALSE(DbObj->isVisible());
    EXPECT_EQ(PickMode, 2) << "the delete pick stays after the list closes";
    boxes.presetAnswers = {platform::MsgAnswer::Ok};
    form->Timer1Timer();
    EXPECT_FALSE(AnythingLeftOf(ObjectType::ROUTE, 64));
    EXPECT_TRUE(Stored(ObjectType::ROUTE, 63));
}

}  // namespace
