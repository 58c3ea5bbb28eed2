// The cell US4MD81M with its updates and the world base, installed once, against what GDAL itself
// reads from the same files.

#include "platform/chartengine/ChartTestSupport.h"

#include "platform/chartengine/AreaCheck.h"
#include "platform/chartengine/GeoDatabase.h"
#include "platform/chartengine/GeoProjection.h"
#include "platform/chartengine/Presentation.h"
#include "platform/chartengine/S57Codes.h"
#include "platform/geodesy/NormalisedCoordinates.h"

#include <gdal_priv.h>
#include <ogrsf_frmts.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <tuple>

using namespace chartengine;
using cmgbase::GeoPoint;
using cmgbase::GeoRect;

namespace {

constexpr int32_t kCellScale = 80000;

// One object as both sides can name it: class, long name and first point.
using ObjectKey = std::tuple<int32_t, uint64_t, int32_t, int32_t>;

double Quantised(double degrees) { return cmgbase::nrm2deg(cmgbase::deg2nrm(degrees)); }

// The geometry with every coordinate on the normalised grid the store keeps.
void Quantise(OGRGeometry* geometry)
{
    switch (wkbFlatten(geometry->getGeometryType())) {
    case wkbPoint: {
        OGRPoint* p = geometry->toPoint();
        p->setX(Quantised(p->getX()));
        p->setY(Quantised(p->getY()));
        break;
    }
    case wkbLineString:
    case wkbLinearRing: {
        OGRSimpleCurve* c = geometry->toSimpleCurve();
        for (int i = 0; i < c->getNumPoints(); ++i)
            c->setPoint(i, Quantised(c->getX(i)), Quantised(c->getY(i)));
        break;
    }
    case wkbPolygon:
        for (OGRLinearRing* ring : *geometry->toPolygon())
            Quantise(ring);
        break;
    default:
        for (OGRGeometry* part : *geometry->toGeometryCollection())
            Quantise(part);
        break;
    }
}

struct GdalObject {
    int32_t classCode;
    uint64_t longName;
    std::unique_ptr<OGRGeometry> geometry;
    double depth;
};

GeoPoint FirstPoint(const OGRGeometry& geometry)
{
    OGRPoint point;
    if (wkbFlatten(geometry.getGeometryType()) == wkbPoint)
        point = *geometry.toPoint();
    else {
        std::unique_ptr<OGRGeometry> boundary;
        const OGRGeometry* g = &geometry;
        while (!OGR_GT_IsCurve(wkbFlatten(g->getGeometryType())) && wkbFlatten(g->getGeometryType()) != wkbPoint) {
            if (wkbFlatten(g->getGeometryType()) == wkbPolygon)
                g = g->toPolygon()->getExteriorRing();
            else
                g = g->toGeometryCollection()->getGeometryRef(0);
        }
        if (wkbFlatten(g->getGeometryType()) == wkbPoint)
            point = *g->toPoint();
        else
            g->toSimpleCurve()->getPoint(0, &point);
    }
    return {cmgbase::deg2nrm(point.getX()), cmgbase::deg2nrm(point.getY())};
}

// What GDAL reads of the cell with the updates applied, soundings one by one.
std::vector<GdalObject> ReadWithGdal(const std::filesystem::path& cell)
{
    GDALAllRegister();
    const char* const options[] = {"UPDATES=APPLY", "RETURN_PRIMITIVES=OFF", "SPLIT_MULTIPOINT=ON", "ADD_SOUNDG_DEPTH=ON",
                                   nullptr};
    GDALDatasetUniquePtr dataset(GDALDataset::Open(cell.c_str(), GDAL_OF_VECTOR, nullptr, options));
    std::vector<GdalObject> objects;
    if (!dataset)
        return objects;
    for (OGRLayer* layer : dataset->GetLayers()) {
        if (std::string_view(layer->GetName()) == "DSID")
            continue;
        for (const auto& feature : *layer) {
            GdalObject object{feature->GetFieldAsInteger("OBJL"),
                              std::stoull(feature->GetFieldAsString("LNAM"), nullptr, 16), nullptr, 0.0};
            if (const OGRGeometry* geometry = feature->GetGeometryRef()) {
                object.geometry.reset(geometry->clone());
                Quantise(object.geometry.get());
            }
            if (feature->GetFieldIndex("DEPTH") >= 0)
                object.depth = feature->GetFieldAsDouble("DEPTH");
            objects.push_back(std::move(object));
        }
    }
    return objects;
}

uint64_t LongNameOf(const ChartObject& object)
{
    const Guid id = object.Identifier();
    uint64_t name = 0;
    for (const uint8_t byte : id.data4)
        name = (name << 8) | byte;
    return name;
}

ObjectKey KeyOf(const ChartObject& object)
{
    const GeoPoint first = object.Geometry()[0][0];
    return {object.ClassCode(), LongNameOf(object), first.x, first.y};
}

GeoRect RectDegrees(double west, double south, double east, double north)
{
    return {cmgbase::deg2nrm(west), cmgbase::deg2nrm(south), cmgbase::deg2nrm(east), cmgbase::deg2nrm(north)};
}

class InstalledCell : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        folder_ = new charttest::TemporaryFolder;
        charttest::InstallCachedDatabase(charttest::DefaultChartFiles(), folder_->path() / "engine", "Default");
        gdal_ = new std::vector<GdalObject>(ReadWithGdal(charttest::FixtureChart("US4MD81M/US4MD81M.000")));
    }
    static void TearDownTestSuite()
    {
        delete gdal_;
        delete folder_;
    }

    void SetUp() override
    {
        database_ = std::make_unique<GeoDatabase>(folder_->path() / "engine");
        ASSERT_EQ(database_->Open(""), kOk);
    }

    // The objects of the cover at the cell's scale, with an optional filter.
    std::vector<ChartObject> Query(const GeoRect& rect, std::shared_ptr<GeoDatabaseQueryFilter> filter = nullptr,
                                   int32_t priorityHandle = 0)
    {
        std::unique_ptr<GeoDatabaseQuery> query;
        EXPECT_EQ(database_->NewQuery(&query), kOk);
        cmgbase::GeoCover cover;
        cmgbase::GeoCover__asn_GeoRect(cover, rect);
        EXPECT_EQ(query->SetCover(cover, kCellScale, kCellScale, -1), kOk);
        EXPECT_EQ(query->SetFilter(std::move(filter)), kOk);
        EXPECT_EQ(query->SetPriorityList(priorityHandle), kOk);
        EXPECT_EQ(query->Run(), kOk);
        std::unique_ptr<ObjectEnumerator> objects;
        EXPECT_EQ(query->Objects(&objects), kOk);
        std::vector<ChartObject> found;
        ChartObject object;
        while (objects->Next(&object) == kOk)
            found.push_back(object);
        return found;
    }

    std::vector<ChartObject> CellObjects()
    {
        std::vector<ChartObject> objects = Query(RectDegrees(-180, -85, 180, 85));
        std::erase_if(objects, [](const ChartObject& o) { return o.UsageBand() != 4; });
        return objects;
    }

    static charttest::TemporaryFolder* folder_;
    static std::vector<GdalObject>* gdal_;
    std::unique_ptr<GeoDatabase> database_;
};

charttest::TemporaryFolder* InstalledCell::folder_ = nullptr;
std::vector<GdalObject>* InstalledCell::gdal_ = nullptr;

TEST_F(InstalledCell, HoldsEveryObjectGdalReadsPerClass)
{
    std::map<int32_t, int> expected, installed;
    for (const GdalObject& object : *gdal_)
        if (object.geometry)
            ++expected[object.classCode];
    for (const ChartObject& object : CellObjects())
        ++installed[object.ClassCode()];
    EXPECT_EQ(installed, expected);
    EXPECT_EQ(expected[s57class::LIGHTS], 151);
    EXPECT_GT(expected[s57class::SOUNDG], 3000);
    EXPECT_GT(expected[s57class::DEPARE], 500);
}

TEST_F(InstalledCell, SoundingsKeepTheirPositionsAndDepths)
{
    std::multiset<std::tuple<int32_t, int32_t, float>> expected, installed;
    for (const GdalObject& object : *gdal_)
        if (object.classCode == s57class::SOUNDG) {
            const GeoPoint p = FirstPoint(*object.geometry);
            expected.emplace(p.x, p.y, static_cast<float>(object.depth));
        }
    for (const ChartObject& object : CellObjects())
        if (object.ClassCode() == s57class::SOUNDG) {
            ASSERT_EQ(object.Kind(), kGeometryPoint);
            const GeoPoint p = object.Geometry()[0][0];
            installed.emplace(p.x, p.y, static_cast<float>(object.SoundingDepth().value_or(-999)));
        }
    EXPECT_EQ(installed, expected);
}

TEST_F(InstalledCell, LightKeepsItsAttributes)
{
    const GeoPoint position{cmgbase::deg2nrm(-76.4632436), cmgbase::deg2nrm(38.9273839)};
    const std::vector<ChartObject> objects = Query({position.x - 10, position.y - 10, position.x + 10, position.y + 10});
    const auto light = std::find_if(objects.begin(), objects.end(), [](const ChartObject& o) {
        return o.ClassCode() == s57class::LIGHTS && LongNameOf(o) == 0x022601EC7AD70032;
    });
    ASSERT_NE(light, objects.end());
    const ObjectDescription description = light->Description();
    EXPECT_EQ(description.kind, kGeometryPoint);
    EXPECT_NEAR(description.point.x, position.x, 2);
    EXPECT_NEAR(description.point.y, position.y, 2);
    EXPECT_EQ(description.bounds, (GeoRect{description.point.x, description.point.y, description.point.x, description.point.y}));
    const auto attribute = [&](const char* acronym) {
        int32_t code = 0;
        EXPECT_EQ(database_->Dictionary()->AttributeCode(acronym, &code), kOk);
        AttributeValue value;
        EXPECT_EQ(light->Attribute(code, &value), kOk) << acronym;
        return value;
    };
    EXPECT_EQ(attribute("COLOUR").list(), std::vector<int32_t>{3});
    EXPECT_EQ(attribute("COLOUR").type, AttributeType::List);
    EXPECT_EQ(attribute("LITCHR").integer(), 2);
    EXPECT_DOUBLE_EQ(attribute("SIGPER").real().value(), 4.0);
    EXPECT_DOUBLE_EQ(attribute("HEIGHT").real().value(), 4.6);
    EXPECT_EQ(attribute("SIGGRP").text, "(1)");
    EXPECT_EQ(attribute("SCAMIN").integer(), 179999);
    AttributeValue missing;
    EXPECT_EQ(light->Attribute(116, &missing), kFalse);  // no OBJNAM
}

TEST_F(InstalledCell, QueryGivesExactlyTheObjectsMeetingTheRectangle)
{
    const struct {
        GeoRect rect;
        bool insideCoverage;  // of the cell, where the world base gives nothing
    } cases[] = {
        {RectDegrees(-76.4700, 38.9200, -76.4600, 38.9300), true},   // around a light off Annapolis
        {RectDegrees(-76.40, 38.60, -76.30, 38.75), true},           // the middle of the bay
        {RectDegrees(-76.2001, 38.4203, -76.1999, 38.4205), true},   // a tiny rectangle
        {RectDegrees(-76.60, 38.80, -76.55, 39.10), false},          // a strip reaching north of the cell
    };
    for (const auto& [rect, insideCoverage] : cases) {
        OGRPolygon box;
        OGRLinearRing ring;
        for (const auto& [x, y] : {std::pair{rect.x1, rect.y1}, {rect.x2, rect.y1}, {rect.x2, rect.y2},
                                   {rect.x1, rect.y2}, {rect.x1, rect.y1}})
            ring.addPoint(cmgbase::nrm2deg(x), cmgbase::nrm2deg(y));
        box.addRing(&ring);
        std::multiset<ObjectKey> expected, found;
        for (const GdalObject& object : *gdal_)
            if (object.geometry && object.geometry->Intersects(&box)) {
                const GeoPoint first = FirstPoint(*object.geometry);
                expected.emplace(object.classCode, object.longName, first.x, first.y);
            }
        bool worldBase = false;
        for (const ChartObject& object : Query(rect)) {
            if (object.UsageBand() == 0)
                worldBase = true;
            else
                found.insert(KeyOf(object));
        }
        EXPECT_FALSE(expected.empty());
        EXPECT_EQ(found, expected) << "rectangle " << rect.x1 << " " << rect.y1;
        EXPECT_EQ(worldBase, !insideCoverage) << "rectangle " << rect.x1 << " " << rect.y1;
    }
}

TEST_F(InstalledCell, WorldBaseAnswersOutsideTheCell)
{
    const std::vector<ChartObject> objects = Query(RectDegrees(5, 45, 10, 50));  // central Europe
    ASSERT_FALSE(objects.empty());
    for (const ChartObject& object : objects) {
        EXPECT_EQ(object.UsageBand(), 0);
        EXPECT_EQ(object.ClassCode(), s57class::LNDARE);
    }
}

TEST_F(InstalledCell, FilterDecidesAndSeesEveryCandidate)
{
    struct LightsOnly : GeoDatabaseQueryFilter {
        HResult Filter(int32_t reserved, const ChartObject* object, int32_t* reject) override
        {
            EXPECT_EQ(reserved, 0);
            EXPECT_EQ(*reject, 0);
            ++calls;
            *reject = object->ClassCode() != s57class::LIGHTS;
            return kOk;
        }
        int calls = 0;
    };
    const GeoRect rect = RectDegrees(-76.50, 38.80, -76.30, 39.00);
    const size_t all = Query(rect).size();
    const auto filter = std::make_shared<LightsOnly>();
    const std::vector<ChartObject> lights = Query(rect, filter);
    EXPECT_EQ(static_cast<size_t>(filter->calls), all);
    ASSERT_FALSE(lights.empty());
    EXPECT_TRUE(std::all_of(lights.begin(), lights.end(),
                            [](const ChartObject& o) { return o.ClassCode() == s57class::LIGHTS; }));
}

TEST_F(InstalledCell, PriorityListOrdersTheObjects)
{
    const PriorityRecord records[] = {{s57class::LIGHTS, 0, 0, 0}, {s57class::SOUNDG, 0, 1, 0}, {s57class::DEPARE, 0, 2, 0}};
    int32_t handle = 0;
    ASSERT_EQ(database_->InstallPriorityList(3, records, &handle), kOk);
    const std::vector<ChartObject> objects = Query(RectDegrees(-76.50, 38.80, -76.30, 39.00), nullptr, handle);
    std::vector<int> ranks;
    for (const ChartObject& object : objects)
        ranks.push_back(object.ClassCode() == s57class::LIGHTS   ? 0
                        : object.ClassCode() == s57class::SOUNDG ? 1
                        : object.ClassCode() == s57class::DEPARE ? 2
                                                                 : 3);
    EXPECT_TRUE(std::is_sorted(ranks.begin(), ranks.end()));
    EXPECT_EQ(ranks.front(), 0);
    EXPECT_EQ(ranks.back(), 3);

    EXPECT_EQ(database_->WithdrawPriorityList(handle), kOk);
    std::unique_ptr<GeoDatabaseQuery> query;
    ASSERT_EQ(database_->NewQuery(&query), kOk);
    EXPECT_EQ(query->SetPriorityList(handle), kInvalidArgument);
    EXPECT_EQ(database_->WithdrawPriorityList(handle), kInvalidArgument);
}

TEST_F(InstalledCell, IdentifierFindsTheObjectAgain)
{
    const std::vector<ChartObject> objects = Query(RectDegrees(-76.47, 38.92, -76.46, 38.93));
    ASSERT_FALSE(objects.empty());
    for (const ChartObject& object : objects) {
        ChartObject again;
        ASSERT_EQ(database_->ObjectByIdentifier(object.Identifier(), &again), kOk);
        EXPECT_EQ(KeyOf(again), KeyOf(object));
        EXPECT_EQ(GuidFromText(GuidToText(object.Identifier())), object.Identifier());
    }
    Guid stale = objects.front().Identifier();
    stale.data4[7] ^= 0xFF;
    ChartObject none;
    EXPECT_EQ(database_->ObjectByIdentifier(stale, &none), kInvalidArgument);
    EXPECT_EQ(database_->ObjectByIdentifier(Guid{}, &none), kInvalidArgument);
    Guid beyond = objects.front().Identifier();
    beyond.data2 = 0xFFFF;
    EXPECT_EQ(database_->ObjectByIdentifier(beyond, &none), kInvalidArgument);
}

TEST_F(InstalledCell, AggregateKnowsItsPartsAndThePartsTheAggregate)
{
    const std::vector<ChartObject> objects = CellObjects();
    int32_t aggregates = 0;
    for (const ChartObject& object : objects) {
        std::unique_ptr<ObjectEnumerator> parts;
        ASSERT_EQ(object.ReferencedObjects(&parts), kOk);
        ChartObject part;
        while (parts->Next(&part) == kOk) {
            ++aggregates;
            std::unique_ptr<ObjectEnumerator> owners;
            ASSERT_EQ(part.ReferringObjects(&owners), kOk);
            bool found = false;
            ChartObject owner;
            while (owners->Next(&owner) == kOk)
                found = found || owner.Identifier() == object.Identifier();
            EXPECT_TRUE(found);
        }
    }
    EXPECT_GT(aggregates, 0);
}

TEST_F(InstalledCell, CellsDescribeThemselvesAndAreFoundByPositionAndScale)
{
    std::map<int32_t, std::vector<int32_t>> descriptions;
    for (int32_t cell = 1; cell <= 2; ++cell)
        ASSERT_EQ(database_->CellDescription(cell, &descriptions[cell]), kOk);
    std::vector<int32_t> none;
    EXPECT_EQ(database_->CellDescription(3, &none), kInvalidArgument);
    EXPECT_EQ(database_->CellDescription(0, &none), kInvalidArgument);
    const auto& enc = descriptions[1][kCellWordUsageBand] == 4 ? descriptions[1] : descriptions[2];
    EXPECT_EQ(enc[kCellWordIntendedUsage], 4);
    EXPECT_EQ(enc[kCellWordCompilationScale], 80000);
    EXPECT_EQ(enc[kCellWordEdition], 31);
    EXPECT_EQ(enc[kCellWordUpdateNumber], 3);

    const auto bandsAt = [&](double longitude, double latitude, int32_t finestScale) {
        std::unique_ptr<CellEnumerator> cells;
        EXPECT_EQ(database_->NewCellEnumerator(&cells), kOk);
        const GeoPoint p{cmgbase::deg2nrm(longitude), cmgbase::deg2nrm(latitude)};
        cmgbase::GeoCover cover;
        cmgbase::GeoCover__asn_GeoRect(cover, {p.x, p.y, p.x, p.y}, 1000000000, finestScale);
        EXPECT_EQ(cells->SetCover(cover), kOk);
        std::vector<int32_t> bands;
        int32_t cell = 0;
        while (cells->Next(&cell) == kOk)
            bands.push_back(descriptions[cell][kCellWordUsageBand]);
        std::sort(bands.begin(), bands.end());
        return bands;
    };
    EXPECT_EQ(bandsAt(-76.40, 38.70, 0), (std::vector<int32_t>{0, 4}));
    EXPECT_EQ(bandsAt(-40.0, 30.0, 0), (std::vector<int32_t>{0}));
    EXPECT_EQ(bandsAt(-76.40, 38.70, 1000000), (std::vector<int32_t>{0}));
}

TEST_F(InstalledCell, PresentationsShowTheirDisplayCategories)
{
    PresentationFactory factory;
    std::map<std::string, std::unique_ptr<Presentation>> presentations;
    for (const char* name : {kBasePresentationName, kStandardPresentationName, kOtherPresentationName})
        ASSERT_EQ(factory.Create(name, database_.get(), &presentations[name]), kOk);
    std::unique_ptr<Presentation> unknown;
    EXPECT_EQ(factory.Create("S52 Mariner", database_.get(), &unknown), kInvalidArgument);

    const auto visible = [&](const std::string& name, const ChartObject& object) {
        int32_t shown = -1;
        EXPECT_EQ(presentations[name]->IsVisible(&object, 0, &shown), kOk);
        return shown;
    };
    std::map<int32_t, std::array<int32_t, 3>> byClass;
    for (const ChartObject& object : Query(RectDegrees(-76.50, 38.80, -76.30, 39.00))) {
        const int32_t base = visible(kBasePresentationName, object);
        const int32_t standard = visible(kStandardPresentationName, object);
        const int32_t other = visible(kOtherPresentationName, object);
        EXPECT_LE(base, standard);
        EXPECT_LE(standard, other);
        byClass[object.ClassCode()] = {base, standard, other};
    }
    EXPECT_EQ(byClass[s57class::DEPARE], (std::array<int32_t, 3>{1, 1, 1}));
    EXPECT_EQ(byClass[s57class::LIGHTS], (std::array<int32_t, 3>{0, 1, 1}));
    EXPECT_EQ(byClass[s57class::SOUNDG], (std::array<int32_t, 3>{0, 0, 1}));
}

TEST_F(InstalledCell, AreaObjectProjectsRingByRing)
{
    GeoProjection projection;
    ProjectionBlock block;
    ASSERT_EQ(projection.GetBlock(&block), kOk);
    block.scale = kCellScale;
    block.centre = {cmgbase::deg2nrm(-76.4), cmgbase::deg2nrm(38.7)};
    ASSERT_EQ(projection.PutBlock(block), kOk);
    for (const ChartObject& object : Query(RectDegrees(-76.45, 38.65, -76.35, 38.75))) {
        if (object.Kind() != kGeometryArea)
            continue;
        cmgbase::TMapMetrics metrics;
        ASSERT_EQ(object.MetricGeometry(projection, &metrics), kOk);
        EXPECT_EQ(metrics.kind, cmgbase::kMetricsArea);
        ASSERT_EQ(metrics.parts.size(), object.Geometry().size());
        for (size_t p = 0; p < metrics.parts.size(); ++p)
            EXPECT_EQ(metrics.parts[p].size(), object.Geometry()[p].size());
    }
}

TEST_F(InstalledCell, AreaCheckKeepsDangersAndWatchedAreas)
{
    const auto run = [&](float safetyDepth, int32_t limit, GeoPoint start, std::vector<ChartObject>& found) {
        AreaQuery query;
        EXPECT_EQ(query.Attach(database_.get()), kOk);
        auto filter = std::make_shared<AreaCheckFilter>();
        EXPECT_EQ(filter->SetSafetyDepth(safetyDepth), kOk);
        EXPECT_EQ(filter->SetVesselHeight(30.0f), kOk);
        EXPECT_EQ(query.SetFilter(filter), kOk);
        EXPECT_EQ(query.SetLimit(limit), kOk);
        EXPECT_EQ(query.SetTimeout(-1), kOk);
        EXPECT_EQ(query.SetStartPoint(start), kOk);
        cmgbase::TGeoPolygone sector;
        for (const auto& [lon, lat] : {std::pair{-76.42, 38.70}, {-76.38, 38.76}, {-76.34, 38.70}, {-76.42, 38.70}})
            cmgbase::TGeoPolygone__add_GeoPoint(sector, {cmgbase::deg2nrm(lon), cmgbase::deg2nrm(lat)});
        EXPECT_EQ(query.SetPolygon(sector), kOk);
        std::unique_ptr<ObjectEnumerator> objects;
        const HResult result = query.Run(&objects);
        found.clear();
        ChartObject object;
        while (objects && objects->Next(&object) == kOk)
            found.push_back(object);
        return result;
    };
    std::vector<ChartObject> shallow, deep;
    ASSERT_EQ(run(3.0f, 1000, kNoStartPoint, shallow), kOk);
    ASSERT_EQ(run(30.0f, 1000, kNoStartPoint, deep), kOk);
    EXPECT_GT(deep.size(), shallow.size());
    for (const ChartObject& object : shallow) {
        if (object.ClassCode() == s57class::SOUNDG) {
            EXPECT_LT(object.SoundingDepth().value(), 3.0);
        }
        AttributeValue drval1;
        if (object.ClassCode() == s57class::DEPARE && object.Attribute(s57attribute::DRVAL1, &drval1) == kOk) {
            EXPECT_LT(drval1.real().value(), 3.0);
        }
        EXPECT_NE(object.ClassCode(), 43);  // depth contours are never dangers
    }

    std::vector<ChartObject> nearest;
    const GeoPoint start{cmgbase::deg2nrm(-76.38), cmgbase::deg2nrm(38.76)};
    ASSERT_EQ(run(30.0f, 5, start, nearest), kOk);
    EXPECT_EQ(nearest.size(), 5u);

    // Nothing in the sector is shallower than -100 m, and no watched area lies in it either, or
    // the check reports it; either way no danger class is given.
    std::vector<ChartObject> none;
    const HResult result = run(-100.0f, 1000, kNoStartPoint, none);
    for (const ChartObject& object : none)
        EXPECT_TRUE(std::find(kWatchedAreaClasses.begin(), kWatchedAreaClasses.end(), object.ClassCode()) !=
                        kWatchedAreaClasses.end() ||
                    object.ClassCode() == s57class::OBSTRN || object.ClassCode() == s57class::WRECKS ||
                    object.ClassCode() == s57class::UWTROC || object.ClassCode() == s57class::LNDARE)
            << object.ClassCode();
    EXPECT_TRUE(result == kOk || result == kNoInterface);
}

}  // namespace
