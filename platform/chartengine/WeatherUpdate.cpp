#include "platform/chartengine/WeatherUpdate.h"

#include "platform/chartengine/GribReader.h"
#include "platform/chartengine/GribWriter.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QSettings>
#include <QTimeZone>
#include <QTimer>

#include <cmath>
#include <fstream>
#include <system_error>

namespace chartengine {

namespace {

constexpr const char* kGribSuffixes[] = {".grb", ".grib", ".grb2", ".grib2"};
constexpr char kDownloadFileName[] = "weather-download.grb.part";
constexpr char kIncomplete[] = "The weather server closed the connection before the forecast was complete.";

// What went wrong with a download, said plainly.
std::string DownloadFailure(const QNetworkReply& reply, const std::string& url)
{
    const int status = reply.attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    const std::string host = reply.url().host().toStdString();
    if (status >= 400) {
        const std::string code =
            "HTTP " + std::to_string(status) + " " +
            reply.attribute(QNetworkRequest::HttpReasonPhraseAttribute).toString().toStdString();
        if (status == 404 || status == 410)
            return "The weather server has no forecast at " + url + " (" + code + ").";
        if (status == 401 || status == 403)
            return "The weather server refused the forecast (" + code + "): check the address and the access to it.";
        if (status >= 500)
            return "The weather server failed (" + code + "); try again later.";
        return "The weather server did not give the forecast (" + code + ").";
    }
    switch (reply.error()) {
    case QNetworkReply::ConnectionRefusedError: return "The weather server " + host + " refused the connection.";
    case QNetworkReply::HostNotFoundError: return "The weather server " + host + " was not found.";
    case QNetworkReply::TimeoutError: return "The weather server " + host + " did not answer.";
    case QNetworkReply::RemoteHostClosedError: return kIncomplete;
    case QNetworkReply::SslHandshakeFailedError: return "The weather server's certificate was not accepted.";
    default: return "The forecast could not be downloaded: " + reply.errorString().toStdString() + ".";
    }
}

// Download progress in kilobytes, rounded up so that a small file shows too.
int32_t Kilobytes(qint64 bytes) { return static_cast<int32_t>(std::min<qint64>((bytes + 1023) / 1024, INT32_MAX)); }

bool IsGribName(const std::filesystem::path& file)
{
    std::string suffix = file.extension().string();
    for (char& c : suffix)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    for (const char* s : kGribSuffixes)
        if (suffix == s)
            return true;
    return false;
}

double LocalDays(const QDateTime& when)
{
    const QDateTime local = when.toLocalTime();
    return static_cast<double>(QDate(1899, 12, 30).daysTo(local.date())) +
           local.time().msecsSinceStartOfDay() / 86400000.0;
}

QDateTime UtcOf(long yyyymmdd, long hhmm)
{
    return QDateTime(QDate(static_cast<int>(yyyymmdd / 10000), static_cast<int>(yyyymmdd / 100 % 100),
                           static_cast<int>(yyyymmdd % 100)),
                     QTime(static_cast<int>(hhmm / 100), static_cast<int>(hhmm % 100)), QTimeZone::utc());
}

template <typename T>
T PropertyOr(const std::map<int32_t, WeatherProperty>& properties, int32_t code, T fallback)
{
    const auto found = properties.find(code);
    if (found == properties.end())
        return fallback;
    const T* value = std::get_if<T>(&found->second);
    return value ? *value : fallback;
}

}  // namespace

WeatherUpdate::WeatherUpdate(std::filesystem::path programFolder, std::filesystem::path configFile)
    : programFolder_(std::move(programFolder)), configFile_(std::move(configFile))
{
}

WeatherUpdate::~WeatherUpdate() { Abandon(); }

bool WeatherUpdate::ReadConfiguration(Source* source, std::vector<Zone>* zones, std::string* why) const
{
    if (!std::filesystem::exists(configFile_)) {
        *why = "No weather source is configured (" + configFile_.filename().string() + " is missing).";
        return false;
    }
    QSettings ini(QString::fromStdString(configFile_.string()), QSettings::IniFormat);
    const QString location = ini.value("Source/Location").toString().trimmed();
    if (location.isEmpty()) {
        *why = "No weather source is configured.";
        return false;
    }
    source->http = location.startsWith("http://", Qt::CaseInsensitive) ||
                   location.startsWith("https://", Qt::CaseInsensitive);
    if (source->http) {
        source->url = location.toStdString();
    } else {
        const std::filesystem::path folder(location.toStdString());
        source->folder = folder.is_absolute() ? folder : programFolder_ / folder;
    }
    const int count = ini.value("SubZones/Count", 0).toInt();
    for (int i = 1; i <= count && i <= 255; ++i) {
        const QString key = QString("SubZones/%1/").arg(i);
        Zone zone;
        zone.name = ini.value(key + "Name").toString().toStdString();
        zone.south = ini.value(key + "South").toDouble();
        zone.west = ini.value(key + "West").toDouble();
        zone.north = ini.value(key + "North").toDouble();
        zone.east = ini.value(key + "East").toDouble();
        const QDate expiry = QDate::fromString(ini.value(key + "Expiry").toString(), Qt::ISODate);
        zone.expiry = expiry.isValid() ? LocalDays(QDateTime(expiry, QTime(23, 59, 59))) : 0.0;
        zones->push_back(zone);
    }
    return true;
}

HResult WeatherUpdate::ClearRequest(int32_t kind)
{
    if (running_ == kind)
        return kFail;
    if (kind == kRequestWeather)
        for (int32_t code = kUpdateGroups; code <= kUpdateFileName; ++code)
            properties_.erase(code);
    return kOk;
}

HResult WeatherUpdate::PutProperty(int32_t code, const WeatherProperty& value)
{
    if (code < kUpdateGroups || code > kUpdateFileName)
        return kInvalidArgument;
    properties_[code] = value;
    return kOk;
}

HResult WeatherUpdate::GetProperty(int32_t code, WeatherProperty* value) const
{
    if (!value)
        return kNullPointer;
    if (code == kUpdateStatus) {
        *value = status_;
        return kOk;
    }
    if (code == kUpdateErrorReason) {
        *value = reason_;
        return kOk;
    }
    const auto found = properties_.find(code);
    if (found == properties_.end())
        return kInvalidArgument;
    *value = found->second;
    return kOk;
}

HResult WeatherUpdate::StartRequest(int32_t kind)
{
    if (running_ != 0)
        return kFail;
    void (WeatherUpdate::*first)() = nullptr;
    switch (kind) {
    case kRequestLastWeatherDate:
    case kRequestLastCycloneDate: first = &WeatherUpdate::RunDateRequest; break;
    case kRequestSubZones: first = &WeatherUpdate::RunZoneRequest; break;
    case kRequestWeather: first = &WeatherUpdate::RunWeatherRequest; break;
    default: return kInvalidArgument;
    }
    running_ = kind;
    reason_.clear();
    ++generation_;
    Stage(1);
    Next(first);
    return kOk;
}

HResult WeatherUpdate::CancelRequest(int32_t kind)
{
    if (running_ != kind)
        return kFalse;
    Abandon();
    running_ = 0;
    status_ = 0;
    return kOk;
}

HResult WeatherUpdate::Advise(WeatherListeners::Listener listener, int32_t* cookie)
{
    return listeners_.Advise(std::move(listener), cookie);
}

HResult WeatherUpdate::Unadvise(int32_t cookie)
{
    return listeners_.Unadvise(cookie);
}

void WeatherUpdate::Stage(int32_t stage, int32_t total, int32_t done)
{
    status_ = running_ | stage;
    listeners_.PostLater(1, {done, total, status_});
}

void WeatherUpdate::Next(void (WeatherUpdate::*step)())
{
    QTimer::singleShot(0, QCoreApplication::instance(),
                       [this, step, generation = generation_, lifetime = std::weak_ptr<int>(lifetime_)] {
                           if (!lifetime.expired() && generation == generation_)
                               (this->*step)();
                       });
}

void WeatherUpdate::Fail(const std::string& why)
{
    reason_ = why;
    const int32_t word = kStatusError | running_ | (status_ & 0xFFFF);
    Abandon();
    running_ = 0;
    status_ = 0;
    listeners_.PostLater(1, {0, 0, word});
}

void WeatherUpdate::Finish()
{
    const int32_t word = running_ | 8;
    running_ = 0;
    status_ = 0;
    ++generation_;
    listeners_.PostLater(1, {0, 0, word});
}

bool WeatherUpdate::NewestSourceFile(const Source& source, std::filesystem::path* file, double* reference,
                                     std::string* why) const
{
    std::error_code error;
    if (!std::filesystem::is_directory(source.folder, error)) {
        std::filesystem::create_directories(source.folder, error);
        *why = "The weather inbox " + source.folder.string() + " was missing (now made); it holds no GRIB file.";
        return false;
    }
    *reference = 0;
    bool damaged = false;
    for (const auto& entry : std::filesystem::directory_iterator(source.folder, error)) {
        if (!entry.is_regular_file() || !IsGribName(entry.path()))
            continue;
        long date = 0, time = 0;
        if (Failed(ReadGribReference(entry.path(), &date, &time))) {
            damaged = true;
            continue;
        }
        const double days = LocalDays(UtcOf(date, time));
        if (days > *reference) {
            *reference = days;
            *file = entry.path();
        }
    }
    if (*reference == 0) {
        *why = damaged ? "The weather inbox holds no readable GRIB file." : "The weather inbox holds no GRIB file.";
        return false;
    }
    return true;
}

// Stage 2: the configuration read; a request fails with its reason when it cannot be.
bool WeatherUpdate::ReadSource(Source* source, std::vector<Zone>* zones)
{
    Stage(2);
    std::string why;
    if (ReadConfiguration(source, zones, &why))
        return true;
    Fail(why);
    return false;
}

void WeatherUpdate::RunDateRequest()
{
    Source source;
    std::vector<Zone> zones;
    if (!ReadSource(&source, &zones))
        return;
    Stage(3);
    if (running_ == kRequestLastCycloneDate) {
        // Cyclone data: the time of "cyclone.xml" at a folder source; none at a server.
        const std::filesystem::path cyclone = source.folder / "cyclone.xml";
        const QFileInfo info(QString::fromStdString(cyclone.string()));
        properties_[kUpdateLastCycloneDate] = !source.http && info.exists() ? LocalDays(info.lastModified()) : 0.0;
        return Finish();
    }
    if (source.http) {
        sourceFile_.clear();
        properties_[kUpdateLastWeatherDate] = 0.0;
        Fetch(source.url);
        return;
    }
    std::filesystem::path file;
    double reference = 0;
    std::string why;
    if (!NewestSourceFile(source, &file, &reference, &why)) {
        properties_[kUpdateLastWeatherDate] = 0.0;
        return Fail(why);
    }
    properties_[kUpdateLastWeatherDate] = reference;
    Finish();
}

// Streams the source's GRIB file into the download file; its progress is stage 4, FetchDone
// takes it.
void WeatherUpdate::Fetch(const std::string& url)
{
    if (!network_)
        network_ = std::make_unique<QNetworkAccessManager>();
    downloadFile_ = programFolder_ / kDownloadFileName;
    download_ = std::make_unique<QFile>(QString::fromStdString(downloadFile_.string()));
    if (!download_->open(QIODevice::WriteOnly | QIODevice::Truncate))
        return Fail("The forecast cannot be downloaded: " + downloadFile_.string() + " cannot be written.");
    QNetworkReply* reply = network_->get(QNetworkRequest(QUrl(QString::fromStdString(url))));
    reply_ = reply;
    const int32_t generation = generation_;
    QObject::connect(reply, &QNetworkReply::readyRead, reply, [this, reply, generation] {
        if (generation != generation_)
            return;
        const QByteArray bytes = reply->readAll();
        if (download_->write(bytes) != bytes.size())
            return Fail("The downloaded forecast could not be written to " + downloadFile_.string() + ".");
        // Progress as the bytes come (Qt's own progress signal is held back to a few a second).
        bool sized = false;
        const qint64 total = reply->header(QNetworkRequest::ContentLengthHeader).toLongLong(&sized);
        const qint64 done = download_->pos();
        Stage(4, Kilobytes(sized ? std::max(total, done) : done), Kilobytes(done));
    });
    QObject::connect(reply, &QNetworkReply::finished, reply, [this, url, generation] {
        if (generation == generation_)
            FetchDone(url);
    });
}

void WeatherUpdate::FetchDone(const std::string& url)
{
    QNetworkReply* reply = reply_;
    if (!reply)
        return;
    if (reply->error() != QNetworkReply::NoError)
        return Fail(DownloadFailure(*reply, url));
    const QByteArray rest = reply->readAll();
    bool sized = false;
    const qint64 expected = reply->header(QNetworkRequest::ContentLengthHeader).toLongLong(&sized);
    const bool written = download_->write(rest) == rest.size() && download_->flush();
    const qint64 received = download_->size();
    reply_.clear();
    reply->deleteLater();
    download_.reset();
    if (!written)
        return Fail("The downloaded forecast could not be written to " + downloadFile_.string() + ".");
    if (sized && received < expected)
        return Fail(kIncomplete);
    sourceFile_ = downloadFile_;
    long date = 0, time = 0;
    if (Failed(ReadGribReference(sourceFile_, &date, &time)))
        return Fail("The weather server sent no GRIB file.");
    if (running_ == kRequestLastWeatherDate) {
        properties_[kUpdateLastWeatherDate] = LocalDays(UtcOf(date, time));
        StopDownload();
        return Finish();
    }
    Next(&WeatherUpdate::CutAndReplace);
}

void WeatherUpdate::Abandon()
{
    ++generation_;
    StopDownload();
    if (!temporaryFile_.empty()) {
        std::error_code ignored;
        std::filesystem::remove(temporaryFile_, ignored);
        temporaryFile_.clear();
    }
}

void WeatherUpdate::StopDownload()
{
    if (QNetworkReply* reply = reply_) {
        reply_.clear();
        reply->abort();
        reply->deleteLater();
    }
    download_.reset();
    if (!downloadFile_.empty()) {
        std::error_code ignored;
        std::filesystem::remove(downloadFile_, ignored);
        downloadFile_.clear();
    }
}

void WeatherUpdate::RunZoneRequest()
{
    Source source;
    std::vector<Zone> zones;
    if (!ReadSource(&source, &zones))
        return;
    for (int32_t code = kUpdateZoneCount; code <= (kUpdateZoneExpiry | 0xFF); ++code)
        properties_.erase(code);
    properties_[kUpdateZoneCount] = static_cast<int32_t>(zones.size());
    for (size_t i = 0; i < zones.size(); ++i) {
        const auto n = static_cast<int32_t>(i);
        properties_[kUpdateZoneName | n] = zones[i].name;
        properties_[kUpdateZoneSouth | n] = zones[i].south;
        properties_[kUpdateZoneWest | n] = zones[i].west;
        properties_[kUpdateZoneNorth | n] = zones[i].north;
        properties_[kUpdateZoneEast | n] = zones[i].east;
        properties_[kUpdateZoneExpiry | n] = zones[i].expiry;
    }
    Finish();
}

void WeatherUpdate::RunWeatherRequest()
{
    Source source;
    std::vector<Zone> zones;
    if (!ReadSource(&source, &zones))
        return;
    Stage(3);
    if (source.http) {
        // The same fetch as the date request, then the cut.
        Fetch(source.url);
        return;
    }
    double reference = 0;
    std::string why;
    if (!NewestSourceFile(source, &sourceFile_, &reference, &why))
        return Fail(why);
    Next(&WeatherUpdate::CutAndReplace);
}

void WeatherUpdate::CutAndReplace()
{
    const auto* groupList = std::get_if<std::vector<int32_t>>(&properties_[kUpdateGroups]);
    const std::vector<int32_t> groups = groupList ? *groupList : std::vector<int32_t>{};
    const int32_t length = PropertyOr<int32_t>(properties_, kUpdateLength, 240);
    const int32_t step = std::max(1, PropertyOr<int32_t>(properties_, kUpdateStep, 6));
    const double south = PropertyOr<double>(properties_, kUpdateSouth, -90);
    const double north = PropertyOr<double>(properties_, kUpdateNorth, 90);
    const double west = PropertyOr<double>(properties_, kUpdateWest, -180);
    const double east = PropertyOr<double>(properties_, kUpdateEast, 180);
    const std::string fileName = PropertyOr<std::string>(properties_, kUpdateFileName, "gribdata.grb");
    const QDateTime now = QDateTime::currentDateTimeUtc();

    Stage(4, 1, 0);
    std::string bytes;
    bool anyQuantity = false;
    ForecastLoadReport report;
    const HResult read = ReadGribFields(sourceFile_, &report, [&](GribMessageField&& field) {
        const int32_t group = field.code & 0xFF00;
        // Wave direction rides with the wave group, as it does in the display.
        if (std::find(groups.begin(), groups.end(), group) == groups.end())
            return;
        anyQuantity = true;
        const QDateTime valid = UtcOf(field.validityDate, field.validityTime);
        if (field.stepHours % step != 0 || field.stepHours > length || valid.addSecs(step * 3600LL) <= now)
            return;
        const ForecastGrid& g = field.grid;
        const double lastLon = g.wraps ? 360.0 - g.lonStep : g.lonStep * (g.columns - 1);
        // The area's west edge east of the grid's: 0..360 round a grid that circles the globe,
        // else -180..180, so that an area reaching past the grid's west edge starts at its first
        // column.
        double dw = std::fmod(west - g.west + 720.0, 360.0);
        if (!g.wraps && dw > 180.0)
            dw -= 360.0;
        const double de = std::min(east - west >= 360.0 ? lastLon : dw + (east - west), lastLon + (g.wraps ? 360 : 0));
        const int c0 = std::max(0, static_cast<int>(std::floor(dw / g.lonStep + 1e-9)));
        const int c1 = std::min(static_cast<int>(std::ceil(de / g.lonStep - 1e-9)), g.wraps ? c0 + g.columns - 1 : g.columns - 1);
        const int r0 = std::max(0, static_cast<int>(std::floor((south - g.south) / g.latStep + 1e-9)));
        const int r1 = std::min(g.rows - 1, static_cast<int>(std::ceil((north - g.south) / g.latStep - 1e-9)));
        if ((!g.wraps && c0 > g.columns - 1) || c1 - c0 < 1 || r1 - r0 < 1)
            return;
        GribGridField cut;
        cut.edition = static_cast<int>(field.edition);
        const bool total = field.shortName == "tp";
        cut.shortName = total ? "prate" : field.shortName;
        cut.west = g.west + c0 * g.lonStep;
        cut.south = g.south + r0 * g.latStep;
        cut.increment = g.lonStep;
        if (std::abs(g.lonStep - g.latStep) > 1e-9)
            return;
        cut.columns = c1 - c0 + 1;
        cut.rows = r1 - r0 + 1;
        cut.referenceDate = field.dataDate;
        cut.referenceTime = field.dataTime;
        cut.stepHours = field.stepHours;
        for (int r = r0; r <= r1; ++r)
            for (int c = c0; c <= c1; ++c) {
                const float v = field.values[static_cast<size_t>(r) * g.columns + (c % g.columns)];
                cut.values.push_back(total ? v * field.scale / 3600.0 : v);
            }
        bytes += EncodeGribField(cut);
    });
    if (Failed(read))
        return Fail("The newest forecast file " + sourceFile_.filename().string() + " is not a GRIB file.");
    if (!anyQuantity)
        return Fail("The newest forecast file holds none of the selected quantities.");
    if (bytes.empty())
        return Fail("The newest forecast file holds no data for the request area and time.");
    Stage(5, 1, 1);

    const std::filesystem::path target = programFolder_ / fileName;
    temporaryFile_ = target;
    temporaryFile_ += ".part";
    {
        std::ofstream out(temporaryFile_, std::ios::binary | std::ios::trunc);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        out.close();
        if (!out)
            return Fail("The new forecast could not be written.");
    }
    Stage(6);
    Stage(7);
    GribForecast check;
    if (Failed(check.Load(temporaryFile_)))
        return Fail("The new forecast could not be read back.");
    std::error_code error;
    std::filesystem::rename(temporaryFile_, target, error);
    if (error)
        return Fail("The new forecast could not replace " + target.filename().string() + ".");
    temporaryFile_.clear();
    StopDownload();
    if (tool_)
        tool_->Reload();
    Finish();
}

}  // namespace chartengine
