#include "ColorsScene.h"

#include "HostResource.h"
#include "toolkit/foundation/OXColorPickerButton.h"
#include "toolkit/resources/ToolkitResource.h"

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
        BOOL ok = m_go.Create("Go\nStart it", style, CRect(20, 20, 140, 80), pHost, IdGo) &&
                  m_toggle.Create("Toggle", style, CRect(160, 20, 280, 60), pHost, IdToggle) &&
                  m_dropDown.Create("Drop", style, CRect(300, 20, 420, 60), pHost, IdDropDown) &&
                  m_color.Create("Colour", style, CRect(20, 100, 140, 140), pHost, IdColor) &&
                  m_tearOffColor.Create("Tear-off", style, CRect(160, 100, 280, 140), pHost, IdTearOffColor) &&
                  m_override.Create("Override", style, CRect(300, 100, 420, 140), pHost, IdOverride) &&
                  m_transparent.Create("Clear", style, CRect(440, 100, 560, 140), pHost, IdTransparent);
        if (!ok)
            return FALSE;
        m_toggle.SetStyleFlags(OXBB_TOGGLE | OXBB_THREESTATE);
        m_dropDown.SetStyleFlags(OXBB_DROPDOWN);
        return TRUE;
    }

    std::vector<std::pair<UINT, CString>> Commands() const override
    {
        return {};
    }

    BOOL OnHostMessage(UINT message, WPARAM /*wParam*/, LPARAM lParam, LRESULT* pResult) override
    {
        if (message == WM_NOTIFY) {
            const NMHDR* header = reinterpret_cast<const NMHDR*>(lParam);
            if (header->idFrom == IdDropDown && header->code == OXBBN_DROPDOWN) {
                ++m_nDropDownNotices;
                *pResult = 0;
                return TRUE;
            }
        }
        return FALSE;
    }

    void AppendState(CHostState& state) override
    {
        state.AddInt("btn.1002.state", static_cast<long long>(m_toggle.GetStateFlags()));
        state.AddInt("btn.1003.dropdowns", m_nDropDownNotices);
        state.AddColor("color.1004", m_color.GetColor());
        state.AddColor("color.1005", m_tearOffColor.GetColor());
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
    int m_nDropDownNotices = 0;
};
} // namespace

std::unique_ptr<CHostScene> MakeColorsScene()
{
    return std::make_unique<CColorsScene>();
}
