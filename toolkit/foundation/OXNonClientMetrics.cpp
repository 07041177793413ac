#include "toolkit/foundation/OXNonClientMetrics.h"

#include <cstddef>

static_assert(offsetof(NONCLIENTMETRICSA, iPaddedBorderWidth) == OXNonClientMetricsSize,
              "the short structure ends where the padded-border field begins");

BOOL OXGetNonClientMetrics(NONCLIENTMETRICSA& metrics)
{
    metrics = {};
    metrics.cbSize = OXNonClientMetricsSize;
    return ::SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, OXNonClientMetricsSize, &metrics, 0);
}
