// ETAs of the route grid: speeds, stops, the typed reference forward and backward, and one time
// basis across date and daylight-saving changes.

#include "RouteTestSupport.h"
#include "TimeZone.h"
#include "userdata/RouteEta.h"
#include "userdata/RouteLegs.h"

#include <cmath>
#include <cstdlib>
#include <ctime>
#include <optional>
#include <string>
#include <vector>

namespace {

// Seconds since 1970 of a UTC calendar time.
int64_t Utc(int year, int month, int day, int hour, int minute)
{
    std::tm calendar{};
    calendar.tm_year = year - 1900;
    calendar.tm_mon = month - 1;
    calendar.tm_mday = day;
    calendar.tm_hour = hour;
    calendar.tm_min = minute;
    return timegm(&calendar);
}

struct Leg {
    float distance;
    uint16_t speed;  // 0.1 kn, 0 the default of 10 kn
    int16_t stop;    // minutes at the waypoint the leg leaves
};

void MakeLegs(const std::vector<Leg>& legs)
{
    for (const Leg& leg : legs) {
        WP_typ entry;
        entry.legDistance = leg.distance;
        entry.speed = leg.speed;
        entry.stopMinutes = leg.stop;
        ASSERT_TRUE(AppendRouteEntry(entry));
    }
}

// ETAs as minutes after `base`.
std::vector<std::optional<int64_t>> Minutes(const std::vector<std::optional<int64_t>>& etas,
                                            int64_t base)
{
    std::vector<std::optional<int64_t>> minutes;
    for (const auto& eta : etas)
        minutes.push_back(eta ? std::optional<int64_t>((*eta - base) / 60) : std::nullopt);
    return minutes;
}

std::vector<std::string> Texts(const std::vector<std::optional<int64_t>>& etas, int32_t zone)
{
    std::vector<std::string> texts;
    for (const auto& eta : etas)
        texts.push_back(eta ? FormatEtaText(*eta, zone) : "---");
    return texts;
}

using Expected = std::vector<std::optional<int64_t>>;

}  // namespace

// Legs of 1 h (default 10 kn), 3 h (5 kn), 1 h (20 kn) and 0.5 h; stops of 10 min at waypoint 1
// and 30 min at waypoint 2. Each leg goes at the speed of the waypoint it leaves.
class RouteEtaTest : public RouteTest {
protected:
    void SetUp() override
    {
        RouteTest::SetUp();
        RouteEditMode = RouteShown;
        MakeLegs({{10, 0, 0}, {15, 50, 10}, {20, 200, 30}, {5, 0, 0}, {0, 0, 0}});
    }

    const int64_t now = Utc(2024, 1, 10, 12, 0);
};

TEST_F(RouteEtaTest, FromNowOnTheWayToTheCurrentWaypoint)
{
    CurrentWaypoint = 1;
    DistanceToGo = 5;  // half an hour on the first leg
    EXPECT_EQ(Minutes(RouteEtas(-1, 0, now), now), (Expected{std::nullopt, 30, 220, 310, 340}));
}

TEST_F(RouteEtaTest, TypedReferenceCountsForwardAndBackward)
{
    const int64_t typed = Utc(2024, 1, 10, 18, 0);
    EXPECT_EQ(Minutes(RouteEtas(2, typed, now), typed), (Expected{-250, -190, 0, 90, 120}));
}

TEST_F(RouteEtaTest, ArrivalsAgreeWithTheRouteTime)
{
    const auto etas = RouteEtas(1, now, now);
    const double hours = SumRouteLegs(0, WaypointCount - 1).hours;
    EXPECT_EQ(*etas.back() - *etas.front(), std::llround(hours * 3600));
}

TEST_F(RouteEtaTest, NoneWhileDrawingOrBeyondTheRoute)
{
    RouteEditMode = RouteDrawing;
    EXPECT_EQ(RouteEtas(2, now, now), Expected(5));
    RouteEditMode = RouteShown;
    CurrentWaypoint = 7;
    EXPECT_EQ(RouteEtas(-1, 0, now), Expected(5));
}

// Waypoints an hour apart over the night of the change to summer time in Norway (02:00 CET
// becomes 03:00 CEST, 01:00 UTC). ETAs are in the zone time of the route dialog, here UTC+1,
// and run on evenly; the PC's time zone changes nothing.
TEST_F(RouteTest, EtasRunEvenlyAcrossDateAndDaylightSavingChanges)
{
    RouteEditMode = RouteShown;
    MakeLegs({{10, 0, 0}, {10, 0, 0}, {10, 0, 0}, {0, 0, 0}});
    const int32_t zone = -1;
    struct Case {
        int64_t now;
        const char* typed;  // the ETA of waypoint 1
        std::vector<std::string> shown;
    };
    const std::vector<Case> cases{
        {Utc(2024, 3, 30, 12, 0), "31.  01:30",
         {"31.  00:30", "31.  01:30", "31.  02:30", "31.  03:30"}},
        {Utc(2024, 3, 2, 12, 0), "01.  00:30",
         {"29.  23:30", "01.  00:30", "01.  01:30", "01.  02:30"}},
        {Utc(2023, 12, 31, 22, 0), "31.  23:30",
         {"31.  22:30", "31.  23:30", "01.  00:30", "01.  01:30"}},
    };
    for (const char* pcZone : {"UTC", "Europe/Oslo", "America/New_York"}) {
        const TimeZone pc(pcZone);
        for (const Case& c : cases) {
            const auto typed = ParseEtaText(c.typed);
            ASSERT_TRUE(typed);
            const auto moment = EtaMoment(*typed, c.now, zone);
            ASSERT_TRUE(moment) << c.typed;
            EXPECT_EQ(Texts(RouteEtas(1, *moment, c.now), zone), c.shown)
                << pcZone << " " << c.typed;
        }
    }
}

TEST(RouteEta, TypedEtaShowsAgainAsTypedInEveryZone)
{
    const TimeZone pc("Europe/Oslo");
    const int64_t now = Utc(2024, 3, 30, 23, 30);
    for (int32_t zone : {-12, -1, 0, 5, 12}) {
        const auto moment = EtaMoment(*ParseEtaText("15.  07:45"), now, zone);
        ASSERT_TRUE(moment) << zone;
        EXPECT_EQ(FormatEtaText(*moment, zone), "15.  07:45") << zone;
    }
}

TEST(RouteEta, TypedDayMustExistInTheCurrentMonthOfZoneTime)
{
    const int64_t lastOfMarch = Utc(2024, 3, 31, 23, 30);  // 1 April in zone -1
    EXPECT_TRUE(EtaMoment({31, 10, 0}, lastOfMarch, 0));
    EXPECT_FALSE(EtaMoment({31, 10, 0}, lastOfMarch, -1));
    EXPECT_FALSE(EtaMoment({30, 10, 0}, Utc(2024, 2, 10, 0, 0), 0));
    EXPECT_TRUE(EtaMoment({29, 10, 0}, Utc(2024, 2, 10, 0, 0), 0));
    EXPECT_FALSE(EtaMoment({29, 10, 0}, Utc(2023, 2, 10, 0, 0), 0));
}
