#include "userdata/SeabedExport.h"

#include "frame/CoverageGrid.h"
#include "frame/DepthExportFile.h"
#include "frame/SeabedGrid.h"
#include "frame/SetupParameters.h"
#include "frame/SharedTables.h"
#include "userdata/DatabaseReports.h"
#include "userdata/SeabedHooks.h"
#include "userdata/SeabedTiles.h"
#include "userdata/TDptEdit.h"
#include "userdata/UserDatabase.h"

#include <QWidget>

#include <algorithm>
#include <cstdio>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <limits>
#include <memory>
#include <vector>

using namespace platform::isam;

namespace {

// From this chart level on, modes 1 and 2 take one cell in (level - ThinningBase).
constexpr int32_t LastUnthinnedLevel = 7;
constexpr int32_t ThinningBase = 6;
// The columns beyond the area's own that a row still looks at.
constexpr int32_t ColumnMargin = 10;
// A click takes a cell whose pixel lies less than this from it in x and in y.
constexpr int32_t ClickReach = 4;
// The depth edit dialog opens this far right of and below the cell, its corner held this far
// inside the chart's right and bottom edges.
constexpr int32_t DialogOffsetX = 2;
constexpr int32_t DialogOffsetY = 29;
constexpr int32_t DialogRightMargin = 54;
constexpr int32_t DialogBottomMargin = 16;
// Backup records take depths above 0 and below this (0.1 m).
constexpr uint32_t BackupDepthLimit = 30000;
// The upper 3D depth bound of the colour rule when the setting is 0.
constexpr int32_t OpenDepthTo = 10000;

constexpr int32_t RangeColour = 1;   // red: within the 3D depth range
constexpr int32_t OutsideColour = 3; // green: outside it
constexpr int32_t PlainColour = 5;   // magenta: no range marked

constexpr int32_t ScopeAll = 1;   // data scope bit: all data
constexpr int32_t ScopeArea = 4;  // data scope bit: a limited area

#pragma pack(push, 1)
struct BackupRecord {
    int32_t x;
    int32_t y;
    uint16_t depth;
};
#pragma pack(pop)
static_assert(sizeof(BackupRecord) == 10);

struct TileKey {
    int32_t column;
    int32_t row;
};

int32_t Resolution()
{
    return SeabedHook.tileResolution ? SeabedHook.tileResolution() : SeabedCoarseResolution;
}

int32_t ChartLevel()
{
    return SeabedHook.chartLevel ? SeabedHook.chartLevel() : 0;
}

std::optional<ScreenPoint> ScreenPointOf(const cmgbase::GeoPoint& point)
{
    return SeabedHook.screenPoint ? SeabedHook.screenPoint(point) : std::nullopt;
}

// x within x1..x2 along the wrapping longitude axis, so an area across the 180th meridian
// (x2 below x1) holds the points on both sides of it.
bool InsideX(const cmgbase::GeoRect& area, int32_t x)
{
    return uint32_t(x) - uint32_t(area.x1) <= uint32_t(area.x2) - uint32_t(area.x1);
}

bool Inside(const cmgbase::GeoRect& area, const cmgbase::GeoPoint& point)
{
    return InsideX(area, point.x) && point.y >= area.y1 && point.y <= area.y2;
}

int16_t Clamp16(int64_t value)
{
    return int16_t(std::clamp<int64_t>(value, std::numeric_limits<int16_t>::min(),
                                       std::numeric_limits<int16_t>::max()));
}

// The depth as the chart shows it, in the depth unit.
double ShownDepth(uint16_t recorded)
{
    return double(recorded) * double(SetupParameters.DepthFactor) * 0.1;
}

// Whether modes 4 and 5 take a recorded depth: all data, or a depth within the 3D depth range.
bool Chosen(uint16_t recorded)
{
    if (SetupParameters.DataScope & ScopeAll)
        return true;
    const int64_t from = int64_t(SetupParameters.ThreeDDepthFrom) * 10;
    const int64_t to = int64_t(SetupParameters.ThreeDDepthTo) * 10;
    return (from == 0 || recorded >= from) && (to == 0 || recorded <= to);
}

// The stored value of a depth answered in whole units of the depth unit.
uint16_t StoredDepth(int32_t answer)
{
    double value = double(answer) * 10.0;
    const float factor = SetupParameters.DepthFactor;
    if (factor != 1.0f)
        value = (value + 5.0) / double(factor);
    if (value < 10.0)
        return 0;
    return uint16_t(std::min(value, 65535.0));
}

class SeabedSweep {
public:
    SeabedSweep(const cmgbase::GeoRect& area, int32_t mode)
        : area_(area), mode_(mode), grid_(Resolution()), level_(ChartLevel())
    {
        allTiles_ = mode_ == SeabedBackupMode && SeabedHook.depthsChosen && SeabedHook.depthsChosen() &&
                    (SetupParameters.DataScope & ScopeArea) == 0;
        if ((mode_ == SeabedPointsMode || mode_ == SeabedDrawMode) && level_ > LastUnthinnedLevel)
            thinning_ = level_ - ThinningBase;
    }

    SeabedExportResult run()
    {
        if (mode_ == SeabedPointsMode && !ThreeDExportFile.file)
            return result_;
        if (mode_ == SeabedBackupMode && !openBackup())
            return result_;
        if (mode_ == SeabedEditMode) {
            click_ = SeabedHook.clickPixel ? SeabedHook.clickPixel() : std::nullopt;
            if (!click_)
                return result_;
        }
        for (const TileKey& key : tiles()) {
            sweepTile(key);
            if (ended_)
                break;
        }
        if (mode_ == SeabedDrawMode && !labels_.empty() && SeabedHook.drawDepthLabels)
            SeabedHook.drawDepthLabels(labels_);
        if (mode_ == SeabedBackupMode)
            closeBackup();
        return result_;
    }

private:
    bool heldTile(const TileKey& key) const
    {
        const SeabedTile& held = CurrentSeabedTile;
        return held.valid && held.keyX == key.column && held.keyY == key.row;
    }

    bool columnInRange(const TileKey& key) const
    {
        if (allTiles_ || area_.x2 < area_.x1)
            return true;
        const float factor = grid_.lonFactor(key.row);
        return key.column >= int64_t(grid_.column(area_.x1, factor)) - ColumnMargin &&
               key.column <= int64_t(grid_.column(area_.x2, factor)) + ColumnMargin;
    }

    // The tiles to visit in key order: the stored ones of the rows y1 / R - 1 to y2 / R and near
    // the area's columns (all of them for a backup of every tile), and the held tile among them.
    std::vector<TileKey> tiles() const
    {
        const int16_t firstRow = Clamp16(int64_t(grid_.row(area_.y1)) - 1);
        const int16_t lastRow = Clamp16(grid_.row(area_.y2));
        std::vector<TileKey> keys;
        if (UserIsam.fileMode(SeabedFile)) {
            SeabedRecord& head = SeabedBuffer;
            const auto headBytes = bytesOf(head).first(SeabedHeadLength);
            Status read;
            if (allTiles_) {
                read = UserIsam.readFirst(SeabedKey, headBytes);
            } else {
                head.tileRow = firstRow;
                head.tileColumn = std::numeric_limits<int16_t>::min();
                read = UserIsam.readGreaterOrEqual(SeabedKey, UserKeyValue(SeabedKey, headBytes), headBytes);
            }
            while (read == Status::Ok) {
                const TileKey key{head.tileColumn, head.tileRow};
                if (!allTiles_ && key.row > lastRow)
                    break;
                if (columnInRange(key))
                    keys.push_back(key);
                read = UserIsam.readNext(SeabedKey, headBytes);
            }
            CheckRecordStatus("read", SeabedFile, read);
        }
        const SeabedTile& held = CurrentSeabedTile;
        const TileKey heldKey{held.keyX, held.keyY};
        const bool heldInRows = allTiles_ || (held.keyY >= firstRow && held.keyY <= lastRow);
        if (held.valid && held.changed && heldInRows && columnInRange(heldKey)) {
            const auto before = [](const TileKey& a, const TileKey& b) {
                return a.row != b.row ? a.row < b.row : a.column < b.column;
            };
            const auto at = std::lower_bound(keys.begin(), keys.end(), heldKey, before);
            if (at == keys.end() || at->column != heldKey.column || at->row != heldKey.row)
                keys.insert(at, heldKey);
        }
        return keys;
    }

    // The tile to change: the held tile itself, else a copy loaded from its record.
    SeabedTile& changeable(const TileKey& key)
    {
        if (heldTile(key))
            return CurrentSeabedTile;
        if (!work_)
            work_ = std::make_unique<SeabedTile>();
        if (!work_->valid || work_->keyX != key.column || work_->keyY != key.row)
            LoadSeabedTile(*work_, key.column, key.row);
        return *work_;
    }

    void sweepTile(const TileKey& key)
    {
        std::vector<StoredSeabedCell> cells;
        if (heldTile(key)) {
            cells = SeabedTileCells(CurrentSeabedTile);
        } else {
            uint32_t length = 0;
            SeabedRecord& head = SeabedBuffer;
            head.tileRow = int16_t(key.row);
            head.tileColumn = int16_t(key.column);
            const Status read = CheckRecordStatus(
                "read", SeabedFile,
                UserIsam.readEqual(SeabedKey, UserKeyValue(SeabedKey, bytesOf(head).first(SeabedHeadLength)),
                                   bytesOf(SeabedBuffer)));
            if (read != Status::Ok)
                return;
            length = UserIsam.currentRecordLength(SeabedFile);
            if (!SeabedRecordCells(SeabedBuffer, length, cells))
                ReportRecordFailure({"read", SeabedFile, Status::BadRecordLength});
        }
        const float factor = grid_.lonFactor(key.row);
        bool emptied = false;
        for (const StoredSeabedCell& cell : cells) {
            if (thinning_ > 0 && thinCounter_++ % thinning_ != 0)
                continue;
            const cmgbase::GeoPoint centre = grid_.centre(key.column, key.row, factor, cell.i, cell.j);
            if (!allTiles_ && !Inside(area_, centre))
                continue;
            switch (mode_) {
            case SeabedPointsMode:
                writePoint(centre, cell);
                break;
            case SeabedDrawMode:
                addLabel(centre, cell);
                break;
            case SeabedEditMode:
                if (editNear(key, centre, cell))
                    return;
                break;
            case SeabedEmptyMode:
                if (Chosen(cell.depth)) {
                    SeabedCell& emptied_cell = changeable(key).at(cell.i, cell.j);
                    emptied_cell.meanDepth = 0;
                    emptied_cell.count = 0;
                    emptied = true;
                    ++result_.count;
                }
                break;
            case SeabedBackupMode:
                writeBackupRecord(centre, cell);
                break;
            default:
                break;
            }
        }
        if (emptied)
            storeChanged(key);
    }

    void storeChanged(const TileKey& key)
    {
        SeabedTile& tile = changeable(key);
        tile.changed = true;
        StoreSeabedTile(tile);
    }

    void writePoint(const cmgbase::GeoPoint& centre, const StoredSeabedCell& cell)
    {
        if (WriteUserDepth(centre, -ShownDepth(cell.depth)))
            ++result_.count;
    }

    void addLabel(const cmgbase::GeoPoint& centre, const StoredSeabedCell& cell)
    {
        const auto pixel = ScreenPointOf(centre);
        if (!pixel)
            return;
        double shown = ShownDepth(cell.depth);
        if (SeabedHook.depthUnitSetting && SeabedHook.depthUnitSetting() > 2)
            shown *= 0.01;
        char text[32];
        std::snprintf(text, sizeof text, level_ == 0 ? "%.1f" : "%.0f", shown);
        int32_t colour = PlainColour;
        if (SeabedHook.threeDRangeMarking && SeabedHook.threeDRangeMarking()) {
            const double rounded = std::round(shown);
            const int32_t from = SetupParameters.ThreeDDepthFrom;
            const int32_t setTo = SetupParameters.ThreeDDepthTo;
            const int32_t to = setTo == 0 ? OpenDepthTo : setTo;
            colour = rounded > from && rounded < to ? RangeColour : OutsideColour;
        }
        labels_.push_back({pixel->x, pixel->y, text, colour});
        ++result_.count;
    }

    // The depth edit of the first cell near the click: true when it ends the sweep.
    bool editNear(const TileKey& key, const cmgbase::GeoPoint& centre, const StoredSeabedCell& cell)
    {
        const auto pixel = ScreenPointOf(centre);
        if (!pixel || std::abs(int64_t(pixel->x) - click_->x) >= ClickReach ||
            std::abs(int64_t(pixel->y) - click_->y) >= ClickReach)
            return false;
        ended_ = true;
        const int32_t shown = int32_t(std::lround(ShownDepth(cell.depth)));
        const std::optional<int32_t> answer = askDepth(*pixel, shown);
        if (!answer || (*answer == shown && *answer != 0))
            return true;
        SeabedCell& edited = changeable(key).at(cell.i, cell.j);
        edited.column = cell.i;
        edited.row = cell.j;
        edited.meanDepth = StoredDepth(*answer);
        if (edited.meanDepth == 0)
            edited.count = 0;
        storeChanged(key);
        result_.count = 1;
        return true;
    }

    static std::optional<int32_t> askDepth(const ScreenPoint& pixel, int32_t shown)
    {
        QWidget* chart = SeabedHook.chartArea ? SeabedHook.chartArea() : nullptr;
        QPoint corner(pixel.x + DialogOffsetX, pixel.y + DialogOffsetY);
        if (chart) {
            corner.setX(std::min(corner.x(), chart->width() - DialogRightMargin));
            corner.setY(std::min(corner.y(), chart->height() - DialogBottomMargin));
            corner = chart->mapToGlobal(corner);
        }
        if (DptEdit)
            return AskDepth(*DptEdit, shown, corner);
        TDptEdit dialog(chart);
        return AskDepth(dialog, shown, corner);
    }

    bool openBackup()
    {
        backupPath_ = ProgramFolder / "Temp" / "varnv.dat";
        backup_ = std::fopen(backupPath_.c_str(), "wb");
        result_.complete = backup_ != nullptr;
        return backup_ != nullptr;
    }

    void writeBackupRecord(const cmgbase::GeoPoint& centre, const StoredSeabedCell& cell)
    {
        if (!Chosen(cell.depth) || cell.depth == 0 || cell.depth >= BackupDepthLimit)
            return;
        const BackupRecord record{centre.x, centre.y, cell.depth};
        if (std::fwrite(&record, sizeof record, 1, backup_) != 1)
            result_.complete = false;
        ++result_.count;
    }

    // Closes the backup file; one not written completely is removed, so that no part of the
    // depths passes for a backup of them.
    void closeBackup()
    {
        if (std::fclose(backup_) != 0)
            result_.complete = false;
        backup_ = nullptr;
        if (!result_.complete) {
            std::error_code ignored;
            std::filesystem::remove(backupPath_, ignored);
        }
    }

    cmgbase::GeoRect area_;
    int32_t mode_;
    SeabedGrid grid_;
    int32_t level_;
    bool allTiles_ = false;
    int32_t thinning_ = 0;
    int64_t thinCounter_ = 0;
    std::optional<ScreenPoint> click_;
    bool ended_ = false;
    std::vector<SeabedDepthLabel> labels_;
    std::unique_ptr<SeabedTile> work_;
    std::FILE* backup_ = nullptr;
    std::filesystem::path backupPath_;
    SeabedExportResult result_;
};

}  // namespace

SeabedExportResult ExportSeabed(const cmgbase::GeoRect& area, int32_t mode)
{
    if (mode < SeabedPointsMode || mode > SeabedBackupMode)
        return {};
    // A tile a tile change left goes into the file first, so that the sweep finds its cells.
    FlushSeabedTile(SeabedFlushTile, false, true, 0, 0);
    return SeabedSweep(area, mode).run();
}
