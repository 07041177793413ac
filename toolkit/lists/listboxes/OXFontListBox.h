// COXFontListBox: an extended list box filled with the screen's fonts, each
// name shown in its own font with a picture telling TrueType fonts from
// others, and the most recently chosen fonts in a section at the top.
#pragma once

#include "toolkit/lists/listboxes/OXListBoxEx.h"

#include <map>
#include <vector>

struct _tagOXLBFONTINFO {
    LOGFONT lf;          // lfHeight the list's font height, lfWidth 0
    DWORD dwFontType;    // as the enumeration gave it
    BOOL bSymbol;
};
typedef _tagOXLBFONTINFO OXLBFONTINFO;

class COXFontListBox : public COXListBoxEx
{
    DECLARE_DYNAMIC(COXFontListBox)
public:
    // The enumeration the fill uses; EnumFonts unless replaced.
    typedef int (WINAPI* FontEnumerator)(HDC, LPCSTR, FONTENUMPROCA, LPARAM);

    COXFontListBox();
    ~COXFontListBox() override;

    BOOL FillFontList();
    int SelectFont(LPCTSTR lpszFaceName);
    int SelectFont(const LOGFONT* pLogFont);
    int SelectFont(CFont* pFont);
    CFont* GetSelectedFont() const;
    void SetFontHeight(int nHeight);
    virtual int GetFontHeight() const { return m_nFontHeight; }
    void SetDeviceContext(HDC hDC);
    virtual HDC GetDeviceContext() const { return m_hDC; }
    virtual BOOL AcceptFont(const OXLBFONTINFO& fontInfo);

    void SetFontEnumerator(FontEnumerator pfnEnum) { m_pfnEnumFonts = pfnEnum; }
    const std::vector<OXLBFONTINFO>& GetFontInfos() const { return m_fontInfos; }

    // A font shown by name in brackets: the symbol character set, or a
    // name that says symbols, dingbats, braille, extras or line drawing.
    static BOOL IsSymbolFont(const LOGFONT& lf);
    // Sorts by face name and keeps one of each name, a TrueType one first.
    static void SortAndMerge(std::vector<OXLBFONTINFO>& infos);

protected:
    BOOL PreCreateWindow(CREATESTRUCT& cs) override;
    BOOL Initialize() override;
    CSize GetItemTextSize(int nIndex) override;
    int InsertNonMRUItem(LPCTSTR lpszItem, UINT nMask, const OXLISTBOXITEM& item) override;
    void DrawItemText(CDC* pDC, LPCTSTR lpszText, LPRECT lpRect, COLORREF clr, CFont* pFont) override;

    static int CALLBACK EnumFontProc(const LOGFONTA* lplf, const TEXTMETRICA* lptm, DWORD dwType, LPARAM lParam);
    BOOL IsSymbolItemFont(CFont* pFont) const;
    void DeleteFonts();

    std::vector<OXLBFONTINFO> m_fontInfos;
    std::map<CFont*, int> m_fontMap;     // owned fonts -> font info index
    int m_nFontHeight;
    HDC m_hDC;
    HDC m_hDisplayDC;
    CImageList m_imageList;
    FontEnumerator m_pfnEnumFonts;
};
