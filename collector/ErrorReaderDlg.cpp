#include "collector/ErrorReaderDlg.h"

#include "afx/DataExchange.h"
#include "framework/crash/ExceptionReport.h"
#include "framework/util/FileFunctions.h"
#include "resources/resource.h"

namespace {
const char NoFileText[] = "No file";
const int ButtonIconSize = 16;
}

IMPLEMENT_DYNAMIC(CErrorReaderDlg, CBaseDlg)

BEGIN_MESSAGE_MAP(CErrorReaderDlg, CBaseDlg)
END_MESSAGE_MAP()

CErrorReaderDlg::CErrorReaderDlg(CWnd* pParent)
    : CBaseDlg(IDD_ERROR_READER, pParent), m_btnOK(), m_editReport()
{
    m_strSettingsName = "CErrorReaderDlg";
}

CErrorReaderDlg::~CErrorReaderDlg() = default;

void CErrorReaderDlg::DoDataExchange(CDataExchange* pDX)
{
    CBaseDlg::DoDataExchange(pDX);
    DDX_Control(pDX, IDOK, m_btnOK);
    DDX_Control(pDX, IDC_REPORT_TEXT, m_editReport);
}

CString CErrorReaderDlg::ReadLastReport()
{
    // The same path the crash handler writes to; no temporary folder means
    // no report either.
    CString path;
    if (!GetExceptionReportPath(path))
        return NoFileText;
    return ReadTextFile(path);
}

BOOL CErrorReaderDlg::OnInitDialog()
{
    CBaseDlg::OnInitDialog();
    m_btnOK.SetIconFromResource(IDI_CLOSE, ButtonIconSize, ButtonIconSize);
    m_btnOK.EnableBalloonTooltip();
    m_btnOK.SetTooltipText("Close this dialog");
    m_editReport.SetWindowText(ReadLastReport());
    UpdateData(FALSE);
    return TRUE;
}
