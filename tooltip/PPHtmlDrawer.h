// CPPHtmlDrawer: measures and draws text written in a small HTML-like markup
// (styles, fonts, colours, alignment, rules, tabs, inline images and strings,
// hyperlinks and tables with spans, borders and backgrounds). A prepare pass
// measures the text and keeps line and table records; a draw pass over the
// same text paints it and records the hyperlinks' hot areas. Layout goes
// through a CPPTextMeasurer so it can be checked without a real font.
#pragma once

#include "afx/Afx.h"
#include "afx/String.h"
#include "tooltip/PPDrawManager.h"
#include "tooltip/PPHtmlTypes.h"
#include "tooltip/PPTextMeasurer.h"

#include <commctrl.h>
#include <map>
#include <vector>

class CPPHtmlDrawer
{
public:
    CPPHtmlDrawer();
    virtual ~CPPHtmlDrawer();

    CPPHtmlDrawer(const CPPHtmlDrawer&) = delete;
    CPPHtmlDrawer& operator=(const CPPHtmlDrawer&) = delete;

    // Entry points. The draw pass must follow a prepare pass over the same
    // text: it reads the line and table records by index.
    SIZE PrepareOutput(HDC hDC, LPCTSTR text);
    SIZE PrepareOutput(CPPTextMeasurer& measurer, LPCTSTR text);
    void DrawPreparedOutput(HDC hDC, LPCTSTR text, LPCRECT rect);
    // Draws with the given measurer; a null hDC lays out and records the hot
    // areas without painting.
    void DrawPreparedOutput(CPPTextMeasurer& measurer, HDC hDC, LPCTSTR text, LPCRECT rect);
    void Draw(HDC hDC, LPCTSTR text, POINT pt);
    SIZE DrawHtml(CPPTextMeasurer& measurer, HDC hDC, const CString& text, const RECT& rect, BOOL prepare);

    // Settings.
    void SetKeepControlChars(BOOL keep) { m_bKeepControlChars = keep; }
    void SetImageList(HBITMAP hBitmap, int cx, int cy, int count, COLORREF mask = RGB(255, 0, 255));
    void SetImageList(UINT idBitmap, int cx, int cy, int count, COLORREF mask = RGB(255, 0, 255));
    void SetImageShadow(int dx, int dy, BYTE darkness = 50, BOOL blur = TRUE, int depthX = 7, int depthY = 7);
    BOOL HasImageShadow(const IMAGEPARAMS& ip) const;
    void SetCallbackRepaint(HWND hWnd, UINT message, LPARAM lParam = 0);
    void SetCallbackHyperlink(HWND hWnd, UINT message, LPARAM lParam = 0);
    void SetResourceModule(HINSTANCE hModule);
    BOOL SetResourceDll(LPCTSTR path, DWORD flags = 0);
    void SetHyperlinkCursor(HCURSOR hCursor = nullptr);
    HCURSOR GetHyperlinkCursor() const { return m_hLinkCursor; }
    CPPDrawManager* GetDrawManager() { return &m_drawManager; }
    // A text the drawer keeps for its users; the drawer itself never sets it.
    const CString& GetStoredText() const { return m_strStoredText; }

    // Style sheet.
    void SetCssStyles(LPCTSTR styles = nullptr);
    void SetCssStylesFromResource(UINT idString, LPCTSTR dll = nullptr);
    void SetDefaultCssStyles();
    void SetStyleText(const CString& selector, const CString& declarations);
    LPCTSTR GetStyleText(const CString& selector) const;
    // The sheet as text, one "selector {declarations}" line per entry in
    // selector order; SetCssStyles of it gives the same sheet back.
    CString GetCssStyles() const;
    void ApplyStyleByName(STYLEREC& style, const CString& selector);
    void ApplyCssProperties(STYLEREC& style, const CString& declarations);
    static void SetDefaultStyle(STYLEREC& style);

    // Colours.
    COLORREF GetColor(const CString& value, COLORREF def) const;
    COLORREF GetColorByName(const CString& name, COLORREF def) const;
    void SetColorName(const CString& name, COLORREF color);

    // Tag attributes.
    SIZE SetTableParams(const CString& params, STYLEREC& style);
    void SetImageParams(const CString& params, IMAGEPARAMS& ip);
    int GetTableWidth(const CString& params, int width, int minWidth, BOOL fromContent);
    SIZE GetTableDimensions(const CString& text, int& index);
    void SkipTable(const CString& text, int& index);

    // Hyperlinks.
    int FindHotArea(int x, int y) const;
    void JumpToHyperlink(int area);
    // Opens a web or mail link through the shell; other schemes are refused.
    INT_PTR GotoURL(LPCTSTR url, int showCommand = SW_SHOW);
    void OnLButtonDown(POINT pt);
    BOOL OnSetCursor(POINT pt);
    const std::vector<HOTAREA>& GetHotAreas() const { return m_arrHAreas; }
    int GetHotLink() const { return m_nHoverIndexLink; }

    // Records of the last prepare pass.
    const std::vector<LineInfo>& GetLines() const { return m_arrLinesHeight; }
    const std::vector<TableLayout>& GetTables() const { return m_arrTables; }

    // Resources.
    HICON LoadIconFromResource(UINT id, int cx, int cy);
    HICON LoadIconFromFile(LPCTSTR path, int cx, int cy);
    HICON LoadIconFromDll(UINT id, int cx, int cy, LPCTSTR dll = nullptr);
    HBITMAP LoadBitmapFromResource(UINT id);
    HBITMAP LoadBitmapFromFile(LPCTSTR path);
    HBITMAP LoadBitmapFromDll(UINT id, LPCTSTR dll = nullptr);
    CString GetStringFromResource(UINT id) const;
    CString GetStringFromDll(UINT id, LPCTSTR dll = nullptr) const;
    CString GetResourceSubString(UINT id, int n) const;

    // Scanners: the index is a position in the text, advanced in place.
    CString GetNextToken(const CString& text, int& index, CString& tag) const;
    static BOOL SkipToToken(const CString& text, int& index, BOOL arithmetic = FALSE);
    static TCHAR SearchEndOfToken(const CString& text, int& index, LPCTSTR stops);
    static TCHAR SkipChars(const CString& text, int& index, LPCTSTR chars);
    static BOOL IsNextChar(const CString& text, int& index, TCHAR ch);
    static CString GetTagName(const CString& text, int& index);
    static CString GetNextWord(const CString& text, int& index);
    static CString GetParameterString(const CString& text, int& index, TCHAR separator = _T('='),
                                      LPCTSTR stops = _T(" "));
    // The next name=value pair of a tag's parameters; FALSE past the last one.
    static BOOL NextAttribute(const CString& params, int& index, CString& name, CString& value);
    static BOOL SearchTag(const CString& text, int& index, const CString& name);

    // Value parsers: each returns the default for text it does not know.
    int GetLengthUnit(const CString& value, int def, BOOL fontSize = FALSE);
    static int GetStyleFontStyle(const CString& value, int def);
    static int GetStyleFontWeight(const CString& value, int def);
    static int GetStyleHorzAlign(const CString& value, int def);
    static int GetStyleVertAlign(const CString& value, int def);
    static int GetStyleTextTransform(const CString& value, int def);
    int GetStyleBorderWidth(const CString& value, int def);
    static int GetStyleBorderStyle(const CString& value, int def);
    int GetStyleBkEffect(const CString& value, int def);
    static BOOL IsPercentValue(const CString& value);
    static CString GetStyleString(const CString& value, const CString& def);
    DWORD GetImageEffectFlags(const CString& letters) const;
    void SetStyleLetters(const CString& letters);
    static void SetStyleTextDecoration(STYLEREC& style, const CString& value);
    // "transparent" or a colour that makes the text's background opaque.
    void SetStyleBackground(STYLEREC& style, const CString& value) const;

    // The style in force (for the owner's and the tests' inspection).
    STYLEREC& GetCurrentStyle() { return m_defStyle; }

    // Placement within a line.
    void AdvanceToTab(LONG& x, int count) const;

    // Limits that keep hostile markup from exhausting memory or the stack.
    static constexpr int kMaxStyleDepth = 1000;   // open style tags kept on the stack
    static constexpr int kMaxTableNesting = 16;   // tables inside tables
    static constexpr int kMaxTableCells = 1 << 20;
    static constexpr int kMaxTableSpan = 1000;

private:
    struct CssDeclaration
    {
        CString property;
        CString value;
    };
    static void ParseCssProperties(const CString& declarations, std::vector<CssDeclaration>& result);
    void ApplyCssProperty(STYLEREC& style, const CString& property, const CString& value);

    // A piece of markup: plain markup or one whole table.
    struct Piece
    {
        BOOL isTable;
        int start;
        int end;
    };
    struct CellText
    {
        CString params;
        int start;   // content, end excluded
        int end;
    };
    struct RowText
    {
        CString params;
        std::vector<CellText> cells;
    };
    struct TableText
    {
        CString params;
        std::vector<RowText> rows;
    };

    // Text output.
    SIZE DrawPieces(const CString& text, int start, int end, RECT rect, BOOL prepare);
    void CutAtTables(const CString& text, int start, int end, std::vector<Piece>& pieces);
    SIZE DrawHtmlString(const CString& block, const RECT& rect, BOOL prepare);
    void StartLine(POINT& pt, BOOL prepare);
    void NewLine(POINT& pt, int count, BOOL prepare);
    BOOL StoreTag(const CString& name, BOOL closing);
    void SelectStyleFont();
    void AddHotArea(int left, int top, int right, int bottom);
    void VerticalAlignText(POINT& pt, int x, int y, int height, BOOL prepare);
    void VerticalAlignImage(POINT& pt, int x, int y, int height, BOOL prepare);
    void GetLineStartX(LONG& x) const;
    void OutputRun(const CString& text, POINT& pt, BOOL prepare);
    void DoTag(const CString& tag, POINT& pt, BOOL prepare);
    void DoFontTag(const CString& params);
    void DoRule(const CString& params, POINT& pt, BOOL prepare);
    void DoImage(const CString& name, const CString& params, POINT& pt, BOOL prepare);
    void DoString(const CString& params, POINT& pt, BOOL prepare);
    void DoLink(const CString& params);
    static void ApplyTextTransform(CString& run, int transform);

    // Tables.
    SIZE DrawHtmlTable(const CString& text, int start, int end, const RECT& rect, BOOL prepare);
    void ReadTable(const CString& text, int start, int end, TableText& table);
    SIZE TableDimensions(const TableText& table);
    static int FindTag(const CString& text, int from, int end, int& tagEnd, CString& name, CString& params);
    SIZE PrepareTable(const CString& text, const TableText& table, TableLayout& layout);
    void DrawTable(const CString& text, const TableText& table, TableLayout& layout, const RECT& rect);
    // Makes the table's own style current; both passes start from it, so the
    // sizes measured are the sizes drawn.
    void SelectTableStyle(const TableText& table);
    void DrawBackgroundImage(HDC hDC, const CString& reference, const RECT& rect);

    // Resources.
    void SetDefaultCursor();
    void InitColorNames();
    HBITMAP LoadBitmapForTag(const IMAGEPARAMS& ip);
    HICON LoadIconForTag(const IMAGEPARAMS& ip, int cx, int cy);
    void SendRepaintNotify(WPARAM wParam);
    void SendHyperlinkNotify(WPARAM wParam);

    // Notification targets.
    HWND m_hRepaintWnd;
    UINT m_nRepaintMsg;
    LPARAM m_lRepaintParam;
    HWND m_hHyperlinkWnd;
    UINT m_nHyperlinkMsg;
    LPARAM m_lHyperlinkParam;

    STYLEREC m_defStyle;       // the style in force
    LineInfo m_hline;          // the line being laid out
    CPPDrawManager m_drawManager;

    HIMAGELIST m_hImageList;
    int m_szImageList_cx;
    int m_szImageList_cy;

    HINSTANCE m_hResourceModule;
    BOOL m_bFreeResourceModule;   // loaded by the drawer, so freed by it
    HCURSOR m_hLinkCursor;

    int m_nCurLine;
    int m_nBlockWidth;         // widest line of the block being laid out
    int m_nCurTable;
    int m_nTableNesting;
    RECT m_rcOutput;
    int m_nHoverIndexLink;     // link under the mouse, -2 none
    int m_nCurIndexLink;       // link counter of the pass, -1 at its start
    BOOL m_bKeepControlChars;

    BOOL m_bShadowBlur;
    int m_nShadowDx;
    int m_nShadowDy;
    int m_nShadowDepthX;
    int m_nShadowDepthY;
    BYTE m_nShadowDarkness;
    COLORREF m_crShadow;

    TEXTMETRIC m_tm;
    CPPFontCache m_fontCache;       // fonts of the passes over a DC
    CPPTextMeasurer* m_pMeasurer;   // set for the length of a pass
    HDC m_hDC;                      // null while measuring

    std::vector<LineInfo> m_arrLinesHeight;
    std::vector<STYLEREC> m_arrStack;
    std::vector<HOTAREA> m_arrHAreas;
    std::map<CString, CString> m_mapStyles;
    std::map<CString, std::vector<CssDeclaration>> m_mapParsedStyles;   // read from m_mapStyles
    std::map<CString, COLORREF> m_mapColors;
    std::vector<TableLayout> m_arrTables;
    CString m_strStoredText;
};
