// Depth marks: which objects are marks, the depth each carries, and the walk over the stored ones.

#include "UserDatabaseFixture.h"

#include "userdata/DepthMarks.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

IdRecord Named(ObjectType type, const char* name, uint16_t value = 0)
{
    IdRecord object;
    object.objectType = type;
    object.value = value;
    std::strncpy(object.name, name, sizeof object.name);
    return object;
}

struct MarkCase {
    const char* name;
    uint16_t value;
    float depthFactor;
    double depth;
};

void PrintTo(const MarkCase& c, std::ostream* out) { *out << '"' << c.name << "\" " << c.value << " x " << c.depthFactor; }

class DepthMarkTable : public testing::TestWithParam<MarkCase> {};

TEST_P(DepthMarkTable, CarriesTheDepthOfItsValueOrOfItsName)
{
    const MarkCase& c = GetParam();
    const IdRecord mark = Named(ObjectType::SYMBOL, c.name, c.value);
    ASSERT_TRUE(IsDepthMark(mark));
    EXPECT_NEAR(DepthMarkDepth(mark, c.depthFactor), c.depth, 1e-4);
}

INSTANTIATE_TEST_SUITE_P(
    Marks, DepthMarkTable,
    testing::Values(MarkCase{"@", 125, 1.0f, 12.5}, MarkCase{"@buoy", 125, 3.2808f, 41.01},
                    MarkCase{"@", 0, 1.0f, 0.0}, MarkCase{"/12.5", 999, 3.2808f, 12.5},
                    MarkCase{"/ 7", 0, 1.0f, 7.0}, MarkCase{"/12.5 m", 0, 1.0f, 12.5},
                    // No number: no depth, where the scan would have left it unset.
                    MarkCase{"/", 0, 1.0f, 0.0}, MarkCase{"/deep", 0, 1.0f, 0.0},
                    MarkCase{"/nan", 0, 1.0f, 0.0}, MarkCase{"/inf", 0, 1.0f, 0.0},
                    MarkCase{"/-3", 0, 1.0f, -3.0}));

TEST(DepthMark, IsASymbolNamedWithAnAtSignOrASlash)
{
    EXPECT_FALSE(IsDepthMark(Named(ObjectType::SYMBOL, "buoy")));
    EXPECT_FALSE(IsDepthMark(Named(ObjectType::SYMBOL, "")));
    EXPECT_FALSE(IsDepthMark(Named(ObjectType::TRACK, "@track")));
    EXPECT_FALSE(IsDepthMark(Named(ObjectType::LINE, "/line")));
}

// A name that fills its field has no terminating zero: the number ends with the field.
TEST(DepthMark, ANameThatFillsItsFieldIsReadWithinIt)
{
    IdRecord mark = Named(ObjectType::SYMBOL, "");
    std::memset(mark.name, '1', sizeof mark.name);
    mark.name[0] = '/';
    mark.name[1] = '2';
    mark.name[2] = '.';
    const IdRecord after = mark;
    EXPECT_NEAR(DepthMarkDepth(mark, 1.0f), 2.111111, 1e-5);
    EXPECT_EQ(std::memcmp(&mark, &after, sizeof mark), 0);
}

class DepthMarkWalk : public UserDatabaseTest {};

TEST_F(DepthMarkWalk, VisitsTheStoredMarksInKeyOrder)
{
    open();
    const std::vector<IdRecord> objects = {
        Named(ObjectType::LINE, "/line"), Named(ObjectType::SYMBOL, "@b", 10), Named(ObjectType::SYMBOL, "plain"),
        Named(ObjectType::SYMBOL, "/3"), Named(ObjectType::ZONE, "@zone"), Named(ObjectType::TRACK, "@track")};
    int32_t id = 10;
    for (IdRecord object : objects) {
        object.id = --id;
        object.latitude = id;  // the position key is unique within a type
        ASSERT_EQ(UserIsam.addRecord(IdFile, platform::isam::bytesOf(object)), platform::isam::Status::Ok);
    }
    std::vector<std::string> visited;
    ForEachDepthMark([&](const IdRecord& mark) { visited.push_back(mark.name); });
    EXPECT_EQ(visited, (std::vector<std::string>{"/3", "@b"}));

    CloseUserDatabase();
    visited.clear();
    ForEachDepthMark([&](const IdRecord& mark) { visited.push_back(mark.name); });
    EXPECT_TRUE(visited.empty()) << "nothing without the object files";
}

}  // namespace
