#include "toolkit/lists/listboxes/OXFontListBox.h"

#include "afx/DC.h"
#include "afx/WinApp.h"
#include "toolkit/resources/ToolkitResource.h"

#include <algorithm>
#include <cstring>

IMPLEMENT_DYNAMIC(COXFontListBox, COXListBoxEx)

namespace {
const char kMRUSection[] = "OXLISTBOXEX_MRU";
const char kCopySection[] = "FontListBox_MRU_ABCDEFG_0123456_Copy";

int CompareNames(const char* a, const char* b)
{
    return ::CompareStringA(LOCALE_USER_DEFAULT, NORM_IGNORECASE, a, -1, b, -1) - CSTR_EQUAL;
}
} // namespace

COXFontListBox::COXFontListBox()
    : m_nFontHeight(20), m_hDC(nullptr), m_hDisplayDC(nullptr), m_pfnEnumFonts(&::EnumFontsA)
{
    if (m_imageList.Create(IDB_OX_LB_FONTTYPE, 16, 0, RGB(192, 192, 192)))
        SetImageList(&m_imageList);
    SetMaxMRUCount(6);
}

COXFontListBox::~COXFontListBox()
{
    if (m_hDisplayDC)
        ::DeleteDC(m_hDisplayDC);
    DeleteFonts();
}

void COXFontListBox::DeleteFonts()
{
    for (auto& entry : m_fontMap)
        delete entry.first;
    m_fontMap.clear();
}

BOOL COXFontListBox::PreCreateWindow(CREATESTRUCT& cs)
{
    if (!COXListBoxEx::PreCreateWindow(cs))
        return FALSE;
    cs.style &= ~(LBS_SORT | LBS_OWNERDRAWFIXED);
    cs.style |= LBS_OWNERDRAWVARIABLE | LBS_HASSTRINGS;
    return TRUE;
}

BOOL COXFontListBox::Initialize()
{
    if (GetCount() > 0)
        ResetContent();
    if (!COXListBoxEx::Initialize())
        return FALSE;
    SetRedraw(FALSE);
    FillFontList();
    if (m_bSaveMRU)
        LoadMRUState(kMRUSection);
    SetRedraw(TRUE);
    return TRUE;
}

BOOL COXFontListBox::IsSymbolFont(const LOGFONT& lf)
{
    if (lf.lfCharSet == SYMBOL_CHARSET)
        return TRUE;
    CString name(lf.lfFaceName);
    name.MakeUpper();
    return name.Find("SYMBOL") >= 0 || name.Find("BATS") >= 0 || name.Find("BRAILLE") >= 0 ||
           name.Find(" EXTRAS") >= 0 || (name.Find("LINE") >= 0 && name.Find("DRAW") >= 0);
}

void COXFontListBox::SortAndMerge(std::vector<OXLBFONTINFO>& infos)
{
    std::stable_sort(infos.begin(), infos.end(), [](const OXLBFONTINFO& a, const OXLBFONTINFO& b) {
        return CompareNames(a.lf.lfFaceName, b.lf.lfFaceName) < 0;
    });
    std::vector<OXLBFONTINFO> merged;
    for (const OXLBFONTINFO& info : infos) {
        if (!merged.empty() && CompareNames(merged.back().lf.lfFaceName, info.lf.lfFaceName) == 0) {
            if (info.dwFontType & TRUETYPE_FONTTYPE)
                merged.back() = info;
            continue;
        }
        merged.push_back(info);
    }
    infos.swap(merged);
}

BOOL COXFontListBox::AcceptFont(const OXLBFONTINFO&)
{
    return TRUE;
}

int CALLBACK COXFontListBox::EnumFontProc(const LOGFONTA* lplf, const TEXTMETRICA*, DWORD dwType, LPARAM lParam)
{
    COXFontListBox* pThis = reinterpret_cast<COXFontListBox*>(lParam);
    OXLBFONTINFO info = {};
    info.lf = *lplf;
    info.lf.lfHeight = pThis->GetFontHeight();
    info.lf.lfWidth = 0;
    info.dwFontType = dwType;
    info.bSymbol = IsSymbolFont(info.lf);
    if (pThis->AcceptFont(info))
        pThis->m_fontInfos.push_back(info);
    return 1;
}

BOOL COXFontListBox::FillFontList()
{
    HCURSOR oldCursor = ::SetCursor(::LoadCursor(nullptr, IDC_WAIT));
    ResetContent();
    m_fontInfos.clear();
    DeleteFonts();

    HDC hScreen = ::GetDC(nullptr);
    HDC hEnum = hScreen;
    if (!hEnum) {
        if (!m_hDisplayDC)
            m_hDisplayDC = ::CreateDCA("DISPLAY", nullptr, nullptr, nullptr);
        hEnum = m_hDisplayDC;
    }
    if (hEnum)
        m_pfnEnumFonts(hEnum, nullptr, &COXFontListBox::EnumFontProc, reinterpret_cast<LPARAM>(this));
    if (hScreen)
        ::ReleaseDC(nullptr, hScreen);

    SortAndMerge(m_fontInfos);
    for (size_t i = 0; i < m_fontInfos.size(); ++i) {
        const OXLBFONTINFO& info = m_fontInfos[i];
        CFont* pFont = new CFont;
        pFont->CreateFontIndirect(&info.lf);
        m_fontMap[pFont] = static_cast<int>(i);
        OXLISTBOXITEM item;
        item.pFont = pFont;
        item.nImageIndex = info.dwFontType == TRUETYPE_FONTTYPE ? 1 : 0;
        item.sTipText = info.lf.lfFaceName;
        InsertNonMRUItem(info.lf.lfFaceName, OXLBI_FONT | OXLBI_IMAGE, item);
    }
    ::SetCursor(oldCursor);
    return TRUE;
}

int COXFontListBox::InsertNonMRUItem(LPCTSTR lpszItem, UINT nMask, const OXLISTBOXITEM& item)
{
    int nAfter = m_nLastMRUIndex;
    for (int i = GetCount() - 1; i > m_nLastMRUIndex; --i) {
        CString text;
        GetText(i, text);
        if (CompareNames(text, lpszItem) <= 0) {
            nAfter = i;
            break;
        }
    }
    return InsertString(nAfter + 1, lpszItem, nMask, item);
}

BOOL COXFontListBox::IsSymbolItemFont(CFont* pFont) const
{
    auto it = pFont ? m_fontMap.find(pFont) : m_fontMap.end();
    return it != m_fontMap.end() && m_fontInfos[static_cast<size_t>(it->second)].bSymbol;
}

CSize COXFontListBox::GetItemTextSize(int nIndex)
{
    if (nIndex < 0 || nIndex >= GetCount())
        return CSize(0, 0);
    CString text;
    GetText(nIndex, text);
    CFont* pFont = GetItemFont(nIndex);
    HFONT hFont = pFont ? static_cast<HFONT>(pFont->GetSafeHandle()) : nullptr;
    if (IsSymbolItemFont(pFont)) {
        text = "[" + text + "]";
        hFont = reinterpret_cast<HFONT>(SendMessage(WM_GETFONT));
    }
    CClientDC dc(this);
    HGDIOBJ oldFont = hFont ? dc.SelectObject(hFont) : nullptr;
    CRect measure(0, 0, 0, 0);
    dc.DrawText(text, text.GetLength(), &measure, DT_CALCRECT | DT_SINGLELINE);
    if (oldFont)
        dc.SelectObject(oldFont);
    if (measure.Height() == 0 || measure.Height() > 5000)
        return CSize(0, 0);
    return measure.Size();
}

void COXFontListBox::DrawItemText(CDC* pDC, LPCTSTR lpszText, LPRECT lpRect, COLORREF clr, CFont* pFont)
{
    if (IsSymbolItemFont(pFont)) {
        CString text;
        text.Format("[%s]", lpszText);
        COXListBoxEx::DrawItemText(pDC, text, lpRect, clr,
                                   CFont::FromHandle(reinterpret_cast<HFONT>(SendMessage(WM_GETFONT))));
        return;
    }
    COXListBoxEx::DrawItemText(pDC, lpszText, lpRect, clr, pFont);
}

int COXFontListBox::SelectFont(LPCTSTR lpszFaceName)
{
    if (!lpszFaceName || !*lpszFaceName)
        return SetCurSel(-1);
    // The exact name: a prefix search would take "Arial Black" for "Arial".
    const int nIndex = FindStringExact(-1, lpszFaceName);
    if (nIndex == LB_ERR)
        return LB_ERR;
    return SetCurSel(nIndex);
}

int COXFontListBox::SelectFont(const LOGFONT* pLogFont)
{
    return SelectFont(pLogFont ? pLogFont->lfFaceName : "");
}

int COXFontListBox::SelectFont(CFont* pFont)
{
    LOGFONT lf;
    if (!pFont || !::GetObject(pFont->GetSafeHandle(), sizeof lf, &lf))
        return -1;
    return SelectFont(&lf);
}

CFont* COXFontListBox::GetSelectedFont() const
{
    const int nSel = GetCurSel();
    return nSel < 0 ? nullptr : GetItemFont(nSel);
}

void COXFontListBox::SetFontHeight(int nHeight)
{
    if (nHeight == m_nFontHeight) {
        return;
    }
    m_nFontHeight = nHeight;
    if (!::IsWindow(m_hWnd))
        return;
    const int nCount = GetCount();
    for (int i = 0; i < nCount; ++i) {
        CFont* pOld = GetItemFont(i);
        auto it = pOld ? m_fontMap.find(pOld) : m_fontMap.end();
        if (it == m_fontMap.end())
            continue;
        const int nInfo = it->second;
        m_fontMap.erase(it);
        OXLBFONTINFO& info = m_fontInfos[static_cast<size_t>(nInfo)];
        info.lf.lfHeight = nHeight;
        CFont* pNew = new CFont;
        pNew->CreateFontIndirect(&info.lf);
        m_fontMap[pNew] = nInfo;
        SetItemFont(i, pNew);
        delete pOld;
    }
}

void COXFontListBox::SetDeviceContext(HDC hDC)
{
    if (hDC == m_hDC)
        return;
    m_hDC = hDC;
    if (!::IsWindow(m_hWnd))
        return;
    SaveMRUState(kCopySection);
    FillFontList();
    LoadMRUState(kCopySection);
}
