// The window-message dispatcher: map look-up, typed handler calls, reflection
// of child notifications and the first steps of command routing.
#include "afx/Wnd.h"

#include "afx/CmdUI.h"
#include "afx/DC.h"
#include "afx/ListText.h"
#include "afx/Menu.h"

// In WndMenuModes.cpp.
BOOL AfxReflectMenuOwnerDraw(HWND hWnd, UINT message, LPARAM lParam);

namespace {

// The control a notification came from, when the message is one that is
// reflected to it; nullptr otherwise.
HWND NotifyingChild(HWND self, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CTLCOLORMSGBOX:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC:
    case WM_HSCROLL:
    case WM_VSCROLL:
        return reinterpret_cast<HWND>(lParam);
    case WM_DRAWITEM: {
        const DRAWITEMSTRUCT* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
        return item && item->CtlType != ODT_MENU ? item->hwndItem : nullptr;
    }
    case WM_MEASUREITEM: {
        const MEASUREITEMSTRUCT* item = reinterpret_cast<const MEASUREITEMSTRUCT*>(lParam);
        return item && item->CtlType != ODT_MENU && self ? ::GetDlgItem(self, static_cast<int>(item->CtlID)) : nullptr;
    }
    case WM_COMPAREITEM: {
        const COMPAREITEMSTRUCT* item = reinterpret_cast<const COMPAREITEMSTRUCT*>(lParam);
        return item ? item->hwndItem : nullptr;
    }
    case WM_DELETEITEM: {
        const DELETEITEMSTRUCT* item = reinterpret_cast<const DELETEITEMSTRUCT*>(lParam);
        return item && item->CtlType != ODT_MENU ? item->hwndItem : nullptr;
    }
    case WM_PARENTNOTIFY:
        if (LOWORD(wParam) == WM_CREATE || LOWORD(wParam) == WM_DESTROY)
            return reinterpret_cast<HWND>(lParam);
        return nullptr;
    default:
        return nullptr;
    }
}

BOOL ReflectToChild(HWND child, UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    CWnd* wnd = CWnd::FromHandlePermanent(child);
    return wnd ? wnd->OnChildNotify(message, wParam, lParam, pResult) : FALSE;
}

bool IsCtlColor(UINT message)
{
    return message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC;
}

} // namespace

BEGIN_MESSAGE_MAP(CWnd, CCmdTarget)
END_MESSAGE_MAP()

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    LRESULT result = 0;
    if (!OnWndMsg(message, wParam, lParam, &result))
        result = DefWindowProc(message, wParam, lParam);
    return result;
}

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (m_pfnSuper) {
        // A list line of any length reaches the caller's buffer whole.
        if (m_bSuperUnicode && lParam && AfxIsListTextMessage(m_hWnd, message))
            return AfxCallListTextProcW(m_pfnSuper, m_hWnd, message, wParam, reinterpret_cast<LPSTR>(lParam));
        return ::CallWindowProcA(m_pfnSuper, m_hWnd, message, wParam, lParam);
    }
    return ::DefWindowProcA(m_hWnd, message, wParam, lParam);
}

LRESULT CWnd::Default()
{
    const MSG* current = AfxGetCurrentMessage();
    return DefWindowProc(current->message, current->wParam, current->lParam);
}

BOOL CWnd::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    LRESULT result = 0;
    BOOL handled = FALSE;
    if (message == WM_COMMAND) {
        handled = OnCommand(wParam, lParam);
        result = handled;
    } else if (message == WM_NOTIFY) {
        handled = lParam && OnNotify(wParam, lParam, &result);
    } else {
        HWND child = NotifyingChild(m_hWnd, message, wParam, lParam);
        // The control's own reflected entries come before the parent's map.
        if (child && child != m_hWnd && ReflectToChild(child, message, wParam, lParam, &result)) {
            handled = TRUE;
        } else {
            const UINT key = IsCtlColor(message) ? static_cast<UINT>(WM_CTLCOLOR) : message;
            const AFX_MSGMAP_ENTRY* entry = AfxFindMessageEntry(GetMessageMap(), key, 0, 0);
            if (entry)
                handled = DispatchWndMsg(entry, message, wParam, lParam, &result);
            // Owner-drawn menu items no entry took go to their menu object.
            if (!handled && AfxReflectMenuOwnerDraw(m_hWnd, message, lParam)) {
                handled = TRUE;
                result = TRUE;
            }
        }
    }
    if (handled && pResult)
        *pResult = result;
    return handled;
}

#define AFX_CALL(type) (this->*AfxFromPmsg<type>(pfn))

BOOL CWnd::DispatchWndMsg(const AFX_MSGMAP_ENTRY* entry, UINT message, WPARAM wParam, LPARAM lParam,
                          LRESULT* pResult)
{
    const AFX_PMSG pfn = entry->pfn;
    LRESULT r = 0;
    UINT_PTR sig = entry->nSig;
    if (entry->nMessage == AFX_REGISTERED_MESSAGE)
        sig = AfxSig_l_w_l;
    switch (sig) {
    case AfxSig_l_w_l:
        r = AFX_CALL(LRESULT (CWnd::*)(WPARAM, LPARAM))(wParam, lParam);
        break;
    case AfxSig_v_v:
        AFX_CALL(void (CWnd::*)())();
        break;
    case AfxSig_b_v:
        r = AFX_CALL(BOOL (CWnd::*)())();
        break;
    case AfxSig_u_v:
        r = AFX_CALL(UINT (CWnd::*)())();
        break;
    case AfxSig_v_b:
        AFX_CALL(void (CWnd::*)(BOOL))(static_cast<BOOL>(wParam));
        break;
    case AfxSig_b_b:
        r = AFX_CALL(BOOL (CWnd::*)(BOOL))(static_cast<BOOL>(wParam));
        break;
    case AfxSig_i_CREATE:
        r = AFX_CALL(int (CWnd::*)(LPCREATESTRUCT))(reinterpret_cast<LPCREATESTRUCT>(lParam));
        break;
    case AfxSig_b_CREATE:
        r = AFX_CALL(BOOL (CWnd::*)(LPCREATESTRUCT))(reinterpret_cast<LPCREATESTRUCT>(lParam));
        break;
    case AfxSig_v_u_ii:
        AFX_CALL(void (CWnd::*)(UINT, int, int))(static_cast<UINT>(wParam), LOWORD(lParam), HIWORD(lParam));
        break;
    case AfxSig_v_u_pRECT:
        AFX_CALL(void (CWnd::*)(UINT, LPRECT))(static_cast<UINT>(wParam), reinterpret_cast<LPRECT>(lParam));
        r = TRUE;
        break;
    case AfxSig_v_ii:
        AFX_CALL(void (CWnd::*)(int, int))(static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam)));
        break;
    case AfxSig_b_pDC:
        r = AFX_CALL(BOOL (CWnd::*)(CDC*))(CDC::FromHandle(reinterpret_cast<HDC>(wParam)));
        break;
    case AfxSig_v_up:
        AFX_CALL(void (CWnd::*)(UINT_PTR))(static_cast<UINT_PTR>(wParam));
        break;
    case AfxSig_v_pWnd:
        // WM_CAPTURECHANGED names the new capture in lParam; focus messages in wParam.
        AFX_CALL(void (CWnd::*)(CWnd*))(FromHandle(reinterpret_cast<HWND>(
            message == WM_CAPTURECHANGED ? static_cast<WPARAM>(lParam) : wParam)));
        break;
    case AfxSig_v_uuu:
        AFX_CALL(void (CWnd::*)(UINT, UINT, UINT))(static_cast<UINT>(wParam), LOWORD(lParam), HIWORD(lParam));
        break;
    case AfxSig_v_u_l:
        AFX_CALL(void (CWnd::*)(UINT, LPARAM))(static_cast<UINT>(wParam), lParam);
        break;
    case AfxSig_v_u_pt:
    case AfxSig_b_u_s_pt:
    case AfxSig_l_pt:
    case AfxSig_v_pWnd_pt:
        return DispatchPointMsg(sig, pfn, wParam, lParam, pResult);
    case AfxSig_i_pWnd_uu:
        r = AFX_CALL(int (CWnd::*)(CWnd*, UINT, UINT))(FromHandle(reinterpret_cast<HWND>(wParam)),
                                                       LOWORD(lParam), HIWORD(lParam));
        break;
    case AfxSig_b_pWnd_uu:
        r = AFX_CALL(BOOL (CWnd::*)(CWnd*, UINT, UINT))(FromHandle(reinterpret_cast<HWND>(wParam)),
                                                        LOWORD(lParam), HIWORD(lParam));
        break;
    case AfxSig_v_b_pNCCALC:
        AFX_CALL(void (CWnd::*)(BOOL, NCCALCSIZE_PARAMS*))(static_cast<BOOL>(wParam),
                                                           reinterpret_cast<NCCALCSIZE_PARAMS*>(lParam));
        break;
    case AfxSig_v_pMenu_u_b:
        AFX_CALL(void (CWnd::*)(CMenu*, UINT, BOOL))(CMenu::FromHandle(reinterpret_cast<HMENU>(wParam)),
                                                     LOWORD(lParam), HIWORD(lParam));
        break;
    case AfxSig_v_pMenu:
        AFX_CALL(void (CWnd::*)(CMenu*))(CMenu::FromHandle(reinterpret_cast<HMENU>(wParam)));
        break;
    case AfxSig_v_u_u_hmenu:
        AFX_CALL(void (CWnd::*)(UINT, UINT, HMENU))(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HMENU>(lParam));
        break;
    case AfxSig_l_u_u_pMenu:
        r = AFX_CALL(LRESULT (CWnd::*)(UINT, UINT, CMenu*))(LOWORD(wParam), HIWORD(wParam),
                                                            CMenu::FromHandle(reinterpret_cast<HMENU>(lParam)));
        break;
    case AfxSig_v_i_pMIS:
        AFX_CALL(void (CWnd::*)(int, LPMEASUREITEMSTRUCT))(static_cast<int>(wParam),
                                                           reinterpret_cast<LPMEASUREITEMSTRUCT>(lParam));
        r = TRUE;
        break;
    case AfxSig_v_i_pDIS:
        AFX_CALL(void (CWnd::*)(int, LPDRAWITEMSTRUCT))(static_cast<int>(wParam),
                                                        reinterpret_cast<LPDRAWITEMSTRUCT>(lParam));
        r = TRUE;
        break;
    case AfxSig_i_i_pCIS:
        r = AFX_CALL(int (CWnd::*)(int, LPCOMPAREITEMSTRUCT))(static_cast<int>(wParam),
                                                              reinterpret_cast<LPCOMPAREITEMSTRUCT>(lParam));
        break;
    case AfxSig_v_i_pDELIS:
        AFX_CALL(void (CWnd::*)(int, LPDELETEITEMSTRUCT))(static_cast<int>(wParam),
                                                          reinterpret_cast<LPDELETEITEMSTRUCT>(lParam));
        r = TRUE;
        break;
    case AfxSig_hbr_pDC_pWnd_u:
        r = reinterpret_cast<LRESULT>(AFX_CALL(HBRUSH (CWnd::*)(CDC*, CWnd*, UINT))(
            CDC::FromHandle(reinterpret_cast<HDC>(wParam)), FromHandle(reinterpret_cast<HWND>(lParam)),
            IsCtlColor(message) ? message - WM_CTLCOLORMSGBOX : 0));
        break;
    case AfxSig_v_u_u_pScroll:
        AFX_CALL(void (CWnd::*)(UINT, UINT, CScrollBar*))(
            LOWORD(wParam), HIWORD(wParam),
            // Scroll bars are plain windows with no data of their own in the class.
            reinterpret_cast<CScrollBar*>(FromHandle(reinterpret_cast<HWND>(lParam))));
        break;
    case AfxSig_v_pMINMAX:
        AFX_CALL(void (CWnd::*)(MINMAXINFO*))(reinterpret_cast<MINMAXINFO*>(lParam));
        break;
    case AfxSig_v_b_u:
        AFX_CALL(void (CWnd::*)(BOOL, UINT))(static_cast<BOOL>(wParam), static_cast<UINT>(lParam));
        break;
    case AfxSig_v_pWINDOWPOS:
        AFX_CALL(void (CWnd::*)(WINDOWPOS*))(reinterpret_cast<WINDOWPOS*>(lParam));
        break;
    case AfxSig_v_u_pWnd_b:
        AFX_CALL(void (CWnd::*)(UINT, CWnd*, BOOL))(LOWORD(wParam), FromHandle(reinterpret_cast<HWND>(lParam)),
                                                    HIWORD(wParam));
        break;
    case AfxSig_v_b_dw:
        AFX_CALL(void (CWnd::*)(BOOL, DWORD))(static_cast<BOOL>(wParam), static_cast<DWORD>(lParam));
        break;
    case AfxSig_v_u_pWnd:
        AFX_CALL(void (CWnd::*)(UINT, CWnd*))(static_cast<UINT>(wParam), FromHandle(reinterpret_cast<HWND>(lParam)));
        break;
    case AfxSig_v_u_sz:
        AFX_CALL(void (CWnd::*)(UINT, LPCTSTR))(static_cast<UINT>(wParam), reinterpret_cast<LPCTSTR>(lParam));
        break;
    case AfxSig_v_hdrop:
        AFX_CALL(void (CWnd::*)(HDROP))(reinterpret_cast<HDROP>(wParam));
        break;
    case AfxSig_b_pWnd_pCOPY:
        r = AFX_CALL(BOOL (CWnd::*)(CWnd*, COPYDATASTRUCT*))(FromHandle(reinterpret_cast<HWND>(wParam)),
                                                             reinterpret_cast<COPYDATASTRUCT*>(lParam));
        break;
    case AfxSig_v_i_pSTYLE:
        AFX_CALL(void (CWnd::*)(int, LPSTYLESTRUCT))(static_cast<int>(wParam), reinterpret_cast<LPSTYLESTRUCT>(lParam));
        break;
    case AfxSig_b_pHELPINFO:
        r = AFX_CALL(BOOL (CWnd::*)(HELPINFO*))(reinterpret_cast<HELPINFO*>(lParam));
        break;

    case AfxSig_hbr_pDC_u: {
        const AFX_CTLCOLOR* ctl = reinterpret_cast<const AFX_CTLCOLOR*>(lParam);
        HBRUSH brush = AFX_CALL(HBRUSH (CWnd::*)(CDC*, UINT))(CDC::FromHandle(ctl->hDC), ctl->nCtlType);
        // No brush: the control leaves the colours to its parent.
        if (!brush)
            return FALSE;
        r = reinterpret_cast<LRESULT>(brush);
        break;
    }
    case AfxSig_v_pDIS:
        AFX_CALL(void (CWnd::*)(LPDRAWITEMSTRUCT))(reinterpret_cast<LPDRAWITEMSTRUCT>(lParam));
        r = TRUE;
        break;
    case AfxSig_v_pMIS:
        AFX_CALL(void (CWnd::*)(LPMEASUREITEMSTRUCT))(reinterpret_cast<LPMEASUREITEMSTRUCT>(lParam));
        r = TRUE;
        break;
    case AfxSig_i_pCIS:
        r = AFX_CALL(int (CWnd::*)(LPCOMPAREITEMSTRUCT))(reinterpret_cast<LPCOMPAREITEMSTRUCT>(lParam));
        break;
    case AfxSig_v_pDELIS:
        AFX_CALL(void (CWnd::*)(LPDELETEITEMSTRUCT))(reinterpret_cast<LPDELETEITEMSTRUCT>(lParam));
        r = TRUE;
        break;
    case AfxSig_v_u_u:
        AFX_CALL(void (CWnd::*)(UINT, UINT))(LOWORD(wParam), HIWORD(wParam));
        break;
    default:
        // A command entry keyed by a window message: the map is malformed.
        ASSERT(FALSE);
        return FALSE;
    }
    *pResult = r;
    return TRUE;
}

// ---- Commands, notifications, reflection -----------------------------------

BOOL CWnd::OnCommand(WPARAM wParam, LPARAM lParam)
{
    const UINT id = LOWORD(wParam);
    HWND control = reinterpret_cast<HWND>(lParam);
    int code = HIWORD(wParam);
    if (!control) {
        // A menu item or an accelerator. An accelerator still works while its
        // item is disabled, so ask the update handlers first.
        if (id == 0)
            return FALSE;
        CCmdUIState state(id);
        OnCmdMsg(id, static_cast<int>(CN_UPDATE_COMMAND_UI), &state, nullptr);
        if (!state.m_bEnabled)
            return TRUE;
        code = CN_COMMAND;
    } else {
        if (control != m_hWnd && ReflectToChild(control, WM_COMMAND, wParam, lParam, nullptr))
            return TRUE;
        if (id == 0)
            return FALSE;
    }
    return OnCmdMsg(id, code, nullptr, nullptr);
}

BOOL CWnd::OnNotify(WPARAM, LPARAM lParam, LRESULT* pResult)
{
    NMHDR* header = reinterpret_cast<NMHDR*>(lParam);
    HWND control = header->hwndFrom;
    if (control && control != m_hWnd && ReflectToChild(control, WM_NOTIFY, header->idFrom, lParam, pResult))
        return TRUE;
    AFX_NOTIFY notify = { pResult, header };
    return OnCmdMsg(static_cast<UINT>(header->idFrom), MAKELONG(LOWORD(header->code), WM_NOTIFY), &notify, nullptr);
}

BOOL CWnd::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    return ReflectChildNotify(message, wParam, lParam, pResult);
}

BOOL CWnd::ReflectChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    switch (message) {
    case WM_HSCROLL:
    case WM_VSCROLL:
    case WM_PARENTNOTIFY:
    case WM_DRAWITEM:
    case WM_MEASUREITEM:
    case WM_DELETEITEM:
    case WM_COMPAREITEM:
        return OnWndMsg(WM_REFLECT_BASE + message, wParam, lParam, pResult);
    case WM_COMMAND: {
        const int code = HIWORD(wParam);
        if (OnCmdMsg(0, MAKELONG(code, WM_REFLECT_BASE + WM_COMMAND), nullptr, nullptr)) {
            if (pResult)
                *pResult = 1;
            return TRUE;
        }
        return FALSE;
    }
    case WM_NOTIFY: {
        NMHDR* header = reinterpret_cast<NMHDR*>(lParam);
        LRESULT ignored = 0;
        AFX_NOTIFY notify = { pResult ? pResult : &ignored, header };
        return OnCmdMsg(0, MAKELONG(LOWORD(header->code), WM_REFLECT_BASE + WM_NOTIFY), &notify, nullptr);
    }
    default:
        if (IsCtlColor(message)) {
            AFX_CTLCOLOR ctl = { m_hWnd, reinterpret_cast<HDC>(wParam), message - WM_CTLCOLORMSGBOX };
            return OnWndMsg(WM_REFLECT_BASE + WM_CTLCOLOR, 0, reinterpret_cast<LPARAM>(&ctl), pResult);
        }
        return FALSE;
    }
}

BOOL PASCAL CWnd::ReflectLastMsg(HWND hWndChild, LRESULT* pResult)
{
    const MSG* current = AfxGetCurrentMessage();
    return ReflectToChild(hWndChild, current->message, current->wParam, current->lParam, pResult);
}

BOOL CWnd::SendChildNotifyLastMsg(LRESULT* pResult)
{
    const MSG* current = AfxGetCurrentMessage();
    return OnChildNotify(current->message, current->wParam, current->lParam, pResult);
}

BOOL CWnd::PreTranslateMessage(MSG*)
{
    return FALSE;
}

BOOL PASCAL CWnd::WalkPreTranslateTree(HWND hWndStop, MSG* pMsg)
{
    for (HWND hWnd = pMsg->hwnd; hWnd; hWnd = ::GetParent(hWnd)) {
        CWnd* wnd = FromHandlePermanent(hWnd);
        // A window with tooltips (EnableToolTips) sees the mouse first.
        if (wnd)
            AfxFilterToolTipMessage(pMsg, wnd);
        if (wnd && wnd->PreTranslateMessage(pMsg))
            return TRUE;
        if (hWnd == hWndStop)
            break;
    }
    return FALSE;
}

BOOL CWnd::IsFrameWnd() const
{
    return FALSE;
}

CFrameWnd* CWnd::GetParentFrame() const
{
    for (HWND hWnd = ::GetParent(m_hWnd); hWnd; hWnd = ::GetParent(hWnd)) {
        CWnd* wnd = FromHandlePermanent(hWnd);
        // Frames derive from CWnd alone, so the object starts at the same address.
        if (wnd && wnd->IsFrameWnd())
            return reinterpret_cast<CFrameWnd*>(wnd);
    }
    return nullptr;
}

CWnd* CWnd::GetTopLevelFrame() const
{
    const CWnd* frame = IsFrameWnd() ? this : reinterpret_cast<const CWnd*>(GetParentFrame());
    while (frame) {
        const CWnd* parent = reinterpret_cast<const CWnd*>(frame->GetParentFrame());
        if (!parent)
            break;
        frame = parent;
    }
    return const_cast<CWnd*>(frame);
}

// ---- Default handlers: the window's own processing of the current message --

int CWnd::OnCreate(LPCREATESTRUCT) { return static_cast<int>(Default()); }
BOOL CWnd::OnNcCreate(LPCREATESTRUCT) { return static_cast<BOOL>(Default()); }
void CWnd::OnDestroy() { Default(); }
void CWnd::OnNcDestroy() { Default(); }
void CWnd::OnClose() { Default(); }
void CWnd::OnSize(UINT, int, int) { Default(); }
void CWnd::OnSizing(UINT, LPRECT) { Default(); }
void CWnd::OnMove(int, int) { Default(); }
void CWnd::OnPaint() { Default(); }
void CWnd::OnNcPaint() { Default(); }
BOOL CWnd::OnEraseBkgnd(CDC*) { return static_cast<BOOL>(Default()); }
void CWnd::OnTimer(UINT_PTR) { Default(); }
void CWnd::OnSetFocus(CWnd*) { Default(); }
void CWnd::OnKillFocus(CWnd*) { Default(); }
void CWnd::OnKeyDown(UINT, UINT, UINT) { Default(); }
void CWnd::OnKeyUp(UINT, UINT, UINT) { Default(); }
void CWnd::OnChar(UINT, UINT, UINT) { Default(); }
void CWnd::OnSysKeyDown(UINT, UINT, UINT) { Default(); }
void CWnd::OnSysKeyUp(UINT, UINT, UINT) { Default(); }
void CWnd::OnSysChar(UINT, UINT, UINT) { Default(); }
void CWnd::OnSysCommand(UINT, LPARAM) { Default(); }
int CWnd::OnMouseActivate(CWnd*, UINT, UINT) { return static_cast<int>(Default()); }
BOOL CWnd::OnSetCursor(CWnd*, UINT, UINT) { return static_cast<BOOL>(Default()); }
void CWnd::OnNcCalcSize(BOOL, NCCALCSIZE_PARAMS*) { Default(); }
void CWnd::OnInitMenu(CMenu*) { Default(); }
void CWnd::OnInitMenuPopup(CMenu*, UINT, BOOL) { Default(); }
void CWnd::OnMenuSelect(UINT, UINT, HMENU) { Default(); }
LRESULT CWnd::OnMenuChar(UINT, UINT, CMenu*) { return Default(); }
void CWnd::OnMeasureItem(int, LPMEASUREITEMSTRUCT lpMeasureItemStruct)
{
    if (!AfxReflectMenuOwnerDraw(m_hWnd, WM_MEASUREITEM, reinterpret_cast<LPARAM>(lpMeasureItemStruct)))
        Default();
}
void CWnd::OnDrawItem(int, LPDRAWITEMSTRUCT lpDrawItemStruct)
{
    if (!AfxReflectMenuOwnerDraw(m_hWnd, WM_DRAWITEM, reinterpret_cast<LPARAM>(lpDrawItemStruct)))
        Default();
}
int CWnd::OnCompareItem(int, LPCOMPAREITEMSTRUCT) { return static_cast<int>(Default()); }
void CWnd::OnDeleteItem(int, LPDELETEITEMSTRUCT) { Default(); }
HBRUSH CWnd::OnCtlColor(CDC*, CWnd*, UINT) { return reinterpret_cast<HBRUSH>(Default()); }
void CWnd::OnHScroll(UINT, UINT, CScrollBar*) { Default(); }
void CWnd::OnVScroll(UINT, UINT, CScrollBar*) { Default(); }
void CWnd::OnGetMinMaxInfo(MINMAXINFO*) { Default(); }
void CWnd::OnShowWindow(BOOL, UINT) { Default(); }
void CWnd::OnWindowPosChanging(WINDOWPOS*) { Default(); }
void CWnd::OnWindowPosChanged(WINDOWPOS*) { Default(); }
void CWnd::OnActivate(UINT, CWnd*, BOOL) { Default(); }
void CWnd::OnActivateApp(BOOL, DWORD) { Default(); }
BOOL CWnd::OnNcActivate(BOOL) { return static_cast<BOOL>(Default()); }
void CWnd::OnEnterIdle(UINT, CWnd*) { Default(); }
void CWnd::OnSettingChange(UINT, LPCTSTR) { Default(); }
void CWnd::OnSysColorChange() { Default(); }
void CWnd::OnCaptureChanged(CWnd*) { Default(); }
void CWnd::OnCancelMode() { Default(); }
UINT CWnd::OnGetDlgCode() { return static_cast<UINT>(Default()); }
void CWnd::OnDropFiles(HDROP) { Default(); }
void CWnd::OnHotKey(UINT, UINT, UINT) { Default(); }
BOOL CWnd::OnCopyData(CWnd*, COPYDATASTRUCT*) { return static_cast<BOOL>(Default()); }
BOOL CWnd::OnQueryEndSession() { return static_cast<BOOL>(Default()); }
void CWnd::OnEndSession(BOOL) { Default(); }
void CWnd::OnParentNotify(UINT, LPARAM) { Default(); }
void CWnd::OnEnable(BOOL) { Default(); }
void CWnd::OnMouseLeave() { Default(); }
void CWnd::OnMoving(UINT, LPRECT) { Default(); }
void CWnd::OnEnterMenuLoop(BOOL) { Default(); }
void CWnd::OnExitMenuLoop(BOOL) { Default(); }
void CWnd::OnPaletteChanged(CWnd*) { Default(); }
BOOL CWnd::OnQueryNewPalette() { return static_cast<BOOL>(Default()); }
void CWnd::OnStyleChanging(int, LPSTYLESTRUCT) { Default(); }
void CWnd::OnStyleChanged(int, LPSTYLESTRUCT) { Default(); }
void CWnd::OnDeadChar(UINT, UINT, UINT) { Default(); }
void CWnd::OnSysDeadChar(UINT, UINT, UINT) { Default(); }
BOOL CWnd::OnHelpInfo(HELPINFO*) { return static_cast<BOOL>(Default()); }
