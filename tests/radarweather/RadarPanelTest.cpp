// The radar side panel, the overlay and the status callback, offscreen, over a recording radar.

#include "RadarTestSupport.h"

#include "chart/ChartWindow.h"
#include "frame/SetupParameters.h"
#include "frame/SharedTables.h"
#include "platform/chartengine/ChartRadar.h"
#include "radarweather/TRadar.h"
#include "radarweather/TRadarCtrl.h"
#include "sensors/OwnShipState.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSlider>
#include <QStyle>

#include <gtest/gtest.h>

namespace {

using testing::_;

class RadarPanelTest : public testing::Test {
protected:
    void SetUp() override
    {
        saved = SetupParameters;
        OwnShip.markerValidity = 0;
        RadarAvailable = true;
        auto made = AnsweringService({1000, 20000}, {"1 km", "20 km"});
        service = made.get();
        ON_CALL(*service, PutProperty(chartengine::RP_RANGE, _))
            .WillByDefault([this](int32_t, const chartengine::RadarValue& value) {
                sentRanges.push_back(std::get<double>(value));
                return chartengine::kOk;
            });
        RadarService = new RadarManager(Handing(std::move(made)), "missing-Rp.ini");
        ASSERT_EQ(RadarService->Init(&ready.view), 0);
        Radar = new TRadar;
        RadarCtrl = new TRadarCtrl;
        RadarCtrl->chart = &window;
    }
    void TearDown() override
    {
        delete RadarCtrl;
        RadarCtrl = nullptr;
        delete Radar;
        Radar = nullptr;
        delete RadarService;
        RadarService = nullptr;
        SetupParameters = saved;
        RadarAvailable = false;
    }

    SetupParametersRecord saved;
    ReadyView ready;
    ChartWindow window;
    MockRadarService* service = nullptr;
    std::vector<double> sentRanges;
    QObject owner;
};

TEST_F(RadarPanelTest, BrightnessGivesTheOverlaysAlphaUnderEachDayNightMode)
{
    struct Case {
        int32_t position;
        int32_t mode;
        int alpha;
    };
    for (const Case& c : {Case{12, 0, 102}, Case{12, 3, 40}, Case{3, 0, 216}, Case{15, 4, 19}}) {
        window.DisplayModeIndex = c.mode;
        RadarCtrl->tbAlpha->setValue(c.position);
        RadarCtrl->tbAlphaChange();
        EXPECT_EQ(Radar->alpha(), c.alpha) << c.position << " " << c.mode;
        EXPECT_EQ(SetupParameters.RadarAlpha, c.position);
    }
}

TEST_F(RadarPanelTest, FormShowRaisesStoredValuesAndTheClutterBarsStoreNinetyNineMinusTheirPosition)
{
    SetupParameters.RadarAlpha = 0;
    SetupParameters.RadarGain = 0;
    SetupParameters.RadarSea = 0;
    SetupParameters.RadarRain = 40;
    RadarCtrl->FormShow();
    EXPECT_EQ(RadarCtrl->tbAlpha->value(), 3);
    EXPECT_EQ(SetupParameters.RadarAlpha, 3);  // the bar's handler ran as it moved
    EXPECT_EQ(RadarCtrl->tbGain->value(), 48);  // 99 - 50 held to the bar's maximum
    EXPECT_EQ(SetupParameters.RadarGain, 50);   // the bar was there already: no handler
    EXPECT_EQ(RadarCtrl->tbSea->value(), 99);
    EXPECT_EQ(RadarCtrl->tbRain->value(), 59);
    EXPECT_EQ(SetupParameters.RadarRain, 40);
    EXPECT_EQ(RadarCtrl->width(), TRadarCtrl::NarrowWidth);
    EXPECT_EQ(RadarCtrl->lbRange->count(), 4);
    EXPECT_EQ(RadarCtrl->lbRange->item(1)->text(), "- - -");
    EXPECT_EQ(RadarCtrl->btRange->text(), "Chart");

    RadarCtrl->tbSea->setValue(0);
    EXPECT_EQ(SetupParameters.RadarSea, 99);
    RadarCtrl->tbSea->setValue(99);
    EXPECT_EQ(SetupParameters.RadarSea, 0);
    EXPECT_EQ(RadarService->sea, 0);
    EXPECT_EQ(RadarService->rain, 40);
}

TEST_F(RadarPanelTest, RangeItemsGiveTheirRangesWhileTheOverlayRuns)
{
    EXPECT_NEAR(ChartItemRange(50000, 19), 13300, 1e-6);
    EXPECT_NEAR(RadarItemRange(6.0f), 16666.67, 0.01);
    // The product of scale and inches no longer wraps at 32 bits; it is held to the table.
    EXPECT_DOUBLE_EQ(ChartItemRange(100000000, 43), 20000);

    window.mainScale = 50000;
    SetupParameters.MonitorSize = 19;
    RadarCtrl->FormShow();
    EXPECT_TRUE(sentRanges.empty()) << "nothing while the overlay does not run";
    ASSERT_EQ(RadarService->Start(&owner), 0);

    // "- - -": no radar sentences, so the chart's range.
    RadarCtrl->lbRange->setCurrentRow(1);
    RadarCtrl->lbRangeClick();
    EXPECT_EQ(RadarCtrl->lbRange->currentRow(), 0);
    EXPECT_EQ(RadarCtrl->btRange->text(), "Chart");
    RadarCtrl->lbRange->setCurrentRow(3);
    RadarCtrl->lbRangeClick();
    EXPECT_EQ(RadarCtrl->btRange->text(), "20 km");
    EXPECT_EQ(sentRanges.size(), 2u);
    EXPECT_NEAR(sentRanges.front(), 13300, 1e-6);
    EXPECT_EQ(sentRanges.back(), 20000);

    RadarCtrl->btRangeClick();
    EXPECT_EQ(RadarCtrl->width(), TRadarCtrl::WideWidth);
    EXPECT_FALSE(RadarCtrl->lbRange->isHidden());
}

// Every range label of the chart radar can be read whole in the range list and on the range
// button, without scrolling the list sideways.
TEST_F(RadarPanelTest, TheRangeLabelsFitTheListAndTheButton)
{
    EXPECT_EQ(RadarCtrl->lbRange->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    // An item's text keeps the style's text margin from either side of the list's inside.
    QListWidget* list = RadarCtrl->lbRange;
    const int textMargin = list->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, list) + 1;
    const int listRoom = list->width() - 2 * list->frameWidth() - 2 * textMargin;
    const int buttonRoom = RadarCtrl->btRange->width() - 4;
    for (const std::string& label : chartengine::ChartRadar::RangeLabels()) {
        const QString text = QString::fromStdString(label);
        EXPECT_LE(list->fontMetrics().horizontalAdvance(text), listRoom) << label;
        EXPECT_LE(RadarCtrl->btRange->fontMetrics().horizontalAdvance(text), buttonRoom) << label;
    }
}

TEST_F(RadarPanelTest, TheStatusCallbackShowsThePulseAndAFailedCall)
{
    struct Case {
        int32_t frameInfo;
        bool failedCall;
        const char* text;
    };
    for (const Case& c : {Case{5, true, "MP1 !"}, Case{3, false, "----"}, Case{7, false, "LP"}, Case{4, false, "SP"}}) {
        if (c.failedCall)
            RadarService->SetPalette(2);
        ASSERT_EQ(RadarService->state(), c.failedCall ? 2 : 1);
        RadarService->frameInfo = c.frameInfo;
        EXPECT_EQ(ShowRadarStatus(0, 0, ""), 0);
        EXPECT_EQ(RadarCtrl->txPulse->text(), c.text);
        EXPECT_EQ(RadarService->state(), 1);
    }
    RadarCtrl->txPulse->setText("x");
    ShowRadarStatus(1, 0, "");
    EXPECT_EQ(RadarCtrl->txPulse->text(), "x");
}

// White shows the chart; every other colour at the alpha.
TEST(RadarOverlay, ColourKeyAndAlpha)
{
    QImage bitmap(2, 1, QImage::Format_RGB32);
    bitmap.setPixel(0, 0, qRgb(255, 255, 255));
    bitmap.setPixel(1, 0, qRgb(0, 200, 0));
    const QImage keyed = ColourKeyed(bitmap, 102);
    EXPECT_EQ(qAlpha(keyed.pixel(0, 0)), 0);
    EXPECT_EQ(qAlpha(keyed.pixel(1, 0)), 102);
    EXPECT_EQ(qGreen(keyed.pixel(1, 0)), 200 * 102 / 255);  // premultiplied
}

}  // namespace
