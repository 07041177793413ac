// Cell text in and out: clipboard text (tab-separated), edit-like changes of
// cell text, and the grid's text files.
#include "grid/GridModel.h"

#include "afx/FileException.h"
#include "afx/StdioFile.h"

#include <cstring>

BOOL CGridModel::GetSelectionText(CString& text)
{
    text.Empty();
    CCellRange selection = GetSelectedCellRange();
    if (!IsValid(selection))
        return FALSE;
    if (m_bVirtualMode)
        SendCacheHintToParent(selection);
    for (int row = selection.GetMinRow(); row <= selection.GetMaxRow(); row++) {
        if (GetRowHeight(row) == 0)
            continue;
        CString line;
        for (int col = selection.GetMinCol(); col <= selection.GetMaxCol(); col++) {
            if (GetColumnWidth(col) == 0)
                continue;
            CCellID cell;
            // The map is the selection (select-all fills it without touching the cells).
            if (m_SelectedCellMap.Lookup(SelectionKey(row, col), cell))
                line += GetItemText(row, col);
            if (col != selection.GetMaxCol())
                line += _T("\t");
        }
        if (row != selection.GetMaxRow())
            line += _T("\n");
        text += line;
    }
    if (m_bVirtualMode)
        SendCacheHintToParent(CCellRange(-1, -1, -1, -1));
    return TRUE;
}

BOOL CGridModel::PasteText(CCellID cell, const char* pText, size_t cbText, BOOL bSelectPastedCells)
{
    if (!IsValid(cell) || !m_bEditable || (GetItemState(cell.row, cell.col) & GVIS_READONLY) || !pText)
        return FALSE;

    // Foreign text need not be terminated: read no further than the block and the first zero.
    const char* end = static_cast<const char*>(std::memchr(pText, 0, cbText));
    size_t length = end ? (size_t)(end - pText) : cbText;

    CCellRange pasted(cell.row, cell.col, -1, -1);
    int row = cell.row;
    size_t pos = 0;
    for (int line = 0; pos < length; line++) {
        size_t lineEnd = pos;
        while (lineEnd < length && pText[lineEnd] != '\n')
            lineEnd++;
        if (line > 0)
            row++;
        while (row < m_nRows && GetRowHeight(row) == 0)
            row++;
        if (row >= m_nRows)
            break;

        int col = cell.col;
        size_t fieldStart = pos;
        for (int field = 0;; field++) {
            size_t fieldEnd = fieldStart;
            while (fieldEnd < lineEnd && pText[fieldEnd] != '\t' && pText[fieldEnd] != ',')
                fieldEnd++;
            if (field > 0)
                col++;
            while (col < m_nCols && GetColumnWidth(col) == 0)
                col++;
            if (col < m_nCols) {
                CString text(pText + fieldStart, (int)(fieldEnd - fieldStart));
                text.Trim();
                SetCellTextThroughEdit(row, col, text);
                SetItemState(row, col, GetItemState(row, col) & ~GVIS_SELECTED);
                pasted.SetMaxRow(std::max(pasted.GetMaxRow(), row));
                pasted.SetMaxCol(std::max(pasted.GetMaxCol(), col));
            }
            if (fieldEnd >= lineEnd)
                break;
            fieldStart = fieldEnd + 1;
        }
        // A line feed at the very end leaves an empty piece behind it: not a line.
        pos = lineEnd + 1;
    }

    if (bSelectPastedCells && pasted.GetMaxRow() >= 0)
        SetSelectedRange(pasted.GetMinRow(), pasted.GetMinCol(), pasted.GetMaxRow(), pasted.GetMaxCol(), TRUE);
    else {
        ResetSelectedRange();
        Refresh();
    }
    return TRUE;
}

void CGridModel::SetCellTextThroughEdit(int nRow, int nCol, LPCTSTR str)
{
    if (!m_bEditable || (GetItemState(nRow, nCol) & GVIS_READONLY))
        return;
    if (SendMessageToParent(nRow, nCol, GVN_BEGINLABELEDIT) < 0)
        return;
    CString oldText = GetItemText(nRow, nCol);
    if (oldText == str)
        return;
    SetItemText(nRow, nCol, str);
    if (ValidateEdit(nRow, nCol, str) && SendMessageToParent(nRow, nCol, GVN_ENDLABELEDIT) >= 0) {
        SetModified(TRUE, nRow, nCol);
        RedrawCell(nRow, nCol);
    } else
        SetItemText(nRow, nCol, oldText);
}

void CGridModel::ClearCells(CCellRange selection)
{
    for (int row = selection.GetMinRow(); row <= selection.GetMaxRow(); row++) {
        if (GetRowHeight(row) == 0)
            continue;
        for (int col = selection.GetMinCol(); col <= selection.GetMaxCol(); col++)
            if (GetColumnWidth(col) > 0)
                SetCellTextThroughEdit(row, col, _T(""));
    }
    Refresh();
}

void CGridModel::CutSelectedText()
{
    if (!m_bEditable)
        return;
    // Collected first: emptying a cell may change the map being walked.
    CArray<CCellID, CCellID&> cells;
    POSITION pos = m_SelectedCellMap.GetStartPosition();
    while (pos) {
        DWORD key;
        CCellID cell;
        m_SelectedCellMap.GetNextAssoc(pos, key, cell);
        cells.Add(cell);
    }
    for (int i = 0; i < (int)cells.GetSize(); i++)
        SetCellTextThroughEdit(cells[i].row, cells[i].col, _T(""));
}

BOOL CGridModel::Save(LPCTSTR filename, TCHAR chSeparator)
{
    CStdioFile file;
    CFileException error;
    if (!file.Open(filename, CFile::modeCreate | CFile::modeWrite | CFile::typeText, &error)) {
        ReportFileError(&error);
        return FALSE;
    }
    TCHAR separator[2] = {chSeparator, 0};
    int nNumColumns = GetColumnCount();
    try {
        for (int row = 0; row < GetRowCount(); row++)
            for (int col = 0; col < nNumColumns; col++) {
                file.WriteString(GetItemText(row, col));
                file.WriteString(col == nNumColumns - 1 ? _T("\n") : separator);
            }
        file.Close();
    } catch (CException* e) {
        e->Delete();
        ShowGridMessage(_T("Unable to save grid list"));
        file.Abort();
        return FALSE;
    }
    return TRUE;
}

// Cuts a line at every separator; an empty last piece (a line ending in the
// separator, or an empty line) is no field.
static void SplitFields(const CString& line, TCHAR chSeparator, CArray<CString, const CString&>& fields)
{
    fields.RemoveAll();
    int start = 0, length = line.GetLength();
    while (start < length) {
        int sep = line.Find(chSeparator, start);
        if (sep < 0) {
            fields.Add(line.Mid(start));
            return;
        }
        fields.Add(line.Mid(start, sep - start));
        start = sep + 1;
    }
}

void CGridModel::Load(LPCTSTR filename, TCHAR chSeparator)
{
    if (m_bVirtualMode)
        return;
    CStdioFile file;
    CFileException error;
    if (!file.Open(filename, CFile::modeRead | CFile::typeText, &error)) {
        ReportFileError(&error);
        return;
    }
    DeleteAllItems();
    try {
        CString line;
        CArray<CString, const CString&> fields;
        // Whole lines of any length: a long line stays one row.
        if (file.ReadString(line)) {
            SplitFields(line, chSeparator, fields);
            for (int i = 0; i < (int)fields.GetSize(); i++)
                InsertColumn(fields[i]);
            while (file.ReadString(line)) {
                SplitFields(line, chSeparator, fields);
                if (fields.GetSize() == 0)
                    fields.Add(CString());
                int row = InsertRow(fields[0]);
                for (int i = 1; row >= 0 && i < (int)fields.GetSize(); i++)
                    SetItemText(row, i, fields[i]);
            }
        }
        AutoSizeLoadedColumns();
        ResetScrollBars();
        file.Close();
    } catch (CException* e) {
        e->Delete();
        ShowGridMessage(_T("Unable to load grid data"));
        file.Abort();
    }
}

void CGridModel::AutoSizeLoadedColumns() {}

void CGridModel::ReportFileError(CException* pError)
{
    if (pError)
        pError->ReportError();
}
