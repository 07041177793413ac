#include "toolkit/lists/listboxes/OXListBoxEx.h"

#include "afx/DC.h"

#include <algorithm>

IMPLEMENT_DYNAMIC(COXListBoxEx, CListBox)

BEGIN_MESSAGE_MAP(COXListBoxEx, CListBox)
    ON_WM_CREATE()
    ON_WM_ERASEBKGND()
    ON_WM_SIZE()
    ON_WM_VSCROLL()
    ON_WM_SHOWWINDOW()
    ON_WM_DESTROY()
    ON_WM_MOUSEWHEEL()
    ON_WM_CTLCOLOR_REFLECT()
END_MESSAGE_MAP()

_tagOXLISTBOXITEM::_tagOXLISTBOXITEM()
    : pFont(nullptr), clrText(::GetSysColor(COLOR_WINDOWTEXT)), clrHighlightText(::GetSysColor(COLOR_HIGHLIGHTTEXT)),
      clrBackground(::GetSysColor(COLOR_WINDOW)), clrHighlightBackground(::GetSysColor(COLOR_HIGHLIGHT)),
      nImageIndex(-1), nIndent(0), rectContent(0, 0, 0, 0), rectImage(0, 0, 0, 0), rectText(0, 0, 0, 0),
      nMRUPosition(-1)
{
}

BOOL COXListBoxEx::IsWindowsNT4OrLater()
{
    OSVERSIONINFOA info = {};
    info.dwOSVersionInfoSize = sizeof info;
    if (!::GetVersionExA(&info))
        return FALSE;
    return info.dwPlatformId == VER_PLATFORM_WIN32_NT && info.dwMajorVersion >= 4;
}

BOOL COXListBoxEx::m_bWindowsNTRunning = COXListBoxEx::IsWindowsNT4OrLater();

COXListBoxEx::COXListBoxEx()
    : m_pImageList(nullptr), m_nMaxMRUCount(0), m_nLastMRUIndex(-1), m_nWidestItem(-1), m_nLastTopIndex(-1),
      m_clrBackground(::GetSysColor(COLOR_WINDOW)), m_bHighlightOnlyText(FALSE), m_bSaveMRU(FALSE),
      m_bResetting(FALSE), m_bRemeasure(FALSE)
{
}

COXListBoxEx::~COXListBoxEx() = default;

BOOL COXListBoxEx::PreCreateWindow(CREATESTRUCT& cs)
{
    cs.style &= ~LBS_OWNERDRAWFIXED;
    cs.style |= LBS_OWNERDRAWVARIABLE;
    return CListBox::PreCreateWindow(cs);
}

void COXListBoxEx::PreSubclassWindow()
{
    CListBox::PreSubclassWindow();
    if (AfxGetWndInit() != this)
        Initialize();
}

int COXListBoxEx::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CListBox::OnCreate(lpCreateStruct) == -1)
        return -1;
    return Initialize() ? 0 : -1;
}

BOOL COXListBoxEx::Initialize()
{
    if (!m_toolTip.GetSafeHwnd()) {
        const BOOL bTopmost = (GetExStyle() & WS_EX_TOPMOST) != 0;
        if (!m_toolTip.Create(this, bTopmost ? TTS_ALWAYSTIP : 0))
            return FALSE;
        m_toolTip.SetWindowPos(&CWnd::wndTopMost, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE);
        CRect client;
        GetClientRect(&client);
        if (client.IsRectEmpty())
            client = CRect(0, 0, 1, 1);
        m_toolTip.AddTool(this, m_sTipText, &client, OXLBX_CLIENT_TOOL);
    }
    UpdateToolTips();
    return TRUE;
}

OXLISTBOXITEM* COXListBoxEx::FindRecord(int nIndex) const
{
    auto it = m_items.find(nIndex);
    return it == m_items.end() ? nullptr : it->second.get();
}

const OXLISTBOXITEM* COXListBoxEx::GetItemRecord(int nIndex) const
{
    return FindRecord(nIndex);
}

void COXListBoxEx::ShiftKeys(int nFrom, int nDelta)
{
    std::map<int, std::unique_ptr<OXLISTBOXITEM>> shifted;
    for (auto& entry : m_items)
        shifted[entry.first >= nFrom ? entry.first + nDelta : entry.first] = std::move(entry.second);
    m_items.swap(shifted);
}

void COXListBoxEx::Redraw()
{
    if (::IsWindow(m_hWnd))
        RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}

// ---- Adding and attributes --------------------------------------------------

int COXListBoxEx::AddString(LPCTSTR lpszItem, UINT nMask, CFont* pFont, COLORREF clrText, COLORREF clrBackground,
                            LPCTSTR lpszTipText, int nImageIndex, int nIndent, COLORREF clrHighlightText,
                            COLORREF clrHighlightBackground)
{
    const int nCount = GetCount();
    const int nIndex = CListBox::AddString(lpszItem);
    if (nIndex < 0)
        return nIndex;
    if (nIndex != nCount) {
        // Sorted in before others: the later records and the section move
        // down with their items; the new item keeps the default look.
        ShiftKeys(nIndex, 1);
        for (auto& entry : m_items)
            if (entry.second->nMRUPosition >= nIndex)
                ++entry.second->nMRUPosition;
        if (nIndex <= m_nLastMRUIndex)
            ++m_nLastMRUIndex;
        if (m_nWidestItem >= nIndex)
            ++m_nWidestItem;
        MeasureListItem(nIndex);
        UpdateToolTips();
        return nIndex;
    }
    SetItemAttributes(nIndex, nMask, pFont, clrText, clrBackground, lpszTipText, nImageIndex, nIndent,
                      clrHighlightText, clrHighlightBackground);
    return nIndex;
}

int COXListBoxEx::AddString(LPCTSTR lpszItem, UINT nMask, const OXLISTBOXITEM& item)
{
    return AddString(lpszItem, nMask, item.pFont, item.clrText, item.clrBackground, item.sTipText, item.nImageIndex,
                     item.nIndent, item.clrHighlightText, item.clrHighlightBackground);
}

int COXListBoxEx::InsertString(int nIndex, LPCTSTR lpszItem, UINT nMask, CFont* pFont, COLORREF clrText,
                               COLORREF clrBackground, LPCTSTR lpszTipText, int nImageIndex, int nIndent,
                               COLORREF clrHighlightText, COLORREF clrHighlightBackground)
{
    if (nIndex == -1)
        return AddString(lpszItem, nMask, pFont, clrText, clrBackground, lpszTipText, nImageIndex, nIndent,
                         clrHighlightText, clrHighlightBackground);
    const int nResult = CListBox::InsertString(nIndex, lpszItem);
    if (nResult == nIndex) {
        ShiftKeys(nIndex, 1);
        SetItemAttributes(nIndex, nMask, pFont, clrText, clrBackground, lpszTipText, nImageIndex, nIndent,
                          clrHighlightText, clrHighlightBackground);
    }
    return nResult;
}

int COXListBoxEx::InsertString(int nIndex, LPCTSTR lpszItem, UINT nMask, const OXLISTBOXITEM& item)
{
    return InsertString(nIndex, lpszItem, nMask, item.pFont, item.clrText, item.clrBackground, item.sTipText,
                        item.nImageIndex, item.nIndent, item.clrHighlightText, item.clrHighlightBackground);
}

BOOL COXListBoxEx::SetItemAttributes(int nIndex, UINT nMask, CFont* pFont, COLORREF clrText,
                                     COLORREF clrBackground, LPCTSTR lpszTipText, int nImageIndex, int nIndent,
                                     COLORREF clrHighlightText, COLORREF clrHighlightBackground)
{
    const int nCount = GetCount();
    if (nIndex == -1) {
        for (int i = 0; i < nCount; ++i)
            SetItemAttributes(i, nMask, pFont, clrText, clrBackground, lpszTipText, nImageIndex, nIndent,
                              clrHighlightText, clrHighlightBackground);
        return TRUE;
    }
    if (nIndex < -1 || nIndex >= nCount)
        return FALSE;
    OXLISTBOXITEM* pItem = FindRecord(nIndex);
    const OXLISTBOXITEM defaults;
    auto colour = [](COLORREF clr, COLORREF clrDefault) { return clr == CLR_DEFAULT ? clrDefault : clr; };
    if (!pItem) {
        auto record = std::make_unique<OXLISTBOXITEM>();
        record->pFont = pFont;
        record->clrText = colour(clrText, defaults.clrText);
        record->clrBackground = colour(clrBackground, defaults.clrBackground);
        record->sTipText = lpszTipText ? lpszTipText : "";
        record->nImageIndex = nImageIndex;
        record->nIndent = nIndent;
        record->clrHighlightText = colour(clrHighlightText, defaults.clrHighlightText);
        record->clrHighlightBackground = colour(clrHighlightBackground, defaults.clrHighlightBackground);
        m_items[nIndex] = std::move(record);
        MeasureListItem(nIndex);
        UpdateToolTips();
    } else {
        if (nMask & OXLBI_FONT)
            pItem->pFont = pFont;
        if (nMask & OXLBI_TEXTCOLOR)
            pItem->clrText = colour(clrText, defaults.clrText);
        if (nMask & OXLBI_BKCOLOR)
            pItem->clrBackground = colour(clrBackground, defaults.clrBackground);
        if (nMask & OXLBI_TOOLTIP)
            pItem->sTipText = lpszTipText ? lpszTipText : "";
        if (nMask & OXLBI_IMAGE)
            pItem->nImageIndex = nImageIndex;
        if (nMask & OXLBI_INDENT)
            pItem->nIndent = nIndent;
        if (nMask & OXLBI_HIGHLIGHTTEXTCOLOR)
            pItem->clrHighlightText = colour(clrHighlightText, defaults.clrHighlightText);
        if (nMask & OXLBI_HIGHLIGHTBKCOLOR)
            pItem->clrHighlightBackground = colour(clrHighlightBackground, defaults.clrHighlightBackground);
        if (nMask & (OXLBI_FONT | OXLBI_INDENT))
            MeasureListItem(nIndex);
        if (nMask & (OXLBI_FONT | OXLBI_TOOLTIP | OXLBI_INDENT))
            UpdateToolTips();
    }
    CRect item, client;
    GetItemRect(nIndex, &item);
    GetClientRect(&client);
    if (!(item & client).IsRectEmpty())
        Redraw();
    return TRUE;
}

BOOL COXListBoxEx::SetItemAttributes(int nIndex, UINT nMask, const OXLISTBOXITEM& item)
{
    return SetItemAttributes(nIndex, nMask, item.pFont, item.clrText, item.clrBackground, item.sTipText,
                             item.nImageIndex, item.nIndent, item.clrHighlightText, item.clrHighlightBackground);
}

BOOL COXListBoxEx::SetItemFont(int nIndex, CFont* pFont)
{
    return SetItemAttributes(nIndex, OXLBI_FONT, pFont, CLR_DEFAULT, CLR_DEFAULT, nullptr, -1, 0, CLR_DEFAULT, CLR_DEFAULT);
}
BOOL COXListBoxEx::SetItemTextColor(int nIndex, COLORREF clr)
{
    return SetItemAttributes(nIndex, OXLBI_TEXTCOLOR, nullptr, clr, CLR_DEFAULT, nullptr, -1, 0, CLR_DEFAULT, CLR_DEFAULT);
}
BOOL COXListBoxEx::SetItemBkColor(int nIndex, COLORREF clr)
{
    return SetItemAttributes(nIndex, OXLBI_BKCOLOR, nullptr, CLR_DEFAULT, clr, nullptr, -1, 0, CLR_DEFAULT, CLR_DEFAULT);
}
BOOL COXListBoxEx::SetItemToolTipText(int nIndex, LPCTSTR lpszText)
{
    return SetItemAttributes(nIndex, OXLBI_TOOLTIP, nullptr, CLR_DEFAULT, CLR_DEFAULT, lpszText, -1, 0, CLR_DEFAULT,
                             CLR_DEFAULT);
}
BOOL COXListBoxEx::SetItemImageIndex(int nIndex, int nImageIndex)
{
    return SetItemAttributes(nIndex, OXLBI_IMAGE, nullptr, CLR_DEFAULT, CLR_DEFAULT, nullptr, nImageIndex, 0,
                             CLR_DEFAULT, CLR_DEFAULT);
}
BOOL COXListBoxEx::SetItemIndent(int nIndex, int nIndent)
{
    return SetItemAttributes(nIndex, OXLBI_INDENT, nullptr, CLR_DEFAULT, CLR_DEFAULT, nullptr, -1, nIndent,
                             CLR_DEFAULT, CLR_DEFAULT);
}
BOOL COXListBoxEx::SetItemHighlightTextColor(int nIndex, COLORREF clr)
{
    return SetItemAttributes(nIndex, OXLBI_HIGHLIGHTTEXTCOLOR, nullptr, CLR_DEFAULT, CLR_DEFAULT, nullptr, -1, 0, clr,
                             CLR_DEFAULT);
}
BOOL COXListBoxEx::SetItemHighlightBkColor(int nIndex, COLORREF clr)
{
    return SetItemAttributes(nIndex, OXLBI_HIGHLIGHTBKCOLOR, nullptr, CLR_DEFAULT, CLR_DEFAULT, nullptr, -1, 0,
                             CLR_DEFAULT, clr);
}

CFont* COXListBoxEx::GetItemFont(int nIndex) const
{
    return RecordField(nIndex, &OXLISTBOXITEM::pFont, static_cast<CFont*>(nullptr));
}
COLORREF COXListBoxEx::GetItemTextColor(int nIndex) const
{
    return RecordField(nIndex, &OXLISTBOXITEM::clrText, COLORREF(0));
}
COLORREF COXListBoxEx::GetItemHighlightTextColor(int nIndex) const
{
    return RecordField(nIndex, &OXLISTBOXITEM::clrHighlightText, COLORREF(0));
}
COLORREF COXListBoxEx::GetItemBkColor(int nIndex) const
{
    return RecordField(nIndex, &OXLISTBOXITEM::clrBackground, COLORREF(0));
}
COLORREF COXListBoxEx::GetItemHighlightBkColor(int nIndex) const
{
    return RecordField(nIndex, &OXLISTBOXITEM::clrHighlightBackground, COLORREF(0));
}
int COXListBoxEx::GetItemImageIndex(int nIndex) const
{
    return RecordField(nIndex, &OXLISTBOXITEM::nImageIndex, 0);
}
int COXListBoxEx::GetItemIndent(int nIndex) const
{
    return RecordField(nIndex, &OXLISTBOXITEM::nIndent, 0);
}
CString COXListBoxEx::GetItemToolTipText(int nIndex) const
{
    return RecordField(nIndex, &OXLISTBOXITEM::sTipText, CString());
}

void COXListBoxEx::SetImageList(CImageList* pImageList)
{
    m_pImageList = pImageList;
    if (::IsWindow(m_hWnd))
        MeasureListItem(-1);
}

void COXListBoxEx::RefreshLayout()
{
    if (!::IsWindow(m_hWnd))
        return;
    MeasureListItem(-1);
    UpdateToolTips();
}

// ---- Layout -------------------------------------------------------------------

CRect COXListBoxEx::GetItemImageRect(int)
{
    IMAGEINFO info = {};
    if (m_pImageList && m_pImageList->GetSafeHandle() && m_pImageList->GetImageCount() > 0 &&
        m_pImageList->GetImageInfo(0, &info))
        return CRect(0, 0, info.rcImage.right - info.rcImage.left, info.rcImage.bottom - info.rcImage.top);
    return CRect(0, 0, 0, 0);
}

CSize COXListBoxEx::GetItemTextSize(int nIndex)
{
    if (!(GetStyle() & LBS_HASSTRINGS) || nIndex < 0 || nIndex >= GetCount())
        return CSize(0, 0);
    CString text;
    GetText(nIndex, text);
    CClientDC dc(this);
    const OXLISTBOXITEM* pItem = FindRecord(nIndex);
    HFONT hFont = pItem && pItem->pFont ? static_cast<HFONT>(pItem->pFont->GetSafeHandle())
                                        : reinterpret_cast<HFONT>(SendMessage(WM_GETFONT));
    HGDIOBJ oldFont = hFont ? dc.SelectObject(hFont) : nullptr;
    CRect measure(0, 0, 0, 0);
    dc.DrawText(text, text.GetLength(), &measure, DT_CALCRECT | DT_SINGLELINE);
    if (oldFont)
        dc.SelectObject(oldFont);
    return measure.Size();
}

void COXListBoxEx::CalcLayout(CSize image, CSize text, int nIndent, BOOL bLastMRU, CRect& content, CRect& rectImage,
                              CRect& rectText)
{
    const int gap = image.cx > 0 ? 2 : 0;
    content = CRect(0, 0, nIndent + gap + image.cx + text.cx + 4, std::max(image.cy + 4, text.cy + 4));
    rectImage = CRect(0, 0, 0, 0);
    if (image.cx > 0) {
        rectImage.left = nIndent + 2;
        rectImage.top = (content.Height() - image.cy) / 2;
        rectImage.right = rectImage.left + image.cx;
        rectImage.bottom = rectImage.top + image.cy;
    }
    rectText.left = nIndent + gap + image.cx + 2;
    rectText.top = (content.Height() - text.cy) / 2;
    rectText.right = rectText.left + text.cx;
    rectText.bottom = rectText.top + text.cy;
    if (bLastMRU)
        content.bottom += OXLBX_MRU_BAND;
}

void COXListBoxEx::CalcItemLayout(int nIndex, CRect& rectContent, CRect& rectRow, CRect& rectImage, CRect& rectText)
{
    const OXLISTBOXITEM* pItem = FindRecord(nIndex);
    const CRect image = GetItemImageRect(nIndex);
    CalcLayout(image.Size(), GetItemTextSize(nIndex), pItem ? pItem->nIndent : 0,
               m_nLastMRUIndex >= 0 && nIndex == m_nLastMRUIndex, rectContent, rectImage, rectText);
    rectRow = rectContent;
    CRect client;
    GetClientRect(&client);
    if (rectRow.right > client.Width())
        rectRow.right = client.Width();
    if (OXLISTBOXITEM* pRecord = FindRecord(nIndex)) {
        pRecord->rectContent = rectContent;
        pRecord->rectImage = rectImage;
        pRecord->rectText = rectText;
    }
}

void COXListBoxEx::MeasureListItem(int nIndex)
{
    if (!::IsWindow(m_hWnd))
        return;
    if (nIndex == -1) {
        const int nCount = GetCount();
        for (int i = 0; i < nCount; ++i)
            MeasureListItem(i);
        return;
    }
    CRect content, row, image, text;
    CalcItemLayout(nIndex, content, row, image, text);
    SetItemHeight(nIndex, static_cast<UINT>(content.Height() & 0xFFFF));
    if (content.Width() > GetHorizontalExtent()) {
        m_nWidestItem = nIndex;
        SetHorizontalExtent(content.Width());
    }
}

// ---- Drawing --------------------------------------------------------------------

void COXListBoxEx::FillItemBackground(CDC* pDC, LPCRECT lpRect, COLORREF clr)
{
    pDC->FillSolidRect(lpRect, clr);
}

void COXListBoxEx::DrawItemImage(CDC* pDC, int nImageIndex, CPoint pt, UINT nStyle)
{
    if (m_pImageList)
        m_pImageList->Draw(pDC, nImageIndex, pt, nStyle);
}

void COXListBoxEx::DrawItemText(CDC* pDC, LPCTSTR lpszText, LPRECT lpRect, COLORREF clr, CFont* pFont)
{
    const int oldMode = pDC->SetBkMode(TRANSPARENT);
    const COLORREF oldColour = pDC->SetTextColor(clr);
    HGDIOBJ oldFont = pFont && pFont->GetSafeHandle() ? pDC->SelectObject(pFont->GetSafeHandle()) : nullptr;
    pDC->DrawText(lpszText, -1, lpRect, DT_SINGLELINE | DT_VCENTER);
    if (oldFont)
        pDC->SelectObject(oldFont);
    pDC->SetTextColor(oldColour);
    pDC->SetBkMode(oldMode);
}

void COXListBoxEx::DrawItem(LPDRAWITEMSTRUCT lpDis)
{
    if (GetCount() == 0)
        return;
    CDC* pDC = CDC::FromHandle(lpDis->hDC);
    const int nItem = static_cast<int>(lpDis->itemID);
    OXLISTBOXITEM defaults;
    OXLISTBOXITEM* pItem = nItem >= 0 ? FindRecord(nItem) : nullptr;
    if (!pItem) {
        // Items without a record are drawn from a default one laid out now.
        CRect row;
        CalcLayout(GetItemImageRect(nItem).Size(), GetItemTextSize(nItem), 0,
                   nItem >= 0 && nItem == m_nLastMRUIndex, defaults.rectContent, defaults.rectImage,
                   defaults.rectText);
        pItem = &defaults;
    }
    CRect row(lpDis->rcItem);
    const BOOL bEntire = (lpDis->itemAction & ODA_DRAWENTIRE) != 0;
    const BOOL bSelect = (lpDis->itemAction & ODA_SELECT) != 0;
    const BOOL bFocusAction = (lpDis->itemAction & ODA_FOCUS) != 0;
    const BOOL bSelected = (lpDis->itemState & ODS_SELECTED) != 0;
    const BOOL bFocused = (lpDis->itemState & ODS_FOCUS) != 0;

    if (nItem >= 0 && nItem == m_nLastMRUIndex) {
        if (bEntire) {
            FillItemBackground(pDC, CRect(row.left, row.bottom - OXLBX_MRU_BAND, row.right, row.bottom),
                               pItem->clrBackground);
            FillItemBackground(pDC, CRect(row.left, row.bottom - 3, row.right, row.bottom - 1),
                               ::GetSysColor(COLOR_BTNSHADOW));
        }
        row.bottom -= OXLBX_MRU_BAND;
    }
    CRect image = pItem->rectImage;
    CRect text = pItem->rectText;
    image.OffsetRect(row.TopLeft());
    text.OffsetRect(row.TopLeft());
    const CRect fill = m_bHighlightOnlyText ? text : row;

    if (bEntire || bSelect) {
        pDC->FillSolidRect(&fill, bSelected ? pItem->clrHighlightBackground : pItem->clrBackground);
    } else if (bFocusAction && !bFocused) {
        CBrush brush(bSelected ? pItem->clrHighlightBackground : pItem->clrBackground);
        pDC->FrameRect(&fill, &brush);
    }
    if (bEntire || bSelect) {
        if (!image.IsRectEmpty() && pItem->nImageIndex != -1)
            DrawItemImage(pDC, pItem->nImageIndex, image.TopLeft(),
                          ILD_TRANSPARENT | (bSelected && m_bHighlightOnlyText ? ILD_SELECTED : 0));
        if (GetStyle() & LBS_HASSTRINGS) {
            CString sText;
            if (nItem >= 0)
                GetText(nItem, sText);
            DrawItemText(pDC, sText, &text, bSelected ? pItem->clrHighlightText : pItem->clrText, pItem->pFont);
        }
    }
    if ((bEntire && bFocused) || (bFocusAction && bFocused))
        pDC->DrawFocusRect(&fill);
}

BOOL COXListBoxEx::OnEraseBkgnd(CDC* pDC)
{
    CRect client;
    GetClientRect(&client);
    const int nCount = GetCount();
    if (m_bHighlightOnlyText || nCount == 0) {
        pDC->FillSolidRect(&client, m_clrBackground);
        return TRUE;
    }
    CRect last;
    GetItemRect(nCount - 1, &last);
    if (last.bottom < client.bottom)
        pDC->FillSolidRect(CRect(client.left, std::max<LONG>(last.bottom, client.top), client.right, client.bottom),
                           m_clrBackground);
    return TRUE;
}

HBRUSH COXListBoxEx::CtlColor(CDC*, UINT)
{
    if (GetCount() > 0)
        return nullptr;
    // One brush for every list, made again for the colour asked now.
    static HBRUSH s_hBrush = nullptr;
    if (s_hBrush)
        ::DeleteObject(s_hBrush);
    s_hBrush = ::CreateSolidBrush(m_clrBackground);
    return s_hBrush;
}

// ---- Tooltips, scrolling and the wheel -------------------------------------------

void COXListBoxEx::UpdateToolTips()
{
    if (!m_toolTip.GetSafeHwnd())
        return;
    const int nTools = static_cast<int>(m_toolTip.SendMessage(TTM_GETTOOLCOUNT));
    for (int id = 1; id <= nTools; ++id)
        m_toolTip.DelTool(this, static_cast<UINT_PTR>(id));
    CRect client;
    GetClientRect(&client);
    const int nCount = GetCount();
    UINT_PTR nextId = 1;
    int y = 0;
    for (int i = GetTopIndex(); i >= 0 && i < nCount && y < client.bottom; ++i) {
        const int height = GetItemHeight(i);
        const OXLISTBOXITEM* pItem = FindRecord(i);
        if (pItem && !pItem->sTipText.IsEmpty()) {
            CRect row(client.left, y, client.right, y + height);
            if (m_bHighlightOnlyText) {
                const int start = !pItem->rectImage.IsRectEmpty() ? pItem->rectImage.left : pItem->rectText.left;
                if (row.left < start)
                    row.left = start;
                row.right = std::min<LONG>(row.right, pItem->rectText.right);
            }
            m_toolTip.AddTool(this, pItem->sTipText, &row, nextId++);
        }
        y += height;
    }
    m_nLastTopIndex = GetTopIndex();
}

BOOL COXListBoxEx::PreTranslateMessage(MSG* pMsg)
{
    if (m_toolTip.GetSafeHwnd()) {
        if (GetTopIndex() != m_nLastTopIndex)
            UpdateToolTips();
        m_toolTip.Activate(TRUE);
        m_toolTip.RelayEvent(pMsg);
    }
    return CListBox::PreTranslateMessage(pMsg);
}

void COXListBoxEx::OnSize(UINT nType, int cx, int cy)
{
    CListBox::OnSize(nType, cx, cy);
    if (m_toolTip.GetSafeHwnd()) {
        CRect client;
        GetClientRect(&client);
        if (client.IsRectEmpty())
            client = CRect(0, 0, 1, 1);
        m_toolTip.SetToolRect(this, OXLBX_CLIENT_TOOL, &client);
    }
    UpdateToolTips();
}

void COXListBoxEx::OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar)
{
    CListBox::OnVScroll(nSBCode, nPos, pScrollBar);
    if (nSBCode == SB_ENDSCROLL)
        UpdateToolTips();
}

void COXListBoxEx::OnShowWindow(BOOL bShow, UINT nStatus)
{
    CListBox::OnShowWindow(bShow, nStatus);
    if (m_toolTip.GetSafeHwnd() && (GetExStyle() & WS_EX_TOPMOST))
        m_toolTip.SetWindowPos(&CWnd::wndTopMost, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE);
    UpdateToolTips();
}

BOOL COXListBoxEx::OnMouseWheel(UINT, short zDelta, CPoint)
{
    const int nTop = GetTopIndex();
    SetTopIndex(zDelta < 1 ? nTop + 1 : std::max(nTop - 1, 0));
    return TRUE;
}

void COXListBoxEx::OnDestroy()
{
    if (m_bSaveMRU)
        SaveMRUState("OXLISTBOXEX_MRU");
    ResetContent();
    if (m_toolTip.GetSafeHwnd())
        m_toolTip.DestroyWindow();
    CListBox::OnDestroy();
}
