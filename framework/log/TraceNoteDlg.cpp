#include "framework/log/TraceNoteDlg.h"

#include "afx/DataExchange.h"
#include "resources/resource.h"

IMPLEMENT_DYNAMIC(CTraceNoteDlg, CDialog)

CTraceNoteDlg::CTraceNoteDlg(CWnd* pParent) : CDialog(IDD_TRACE_NOTE, pParent)
{
}

void CTraceNoteDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_TRACE_NOTE_TEXT, m_strNote);
}
