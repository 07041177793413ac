#include "framework/dialogs/BaseDlg.h"

#include "afx/WinApp.h"
#include "afx/WorkArea.h"
#include "framework/frame/MenuRouting.h"

namespace {
const char PlacementSection[] = "Settings";
// The dialog's right-click menu shows large icons whatever the frame uses.
const int DialogMenuIconSize = 32;
const UINT DialogLayoutFlags = cdxCDynamicWnd::FlagSizeGrip | cdxCDynamicWnd::FlagSizingRedraw;
} // namespace

IMPLEMENT_DYNAMIC(CBaseDlg, cdxCDynamicDialog)

BEGIN_MESSAGE_MAP(CBaseDlg, cdxCDynamicDialog)
    ON_WM_SIZE()
    ON_WM_CONTEXTMENU()
    ON_WM_INITMENUPOPUP()
    ON_WM_MEASUREITEM()
    ON_WM_DRAWITEM()
    ON_WM_MENUCHAR()
END_MESSAGE_MAP()

CBaseDlg::CBaseDlg()
    : COwnerDrawnMenuHost(0, nullptr, cdxCDynamicWnd::FreedomBoth, DialogLayoutFlags),
      m_strSettingsName(),
      m_arrLabels(),
      m_pImageList(new CImageList),
      m_nTemplateId(-1),
      m_nContextMenuId(-1)
{
}

CBaseDlg::CBaseDlg(UINT nIDTemplate, CWnd* pParentWnd)
    : COwnerDrawnMenuHost(nIDTemplate, pParentWnd, cdxCDynamicWnd::FreedomBoth, DialogLayoutFlags),
      m_strSettingsName(),
      m_arrLabels(),
      m_pImageList(new CImageList),
      m_nTemplateId(static_cast<int>(nIDTemplate)),
      m_nContextMenuId(-1)
{
}

CBaseDlg::~CBaseDlg()
{
    for (INT_PTR i = 0; i < m_arrLabels.GetSize(); ++i) {
        delete m_arrLabels[i];
        m_arrLabels[i] = nullptr;
    }
    m_arrLabels.RemoveAll();
    delete m_pImageList;
}

CString CBaseDlg::PlacementKey(LPCTSTR word) const
{
    return m_strSettingsName + " " + word;
}

BOOL CBaseDlg::PreCreateWindow(CREATESTRUCT& cs)
{
    if (CWinApp* app = AfxGetApp()) {
        const CSize defaultSize(cs.cx, cs.cy);
        const int x = static_cast<int>(app->GetProfileInt(PlacementSection, PlacementKey("X"), cs.x));
        const int y = static_cast<int>(app->GetProfileInt(PlacementSection, PlacementKey("Y"), cs.y));
        const int cx = static_cast<int>(app->GetProfileInt(PlacementSection, PlacementKey("Width"), cs.cx));
        const int cy = static_cast<int>(app->GetProfileInt(PlacementSection, PlacementKey("Height"), cs.cy));
        cs.x = x;
        cs.y = y;
        cs.cx = cx;
        cs.cy = cy;
        // The creation record's size stands in for one no one could use;
        // the system's default place stays for the system to choose.
        if (x != CW_USEDEFAULT && cx != CW_USEDEFAULT && defaultSize.cx != CW_USEDEFAULT) {
            const CRect place = AfxFitRectToMonitors(CRect(x, y, x + cx, y + cy), CSize(0, 0), defaultSize);
            cs.x = place.left;
            cs.y = place.top;
            cs.cx = place.Width();
            cs.cy = place.Height();
        }
    }
    return cdxCDynamicDialog::PreCreateWindow(cs) ? TRUE : FALSE;
}

BOOL CBaseDlg::OnInitDialog()
{
    cdxCDynamicDialog::OnInitDialog();
    return TRUE;
}

void CBaseDlg::OnCancel()
{
    cdxCDynamicDialog::OnCancel();
}

BOOL CBaseDlg::SaveSettings()
{
    return TRUE;
}

int CBaseDlg::GetSettingInt(LPCTSTR key, int nDefault)
{
    CWinApp* app = AfxGetApp();
    return app ? static_cast<int>(app->GetProfileInt(m_strSettingsName, key, nDefault)) : nDefault;
}

BOOL CBaseDlg::WriteSettingInt(LPCTSTR key, int nValue)
{
    CWinApp* app = AfxGetApp();
    return app ? app->WriteProfileInt(m_strSettingsName, key, nValue) : FALSE;
}

CString CBaseDlg::GetSettingString(LPCTSTR key, LPCTSTR lpszDefault)
{
    CWinApp* app = AfxGetApp();
    return app ? app->GetProfileString(m_strSettingsName, key, lpszDefault) : CString(lpszDefault);
}

BOOL CBaseDlg::WriteSettingString(LPCTSTR key, LPCTSTR value)
{
    CWinApp* app = AfxGetApp();
    return app ? app->WriteProfileString(m_strSettingsName, key, value) : FALSE;
}

void CBaseDlg::OnSize(UINT nType, int cx, int cy)
{
    cdxCDynamicDialog::OnSize(nType, cx, cy);
    CWinApp* app = AfxGetApp();
    if (!app)
        return;
    CRect rect;
    GetWindowRect(&rect);
    if (rect.Width() > 0)
        app->WriteProfileInt(PlacementSection, PlacementKey("Width"), rect.Width());
    if (rect.Height() > 0)
        app->WriteProfileInt(PlacementSection, PlacementKey("Height"), rect.Height());
}

void CBaseDlg::OnContextMenu(CWnd* /*pWnd*/, CPoint point)
{
    if (m_nContextMenuId == -1)
        return;
    TrackOwnerDrawnMenu(this, static_cast<UINT>(m_nContextMenuId), DialogMenuIconSize, point, TRUE);
}
