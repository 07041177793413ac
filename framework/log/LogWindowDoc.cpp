#include "framework/log/LogWindowDoc.h"

IMPLEMENT_DYNCREATE(CLogWindowDoc, CDocument)
