// The chart of US4MD81M around 38.97 N 76.45 W drawn by the map view at 1:80000 and 1:22000, in
// the day-bright and night schemes, against the reference renderings of tests/fixtures/renderings.
// With VARNIK_RENDERINGS set to a folder, every scheme's rendering is written there (to look at
// them, or to renew the references).

#include "platform/chartengine/ChartTestSupport.h"

#include "chart/ChartDisplayParams.h"
#include "chart/MapManager.h"
#include "chart/MapView.h"
#include "chart/PaletteFiles.h"
#include "frame/SetupParameters.h"
#include "platform/geodesy/NormalisedCoordinates.h"

#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>

using namespace chartengine;

namespace {

constexpr int kWidth = 1024;
constexpr int kHeight = 768;
constexpr double kPixelsPerMetre = 3780.0;  // 96 pixels per inch
// A pixel differs when a channel is off by more than this; at most this share of pixels may.
constexpr int kChannelTolerance = 24;
constexpr double kDifferingShare = 0.003;

const std::filesystem::path kReferences = std::filesystem::path(VARNIK_FIXTURES_DIR) / "renderings";

std::string FileName(int32_t scale, int32_t scheme)
{
    std::string name = ColourSchemeNames[scheme];
    std::erase(name, ' ');
    return "US4MD81M_" + std::to_string(scale) + "_" + name + ".png";
}

// The settings of a passage up the bay: depths in metres, safety contour 10 m, shallow 2 m, deep
// 20 m; soundings, isolated dangers and names shown with paper-chart symbols and symbolized
// boundaries.
ChartDisplayParams PassageParams()
{
    const auto settings = std::make_unique<SetupParametersRecord>();
    settings->DepthFactor = 1.0f;
    settings->ShallowContourDepth = 2;
    settings->SafetyContour = 10;
    settings->DeepContourDepth = 20;
    settings->Resolution = 4;
    const uint8_t layers[] = {1, 1, 1, 0, 0, 1, 1, 0};
    std::copy(std::begin(layers), std::end(layers), settings->ChartLayers);
    return DisplayParamsFromSettings(*settings, PresentationChoice::Other);
}

class ReferenceRendering : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        folder_ = new charttest::TemporaryFolder;
        charttest::InstallCachedDatabase(charttest::DefaultChartFiles(), engine(), "Default");
        charttest::LinkTides(engine());
        charttest::WriteRegistry(registry(), engine(), false);
    }
    static void TearDownTestSuite() { delete folder_; }
    static std::filesystem::path engine() { return folder_->path() / "engine"; }
    static std::filesystem::path registry() { return folder_->path() / "registry.ini"; }

    QImage Render(int32_t scale, int32_t scheme)
    {
        MapManager manager(registry());
        EXPECT_EQ(manager.Init(1), 1);
        MapViewState state;
        state.centre = {cmgbase::deg2nrm(-76.45), cmgbase::deg2nrm(38.97)};
        state.scale = scale;
        state.pixelsPerMetreX = state.pixelsPerMetreY = kPixelsPerMetre;
        MapView view(state);
        EXPECT_EQ(view.Init(0, &manager), 1);
        EXPECT_EQ(view.SetDisplayCategory(2), 1);
        view.displayParams = PassageParams();
        view.parameters.Clear();
        EXPECT_EQ(view.PutPresentationParams(), 1);
        ChartColourTable table{};
        EXPECT_EQ(view.ReadColourTable(scheme, table), 1);
        EXPECT_EQ(view.ApplyColourTable(table), 1);

        QImage image(kWidth, kHeight, QImage::Format_RGB32);
        image.fill(qRgb(table[0], table[1], table[2]));  // where no chart data is: the no-data colour
        QPainter painter(&image);
        painter.translate(kWidth / 2, kHeight / 2);
        painter.scale(1, -1);
        view.DrawChart(painter, {-kWidth / 2, kHeight / 2, kWidth / 2, -kHeight / 2});
        return image;
    }

    static charttest::TemporaryFolder* folder_;
};

charttest::TemporaryFolder* ReferenceRendering::folder_ = nullptr;

// The share of pixels that differ by more than the tolerance in a channel.
double DifferingShare(const QImage& a, const QImage& b)
{
    if (a.size() != b.size())
        return 1.0;
    int64_t differing = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            if (std::abs(qRed(p) - qRed(q)) > kChannelTolerance || std::abs(qGreen(p) - qGreen(q)) > kChannelTolerance ||
                std::abs(qBlue(p) - qBlue(q)) > kChannelTolerance)
                ++differing;
        }
    return double(differing) / (double(a.width()) * a.height());
}

TEST_F(ReferenceRendering, DayBrightAndNightLookAsTheReferences)
{
    const char* output = std::getenv("VARNIK_RENDERINGS");
    for (const int32_t scale : {80000, 22000})
        for (int32_t scheme = 0; scheme < kColourSchemeCount; ++scheme) {
            const bool referenced = scheme == 0 || scheme == 4;
            if (!referenced && !output)
                continue;
            const QImage image = Render(scale, scheme);
            const std::string name = FileName(scale, scheme);
            if (output)
                image.save(QString::fromStdString((std::filesystem::path(output) / name).string()));
            if (!referenced)
                continue;
            const QImage reference(QString::fromStdString((kReferences / name).string()));
            const double share = reference.isNull() ? 1.0
                                                    : DifferingShare(image.convertToFormat(QImage::Format_RGB32),
                                                                     reference.convertToFormat(QImage::Format_RGB32));
            if (share >= kDifferingShare) {
                const std::filesystem::path actual = std::filesystem::temp_directory_path() / name;
                image.save(QString::fromStdString(actual.string()));
                ADD_FAILURE() << name << ": " << share * 100 << " % of the pixels differ; the rendering is " << actual;
            }
        }
}

TEST_F(ReferenceRendering, SchemesChangeTheColoursNotThePicture)
{
    // Where the day picture shows deep water, the night picture shows night deep water.
    const QImage day = Render(22000, 0);
    const QImage night = Render(22000, 4);
    const ColourRgb dayDeep = kS52ColourTables[0][30], nightDeep = kS52ColourTables[4][30];  // DEPMS
    int64_t deep = 0, matching = 0;
    for (int y = 0; y < kHeight; y += 4)
        for (int x = 0; x < kWidth; x += 4)
            if (day.pixel(x, y) == qRgb(dayDeep.r, dayDeep.g, dayDeep.b)) {
                ++deep;
                matching += night.pixel(x, y) == qRgb(nightDeep.r, nightDeep.g, nightDeep.b);
            }
    ASSERT_GT(deep, 1000);
    EXPECT_GT(double(matching) / deep, 0.99);
}

}  // namespace
