#include "EditsScene.h"

#include "HostResource.h"
#include "toolkit/foundation/OXCalculatorPopup.h"
#include "toolkit/foundation/OXCalendar.h"
#include "toolkit/foundation/OXCalendarEdit.h"
#include "toolkit/foundation/OXListEdit.h"
#include "toolkit/foundation/OXPhysicalEdit.h"

#include <cstdio>
#include <cstring>

namespace {
enum ControlId : UINT
{
    IdCalc = IDC_EDITS_FIRST,  // 1301 calculator edit
    IdCalEdit,                 // 1302 calendar edit "DD.MM.YYYY"
    IdListEdit,                // 1303 list edit of 25 items
    IdPhys,                    // 1304 length in m, cm, mm
    IdCalendar,                // 1305 calendar control
    IdMask,                    // 1306 toolkit edit with mask "[#]"
};

enum CommandId : UINT
{
    CmdPaste = ID_EDITS_FIRST,  // 32860
    CmdCalcReadOnly,
    CmdCalcButtonSide,
    CmdNextUnit,
    CmdCalendarRange,
    CmdBadDate,
    CmdFirstWeekday,
};

const LPCTSTR LengthNames[] = { "m", "cm", "mm" };
const double LengthRows[][3] = { { 0, 1, 0 }, { 0, 0.01, 0 }, { 0, 0.001, 0 } };
const COXPhysicalUnitTable Length = { 3, 0, LengthNames, LengthRows, 0 };

CString TextOf(const CWnd& wnd)
{
    CString text;
    wnd.GetWindowText(text);
    return text;
}

BOOL Visible(const CWnd& wnd)
{
    return wnd.GetSafeHwnd() && wnd.IsWindowVisible();
}

void PutOnClipboard(HWND owner, const char* text)
{
    if (!::OpenClipboard(owner))
        return;
    ::EmptyClipboard();
    const size_t size = std::strlen(text) + 1;
    if (HGLOBAL block = ::GlobalAlloc(GMEM_MOVEABLE, size)) {
        std::memcpy(::GlobalLock(block), text, size);
        ::GlobalUnlock(block);
        ::SetClipboardData(CF_TEXT, block);
    }
    ::CloseClipboard();
}

template <class T>
void AddDropButton(CHostState& state, UINT id, const COXDropEdit<T>& edit)
{
    CRect button;
    edit.GetButtonRect(button);
    edit.ClientToScreen(&button);
    char key[32];
    std::snprintf(key, sizeof key, "dropbtn.%u", id);
    state.AddRect(key, button);
}

class CEditsScene : public CHostScene
{
public:
    CEditsScene() : m_phys(&Length, 0, TRUE), m_calEdit("DD.MM.YYYY") {}

    BOOL Create(CWnd* pHost) override
    {
        const DWORD style = WS_CHILD | WS_VISIBLE | WS_BORDER | WS_TABSTOP;
        if (!m_calc.Create(style, CRect(20, 20, 220, 44), pHost, IdCalc) ||
            !m_calEdit.Create(style, CRect(20, 60, 220, 84), pHost, IdCalEdit) ||
            !m_phys.Create(style, CRect(20, 140, 220, 164), pHost, IdPhys) ||
            !m_calendar.Create(WS_CHILD | WS_VISIBLE | WS_BORDER, CRect(20, 180, 220, 204), pHost, IdCalendar) ||
            !m_mask.SetMask("[#]") || !m_mask.Create(style, CRect(20, 220, 220, 244), pHost, IdMask))
            return FALSE;
        CStringArray items;
        for (int i = 1; i <= 25; ++i) {
            CString item;
            item.Format("Item %d", i);
            items.Add(item);
        }
        m_list.SetListItems(items, pHost);
        m_list.SetDlgCtrlID(IdListEdit);
        m_list.SetWindowPos(nullptr, 20, 100, 200, 24, SWP_NOZORDER | SWP_SHOWWINDOW);
        m_list.ModifyStyle(0, WS_BORDER | WS_TABSTOP, SWP_FRAMECHANGED);
        m_phys.SetValue(1.5);
        return TRUE;
    }

    std::vector<std::pair<UINT, CString>> Commands() const override
    {
        return {
            { CmdPaste, "&Paste \"abc\" into 1306 at a bare caret" },
            { CmdCalcReadOnly, "1301 &read-only on or off" },
            { CmdCalcButtonSide, "1301 button &left or right" },
            { CmdNextUnit, "1304 to the &next unit" },
            { CmdCalendarRange, "1305 range &2024" },
            { CmdBadDate, "Put \"not a &date\" into 1302" },
            { CmdFirstWeekday, "1305 first weekday &Sunday or Monday" },
        };
    }

    BOOL OnHostMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override
    {
        *pResult = 0;
        if (message != WM_COMMAND || lParam != 0)
            return FALSE;
        switch (LOWORD(wParam)) {
        case CmdPaste:
            PutOnClipboard(m_mask.GetParent()->GetSafeHwnd(), "abc");
            m_mask.SetSel(1, 1);
            m_mask.SendMessage(WM_PASTE);
            break;
        case CmdCalcReadOnly:
            m_calc.SetReadOnly(!(m_calc.GetStyle() & ES_READONLY));
            m_calc.RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME);
            break;
        case CmdCalcButtonSide:
            m_calc.SetButtonAlignment(m_calc.GetButtonAlignment() == COXCalculatorEdit::ButtonLeft
                                          ? COXCalculatorEdit::ButtonRight
                                          : COXCalculatorEdit::ButtonLeft);
            break;
        case CmdNextUnit:
            m_phys.SendMessage(WM_COMMAND, COXPhysicalEdit::FirstUnitCommand + (m_phys.GetUnit() + 1) % 3, 0);
            break;
        case CmdCalendarRange:
            m_calendar.SetDateRange(COleDateTime(2024, 1, 1, 0, 0, 0), COleDateTime(2024, 12, 31, 0, 0, 0));
            break;
        case CmdBadDate:
            m_calEdit.SetWindowText("not a date");
            break;
        case CmdFirstWeekday:
            m_calendar.SetFirstDayOfWeek(m_calendar.GetFirstDayOfWeek() == 0 ? 1 : 0);
            break;
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
        state.Add("calc.text", TextOf(m_calc));
        char value[64];
        std::snprintf(value, sizeof value, "%g", m_calc.GetValue());
        state.Add("calc.value", value);
        state.AddFlag("calc.popup", Visible(m_calc.GetCalculatorPopup()));
        state.AddFlag("calc.readonly", (m_calc.GetStyle() & ES_READONLY) != 0);
        state.Add("caledit.text", TextOf(m_calEdit));
        state.AddFlag("caledit.popup", Visible(m_calEdit.GetCalendarPopup()));
        state.Add("listedit.text", TextOf(m_list));
        state.AddFlag("listedit.popup", Visible(m_list.GetListPopup()));
        state.Add("phys.text", TextOf(m_phys));
        const int unit = m_phys.GetUnit();
        state.Add("phys.unit", unit >= 0 && unit < 3 ? LengthNames[unit] : "");
        state.Add("calendar.text", TextOf(m_calendar.GetEdit()));
        COleDateTime::DateTimeStatus status;
        const COleDateTime date = m_calendar.GetDateFromEdit(status);
        state.Add("calendar.date", status == COleDateTime::valid ? date.Format("%Y-%m-%d") : CString("null"));
        state.AddInt("calendar.firstday", m_calendar.GetFirstDayOfWeek());
        state.AddFlag("calendar.popup", Visible(m_calendar.GetPopup()));
        state.Add("mask.text", TextOf(m_mask));
        state.Add("last", m_last);
        AddDropButton(state, IdCalc, m_calc);
        AddDropButton(state, IdCalEdit, m_calEdit);
        AddDropButton(state, IdListEdit, m_list);
        AddDropButton(state, IdPhys, m_phys);
    }

    std::vector<UINT> NamedControls() const override { return { IdCalc, IdCalEdit, IdListEdit, IdPhys, IdCalendar, IdMask }; }

private:
    COXCalculatorEdit m_calc;
    COXListEdit m_list;
    COXPhysicalEdit m_phys;
    COXCalendarEdit m_calEdit;
    COXCalendar m_calendar;
    COXEdit m_mask;
    CString m_last;
};
} // namespace

std::unique_ptr<CHostScene> MakeEditsScene()
{
    return std::make_unique<CEditsScene>();
}
