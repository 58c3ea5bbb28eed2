// The display modes on the main window as the start-up wires it, over the chart US4MD81M: the
// program's palette and own colours, the user colours, the swatches and bar glyphs, the symbol
// strip's palette, the tool bar's day and night pictures, the 3D view's palette word, the chart
// drawn at night, and the colours kept inside the program.

#include "SetupTestSupport.h"
#include "StartedProgram.h"

#include "app/ColourScheme.h"
#include "app/ImageList2.h"
#include "app/ImageList3.h"
#include "app/SetupLoad.h"
#include "app/SystemColours.h"
#include "app/TForm1.h"
#include "app/TickState.h"
#include "app/ToolBarGlyphs.h"
#include "chart/ChartLevels.h"
#include "chart/ChartPresentation.h"
#include "chart/MapView.h"
#include "chart/OverlayColours.h"
#include "frame/SharedTables.h"
#include "platform/chartengine/ChartTestSupport.h"
#include "platform/geodesy/NormalisedCoordinates.h"
#include "platform/system/SharedLibrary.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QProcess>
#include <QRadioButton>
#include <QToolBar>
#include <QToolButton>

#include <array>
#include <cstdlib>
#include <memory>

namespace {

uint32_t Windows(const QColor& colour)
{
    return uint32_t(colour.red()) | uint32_t(colour.green()) << 8 | uint32_t(colour.blue()) << 16;
}

uint32_t Windows(QRgb colour)
{
    return Windows(QColor(colour));
}

uint32_t RoleColour(QPalette::ColorRole role)
{
    return Windows(QApplication::palette().color(role));
}

QImage IconImage(const QAbstractButton* button, QSize size)
{
    return button->icon().pixmap(size).toImage().convertToFormat(QImage::Format_ARGB32);
}

// The labels' text colour, the one a palette gives them.
uint32_t TextColour(const QLabel* label)
{
    return Windows(label->palette().color(QPalette::WindowText));
}

// Everything a display mode sets, to compare one moment with another.
struct SchemeState {
    QPalette palette;
    SystemColourSet system;
    std::array<uint32_t, 8> user;
    QList<QRgb> strip;
    std::vector<QImage> glyphs;  // ImageList2 54..59, then ImageList3 8..13
    std::vector<QImage> swatches;
    QImage exitPicture;
    bool dayImages;
    int32_t modeIndex;

    bool operator==(const SchemeState&) const = default;
};

class DisplayModesTest : public BayChartTest {
protected:
    void SetUp() override
    {
        BayChartTest::SetUp();
        ResetTickState();
        startPalette = QApplication::palette();
        startColours = CurrentSystemColours();
        LayOutProgramFolder(folder, engine(), "[C-Map]\n13=Chart engine restarted\n");
        form = StartProgram(QSize(1024, 768));
        ASSERT_TRUE(StartupDone);
        ASSERT_NE(MainMapView, nullptr);
        ASSERT_TRUE(threeD.load(folder, "Halvmark.DLL"));
    }

    void TearDown() override
    {
        StopProgram(form);
        threeD.unload();
        QApplication::setPalette(startPalette);
        BayChartTest::TearDown();
    }

    // The user picks a mode in Daylight.
    void choose(int mode, bool alternativeNight = false)
    {
        SetupParameters.AltNightColours = alternativeNight;
        form->Daylight->setCurrentIndex(mode);
        form->DaylightChange();
    }

    SchemeState state() const
    {
        SchemeState s{QApplication::palette(), CurrentSystemColours(), UserColourTable, form->SymbolStrip.colorTable(),
                      {}, {}, IconImage(form->ExitBtn, ToolBarImageSize), form->DayImagesActive,
                      form->DisplayModeIndex};
        for (int k = 0; k < 6; ++k) {
            s.glyphs.push_back(form->ImageList2.image(FirstColourGlyph2 + k));
            s.glyphs.push_back(form->ImageList3.image(FirstColourGlyph3 + k));
        }
        for (const QLabel* swatch : {form->imgRed, form->imgBlue, form->imgGreen, form->imgYellow, form->imgMagenta,
                                     form->imgBlack, form->imgOrange})
            s.swatches.push_back(swatch->pixmap().toImage());
        return s;
    }

    template <typename Fn>
    Fn threeDEntry(const char* name) const
    {
        return threeD.entry<Fn>(name);
    }

    std::unique_ptr<TForm1> form;
    QPalette startPalette;
    SystemColourSet startColours{};
    platform::SharedLibrary threeD;
};

TEST_F(DisplayModesTest, EachModeSetsThePaletteTheUserColoursTheStripAndTheGlyphs)
{
    const struct {
        int mode;
        bool alternative;
        uint32_t windowText;   // also the button text
        uint32_t buttonFace;   // also the dialogs' background
        uint32_t window;       // edits and lists
        uint32_t highlightText;
        uint32_t captionText;  // the program's own
        std::array<uint32_t, 7> user;  // red, blue, green, yellow, magenta, black, orange
        bool night;            // the tool bar's night pictures
    } cases[] = {
        {0, false, 0x000000, 0xC0C0C0, 0xF0F0F0, 0x000000, 0xFFFFFF,
         {0x0000FF, 0xFF0000, 0x00A000, 0x00F0FF, 0xFF00FF, 0x000001, 0x00B0FF}, false},
        {0, true, 0x000000, 0xC0C0C0, 0xF0F0F0, 0x000000, 0xFFFFFF,
         {0x0000FF, 0xFF0000, 0x00A000, 0x00F0FF, 0xFF00FF, 0x000001, 0x00B0FF}, false},
        {1, true, 0x000000, 0x909090, 0xC0C0C0, 0x000000, 0xE0E0E0,
         {0x0000E0, 0xE00000, 0x00D800, 0x00D0E0, 0xE000E0, 0x000001, 0x00A0E0}, false},
        {2, true, 0x0080A0, 0x404040, 0x404040, 0xD0D0D0, 0xFFFFFF,
         {0x0000D0, 0xF00000, 0x00C000, 0x00E0F0, 0xC000C0, 0xC0C0C0, 0x0070D0}, false},
        {2, false, 0xD0D0D0, 0x505050, 0x404040, 0xD0D0D0, 0xFFFFFF,
         {0x0000D0, 0xF00000, 0x00C000, 0x00E0F0, 0xC000C0, 0xC0C0C0, 0x0070D0}, false},
        {3, true, 0x009000, 0x303030, 0x202020, 0x008000, 0x808080,
         {0x0000A0, 0xA07000, 0x009000, 0x0080A0, 0xA000A0, 0x909090, 0x005090}, true},
        {3, false, 0xA0A0A0, 0x303030, 0x202020, 0x008000, 0x808080,
         {0x0000A0, 0xA07000, 0x009000, 0x0080A0, 0xA000A0, 0x909090, 0x005090}, true},
        {4, false, 0x0080A0, 0x202020, 0x101010, 0x005000, 0x606060,
         {0x000080, 0x806000, 0x006000, 0x005070, 0x800080, 0x606060, 0x003060}, true},
        {4, true, 0x007000, 0x202020, 0x101010, 0x005000, 0x606060,
         {0x000080, 0x806000, 0x006000, 0x005070, 0x800080, 0x606060, 0x003060}, true},
    };
    const QLabel* swatches[] = {form->imgRed,     form->imgBlue,  form->imgGreen, form->imgYellow,
                                form->imgMagenta, form->imgBlack, form->imgOrange};
    constexpr int stripEntries[] = {249, 252, 250, 245, 253, 248};  // their rows by user colour
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "mode " << c.mode << (c.alternative ? " with" : " without")
                                        << " the alternative night colours");
        choose(c.mode, c.alternative);

        for (const QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
            EXPECT_EQ(RoleColour(role), c.windowText) << role;
        EXPECT_EQ(RoleColour(QPalette::Button), c.buttonFace);
        EXPECT_EQ(RoleColour(QPalette::Window), c.buttonFace);
        EXPECT_EQ(RoleColour(QPalette::Base), c.window);
        EXPECT_EQ(RoleColour(QPalette::HighlightedText), c.highlightText);
        EXPECT_EQ(Windows(SystemColour(CaptionTextColourIndex)), c.captionText);

        for (int k = 1; k <= 7; ++k) {
            EXPECT_EQ(UserColourTable[k], c.user[k - 1]) << "user colour " << k;
            EXPECT_EQ(Windows(swatches[k - 1]->pixmap().toImage().pixel(10, 10)), c.user[k - 1]) << "swatch " << k;
        }
        for (int k = 1; k <= 6; ++k)
            EXPECT_EQ(Windows(form->SymbolStrip.color(stripEntries[k - 1])), c.user[k - 1]) << "strip entry of " << k;

        // The colour glyphs of both bars: the colour inside the frame, transparent around it, as
        // the bars' colour buttons show them.
        for (int k = 1; k <= 6; ++k) {
            SCOPED_TRACE(testing::Message() << "glyph of user colour " << k);
            const QImage symbolBar = form->ImageList2.image(FirstColourGlyph2 + k - 1);
            const QImage lineBar = form->ImageList3.image(FirstColourGlyph3 + k - 1);
            for (const QImage& glyph : {symbolBar, lineBar}) {
                EXPECT_EQ(Windows(glyph.pixel(3, 3)), c.user[k - 1]);
                EXPECT_EQ(Windows(glyph.pixel(17, 17)), c.user[k - 1]);
                EXPECT_EQ(glyph.pixel(2, 10), qRgb(0, 0, 0));
                EXPECT_EQ(qAlpha(glyph.pixel(0, 0)), 0);
            }
            EXPECT_EQ(IconImage(BarButton(form->SymbBar, 23 + k), LineBarImageSize), symbolBar);
            EXPECT_EQ(IconImage(BarButton(form->LineBar, 10 + k), LineBarImageSize), lineBar);
        }

        const ImageList& pictures = c.night ? form->ImageList5 : form->ImageList1;
        EXPECT_EQ(form->DayImagesActive, !c.night);
        EXPECT_EQ(IconImage(form->ExitBtn, ToolBarImageSize), pictures.image(ExitImage));
        EXPECT_EQ(IconImage(form->btnMiniAuto, ToolBarImageSize), pictures.image(LookAheadImage));
        EXPECT_EQ(form->DisplayModeIndex, c.mode);
    }
}

TEST_F(DisplayModesTest, FromNightBackToDayGivesTheDayValuesExactly)
{
    const SchemeState day = state();
    ASSERT_EQ(day.user[6], 0x000001u) << "the start-up applies the day scheme once";
    ASSERT_EQ(day.modeIndex, 0);
    for (const auto& [mode, alternative] : {std::pair{4, true}, {2, true}, {3, false}, {1, true}, {4, false}})
        choose(mode, alternative);
    choose(0, true);
    EXPECT_TRUE(state() == day);
}

TEST_F(DisplayModesTest, AModeOutsideTheFiveChangesNothing)
{
    choose(2, true);
    const SchemeState before = state();
    const ChartColourTable chartColours = MainMapView->chartColourTable;
    form->Daylight->setCurrentIndex(-1);
    form->DaylightChange();
    ApplyPresentation(*form, true, true, PresentationColours | PresentationScheme);
    for (const int32_t mode : {-1, 5, 1000})
        ApplyColourScheme(*form, mode);
    EXPECT_TRUE(state() == before);
    EXPECT_EQ(MainMapView->chartColourTable, chartColours);
}

TEST_F(DisplayModesTest, TheDeccaReadoutsFollowTheSchemeOnlyWhileShown)
{
    QPalette own = form->txLnVal2->palette();
    own.setColor(QPalette::WindowText, Qt::cyan);
    form->txLnVal2->setPalette(own);
    choose(3);
    EXPECT_EQ(TextColour(form->txLnVal2), Windows(QColor(Qt::cyan))) << "Decca is not shown";
    form->ckDeccaPos->setChecked(true);
    choose(4);
    EXPECT_EQ(TextColour(form->txLnVal2), UserColourTable[1]);
    EXPECT_EQ(TextColour(form->txLnVal3), UserColourTable[3]);
    EXPECT_EQ(TextColour(form->txLnVal4), UserColourTable[5]);
}

// A live GPS shows in the text colour of the program, which follows the display mode; a missing
// one in red.
TEST_F(DisplayModesTest, TheGpsReadoutKeepsNoTextColourOfItsOwnWhileTheFixIsGood)
{
    for (const bool alive : {false, true, false}) {
        OwnShip.fixAlive = alive;
        OwnShip.gpsQuality = 1;
        OwnShip.satellites = 7;
        form->Timer1Timer();
        for (const QLabel* label : {form->txGPS, form->txSats}) {
            EXPECT_EQ(label->testAttribute(Qt::WA_SetPalette), !alive) << alive;
            if (!alive) {
                EXPECT_EQ(label->palette().color(QPalette::WindowText), QColor(Qt::red));
            }
        }
    }
}

TEST_F(DisplayModesTest, TheZoomPanelKeepsItsWarningInTheNewScheme)
{
    for (const bool warning : {false, true}) {
        ShowZoomPanelWarning(*form, warning);
        choose(4);
        EXPECT_EQ(Windows(form->ZoomPanel->palette().color(QPalette::Window)),
                  warning ? UserColourTable[7] : RoleColour(QPalette::Button))
            << warning;
        choose(0);
    }
}

TEST_F(DisplayModesTest, TheThreeDViewTakesThePaletteOfTheModeUnderItsLock)
{
    const auto reset = threeDEntry<void (*)()>("test_reset");
    const auto length = threeDEntry<int32_t (*)()>("test_record_length");
    const auto word = threeDEntry<int32_t (*)(int32_t)>("test_record_word");
    const auto lockAtPut = threeDEntry<int32_t (*)()>("test_status_c_at_put");
    const ExternalEntries& e = ExternalEntryTable;
    SetupParameters.ThreeDPalette = 2;
    // The palette word is the 3D palette setting plus 4 x the brightness, modes 1 and 2 sharing one.
    const std::pair<int, int32_t> modes[] = {{0, 2}, {1, 6}, {2, 6}, {3, 10}, {4, 14}};
    for (const auto& [mode, palette] : modes) {
        SCOPED_TRACE(mode);
        reset();
        choose(mode);
        EXPECT_EQ(length(), 56);
        EXPECT_EQ(word(52), palette);
        EXPECT_EQ(lockAtPut() & 1, 1) << "written under the lock";
        EXPECT_EQ(e.tGetStatC() & 1, 0) << "the lock is given back";
        EXPECT_EQ(e.tGetStatA() & 8, 8);
    }

    // While the 3D side holds the record it is left alone; the change is still signalled.
    reset();
    e.tPutStatC(2);
    choose(3);
    EXPECT_EQ(length(), -1);
    EXPECT_EQ(e.tGetStatC(), 2);
    EXPECT_EQ(e.tGetStatA() & 8, 8);
}

TEST_F(DisplayModesTest, TheColoursSavedAtTheStartComeBack)
{
    EXPECT_EQ(SavedSystemColours, startColours);
    choose(4, true);
    ASSERT_NE(QApplication::palette(), startPalette);
    EXPECT_TRUE(SaveSetupParameters(true));
    EXPECT_EQ(QApplication::palette(), startPalette);
    EXPECT_EQ(CurrentSystemColours(), startColours);
}

// In mode 4 the chart of the bay shows as the night reference rendering of the chart tests: the
// same place, scale, pixel size and settings, compared with the same tolerance.
TEST_F(DisplayModesTest, InModeFourTheChartDrawsAsItsNightReference)
{
    SetupParameters.DisplayMode = 0;
    SetupParameters.DepthFactor = 1.0f;
    SetupParameters.ShallowContourDepth = 2;
    SetupParameters.SafetyContour = 10;
    SetupParameters.DeepContourDepth = 20;
    SetupParameters.Resolution = 5;  // the map view's own resolution, 3500
    const uint8_t layers[16] = {1, 1, 1, 0, 0, 1, 1, 0};
    std::copy(std::begin(layers), std::end(layers), SetupParameters.ChartLayers);
    form->rbFull->setChecked(true);
    for (int i = 0; i < form->cklChart->count(); ++i)
        form->cklChart->item(i)->setCheckState(Qt::Checked);
    form->lastRedrawKind = -1;
    ASSERT_TRUE(ApplyPresentation(*form, true, false, PresentationCategory | PresentationResolution));
    // 3780 pixels a metre (96 a inch) on a 4:3 screen of 3840 x 2880 pixels.
    ASSERT_EQ(MainMapView->SetMonitorGeometry(4800.0 / (3780.0 * 0.0254), 4.0, 3.0, 3840, 2880), 1);
    MainMapView->SetCentre({cmgbase::deg2nrm(-76.45), cmgbase::deg2nrm(38.97)});
    form->chartLevel = 6;  // 1:22000
    SetChartLevel(*form);

    choose(4);
    const QImage chart = form->MainChartBitmap.convertToFormat(QImage::Format_RGB32);
    const QImage reference =
        QImage(QString::fromLatin1(VARNIK_FIXTURES_DIR "/renderings/US4MD81M_22000_Night.png")).convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(chart.size(), reference.size());
    constexpr int channelTolerance = 24;
    int64_t differing = 0;
    for (int y = 0; y < chart.height(); ++y)
        for (int x = 0; x < chart.width(); ++x) {
            const QRgb p = chart.pixel(x, y), q = reference.pixel(x, y);
            differing += std::abs(qRed(p) - qRed(q)) > channelTolerance ||
                         std::abs(qGreen(p) - qGreen(q)) > channelTolerance ||
                         std::abs(qBlue(p) - qBlue(q)) > channelTolerance;
        }
    const double share = double(differing) / (double(chart.width()) * chart.height());
    if (share > 0.003)
        chart.save(QString::fromStdString((std::filesystem::temp_directory_path() / "night-chart.png").string()));
    EXPECT_LE(share, 0.003) << "the picture drawn now is night-chart.png in the temporary folder";
}

// As a program of the test below: prints the colours it has, or switches to night, prints its
// button face and crashes.
void RunAsChildProgram(const QByteArray& role)
{
    QByteArray line = "colours";
    if (role == "night") {
        TForm1 form;
        form.ImageList3 = MakeImageList3();
        form.ImageList2 = MakeImageList2(QImage());
        ApplyColourScheme(form, 4);
        line += " 0x" + QByteArray::number(Windows(QApplication::palette().color(QPalette::Button)), 16).rightJustified(8, '0');
        std::printf("%s\n", line.constData());
        std::fflush(stdout);
        std::abort();
    }
    for (const uint32_t colour : CurrentSystemColours())
        line += " " + QByteArray::number(colour, 16);
    std::printf("%s\n", line.constData());
}

// Another program started after this one went to night and crashed has the colours of one
// started before: nothing outside the program changed, and nothing outlived it.
TEST(DisplayModeColours, StayInsideTheProgramThatSetThem)
{
    const char* const childRole = "VARNIK_DISPLAY_MODE_CHILD";
    if (qEnvironmentVariableIsSet(childRole))
        return RunAsChildProgram(qgetenv(childRole));
    const auto run = [childRole](const char* role) {
        QProcess child;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QString::fromLatin1(childRole), QString::fromLatin1(role));
        child.setProcessEnvironment(environment);
        child.start(QCoreApplication::applicationFilePath(),
                    {QStringLiteral("--gtest_filter=DisplayModeColours.StayInsideTheProgramThatSetThem")});
        EXPECT_TRUE(child.waitForFinished(60000)) << role;
        // Only the child's own line: the test framework's lines carry timings.
        QByteArray colours;
        for (const QByteArray& line : child.readAllStandardOutput().split('\n'))
            if (line.startsWith("colours"))
                colours = line;
        return std::pair(child.exitStatus() == QProcess::NormalExit && child.exitCode() == 0, colours);
    };
    const auto before = run("read");
    ASSERT_TRUE(before.first);
    const auto night = run("night");
    EXPECT_FALSE(night.first) << "the night program ends by a crash";
    EXPECT_TRUE(night.second.contains("colours 0x00202020")) << night.second.toStdString();
    const auto after = run("read");
    ASSERT_TRUE(after.first);
    EXPECT_EQ(after.second, before.second);
    EXPECT_TRUE(after.second.contains("colours ")) << after.second.toStdString();
}

}  // namespace
