// The Setup page's LORAN-C and Decca boxes, the chain panel and the LORAN panel's readings on a
// real main window: the exclusive boxes with their labels, rows, heights and colours, the chain
// list after the start-up with the converters' chains, the chain choice and the corrections at
// OK, and the stored box at start-up without the chain panel.
#include "UnstartedWindowTest.h"

#include "app/LoranDeccaRows.h"
#include "app/NavigationAidReadout.h"
#include "app/Startup.h"
#include "app/TForm1.h"
#include "chart/OverlayColours.h"
#include "frame/SharedTables.h"
#include "platform/geodesy/NormalisedCoordinates.h"
#include "sensors/DeccaConverter.h"
#include "sensors/LoranConverter.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCursor>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>

namespace {

using cmgbase::deg2nrm;

class LoranDeccaRowsTest : public UnstartedWindowTest {
protected:
    void TearDown() override
    {
        StartupDone = false;
        UnstartedWindowTest::TearDown();  // the window deletes the converters
    }

    // The state after the start-up: the converters made, the start-up done.
    void started()
    {
        Loran = new LoranConverter;
        Decca = new DeccaConverter;
        StartupDone = true;
    }

    // The user's choice of list entry `index`.
    void choose(int index)
    {
        form->cmbLoran->setCurrentIndex(index);
        emit form->cmbLoran->activated(index);
    }

    QStringList labels() const
    {
        return {form->txLn2->text(), form->txLn3->text(), form->txLn4->text(), form->txLn5->text()};
    }

    // The rows shown, V to Z.
    std::vector<bool> rows() const
    {
        std::vector<bool> shown;
        for (const QLabel* label : {form->txLn1, form->txLn2, form->txLn3, form->txLn4, form->txLn5})
            shown.push_back(!label->isHidden());
        return shown;
    }

    static QColor TextColour(const QLabel* label) { return label->palette().color(QPalette::WindowText); }
};

TEST_F(LoranDeccaRowsTest, TheBoxesAreExclusiveAndDressThePanel)
{
    form->ckLoranPos->setChecked(true);
    EXPECT_EQ(Value(SetupParameters.LoranPosition), 1);
    EXPECT_FALSE(form->LoranPanel->isHidden());
    EXPECT_EQ(labels(), (QStringList{"W:", "X:", "Y:", "Z:"}));
    EXPECT_EQ(form->LoranPanel->height(), 89);

    form->txLnVal2->setText("16112.752");
    form->ckDeccaPos->setChecked(true);
    EXPECT_EQ(form->txLnVal2->text(), "") << "a LORAN-C reading never shows as a Decca lane";
    EXPECT_FALSE(form->ckLoranPos->isChecked());
    EXPECT_EQ(Value(SetupParameters.LoranPosition), 0);
    EXPECT_EQ(Value(SetupParameters.DeccaPosition), 1);
    EXPECT_FALSE(form->LoranPanel->isHidden());
    EXPECT_EQ(labels(), (QStringList{"R:", "G:", "P:", ""}));
    EXPECT_EQ(form->txLnVal5->text(), "");
    EXPECT_EQ(rows(), (std::vector<bool>{false, true, true, true, false}));
    EXPECT_EQ(form->LoranPanel->height(), 69);
    EXPECT_EQ(TextColour(form->txLnVal2), UserColour(1));
    EXPECT_EQ(TextColour(form->txLnVal3), UserColour(3));
    EXPECT_EQ(TextColour(form->txLnVal4), UserColour(5));

    // Back to LORAN-C: the Z row comes back at full height, the values in the window's text colour.
    form->txLnVal3->setText("4B 42.56");
    form->ckLoranPos->setChecked(true);
    EXPECT_EQ(form->txLnVal3->text(), "");
    EXPECT_FALSE(form->ckDeccaPos->isChecked());
    EXPECT_EQ(Value(SetupParameters.DeccaPosition), 0);
    EXPECT_EQ(labels(), (QStringList{"W:", "X:", "Y:", "Z:"}));
    EXPECT_EQ(rows(), (std::vector<bool>{false, true, true, true, true}));
    EXPECT_EQ(form->LoranPanel->height(), 89);
    for (const QLabel* value : {form->txLnVal2, form->txLnVal3, form->txLnVal4})
        EXPECT_EQ(TextColour(value), form->palette().color(QPalette::WindowText));

    form->ckLoranPos->setChecked(false);
    EXPECT_EQ(Value(SetupParameters.LoranPosition), 0);
    EXPECT_TRUE(form->LoranPanel->isHidden());
}

// Chains with only W and X show two rows, the chain with a V secondary five, the others four.
TEST_F(LoranDeccaRowsTest, TheLoranRowsFollowTheChain)
{
    struct Case {
        int32_t chain;
        int height;
        std::vector<bool> rows;
    };
    const Case cases[] = {
        {0, 89, {false, true, true, true, true}},  {2, 47, {false, true, true, false, false}},
        {9, 110, {true, true, true, true, true}},  {13, 47, {false, true, true, false, false}},
        {14, 89, {false, true, true, true, true}},
    };
    const LoranConverter converter;
    for (int c = 0; c < LoranConverter::ChainCount; ++c)
        EXPECT_EQ(converter.Chain(c)->secondaries[0].present, c == 9 ? 1 : 0) << c;

    started();
    form->ckLoranPos->setChecked(true);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.chain);
        choose(c.chain);
        EXPECT_EQ(Value(SetupParameters.LoranChain), c.chain);
        EXPECT_EQ(Loran->SelectedChainIndex(), c.chain);
        EXPECT_EQ(form->LoranPanel->height(), c.height);
        EXPECT_EQ(rows(), c.rows);

        // The box's own click gives the stored chain its rows too, also after the Decca rows.
        form->ckDeccaPos->setChecked(true);
        form->ckLoranPos->setChecked(true);
        EXPECT_EQ(form->LoranPanel->height(), c.height);
        EXPECT_EQ(rows(), c.rows);
    }
}

TEST_F(LoranDeccaRowsTest, AfterTheStartTheChainPanelOffersTheLoranChains)
{
    started();
    SetupParameters.LoranChain = 11;
    form->ckLoranPos->setChecked(true);

    ASSERT_EQ(form->cmbLoran->count(), 15);
    EXPECT_EQ(form->cmbLoran->itemText(0), "CANADIAN EAST COAST CHAIN");
    EXPECT_EQ(form->cmbLoran->itemText(14), "NORTH PACIFIC CHAIN");
    EXPECT_EQ(form->cmbLoran->currentIndex(), 11);
    EXPECT_EQ(form->cmbLoran->currentText(), "NORTHEAST U.S. CHAIN");
    EXPECT_EQ(Loran->SelectedChainIndex(), 11);
    EXPECT_FALSE(form->ChainPanel->isHidden());
    EXPECT_EQ(form->ChainPanel->height(), 29);
    EXPECT_GE(form->ChainPanel->width(), form->ChainPanel->sizeHint().width());  // whole names
    EXPECT_TRUE(form->csRedCorr->isHidden());
    const QPoint onOk(form->ChainPanel->x() + form->btnChainOk->x() + 10, form->ChainPanel->y() + 12);
    EXPECT_EQ(QCursor::pos(), form->mapToGlobal(onOk));
    EXPECT_GT(form->btnChainOk->x(), 0);

    choose(2);
    EXPECT_EQ(Value(SetupParameters.LoranChain), 2);
    EXPECT_EQ(Loran->SelectedChainIndex(), 2);
    emit form->btnChainOk->clicked();
    EXPECT_TRUE(form->ChainPanel->isHidden());
    EXPECT_EQ(Value(SetupParameters.LoranChain), 2);
}

TEST_F(LoranDeccaRowsTest, DeccaChainsTakeTheirCorrectionsAtTheChoiceOrOk)
{
    started();
    SetupParameters.DeccaChain = 1;
    SetupParameters.DeccaRedCorrection = 50;
    SetupParameters.DeccaGreenCorrection = -125;
    form->ckDeccaPos->setChecked(true);

    ASSERT_EQ(form->cmbLoran->count(), 6);
    EXPECT_EQ(form->cmbLoran->itemText(2), QString::fromUtf8("Tr\u00f8ndelag 4E"));
    EXPECT_EQ(form->cmbLoran->currentText(), "Bergen 0E");
    ASSERT_NE(Decca->SelectedChain(), nullptr);
    EXPECT_EQ(Decca->SelectedChain()->number, 2);
    EXPECT_EQ(Decca->SelectedChain()->laneCorrection, (std::array<double, 3>{0.5, -1.25, 0.0}));
    EXPECT_EQ(form->ChainPanel->height(), 54);
    EXPECT_FALSE(form->csPurpleCorr->isHidden());

    // A correction is stored at once and reaches the converter at OK.
    form->csPurpleCorr->setValue(-9999);
    EXPECT_EQ(Value(SetupParameters.DeccaPurpleCorrection), -9999);
    EXPECT_EQ(Decca->SelectedChain()->laneCorrection[2], 0.0);
    emit form->btnChainOk->clicked();
    EXPECT_EQ(Decca->SelectedChain()->laneCorrection, (std::array<double, 3>{0.5, -1.25, -9999 * 0.01}));
    EXPECT_TRUE(form->ChainPanel->isHidden());

    choose(5);
    EXPECT_EQ(Value(SetupParameters.DeccaChain), 5);
    EXPECT_EQ(Decca->SelectedChain()->name, "Finnmark 7E");
    EXPECT_EQ(Decca->SelectedChain()->laneCorrection, (std::array<double, 3>{0.5, -1.25, -9999 * 0.01}));
    EXPECT_EQ(form->LoranPanel->height(), 69);
    EXPECT_EQ(Value(SetupParameters.LoranChain), 0);  // the LORAN-C chain is left alone
}

// The record keeps Decca chain indexes up to 1000; outside the six chains nothing is selected.
TEST_F(LoranDeccaRowsTest, ADeccaIndexOutsideTheTableIsRefused)
{
    started();
    form->ckDeccaPos->setChecked(true);
    ASSERT_TRUE(Decca->SelectChain(24));
    form->cmbLoran->setCurrentIndex(-1);
    emit form->btnChainOk->clicked();
    EXPECT_EQ(Value(SetupParameters.DeccaChain), 0);
    EXPECT_EQ(Decca->SelectedChain()->number, 24);

    for (int32_t index : {-1, 6, 1000}) {
        EXPECT_FALSE(SelectStoredDeccaChain(index)) << index;
        EXPECT_EQ(Decca->SelectedChain()->number, 24) << index;
    }
    SetupParameters.DeccaChain = 7;
    form->ckDeccaPos->setChecked(false);
    form->ckDeccaPos->setChecked(true);
    EXPECT_EQ(form->cmbLoran->currentIndex(), -1);
    EXPECT_EQ(Decca->SelectedChain()->number, 24);
}

TEST_F(LoranDeccaRowsTest, AtStartUpTheStoredBoxShowsThePanelButNotTheChainList)
{
    shipPictures();
    SetupImage()
        .at<uint8_t>(18518, 1)     // Decca position
        .at<int32_t>(18520, 4)     // Decca chain: Lofoten 3E
        .at<int16_t>(18524, 25)    // red correction
        .at<int16_t>(18528, -300)  // purple correction
        .writeTo(folder / "dta.res");
    QCursor::setPos(QPoint(3, 4));
    const QPoint pointer = QCursor::pos();

    StartupSetup(*form);  // goes as far as the chart engine, which has no chart here

    EXPECT_TRUE(form->ckDeccaPos->isChecked());
    EXPECT_FALSE(form->LoranPanel->isHidden());
    EXPECT_EQ(form->LoranPanel->height(), 69);
    EXPECT_EQ(labels(), (QStringList{"R:", "G:", "P:", ""}));
    EXPECT_EQ(TextColour(form->txLnVal3), UserColour(3));
    EXPECT_EQ(form->csRedCorr->value(), 25);
    EXPECT_EQ(form->cmbLoran->count(), 0);
    EXPECT_TRUE(form->ChainPanel->isHidden());
    EXPECT_EQ(QCursor::pos(), pointer);
    ASSERT_NE(Decca, nullptr);
    EXPECT_EQ(Decca->SelectedChain()->name, "Lofoten 3E");
    EXPECT_EQ(Decca->SelectedChain()->laneCorrection, (std::array<double, 3>{0.25, 0.0, -3.0}));
}

TEST_F(LoranDeccaRowsTest, TheReadingsOfAPosition)
{
    started();
    form->ckLoranPos->setChecked(true);
    ASSERT_TRUE(Loran->SelectChain(4));  // NORWEGIAN SEA: W, X, Y, Z
    ShowNavigationAidReadings(*form, {deg2nrm(5.0), deg2nrm(63.0)});
    EXPECT_EQ(form->txLnVal1->text(), "");
    EXPECT_EQ(form->txLnVal2->text(), "31096.038");
    EXPECT_EQ(form->txLnVal3->text(), "15508.966");
    EXPECT_EQ(form->txLnVal4->text(), "51606.836");
    EXPECT_EQ(form->txLnVal5->text(), "64681.314");

    // No value at the master: nothing that looks like a reading.
    const cmgbase::GeoPoint ejde = Loran->SelectedChain().masterPosition;
    ShowNavigationAidReadings(*form, ejde);
    for (const QLabel* value : {form->txLnVal2, form->txLnVal3, form->txLnVal4, form->txLnVal5})
        EXPECT_EQ(value->text(), "");

    ASSERT_TRUE(Loran->SelectChain(2));  // LABRADOR SEA: W and X only
    ShowNavigationAidReadings(*form, {deg2nrm(-52.0), deg2nrm(50.0)});
    EXPECT_EQ(form->txLnVal2->text(), "13163.162");
    EXPECT_EQ(form->txLnVal3->text(), "32312.947");
    EXPECT_EQ(form->txLnVal4->text(), "");
    EXPECT_EQ(form->txLnVal5->text(), "");

    ASSERT_TRUE(Loran->SelectChain(9));  // SOUTH CENTRAL U.S.: the V secondary too
    ShowNavigationAidReadings(*form, {deg2nrm(-100.0), deg2nrm(33.0)});
    EXPECT_EQ(form->txLnVal1->text(), "16704.084");

    form->ckDeccaPos->setChecked(true);
    ASSERT_TRUE(Decca->SelectChain(25));
    ShowNavigationAidReadings(*form, {deg2nrm(10.5), deg2nrm(58.5)});
    EXPECT_EQ(form->txLnVal2->text(), "  1E 01.87  ");
    EXPECT_EQ(form->txLnVal3->text(), "  1B 34.51  ");
    EXPECT_EQ(form->txLnVal4->text(), "  1A 73.73  ");
    EXPECT_EQ(form->txLnVal5->text(), "");

    // Without the converters nothing is written.
    delete Decca;
    Decca = nullptr;
    form->txLnVal2->setText("kept");
    ShowNavigationAidReadings(*form, {deg2nrm(10.5), deg2nrm(58.5)});
    EXPECT_EQ(form->txLnVal2->text(), "kept");
}

}  // namespace
