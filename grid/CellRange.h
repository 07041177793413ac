// Cell addresses, rectangles of cells and the records a grid exchanges with
// its owner: the item record of virtual mode and of SetItem, and the
// notification records with their codes.
#pragma once

#include "afx/Afx.h"
#include "afx/String.h"

#include <commctrl.h>

#include <algorithm>

// A cell address; (-1, -1) stands for no cell.
class CCellID
{
public:
    int row;
    int col;

    CCellID(int nRow = -1, int nCol = -1) : row(nRow), col(nCol) {}

    int IsValid() const { return row >= 0 && col >= 0; }
    int operator==(const CCellID& rhs) const { return row == rhs.row && col == rhs.col; }
    int operator!=(const CCellID& rhs) const { return !(*this == rhs); }
};

// A rectangle of cells with inclusive bounds; all -1 is the empty range.
class CCellRange
{
public:
    CCellRange(int nMinRow = -1, int nMinCol = -1, int nMaxRow = -1, int nMaxCol = -1)
        : m_nMinRow(nMinRow), m_nMinCol(nMinCol), m_nMaxRow(nMaxRow), m_nMaxCol(nMaxCol) {}

    void Set(int nMinRow = -1, int nMinCol = -1, int nMaxRow = -1, int nMaxCol = -1)
    {
        m_nMinRow = nMinRow;
        m_nMinCol = nMinCol;
        m_nMaxRow = nMaxRow;
        m_nMaxCol = nMaxCol;
    }

    int IsValid() const
    {
        return m_nMinRow >= 0 && m_nMinCol >= 0 && m_nMaxRow >= 0 && m_nMaxCol >= 0 &&
               m_nMinRow <= m_nMaxRow && m_nMinCol <= m_nMaxCol;
    }
    int InRange(int row, int col) const
    {
        return row >= m_nMinRow && row <= m_nMaxRow && col >= m_nMinCol && col <= m_nMaxCol;
    }
    int InRange(const CCellID& cell) const { return InRange(cell.row, cell.col); }
    int Count() const { return (m_nMaxRow - m_nMinRow + 1) * (m_nMaxCol - m_nMinCol + 1); }

    CCellID GetTopLeft() const { return CCellID(m_nMinRow, m_nMinCol); }
    int GetMinRow() const { return m_nMinRow; }
    void SetMinRow(int n) { m_nMinRow = n; }
    int GetMinCol() const { return m_nMinCol; }
    void SetMinCol(int n) { m_nMinCol = n; }
    int GetMaxRow() const { return m_nMaxRow; }
    void SetMaxRow(int n) { m_nMaxRow = n; }
    int GetMaxCol() const { return m_nMaxCol; }
    void SetMaxCol(int n) { m_nMaxCol = n; }
    int GetRowSpan() const { return m_nMaxRow - m_nMinRow + 1; }
    int GetColSpan() const { return m_nMaxCol - m_nMinCol + 1; }

    int operator==(const CCellRange& rhs) const
    {
        return m_nMinRow == rhs.m_nMinRow && m_nMinCol == rhs.m_nMinCol &&
               m_nMaxRow == rhs.m_nMaxRow && m_nMaxCol == rhs.m_nMaxCol;
    }
    int operator!=(const CCellRange& rhs) const { return !(*this == rhs); }

protected:
    int m_nMinRow;
    int m_nMinCol;
    int m_nMaxRow;
    int m_nMaxCol;
};

// Cell state bits.
#define GVIS_FOCUSED     0x0001
#define GVIS_SELECTED    0x0002
#define GVIS_DROPHILITED 0x0004
#define GVIS_READONLY    0x0008
#define GVIS_FIXED       0x0010
#define GVIS_FIXEDROW    0x0020
#define GVIS_FIXEDCOL    0x0040
#define GVIS_MODIFIED    0x0080

// Which fields of a GV_ITEM SetItem applies.
#define GVIF_TEXT     0x0001
#define GVIF_IMAGE    0x0002
#define GVIF_PARAM    0x0004
#define GVIF_STATE    0x0008
#define GVIF_BKCLR    0x0010
#define GVIF_FGCLR    0x0020
#define GVIF_FORMAT   0x0040
#define GVIF_FONT     0x0080
#define GVIF_MARGIN   0x0100
#define GVIF_ALL      0x01FF

// Grid-line modes.
#define GVL_NONE 0
#define GVL_HORZ 1
#define GVL_VERT 2
#define GVL_BOTH 3

// GetNextItem: state flags and directions.
#define GVNI_FOCUSED     0x0001
#define GVNI_SELECTED    0x0002
#define GVNI_DROPHILITED 0x0004
#define GVNI_READONLY    0x0008
#define GVNI_FIXED       0x0010
#define GVNI_MODIFIED    0x0020
#define GVNI_ABOVE       0x0100
#define GVNI_BELOW       0x0200
#define GVNI_TOLEFT      0x0400
#define GVNI_TORIGHT     0x0800
#define GVNI_ALL         (GVNI_BELOW | GVNI_TORIGHT | GVNI_TOLEFT)

// Notification codes sent to the owner in WM_NOTIFY.
#define GVN_SELCHANGING      (-100)
#define GVN_SELCHANGED       (-101)
#define GVN_BEGINLABELEDIT   (-105)
#define GVN_ENDLABELEDIT     (-106)
#define GVN_BEGINDRAG        (-109)
#define GVN_ODCACHEHINT      (-113)
#define GVN_GETDISPINFO      (-150)

// The item record exchanged in virtual mode and by SetItem.
struct GV_ITEM
{
    int row;
    int col;
    UINT mask;
    UINT nState;
    DWORD nFormat;
    int iImage;
    COLORREF crBkClr;
    COLORREF crFgClr;
    LPARAM lParam;
    LOGFONT lfFont;
    UINT nMargin;
    CString strText;
};

struct GV_DISPINFO
{
    NMHDR hdr;
    GV_ITEM item;
};

struct NM_GRIDVIEW
{
    NMHDR hdr;
    int iRow;
    int iColumn;
};

struct GV_CACHEHINT
{
    NMHDR hdr;
    CCellRange range;
};
