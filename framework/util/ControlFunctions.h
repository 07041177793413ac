// Free functions that work on windows and controls: recolouring the key colour
// of a 24-bit bitmap and loading such a bitmap into an image list (the main
// frame's toolbar and menu images), selecting a list row, mirroring a dialog's
// controls in a menu, the stock colour and font choosers, and the small table
// record of the HTML reports.
#pragma once

#include "afx/Afx.h"
#include "afx/ArrayTypes.h"

class CBitmap;
class CImageList;
class CListCtrl;
class CMenu;
class CWnd;

// Every pixel that has the colour of the bitmap's first pixel in memory (its
// key colour) gets clrNew. Works only on a 24-bit DIB section; any other
// bitmap is left as it is and FALSE comes back. dwUnused is not looked at.
BOOL ReplaceBitmapColor(CBitmap* pBitmap, DWORD dwUnused, COLORREF clrNew);

// Loads the bitmap resource as a DIB section, recolours its key colour to
// clrNew, and builds the image list from it (cx x cy images, nFlags, nInitial
// images, no growth, no mask) with clrNew as the list's background. A list the
// object already held is replaced. FALSE when the bitmap or the list cannot be made.
BOOL LoadImageListReplacingColor(UINT nBitmapId, CImageList* pImageList, int cx, int cy, UINT nFlags, int nInitial,
                                 DWORD dwUnused, COLORREF clrNew);

// Focuses the list and makes the row (clamped to the rows there are) the
// selected, focused, visible row and the selection mark. Nothing on an empty list.
void SelectListRow(int nRow, CListCtrl* pList);

// For each item of the menu that has a child control of the same id in the
// dialog: checked when the control says it is checked, grayed when the
// control is disabled. Items without such a control keep their state.
void SyncMenuWithDialog(CMenu* pMenu, CWnd* pDialog);

// The stock colour chooser started on clrColor; TRUE and the chosen colour on OK.
BOOL PickColor(COLORREF& clrColor);
// The stock font chooser (screen fonts, effects) started on the font and the
// colour; TRUE with both replaced by the choice on OK.
BOOL PickFont(COLORREF& clrColor, LOGFONT& lf);

// A table record of the HTML report family; nothing fills its fields yet.
class CTableOfHTML
{
public:
    CTableOfHTML() : m_nRows(0), m_nColumns(0), m_nBorder(0), m_nWidthPercent(0) {}
    virtual ~CTableOfHTML() = default;

    INT32 m_nRows;
    INT32 m_nColumns;
    INT32 m_nBorder;
    INT32 m_nWidthPercent;
};

// A new zeroed record, kept in the process-wide list that frees it at exit.
CTableOfHTML* CreateTableOfHTML();
// The process-wide list of the records made so far.
const CPtrArray& GetTablesOfHTML();
