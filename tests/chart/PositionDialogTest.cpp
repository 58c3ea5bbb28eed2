// The position dialog on its own, its hooks recorded: the fields shown for a chart centre, the
// typed position, the up-downs' carries, the OK button's steps and its keys.

#include "chart/TPositionDlg.h"

#include "platform/geodesy/NormalisedCoordinates.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <vector>

namespace {

cmgbase::GeoPoint Degrees(double longitude, double latitude)
{
    return {cmgbase::deg2nrm(longitude), cmgbase::deg2nrm(latitude)};
}

class PositionDialogTest : public testing::Test {
protected:
    void SetUp() override
    {
        PositionDialogHook.chartCentre = [this] { return centre; };
        PositionDialogHook.centreChart = [this](const cmgbase::GeoPoint& p) {
            centred.push_back(p);
            return clickAwaited;
        };
        PositionDialogHook.clickAt = [this](const cmgbase::GeoPoint& p) { clicked.push_back(p); };
        PositionDialogHook.finishTool = [this] { ++finished; };
        PositionDialogHook.positionButton = [this] { ++positionButton; };
    }
    void TearDown() override { PositionDialogHook = {}; }

    void show()
    {
        dialog.show();
        QApplication::setActiveWindow(&dialog);
    }

    // Replaces a field's text as the user types it.
    static void type(QLineEdit* field, const char* text)
    {
        field->setFocus();
        field->selectAll();
        QTest::keyClick(field, Qt::Key_Backspace);
        QTest::keyClicks(field, QString::fromLatin1(text));
    }

    cmgbase::GeoPoint centre = Degrees(0.0, 0.0);
    bool clickAwaited = false;
    std::vector<cmgbase::GeoPoint> centred;
    std::vector<cmgbase::GeoPoint> clicked;
    int finished = 0;
    int positionButton = 0;
    TPositionDlg dialog;
};

TEST_F(PositionDialogTest, ShowWritesTheCentreWithBothHemispheresAndIdles)
{
    centre = Degrees(-70.0 - 12.25 / 60, -(10.0 + 30.5 / 60));
    show();
    EXPECT_EQ(dialog.edLatDeg->text(), "10");
    EXPECT_EQ(dialog.edLatMin->text(), "30");
    EXPECT_EQ(dialog.edLatDes->text(), "500");  // not 499
    EXPECT_EQ(dialog.edNS->currentText(), "S");
    EXPECT_EQ(dialog.edLonDeg->text(), "70");
    EXPECT_EQ(dialog.edLonMin->text(), "12");
    EXPECT_EQ(dialog.edLonDes->text(), "250");
    EXPECT_EQ(dialog.edEW->currentText(), "W");
    EXPECT_EQ(dialog.PositionStep(), 0);
    EXPECT_EQ(dialog.OKBtn->text(), "");
    EXPECT_EQ(TypedPosition, centre);

    // A northern, eastern centre after a southern, western one: N and E again.
    dialog.hide();
    centre = Degrees(5.0, 3.0);
    show();
    EXPECT_EQ(dialog.edNS->currentText(), "N");
    EXPECT_EQ(dialog.edEW->currentText(), "E");
    EXPECT_EQ(dialog.edLatDeg->text(), "03");
    EXPECT_EQ(dialog.edLonDes->text(), "000");
}

TEST_F(PositionDialogTest, TheThousandthsFieldIsADecimalFractionOfAMinute)
{
    struct Case {
        const char* thousandths;
        double minutes;
    };
    const Case cases[] = {{"5", 30.5}, {"05", 30.05}, {"500", 30.5}, {"", 30.0}, {"123", 30.123}};
    centre = Degrees(-1.0, -1.0);  // S and W are kept from the centre
    show();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.thousandths);
        type(dialog.edLatDeg, "12");
        type(dialog.edLatMin, "30");
        type(dialog.edLatDes, c.thousandths);
        type(dialog.edLonDeg, "145");
        type(dialog.edLonMin, "30");
        type(dialog.edLonDes, c.thousandths);
        EXPECT_EQ(dialog.PositionStep(), 1);
        EXPECT_EQ(dialog.OKBtn->text(), "Chart centre");
        centred.clear();
        dialog.OKBtn->click();
        ASSERT_EQ(centred.size(), 1u);
        EXPECT_EQ(centred[0], Degrees(-(145.0 + c.minutes / 60), -(12.0 + c.minutes / 60)));
    }
}

TEST_F(PositionDialogTest, TypedTextIsDigitsWithinTheFieldsRange)
{
    centre = Degrees(20.0, 40.0);
    show();
    type(dialog.edLatDeg, "86");
    EXPECT_EQ(dialog.edLatDeg->text(), "8");  // the 6 would leave the range
    type(dialog.edLonDeg, "180");
    EXPECT_EQ(dialog.edLonDeg->text(), "18");
    type(dialog.edLonMin, "6x");
    EXPECT_EQ(dialog.edLonMin->text(), "6");
    type(dialog.edLatMin, "60");
    EXPECT_EQ(dialog.edLatMin->text(), "6");
    // The up-down goes on from what was typed.
    type(dialog.edLatDeg, "84");
    dialog.udLatDeg->stepBy(1);
    EXPECT_EQ(dialog.edLatDeg->text(), "85");
}

TEST_F(PositionDialogTest, TheUpDownsWrapAndCarry)
{
    show();
    struct Step {
        QSpinBox* upDown;
        int steps;
        QSpinBox* higher;
        int from, higherFrom;
        int to, higherTo;
        const char* shown;  // the field's text
    };
    const Step steps[] = {
        {dialog.udLatMin, 1, dialog.udLatDeg, 59, 10, 0, 11, "00"},
        {dialog.udLatMin, -1, dialog.udLatDeg, 0, 10, 59, 9, "59"},
        {dialog.udLatDes, 1, dialog.udLatMin, 999, 20, 0, 21, "000"},
        {dialog.udLonDes, -1, dialog.udLonMin, 0, 20, 999, 19, "999"},
        {dialog.udLonMin, 1, dialog.udLonDeg, 59, 179, 0, 179, "00"},  // degrees stop at 179
        {dialog.udLatDeg, 1, dialog.udLatMin, 85, 0, 85, 0, "85"},     // and at 85
        {dialog.udLonDeg, -1, dialog.udLonMin, 0, 0, 0, 0, "00"},      // and at 0
    };
    for (const Step& s : steps) {
        SCOPED_TRACE(s.upDown->objectName().toStdString());
        s.higher->setValue(s.higherFrom);
        s.upDown->setValue(s.from);
        s.upDown->stepBy(s.steps);
        EXPECT_EQ(s.upDown->value(), s.to);
        EXPECT_EQ(s.higher->value(), s.higherTo);
        EXPECT_EQ(static_cast<PositionUpDown*>(s.upDown)->field->text(), s.shown);
    }
}

TEST_F(PositionDialogTest, OkCentresThenClicksThenFinishes)
{
    centre = Degrees(10.0, 50.0);
    show();
    type(dialog.edLatMin, "15");
    clickAwaited = true;
    dialog.OKBtn->click();
    EXPECT_EQ(dialog.PositionStep(), 2);
    EXPECT_EQ(dialog.OKBtn->text(), "Save");
    EXPECT_EQ(TypedPosition, Degrees(10.0, 50.25));
    dialog.OKBtn->click();
    ASSERT_EQ(clicked.size(), 1u);
    EXPECT_EQ(clicked[0], TypedPosition);
    EXPECT_EQ(dialog.PositionStep(), 3);
    EXPECT_EQ(dialog.OKBtn->text(), "Hide");
    dialog.OKBtn->click();
    EXPECT_EQ(finished, 1);
    EXPECT_EQ(dialog.PositionStep(), 0);
    EXPECT_EQ(dialog.OKBtn->text(), "");
    EXPECT_TRUE(dialog.edLatDeg->hasFocus());
    EXPECT_EQ(centred.size(), 1u);

    // With no tool waiting for a click, every press only centres the chart.
    clickAwaited = false;
    type(dialog.edLonMin, "30");
    dialog.OKBtn->click();
    dialog.OKBtn->click();
    EXPECT_EQ(centred.size(), 3u);
    EXPECT_EQ(dialog.PositionStep(), 1);
    EXPECT_EQ(dialog.OKBtn->text(), "Chart centre");
    EXPECT_TRUE(clicked.size() == 1u && finished == 1);
}

TEST_F(PositionDialogTest, KeysCloseAndMoveBetweenTheFields)
{
    show();
    dialog.edLatDeg->setFocus();
    QTest::keyClick(dialog.edLatDeg, Qt::Key_Left);
    EXPECT_TRUE(dialog.edLatDeg->hasFocus());
    QTest::keyClick(dialog.edLatDeg, Qt::Key_Right);
    EXPECT_TRUE(dialog.edLatMin->hasFocus());
    for (int i = 0; i < 10; ++i)
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right);
    EXPECT_TRUE(dialog.edEW->hasFocus());
    QTest::keyClick(dialog.edEW, Qt::Key_Left);
    EXPECT_TRUE(dialog.edLonDes->hasFocus());

    QTest::keyClick(dialog.edLonDes, Qt::Key_Escape);
    QTest::keyClick(dialog.edLonDes, Qt::Key_Insert);
    EXPECT_EQ(positionButton, 2);
    EXPECT_TRUE(dialog.isVisible());  // the main window's button hides it, not Esc itself
}

}  // namespace
