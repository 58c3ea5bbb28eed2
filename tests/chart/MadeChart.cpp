#include "MadeChart.h"

#include "platform/chartengine/S57Codes.h"

#include <QPainter>

#include <climits>

using namespace chartengine;

namespace charttest {

TemporaryFolder* MadeChartTest::folder_ = nullptr;

std::filesystem::path MadeChartTest::engine() { return folder_->path() / "engine"; }

std::filesystem::path MadeChartTest::registry() { return folder_->path() / "registry.ini"; }

void MadeChartTest::SetUpTestSuite()
{
    folder_ = new TemporaryFolder;
    const double w = kCentreLongitude - 0.05, s = kCentreLatitude - 0.05, e = kCentreLongitude + 0.05,
                 n = kCentreLatitude + 0.05;
    int32_t navigationLine = 0, pile = 0;
    const ChartDictionary* dictionary = ChartDictionary::Shared();
    ASSERT_EQ(dictionary->ObjectClassCode("NAVLNE", &navigationLine), kOk);
    ASSERT_EQ(dictionary->ObjectClassCode("PILPNT", &pile), kOk);
    WriteMadeDatabase(
        engine(), "Made",
        {MadeObject(s57class::DEPARE, kGeometryArea,
                    {Degrees(w, s), Degrees(e, s), Degrees(e, n), Degrees(w, n), Degrees(w, s)},
                    {{"DRVAL1", "20"}, {"DRVAL2", "30"}}),
         MadeObject(pile, kGeometryPoint, {Degrees(kCentreLongitude, kCentreLatitude)}),
         MadeObject(s57class::LNDARE, kGeometryPoint, {Degrees(kCentreLongitude + kIslandEast, kCentreLatitude)}),
         MadeObject(pile, kGeometryPoint, {Degrees(kCentreLongitude - kIslandEast, kCentreLatitude)},
                    {{"SCAMIN", "10000"}}),
         MadeObject(navigationLine, kGeometryLine, {{-INT32_MAX, 1 << 30}, {INT32_MAX, 1 << 30}})});
    LinkTides(engine());
    WriteRegistry(registry(), engine(), false);
}

void MadeChartTest::TearDownTestSuite() { delete folder_; }

void MadeChartTest::SetUp()
{
    ASSERT_EQ(manager_.Init(1), 1);
    ASSERT_EQ(view_.Init(0, &manager_), 1);
    ASSERT_EQ(view_.SetCentre(Degrees(kCentreLongitude, kCentreLatitude)), 1);
    ASSERT_EQ(view_.SetScale(22000), 1);
}

QImage MadeChartTest::Draw(MapView& view)
{
    QImage image(kImageWidth, kImageHeight, QImage::Format_RGB32);
    image.fill(kUndrawn);
    QPainter painter(&image);
    painter.translate(kImageWidth / 2, kImageHeight / 2);
    painter.scale(1, -1);
    view.DrawChart(painter, {-kImageWidth / 2, kImageHeight / 2, kImageWidth / 2, -kImageHeight / 2});
    return image;
}

QRgb MadeChartTest::TableColour(const MapView& view, int token) const
{
    const ChartColourTable& t = view.chartColourTable;
    return qRgb(t[3 * token], t[3 * token + 1], t[3 * token + 2]);
}

ChartObject MadeChartTest::ObjectAt(const cmgbase::GeoPoint& position, int32_t classCode) const
{
    SearchRequest request;
    cmgbase::GeoCover__asn_GeoRect(request.cover, {position.x, position.y, position.x, position.y});
    std::unique_ptr<ObjectEnumerator> objects;
    EXPECT_EQ(manager_.currentGeoDatabase->Search(request, &objects), kOk);
    ChartObject object;
    while (objects && objects->Next(&object) == kOk)
        if (object.ClassCode() == classCode)
            return object;
    ADD_FAILURE() << "no object of class " << classCode;
    return {};
}

}  // namespace charttest
