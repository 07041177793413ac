// Keyboard and mouse input of the grid window.
#include "grid/GridCtrl.h"

#include "afx/DC.h"

namespace
{
const UINT_PTR kAutoScrollTimer = WM_LBUTTONDOWN;  // timer id of the auto-scroll while selecting
}

UINT CGridCtrl::OnGetDlgCode()
{
    UINT code = DLGC_WANTARROWS | DLGC_WANTCHARS;
    if (m_bHandleTabKey && !(::GetKeyState(VK_CONTROL) & 0x8000))
        code |= DLGC_WANTTAB;
    return code;
}

void CGridCtrl::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    if (!IsValid(m_idCurrentCell)) {
        CWnd::OnKeyDown(nChar, nRepCnt, nFlags);
        return;
    }
    CCellID next = m_idCurrentCell;
    BOOL bShift = (::GetKeyState(VK_SHIFT) & 0x8000) != 0;
    BOOL bCtrl = (::GetKeyState(VK_CONTROL) & 0x8000) != 0;
    BOOL bChangeLine = FALSE;
    int firstRow = m_nFixedRows, firstCol = m_nFixedCols;

    if (bCtrl) {
        switch (nChar) {
        case 'C':
        case VK_INSERT:
            OnEditCopy();
            break;
        case 'X':
            OnEditCut();
            break;
        case 'V':
            OnEditPaste();
            break;
        case 'A':
            OnEditSelectAll();
            break;
        default:
            break;
        }
    }
    if (bShift && nChar == VK_INSERT) {
        OnEditPaste();
        CWnd::OnKeyDown(nChar, nRepCnt, nFlags);
        return;
    }

    switch (nChar) {
    case VK_DELETE:
        break;
    case VK_F2:
        OnEditCell(m_idCurrentCell.row, m_idCurrentCell.col, CPoint(-1, -1), VK_F2);
        break;
    case VK_DOWN:
        for (int row = next.row + 1; row < m_nRows; row++)
            if (GetRowHeight(row) > 0) {
                next.row = row;
                break;
            }
        break;
    case VK_UP:
        for (int row = next.row - 1; row >= firstRow; row--)
            if (GetRowHeight(row) > 0) {
                next.row = row;
                break;
            }
        break;
    case VK_RIGHT:
    case VK_LEFT:
    case VK_TAB: {
        BOOL bLeft = nChar == VK_LEFT || (nChar == VK_TAB && bShift);
        int col = -1;
        if (!bLeft) {
            for (int c = next.col + 1; c < m_nCols; c++)
                if (GetColumnWidth(c) > 0) {
                    col = c;
                    break;
                }
        } else {
            for (int c = next.col - 1; c >= firstCol; c--)
                if (GetColumnWidth(c) > 0) {
                    col = c;
                    break;
                }
        }
        if (col >= 0)
            next.col = col;
        else if (nChar == VK_TAB && !bLeft) {
            for (int row = next.row + 1; row < m_nRows; row++)
                if (GetRowHeight(row) > 0) {
                    next.row = row;
                    bChangeLine = TRUE;
                    for (int c = firstCol; c < m_nCols; c++)
                        if (GetColumnWidth(c) > 0) {
                            next.col = c;
                            break;
                        }
                    break;
                }
        } else if (nChar == VK_TAB && bLeft) {
            for (int row = next.row - 1; row >= firstRow; row--)
                if (GetRowHeight(row) > 0) {
                    next.row = row;
                    bChangeLine = TRUE;
                    for (int c = m_nCols - 1; c >= firstCol; c--)
                        if (GetColumnWidth(c) > 0) {
                            next.col = c;
                            break;
                        }
                    break;
                }
        }
        if (nChar == VK_TAB && !bChangeLine)
            CWnd::OnKeyDown(nChar, nRepCnt, nFlags);
        break;
    }
    case VK_NEXT:
    case VK_PRIOR: {
        CCellID oldTopLeft = GetTopleftNonFixedCell();
        SendMessage(WM_VSCROLL, nChar == VK_NEXT ? SB_PAGEDOWN : SB_PAGEUP, 0);
        CCellID newTopLeft = GetTopleftNonFixedCell(TRUE);
        if (newTopLeft == oldTopLeft)
            next.row = nChar == VK_NEXT ? m_nRows - 1 : firstRow;
        else {
            next.row += newTopLeft.row - oldTopLeft.row;
            next.row = std::max(firstRow, std::min(m_nRows - 1, next.row));
        }
        break;
    }
    case VK_HOME:
    case VK_END: {
        BOOL bHome = nChar == VK_HOME;
        if (bCtrl) {
            SendMessage(WM_VSCROLL, bHome ? SB_TOP : SB_BOTTOM, 0);
            next.row = bHome ? firstRow : m_nRows - 1;
        }
        SendMessage(WM_HSCROLL, bHome ? SB_LEFT : SB_RIGHT, 0);
        if (bHome) {
            next.col = firstCol;
            while (next.col < m_nCols - 1 && GetColumnWidth(next.col) <= 0)
                next.col++;
            while (next.row < m_nRows - 1 && GetRowHeight(next.row) <= 0)
                next.row++;
        } else {
            next.col = m_nCols - 1;
            while (next.col > firstCol + 1 && GetColumnWidth(next.col) <= 0)
                next.col--;
            while (next.row > firstRow + 1 && GetRowHeight(next.row) <= 0)
                next.row--;
        }
        break;
    }
    default:
        CWnd::OnKeyDown(nChar, nRepCnt, nFlags);
        return;
    }

    if (next == m_idCurrentCell)
        return;

    if (m_MouseMode == MOUSE_NOTHING) {
        m_PrevSelectedCellMap.RemoveAll();
        m_MouseMode = m_bListMode ? MOUSE_SELECT_ROW : MOUSE_SELECT_CELLS;
        if (!bShift || nChar == VK_TAB)
            m_SelectionStartCell = next;
        SendMessageToParent(next.row, next.col, GVN_SELCHANGING);
        SelectRows(next, TRUE, TRUE);
        SendMessageToParent(next.row, next.col, GVN_SELCHANGED);
        m_MouseMode = MOUSE_NOTHING;
    }
    SetFocusCell(next);
    EnsureVisible(next);
    Invalidate();
}

// ---------------------------------------------------------------- mouse

void CGridCtrl::InvertSizingLine(CPoint point)
{
    CRect rect = GetGridViewRect();
    CClientDC dc(this);
    if (m_MouseMode == MOUSE_SIZING_COL)
        dc.InvertRect(CRect(point.x, rect.top, point.x + 2, rect.bottom));
    else
        dc.InvertRect(CRect(rect.left, point.y, rect.right, point.y + 2));
}

void CGridCtrl::OnLButtonDown(UINT nFlags, CPoint point)
{
    SetFocus();
    m_LeftClickDownPoint = point;
    m_bLMouseButtonDown = TRUE;
    m_LeftClickDownCell = GetCellFromPt(point);
    if (!IsValid(m_LeftClickDownCell))
        return;
    if (nFlags & MK_SHIFT) {
        if (!IsValid(m_SelectionStartCell))
            m_SelectionStartCell = m_idCurrentCell;
    } else
        m_SelectionStartCell = m_LeftClickDownCell;

    EndEditing();
    CGridCellBase* pCell = GetCell(m_LeftClickDownCell.row, m_LeftClickDownCell.col);
    CPoint pointClicked = GetPointClicked(m_LeftClickDownCell.row, m_LeftClickDownCell.col, point);
    if (pCell)
        pCell->OnClickDown(pointClicked);

    if (m_LeftClickDownCell == m_idCurrentCell && !(nFlags & MK_CONTROL) && pCell) {
        CRect textRect;
        if (GetCellRect(m_LeftClickDownCell, textRect) && pCell->GetTextRect(textRect) &&
            textRect.PtInRect(point) && IsCellEditable(m_LeftClickDownCell)) {
            m_MouseMode = MOUSE_PREPARE_EDIT;
            return;
        }
    }

    if (IsCellSelected(m_LeftClickDownCell)) {
        if (nFlags & MK_CONTROL) {
            SetFocusCell(m_LeftClickDownCell);
            if (m_bListMode)
                SelectRows(m_LeftClickDownCell, TRUE, FALSE);
            else
                SelectCells(m_LeftClickDownCell, TRUE, FALSE);
            return;
        }
        if (m_bAllowDragAndDrop)
            m_MouseMode = MOUSE_PREPARE_DRAG;
    } else if (m_MouseMode != MOUSE_OVER_COL_DIVIDE && m_MouseMode != MOUSE_OVER_ROW_DIVIDE &&
               m_LeftClickDownCell.row >= m_nFixedRows)
        SetFocusCell(m_LeftClickDownCell);

    SetCapture();
    if (m_MouseMode == MOUSE_NOTHING) {
        if (m_bAllowColumnResize && MouseOverColumnResizeArea(point))
            m_MouseMode = MOUSE_OVER_COL_DIVIDE;
        else if (m_bAllowRowResize && MouseOverRowResizeArea(point))
            m_MouseMode = MOUSE_OVER_ROW_DIVIDE;
    }

    if (m_MouseMode == MOUSE_OVER_COL_DIVIDE || m_MouseMode == MOUSE_OVER_ROW_DIVIDE) {
        BOOL bCol = m_MouseMode == MOUSE_OVER_COL_DIVIDE;
        m_MouseMode = bCol ? MOUSE_SIZING_COL : MOUSE_SIZING_ROW;
        CPoint start;
        if (!GetCellOrigin(m_LeftClickDownCell, &start))
            return;
        // A press at a cell's leading edge resizes the one before it.
        if (bCol && point.x - start.x < m_nResizeCaptureRange && m_LeftClickDownCell.col > 0)
            m_LeftClickDownCell.col--;
        if (!bCol && point.y - start.y < m_nResizeCaptureRange && m_LeftClickDownCell.row > 0)
            m_LeftClickDownCell.row--;
        if (!GetCellOrigin(m_LeftClickDownCell, &start))
            return;
        InvertSizingLine(point);
        CRect clip = GetGridViewRect();
        if (bCol)
            clip.left = start.x + 1;
        else
            clip.top = start.y + 1;
        ClientToScreen(clip);
        ::ClipCursor(clip);
    } else if (m_MouseMode != MOUSE_PREPARE_DRAG) {
        SendMessageToParent(m_LeftClickDownCell.row, m_LeftClickDownCell.col, GVN_SELCHANGING);
        if (m_LeftClickDownCell.row >= m_nFixedRows)
            KeepSelectionForMerge((nFlags & MK_CONTROL) != 0);
        if (m_LeftClickDownCell.row < m_nFixedRows)
            OnFixedRowClick(m_LeftClickDownCell);
        else if (m_LeftClickDownCell.col < m_nFixedCols) {
            SelectRows(m_LeftClickDownCell, TRUE, TRUE);
            Invalidate();
        } else {
            m_MouseMode = m_bListMode ? MOUSE_SELECT_ROW : MOUSE_SELECT_CELLS;
            OnSelecting(m_LeftClickDownCell);
            m_nTimerID = SetTimer(kAutoScrollTimer, m_nTimerInterval, nullptr);
        }
    }
    m_LastMousePoint = point;
}

void CGridCtrl::OnMouseMove(UINT nFlags, CPoint point)
{
    CRect rect = GetGridViewRect();
    if (m_MouseMode != MOUSE_DRAGGING && !rect.PtInRect(point))
        return;
    if (!m_bLMouseButtonDown || m_MouseMode == MOUSE_NOTHING) {
        int mode = MOUSE_NOTHING;
        if (m_bAllowColumnResize && MouseOverColumnResizeArea(point))
            mode = MOUSE_OVER_COL_DIVIDE;
        else if (m_bAllowRowResize && MouseOverRowResizeArea(point))
            mode = MOUSE_OVER_ROW_DIVIDE;
        if (mode != m_MouseMode) {
            m_MouseMode = mode;
            ::SetCursor(::LoadCursor(nullptr, mode == MOUSE_OVER_COL_DIVIDE   ? IDC_SIZEWE
                                              : mode == MOUSE_OVER_ROW_DIVIDE ? IDC_SIZENS
                                                                              : IDC_ARROW));
        }
        if (m_MouseMode == MOUSE_NOTHING)
            ShowTitleTipAt(point);
    } else if (IsValid(m_LeftClickDownCell) && (nFlags & MK_LBUTTON)) {
        switch (m_MouseMode) {
        case MOUSE_SELECT_COL:
        case MOUSE_SELECT_ROW:
        case MOUSE_SELECT_CELLS: {
            CCellID cell = GetCellFromPt(point);
            if (!IsValid(cell))
                return;
            if (cell != m_idCurrentCell) {
                OnSelecting(cell);
                Invalidate();
            }
            break;
        }
        case MOUSE_SIZING_COL:
        case MOUSE_SIZING_ROW:
            InvertSizingLine(m_LastMousePoint);
            InvertSizingLine(point);
            break;
        case MOUSE_PREPARE_EDIT:
        case MOUSE_PREPARE_DRAG:
            m_MouseMode = MOUSE_PREPARE_DRAG;
            OnBeginDrag();
            break;
        default:
            break;
        }
    }
    m_LastMousePoint = point;
}

void CGridCtrl::OnLButtonUp(UINT, CPoint point)
{
    m_bLMouseButtonDown = FALSE;
    ::ClipCursor(nullptr);
    if (GetCapture() == this) {
        ReleaseCapture();
        KillTimer(m_nTimerID);
        m_nTimerID = 0;
    }
    CPoint pointClickedRel = GetPointClicked(m_idCurrentCell.row, m_idCurrentCell.col, point);
    CGridCellBase* pFocusCell = GetCell(m_idCurrentCell.row, m_idCurrentCell.col);
    if (m_MouseMode == MOUSE_PREPARE_EDIT) {
        OnEditCell(m_idCurrentCell.row, m_idCurrentCell.col, pointClickedRel, VK_LBUTTON);
    } else if (m_MouseMode == MOUSE_PREPARE_DRAG) {
        if (pFocusCell)
            pFocusCell->OnClick(pointClickedRel);
        SendMessageToParent(m_LeftClickDownCell.row, m_LeftClickDownCell.col, NM_CLICK);
        SendMessageToParent(m_LeftClickDownCell.row, m_LeftClickDownCell.col, GVN_SELCHANGING);
        ResetSelectedRange();
        Invalidate();
        for (int col = 0; col < m_nCols && IsValid(m_LeftClickDownCell); col++)
            SetItemState(m_LeftClickDownCell.row, col,
                         GetItemState(m_LeftClickDownCell.row, col) | GVIS_FOCUSED | GVIS_SELECTED);
        SendMessageToParent(m_idCurrentCell.row, m_idCurrentCell.col, GVN_SELCHANGED);
    } else if (m_MouseMode == MOUSE_SIZING_COL || m_MouseMode == MOUSE_SIZING_ROW) {
        BOOL bCol = m_MouseMode == MOUSE_SIZING_COL;
        InvertSizingLine(m_LastMousePoint);
        CPoint start;
        if (point != m_LeftClickDownPoint && point != CPoint(0, 0) && GetCellOrigin(m_LeftClickDownCell, &start)) {
            if (bCol)
                SetColumnWidth(m_LeftClickDownCell.col, std::max<int>(point.x - start.x, m_bAllowColHide ? 0 : 1));
            else
                SetRowHeight(m_LeftClickDownCell.row, std::max<int>(point.y - start.y, m_bAllowRowHide ? 0 : 1));
            ResetScrollBars();
            Invalidate();
        }
    } else {
        SendMessageToParent(m_idCurrentCell.row, m_idCurrentCell.col, GVN_SELCHANGED);
        if (pFocusCell)
            pFocusCell->OnClick(pointClickedRel);
        SendMessageToParent(m_LeftClickDownCell.row, m_LeftClickDownCell.col, NM_CLICK);
    }
    m_MouseMode = MOUSE_NOTHING;
    ::SetCursor(::LoadCursor(nullptr, IDC_ARROW));
    if (IsValid(m_LeftClickDownCell)) {
        HWND hOwner = ::GetWindow(m_hWnd, GW_OWNER);
        if (!hOwner)
            hOwner = ::GetParent(m_hWnd);
        if (hOwner)
            ::PostMessage(hOwner, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(), 0), (LPARAM)m_hWnd);
    }
}

void CGridCtrl::OnTimer(UINT_PTR nIDEvent)
{
    if (nIDEvent != kAutoScrollTimer)
        return;
    CPoint pt;
    if (!::GetCursorPos(&pt))
        return;
    ScreenToClient(&pt);
    CRect rect = GetGridViewRect();
    CPoint origin = pt;
    if (pt.y > rect.bottom) {
        SendMessage(WM_KEYDOWN, VK_DOWN, 0);
        origin = CPoint(std::max<int>(rect.left, std::min<int>(pt.x, rect.right)), rect.bottom);
        OnSelecting(GetCellFromPt(origin));
    } else if (pt.y < GetFixedRowHeight()) {
        SendMessage(WM_KEYDOWN, VK_UP, 0);
        origin = CPoint(std::max<int>(rect.left, std::min<int>(pt.x, rect.right)), GetFixedRowHeight() + 1);
        OnSelecting(GetCellFromPt(origin));
    }
    if (pt.x > rect.right) {
        SendMessage(WM_KEYDOWN, VK_RIGHT, 0);
        origin = CPoint(rect.right, std::max<int>(rect.top, std::min<int>(pt.y, rect.bottom)));
        OnSelecting(GetCellFromPt(origin));
    } else if (pt.x < GetFixedColumnWidth()) {
        SendMessage(WM_KEYDOWN, VK_LEFT, 0);
        origin = CPoint(GetFixedColumnWidth() + 1, std::max<int>(rect.top, std::min<int>(pt.y, rect.bottom)));
        OnSelecting(GetCellFromPt(origin));
    }
}

void CGridCtrl::CancelSizing()
{
    ::ClipCursor(nullptr);
    InvertSizingLine(m_LastMousePoint);
    m_MouseMode = MOUSE_NOTHING;
    m_bLMouseButtonDown = FALSE;
    ::SetCursor(::LoadCursor(nullptr, IDC_ARROW));
}

void CGridCtrl::OnCaptureChanged(CWnd* pWnd)
{
    if (pWnd && pWnd->m_hWnd == m_hWnd)
        return;
    if (m_nTimerID) {
        KillTimer(m_nTimerID);
        m_nTimerID = 0;
    }
    // Losing the capture mid-drag (a popup, Alt+Tab) must not leave the cursor
    // confined or the rubber line on screen. The button-up handler releases the
    // capture itself, after clearing the button flag, and finishes the resize.
    if (!m_bLMouseButtonDown)
        return;
    if (m_MouseMode == MOUSE_SIZING_COL || m_MouseMode == MOUSE_SIZING_ROW)
        CancelSizing();
    else if (m_MouseMode == MOUSE_DRAGGING)
        m_MouseMode = MOUSE_NOTHING;
}

void CGridCtrl::OnFixedRowClick(CCellID& cell)
{
    if (!IsValid(cell))
        return;
    if (m_bSortOnClick) {
        HCURSOR hOld = ::SetCursor(::LoadCursor(nullptr, IDC_WAIT));
        BOOL bAscending = cell.col == m_nSortColumn && !m_bSortAscending;
        SortItems(cell.col, bAscending);
        SendMessage(WM_VSCROLL, SB_TOP, 0);
        SetFocusCell(1, cell.col);
        SetSelectedRange(1, 0, 1, m_nCols - 1);
        Invalidate();
        ::SetCursor(hOld);
    }
    if (m_bFixedRowSelection) {
        m_MouseMode = cell.col < m_nFixedCols ? MOUSE_SELECT_ALL : MOUSE_SELECT_COL;
        OnSelecting(cell);
    }
}

void CGridCtrl::OnFixedColumnClick(CCellID& cell)
{
    if (!IsValid(cell) || !m_bFixedColumnSelection)
        return;
    m_MouseMode = cell.row < m_nFixedRows ? MOUSE_SELECT_ALL : MOUSE_SELECT_ROW;
    OnSelecting(cell);
}

void CGridCtrl::ShowTitleTipAt(CPoint point)
{
    CCellID idCurrentCell = GetCellFromPt(point);
    if (!IsValid(idCurrentCell) || (m_bVirtualMode && !m_bTitleTips))
        return;
    CGridCellBase* pCell = GetCell(idCurrentCell.row, idCurrentCell.col);
    if (!pCell)
        return;
    pCell->OnMouseOver();
    if (!m_bTitleTips || m_bRMouseButtonDown)
        return;
    LPCTSTR szTipText = pCell->GetTipText();
    CRect textRect, cellRect;
    if (szTipText && szTipText[0] && !pCell->IsEditing() && GetCellRect(idCurrentCell, &textRect) &&
        pCell->GetTipTextRect(&textRect) && GetCellRect(idCurrentCell, cellRect)) {
        m_TitleTip.Create(this);
        m_TitleTip.Show(textRect, szTipText, 0, cellRect, pCell->GetFont(), m_crTTipTextClr, m_crTTipBackClr);
    }
}

void CGridCtrl::OnLButtonDblClk(UINT nFlags, CPoint point)
{
    CCellID cell = GetCellFromPt(point);
    if (!IsValid(cell))
        return;
    if (m_MouseMode == MOUSE_OVER_COL_DIVIDE) {
        CPoint start;
        if (!GetCellOrigin(0, cell.col, &start))
            return;
        int col = cell.col;
        if (point.x - start.x < m_nResizeCaptureRange)
            col--;
        while (col >= 0 && GetColumnWidth(col) <= 0)
            col--;
        if (col < 0)
            return;
        AutoSizeColumn(col, m_nAutoSizeColumnStyle);
        Invalidate();
    } else if (m_MouseMode == MOUSE_OVER_ROW_DIVIDE) {
        CPoint start;
        if (!GetCellOrigin(cell.row, 0, &start))
            return;
        int row = cell.row;
        if (point.y - start.y < m_nResizeCaptureRange)
            row--;
        while (row >= 0 && GetRowHeight(row) <= 0)
            row--;
        if (row < 0)
            return;
        AutoSizeRow(row);
        Invalidate();
    } else if (m_MouseMode == MOUSE_NOTHING) {
        CPoint pointClickedRel = GetPointClicked(cell.row, cell.col, point);
        CGridCellBase* pCell = GetCell(cell.row, cell.col);
        BOOL bInTextArea = FALSE;
        CRect textRect;
        if (pCell && GetCellRect(cell, textRect) && pCell->GetTextRect(textRect))
            bInTextArea = textRect.PtInRect(point);
        BOOL bDataCell = cell.row >= m_nFixedRows && cell.col >= m_nFixedCols;
        if (bDataCell && bInTextArea && (IsValid(m_LeftClickDownCell) || m_bListMode))
            OnEditCell(cell.row, cell.col, pointClickedRel, VK_LBUTTON);
        if (pCell)
            pCell->OnDblClick(pointClickedRel);
        SendMessageToParent(cell.row, cell.col, NM_DBLCLK);
    }
    CWnd::OnLButtonDblClk(nFlags, point);
}

void CGridCtrl::OnRButtonDown(UINT nFlags, CPoint point)
{
    CWnd::OnRButtonDown(nFlags, point);
    m_bRMouseButtonDown = TRUE;
    CCellID cell = GetCellFromPt(point);
    SetFocusCell(cell);
    SetSelectedRange(cell.row, 0, cell.row, m_nCols - 1, FALSE, TRUE);
    SelectRows(cell, FALSE, TRUE);
}

void CGridCtrl::OnRButtonUp(UINT nFlags, CPoint point)
{
    CWnd::OnRButtonUp(nFlags, point);
    m_bRMouseButtonDown = FALSE;
    EndEditing();
    CCellID cell = GetCellFromPt(point);
    if (!IsValid(cell)) {
        SendMessageToParent(-1, -1, NM_RCLICK);
        return;
    }
    SetFocusCell(-1, -1);
    SetFocusCell(std::max(cell.row, m_nFixedRows), std::max(cell.col, m_nFixedCols));
    SetSelectedRange(std::max(cell.row, m_nFixedRows), 0, std::max(cell.row, m_nFixedRows), m_nCols - 1, TRUE,
                     TRUE);
    CGridCellBase* pCell = GetCell(cell.row, cell.col);
    if (pCell)
        pCell->OnRClick(GetPointClicked(cell.row, cell.col, point));
    SendMessageToParent(cell.row, cell.col, NM_RCLICK);
}

BOOL CGridCtrl::OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message)
{
    if (nHitTest != HTCLIENT)
        return CWnd::OnSetCursor(pWnd, nHitTest, message);
    switch (m_MouseMode) {
    case MOUSE_OVER_ROW_DIVIDE:
        ::SetCursor(::LoadCursor(nullptr, IDC_SIZENS));
        break;
    case MOUSE_OVER_COL_DIVIDE:
        ::SetCursor(::LoadCursor(nullptr, IDC_SIZEWE));
        break;
    case MOUSE_DRAGGING:
        break;
    default: {
        if (m_bVirtualMode)
            break;
        DWORD pos = ::GetMessagePos();
        CPoint pt((short)LOWORD(pos), (short)HIWORD(pos));
        ScreenToClient(&pt);
        CCellID cell = GetCellFromPt(pt);
        CGridCellBase* pCell = IsValid(cell) ? GetCell(cell.row, cell.col) : nullptr;
        if (pCell)
            return pCell->OnSetCursor();
        ::SetCursor(::LoadCursor(nullptr, IDC_ARROW));
        break;
    }
    }
    return TRUE;
}

void CGridCtrl::OnSysColorChange()
{
    CWnd::OnSysColorChange();
    RefreshSystemColours();
}

void CGridCtrl::OnSettingChange(UINT uFlags, LPCTSTR lpszSection)
{
    CWnd::OnSettingChange(uFlags, lpszSection);
    RefreshSystemColours();
}
