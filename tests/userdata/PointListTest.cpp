// The point list of a line written to "line.txt" in the log folder, on real files.

#include "ObjectFixtures.h"
#include "UserDatabaseFixture.h"
#include "frame/SharedTables.h"
#include "userdata/PointList.h"

#include <QDateTime>

#include <fstream>
#include <iterator>
#include <sstream>

namespace {

std::string FileText(const std::filesystem::path& file)
{
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

class PointListTest : public UserDatabaseTest {
protected:
    void SetUp() override
    {
        UserDatabaseTest::SetUp();
        open();
        DataPaths[DataPathLog] = folder / "Log";
        std::filesystem::create_directories(DataPaths[DataPathLog]);
        ClockSeconds = QDateTime(QDate(2024, 3, 5), QTime(14, 7, 30)).toSecsSinceEpoch();
    }
    void TearDown() override
    {
        DataPaths[DataPathLog].clear();
        ClockSeconds = 0;
        UserDatabaseTest::TearDown();
    }
};

// A point at a stored position, degrees x 600000.
PointRecord PointAt(int32_t id, uint16_t sequence, int32_t latitude, int32_t longitude)
{
    PointRecord point;
    point.id = id;
    point.sequence = sequence;
    point.latitude = latitude;
    point.longitude = longitude;
    return point;
}

}  // namespace

TEST_F(PointListTest, TheLinesPointsWithTheirPositions)
{
    const std::vector<PointRecord> points{PointAt(10001, 1, 23382000, -45870000), PointAt(10001, 2, -3300000, 72150000),
                                          PointAt(10001, 12, 600, -600)};
    StoreObject(StoredObject(ObjectType::LINE, 10001, 1), points);
    StoreObject(StoredObject(ObjectType::LINE, 10002, 1), std::vector{PointAt(10002, 1, 600000, 600000)});

    ASSERT_TRUE(WritePointList(10001));
    EXPECT_EQ(PointListPath(), folder / "Log" / "line.txt");
    EXPECT_EQ(FileText(PointListPath()), "Tuesday, March 5, 2024  14:07\n"
                                         "\n"
                                         "WP    Lat.          Lon.\n"
                                         "001:  38\xB0 58.200' N   76\xB0 27.000' W\n"
                                         "002:   5\xB0 30.000' S  120\xB0 15.000' E\n"
                                         "012:   0\xB0 00.060' N    0\xB0 00.060' W\n");
}

TEST_F(PointListTest, NothingIsWrittenWithoutALineOrAFolder)
{
    EXPECT_FALSE(WritePointList(0));
    EXPECT_FALSE(std::filesystem::exists(PointListPath()));
    std::filesystem::remove_all(DataPaths[DataPathLog]);
    std::ofstream(DataPaths[DataPathLog]) << "a file, not a folder";
    StoreObject(StoredObject(ObjectType::LINE, 10001, 1), std::vector{PointAt(10001, 1, 600000, 600000)});
    EXPECT_FALSE(WritePointList(10001));
}
