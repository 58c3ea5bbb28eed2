// The cursor readouts on the started main window: the position under the pointer with its
// LORAN-C readings, and range, bearing and arrival time checked against GeographicLib's RhumbSolve
// across the places where the range changes its digits.

#include "BayWindowTest.h"

#include "app/CursorReadout.h"
#include "frame/SetupParameters.h"
#include "sensors/LoranConverter.h"

#include <QCheckBox>
#include <QFrame>
#include <QLabel>

#include <cstdlib>
#include <ctime>
#include <string>

namespace {

QString Latin1(const char* text) { return QString::fromLatin1(text); }

// A fixed time zone three hours east of UTC, without summer time.
class FixedTimeZone {
public:
    FixedTimeZone()
    {
        if (const char* zone = std::getenv("TZ"))
            previous_ = zone;
        setenv("TZ", "XYZ-3", 1);
        tzset();
    }
    ~FixedTimeZone()
    {
        if (previous_.empty())
            unsetenv("TZ");
        else
            setenv("TZ", previous_.c_str(), 1);
        tzset();
    }

private:
    std::string previous_;
};

class CursorReadoutTest : public BayWindowTest {};

TEST_F(CursorReadoutTest, ThePositionGoesToTheShownPanelAndTheLongitudeToBoth)
{
    const cmgbase::GeoPoint position = Degrees(-76.45, 38.97);
    UpdateCursorReadout(*form, false, position);
    EXPECT_EQ(form->txCursLat->text(), Latin1(" 38\xB0 58.200' N"));
    EXPECT_EQ(form->txCursLon->text(), Latin1(" 76\xB0 27.000' W"));
    EXPECT_EQ(form->txCurs3D->text(), "");

    form->MainPanel->hide();
    UpdateCursorReadout(*form, true, Degrees(-76.5, -38.5));
    EXPECT_EQ(form->txCursLat2->text(), Latin1(" 38\xB0 30.000' S"));
    EXPECT_EQ(form->txCursLon2->text(), Latin1(" 76\xB0 30.000' W"));
    EXPECT_EQ(form->txCursLon->text(), form->txCursLon2->text());
    EXPECT_EQ(form->txCursLat->text(), Latin1(" 38\xB0 58.200' N"));  // the hidden panel's latitude stays
    EXPECT_EQ(form->txCurs3D2->text(), "3D");
}

TEST_F(CursorReadoutTest, TheLoranReadingsOfThePositionUnderThePointer)
{
    form->ckLoranPos->setChecked(true);
    ASSERT_TRUE(Loran->SelectChain(4));  // NORWEGIAN SEA
    UpdateCursorReadout(*form, false, Degrees(5.0, 63.0));
    EXPECT_EQ(form->txLnVal2->text(), "31096.038");
    EXPECT_EQ(form->txLnVal5->text(), "64681.314");
}

// Destinations from 38.97 N 76.45 W by `RhumbSolve -p 9` (direct: "38.97 -76.45 <azimuth>
// <metres>"); the shown range and bearing are those of `RhumbSolve -i -p 6` between the two
// ("38.97 -76.45 <lat> <lon>"), in the units and digits of the readout.
struct RangeCase {
    double latitude;
    double longitude;
    bool metres;
    const char* range;
    const char* bearing;
};

TEST_F(CursorReadoutTest, RangeAndBearingAgreeWithRhumbSolveAcrossTheDigitChanges)
{
    const RangeCase cases[] = {
        {39.11438573, -76.34310474, false, "9.99", "30.0"},      // 18508.888 m = 9.994 nm
        {39.11455909, -76.34297626, false, "10.0", "30.0"},      // 18531.112 m = 10.006 nm
        {40.41369547, -75.37102946, false, "99.9", "30.0"},      // 185088.880 m = 99.94 nm
        {40.41542873, -75.36972024, false, "100", "30.0"},       // 185311.120 m = 100.06 nm
        {43.13910411, -66.90524571, false, "500", "60.0"},       // 925999.999 m
        {36.02019138, -80.15309789, false, "250", "225.0"},      // 463000.000 m, azimuth -135
        {39.01503882, -76.45, false, "2.70", "360.0"},           // 4999.999842 m due north
        {39.04800385, -76.39227759, true, "9999", "30.0"},       // 9999.300572 m
        {39.04801477, -76.39226951, true, "10.", "30.0"},        // 10000.700188 m
        {40.41369547, -75.37102946, true, "185.", "30.0"},
    };
    const cmgbase::GeoPoint origin = Degrees(-76.45, 38.97);
    for (const RangeCase& c : cases) {
        SCOPED_TRACE(c.range);
        form->RangeInMetres = c.metres;
        UpdateRangeBearingReadout(*form, origin, Degrees(c.longitude, c.latitude));
        EXPECT_EQ(form->txCursVRM->text(), c.range);
        EXPECT_EQ(form->txCursEBL->text(), QString::fromLatin1(c.bearing) + QChar(0xB0));
    }
    UpdateRangeBearingReadout(*form, origin, origin);
    EXPECT_EQ(form->txCursEBL->text(), Latin1("0.0\xB0"));

    form->MainPanel->hide();
    form->RangeInMetres = false;
    UpdateRangeBearingReadout(*form, origin, Degrees(-76.45, 39.01503882));
    EXPECT_EQ(form->txCursVRM2->text(), "2.70");
    EXPECT_EQ(form->txCursEBL2->text(), Latin1("360.0\xB0"));
}

TEST_F(CursorReadoutTest, TheArrivalIsTheLocalClockTimeAtThePresentSpeedAboveOneKnot)
{
    const FixedTimeZone zone;
    ClockSeconds = 1797000000;  // 2026-12-11 14:40:00 UTC
    const cmgbase::GeoPoint origin = Degrees(-76.45, 38.97);
    const cmgbase::GeoPoint fiveHundredMiles = Degrees(-66.90524571, 43.13910411);

    PlaceShip(origin, 60.0f, 10.0f);  // 50 hours: 2026-12-13 16:40 UTC, 19:40 three hours east
    UpdateRangeBearingReadout(*form, origin, fiveHundredMiles);
    EXPECT_EQ(form->txEtaEta->text(), "19:40");

    for (const float knots : {1.0f, 0.0f}) {
        PlaceShip(origin, 60.0f, knots);
        form->txEtaEta->setText("kept");
        UpdateRangeBearingReadout(*form, origin, fiveHundredMiles);
        EXPECT_EQ(form->txEtaEta->text(), "kept");
    }
}

}  // namespace
