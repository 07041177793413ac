// The system's non-client metrics (caption, menu, status and message fonts),
// read with the structure size that leaves out the padded-border field, which
// every system version accepts.
#pragma once

#include "afx/Afx.h"

// Size of NONCLIENTMETRICS without iPaddedBorderWidth.
const UINT OXNonClientMetricsSize = 340;

BOOL OXGetNonClientMetrics(NONCLIENTMETRICSA& metrics);
