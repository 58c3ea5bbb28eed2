#include "platform/chartengine/ChartSourceReader.h"

#include "platform/chartengine/S57Codes.h"
#include "platform/geodesy/NormalisedCoordinates.h"

#include <gdal_priv.h>
#include <ogrsf_frmts.h>

#include <charconv>
#include <mutex>

namespace chartengine {

using cmgbase::GeoPoint;

namespace {

void RegisterGdal()
{
    static std::once_flag once;
    std::call_once(once, [] { GDALAllRegister(); });
}

// Collects GDAL's messages for the time it lives, instead of printing them.
class GdalMessages {
public:
    explicit GdalMessages(std::vector<std::string>& messages) : messages_(messages)
    {
        CPLPushErrorHandlerEx(&GdalMessages::handle, this);
    }
    ~GdalMessages() { CPLPopErrorHandler(); }
    GdalMessages(const GdalMessages&) = delete;
    GdalMessages& operator=(const GdalMessages&) = delete;

private:
    static void CPL_STDCALL handle(CPLErr, CPLErrorNum, const char* message)
    {
        auto* self = static_cast<GdalMessages*>(CPLGetErrorHandlerUserData());
        self->messages_.emplace_back(message ? message : "");
    }

    std::vector<std::string>& messages_;
};

GeoPoint ToGeoPoint(double longitude, double latitude)
{
    return GeoPoint{cmgbase::deg2nrm(longitude), cmgbase::deg2nrm(latitude)};
}

std::vector<GeoPoint> CurvePoints(const OGRSimpleCurve& curve)
{
    std::vector<GeoPoint> points;
    points.reserve(curve.getNumPoints());
    for (int i = 0; i < curve.getNumPoints(); ++i)
        points.push_back(ToGeoPoint(curve.getX(i), curve.getY(i)));
    return points;
}

void AddPolygon(const OGRPolygon& polygon, std::vector<std::vector<GeoPoint>>& parts)
{
    for (const OGRLinearRing* ring : polygon)
        parts.push_back(CurvePoints(*ring));
}

// The geometry kind and parts of an OGR geometry; kGeometryNone for anything else.
uint8_t ConvertGeometry(const OGRGeometry* geometry, std::vector<std::vector<GeoPoint>>& parts)
{
    if (!geometry || geometry->IsEmpty())
        return kGeometryNone;
    switch (wkbFlatten(geometry->getGeometryType())) {
    case wkbPoint: {
        const auto* point = geometry->toPoint();
        parts.push_back({ToGeoPoint(point->getX(), point->getY())});
        return kGeometryPoint;
    }
    case wkbMultiPoint: {
        std::vector<GeoPoint> points;
        for (const OGRPoint* point : *geometry->toMultiPoint())
            points.push_back(ToGeoPoint(point->getX(), point->getY()));
        parts.push_back(std::move(points));
        return kGeometryPointSet;
    }
    case wkbLineString:
        parts.push_back(CurvePoints(*geometry->toLineString()));
        return kGeometryLine;
    case wkbMultiLineString:
        for (const OGRLineString* line : *geometry->toMultiLineString())
            parts.push_back(CurvePoints(*line));
        return kGeometryLine;
    case wkbPolygon:
        AddPolygon(*geometry->toPolygon(), parts);
        return kGeometryArea;
    case wkbMultiPolygon:
        for (const OGRPolygon* polygon : *geometry->toMultiPolygon())
            AddPolygon(*polygon, parts);
        return kGeometryArea;
    default:
        return kGeometryNone;
    }
}

template <typename T>
void AppendNumber(std::string& text, T value)
{
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    text.append(buffer, result.ptr);
}

// The S-57 text form of a field value: lists are joined with commas.
std::string FieldText(const OGRFeature& feature, int field)
{
    std::string text;
    switch (feature.GetFieldDefnRef(field)->GetType()) {
    case OFTInteger:
        AppendNumber(text, feature.GetFieldAsInteger(field));
        break;
    case OFTReal:
        AppendNumber(text, feature.GetFieldAsDouble(field));
        break;
    case OFTStringList:
        for (char** item = feature.GetFieldAsStringList(field); item && *item; ++item) {
            if (!text.empty())
                text += ',';
            text += *item;
        }
        break;
    case OFTIntegerList: {
        int count = 0;
        const int* values = feature.GetFieldAsIntegerList(field, &count);
        for (int i = 0; i < count; ++i) {
            if (i)
                text += ',';
            AppendNumber(text, values[i]);
        }
        break;
    }
    default:
        text = feature.GetFieldAsString(field);
        break;
    }
    return text;
}

// The 16 hexadecimal digits of a long name (agency, feature id, subdivision); 0 for another text.
uint64_t ParseLongName(const char* text)
{
    uint64_t value = 0;
    const std::string_view digits(text ? text : "");
    if (digits.size() != 16)
        return 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value, 16);
    return error == std::errc() && end == digits.data() + digits.size() ? value : 0;
}

int32_t IntegerField(const OGRFeature& feature, const char* name)
{
    const int field = feature.GetFieldIndex(name);
    return field >= 0 && feature.IsFieldSetAndNotNull(field) ? feature.GetFieldAsInteger(field) : 0;
}

void ReadDatasetIdentification(OGRLayer& layer, SourceCell& cell)
{
    for (const auto& feature : layer) {
        cell.intendedUsage = IntegerField(*feature, "DSID_INTU");
        cell.compilationScale = IntegerField(*feature, "DSPM_CSCL");
        cell.edition = IntegerField(*feature, "DSID_EDTN");
        cell.updateNumber = IntegerField(*feature, "DSID_UPDN");
        cell.issueDate = IntegerField(*feature, "DSID_ISDT");
    }
}

SourceObject ReadFeature(const OGRFeature& feature, const ChartDictionary& dictionary)
{
    SourceObject object;
    object.classCode = IntegerField(feature, "OBJL");
    object.agency = static_cast<uint16_t>(IntegerField(feature, "AGEN"));
    object.featureId = static_cast<uint32_t>(IntegerField(feature, "FIDN"));
    object.subdivision = static_cast<uint16_t>(IntegerField(feature, "FIDS"));
    object.longName = LongName(object.agency, object.featureId, object.subdivision);
    const int refs = feature.GetFieldIndex("LNAM_REFS");
    if (refs >= 0 && feature.IsFieldSetAndNotNull(refs))
        for (char** item = feature.GetFieldAsStringList(refs); item && *item; ++item)
            if (const uint64_t name = ParseLongName(*item))
                object.referencedLongNames.push_back(name);
    for (int field = 0; field < feature.GetFieldCount(); ++field) {
        int32_t code = 0;
        if (!feature.IsFieldSetAndNotNull(field) ||
            dictionary.AttributeCode(feature.GetFieldDefnRef(field)->GetNameRef(), &code) != kOk)
            continue;
        object.attributes.push_back({code, dictionary.TypeOfAttribute(code), FieldText(feature, field)});
    }
    object.kind = ConvertGeometry(feature.GetGeometryRef(), object.parts);
    if (object.classCode == s57class::SOUNDG) {
        const int depth = feature.GetFieldIndex("DEPTH");
        if (depth >= 0 && feature.IsFieldSetAndNotNull(depth))
            object.soundingDepth = static_cast<float>(feature.GetFieldAsDouble(depth));
    }
    return object;
}

}  // namespace

HResult ReadS57Cell(const std::filesystem::path& baseCell, const ChartDictionary& dictionary, SourceCell& cell,
                    std::string& problem)
{
    RegisterGdal();
    GdalMessages messages(cell.warnings);
    // Updates applied, soundings one by one with their depths, texts left in the cell's encoding.
    const char* const openOptions[] = {"UPDATES=APPLY", "RETURN_PRIMITIVES=OFF", "SPLIT_MULTIPOINT=ON",
                                       "ADD_SOUNDG_DEPTH=ON", "LNAM_REFS=ON", "RECODE_BY_DSSI=OFF", nullptr};
    const char* const drivers[] = {"S57", nullptr};
    GDALDatasetUniquePtr dataset(GDALDataset::Open(baseCell.c_str(), GDAL_OF_VECTOR | GDAL_OF_READONLY, drivers,
                                                   openOptions));
    if (!dataset) {
        problem = "not readable as an S-57 cell";
        return kInvalidData;
    }
    cell.name = baseCell.stem().string();
    for (OGRLayer* layer : dataset->GetLayers()) {
        if (std::string_view(layer->GetName()) == "DSID") {
            ReadDatasetIdentification(*layer, cell);
            continue;
        }
        for (const auto& feature : *layer) {
            SourceObject object = ReadFeature(*feature, dictionary);
            if (object.classCode == s57class::M_COVR && object.kind == kGeometryArea) {
                for (const SourceAttribute& attribute : object.attributes)
                    if (attribute.code == s57attribute::CATCOV && attribute.value == "1")
                        cell.coverage.insert(cell.coverage.end(), object.parts.begin(), object.parts.end());
            }
            cell.builder.add(std::move(object));
        }
    }
    return kOk;
}

HResult ReadS57Identification(const std::filesystem::path& file, S57Identification& identification,
                              std::string& problem)
{
    RegisterGdal();
    std::vector<std::string> reasons;
    GdalMessages messages(reasons);
    const char* const openOptions[] = {"UPDATES=NO", nullptr};
    const char* const drivers[] = {"S57", nullptr};
    GDALDatasetUniquePtr dataset(
        GDALDataset::Open(file.c_str(), GDAL_OF_VECTOR | GDAL_OF_READONLY | GDAL_OF_VERBOSE_ERROR, drivers, openOptions));
    OGRLayer* layer = dataset ? dataset->GetLayerByName("DSID") : nullptr;
    if (!layer) {
        problem = reasons.empty() ? "not readable as an S-57 file" : "not readable as an S-57 file (" + reasons.back() + ")";
        return kInvalidData;
    }
    bool found = false;
    for (const auto& feature : *layer) {
        identification.intendedUsage = IntegerField(*feature, "DSID_INTU");
        identification.edition = IntegerField(*feature, "DSID_EDTN");
        identification.updateNumber = IntegerField(*feature, "DSID_UPDN");
        identification.issueDate = IntegerField(*feature, "DSID_ISDT");
        found = true;
    }
    if (!found) {
        problem = "the file holds no data set identification";
        return kInvalidData;
    }
    return kOk;
}

HResult ReadLandAreas(const std::filesystem::path& file, SourceCell& cell, std::string& problem)
{
    RegisterGdal();
    GdalMessages messages(cell.warnings);
    GDALDatasetUniquePtr dataset(GDALDataset::Open(file.c_str(), GDAL_OF_VECTOR | GDAL_OF_READONLY));
    if (!dataset) {
        problem = "not readable as a vector file";
        return kInvalidData;
    }
    cell.name = file.stem().string();
    for (OGRLayer* layer : dataset->GetLayers())
        for (const auto& feature : *layer) {
            std::vector<std::vector<GeoPoint>> parts;
            if (ConvertGeometry(feature->GetGeometryRef(), parts) != kGeometryArea)
                continue;
            SourceObject object;
            object.classCode = s57class::LNDARE;
            object.kind = kGeometryArea;
            object.featureId = static_cast<uint32_t>(feature->GetFID());
            object.parts = std::move(parts);
            cell.builder.add(std::move(object));
        }
    return kOk;
}

}  // namespace chartengine
