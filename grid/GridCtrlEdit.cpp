// In-place editing, typed keys that start an edit, the clipboard commands and
// the (refusing) drag-and-drop hooks of the grid window.
#include "grid/GridCtrl.h"

#include "afx/CmdUI.h"
#include "afx/OleDataObject.h"
#include "afx/OleDataSource.h"
#include "afx/SharedFile.h"
#include "grid/InPlaceEdit.h"

#include <cstring>

// ---------------------------------------------------------------- editing

CWnd* CGridCtrl::CreateInPlaceEditor(const CRect& rect, DWORD dwStyle, UINT nID, int nRow, int nCol,
                                     LPCTSTR szText, UINT nChar)
{
    if (!m_hWnd)
        return nullptr;
    CRect editRect = rect;
    return new CInPlaceEdit(this, editRect, dwStyle, nID, nRow, nCol, szText, nChar);
}

void CGridCtrl::EndInPlaceEditor(CWnd* pEditor)
{
    if (pEditor && ::IsWindow(pEditor->GetSafeHwnd()))
        static_cast<CInPlaceEdit*>(pEditor)->EndEdit();
}

void CGridCtrl::OnEditCell(int nRow, int nCol, CPoint point, UINT nChar)
{
    m_TitleTip.Hide();
    if (!IsValid(nRow, nCol) || !m_bEditable)
        return;
    CGridCellBase* pCell = GetCell(nRow, nCol);
    if (!pCell || (pCell->GetState() & GVIS_READONLY))
        return;
    EnsureVisible(nRow, nCol);
    CRect rect;
    if (!IsCellVisible(nRow, nCol) || !GetCellRect(nRow, nCol, rect))
        return;
    if (SendMessageToParent(nRow, nCol, GVN_BEGINLABELEDIT) < 0)
        return;
    pCell->Edit(nRow, nCol, rect, point, IDC_INPLACE_CONTROL, nChar);
}

void CGridCtrl::EndEditing()
{
    CGridCellBase* pCell = GetCell(m_idCurrentCell.row, m_idCurrentCell.col);
    if (pCell)
        pCell->EndEdit();
}

BOOL CGridCtrl::ValidateEdit(int nRow, int nCol, LPCTSTR str) { return CGridModel::ValidateEdit(nRow, nCol, str); }

void CGridCtrl::OnEndInPlaceEdit(NMHDR* pNMHDR, LRESULT* pResult)
{
    *pResult = 0;
    if (!::IsWindow(m_hWnd))
        return;
    GV_DISPINFO* pDispInfo = reinterpret_cast<GV_DISPINFO*>(pNMHDR);
    GV_ITEM* pItem = &pDispInfo->item;
    OnEndEditCell(pItem->row, pItem->col, pItem->strText);
    UINT nKey = (UINT)pItem->lParam;
    if (nKey == VK_TAB || (nKey >= VK_PRIOR && nKey <= VK_DOWN)) {
        // Editing goes on in the cell the key moves to.
        OnKeyDown(nKey, 0, 0);
        OnEditCell(m_idCurrentCell.row, m_idCurrentCell.col, CPoint(-1, -1), VK_LBUTTON);
    }
}

void CGridCtrl::OnEndEditCell(int nRow, int nCol, CString str)
{
    CString oldText = GetItemText(nRow, nCol);
    if (!m_bVirtualMode) {
        SetItemText(nRow, nCol, str);
        SetModified(TRUE, nRow, nCol);
    }
    if (ValidateEdit(nRow, nCol, str) && SendMessageToParent(nRow, nCol, GVN_ENDLABELEDIT) >= 0) {
        SetModified(TRUE, nRow, nCol);
        RedrawCell(nRow, nCol);
    } else
        SetItemText(nRow, nCol, oldText);
    CGridCellBase* pCell = GetCell(nRow, nCol);
    if (pCell)
        pCell->OnEndEdit();
}

// ---------------------------------------------------------------- typed keys

void CGridCtrl::OnChar(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    if (!(::GetKeyState(VK_CONTROL) & 0x8000) && m_MouseMode == MOUSE_NOTHING && nChar != VK_ESCAPE) {
        if (!(m_bHandleTabKey && nChar == VK_TAB))
            OnEditCell(m_idCurrentCell.row, m_idCurrentCell.col, CPoint(-1, -1), nChar);
    }
    CWnd::OnChar(nChar, nRepCnt, nFlags);
}

LRESULT CGridCtrl::OnImeChar(WPARAM nChar, LPARAM)
{
    if (!(::GetKeyState(VK_CONTROL) & 0x8000) && m_MouseMode == MOUSE_NOTHING && nChar != VK_ESCAPE)
        OnEditCell(m_idCurrentCell.row, m_idCurrentCell.col, CPoint(-1, -1), (UINT)nChar);
    return 0;
}

// ---------------------------------------------------------------- clipboard

COleDataSource* CGridCtrl::CopyTextFromGrid()
{
    CString text;
    if (!GetSelectionText(text))
        return nullptr;
    try {
        CSharedFile sf(GMEM_MOVEABLE | GMEM_DDESHARE | GMEM_ZEROINIT);
        sf.Write((LPCTSTR)text, (UINT)text.GetLength());
        char zero = 0;
        sf.Write(&zero, 1);
        DWORD dwLen = (DWORD)sf.GetLength();
        HGLOBAL hMem = sf.Detach();
        if (!hMem)
            return nullptr;
        HGLOBAL hSized = ::GlobalReAlloc(hMem, dwLen, GMEM_MOVEABLE | GMEM_DDESHARE | GMEM_ZEROINIT);
        if (!hSized) {
            ::GlobalFree(hMem);
            return nullptr;
        }
        COleDataSource* pSource = new COleDataSource();
        pSource->CacheGlobalData(CF_TEXT, hSized);
        return pSource;
    } catch (CException* e) {
        e->Delete();
        return nullptr;
    }
}

BOOL CGridCtrl::PasteTextToGrid(CCellID cell, COleDataObject* pDataObject, BOOL bSelectPastedCells)
{
    if (!IsValid(cell) || !m_bEditable || (GetItemState(cell.row, cell.col) & GVIS_READONLY) || !pDataObject ||
        !pDataObject->IsDataAvailable(CF_TEXT))
        return FALSE;
    HGLOBAL hmem = pDataObject->GetGlobalData(CF_TEXT);
    if (!hmem)
        return FALSE;
    BOOL bResult = FALSE;
    const char* pText = static_cast<const char*>(::GlobalLock(hmem));
    if (pText) {
        bResult = PasteText(cell, pText, ::GlobalSize(hmem), bSelectPastedCells);
        ::GlobalUnlock(hmem);
    }
    ::GlobalFree(hmem);
    return bResult;
}

void CGridCtrl::OnEditCopy()
{
    COleDataSource* pSource = CopyTextFromGrid();
    if (pSource)
        pSource->SetClipboard();
}

void CGridCtrl::OnEditCut()
{
    if (!m_bEditable)
        return;
    COleDataSource* pSource = CopyTextFromGrid();
    if (!pSource)
        return;
    pSource->SetClipboard();
    CutSelectedText();
}

void CGridCtrl::OnEditPaste()
{
    if (!m_bEditable)
        return;
    CCellRange range = GetSelectedCellRange();
    CCellID cell;
    if (IsValid(range))
        cell = range.GetTopLeft();
    else if (IsValid(m_idCurrentCell))
        cell = m_idCurrentCell;
    else
        cell = GetTopleftNonFixedCell();
    if (!IsValid(cell))
        return;
    CGridCellBase* pCell = GetCell(cell.row, cell.col);
    if (pCell && pCell->IsEditing() && pCell->GetEditWnd()) {
        pCell->GetEditWnd()->SendMessage(WM_PASTE, 0, 0);
        return;
    }
    COleDataObject obj;
    if (obj.AttachClipboard())
        PasteTextToGrid(cell, &obj);
}

void CGridCtrl::OnEditSelectAll()
{
    SendMessageToParent(m_LeftClickDownCell.row, m_LeftClickDownCell.col, GVN_SELCHANGING);
    if (m_bEnableSelection)
        SelectAllCells();
    SendMessageToParent(m_idCurrentCell.row, m_idCurrentCell.col, GVN_SELCHANGED);
}

void CGridCtrl::OnUpdateEditSelectAll(CCmdUI* pCmdUI) { pCmdUI->Enable(m_bEnableSelection); }

void CGridCtrl::OnUpdateEditCopy(CCmdUI* pCmdUI) { pCmdUI->Enable(GetSelectedCount() > 0); }

void CGridCtrl::OnUpdateEditCut(CCmdUI* pCmdUI) { pCmdUI->Enable(m_bEditable && GetSelectedCount() > 0); }

void CGridCtrl::OnUpdateEditPaste(CCmdUI* pCmdUI)
{
    CCellID cell = m_idCurrentCell;
    pCmdUI->Enable(IsValid(cell) && m_bEditable && !(GetItemState(cell.row, cell.col) & GVIS_READONLY) &&
                   ::IsClipboardFormatAvailable(CF_TEXT));
}

// ---------------------------------------------------------------- drag and drop

void CGridCtrl::OnBeginDrag()
{
    if (!m_bAllowDragAndDrop)
        return;
    CCellRange range = GetSelectedCellRange();
    SendMessageToParent(range.GetMinRow(), range.GetMinCol(), GVN_BEGINDRAG);
    m_MouseMode = MOUSE_DRAGGING;
    m_bLMouseButtonDown = FALSE;
    m_DropTarget.Revoke();
    m_DropTarget.Register(this);
}

DROPEFFECT CGridCtrl::OnDragEnter(COleDataObject*, DWORD, CPoint) { return DROPEFFECT_NONE; }
DROPEFFECT CGridCtrl::OnDragOver(COleDataObject*, DWORD, CPoint) { return DROPEFFECT_NONE; }
void CGridCtrl::OnDragLeave() {}
BOOL CGridCtrl::OnDrop(COleDataObject*, DROPEFFECT, CPoint) { return FALSE; }
