// Pages kept in the program's resources as HTML (type 23), for the panes and
// boxes that show formatted text without a file of their own.
#pragma once

#include "afx/String.h"

// The page's text up to its first zero byte; empty when the resource is
// missing or empty.
CString LoadHtmlResource(UINT id);
