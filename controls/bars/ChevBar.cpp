#include "controls/bars/ChevBar.h"

#include "afx/ToolBar.h"
#include "controls/bars/BarLayoutRules.h"

#include <algorithm>

IMPLEMENT_DYNAMIC(CChevDrop, CWnd)
IMPLEMENT_DYNAMIC(CChevBar, CReBar)

BEGIN_MESSAGE_MAP(CChevDrop, CWnd)
    ON_WM_KILLFOCUS()
    ON_WM_KEYDOWN()
END_MESSAGE_MAP()

BEGIN_MESSAGE_MAP(CChevBar, CReBar)
    ON_NOTIFY_REFLECT(RBN_CHEVRONPUSHED, &CChevBar::OnChevronPushed)
END_MESSAGE_MAP()

namespace {

const DWORD kDropToolBarStyle = WS_CHILD | TBSTYLE_FLAT | TBSTYLE_WRAPABLE | TBSTYLE_TOOLTIPS | CCS_NODIVIDER;

} // namespace

// ---- The drop-down -----------------------------------------------------------------------

CChevDrop::CChevDrop() : m_hOwner(nullptr), m_tb(), m_ImageList(), m_texts() {}

CChevDrop::~CChevDrop()
{
    DestroyDropDown();
    if (m_hWnd)
        DestroyWindow();
}

BOOL CChevDrop::CreatePopup()
{
    LPCTSTR cls = AfxRegisterWndClass(CS_HREDRAW | CS_VREDRAW, ::LoadCursor(nullptr, IDC_ARROW),
                                      reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1));
    return CreateEx(WS_EX_TOOLWINDOW, cls, "", WS_POPUP | WS_BORDER, CRect(0, 0, 0, 0), nullptr, 0);
}

void CChevDrop::DestroyDropDown()
{
    if (m_tb.GetSafeHwnd())
        m_tb.DestroyWindow();
    m_ImageList.DeleteImageList();
    m_texts.clear();
}

std::vector<TBBUTTON> CChevDrop::HiddenButtons(HWND hToolBar, const CRect& rcVisible)
{
    std::vector<TBBUTTON> hidden;
    const int count = static_cast<int>(::SendMessageA(hToolBar, TB_BUTTONCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        TBBUTTON button = {};
        if (!::SendMessageA(hToolBar, TB_GETBUTTON, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&button)))
            continue;
        if ((button.fsStyle & BTNS_SEP) || (button.fsState & TBSTATE_HIDDEN))
            continue;
        CRect item;
        ::SendMessageA(hToolBar, TB_GETITEMRECT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&item));
        CRect inside;
        inside.IntersectRect(&item, &rcVisible);
        if (inside == item)
            continue;
        // Wrapping belongs to the source's rows, not to the drop-down's.
        button.fsState &= static_cast<BYTE>(~TBSTATE_WRAP);
        hidden.push_back(button);
    }
    return hidden;
}

BOOL CChevDrop::ShowPopup(CWnd* pOwner, CWnd* pToolBar, CRect rcVisible, CPoint ptScreen)
{
    if (!pToolBar || !pToolBar->GetSafeHwnd() || (!m_hWnd && !CreatePopup()))
        return FALSE;
    DestroyDropDown();
    m_hOwner = pOwner ? pOwner->GetSafeHwnd() : nullptr;

    std::vector<TBBUTTON> buttons = HiddenButtons(pToolBar->m_hWnd, rcVisible);
    if (buttons.empty())
        return FALSE;
    if (!m_tb.Create(kDropToolBarStyle, CRect(0, 0, 0, 0), this, ToolBarId))
        return FALSE;
    // The size of the record this build passes, not that of an older one.
    m_tb.SetButtonStructSize(sizeof(TBBUTTON));
    m_tb.SetExtendedStyle(TBSTYLE_EX_DRAWDDARROWS);
    HIMAGELIST source = reinterpret_cast<HIMAGELIST>(::SendMessageA(pToolBar->m_hWnd, TB_GETIMAGELIST, 0, 0));
    if (source) {
        m_ImageList.Attach(ImageList_Duplicate(source));
        m_tb.SetImageList(m_ImageList.GetSafeHandle());
    }

    // The captions are copied: a string index would name the source's pool.
    m_texts.reserve(buttons.size());
    for (TBBUTTON& button : buttons) {
        char text[256] = {};
        const LRESULT length = ::SendMessageA(pToolBar->m_hWnd, TB_GETBUTTONTEXTA, static_cast<WPARAM>(button.idCommand), 0);
        if (length > 0 && length < static_cast<LRESULT>(sizeof(text))) {
            ::SendMessageA(pToolBar->m_hWnd, TB_GETBUTTONTEXTA, static_cast<WPARAM>(button.idCommand),
                           reinterpret_cast<LPARAM>(text));
            m_texts.emplace_back(text);
            button.iString = reinterpret_cast<INT_PTR>(m_texts.back().c_str());
        } else {
            button.iString = -1;
        }
    }
    m_tb.AddButtons(static_cast<int>(buttons.size()), buttons.data());
    m_tb.AutoSize();

    const int rows = BarLayoutRules::ChevronRows(static_cast<int>(buttons.size()));
    CRect rc;
    ::SendMessageA(m_tb.m_hWnd, TB_SETROWS, MAKEWPARAM(rows, TRUE), reinterpret_cast<LPARAM>(&rc));
    SIZE maxSize = {};
    ::SendMessageA(m_tb.m_hWnd, TB_GETMAXSIZE, 0, reinterpret_cast<LPARAM>(&maxSize));
    const DWORD padding = static_cast<DWORD>(::SendMessageA(m_tb.m_hWnd, TB_GETPADDING, 0, 0));
    int width = rc.Width() > 0 ? rc.Width() : maxSize.cx;
    int height = rc.Height() > 0 ? rc.Height() : maxSize.cy;
    width += LOWORD(padding);
    height += HIWORD(padding);

    // The popup's outer size holds the toolbar and the border.
    CRect outer(0, 0, width, height);
    ::AdjustWindowRectEx(&outer, static_cast<DWORD>(::GetWindowLongA(m_hWnd, GWL_STYLE)), FALSE,
                         static_cast<DWORD>(::GetWindowLongA(m_hWnd, GWL_EXSTYLE)));
    CRect place(ptScreen, outer.Size());
    const int cxScreen = ::GetSystemMetrics(SM_CXSCREEN), cyScreen = ::GetSystemMetrics(SM_CYSCREEN);
    if (place.right > cxScreen)
        place.OffsetRect(cxScreen - place.right, 0);
    if (place.bottom > cyScreen)
        place.OffsetRect(0, cyScreen - place.bottom);

    m_tb.MoveWindow(0, 0, width, height);
    m_tb.ShowWindow(SW_SHOW);
    SetWindowPos(&CWnd::wndTopMost, place.left, place.top, place.Width(), place.Height(), SWP_SHOWWINDOW);
    ::SetFocus(m_hWnd);
    return TRUE;
}

void CChevDrop::HidePopup()
{
    if (m_hWnd)
        SetWindowPos(nullptr, 0, 0, 0, 0, SWP_HIDEWINDOW | SWP_NOACTIVATE | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER);
}

BOOL CChevDrop::OnCommand(WPARAM wParam, LPARAM lParam)
{
    if (m_hOwner)
        ::SendMessageA(m_hOwner, WM_COMMAND, wParam, lParam);
    return TRUE;
}

BOOL CChevDrop::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    const LRESULT result = m_hOwner ? ::SendMessageA(m_hOwner, WM_NOTIFY, wParam, lParam) : 0;
    if (pResult)
        *pResult = result;
    return TRUE;
}

void CChevDrop::OnKillFocus(CWnd* pNewWnd)
{
    CWnd::OnKillFocus(pNewWnd);
    HidePopup();
}

void CChevDrop::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    if (nChar == VK_ESCAPE) {
        HidePopup();
        return;
    }
    CWnd::OnKeyDown(nChar, nRepCnt, nFlags);
}

// ---- The rebar ---------------------------------------------------------------------------

CChevBar::CChevBar() : m_pDropWnd(nullptr) {}

CChevBar::~CChevBar()
{
    delete m_pDropWnd;
}

BOOL CChevBar::AddBar(CWnd* pBar, UINT nBandId, LPCTSTR pszText, DWORD dwStyle)
{
    const bool isToolBar = pBar && CWnd::FromHandlePermanent(pBar->GetSafeHwnd()) &&
                           pBar->IsKindOf(RUNTIME_CLASS(CToolBar));
    dwStyle = BarLayoutRules::ChevronBandStyle(dwStyle, isToolBar, nBandId);
    if (!CReBar::AddBar(pBar, pszText, nullptr, dwStyle))
        return FALSE;
    if (!(dwStyle & RBBS_USECHEVRON))
        return TRUE;

    // The band's ideal width is the whole toolbar: narrower than that, the chevron shows.
    SIZE size = {};
    pBar->SendMessage(TB_GETMAXSIZE, 0, reinterpret_cast<LPARAM>(&size));
    REBARBANDINFOA rbbi = {};
    rbbi.cbSize = sizeof(rbbi);
    rbbi.fMask = RBBIM_CHILDSIZE | RBBIM_SIZE | RBBIM_ID | RBBIM_IDEALSIZE;
    rbbi.cxMinChild = 0;
    rbbi.cyMinChild = static_cast<UINT>(size.cy);
    rbbi.cx = rbbi.cxIdeal = static_cast<UINT>(size.cx);
    rbbi.wID = nBandId;
    const int last = static_cast<int>(SendMessage(RB_GETBANDCOUNT)) - 1;
    return SendMessage(RB_SETBANDINFOA, static_cast<WPARAM>(last), reinterpret_cast<LPARAM>(&rbbi)) != 0;
}

void CChevBar::OnChevronPushed(NMHDR* pNMHDR, LRESULT* pResult)
{
    NMREBARCHEVRON* chevron = reinterpret_cast<NMREBARCHEVRON*>(pNMHDR);
    *pResult = 0;

    REBARBANDINFOA rbbi = {};
    rbbi.cbSize = sizeof(rbbi);
    rbbi.fMask = RBBIM_CHILD;
    if (!SendMessage(RB_GETBANDINFOA, chevron->uBand, reinterpret_cast<LPARAM>(&rbbi)) || !rbbi.hwndChild)
        return;
    CRect band;
    SendMessage(RB_GETRECT, chevron->uBand, reinterpret_cast<LPARAM>(&band));
    // Relative to the band; the chevron covers its right end.
    CRect visible(0, 0, band.Width() - CRect(chevron->rc).Width(), band.Height());

    CPoint drop(chevron->rc.left, chevron->rc.bottom);
    ClientToScreen(&drop);

    if (!m_pDropWnd) {
        m_pDropWnd = new CChevDrop;
        if (!m_pDropWnd->CreatePopup()) {
            delete m_pDropWnd;
            m_pDropWnd = nullptr;
            return;
        }
    }
    m_pDropWnd->ShowPopup(GetParent(), CWnd::FromHandle(rbbi.hwndChild), visible, drop);
}
