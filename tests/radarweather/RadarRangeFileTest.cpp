// The range file Rp.ini through the radar manager, on files in a temporary folder.

#include "RadarTestSupport.h"

#include <gtest/gtest.h>

namespace {

using testing::_;

// A manager initialised over a service with the ranges, and a range file of the text.
class RadarRangeFileTest : public testing::Test {
protected:
    void Init(const std::string& text, std::vector<double> ranges = {1000, 2000, 3000, 4000})
    {
        WriteFile(file(), text);
        auto service = AnsweringService(ranges, std::vector<std::string>(ranges.size(), "r"));
        service_ = service.get();
        ON_CALL(*service_, PutProperty(chartengine::RP_RANGE, _))
            .WillByDefault([this](int32_t, const chartengine::RadarValue& value) {
                sentRanges.push_back(std::get<double>(value));
                return chartengine::kOk;
            });
        manager = std::make_unique<RadarManager>(Handing(std::move(service)), file());
        ASSERT_EQ(manager->Init(&ready.view), 0);
    }

    std::filesystem::path file() const { return std::filesystem::path(folder.path().toStdString()) / "Rp.ini"; }

    static std::string RangeFile(const std::vector<int>& levels, int scales, const std::string& scaleText = "")
    {
        std::string text = "; radar ranges\r\n[Radar]\r\nnMaxRange=" + std::to_string(levels.size()) + "\r\n";
        for (size_t i = 0; i < levels.size(); ++i)
            text += "Range." + std::to_string(i) + "=range " + std::to_string(i) + "," + std::to_string(levels[i]) + "\r\n";
        text += "[Server]\r\nnRPScaleMax=" + std::to_string(scales) + "\r\n";
        if (!scaleText.empty())
            return text + scaleText;
        for (int s = 1; s <= scales; ++s)
            text += "[Scale" + std::to_string(s) + "]\r\nAzimuthCorrection=" + std::to_string(s) +
                    "\r\nADCStrobDelay=0\r\nDistanceCorrection = 0 ; metres\r\n";
        return text;
    }

    QTemporaryDir folder;
    ReadyView ready;
    MockRadarService* service_ = nullptr;
    std::unique_ptr<RadarManager> manager;
    std::vector<double> sentRanges;
};

TEST_F(RadarRangeFileTest, ReadScalesTakesTheLevelsOrReportsWhatIsWrong)
{
    struct Case {
        std::string text;
        std::vector<int32_t> levels;
        int32_t scaleCount;
        const char* error;  // empty: read
    };
    const Case cases[] = {
        {RangeFile({1, 1, 2, 3}, 3), {1, 1, 2, 3}, 3, ""},
        {"[Radar]\r\nnMaxRange=4\r\nRange.0=a,1\r\nRange.1=b,1\r\nRange.2=c,1\r\nRange.3=3 NM,2\r\n[Server]\r\nnRPScaleMax=2\r\n",
         {1, 1, 1, 2}, 2, ""},
        {"[Server]\r\nnRPScaleMax=2\r\n", {}, 0, "Unreadable rp.ini. (does not contain nMaxRange entry)"},
        {"[Radar]\r\nnMaxRange=4\r\n", {}, 0, "Unreadable rp.ini. (does not contain nRPScaleMax entry)"},
        {"[Radar]\r\nnMaxRange=4\r\n[Server]\r\nnRPScaleMax=0\r\n", {}, 0, "Unreadable rp.ini. (nRPScaleMax is 0)"},
        {"[Radar]\r\nnMaxRange=0\r\n[Server]\r\nnRPScaleMax=3\r\n", {}, 3, "Unreadable rp.ini. (nMaxRange is 0)"},
        {RangeFile({1, 1, 2, 3, 3, 3}, 3), {}, 3, "Ranges in rp.ini does not correlate with CMRadar ranges."},
        {"[Radar]\r\nnMaxRange=4\r\nRange.0=a,1\r\nRange.1=b\r\nRange.2=c,1\r\nRange.3=d,x\r\n[Server]\r\nnRPScaleMax=2\r\n",
         {}, 2, "Unreadable rp.ini. (Range.1 has no scale level)"},
    };
    for (const Case& c : cases) {
        Init(c.text);
        EXPECT_EQ(manager->rangeLevels, c.levels) << c.text;
        EXPECT_EQ(manager->scaleCount, c.scaleCount) << c.text;
        if (*c.error) {
            EXPECT_EQ(manager->state(), 2) << c.text;
            EXPECT_EQ(manager->ErrorText(), std::string("<RadarManager::ReadScales()> ") + c.error);
        } else {
            EXPECT_EQ(manager->state(), 1) << manager->ErrorText();
        }
    }
}

TEST_F(RadarRangeFileTest, CorrectionsReadAndWriteOnlyExistingKeysOfExistingLevels)
{
    Init(RangeFile({1, 2, 3, 4}, 4));
    EXPECT_EQ(manager->GetAzimuthCorrection(3), 4);  // section Scale4
    EXPECT_EQ(manager->GetAzimuthCorrection(4), 0);
    EXPECT_EQ(manager->ErrorText(), "<RadarManager::GetAzimuthCorrection()> Scale level does not exist in rp.ini.");
    EXPECT_EQ(manager->SetDistanceCorrection(-1, 5), 0);

    struct Case {
        int32_t value;
        int32_t written;
    };
    for (const Case& c : {Case{-100, 65436}, Case{70000, 4464}, Case{65536, 65536}, Case{-70000, 61072}, Case{0, 0}}) {
        const std::string before = FileText(file());
        ASSERT_EQ(manager->SetAzimuthCorrection(0, c.value), 1);
        EXPECT_EQ(manager->GetAzimuthCorrection(0), c.written) << c.value;
        // Only the one line changed: every other line, comment and key stays as it was.
        std::string expected = before;
        const std::string old = expected.substr(expected.find("AzimuthCorrection=", expected.find("[Scale1]")));
        expected.replace(expected.find(old), old.find("\r\n"), "AzimuthCorrection=" + std::to_string(c.written));
        EXPECT_EQ(FileText(file()), expected) << c.value;
    }
    ASSERT_EQ(manager->SetADCStrobDelay(0, -100), 1);
    EXPECT_EQ(manager->GetADCStrobDelay(0), -100);
    EXPECT_NE(FileText(file()).find("DistanceCorrection = 0 ; metres\r\n"), std::string::npos);
}

TEST_F(RadarRangeFileTest, AMissingKeyIsNeverCreatedAndLeavesTheFileAsItWas)
{
    Init(RangeFile({1, 1, 2, 2}, 2, "[Scale1]\r\nAzimuthCorrection=1\r\n; no strobe delay here\r\n[Scale2]\r\n"));
    const std::string before = FileText(file());
    struct Case {
        std::function<int()> call;
        const char* error;
    };
    const Case cases[] = {
        {[&] { return manager->SetADCStrobDelay(0, 5); },
         "<RadarManager::SetADCStrobDelay()> Could not find ADCStrobDelay entry for indicated scale level."},
        {[&] { return manager->SetAzimuthCorrection(1, 5); },
         "<RadarManager::SetAzimuthCorrection()> Could not find AzimuthCorrection entry for indicated scale level."},
        {[&] { return manager->GetDistanceCorrection(0); },
         "<RadarManager::GetDistanceCorrection()> Could not find DistanceCorrection entry for indicated scale level."},
    };
    for (const Case& c : cases) {
        manager->ClearCallFailure();
        EXPECT_EQ(c.call(), 0);
        EXPECT_EQ(manager->state(), 2);
        EXPECT_EQ(manager->ErrorText(), c.error);
        EXPECT_EQ(FileText(file()), before);
    }
}

TEST_F(RadarRangeFileTest, SetScaleTakesTheRangeBeforeTheFirstRangeOfTheNextLevel)
{
    struct Case {
        std::vector<int> levels;
        int32_t level;
        std::vector<double> sent;  // empty: refused
        const char* error;
    };
    const Case cases[] = {
        {{1, 1, 2, 3}, 2, {4000}, ""},
        {{1, 1, 2, 3}, 1, {2000}, ""},
        {{1, 1, 2, 3}, 0, {1000}, ""},
        {{2, 2, 3, 3}, 0, {}, "<RadarManager::SetScale()> Could not find requested scale."},
        {{1, 1, 2, 3}, 3, {}, "<RadarManager::SetScale()> Requested scale level does not exist in rp.ini."},
    };
    for (const Case& c : cases) {
        sentRanges.clear();
        Init(RangeFile(c.levels, 3));
        sentRanges.clear();
        manager->SetScale(c.level);
        EXPECT_EQ(sentRanges, c.sent) << c.level;
        if (*c.error) {
            EXPECT_EQ(manager->ErrorText(), c.error);
        }
    }
}

// With no ranges at all the last level has no range to take.
TEST_F(RadarRangeFileTest, SetScaleOnAnEmptyRangeTableFails)
{
    WriteFile(file(), RangeFile({1}, 2));
    auto service = AnsweringService({}, {});
    RadarManager empty(Handing(std::move(service)), file());
    ASSERT_EQ(empty.Init(&ready.view), 0);
    ASSERT_EQ(empty.scaleCount, 2);
    empty.SetScale(1);
    EXPECT_EQ(empty.ErrorText(), "<RadarManager::SetScale()> Could not find requested scale.");
}

}  // namespace
