// The texts of the target dialog's readouts and AIS panel, a table each.

#include "sensors/TargetInfoText.h"

#include <gtest/gtest.h>

TEST(TargetInfoText, RateOfTurnShowsDegreesAMinuteOrItsMarks)
{
    const struct {
        int raw;
        const char* text;
    } rates[]{
        {-128, "---"},          {0, "-- 0 --"},        {127, "---->"},       {-127, "<----"},
        {1, "0.0 \xB0/m."},     {-1, "-0.0 \xB0/m."},  {10, "4.5 \xB0/m."},  {-10, "-4.5 \xB0/m."},
        {14, "8.7 \xB0/m."},    {15, "10 \xB0/m."},  {16, "11 \xB0/m."},   {-16, "-11 \xB0/m."},
        {126, "709 \xB0/m."},   {-126, "-709 \xB0/m."},
    };
    for (const auto& r : rates)
        EXPECT_EQ(RateOfTurnText(int8_t(r.raw)), r.text) << r.raw;
}

TEST(TargetInfoText, SizeIsLengthBeamAndDraughtUnlessAllAreUnknown)
{
    const struct {
        uint16_t a, b;
        uint8_t c, d, draught;
        const char* text;
    } sizes[]{
        {100, 20, 8, 9, 52, "len:120  brd:17  drg:5.2 m."},
        {100, 20, 8, 9, 255, "len:120  brd:17  drg:0.0 m."},  // draught not available
        {0, 0, 0, 0, 255, ""},
        {0, 0, 0, 0, 0, ""},
        {0, 0, 0, 0, 3, "len:0  brd:0  drg:0.3 m."},
        {511, 511, 63, 63, 254, "len:1022  brd:126  drg:25.4 m."},
    };
    for (const auto& s : sizes) {
        AisStaticBlock block{};
        block.dimensionA = s.a;
        block.dimensionB = s.b;
        block.dimensionC = s.c;
        block.dimensionD = s.d;
        block.draughtDecimetres = s.draught;
        EXPECT_EQ(ShipSizeText(block), s.text) << s.a << " " << int(s.draught);
    }
}

TEST(TargetInfoText, ShipTypesPickTheirItemAndCargoCategory)
{
    const struct {
        int type;
        const char* item;  // nullptr: none
        const char* cargo;
    } types[]{
        {0, nullptr, "---"},
        {20, "20  Wing-In-Ground", "---"},
        {22, "20  Wing-In-Ground", "Hazard or pollutant cat. B"},
        {30, "30  Fishing", "---"},
        {31, "31  Towing", "---"},  // the digit is the type's own, no cargo
        {37, "37  Pleasure craft", "---"},
        {39, nullptr, "---"},
        {41, "40  High speed craft", "Hazard or pollutant cat. A"},
        {52, "52  Tug", "---"},
        {56, nullptr, "---"},
        {60, "60  Passenger ship", "---"},
        {65, "60  Passenger ship", "None"},
        {74, "70  Cargo ship", "Hazard or pollutant cat. D"},
        {79, "70  Cargo ship", "---"},
        {83, "80  Tanker", "Hazard or pollutant cat. C"},
        {90, "90  Other type of ship", "---"},
        {99, "90  Other type of ship", "---"},
        {255, "90  Other type of ship", "None"},
    };
    for (const auto& t : types) {
        const int32_t item = ShipTypeItem(uint8_t(t.type));
        EXPECT_STREQ(item >= 0 ? ShipTypeItems[size_t(item)] : "", t.item ? t.item : "") << t.type;
        const int32_t cargo = CargoItem(uint8_t(t.type));
        EXPECT_STREQ(cargo >= 0 ? CargoItems[size_t(cargo)] : NotAvailableText, t.cargo) << t.type;
    }
    EXPECT_EQ(ShipTypeCode(19), 70);
    EXPECT_EQ(ShipTypeCode(11), 51);
    EXPECT_EQ(ShipTypeCode(-1), 0);
}

TEST(TargetInfoText, EtaShowsTheGivenDateAndTimeParts)
{
    const struct {
        int month, day, hour, minute;
        const char* text;
    } etas[]{
        {3, 21, 12, 34, "21.03  12:34"},
        {0, 0, 24, 60, "---"},    // not available
        {3, 21, 24, 60, "21.03"},
        {0, 0, 8, 5, "08:05"},
        {3, 21, 23, 60, "21.03"},  // a time needs both hour and minute
        {3, 0, 6, 0, "06:00"},
    };
    for (const auto& e : etas) {
        AisStaticBlock block{};
        block.etaMonth = uint8_t(e.month);
        block.etaDay = uint8_t(e.day);
        block.etaHour = uint8_t(e.hour);
        block.etaMinute = uint8_t(e.minute);
        EXPECT_EQ(EtaText(block), e.text) << e.day << "." << e.month << " " << e.hour << ":" << e.minute;
    }
}

TEST(TargetInfoText, HeadingsStatusesAndSeconds)
{
    EXPECT_EQ(TrueHeadingText(0), "0 \xB0");
    EXPECT_EQ(TrueHeadingText(359), "359 \xB0");
    EXPECT_EQ(TrueHeadingText(360), "---");
    EXPECT_EQ(TrueHeadingText(511), "---");
    EXPECT_EQ(DegreesText(5.04f), "005.0 \xB0");
    EXPECT_EQ(DegreesText(359.96f), "360.0 \xB0");
    EXPECT_STREQ(NavigationStatusItems[size_t(NavigationStatusItem(1))], "At anchor");
    EXPECT_STREQ(NavigationStatusItems[size_t(NavigationStatusItem(8))], "Under way sailing");
    EXPECT_STREQ(NavigationStatusItems[size_t(NavigationStatusItem(9))], "---");
    EXPECT_STREQ(NavigationStatusItems[size_t(NavigationStatusItem(15))], "---");
    EXPECT_EQ(ReportSecondText(7), "07 s");
    EXPECT_EQ(ReportSecondText(60), "---");
}
