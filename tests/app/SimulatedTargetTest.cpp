// The simulated-target dialog offscreen, with the hooks the start-up installs and the real target
// table and target dialog: the speed steps, a new target, an edited and a deleted one, a full
// table, a speed that is no number, and the texts of the shipped English language file.

#include "AppTestSupport.h"
#include "sensors/SensorTestSupport.h"

#include "app/LanguageLoader.h"
#include "app/TForm1.h"
#include "app/TargetTableWiring.h"
#include "frame/SharedTables.h"
#include "platform/geodesy/NormalisedCoordinates.h"
#include "sensors/OwnShipState.h"
#include "sensors/TArpaDlg.h"
#include "sensors/TSimDlg.h"
#include "sensors/TargetTable.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QToolBar>
#include <QToolButton>

#include <memory>

namespace {

constexpr int64_t Now = 1796860800;
const cmgbase::GeoPoint Centre{cmgbase::deg2nrm(-76.45), cmgbase::deg2nrm(38.97)};

class SimulatedTargetTest : public AppTest {
protected:
    void SetUp() override
    {
        AppTest::SetUp();
        ResetSensorSide();
        WireTargetTable();
        ClockSeconds = Now;
        OwnShip.referencePosition = Centre;  // the chart's centre without a main view
        form = std::make_unique<TForm1>();
        Form1 = form.get();
        form->resize(1920, 1080);
        form->ToolBar1->show();
        form->show();
        SetBarControlVisible(form->Arpa1Btn, false);
        QApplication::processEvents();
        arpa = std::make_unique<TArpaDlg>();
        ArpaDlg = arpa.get();
        dialog = std::make_unique<TSimDlg>();
        SimDlg = dialog.get();
    }
    void TearDown() override
    {
        SimDlg = nullptr;
        ArpaDlg = nullptr;
        Form1 = nullptr;
        dialog.reset();
        arpa.reset();
        form.reset();
        ResetSensorSide();
        ClockSeconds = 0;
        AppTest::TearDown();
    }

    // Types text into an edit as the user would.
    static void Type(QLineEdit* edit, const QString& text)
    {
        edit->setText(text);
        emit edit->textEdited(text);
    }

    // The target dialog showing record `index`, as after a pick on the chart.
    void showInTargetDialog(int32_t index)
    {
        ShownTarget = index;
        arpa->show();
    }

    std::unique_ptr<TForm1> form;
    std::unique_ptr<TArpaDlg> arpa;
    std::unique_ptr<TSimDlg> dialog;
};

TEST_F(SimulatedTargetTest, TheSpeedStepsFinerBelowFiveAndTenKnotsAndStopsAtItsEnds)
{
    const struct {
        const char* from;
        bool up;
        const char* to;
    } steps[]{
        {"4.8", true, "4.9"},   {"4.9", true, "5.1"},   {"9.9", true, "10.9"},  {"99.0", true, "109.0"},
        {"490.0", true, "500.0"}, {"499.0", true, "499.0"}, {"10.0", false, "9.8"}, {"5.1", false, "4.9"},
        {"101.0", false, "91.0"}, {"0.1", false, "0.0"},  {"0.0", false, "0.0"},
    };
    for (const auto& step : steps) {
        Type(dialog->edSpeed, step.from);
        dialog->udSpeed->stepBy(step.up ? 1 : -1);
        EXPECT_EQ(dialog->edSpeed->text(), step.to) << step.from << (step.up ? " up" : " down");
    }
    // From 0 up to 4.9 in tenths, then the step is 0.2: no float ever misses a threshold.
    Type(dialog->edSpeed, "0.0");
    for (int i = 0; i < 50; ++i)
        dialog->udSpeedChangingEx(true);
    EXPECT_EQ(dialog->edSpeed->text(), "5.1");
}

TEST_F(SimulatedTargetTest, OkPutsANewTargetAtTheChartCentreStartedTheAgeAgo)
{
    dialog->show();
    EXPECT_EQ(dialog->txTop->text(), "From chart centre");
    EXPECT_EQ(dialog->CancelBtn->text(), "Cancel");
    dialog->udCourse->setValue(45);
    Type(dialog->edSpeed, "6.5");
    dialog->udHour->setValue(1);
    dialog->udMinute->setValue(30);
    dialog->OKBtn->click();

    const TargetRecord& t = TargetTable[0];
    EXPECT_EQ(int32_t{t.id}, SimulatedTargetId(0));
    EXPECT_EQ(int{t.kind}, TargetSimulated);
    EXPECT_STREQ(t.label, "SIM. TARGET");
    EXPECT_EQ(int32_t{t.positionX}, Centre.x);
    EXPECT_EQ(int32_t{t.positionY}, Centre.y);
    EXPECT_FLOAT_EQ(float{t.course}, 45.0f);
    EXPECT_FLOAT_EQ(float{t.speed}, 6.5f);
    EXPECT_EQ(uint32_t{t.reportTime}, uint32_t(Now - 5400));
    EXPECT_EQ(int32_t{t.lostCount}, 0);
    EXPECT_EQ(int{t.count}, 0);
    EXPECT_FALSE(dialog->isVisible());
    QApplication::processEvents();
    EXPECT_TRUE(form->Arpa1Btn->isVisible());

    // The record has an id of its own: the next target takes the next record.
    dialog->show();
    dialog->OKBtn->click();
    EXPECT_EQ(int32_t{TargetTable[1].id}, SimulatedTargetId(1));
    EXPECT_EQ(TargetIdText(TargetTable[1]), "s2");
    EXPECT_EQ(int32_t{TargetTable[0].id}, SimulatedTargetId(0));
}

TEST_F(SimulatedTargetTest, EditingKeepsTheStartPositionAndDeleteFreesTheTarget)
{
    dialog->show();
    dialog->udCourse->setValue(100);
    Type(dialog->edSpeed, "12.0");
    dialog->OKBtn->click();
    ClockSeconds = Now + 2 * 3600 + 15 * 60;
    TargetTable[0].positionX = Centre.x + 777;  // wherever it was started

    showInTargetDialog(0);
    dialog->show();
    EXPECT_EQ(dialog->txTop->text(), "From start");
    EXPECT_EQ(dialog->CancelBtn->text(), "Delete");
    EXPECT_EQ(dialog->edCourse->text(), "100");
    EXPECT_EQ(dialog->edSpeed->text(), "12.0");
    EXPECT_EQ(dialog->udHour->value(), 2);
    EXPECT_EQ(dialog->udMinute->value(), 15);
    EXPECT_EQ(dialog->x(), arpa->frameGeometry().right() + 1);

    Type(dialog->edSpeed, "3.5");
    dialog->udHour->setValue(0);
    dialog->OKBtn->click();
    EXPECT_EQ(FirstFreeTarget(), 1);
    EXPECT_EQ(int32_t{TargetTable[0].positionX}, Centre.x + 777);
    EXPECT_FLOAT_EQ(float{TargetTable[0].speed}, 3.5f);
    EXPECT_EQ(uint32_t{TargetTable[0].reportTime}, uint32_t(ClockSeconds - 15 * 60));

    dialog->show();
    dialog->CancelBtn->click();
    EXPECT_EQ(int32_t{TargetTable[0].id}, -1);
    EXPECT_FALSE(arpa->isVisible());
    EXPECT_FALSE(dialog->isVisible());
}

TEST_F(SimulatedTargetTest, WithAFullTableOkChangesNothing)
{
    for (int32_t i = 0; i < TargetCount; ++i) {
        TargetTable[size_t(i)].id = 1000 + i;
        TargetTable[size_t(i)].kind = TargetArpa;
    }
    dialog->show();
    Type(dialog->edSpeed, "8.0");
    dialog->OKBtn->click();
    for (int32_t i = 0; i < TargetCount; ++i) {
        ASSERT_EQ(int32_t{TargetTable[size_t(i)].id}, 1000 + i);
        ASSERT_EQ(int{TargetTable[size_t(i)].kind}, TargetArpa);
    }
    QApplication::processEvents();
    EXPECT_FALSE(form->Arpa1Btn->isVisible());
    EXPECT_FALSE(dialog->isVisible());
}

TEST_F(SimulatedTargetTest, ASpeedThatIsNoNumberIsRefused)
{
    dialog->show();
    for (const char* speed : {"fast", "", "-3.0", "nan", "inf"}) {
        Type(dialog->edSpeed, speed);
        dialog->OKBtn->click();
        EXPECT_EQ(FirstFreeTarget(), 0) << speed;
        EXPECT_TRUE(dialog->isVisible()) << speed;
    }
}

TEST_F(SimulatedTargetTest, TheEnglishFileGivesEveryControlItsText)
{
    LoadLanguage(std::filesystem::path(VARNIK_SOURCE_DIR) / "data/english.lng");
    EXPECT_EQ(dialog->windowTitle(), "Simulated target");
    EXPECT_EQ(dialog->txTop->text(), "From chart centre");
    EXPECT_EQ(dialog->CancelBtn->text(), "Cancel");
    for (QWidget* control : dialog->findChildren<QWidget*>()) {
        QStringList shown{control->toolTip()};
        if (auto* button = qobject_cast<QAbstractButton*>(control))
            shown << button->text();
        if (auto* label = qobject_cast<QLabel*>(control))
            shown << label->text();
        for (const QString& text : shown)
            EXPECT_NE(text, "!") << control->objectName().toStdString();
    }
}

}  // namespace
