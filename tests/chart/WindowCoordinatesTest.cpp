// Window centres and the screen <-> device offsets over the whole int32 range.

#include "chart/WindowCoordinates.h"

#include <gtest/gtest.h>

#include <climits>

using chartengine::DevicePoint;
using chartengine::DeviceRect;

namespace {

TEST(WindowCoordinates, CentreIsTheMiddleWithHalvesRoundedDown)
{
    struct Case {
        WindowRect window;
        ScreenPoint centre;
    };
    const Case cases[] = {
        {{0, 0, 800, 600}, {400, 300}},
        {{0, 0, 801, 601}, {400, 300}},
        {{0, 0, 1, 1}, {0, 0}},
        {{0, 0, 0, 0}, {0, 0}},
        {{-301, -201, 300, 200}, {-1, -1}},
        {{100, 50, 901, 651}, {500, 350}},
        {{INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX}, {-1, -1}},
        {{INT32_MAX - 10, INT32_MAX - 3, INT32_MAX, INT32_MAX}, {INT32_MAX - 5, INT32_MAX - 2}},
        {{INT32_MIN, INT32_MIN, INT32_MIN + 3, INT32_MIN + 3}, {INT32_MIN + 1, INT32_MIN + 1}},
    };
    for (const Case& c : cases) {
        const ScreenPoint centre = WindowCentre(c.window);
        EXPECT_EQ(centre.x, c.centre.x) << c.window.left << ".." << c.window.right;
        EXPECT_EQ(centre.y, c.centre.y) << c.window.top << ".." << c.window.bottom;
    }
}

TEST(WindowCoordinates, DeviceOffsetsHaveYUpAndComeBack)
{
    struct Case {
        WindowRect window;
        ScreenPoint point;
        DevicePoint device;
    };
    const Case cases[] = {
        {{0, 0, 800, 600}, {400, 300}, {0, 0}},
        {{0, 0, 800, 600}, {400, 299}, {0, 1}},
        {{0, 0, 801, 601}, {0, 0}, {-400, 300}},
        {{0, 0, 801, 601}, {800, 600}, {400, -300}},
        {{INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX}, {INT32_MIN, INT32_MAX}, {INT32_MIN + 1, INT32_MIN}},
        {{0, 0, 2, 2}, {INT32_MAX, INT32_MIN + 2}, {INT32_MAX - 1, INT32_MAX}},
    };
    for (const Case& c : cases) {
        DevicePoint device;
        ASSERT_TRUE(ScreenToDevice(c.window, c.point, device)) << c.point.x << ", " << c.point.y;
        EXPECT_EQ(device, c.device) << c.point.x << ", " << c.point.y;
        ScreenPoint back{};
        ASSERT_TRUE(DeviceToScreen(c.window, device, back));
        EXPECT_EQ(back.x, c.point.x);
        EXPECT_EQ(back.y, c.point.y);
    }
}

TEST(WindowCoordinates, OffsetsBeyondInt32AreRefusedUntouched)
{
    const WindowRect window{0, 0, 800, 600};
    DevicePoint device{7, 7};
    EXPECT_FALSE(ScreenToDevice(window, {INT32_MIN, 300}, device));
    EXPECT_FALSE(ScreenToDevice(window, {400, INT32_MIN}, device)) << "300 - INT32_MIN";
    EXPECT_EQ(device, (DevicePoint{7, 7}));

    ScreenPoint point{7, 7};
    EXPECT_FALSE(DeviceToScreen(window, {INT32_MAX, 0}, point));
    EXPECT_FALSE(DeviceToScreen(window, {0, INT32_MIN}, point));
    EXPECT_EQ(point.x, 7);
    EXPECT_EQ(point.y, 7);

    DeviceRect rect{7, 7, 7, 7};
    EXPECT_FALSE(WindowDeviceRect({INT32_MIN, 0, INT32_MAX, 10}, rect)) << "the right edge lies 2^31 right of the centre";
    EXPECT_EQ(rect.left, 7);
}

TEST(WindowCoordinates, WindowDeviceRectSpansTheWindowAroundItsCentre)
{
    DeviceRect rect;
    ASSERT_TRUE(WindowDeviceRect({0, 0, 801, 601}, rect));
    EXPECT_EQ(rect.left, -400);
    EXPECT_EQ(rect.top, 300);
    EXPECT_EQ(rect.right, 401);
    EXPECT_EQ(rect.bottom, -301);
}

}  // namespace
