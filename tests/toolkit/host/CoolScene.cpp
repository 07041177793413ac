#include "CoolScene.h"

#include "HostResource.h"
#include "afx/BasicCtrls.h"
#include "toolkit/lists/cool/OXCoolControlOrganizer.h"
#include "toolkit/lists/cool/OXCoolCtrl.h"

#include <commctrl.h>

namespace {
enum ControlId : UINT
{
    IdEdit = IDC_COOL_FIRST,   // 1401 with its buddy spin
    IdSpin,                    // 1402
    IdDropDown,                // 1403
    IdDropList,                // 1404
    IdCheck,                   // 1405
    IdRadio1,                  // 1406 first of a group
    IdRadio2,                  // 1407
    IdPush,                    // 1408 destroyed and made again on command
    IdSlider,                  // 1409
    IdScrollBar,               // 1410
    IdList,                    // 1411
    IdAddress,                 // 1412
    IdFrameworkEdit,           // 1413 has a framework object
    IdLaterPush,               // 1414 made on command
};

enum CommandId : UINT
{
    CmdAttach = ID_COOL_FIRST,   // 32880
    CmdDetach,
    CmdToggleEnable,
    CmdCreateLater,
    CmdToggleCool,
    CmdRecreatePush,
};

// The hot and cool states of whichever cool control the window has.
template <class T>
bool Probe(HWND hWnd, BOOL& hot, BOOL& cool)
{
    auto* control = dynamic_cast<COXCoolCtrl<T>*>(CWnd::FromHandlePermanent(hWnd));
    if (!control)
        return false;
    hot = control->IsHot();
    cool = control->IsCool();
    return true;
}

bool CoolState(HWND hWnd, BOOL& hot, BOOL& cool)
{
    return Probe<CEdit>(hWnd, hot, cool) || Probe<CButton>(hWnd, hot, cool) || Probe<CSpinButtonCtrl>(hWnd, hot, cool)
           || Probe<CComboBox>(hWnd, hot, cool) || Probe<CSliderCtrl>(hWnd, hot, cool)
           || Probe<CScrollBar>(hWnd, hot, cool) || Probe<CListBox>(hWnd, hot, cool)
           || Probe<CIPAddressCtrl>(hWnd, hot, cool) || Probe<CWnd>(hWnd, hot, cool);
}

class CCoolScene : public CHostScene
{
public:
    BOOL Create(CWnd* pHost) override
    {
        m_pHost = pHost;
        ::InitCommonControls();
        const bool made = Plain("Edit", WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL, CRect(10, 10, 130, 34), IdEdit)
                          && Plain(UPDOWN_CLASSA, UDS_ALIGNRIGHT | UDS_SETBUDDYINT | UDS_ARROWKEYS, CRect(0, 0, 0, 0),
                                   IdSpin)
                          && Plain("ComboBox", CBS_DROPDOWN | WS_VSCROLL | WS_TABSTOP, CRect(150, 10, 290, 150),
                                   IdDropDown)
                          && Plain("ComboBox", CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP, CRect(300, 10, 440, 150),
                                   IdDropList)
                          && Plain("Button", BS_AUTOCHECKBOX | WS_TABSTOP, CRect(10, 50, 130, 70), IdCheck, "Check")
                          && Plain("Button", BS_AUTORADIOBUTTON | WS_GROUP | WS_TABSTOP, CRect(10, 75, 130, 95),
                                   IdRadio1, "One")
                          && Plain("Button", BS_AUTORADIOBUTTON, CRect(10, 100, 130, 120), IdRadio2, "Two")
                          && Plain("Button", BS_PUSHBUTTON | WS_GROUP | WS_TABSTOP, PushRect(IdPush), IdPush, "Push")
                          && Plain(TRACKBAR_CLASSA, TBS_HORZ | WS_TABSTOP, CRect(150, 50, 290, 80), IdSlider)
                          && Plain("ScrollBar", SBS_HORZ, CRect(150, 90, 290, 107), IdScrollBar)
                          && Plain("ListBox", WS_BORDER | WS_VSCROLL | LBS_NOTIFY, CRect(300, 50, 440, 120), IdList)
                          && Plain(WC_IPADDRESSA, WS_TABSTOP, CRect(10, 160, 140, 184), IdAddress);
        if (!made)
            return FALSE;
        ::SendDlgItemMessage(pHost->m_hWnd, IdSpin, UDM_SETBUDDY,
                             reinterpret_cast<WPARAM>(::GetDlgItem(pHost->m_hWnd, IdEdit)), 0);
        ::SendDlgItemMessage(pHost->m_hWnd, IdSpin, UDM_SETRANGE32, 0, 100);
        for (UINT id : {IdDropDown, IdDropList}) {
            for (const char* item : {"Alpha", "Beta", "Gamma"})
                ::SendDlgItemMessage(pHost->m_hWnd, id, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
            ::SendDlgItemMessage(pHost->m_hWnd, id, CB_SETCURSEL, 0, 0);
        }
        for (const char* item : {"First", "Second", "Third"})
            ::SendDlgItemMessage(pHost->m_hWnd, IdList, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
        SCROLLINFO info = {sizeof info, SIF_ALL, 0, 99, 20, 10, 0};
        ::SetScrollInfo(::GetDlgItem(pHost->m_hWnd, IdScrollBar), SB_CTL, &info, TRUE);
        return m_frameworkEdit.Create(WS_CHILD | WS_VISIBLE | WS_BORDER | WS_TABSTOP, CRect(150, 160, 290, 184), pHost,
                                      IdFrameworkEdit);
    }

    std::vector<std::pair<UINT, CString>> Commands() const override
    {
        return {{CmdAttach, "Attach organizer"},       {CmdDetach, "Detach organizer"},
                {CmdToggleEnable, "Disable/enable all"}, {CmdCreateLater, "Create push button 1414"},
                {CmdToggleCool, "Cool look off/on for 1401"}, {CmdRecreatePush, "Re-create 1408"}};
    }

    BOOL OnHostMessage(UINT message, WPARAM wParam, LPARAM, LRESULT* pResult) override
    {
        if (message != WM_COMMAND || HIWORD(wParam) != 0)
            return FALSE;
        switch (LOWORD(wParam)) {
        case CmdAttach:
            m_last.Format("attach %d", m_organizer.AttachOrganizer(::GetCurrentThreadId()) ? 1 : 0);
            break;
        case CmdDetach:
            m_last.Format("detach %d", m_organizer.DetachOrganizer() ? 1 : 0);
            break;
        case CmdToggleEnable:
            m_bDisabled = !m_bDisabled;
            for (UINT id = IdEdit; id <= IdLaterPush; ++id)
                if (HWND hWnd = ::GetDlgItem(m_pHost->m_hWnd, static_cast<int>(id)))
                    ::EnableWindow(hWnd, !m_bDisabled);
            m_last = m_bDisabled ? "disabled" : "enabled";
            break;
        case CmdCreateLater:
            m_last.Format("create %d", Plain("Button", BS_PUSHBUTTON, PushRect(IdLaterPush), IdLaterPush, "Later") ? 1 : 0);
            break;
        case CmdToggleCool: {
            auto* edit = dynamic_cast<COXCoolCtrl<CEdit>*>(CWnd::FromHandlePermanent(Item(IdEdit)));
            if (edit)
                edit->SetCool(!edit->IsCool());
            m_last.Format("cool %d", edit && edit->IsCool() ? 1 : 0);
            break;
        }
        case CmdRecreatePush: {
            const HWND old = Item(IdPush);
            ::DestroyWindow(old);
            const bool made = Plain("Button", BS_PUSHBUTTON | WS_GROUP | WS_TABSTOP, PushRect(IdPush), IdPush, "Push");
            m_last.Format("recreate %d", made ? 1 : 0);
            break;
        }
        default:
            return FALSE;
        }
        *pResult = 0;
        return TRUE;
    }

    void AppendState(CHostState& state) override
    {
        state.AddFlag("organizer.attached", m_organizer.IsAttached());
        for (UINT id = IdEdit; id <= IdLaterPush; ++id) {
            const HWND hWnd = Item(id);
            if (!hWnd)
                continue;
            CString key;
            key.Format("conv.%u", id);
            CString value = m_organizer.IsAttached(hWnd) ? "1" : "0";
            if (m_organizer.IsSkipped(hWnd))
                value.Format("skip:%lu", m_organizer.GetSkipCode(hWnd));
            state.Add(key, value);
            BOOL hot = FALSE;
            BOOL cool = FALSE;
            CoolState(hWnd, hot, cool);
            key.Format("hot.%u", id);
            state.AddFlag(key, hot);
            key.Format("cool.%u", id);
            state.AddFlag(key, cool);
        }
        const HWND focus = ::GetFocus();
        state.AddInt("focus", focus ? ::GetDlgCtrlID(focus) : 0);
        // The combo's edit holds the focus for the combo.
        state.AddFlag("combo.1403.dropped",
                      static_cast<BOOL>(::SendMessage(Item(IdDropDown), CB_GETDROPPEDSTATE, 0, 0)));
        state.Add("last", m_last);
    }

    std::vector<UINT> NamedControls() const override
    {
        std::vector<UINT> ids;
        for (UINT id = IdEdit; id <= IdLaterPush; ++id)
            ids.push_back(id);
        return ids;
    }

    void OnHostClose() override { m_organizer.DetachOrganizer(); }

private:
    HWND Item(UINT id) const { return ::GetDlgItem(m_pHost->m_hWnd, static_cast<int>(id)); }

    static CRect PushRect(UINT id) { return id == IdPush ? CRect(10, 125, 130, 150) : CRect(150, 120, 290, 145); }

    bool Plain(LPCTSTR cls, DWORD style, const CRect& rect, UINT id, LPCTSTR text = "")
    {
        return ::CreateWindowEx(0, cls, text, WS_CHILD | WS_VISIBLE | style, rect.left, rect.top, rect.Width(),
                                rect.Height(), m_pHost->m_hWnd, reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)),
                                ::GetModuleHandle(nullptr), nullptr)
               != nullptr;
    }

    CWnd* m_pHost = nullptr;
    COXCoolControlOrganizer m_organizer;
    CEdit m_frameworkEdit;
    BOOL m_bDisabled = FALSE;
    CString m_last;
};
} // namespace

std::unique_ptr<CHostScene> MakeCoolScene()
{
    return std::make_unique<CCoolScene>();
}
