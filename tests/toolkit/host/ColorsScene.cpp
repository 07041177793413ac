#include "ColorsScene.h"

#include "HostResource.h"
#include "toolkit/foundation/OXColorPickerButton.h"
#include "toolkit/resources/ToolkitResource.h"

#include <cstdio>

namespace {
enum ControlId : UINT
{
    IdGo = IDC_COLORS_FIRST,   // 1001 bitmap button with icon, track look and tooltip
    IdToggle,                  // 1002 toggle with a third state
    IdDropDown,                // 1003 drop-down button
    IdColor,                   // 1004 colour picker button as the application makes it
    IdTearOffColor,            // 1005 colour picker button whose picker can be torn off
    IdOverride,                // 1006 button under the enable override
    IdTransparent,             // 1007 transparent button
};

enum CommandId : UINT
{
    CmdEnable1006 = ID_COLORS_FIRST,   // 32800
    CmdOverride1006,
    CmdAnswerDropDown,
    CmdSystemPalette,
    CmdDefaultColors,
    CmdExtendedTip,
    CmdDefaultColor,
};

class CColorsScene : public CHostScene
{
public:
    CColorsScene()
        : m_color(40, 4, 0xFFFFFFFF, 18, 18, IDS_OX_COLORPICKER_DEFAULT, IDS_OX_COLORPICKER_CUSTOM),
          m_tearOffColor(40, 4, 0xFFFFFFFF, 18, 18, IDS_OX_COLORPICKER_DEFAULT, IDS_OX_COLORPICKER_CUSTOM)
    {
    }

    BOOL Create(CWnd* pHost) override
    {
        const DWORD style = WS_CHILD | WS_VISIBLE | WS_TABSTOP;
        BOOL ok = m_go.Create("Go\nStart it", style, CRect(20, 20, 160, 80), pHost, IdGo) &&
                  m_toggle.Create("Toggle", style, CRect(180, 20, 300, 60), pHost, IdToggle) &&
                  m_dropDown.Create("Drop", style, CRect(320, 20, 440, 60), pHost, IdDropDown) &&
                  m_color.Create("Colour", style, CRect(20, 100, 140, 140), pHost, IdColor) &&
                  m_tearOffColor.Create("Tear-off", style, CRect(160, 100, 280, 140), pHost, IdTearOffColor) &&
                  m_override.Create("Override", style, CRect(300, 100, 420, 140), pHost, IdOverride) &&
                  m_transparent.Create("Clear", style, CRect(440, 100, 560, 140), pHost, IdTransparent);
        if (!ok)
            return FALSE;
        m_go.LoadIcon(IDI_HOST_GO, FALSE, 32, 32);
        m_go.SetTrackLook(TRUE);
        m_go.EnableButtonToolTip(TRUE);
        m_toggle.SetStyleFlags(OXBB_TOGGLE | OXBB_THREESTATE);
        m_dropDown.SetStyleFlags(OXBB_DROPDOWN);
        // The tear-off path: the picker made again with a strip.
        COXColorPickerCtrl* picker = m_tearOffColor.GetColorPickerCtrl();
        picker->DestroyWindow();
        if (!picker->Create(&m_tearOffColor, 0))
            return FALSE;
        m_override.SetEnableOverride(TRUE);
        m_transparent.SetTransparent(TRUE);
        return TRUE;
    }

    std::vector<std::pair<UINT, CString>> Commands() const override
    {
        return {
            { CmdEnable1006, "&Enable or disable 1006" },
            { CmdOverride1006, "Enable &override of 1006 on or off" },
            { CmdAnswerDropDown, "&Answer the drop-down of 1003" },
            { CmdSystemPalette, "Picker 1005 from the &system palette" },
            { CmdDefaultColors, "Picker 1005 with the &forty colours" },
            { CmdExtendedTip, "E&xtended tip for 1001" },
            { CmdDefaultColor, "&Default colour for 1004" },
        };
    }

    BOOL OnHostMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override
    {
        *pResult = 0;
        if (message == WM_NOTIFY) {
            const NMHDR* header = reinterpret_cast<const NMHDR*>(lParam);
            if (header->code == OXBBN_DROPDOWN || header->code == OXBBN_TOGGLE) {
                m_last = HostHex(header->code) + " " + HostNumber(header->idFrom);
                if (header->idFrom == IdDropDown && header->code == OXBBN_DROPDOWN) {
                    ++m_nDropDowns;
                    *pResult = m_bAnswerDropDown ? 1 : 0;
                }
                return TRUE;
            }
            return FALSE;
        }
        if (message == WM_POPUPBAR_PICKED) {
            HWND from = reinterpret_cast<HWND>(lParam);
            m_last = HostHex(WM_POPUPBAR_PICKED) + " " + HostNumber(::GetDlgCtrlID(from));
            return TRUE;
        }
        if (message != WM_COMMAND)
            return FALSE;
        if (lParam != 0) {
            // Recorded, then left to the host, which offers it to the button first.
            if (HIWORD(wParam) == BN_CLICKED) {
                m_last = "BN_CLICKED " + HostNumber(LOWORD(wParam));
                if (LOWORD(wParam) == IdOverride)
                    ++m_nOverrideClicks;
            }
            return FALSE;
        }
        switch (LOWORD(wParam)) {
        case CmdEnable1006:
            m_override.EnableButton(!m_override.IsButtonEnabled());
            break;
        case CmdOverride1006:
            m_override.SetEnableOverride(!m_override.GetEnableOverride());
            break;
        case CmdAnswerDropDown:
            m_bAnswerDropDown = !m_bAnswerDropDown;
            break;
        case CmdSystemPalette:
            m_tearOffColor.GetColorPickerCtrl()->SetColorsFromPalette(0, TRUE);
            break;
        case CmdDefaultColors:
            m_tearOffColor.GetColorPickerCtrl()->SetDefaultColors();
            break;
        case CmdExtendedTip:
            m_go.SetToolTipText("Start it\rRuns the scene's action once");
            break;
        case CmdDefaultColor:
            m_color.SetDefaultColor(::GetSysColor(COLOR_BTNFACE));
            m_color.SetColor(OXCOLOR_DEFAULT);
            break;
        default:
            return FALSE;
        }
        m_last = "command " + HostNumber(LOWORD(wParam));
        return TRUE;
    }

    void AppendState(CHostState& state) override
    {
        state.AddFlag("btn.1001.hover", m_go.IsHovering());
        state.Add("btn.1001.tip", m_go.GetToolTipText());
        COXToolTipCtrl* tip = m_go.GetToolTip();
        BOOL shown = tip && tip->IsTipShowing();
        CString tipText;
        CRect tipRect;
        if (shown) {
            tip->GetWindowText(tipText);
            tip->GetWindowRect(&tipRect);
        }
        state.AddFlag("tip.visible", shown);
        state.Add("tip.text", tipText);
        state.AddFlag("tip.extended", shown && tip->IsExtended());
        state.AddRect("tip.rect", tipRect);
        DWORD toggle = m_toggle.GetStateFlags();
        state.AddInt("btn.1002.state", (toggle & OXBB_STATE_THIRD) ? 2 : (toggle & OXBB_STATE_PUSHED) ? 1 : 0);
        state.AddFlag("btn.1003.notify", m_bAnswerDropDown);
        state.AddInt("btn.1003.dropdowns", m_nDropDowns);
        state.AddFlag("btn.1006.enabled", m_override.IsButtonEnabled());
        state.AddFlag("btn.1006.override", m_override.GetEnableOverride());
        state.AddInt("btn.1006.clicks", m_nOverrideClicks);
        state.AddColor("color.1004", m_color.GetColor());
        state.AddColor("color.1005", m_tearOffColor.GetColor());
        COXColorPickerCtrl* picker = m_tearOffColor.GetColorPickerCtrl();
        CString caption;
        CRect pickerRect;
        if (picker->GetSafeHwnd()) {
            picker->GetWindowText(caption);
            picker->GetWindowRect(&pickerRect);
        }
        state.AddFlag("picker.1005.tornoff", picker->IsTornOff());
        state.AddFlag("picker.1005.visible", picker->GetSafeHwnd() && picker->IsWindowVisible());
        state.Add("picker.1005.caption", caption);
        state.AddRect("picker.1005.rect", pickerRect);
        state.AddInt("picker.1005.colors", picker->GetButtonData().GetSize());
        HDC screen = ::GetDC(nullptr);
        state.AddFlag("screen.palette", (::GetDeviceCaps(screen, RASTERCAPS) & RC_PALETTE) != 0);
        ::ReleaseDC(nullptr, screen);
        state.Add("last", m_last);
    }

    std::vector<UINT> NamedControls() const override
    {
        return { IdGo, IdToggle, IdDropDown, IdColor, IdTearOffColor, IdOverride, IdTransparent };
    }

private:
    COXBitmapButton m_go;
    COXBitmapButton m_toggle;
    COXBitmapButton m_dropDown;
    COXColorPickerButton m_color;
    COXColorPickerButton m_tearOffColor;
    COXBitmapButton m_override;
    COXBitmapButton m_transparent;
    BOOL m_bAnswerDropDown = FALSE;
    int m_nDropDowns = 0;
    int m_nOverrideClicks = 0;
    CString m_last;
};
} // namespace

std::unique_ptr<CHostScene> MakeColorsScene()
{
    return std::make_unique<CColorsScene>();
}
