#include "afx/ToolBar.h"

#include "afx/FrameWnd.h"
#include "afx/ToolBarData.h"

#include <string.h>

#include <vector>

IMPLEMENT_DYNAMIC(CToolBar, CControlBar)

BEGIN_MESSAGE_MAP(CToolBar, CControlBar)
    ON_NOTIFY_EX_RANGE(TTN_GETDISPINFOA, 0, 0xFFFF, &CToolBar::OnToolTipText)
    ON_NOTIFY_EX_RANGE(TTN_GETDISPINFOW, 0, 0xFFFF, &CToolBar::OnToolTipText)
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONDBLCLK()
    ON_WM_MOUSEMOVE()
    ON_WM_MOUSELEAVE()
END_MESSAGE_MAP()

namespace {

// The width of a separator's gap, in pixels.
const int kSeparatorWidth = 8;
// A button is this much larger than its image: the control's edge and padding.
const int kButtonMarginX = 7;
const int kButtonMarginY = 7;
} // namespace

// The state of one button while its update handler runs.
class CToolCmdUI : public CCmdUI
{
public:
    explicit CToolCmdUI(CToolBar* bar) : m_bar(bar) {}

    void Enable(BOOL bOn) override
    {
        m_bEnableChanged = TRUE;
        TBBUTTON button;
        if (!m_bar->GetButton(static_cast<int>(m_nIndex), button))
            return;
        BYTE state = button.fsState;
        state = bOn ? (state | TBSTATE_ENABLED) : (state & ~TBSTATE_ENABLED);
        // A disabled button cannot stay pressed.
        if (!bOn)
            state &= ~TBSTATE_PRESSED;
        m_bar->SetButtonState(static_cast<int>(m_nIndex), button.fsStyle, state);
    }

    void SetCheck(int nCheck) override
    {
        TBBUTTON button;
        if (!m_bar->GetButton(static_cast<int>(m_nIndex), button))
            return;
        BYTE state = button.fsState & ~(TBSTATE_CHECKED | TBSTATE_INDETERMINATE);
        if (nCheck == 1)
            state |= TBSTATE_CHECKED;
        else if (nCheck == 2)
            state |= TBSTATE_INDETERMINATE;
        m_bar->SetButtonState(static_cast<int>(m_nIndex), button.fsStyle | TBSTYLE_CHECK, state);
    }

    // A button's face has no text to change.
    void SetText(LPCTSTR) override {}

private:
    CToolBar* m_bar;
};

CToolBar::CToolBar()
    : m_sizeButton(16 + kButtonMarginX, 15 + kButtonMarginY), m_sizeImage(16, 15), m_hbmImageWell(nullptr),
      m_cyHeight(0), m_bDelayedButtonLayout(TRUE), m_nFlyByID(0)
{
}

CToolBar::~CToolBar()
{
    if (m_hWnd)
        DestroyWindow();
    if (m_hbmImageWell)
        ::DeleteObject(m_hbmImageWell);
}

BOOL CToolBar::Create(CWnd* pParentWnd, DWORD dwStyle, UINT nID)
{
    return CreateEx(pParentWnd, 0, dwStyle, CRect(0, 0, 0, 0), nID);
}

BOOL CToolBar::CreateEx(CWnd* pParentWnd, DWORD dwCtrlStyle, DWORD dwStyle, CRect rcBorders, UINT nID)
{
    ASSERT(pParentWnd != nullptr);
    SetBorders(&rcBorders);
    DWORD windowStyle = SplitBarStyle(dwStyle) | WS_CHILD | dwCtrlStyle;
    // The frame places the bar: the control must neither move nor size itself.
    windowStyle |= CCS_NOPARENTALIGN | CCS_NOMOVEY | CCS_NODIVIDER | CCS_NORESIZE;
    if (m_dwStyle & CBRS_TOOLTIPS)
        windowStyle |= TBSTYLE_TOOLTIPS;
    if (!CWnd::Create(TOOLBARCLASSNAMEA, nullptr, windowStyle, CRect(0, 0, 0, 0), pParentWnd, nID))
        return FALSE;
    SendMessage(TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON));
    SetSizes(m_sizeButton, m_sizeImage);
    AttachToFrame(pParentWnd);
    return TRUE;
}

void CToolBar::SetBarStyle(DWORD dwStyle)
{
    CControlBar::SetBarStyle(dwStyle);
    if (m_hWnd) {
        // Tooltips follow the bar style at any time, as the frame's options may change it.
        const LONG_PTR style = ::GetWindowLongPtrA(m_hWnd, GWL_STYLE);
        const LONG_PTR wanted = (dwStyle & CBRS_TOOLTIPS) ? (style | TBSTYLE_TOOLTIPS) : (style & ~TBSTYLE_TOOLTIPS);
        if (wanted != style)
            ::SetWindowLongPtrA(m_hWnd, GWL_STYLE, wanted);
    }
}

BOOL CToolBar::LoadToolBar(LPCTSTR lpszResourceName)
{
    CToolBarData data;
    if (!data.Load(lpszResourceName))
        return FALSE;
    SetSizes(CSize(data.wWidth + kButtonMarginX, data.wHeight + kButtonMarginY), CSize(data.wWidth, data.wHeight));
    if (!LoadBitmap(lpszResourceName))
        return FALSE;
    const int count = static_cast<int>(data.ids.GetSize());
    UINT* ids = new UINT[count > 0 ? count : 1];
    for (int i = 0; i < count; ++i)
        ids[i] = data.ids[i];
    const BOOL ok = SetButtons(ids, count);
    delete[] ids;
    return ok;
}

BOOL CToolBar::LoadBitmap(LPCTSTR lpszResourceName)
{
    HINSTANCE module = AfxFindResourceHandle(lpszResourceName, RT_BITMAP);
    // Light gray, gray and white of the drawing become the system's button colours.
    HBITMAP bitmap = static_cast<HBITMAP>(::LoadImageA(module, lpszResourceName, IMAGE_BITMAP, 0, 0,
                                                       LR_LOADMAP3DCOLORS));
    if (!bitmap)
        bitmap = static_cast<HBITMAP>(::LoadImageA(module, lpszResourceName, IMAGE_BITMAP, 0, 0, 0));
    if (!bitmap)
        return FALSE;
    BITMAP info = {};
    ::GetObjectA(bitmap, sizeof info, &info);
    const int images = m_sizeImage.cx > 0 ? info.bmWidth / m_sizeImage.cx : 0;
    if (m_hbmImageWell) {
        TBREPLACEBITMAP replace = { nullptr, reinterpret_cast<UINT_PTR>(m_hbmImageWell), nullptr,
                                    reinterpret_cast<UINT_PTR>(bitmap), images };
        if (!SendMessage(TB_REPLACEBITMAP, 0, reinterpret_cast<LPARAM>(&replace))) {
            ::DeleteObject(bitmap);
            return FALSE;
        }
        ::DeleteObject(m_hbmImageWell);
    } else {
        TBADDBITMAP add = { nullptr, reinterpret_cast<UINT_PTR>(bitmap) };
        if (SendMessage(TB_ADDBITMAP, static_cast<WPARAM>(images), reinterpret_cast<LPARAM>(&add)) == -1) {
            ::DeleteObject(bitmap);
            return FALSE;
        }
    }
    m_hbmImageWell = bitmap;
    return TRUE;
}

void CToolBar::SetImageList(HIMAGELIST hImageList)
{
    SendMessage(TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(hImageList));
}

void CToolBar::SetDisabledImageList(HIMAGELIST hImageList)
{
    SendMessage(TB_SETDISABLEDIMAGELIST, 0, reinterpret_cast<LPARAM>(hImageList));
}

BOOL CToolBar::SetButtons(const UINT* lpIDArray, int nIDCount)
{
    ASSERT(nIDCount >= 0);
    while (SendMessage(TB_BUTTONCOUNT) > 0)
        SendMessage(TB_DELETEBUTTON, 0);
    if (nIDCount <= 0)
        return TRUE;
    TBBUTTON* buttons = new TBBUTTON[nIDCount];
    memset(buttons, 0, sizeof(TBBUTTON) * static_cast<size_t>(nIDCount));
    int image = 0;
    for (int i = 0; i < nIDCount; ++i) {
        TBBUTTON& button = buttons[i];
        button.iString = -1;
        const UINT id = lpIDArray ? lpIDArray[i] : ID_SEPARATOR;
        if (id == ID_SEPARATOR) {
            button.fsStyle = TBSTYLE_SEP;
            button.iBitmap = kSeparatorWidth;
        } else {
            button.fsStyle = TBSTYLE_BUTTON;
            button.fsState = TBSTATE_ENABLED;
            button.idCommand = static_cast<int>(id);
            button.iBitmap = image++;
        }
    }
    const BOOL ok = static_cast<BOOL>(SendMessage(TB_ADDBUTTONSA, static_cast<WPARAM>(nIDCount),
                                            reinterpret_cast<LPARAM>(buttons)));
    delete[] buttons;
    m_bDelayedButtonLayout = TRUE;
    if (m_pDockSite)
        m_pDockSite->DelayRecalcLayout();
    return ok;
}

void CToolBar::SetSizes(SIZE sizeButton, SIZE sizeImage)
{
    m_sizeButton = sizeButton;
    m_sizeImage = sizeImage;
    if (!m_hWnd)
        return;
    SendMessage(TB_SETBITMAPSIZE, 0, MAKELPARAM(sizeImage.cx, sizeImage.cy));
    SendMessage(TB_SETBUTTONSIZE, 0, MAKELPARAM(sizeButton.cx, sizeButton.cy));
    Invalidate();
    if (m_pDockSite)
        m_pDockSite->DelayRecalcLayout();
}

void CToolBar::SetHeight(int cyHeight)
{
    m_cyHeight = cyHeight;
    if (m_pDockSite)
        m_pDockSite->DelayRecalcLayout();
}

BOOL CToolBar::GetButton(int nIndex, TBBUTTON& button) const
{
    memset(&button, 0, sizeof button);
    if (nIndex < 0 || nIndex >= GetCount())
        return FALSE;
    return SendMessage(TB_GETBUTTON, static_cast<WPARAM>(nIndex), reinterpret_cast<LPARAM>(&button)) != 0;
}

void CToolBar::SetButtonState(int nIndex, BYTE fsStyle, BYTE fsState)
{
    TBBUTTON button;
    if (!GetButton(nIndex, button))
        return;
    // Unchanged buttons are left alone: the idle update runs all the time and
    // setting a button repaints it.
    if (button.fsStyle == fsStyle && button.fsState == fsState)
        return;
    TBBUTTONINFOA info = {};
    info.cbSize = sizeof info;
    info.dwMask = TBIF_BYINDEX | TBIF_STYLE | TBIF_STATE;
    info.fsStyle = fsStyle;
    info.fsState = fsState;
    SendMessage(TB_SETBUTTONINFOA, static_cast<WPARAM>(nIndex), reinterpret_cast<LPARAM>(&info));
}

int CToolBar::GetCount() const
{
    return m_hWnd ? static_cast<int>(SendMessage(TB_BUTTONCOUNT)) : 0;
}

int CToolBar::CommandToIndex(UINT nIDFind) const
{
    return static_cast<int>(SendMessage(TB_COMMANDTOINDEX, nIDFind));
}

UINT CToolBar::GetItemID(int nIndex) const
{
    TBBUTTON button;
    if (!GetButton(nIndex, button) || (button.fsStyle & TBSTYLE_SEP))
        return ID_SEPARATOR;
    return static_cast<UINT>(button.idCommand);
}

void CToolBar::GetItemRect(int nIndex, LPRECT lpRect) const
{
    if (!SendMessage(TB_GETITEMRECT, static_cast<WPARAM>(nIndex), reinterpret_cast<LPARAM>(lpRect)))
        ::SetRectEmpty(lpRect);
}

UINT CToolBar::GetButtonStyle(int nIndex) const
{
    TBBUTTON button;
    if (!GetButton(nIndex, button))
        return 0;
    return MAKELONG(button.fsStyle, button.fsState ^ TBSTATE_ENABLED);
}

void CToolBar::SetButtonStyle(int nIndex, UINT nStyle)
{
    SetButtonState(nIndex, static_cast<BYTE>(LOWORD(nStyle)), static_cast<BYTE>(HIWORD(nStyle) ^ TBSTATE_ENABLED));
    if (m_pDockSite)
        m_pDockSite->DelayRecalcLayout();
}

void CToolBar::GetButtonInfo(int nIndex, UINT& nID, UINT& nStyle, int& iImage) const
{
    TBBUTTON button;
    GetButton(nIndex, button);
    nID = (button.fsStyle & TBSTYLE_SEP) ? ID_SEPARATOR : static_cast<UINT>(button.idCommand);
    nStyle = MAKELONG(button.fsStyle, button.fsState ^ TBSTATE_ENABLED);
    iImage = button.iBitmap;
}

void CToolBar::SetButtonInfo(int nIndex, UINT nID, UINT nStyle, int iImage)
{
    TBBUTTONINFOA info = {};
    info.cbSize = sizeof info;
    info.dwMask = TBIF_BYINDEX | TBIF_COMMAND | TBIF_STYLE | TBIF_STATE | TBIF_IMAGE;
    info.idCommand = static_cast<int>(nID);
    info.fsStyle = static_cast<BYTE>(LOWORD(nStyle));
    info.fsState = static_cast<BYTE>(HIWORD(nStyle) ^ TBSTATE_ENABLED);
    info.iImage = iImage;
    if (info.fsStyle & TBSTYLE_SEP) {
        // A separator's "image" is its width.
        info.dwMask = (info.dwMask & ~TBIF_IMAGE) | TBIF_SIZE;
        info.cx = static_cast<WORD>(iImage);
    }
    SendMessage(TB_SETBUTTONINFOA, static_cast<WPARAM>(nIndex), reinterpret_cast<LPARAM>(&info));
    m_bDelayedButtonLayout = TRUE;
    if (m_pDockSite)
        m_pDockSite->DelayRecalcLayout();
}

BOOL CToolBar::SetButtonText(int nIndex, LPCTSTR lpszText)
{
    TBBUTTONINFOA info = {};
    info.cbSize = sizeof info;
    info.dwMask = TBIF_BYINDEX | TBIF_TEXT;
    info.pszText = const_cast<LPSTR>(lpszText ? lpszText : "");
    const BOOL ok = SendMessage(TB_SETBUTTONINFOA, static_cast<WPARAM>(nIndex), reinterpret_cast<LPARAM>(&info)) != 0;
    if (ok && m_pDockSite)
        m_pDockSite->DelayRecalcLayout();
    return ok;
}

CString CToolBar::GetButtonText(int nIndex) const
{
    char buffer[256] = "";
    TBBUTTONINFOA info = {};
    info.cbSize = sizeof info;
    info.dwMask = TBIF_BYINDEX | TBIF_TEXT;
    info.pszText = buffer;
    info.cchText = sizeof buffer;
    if (SendMessage(TB_GETBUTTONINFOA, static_cast<WPARAM>(nIndex), reinterpret_cast<LPARAM>(&info)) == -1)
        return CString();
    buffer[sizeof buffer - 1] = 0;
    return CString(buffer);
}

CSize CToolBar::CalcFixedLayout(BOOL bStretch, BOOL bHorz)
{
    SIZE buttons = { 0, 0 };
    if (m_hWnd)
        SendMessage(TB_GETMAXSIZE, 0, reinterpret_cast<LPARAM>(&buttons));
    const CSize button = m_hWnd ? GetToolBarCtrl().GetButtonSize() : CSize(m_sizeButton);
    if (bHorz) {
        const int cy = m_cyHeight > 0 ? m_cyHeight : button.cy + m_cyTopBorder + m_cyBottomBorder;
        const int cx = bStretch ? 32767 : buttons.cx + m_cxLeftBorder + m_cxRightBorder;
        return CSize(cx, cy);
    }
    const int cx = button.cx + m_cxLeftBorder + m_cxRightBorder;
    const int cy = bStretch ? 32767 : buttons.cy + m_cyTopBorder + m_cyBottomBorder;
    return CSize(cx, cy);
}

namespace {

// One item as the wrapping sees it.
struct WrapItem
{
    int width;
    BOOL separator;
    BOOL hidden;
    BOOL wrap;
};

// Marks where rows end so that no row is wider than nWidth (a row holds
// at least one item); a separator at a row's end ends it.
void WrapItems(std::vector<WrapItem>& items, int nWidth)
{
    int x = 0;
    int last = -1;   // the last shown item of the row
    for (size_t i = 0; i < items.size(); ++i) {
        WrapItem& item = items[i];
        item.wrap = FALSE;
        if (item.hidden)
            continue;
        if (last >= 0 && x + item.width > nWidth && !item.separator) {
            items[static_cast<size_t>(last)].wrap = TRUE;
            x = 0;
        }
        x += item.width;
        last = static_cast<int>(i);
    }
}

// The size of the wrapped items: rows of buttons, a wrapped separator
// adding two thirds of its width between rows.
CSize WrappedSize(const std::vector<WrapItem>& items, int buttonHeight)
{
    CSize size(0, 0);
    int x = 0;
    BOOL any = FALSE;
    for (const WrapItem& item : items) {
        if (item.hidden)
            continue;
        any = TRUE;
        if (!(item.wrap && item.separator))
            x += item.width;
        if (x > size.cx)
            size.cx = x;
        if (item.wrap) {
            size.cy += buttonHeight + (item.separator ? item.width * 2 / 3 : 0);
            x = 0;
        }
    }
    if (any && (items.empty() || !items.back().wrap || x > 0))
        size.cy += buttonHeight;
    return size;
}

} // namespace

CSize CToolBar::CalcDynamicLayout(int nLength, DWORD nMode)
{
    // A bar outside the dock bars keeps its plain strip.
    if (!m_pDockBar)
        return CalcFixedLayout((nMode & LM_STRETCH) != 0, (nMode & LM_HORZ) != 0);
    // The wrap marks change with a layout (length -1) of the bar as it
    // stands, or when asked to keep a size (LM_COMMIT); a drag's questions
    // about other shapes (length 0) leave the buttons alone.
    const BOOL apply = (nMode & LM_COMMIT) != 0 ||
                       (nLength == -1 && ((nMode & (LM_HORZDOCK | LM_VERTDOCK | LM_MRUWIDTH)) || m_bDelayedButtonLayout));
    return CalcLayout(nMode, nLength, apply);
}

CSize CToolBar::CalcLayout(DWORD dwMode, int nLength, BOOL bApply)
{
    std::vector<WrapItem> items;
    const int count = GetCount();
    const CSize button = m_hWnd ? GetToolBarCtrl().GetButtonSize() : CSize(m_sizeButton);
    int widest = 0;
    int total = 0;
    for (int i = 0; i < count; ++i) {
        TBBUTTON data;
        GetButton(i, data);
        WrapItem item = {};
        item.separator = (data.fsStyle & TBSTYLE_SEP) != 0;
        item.hidden = (data.fsState & TBSTATE_HIDDEN) != 0;
        CRect rect;
        GetItemRect(i, &rect);
        item.width = rect.Width() > 0 ? rect.Width() : (item.separator ? kSeparatorWidth : button.cx);
        if (!item.hidden) {
            total += item.width;
            if (item.width > widest)
                widest = item.width;
        }
        items.push_back(item);
    }

    // The bar's edges and own borders come round the buttons.
    CRect edges(0, 0, 0, 0);
    CalcInsideRect(edges, (dwMode & LM_HORZ) != 0);
    const CSize extra(-edges.Width() + m_cxLeftBorder + m_cxRightBorder,
                      -edges.Height() + m_cyTopBorder + m_cyBottomBorder);

    CSize size;
    if (dwMode & LM_HORZDOCK) {
        WrapItems(items, 32767);
        size = WrappedSize(items, button.cy);
        if (dwMode & LM_STRETCH)
            size.cx = 32767;
    } else if (dwMode & LM_VERTDOCK) {
        WrapItems(items, widest);
        // One button per row: every shown item ends its row.
        for (WrapItem& item : items)
            if (!item.hidden)
                item.wrap = TRUE;
        size = WrappedSize(items, button.cy);
        if (size.cx < widest)
            size.cx = widest;
        if (dwMode & LM_STRETCH)
            size.cy = 32767;
    } else {
        int width = total;
        if (dwMode & LM_MRUWIDTH)
            width = m_nMRUWidth;
        if (nLength > 0 && !(dwMode & LM_LENGTHY))
            width = nLength - extra.cx;
        if ((dwMode & LM_LENGTHY) && nLength >= 0) {
            // The narrowest width whose rows fit the height asked for.
            width = total;
            for (int tryWidth = widest; tryWidth <= total; tryWidth += button.cx > 0 ? button.cx / 2 : 8) {
                WrapItems(items, tryWidth);
                if (WrappedSize(items, button.cy).cy + extra.cy <= nLength) {
                    width = tryWidth;
                    break;
                }
            }
        }
        if (width < widest)
            width = widest;
        WrapItems(items, width);
        size = WrappedSize(items, button.cy);
        if (dwMode & LM_COMMIT)
            m_nMRUWidth = size.cx + extra.cx;
    }
    if (bApply && m_hWnd) {
        for (int i = 0; i < count; ++i) {
            TBBUTTON data;
            if (!GetButton(i, data))
                continue;
            const BYTE state = items[static_cast<size_t>(i)].wrap ? (data.fsState | TBSTATE_WRAP)
                                                                 : (data.fsState & ~TBSTATE_WRAP);
            SetButtonState(i, data.fsStyle, state);
        }
        m_bDelayedButtonLayout = FALSE;
    }
    if (size.cx < 32767)
        size.cx += extra.cx;
    if (size.cy < 32767)
        size.cy += extra.cy;
    return size;
}

void CToolBar::OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler)
{
    CToolCmdUI state(this);
    state.m_pOther = this;
    const int count = GetCount();
    state.m_nIndexMax = static_cast<UINT>(count);
    for (int i = 0; i < count; ++i) {
        TBBUTTON button;
        if (!GetButton(i, button) || (button.fsStyle & TBSTYLE_SEP))
            continue;
        state.m_nIndex = static_cast<UINT>(i);
        state.m_nID = static_cast<UINT>(button.idCommand);
        // Drop-down buttons whose face does nothing keep their own state.
        state.DoUpdate(pTarget, bDisableIfNoHndler && !(button.fsStyle & TBSTYLE_DROPDOWN));
    }
    // Controls placed over separators (a combo box) are updated like a dialog's.
    UpdateDialogControls(pTarget, bDisableIfNoHndler);
}

BOOL CToolBar::IsOnButton(CPoint point) const
{
    POINT pt = point;
    const int index = static_cast<int>(SendMessage(TB_HITTEST, 0, reinterpret_cast<LPARAM>(&pt)));
    if (index < 0 || index >= GetCount())
        return FALSE;
    TBBUTTON button;
    return GetButton(index, button) && !(button.fsStyle & TBSTYLE_SEP);
}

void CToolBar::ShowFlyByPrompt(UINT nID)
{
    if (nID == m_nFlyByID)
        return;
    m_nFlyByID = nID;
    if (CFrameWnd* frame = GetDockingFrame())
        frame->SendMessage(WM_SETMESSAGESTRING, nID ? nID : AFX_IDS_IDLEMESSAGE);
}

void CToolBar::OnMouseMove(UINT nFlags, CPoint point)
{
    if (m_dwStyle & CBRS_FLYBY) {
        POINT pt = point;
        const int index = static_cast<int>(SendMessage(TB_HITTEST, 0, reinterpret_cast<LPARAM>(&pt)));
        const UINT id = index >= 0 && IsOnButton(point) ? GetItemID(index) : 0;
        ShowFlyByPrompt(id == ID_SEPARATOR ? 0 : id);
        if (id) {
            // Leaving the bar takes the prompt away.
            TRACKMOUSEEVENT track = {sizeof track, TME_LEAVE, m_hWnd, 0};
            ::TrackMouseEvent(&track);
        }
    }
    CWnd::OnMouseMove(nFlags, point);
}

void CToolBar::OnMouseLeave()
{
    ShowFlyByPrompt(0);
    CWnd::OnMouseLeave();
}

void CToolBar::OnLButtonDown(UINT nFlags, CPoint point)
{
    if (IsOnButton(point))
        CWnd::OnLButtonDown(nFlags, point);
    else
        CControlBar::OnLButtonDown(nFlags, point);
}

void CToolBar::OnLButtonDblClk(UINT nFlags, CPoint point)
{
    if (IsOnButton(point))
        CWnd::OnLButtonDblClk(nFlags, point);
    else
        CControlBar::OnLButtonDblClk(nFlags, point);
}

BOOL CToolBar::OnToolTipText(UINT, NMHDR* pNMHDR, LRESULT* pResult)
{
    if (!AfxToolTipTextFromCommand(pNMHDR))
        return FALSE;
    *pResult = 0;
    return TRUE;
}
