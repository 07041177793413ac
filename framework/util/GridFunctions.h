// The framework's routines over a grid control: selecting a whole row, and
// writing the grid (row 0 is its header) as an HTML report or as
// comma-separated text.
#pragma once

#include "afx/String.h"

class CGridCtrl;
class CProgressBar;

// Scrolls to, focuses and selects the row, kept within the non-fixed rows;
// nothing when the grid has no rows below its fixed ones.
void SelectGridRow(int nRow, CGridCtrl* pGrid);

// Writes the grid as an HTML table under a centred title; cell texts are
// escaped. FALSE when the file cannot be written. pProgress may be null.
BOOL GenerateHtmlReport(CGridCtrl* pGrid, LPCTSTR szPath, LPCTSTR szTitle, BOOL bOpenAfterwards,
                        CProgressBar* pProgress);

// Asks for the path when it is empty (cancel ends the export), writes the
// grid as comma-separated text and opens the file with the shell.
void ExportGridToCsv(CGridCtrl* pGrid, CString strPath);
// The writing part of ExportGridToCsv: the header row, a blank line, then a
// line per row; a field holding a comma, quote or line break is quoted with
// its quotes doubled. FALSE when the file cannot be written.
BOOL WriteGridToCsvFile(CGridCtrl* pGrid, LPCTSTR szPath);
// One field as written to a CSV line.
CString QuoteCsvField(const CString& field);
// Text with &, < and > as HTML entities.
CString EscapeHtmlText(const CString& text);
