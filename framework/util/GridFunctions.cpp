#include "framework/util/GridFunctions.h"

#include "afx/Exception.h"
#include "afx/StdioFile.h"
#include "afx/WinApp.h"
#include "controls/bars/ProgressBar.h"
#include "controls/dialogs/FileDialogST.h"
#include "framework/util/TextFunctions.h"
#include "grid/GridCtrl.h"

#include <shellapi.h>

namespace
{
// The report's progress goes to the status bar's progress control, when the
// caller has one: its label takes the text and the bar the percentage.
void ShowProgress(CProgressBar* pProgress, LPCTSTR szText, int nPercent)
{
    if (!pProgress)
        return;
    pProgress->SetText(szText);
    pProgress->SetPos(nPercent);
}

void OpenWithShell(LPCTSTR szPath) { ::ShellExecuteA(nullptr, "open", szPath, nullptr, nullptr, SW_SHOWNORMAL); }
}  // namespace

void SelectGridRow(int nRow, CGridCtrl* pGrid)
{
    if (!pGrid || pGrid->GetRowCount() <= pGrid->GetFixedRowCount())
        return;
    nRow = std::max(pGrid->GetFixedRowCount(), std::min(nRow, pGrid->GetRowCount() - 1));
    pGrid->EnsureVisible(nRow, 0);
    pGrid->SetFocusCell(nRow, 0);
    pGrid->SetSelectedRange(nRow, 0, nRow, pGrid->GetColumnCount() - 1, FALSE, TRUE);
}

CString EscapeHtmlText(const CString& text)
{
    CString result;
    for (int i = 0; i < text.GetLength(); i++) {
        switch (text[i]) {
        case '&':
            result += "&amp;";
            break;
        case '<':
            result += "&lt;";
            break;
        case '>':
            result += "&gt;";
            break;
        default:
            result += text[i];
            break;
        }
    }
    return result;
}

CString QuoteCsvField(const CString& field)
{
    if (field.FindOneOf(",\"\r\n") < 0)
        return field;
    CString quoted = field;
    quoted.Replace("\"", "\"\"");
    return "\"" + quoted + "\"";
}

BOOL GenerateHtmlReport(CGridCtrl* pGrid, LPCTSTR szPath, LPCTSTR szTitle, BOOL bOpenAfterwards,
                        CProgressBar* pProgress)
{
    if (!pGrid)
        return FALSE;
    CWaitCursor wait;
    try {
        CStdioFile file(szPath, CFile::modeCreate | CFile::modeWrite | CFile::typeText);
        file.WriteString("<center><h3>" + EscapeHtmlText(szTitle) + "</h3><p>");
        file.WriteString("<p><table border=1 width=80%><tr><th colspan=10></th></tr>");
        int nRows = pGrid->GetRowCount(), nCols = pGrid->GetColumnCount();
        for (int row = 0; row < nRows; row++) {
            CString line = "<tr>";
            for (int col = 0; col < nCols; col++) {
                CString text = pGrid->GetItemText(row, col);
                if (row == 0)
                    line += "<th>" + EscapeHtmlText(text) + "</th>";
                else
                    line += "<td>" + (text.IsEmpty() ? CString("___________") : EscapeHtmlText(text)) + "</td>";
            }
            line += "</tr>";
            file.WriteString(line);
            ShowProgress(pProgress, FormatInt((row + 1) * 100 / nRows, FALSE) + "% - generate html report file",
                         (row + 1) * 100 / nRows);
        }
        file.WriteString("</table>");
        if (nRows <= 1)
            file.WriteString("Empty");
        file.WriteString("</center>");
        file.Close();
    } catch (CException* e) {
        e->Delete();
        return FALSE;
    }
    ShowProgress(pProgress, "Done", 100);
    if (bOpenAfterwards)
        OpenWithShell(szPath);
    return TRUE;
}

BOOL WriteGridToCsvFile(CGridCtrl* pGrid, LPCTSTR szPath)
{
    if (!pGrid)
        return FALSE;
    try {
        CStdioFile file(szPath, CFile::modeCreate | CFile::modeWrite | CFile::typeText);
        int nRows = pGrid->GetRowCount(), nCols = pGrid->GetColumnCount();
        for (int row = 0; row < nRows; row++) {
            CString line;
            for (int col = 0; col < nCols; col++) {
                if (col > 0)
                    line += ",";
                line += QuoteCsvField(pGrid->GetItemText(row, col));
            }
            line += row == 0 ? "\n\n" : "\n";
            file.WriteString(line);
        }
        if (nRows <= 1)
            file.WriteString("Empty");
        file.Close();
    } catch (CException* e) {
        e->Delete();
        return FALSE;
    }
    return TRUE;
}

void ExportGridToCsv(CGridCtrl* pGrid, CString strPath)
{
    if (!pGrid)
        return;
    if (strPath.IsEmpty()) {
        // The dialog's prompt is its title and the filter names the files it
        // shows; a typed name without extension gets ".csv".
        static const char kFilter[] = "CSV files\0*.csv\0";
        CFileDialogST dlg(FALSE, "csv", nullptr, OFN_OVERWRITEPROMPT | OFN_ALLOWMULTISELECT, kFilter,
                          CWnd::FromHandle(pGrid->GetSafeHwnd()));
        dlg.m_ofn.lpstrTitle = "Select target file";
        if (dlg.DoModal() != IDOK)
            return;
        strPath = dlg.GetPathName();
    }
    {
        CWaitCursor wait;
        if (!WriteGridToCsvFile(pGrid, strPath))
            return;
    }
    OpenWithShell(strPath);
}
