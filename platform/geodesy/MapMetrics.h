#pragma once
// The engine's metric geometry of one chart object: its points in the projection plane's metric
// units, grouped in parts (the single point, each line, each ring of an area, the point set).

#include <cstdint>
#include <vector>

namespace cmgbase {

struct MetricPoint {
    int32_t x = 0;
    int32_t y = 0;

    friend bool operator==(const MetricPoint&, const MetricPoint&) = default;
};

enum MetricsKind : int32_t {
    kMetricsNone = 0,
    kMetricsPoint = 1,
    kMetricsLine = 2,
    kMetricsArea = 3,
    kMetricsPointSet = 6,
};

struct TMapMetrics {
    int32_t kind = kMetricsNone;
    std::vector<std::vector<MetricPoint>> parts;
};

// Makes the metrics empty, with no storage held: the state of a new one.
void TMapMetrics__init(TMapMetrics& metrics);
// Empties the metrics for the next object; the outer storage is kept for reuse.
void TMapMetrics__clear(TMapMetrics& metrics);
// Releases what the metrics hold; it may be filled again afterwards.
void del__TMapMetrics(TMapMetrics& metrics);

}  // namespace cmgbase
