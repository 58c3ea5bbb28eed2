// Import lists on real files: a table of lines and the records they store, the chart view and
// screenshot request, texts, and the own-ship position.

#include "TransferTestSupport.h"

#include "TimeZone.h"

#include "userdata/ImportList.h"

#include <cstdio>

namespace {

using platform::isam::bytesOf;
using platform::isam::Status;

std::string Describe(const IdRecord& r)
{
    char text[160];
    std::snprintf(text, sizeof text, "%d %d %d %d %d %d %d %d '%s'", int(r.objectType), r.latitude, r.longitude,
                  r.endLatitude, r.endLongitude, r.colour, r.pointCount, r.value, FixedText(r.name).c_str());
    return text;
}

class ImportListTest : public TransferTest {
protected:
    std::filesystem::path list() const { return folder / "Data" / "import.lst"; }

    std::optional<ListImportCounts> import(const std::string& text, bool lines = true)
    {
        Write(list(), text);
        ListImportChoice choice;
        choice.tracks = choice.routes = choice.symbols = true;
        choice.lines = lines;
        return ImportList(list(), choice);
    }

    static std::vector<IdRecord> stored()
    {
        std::vector<IdRecord> records;
        IdRecord record;
        for (auto status = UserIsam.readFirst(IdTypeKey, bytesOf(record)); status == Status::Ok;
             status = UserIsam.readNext(IdTypeKey, bytesOf(record)))
            records.push_back(record);
        return records;
    }

    static std::vector<PointRecord> pointsOf(int32_t id)
    {
        std::vector<PointRecord> points;
        PointRecord point;
        for (auto status = UserIsam.readFirst(PointKey, bytesOf(point)); status == Status::Ok;
             status = UserIsam.readNext(PointKey, bytesOf(point)))
            if (point.id == id)
                points.push_back(point);
        return points;
    }

    void clear()
    {
        ASSERT_EQ(ClearObjectFiles(), Status::Ok);
    }
};

TEST_F(ImportListTest, LinesGiveTheirRecords)
{
    const std::string P1 = "$PVRKP,1,5400.000,N,01000.000,E,0\n";
    const std::string P2 = "$PVRKP,1,5430.000,N,01030.000,E,0\n";
    struct Case {
        const char* name;
        std::string list;
        std::vector<std::string> records;
        int32_t errors;
    };
    const std::vector<Case> cases = {
        {"symbol", "$PVRKS,1,3,5412.345,N,01023.456,E,Buoy\n", {"5 32523450 6234560 0 0 3 1 0 'Buoy'"}, 0},
        {"south and west", "xx $PVRKS,1,1,0130.500,S,17959.999,W,Far\n",
         {"5 -905000 -107999990 0 0 1 1 0 'Far'"}, 0},
        {"CR LF, no last line end", "$PVRKS,1,2,5412.345,N,01023.456,E,A\r\n$PVRKS,2,2,5413.000,N,01023.456,E,B",
         {"5 32523450 6234560 0 0 2 1 0 'A'", "5 32530000 6234560 0 0 2 2 0 'B'"}, 0},
        {"symbol codes", "$PVRKS,15,0,5400.000,N,01000.000,E,x\n$PVRKS,17,13,5401.000,N,01000.000,E,y\n"
                         "$PVRKS,62,8,5402.000,N,01000.000,E,z\n",
         {"5 32400000 6000000 0 0 6 36 0 'x'", "5 32410000 6000000 0 0 4 15 0 'y'",
          "5 32420000 6000000 0 0 2 18 0 'z'"}, 0},
        {"colour code out of range", "$PVRKS,1,99,5400.000,N,01000.000,E,c\n$PVRKS,1,-3,5401.000,N,01000.000,E,d\n",
         {"5 32400000 6000000 0 0 6 1 0 'c'", "5 32410000 6000000 0 0 6 1 0 'd'"}, 0},
        {"depth mark name", "$PVRKS,1,1,5400.000,N,01000.000,E,@12.5\n", {"5 32400000 6000000 0 0 1 1 125 '@'"}, 0},
        {"blank name", "$PVRKS,1,1,5400.000,N,01000.000,E, \n", {"5 32400000 6000000 0 0 1 1 0 ''"}, 0},
        {"long name cut", "$PVRKS,1,1,5400.000,N,01000.000,E," + std::string(40, 'n') + "\n",
         {"5 32400000 6000000 0 0 1 1 0 '" + std::string(29, 'n') + "'"}, 0},
        {"letters fixed from the fourteenth character",
         "$PVRKS,1,1,5400.000,N,01000.000,E,\x92\x9D\x8F\n", {"5 32400000 6000000 0 0 1 1 0 '\xC6\xD8\xC5'"}, 0},
        {"empty field", "$PVRKS,1,,5400.000,N,01000.000,E,x\n", {}, 1},
        {"short of a field", "$PVRKS,1,1,5400.000,N,01000.000\n", {}, 1},
        {"latitude above 90", "$PVRKS,1,1,9100.000,N,01000.000,E,x\n", {}, 1},
        {"longitude above 180", "$PVRKS,1,1,5400.000,N,18100.000,E,x\n", {}, 1},
        {"minutes of 60", "$PVRKS,1,1,5460.000,N,01000.000,E,x\n", {}, 1},
        {"no hemisphere", "$PVRKS,1,1,5400.000,X,01000.000,E,x\n", {}, 1},
        {"line of 200 characters", "$PVRKS,1,1,5400.000,N,01000.000,E," + std::string(170, 'n') + "\n", {}, 1},
        {"invalid date in the name", "$PVRKS,1,1,5400.000,N,01000.000,E,310224 1200 Wreck\n", {}, 1},
        {"field with its corners", "$PVRKS,21,2,5400.000,N,01000.000,E,f\n" + P1 + P2,
         {"7 32400000 6000000 32700000 6300000 2 21 0 'f'"}, 0},
        {"zone missing its second point", "$PVRKS,22,2,5400.000,N,01000.000,E,z\n" + P1 +
                                          "$PVRKS,1,1,5500.000,N,01000.000,E,next\n",
         {"5 33000000 6000000 0 0 1 1 0 'next'"}, 0},
        {"track split at 90 north", "$PVRKT,12.5,9,trk\n" + P1 + P2 + "$PVRKP,1,9000.000,N,00000.000,E,0\n" +
                                        "$PVRKP,2,5500.000,N,01000.000,E,1\n$PVRKP,2,5501.000,N,01000.000,E,1\n",
         {"1 32400000 6000000 0 0 1 9 125 'trk'", "1 33000000 6000000 0 0 2 9 125 'trk'"}, 0},
        {"route on an invalid first point", "$PVRKR,0,2,r\n$PVRKP,0,0000.000,N,00000.000,E,0\n" + P2, {}, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        clear();
        const auto counts = import(c.list);
        ASSERT_TRUE(counts);
        std::vector<std::string> records;
        for (const IdRecord& record : stored())
            records.push_back(Describe(record));
        std::sort(records.begin(), records.end());
        std::vector<std::string> expected = c.records;
        std::sort(expected.begin(), expected.end());
        EXPECT_EQ(records, expected);
        EXPECT_EQ(counts->errors, c.errors);
    }
}

TEST_F(ImportListTest, PointsTimesAndTexts)
{
    TimeZone zone("Europe/Oslo");
    const auto counts = import("$PVRKT,0,3,050324 1430 Evening run\n"
                               "$PVRKP,3,5400.000,N,01000.000,E,12.46\n"
                               "$PVRKP,3,5401.000,N,01000.000,E,7\n"
                               "$PVRKI,first part, with a comma\n"
                               "$PVRKI,; second\n"
                               "$PVRKR,0,2,route\n"
                               "$PVRKP,0,5500.000,N,01000.000,E,3.6\n"
                               "$PVRKP,0,5501.000,N,01000.000,E,4\n"
                               "$PVRKS,30,1,5600.000,N,01000.000,E,area\n"
                               "$PVRKP,0,5600.000,N,01000.000,E,0\n"
                               "$PVRKP,0,5601.000,N,01001.000,E,0\n"
                               "$PVRKP,0,5600.000,N,01002.000,E,0\n");
    ASSERT_TRUE(counts);
    EXPECT_EQ(counts->tracks, 1);
    EXPECT_EQ(counts->routes, 1);
    EXPECT_EQ(counts->lines, 1);
    const std::vector<IdRecord> records = stored();
    ASSERT_EQ(records.size(), 3u);
    const IdRecord& track = records[0];
    EXPECT_EQ(FixedText(track.name), "Evening run");
    EXPECT_EQ(+track.time, *LocalTimeSeconds(2024, 3, 5, 14, 30, 1));
    EXPECT_EQ(+track.colour, 3);
    const auto trackPoints = pointsOf(track.id);
    ASSERT_EQ(trackPoints.size(), 2u);
    EXPECT_EQ(+trackPoints[0].attributes[TrackPointWord::Depth], 125);
    EXPECT_EQ(+trackPoints[0].attributes[TrackPointWord::DepthAgain], 125);
    EXPECT_EQ(+trackPoints[1].sequence, 2);
    EXPECT_EQ(+trackPoints[1].time, +track.time);

    InfoRecord& info = InfoBuffer;
    info.keyId = track.id;
    info.kind = 0;
    ASSERT_EQ(UserIsam.readEqual(InfoKey, UserKeyValue(InfoKey, bytesOf(info).first(InfoHeadLength)), bytesOf(info)),
              Status::Ok);
    EXPECT_EQ(InfoText(info, UserIsam.currentRecordLength(InfoFile)), "first part, with a comma; second");

    const auto routePoints = pointsOf(records[1].id);
    ASSERT_EQ(routePoints.size(), 2u);
    EXPECT_EQ(+routePoints[0].attributes[RoutePointWord::Lane], 4);
    EXPECT_EQ(+records[1].colour, 2);
    const auto areaPoints = pointsOf(records[2].id);
    ASSERT_EQ(areaPoints.size(), 3u);
    EXPECT_EQ(+areaPoints[2].attributes[LinePointWord::Polygon], +LinePointWord::PolygonMark);

    // Without lines chosen the area is not stored, nor its points.
    clear();
    ASSERT_TRUE(import("$PVRKS,30,1,5600.000,N,01000.000,E,area\n$PVRKP,0,5600.000,N,01000.000,E,0\n"
                       "$PVRKP,0,5601.000,N,01001.000,E,0\n", false));
    EXPECT_TRUE(stored().empty());
    EXPECT_EQ(countRecords(PointKey), 0);
}

TEST_F(ImportListTest, AddModeMovesATakenSymbolNorth)
{
    const std::string symbol = "$PVRKS,1,1,5400.000,N,01000.000,E,s\n";
    ASSERT_TRUE(import(symbol + symbol));
    EXPECT_EQ(stored().size(), 1u);
    ASSERT_TRUE(import("$PVRKAD\n" + symbol + symbol));
    std::vector<int32_t> latitudes;
    for (const IdRecord& record : stored())
        latitudes.push_back(record.latitude);
    std::sort(latitudes.begin(), latitudes.end());
    EXPECT_EQ(latitudes, (std::vector<int32_t>{32400000, 32400001, 32400002}));
}

TEST_F(ImportListTest, ChartViewScreenshotAndOwnShip)
{
    std::vector<std::string> views;
    std::vector<std::string> shots;
    TransferHook.showChartView = [&](const cmgbase::GeoPoint& centre, int32_t level, double zoom) {
        views.push_back(std::to_string(centre.y > 0) + " " + std::to_string(level) + " " + std::to_string(zoom));
    };
    TransferHook.saveIdentifiedScreenshot = [&](const std::string& name) { shots.push_back(name); };
    bool live = true;
    std::vector<int32_t> ownShip;
    TransferHook.sensorInputLive = [&] { return live; };
    TransferHook.setOwnShip = [&](int32_t latitude, int32_t longitude, float course, float speed) {
        ownShip = {latitude, longitude, int32_t(course), int32_t(speed)};
    };
    const auto counts = import("$PVRKC,5400.000,N,01000.000,E,12,1.5,harbour\n"
                               "$PVRKC,5400.000,N,01000.000,E,12,1.5,../x\n"
                               "$PVRKC,5400.000,N,01000.000,E,12,1.5,/tmp/x\n"
                               "$PVRKC,5400.000,N,01000.000,E,18,1.5,y\n"
                               "$PVRKC,5400.000,N,01000.000,E,3,0,y\n"
                               "$PVRKC,5400.000,N,01000.000,E,3,2\n"
                               "$PVRKB,5400.000,N,01000.000,E,90.0,5.5\n");
    ASSERT_TRUE(counts);
    EXPECT_EQ(views, (std::vector<std::string>{"1 12 1.500000", "1 3 2.000000"}));
    EXPECT_EQ(shots, (std::vector<std::string>{"harbour"}));
    EXPECT_EQ(counts->errors, 4);
    EXPECT_TRUE(ownShip.empty());  // a sensor delivers positions
    live = false;
    ASSERT_TRUE(import("$PVRKB,5400.000,N,01000.000,E,90.0,5.5\n"));
    EXPECT_EQ(ownShip, (std::vector<int32_t>{32400000, 6000000, 90, 5}));
}

TEST_F(ImportListTest, SelectiveDeleteRemovesTheListsObjects)
{
    const std::string two = "$PVRKS,1,1,5400.000,N,01000.000,E,s\n$PVRKS,1,1,5500.000,N,01000.000,E,t\n";
    ASSERT_TRUE(import(two + "$PVRKS,1,1,5600.000,N,01000.000,E,u\n"));
    TransferHook.selectiveDelete = [] { return true; };
    TransferFile = list();
    Write(TransferFile, two);
    EXPECT_TRUE(TransferUserData(false, false, false, false, false, true, true, true, true, false));
    const auto records = stored();
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(FixedText(records[0].name), "u");
    // A list that cannot be read says so.
    TransferFile = folder / "Data" / "missing.LST";
    EXPECT_FALSE(TransferUserData(false, false, false, false, false, true, true, true, true, false));
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].text, "No data available !");
}

}  // namespace
