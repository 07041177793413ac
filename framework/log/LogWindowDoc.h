// CLogWindowDoc: the document of the trace-log window. It holds nothing: the
// trace list owns the events; the document only completes the template.
#pragma once

#include "afx/Document.h"

class CLogWindowDoc : public CDocument
{
    DECLARE_DYNCREATE(CLogWindowDoc)
public:
    CLogWindowDoc() = default;
};
