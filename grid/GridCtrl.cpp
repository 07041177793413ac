#include "grid/GridCtrl.h"

#include "afx/AfxRes.h"
#include "afx/CmdUI.h"
#include "afx/DC.h"
#include "afx/OleDataSource.h"
#include "afx/OleInit.h"
#include "afx/MemDC.h"

#include <algorithm>
#include <cstdlib>

IMPLEMENT_DYNCREATE(CGridCtrl, CWnd)

BEGIN_MESSAGE_MAP(CGridCtrl, CWnd)
    ON_WM_PAINT()
    ON_WM_HSCROLL()
    ON_WM_VSCROLL()
    ON_WM_SIZE()
    ON_WM_LBUTTONUP()
    ON_WM_LBUTTONDOWN()
    ON_WM_MOUSEMOVE()
    ON_WM_TIMER()
    ON_WM_GETDLGCODE()
    ON_WM_KEYDOWN()
    ON_WM_CHAR()
    ON_WM_LBUTTONDBLCLK()
    ON_WM_ERASEBKGND()
    ON_UPDATE_COMMAND_UI(ID_EDIT_SELECT_ALL, &CGridCtrl::OnUpdateEditSelectAll)
    ON_COMMAND(ID_EDIT_SELECT_ALL, &CGridCtrl::OnEditSelectAll)
    ON_WM_SETCURSOR()
    ON_WM_RBUTTONUP()
    ON_WM_SYSCOLORCHANGE()
    ON_WM_SETTINGCHANGE()
    ON_WM_CAPTURECHANGED()
    ON_COMMAND(ID_EDIT_COPY, &CGridCtrl::OnEditCopy)
    ON_UPDATE_COMMAND_UI(ID_EDIT_COPY, &CGridCtrl::OnUpdateEditCopy)
    ON_COMMAND(ID_EDIT_CUT, &CGridCtrl::OnEditCut)
    ON_UPDATE_COMMAND_UI(ID_EDIT_CUT, &CGridCtrl::OnUpdateEditCut)
    ON_COMMAND(ID_EDIT_PASTE, &CGridCtrl::OnEditPaste)
    ON_UPDATE_COMMAND_UI(ID_EDIT_PASTE, &CGridCtrl::OnUpdateEditPaste)
    ON_WM_MOUSEWHEEL()
    ON_MESSAGE(WM_SETFONT, &CGridCtrl::OnSetFont)
    ON_MESSAGE(WM_GETFONT, &CGridCtrl::OnGetFont)
    ON_MESSAGE(WM_IME_CHAR, &CGridCtrl::OnImeChar)
    ON_NOTIFY(GVN_ENDLABELEDIT, IDC_INPLACE_CONTROL, &CGridCtrl::OnEndInPlaceEdit)
END_MESSAGE_MAP()

CGridCtrl::CGridCtrl(int nRows, int nCols, int nFixedRows, int nFixedCols)
    : CGridModel(nRows, nCols, nFixedRows, nFixedCols), m_bLMouseButtonDown(FALSE), m_bRMouseButtonDown(FALSE),
      m_nTimerID(0), m_nTimerInterval(25), m_nCurrPrintRow(0), m_nCurrPrintCol(0)
{
    RegisterWindowClass();
    // Clipboard and drop target work through OLE.
    if (!AfxOleIsInitialized() && !AfxOleInit())
        ::MessageBoxA(nullptr, "OLE initialization failed. Make sure that the OLE libraries are the correct version",
                      nullptr, MB_OK | MB_ICONEXCLAMATION);
    OSVERSIONINFOA version = {};
    version.dwOSVersionInfoSize = sizeof(version);
    m_nRowsPerWheelNotch = GetMouseScrollLines(::GetVersionExA(&version) ? &version : nullptr);
}

int CGridCtrl::GetMouseScrollLines(const OSVERSIONINFOA* pVersion)
{
    int nScrollLines = 3;
    // The first 32-bit shell without wheel support in SystemParametersInfo keeps
    // the setting in the desktop key only; so does a system whose version is unknown.
    BOOL bOldShell = !pVersion ||
                     (pVersion->dwPlatformId == VER_PLATFORM_WIN32_WINDOWS && pVersion->dwMinorVersion == 0);
    if (!bOldShell) {
        UINT lines = 3;
        if (::SystemParametersInfoA(SPI_GETWHEELSCROLLLINES, 0, &lines, 0))
            nScrollLines = (int)lines;
        return nScrollLines;
    }
    HKEY hKey;
    if (::RegOpenKeyExA(HKEY_CURRENT_USER, "Control Panel\\Desktop", 0, KEY_QUERY_VALUE, &hKey) == ERROR_SUCCESS) {
        char szData[128] = "";
        DWORD dwType = 0, dwSize = sizeof(szData) - 1;
        if (::RegQueryValueExA(hKey, "WheelScrollLines", nullptr, &dwType, (LPBYTE)szData, &dwSize) == ERROR_SUCCESS &&
            dwType == REG_SZ) {
            szData[std::min<DWORD>(dwSize, sizeof(szData) - 1)] = 0;
            nScrollLines = (int)strtoul(szData, nullptr, 10);
        }
        ::RegCloseKey(hKey);
    }
    return nScrollLines;
}

CGridCtrl::~CGridCtrl()
{
    DeleteAllItems();
    if (m_bTitleTips && ::IsWindow(m_TitleTip.GetSafeHwnd()))
        m_TitleTip.DestroyWindow();
    if (m_hWnd)
        DestroyWindow();
    // Text copied from this grid must outlive it.
    if (COleDataSource::GetClipboardOwner())
        COleDataSource::FlushClipboard();
}

BOOL CGridCtrl::RegisterWindowClass()
{
    WNDCLASSA wndcls = {};
    wndcls.style = CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW;
    wndcls.lpfnWndProc = ::DefWindowProcA;
    wndcls.hInstance = AfxGetInstanceHandle();
    wndcls.hCursor = ::LoadCursor(nullptr, IDC_ARROW);
    wndcls.hbrBackground = (HBRUSH)(COLOR_3DFACE + 1);
    wndcls.lpszClassName = GRIDCTRL_CLASSNAME;
    if (!AfxRegisterClass(&wndcls))   // an already registered class counts as success
        AfxThrowResourceException();
    return TRUE;
}

BOOL CGridCtrl::Create(const RECT& rect, CWnd* pParentWnd, UINT nID, DWORD dwStyle)
{
    if (!CWnd::Create(GRIDCTRL_CLASSNAME, nullptr, dwStyle, rect, pParentWnd, nID))
        return FALSE;
    ResetScrollBars();
    return TRUE;
}

void CGridCtrl::PreSubclassWindow()
{
    CWnd::PreSubclassWindow();
    ModifyStyleEx(0, WS_EX_CLIENTEDGE, SWP_FRAMECHANGED);
}

CRect CGridCtrl::GetGridViewRect()
{
    if (!m_hWnd)
        return CGridModel::GetGridViewRect();
    CRect rect;
    GetClientRect(rect);
    return rect;
}

// ---------------------------------------------------------------- owner

LRESULT CGridCtrl::SendMessageToParent(int nRow, int nCol, int nMessage) const
{
    if (!::IsWindow(m_hWnd))
        return 0;
    NM_GRIDVIEW nmgv;
    nmgv.iRow = nRow;
    nmgv.iColumn = nCol;
    nmgv.hdr.hwndFrom = m_hWnd;
    nmgv.hdr.idFrom = ::GetDlgCtrlID(m_hWnd);
    nmgv.hdr.code = nMessage;
    HWND hOwner = ::GetWindow(m_hWnd, GW_OWNER);
    if (!hOwner)
        hOwner = ::GetParent(m_hWnd);
    if (!hOwner || !::IsWindow(hOwner))
        return 0;
    return ::SendMessage(hOwner, WM_NOTIFY, nmgv.hdr.idFrom, (LPARAM)&nmgv);
}

LRESULT CGridCtrl::SendCacheHintToParent(const CCellRange& range) const
{
    if (!::IsWindow(m_hWnd))
        return 0;
    GV_CACHEHINT hint;
    hint.hdr.hwndFrom = m_hWnd;
    hint.hdr.idFrom = ::GetDlgCtrlID(m_hWnd);
    hint.hdr.code = GVN_ODCACHEHINT;
    hint.range = range;
    HWND hOwner = ::GetWindow(m_hWnd, GW_OWNER);
    if (!hOwner)
        hOwner = ::GetParent(m_hWnd);
    if (!hOwner || !::IsWindow(hOwner))
        return 0;
    return ::SendMessage(hOwner, WM_NOTIFY, hint.hdr.idFrom, (LPARAM)&hint);
}

LRESULT CGridCtrl::SendDisplayRequestToParent(GV_DISPINFO* pDisplayInfo) const
{
    if (!::IsWindow(m_hWnd))
        return 0;
    pDisplayInfo->hdr.hwndFrom = m_hWnd;
    pDisplayInfo->hdr.idFrom = ::GetDlgCtrlID(m_hWnd);
    pDisplayInfo->hdr.code = GVN_GETDISPINFO;
    HWND hOwner = ::GetWindow(m_hWnd, GW_OWNER);
    if (!hOwner)
        hOwner = ::GetParent(m_hWnd);
    if (!hOwner || !::IsWindow(hOwner))
        return 0;
    return ::SendMessage(hOwner, WM_NOTIFY, pDisplayInfo->hdr.idFrom, (LPARAM)pDisplayInfo);
}

// ---------------------------------------------------------------- painting

void CGridCtrl::OnPaint()
{
    CPaintDC dc(this);
    if (m_bDoubleBuffer) {
        CMemDC memDC(&dc);
        OnDraw(memDC);
    } else
        OnDraw(&dc);
}

void CGridCtrl::OnDraw(CDC* pDC) { DrawGrid(pDC); }

BOOL CGridCtrl::OnEraseBkgnd(CDC*) { return TRUE; }

BOOL CGridCtrl::RedrawCell(int nRow, int nCol, CDC* pDC)
{
    if (!m_bAllowDraw || !m_hWnd || !IsCellVisible(nRow, nCol))
        return FALSE;
    CRect rect;
    if (!GetCellRect(nRow, nCol, rect))
        return FALSE;
    CClientDC windowDC(this);
    if (!pDC)
        pDC = &windowDC;
    CGridCellBase* pCell = GetCell(nRow, nCol);
    BOOL bResult = pCell ? pCell->Draw(pDC, nRow, nCol, rect, TRUE) : FALSE;
    if (pCell && !IsCellFixed(nRow, nCol) && m_nGridLines != GVL_NONE) {
        CPen pen;
        pen.CreatePen(PS_SOLID, 0, m_crGridLineColour);
        CPen* pOldPen = pDC->SelectObject(&pen);
        if (m_nGridLines == GVL_BOTH || m_nGridLines == GVL_HORZ) {
            pDC->MoveTo(rect.left, rect.bottom);
            pDC->LineTo(rect.right + 1, rect.bottom);
        }
        if (m_nGridLines == GVL_BOTH || m_nGridLines == GVL_VERT) {
            pDC->MoveTo(rect.right, rect.top);
            pDC->LineTo(rect.right, rect.bottom + 1);
        }
        pDC->SelectObject(pOldPen);
    }
    return bResult;
}

BOOL CGridCtrl::RedrawRow(int row)
{
    BOOL bResult = TRUE;
    for (int col = 0; col < m_nCols; col++)
        bResult = RedrawCell(row, col) && bResult;
    return bResult;
}

BOOL CGridCtrl::RedrawColumn(int col)
{
    BOOL bResult = TRUE;
    for (int row = 0; row < m_nRows; row++)
        bResult = RedrawCell(row, col) && bResult;
    return bResult;
}

void CGridCtrl::InvalidateCellRect(const CCellID& cell)
{
    if (!::IsWindow(m_hWnd) || !m_bAllowDraw || !IsValid(cell) || !IsCellVisible(cell.row, cell.col))
        return;
    CRect rect;
    if (!GetCellRect(cell, rect))
        return;
    // The cell's right and bottom grid lines lie on its inclusive edges.
    rect.right++;
    rect.bottom++;
    InvalidateRect(rect, TRUE);
}

void CGridCtrl::InvalidateCellRect(const CCellRange& cellRange)
{
    if (!::IsWindow(m_hWnd) || !m_bAllowDraw)
        return;
    CCellRange visible = GetVisibleNonFixedCellRange();
    visible = CCellRange(std::max(visible.GetMinRow(), cellRange.GetMinRow()),
                         std::max(visible.GetMinCol(), cellRange.GetMinCol()),
                         std::min(visible.GetMaxRow(), cellRange.GetMaxRow()),
                         std::min(visible.GetMaxCol(), cellRange.GetMaxCol()));
    CRect rect;
    if (!visible.IsValid() || !GetCellRangeRect(visible, rect))
        return;
    rect.right++;
    rect.bottom++;
    InvalidateRect(rect, TRUE);
}

void CGridCtrl::AutoFill()
{
    if (!::IsWindow(m_hWnd))
        return;
    CRect rect;
    GetClientRect(rect);
    int cellWidth = std::max(1, m_cellDefault.GetWidth()), cellHeight = std::max(1, m_cellDefault.GetHeight());
    SetColumnCount(rect.Width() / cellWidth + 1);
    SetRowCount(rect.Height() / cellHeight + 1);
    SetFixedRowCount(1);
    SetFixedColumnCount(1);
    ExpandColumnsToFit(TRUE);
    ExpandRowsToFit(TRUE);
    ExpandColumnsToFit(TRUE);
    Refresh();
}

CSize CGridCtrl::GetTextExtent(int nRow, int nCol, LPCTSTR str)
{
    CGridCellBase* pCell = GetCell(nRow, nCol);
    return pCell ? pCell->GetTextExtent(str, nullptr) : CSize(0, 0);
}

void CGridCtrl::Refresh()
{
    if (m_hWnd && m_bAllowDraw)
        Invalidate();
}

void CGridCtrl::SetRedraw(BOOL bAllowDraw, BOOL bResetScrollBars)
{
    if (bAllowDraw && !m_bAllowDraw) {
        m_bAllowDraw = TRUE;
        Refresh();
    }
    m_bAllowDraw = bAllowDraw;
    if (bResetScrollBars)
        ResetScrollBars();
}

// ---------------------------------------------------------------- scrolling

int CGridCtrl::GetScrollPos32(int nBar, BOOL bGetTrackPos)
{
    if (!m_hWnd)
        return CGridModel::GetScrollPos32(nBar, bGetTrackPos);
    SCROLLINFO si = {};
    si.cbSize = sizeof(si);
    si.fMask = bGetTrackPos ? SIF_TRACKPOS : SIF_POS;
    if (!::GetScrollInfo(m_hWnd, nBar, &si))
        return 0;
    return bGetTrackPos ? si.nTrackPos : si.nPos;
}

BOOL CGridCtrl::SetScrollPos32(int nBar, int nPos, BOOL bRedraw)
{
    m_idTopLeftCell = CCellID(-1, -1);
    if (!m_hWnd)
        return CGridModel::SetScrollPos32(nBar, nPos, bRedraw);
    SCROLLINFO si = {};
    si.cbSize = sizeof(si);
    si.fMask = SIF_POS;
    si.nPos = nPos;
    ::SetScrollInfo(m_hWnd, nBar, &si, bRedraw);
    return TRUE;
}

void CGridCtrl::ResetScrollBars()
{
    m_idTopLeftCell = CCellID(-1, -1);
    if (!m_bAllowDraw || !::IsWindow(m_hWnd))
        return;
    // The bars go first so that the client area measured is the whole of it.
    ::ShowScrollBar(m_hWnd, SB_BOTH, FALSE);
    CGridModel::ResetScrollBars();
    CRect rect = GetGridViewRect();
    rect.left += GetFixedColumnWidth();
    rect.top += GetFixedRowHeight();
    if (rect.IsRectEmpty() || rect.left >= rect.right || rect.top >= rect.bottom) {
        ::EnableScrollBar(m_hWnd, SB_BOTH, ESB_DISABLE_BOTH);
        return;
    }
    int usableWidth = rect.Width() - ((m_nBarState & 2) ? ::GetSystemMetrics(SM_CXVSCROLL) : 0);
    int usableHeight = rect.Height() - ((m_nBarState & 1) ? ::GetSystemMetrics(SM_CYHSCROLL) : 0);
    SCROLLINFO si = {};
    si.cbSize = sizeof(si);
    si.fMask = SIF_RANGE | SIF_PAGE;
    si.nMin = 0;
    si.nMax = m_nHScrollMax;
    si.nPage = m_nHScrollMax > 0 ? usableWidth : 0;
    ::SetScrollInfo(m_hWnd, SB_HORZ, &si, TRUE);
    si.fMask |= SIF_DISABLENOSCROLL;
    si.nMax = m_nVScrollMax;
    si.nPage = m_nVScrollMax > 0 ? usableHeight : 0;
    ::SetScrollInfo(m_hWnd, SB_VERT, &si, TRUE);
    ::ShowScrollBar(m_hWnd, SB_HORZ, (m_nBarState & 1) != 0);
    ::ShowScrollBar(m_hWnd, SB_VERT, (m_nBarState & 2) != 0);
    m_idTopLeftCell = CCellID(-1, -1);
}

void CGridCtrl::DoScroll(int nBar, UINT nSBCode)
{
    if (m_hWnd)
        SendMessage(nBar == SB_HORZ ? WM_HSCROLL : WM_VSCROLL, nSBCode, 0);
    else
        CGridModel::DoScroll(nBar, nSBCode);
}

void CGridCtrl::OnScroll(int nBar, UINT nSBCode)
{
    // The cells move under an open editor or tip: neither may stay behind over
    // cells it does not belong to.
    EndEditing();
    m_TitleTip.Hide();

    BOOL bVert = nBar == SB_VERT;
    int oldPos = GetScrollPos32(nBar);
    CCellID idTopLeft = GetTopleftNonFixedCell();
    BOOL bChanged;
    if (nSBCode == SB_THUMBPOSITION || nSBCode == SB_THUMBTRACK) {
        SetScrollPos32(nBar, GetScrollPos32(nBar, TRUE));
        bChanged = GetTopleftNonFixedCell() != idTopLeft;
    } else
        bChanged = ScrollView(nBar, nSBCode);
    if (!bChanged)
        return;

    // The scrolling part of the view: below the fixed rows, or right of the fixed columns.
    CRect rect;
    GetClientRect(rect);
    if (bVert)
        rect.top += GetFixedRowHeight();
    else
        rect.left += GetFixedColumnWidth();
    if (nSBCode == SB_TOP || nSBCode == SB_BOTTOM)
        Invalidate();
    else if (bVert && nSBCode == SB_LINEDOWN) {
        // One row: the pixels already drawn move up rather than being drawn again.
        ScrollWindow(0, oldPos - GetScrollPos32(nBar), rect, rect);
        Invalidate();
    } else
        InvalidateRect(rect);
}

void CGridCtrl::OnHScroll(UINT nSBCode, UINT, CScrollBar*) { OnScroll(SB_HORZ, nSBCode); }
void CGridCtrl::OnVScroll(UINT nSBCode, UINT, CScrollBar*) { OnScroll(SB_VERT, nSBCode); }

BOOL CGridCtrl::OnMouseWheel(UINT, short zDelta, CPoint)
{
    if (m_nRowsPerWheelNotch == -1) {
        int pages = zDelta / WHEEL_DELTA;
        for (int i = 0; i < std::abs(pages); i++)
            SendMessage(WM_VSCROLL, pages > 0 ? SB_PAGEUP : SB_PAGEDOWN, 0);
    } else {
        int lines = zDelta * m_nRowsPerWheelNotch / WHEEL_DELTA;
        for (int i = 0; i < std::abs(lines); i++)
            SendMessage(WM_VSCROLL, lines > 0 ? SB_LINEUP : SB_LINEDOWN, 0);
    }
    return TRUE;
}

void CGridCtrl::OnSize(UINT nType, int cx, int cy)
{
    static BOOL s_bAlreadyInsideThisProcedure = FALSE;
    if (s_bAlreadyInsideThisProcedure || !::IsWindow(m_hWnd))
        return;
    s_bAlreadyInsideThisProcedure = TRUE;
    if (!m_DropTarget.IsRegistered())
        m_DropTarget.Register(this);
    // An editor or tip would stay where its cell no longer is.
    EndEditing();
    m_TitleTip.Hide();
    CWnd::OnSize(nType, cx, cy);
    ResetScrollBars();
    s_bAlreadyInsideThisProcedure = FALSE;
}

LRESULT CGridCtrl::OnSetFont(WPARAM hFont, LPARAM)
{
    LOGFONT lf;
    if (!hFont || !::GetObject((HFONT)hFont, sizeof(lf), &lf))
        return 0;
    m_cellDefault.SetFont(&lf);
    m_cellFixedColDef.SetFont(&lf);
    m_cellFixedRowDef.SetFont(&lf);
    m_cellFixedRowColDef.SetFont(&lf);
    Refresh();
    return 0;
}

LRESULT CGridCtrl::OnGetFont(WPARAM, LPARAM)
{
    CFont* pFont = m_cellDefault.GetFontObject();
    return pFont ? (LRESULT)(HFONT)*pFont : 0;
}

void CGridCtrl::AutoSizeLoadedColumns()
{
    for (int col = 0; col < m_nCols; col++)
        if (GetColumnWidth(col) > 0)
            AutoSizeColumn(col, m_nAutoSizeColumnStyle, FALSE);
}
