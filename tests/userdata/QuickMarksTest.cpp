// Quick marks on real files: what each code stores, two marks at one place, the man-overboard
// mark surviving a killed program in both sharing modes, and a store that cannot be made.

#include "UserDatabaseFixture.h"

#include "frame/SetupParameters.h"
#include "platform/geodesy/NormalisedCoordinates.h"
#include "platform/system/MessageBox.h"
#include "userdata/QuickMarks.h"

#include <csignal>
#include <cmath>
#include <limits>
#include <sys/wait.h>
#include <unistd.h>

using namespace platform::isam;

namespace {

// 38° 58.2' N, 76° 27' W; stored units are degrees x 600000.
const cmgbase::GeoPoint InTheBay{cmgbase::deg2nrm(-76.45), cmgbase::deg2nrm(38.97)};
constexpr int32_t BayLatitude = 23382000;
constexpr int32_t BayLongitude = -45870000;
constexpr uint32_t MarkTime = 1796000000;

QuickMark Mark(int32_t code, int32_t colour, float depth)
{
    return {code, colour, InTheBay, depth, MarkTime, 7, false};
}

std::optional<IdRecord> StoredObject(int32_t id)
{
    IdRecord record;
    record.id = id;
    if (UserIsam.readEqual(IdNumberKey, UserKeyValue(IdNumberKey, bytesOf(record)), bytesOf(record)) != Status::Ok)
        return std::nullopt;
    return record;
}

class QuickMarksTest : public UserDatabaseTest {
protected:
    void SetUp() override
    {
        UserDatabaseTest::SetUp();
        platform::InstallMessageBoxService(&boxes);
        SetupParameters.ScreenKeyboard = 0;
        IdShownBuffer = IdRecord{};
    }
    void TearDown() override
    {
        platform::InstallMessageBoxService(nullptr);
        SetupParameters.ScreenKeyboard = 0;
        UserDatabaseTest::TearDown();
    }

    platform::RecordingMessageBoxService boxes;
};

TEST_F(QuickMarksTest, EachCodeStoresItsSymbolColourNameAndDepth)
{
    open();
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const struct {
        int32_t code;
        int32_t colour;
        float depth;
        uint16_t symbol;
        uint16_t storedColour;
        const char* name;
        uint16_t value;
    } cases[] = {
        {81, 3, 12.3f, 0, 3, "@12.3", 123},      // Q: a depth mark in the colour passed
        {116, 3, 4.56f, 0, 6, "@4.6", 46},       // F5 and the soundings: black
        {117, 2, 1.0f, 15, 2, "", 10},
        {118, 2, 1.0f, 16, 2, "", 10},
        {120, 4, 0.0f, 1, 4, "", 0},
        {121, 4, 0.0f, 3, 4, "", 0},
        {122, 4, 0.0f, 8, 4, "", 0},
        {123, 4, 2.5f, 10, 1, "M.O.B.", 25},     // F12: red whatever is passed
        {999, 5, 0.0f, 7, 5, "", 0},             // the symbol bar's symbol
        {9, 5, 0.0f, 9, 5, "", 0},               // a symbol number stands for itself
        {81, 3, nan, 0, 3, "@0.0", 0},           // no depth reading
        {81, 3, -2.0f, 0, 3, "@0.0", 0},         // a depth above the keel reference
        {81, 3, 7000.0f, 0, 3, "@7000.0", 65535},  // held to the field
    };
    int32_t expectedLongitude = BayLongitude;
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "code " << c.code << " depth " << c.depth);
        IdRecord stored;
        ASSERT_EQ(AddQuickMark(Mark(c.code, c.colour, c.depth), stored), Status::Ok);
        const std::optional<IdRecord> read = StoredObject(stored.id);
        ASSERT_TRUE(read);
        EXPECT_EQ(read->objectType, ObjectType::SYMBOL);
        EXPECT_EQ(int32_t{read->pointCount}, c.symbol);
        EXPECT_EQ(int32_t{read->colour}, c.storedColour);
        EXPECT_EQ(FixedText(read->name), c.name);
        EXPECT_EQ(int32_t{read->value}, c.value);
        EXPECT_EQ(uint32_t{read->time}, MarkTime);
        EXPECT_EQ(int32_t{read->latitude}, BayLatitude);
        // Every mark lies at the same place: each goes one unit further east than the last.
        EXPECT_EQ(int32_t{read->longitude}, expectedLongitude++);
    }
    EXPECT_TRUE(failures.empty());
    EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(QuickMarksTest, OnlyAMarkOfItsOwnSymbolNumberIsOfferedForDescribing)
{
    open();
    SetupParameters.ScreenKeyboard = 1;
    const struct {
        const char* what;
        int32_t code;
        bool byContact;
        bool offered;
    } cases[] = {
        {"a symbol number", 9, false, true},
        {"a mark key", 123, false, false},
        {"the event mark", 999, false, false},
        {"the alarm contact's mark", 9, true, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        IdShownBuffer = IdRecord{};
        QuickMark mark = Mark(c.code, 2, 0.0f);
        mark.byContact = c.byContact;
        IdRecord stored;
        ASSERT_EQ(AddQuickMark(mark, stored), Status::Ok);
        EXPECT_EQ(IdShownBuffer.id == stored.id, c.offered);
    }
}

// The program is killed straight after the mark was dropped: the mark is in the id file when
// the data set is opened again, whether the set is used alone or shared with other stations.
TEST_F(QuickMarksTest, AManOverboardMarkOutlivesTheProgramKilledRightAfterIt)
{
    for (const bool shared : {false, true}) {
        SCOPED_TRACE(shared ? "shared" : "exclusive");
        location.sharedObjects = shared;
        const pid_t child = fork();
        ASSERT_NE(child, -1);
        if (child == 0) {
            IdRecord stored;
            const bool added = OpenUserDatabase(location) &&
                               AddQuickMark(Mark(ManOverboardCode, 3, 0.0f), stored) == Status::Ok;
            if (added)
                raise(SIGKILL);
            _exit(1);
        }
        int status = 0;
        ASSERT_EQ(waitpid(child, &status, 0), child);
        ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL) << "the mark was dropped";

        open();
        IdRecord probe;
        probe.objectType = ObjectType::SYMBOL;
        probe.latitude = BayLatitude;
        probe.longitude = BayLongitude;
        ASSERT_EQ(UserIsam.readEqual(IdPositionKey, UserKeyValue(IdPositionKey, bytesOf(probe)), bytesOf(probe)),
                  Status::Ok);
        EXPECT_EQ(FixedText(probe.name), "M.O.B.");
        EXPECT_EQ(int32_t{probe.colour}, 1);
        ASSERT_EQ(UserIsam.deleteRecord(IdFile), Status::Ok);
        CloseUserDatabase();
    }
}

TEST_F(QuickMarksTest, AManOverboardMarkThatCannotBeStoredIsReportedWithItsPosition)
{
    IdRecord stored;
    EXPECT_NE(AddQuickMark(Mark(ManOverboardCode, 3, 0.0f), stored), Status::Ok) << "no database open";
    ASSERT_EQ(boxes.shown.size(), 1u);
    const std::string& text = boxes.shown[0].text;
    EXPECT_NE(text.find(" 38\xB0 58.200' N"), std::string::npos) << text;
    EXPECT_NE(text.find(" 76\xB0 27.000' W"), std::string::npos) << text;
    EXPECT_EQ(boxes.shown[0].caption, "M.O.B.");

    EXPECT_NE(AddQuickMark(Mark(9, 3, 0.0f), stored), Status::Ok);
    EXPECT_EQ(boxes.shown.size(), 1u) << "another mark's failure is reported as every record failure";
    EXPECT_FALSE(failures.empty());
}

}  // namespace
