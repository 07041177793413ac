// Records of the HTML drawer: the style of a span of text or a table cell,
// the parameters of an inline image, a hyperlink's hot area, and the layout
// records kept from the measuring pass for the drawing pass.
#pragma once

#include "afx/Afx.h"
#include "afx/String.h"

#include <vector>

struct STYLEREC
{
    CString strTag;            // name of the tag that opened the style
    int nSizeFont;             // pixels (lfHeight)
    int nWeightFont;
    BOOL bItalicFont;
    BOOL bUnderlineFont;
    BOOL bStrikeOutFont;
    BOOL bOverlineFont;
    CString sFaceFont;
    COLORREF crText;
    COLORREF crBkgnd;          // also the begin colour of a background effect
    COLORREF crBorderLight;    // left and top border
    COLORREF crBorderDark;     // right and bottom border
    COLORREF crMidBkgnd;
    COLORREF crEndBkgnd;
    int nBkMode;               // TRANSPARENT (1) or OPAQUE (2)
    int nBkEffect;             // background effect number, -1 transparent
    CString strBkImage;        // image reference tiled as the background
    int nHorzAlign;            // 0 left, 1 center, 2 right
    int nVertAlign;            // 0 top, 1 middle, 2 bottom, 3 baseline
    int nBorderStyle;          // 0 none .. 6 double (draw manager pen styles)
    int nBorderWidth;
    int nTextTransform;        // 0 none, 1 upper, 2 lower, 3 capitalize
    int nMarginLeft;
    int nMarginRight;
    int nMarginTop;
    int nMarginBottom;
    int nPaddingLeft;
    int nPaddingRight;
    int nPaddingTop;
    int nPaddingBottom;
    int nTypeLink;             // 0 none, 1 URL, 2 message to the hyperlink target
    CString sHyperlink;
};

// Link types of STYLEREC::nTypeLink and HOTAREA::nLinkType.
enum
{
    LINK_NONE = 0,
    LINK_HREF = 1,
    LINK_MESSAGE = 2
};

// Horizontal and vertical alignment values.
enum
{
    ALIGN_LEFT = 0,
    ALIGN_CENTER = 1,
    ALIGN_RIGHT = 2
};
enum
{
    ALIGN_TOP = 0,
    ALIGN_VCENTER = 1,
    ALIGN_BOTTOM = 2,
    ALIGN_BASELINE = 3
};

struct IMAGEPARAMS
{
    int nIndex;
    int nIdRes;
    int nIdDll;
    INT_PTR nHandle;           // handle of an image given by the owner
    int cx;                    // size the image is loaded at
    int cy;
    int nWidth;                // drawn size: pixels, or percent of the natural size
    int nHeight;
    DWORD nStyles;             // image effect flags
    DWORD nHotStyles;          // image effect flags while the link is hot
    BOOL bUseMask;
    BOOL bPercentWidth;
    BOOL bPercentHeight;
    COLORREF crMask;
    CString strSrcFile;
    CString strPathDll;
};

struct HOTAREA
{
    RECT rect;
    int nLinkType;
    int nID;
    CString sHyperlink;
};

// One output line, measured in the prepare pass and read in the draw pass.
struct LineInfo
{
    int width;
    int ascent;
    int descent;
    int percent;   // sum of the percentage widths of rules on the line
    int align;
};

// One grid position of a table.
struct CellInfo
{
    int colSpan;   // negative at a position covered by another cell's span
    int rowSpan;
    int contentWidth;
    int contentHeight;
    int needWidth;
    int needHeight;
};

// The layout of one table, kept from the prepare pass for the draw pass.
struct TableLayout
{
    int columns;
    int rows;
    SIZE size;
    std::vector<CellInfo> cells;   // rows x columns, row by row
    std::vector<int> widths;
    std::vector<int> heights;
    std::vector<int> slots;        // grid index of each cell tag in reading order, -1 ignored

    CellInfo& Cell(int row, int column) { return cells[static_cast<size_t>(row) * columns + column]; }
};
