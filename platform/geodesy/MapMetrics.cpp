#include "platform/geodesy/MapMetrics.h"

namespace cmgbase {

void TMapMetrics__init(TMapMetrics& metrics)
{
    metrics = TMapMetrics();
}

void TMapMetrics__clear(TMapMetrics& metrics)
{
    metrics.kind = kMetricsNone;
    metrics.parts.clear();
}

void del__TMapMetrics(TMapMetrics& metrics)
{
    TMapMetrics__init(metrics);
}

}  // namespace cmgbase
