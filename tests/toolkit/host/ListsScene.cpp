#include "ListsScene.h"

#include "HostResource.h"
#include "afx/ListCtrl.h"
#include "toolkit/lists/listboxes/OXFontListBox.h"
#include "toolkit/lists/listboxes/OXFontPickerButton.h"
#include "toolkit/lists/listboxes/OXImageListBox.h"
#include "toolkit/lists/listboxes/OXItemTip.h"
#include "toolkit/lists/listboxes/OXListBoxEx.h"
#include "toolkit/lists/listboxes/OXMultiComboBox.h"
#include "toolkit/lists/listboxes/OXSeparator.h"
#include "toolkit/lists/tree/OXOptionTreeCtrl.h"

#include <cstdio>
#include <cstring>

namespace {
enum ControlId : UINT
{
    IdReport = IDC_LISTS_FIRST,   // 1701 report list with cut-off cells and an item tip
    IdListBoxEx,                  // 1702 extended list box, recent section of 4
    IdFontList,                   // 1703 font list box
    IdMultiCombo,                 // 1704 code, name, country
    IdImageList,                  // 1705 shell32.dll's small icons
    IdFontPicker,                 // 1706 font picker button
    IdFontBuddy,                  // 1707 its buddy static
    IdSeparator,                  // 1708 horizontal "Options", centred
    IdSideSeparator,              // 1709 vertical "Side"
    IdOptionTree,                 // 1710 option tree
};

enum CommandId : UINT
{
    CmdSaveMRU = ID_LISTS_FIRST,   // 32940
    CmdLoadMRU,
    CmdSelectTahoma,
    CmdMasterColumn,
    CmdSaveOptions,
    CmdLoadOptions,
    CmdDisableOption3,
    CmdDarkOptions,
    CmdSeparatorAlign,
};

const char kListBoxExSection[] = "HostListBoxEx_MRU";
const char kFontListSection[] = "HostFontList_MRU";

// The recent section's texts joined by "|".
CString RecentTexts(COXListBoxEx& list)
{
    CString all;
    for (int i = 0; i <= list.GetLastMRUIndex(); ++i) {
        CString text;
        list.GetText(i, text);
        all += (i ? "|" : "") + text;
    }
    return all;
}

CString SelectedText(CListBox& list)
{
    CString text;
    const int sel = list.GetCurSel();
    if (sel >= 0)
        list.GetText(sel, text);
    return text;
}

class CListsScene : public CHostScene
{
public:
    BOOL Create(CWnd* pHost) override
    {
        if (!m_report.Create(WS_CHILD | WS_VISIBLE | WS_BORDER | LVS_REPORT, CRect(10, 10, 250, 130), pHost,
                             IdReport))
            return FALSE;
        m_report.InsertColumn(0, "Keyword", LVCFMT_LEFT, 70);
        m_report.InsertColumn(1, "Source", LVCFMT_LEFT, 70);
        m_report.InsertColumn(2, "Count", LVCFMT_RIGHT, 70);
        const char* rows[][3] = {
            { "a keyword far longer than its column", "a search engine with a long name", "1234567890123" },
            { "short", "web", "12" },
            { "another rather long keyword", "a second long source name", "98765432109876" },
        };
        for (int i = 0; i < 3; ++i) {
            m_report.InsertItem(i, rows[i][0]);
            m_report.SetItemText(i, 1, rows[i][1]);
            m_report.SetItemText(i, 2, rows[i][2]);
        }
        m_tip.Attach(&m_report);

        if (!m_listBoxEx.Create(WS_CHILD | WS_VISIBLE | WS_BORDER | WS_VSCROLL | LBS_HASSTRINGS | LBS_NOTIFY |
                                    LBS_NOINTEGRALHEIGHT,
                                CRect(260, 10, 420, 200), pHost, IdListBoxEx))
            return FALSE;
        for (int i = 0; i < 20; ++i) {
            char text[32];
            std::snprintf(text, sizeof text, "Item %02d", i);
            m_listBoxEx.AddString(text, OXLBI_TEXTCOLOR | OXLBI_TOOLTIP, nullptr,
                                  i % 2 ? RGB(0, 0, 160) : RGB(0, 0, 0), CLR_DEFAULT, text);
        }
        m_listBoxEx.SetMaxMRUCount(4);
        m_listBoxEx.SetSaveRestoreMRUState(TRUE);

        m_fontList.SetSaveRestoreMRUState(TRUE);
        if (!m_fontList.Create(WS_CHILD | WS_VISIBLE | WS_BORDER | WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT,
                               CRect(430, 10, 660, 200), pHost, IdFontList))
            return FALSE;

        if (!m_multiCombo.Create(WS_CHILD | WS_VISIBLE | WS_VSCROLL | CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED |
                                     CBS_HASSTRINGS,
                                 CRect(10, 140, 250, 400), pHost, IdMultiCombo))
            return FALSE;
        m_multiCombo.SetColumnCount(3);
        m_multiCombo.SetColumnWidth(1, 120);
        const char* places[][3] = {
            { "AMS", "Amsterdam", "Netherlands" }, { "BER", "Berlin", "Germany" }, { "LIS", "Lisbon", "Portugal" },
            { "OSL", "Oslo", "Norway" }, { "ROM", "Rome", "Italy" },
        };
        for (auto& place : places)
            m_multiCombo.AddString(place, 3);
        m_multiCombo.SetFitToSize(TRUE);
        m_multiCombo.SetCurSel(1);

        if (!m_imageList.Create(WS_CHILD | WS_VISIBLE | WS_BORDER | WS_HSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT,
                                CRect(10, 180, 235, 330), pHost, IdImageList))
            return FALSE;
        char shell[MAX_PATH] = "";
        ::GetSystemDirectoryA(shell, MAX_PATH);
        std::strcat(shell, "\\shell32.dll");
        m_imageList.LoadImagesFromFile(shell, TRUE);

        if (!m_fontPicker.Create("Font...", WS_CHILD | WS_VISIBLE | WS_TABSTOP, CRect(260, 210, 340, 240), pHost,
                                 IdFontPicker))
            return FALSE;
        HWND buddy = ::CreateWindowExA(0, "STATIC", "", WS_CHILD | WS_VISIBLE, 350, 210, 310, 30,
                                       pHost->GetSafeHwnd(),
                                       reinterpret_cast<HMENU>(static_cast<INT_PTR>(IdFontBuddy)),
                                       AfxGetInstanceHandle(), nullptr);
        if (!buddy || !m_fontPicker.SetBuddy(IdFontBuddy))
            return FALSE;
        LOGFONT lf = {};
        lf.lfHeight = -16;
        std::strcpy(lf.lfFaceName, "Tahoma");
        m_fontPicker.SetBuddyLogFont(&lf);

        if (!m_separator.Create("Options", WS_CHILD | WS_VISIBLE | SS_CENTER, CRect(260, 250, 660, 270), pHost,
                                IdSeparator) ||
            !m_sideSeparator.Create("Side", WS_CHILD | WS_VISIBLE, CRect(245, 340, 265, 560), pHost, IdSideSeparator))
            return FALSE;
        m_sideSeparator.SetVertical(TRUE);

        if (!m_options.Create(WS_CHILD | WS_VISIBLE | WS_BORDER | TVS_HASLINES | TVS_LINESATROOT |
                                  TVS_HASBUTTONS,
                              CRect(270, 280, 660, 560), pHost, IdOptionTree))
            return FALSE;
        HTREEITEM general = m_options.AddGroup("General");
        m_options.AddCheckBox(1, "Save the results on exit", general, 1);
        m_options.AddCheckBox(2, "Ask before replacing", general);
        m_options.AddCheckBox(3, "Use the proxy (disabled)", general, 0, TVI_LAST, TRUE);
        HTREEITEM order = m_options.AddGroup("Order");
        m_options.AddRadioButton(11, "By keyword", order, 1);
        m_options.AddRadioButton(12, "By count", order);
        m_options.AddRadioButton(13, "By source", order);
        return TRUE;
    }

    std::vector<std::pair<UINT, CString>> Commands() const override
    {
        return {
            { CmdSaveMRU, "&Save the recent sections" },
            { CmdLoadMRU, "&Load the recent sections" },
            { CmdSelectTahoma, "Font list: select &Tahoma" },
            { CmdMasterColumn, "Multi-combo &master column 0/1" },
            { CmdSaveOptions, "Save the &options" },
            { CmdLoadOptions, "Loa&d the options" },
            { CmdDisableOption3, "&Disable or enable option 3" },
            { CmdDarkOptions, "Options on a dar&k or light background" },
            { CmdSeparatorAlign, "Separator 1708 left, centre, &right" },
        };
    }

    BOOL OnHostMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override
    {
        *pResult = 0;
        if (message == WM_NOTIFY) {
            const NMHDR* header = reinterpret_cast<const NMHDR*>(lParam);
            if (header->code == OTN_OPTIONCHANGED) {
                const NMOPTIONTREE* nm = reinterpret_cast<const NMOPTIONTREE*>(lParam);
                m_optionLast.Format("%d:%d->%d", nm->nID, nm->nOldCheck, nm->nNewCheck);
            }
            return FALSE;
        }
        if (message != WM_COMMAND)
            return FALSE;
        if (lParam != 0) {
            if (LOWORD(wParam) == IdListBoxEx && HIWORD(wParam) == LBN_DBLCLK) {
                const int sel = m_listBoxEx.GetCurSel();
                if (sel >= 0)
                    m_listBoxEx.MoveToMRU(sel, 0, TRUE);
                return TRUE;
            }
            return FALSE;
        }
        switch (LOWORD(wParam)) {
        case CmdSaveMRU:
            m_listBoxEx.SaveMRUState(kListBoxExSection);
            m_fontList.SaveMRUState(kFontListSection);
            break;
        case CmdLoadMRU:
            m_listBoxEx.LoadMRUState(kListBoxExSection);
            m_fontList.LoadMRUState(kFontListSection);
            break;
        case CmdSelectTahoma:
            m_fontList.SelectFont("Tahoma");
            break;
        case CmdMasterColumn:
            m_multiCombo.SetMasterColumn(m_multiCombo.GetMasterColumn() ? 0 : 1);
            break;
        case CmdSaveOptions:
            m_options.SaveState("HostOptions", "1710");
            break;
        case CmdLoadOptions:
            m_options.LoadState("HostOptions", "1710");
            break;
        case CmdDisableOption3:
            m_options.SetOptionDisabled(3, !m_options.IsItemDisabled(m_options.GetItemFromID(3)));
            break;
        case CmdDarkOptions:
            m_options.SetBkColor(m_options.IsDarkBackground() ? CLR_NONE : RGB(32, 32, 48));
            break;
        case CmdSeparatorAlign: {
            const DWORD align = m_separator.GetStyle() & 0x0F;
            const DWORD next = align == SS_LEFT ? SS_CENTER : align == SS_CENTER ? SS_RIGHT : SS_LEFT;
            m_separator.ModifyStyle(0x0F, next);
            m_separator.Invalidate();
            break;
        }
        default:
            return FALSE;
        }
        char text[32];
        std::snprintf(text, sizeof text, "command %u", LOWORD(wParam));
        m_last = text;
        return TRUE;
    }

    void AppendState(CHostState& state) override
    {
        COXItemTipWnd& tipWnd = m_tip.GetTipWnd();
        const BOOL tipVisible = tipWnd.GetSafeHwnd() && tipWnd.IsWindowVisible();
        state.AddFlag("tip.visible", tipVisible);
        state.Add("tip.text", tipVisible ? tipWnd.GetTipText() : CString());
        CRect tipRect(0, 0, 0, 0);
        if (tipVisible)
            tipWnd.GetWindowRect(&tipRect);
        state.AddRect("tip.rect", tipRect);
        state.AddInt("tip.result", m_tip.GetLastInfo().nResult);
        state.AddInt("lbex.count", m_listBoxEx.GetCount());
        state.Add("lbex.mru", RecentTexts(m_listBoxEx));
        state.Add("lbex.sel", SelectedText(m_listBoxEx));
        state.AddInt("fontlist.count", m_fontList.GetCount());
        state.Add("fontlist.sel", SelectedText(m_fontList));
        state.Add("fontlist.mru", RecentTexts(m_fontList));
        const int row = m_multiCombo.GetCurSel();
        CString combo;
        if (row >= 0) {
            CString c0, c1, c2;
            m_multiCombo.GetLBText(row, 0, c0);
            m_multiCombo.GetLBText(row, 1, c1);
            m_multiCombo.GetLBText(row, 2, c2);
            combo.Format("%d:%s|%s|%s", row, static_cast<LPCTSTR>(c0), static_cast<LPCTSTR>(c1),
                         static_cast<LPCTSTR>(c2));
        }
        state.Add("multicombo.sel", combo);
        state.AddInt("multicombo.master", m_multiCombo.GetMasterColumn());
        state.AddInt("imagelist.count", m_imageList.GetCount());
        state.AddInt("imagelist.sel", m_imageList.GetCurSel());
        CString buddyText;
        if (m_fontPicker.GetBuddy() && m_fontPicker.GetBuddy()->GetSafeHwnd())
            m_fontPicker.GetBuddy()->GetWindowText(buddyText);
        state.Add("fontpicker.text", buddyText);
        state.AddColor("fontpicker.color", m_fontPicker.GetBuddyTextColor());
        for (int id : { 1, 2, 3, 11, 12, 13 }) {
            char key[24];
            std::snprintf(key, sizeof key, "option.%d", id);
            state.AddInt(key, m_options.IsChecked(id));
        }
        state.AddFlag("option.disabled3", m_options.IsItemDisabled(m_options.GetItemFromID(3)));
        state.Add("option.last", m_optionLast);
        state.AddFlag("option.dark", m_options.IsDarkBackground());
        CString separatorText;
        m_separator.GetWindowText(separatorText);
        state.Add("sep.1708.text", separatorText);
        const DWORD align = m_separator.GetStyle() & 0x0F;
        state.Add("sep.1708.align", align == SS_CENTER ? "centre" : align == SS_RIGHT ? "right" : "left");
        state.Add("last", m_last);
    }

    std::vector<UINT> NamedControls() const override
    {
        return { IdReport, IdListBoxEx, IdFontList, IdMultiCombo, IdImageList, IdFontPicker, IdFontBuddy,
                 IdSeparator, IdSideSeparator, IdOptionTree };
    }

private:
    CListCtrl m_report;
    COXItemTip m_tip;
    COXListBoxEx m_listBoxEx;
    COXFontListBox m_fontList;
    COXMultiComboBox m_multiCombo;
    COXImageListBox m_imageList;
    COXFontPickerButton m_fontPicker;
    COXSeparator m_separator;
    COXSeparator m_sideSeparator;
    COXOptionTreeCtrl m_options;
    CString m_optionLast;
    CString m_last;
};
} // namespace

std::unique_ptr<CHostScene> MakeListsScene()
{
    return std::make_unique<CListsScene>();
}
