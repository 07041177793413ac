// Tip texts the tooltip makes itself: the window-information table of the
// debug mode, tools and help tips from string resources with an icon beside
// them, and the tips of menu items.
#include "tooltip/PPToolTip.h"

namespace {

// Class names and titles are read up to this many characters.
const int kInfoTextRead = 128;
// Longer ones are cut to kInfoTextKept characters and an ellipsis.
const int kInfoTextMax = 25;
const int kInfoTextKept = 21;

const char kHandleRow[] = "<tr><td bgcolor=buttonface>Handle</td><td bgcolor=white>0x%08X</td></tr>";

unsigned HandleNumber(HWND hWnd)
{
    // Window handles keep to 32 significant bits, also in a 64-bit process.
    return static_cast<unsigned>(reinterpret_cast<UINT_PTR>(hWnd));
}

CString ClassNameOf(HWND hWnd)
{
    char name[kInfoTextRead + 1] = "";
    GetClassNameA(hWnd, name, sizeof name);
    return CPPToolTip::MakeInfoText(name);
}

CString TitleOf(HWND hWnd)
{
    char title[kInfoTextRead + 1] = "";
    GetWindowTextA(hWnd, title, sizeof title);
    return CPPToolTip::MakeInfoText(title);
}

}  // namespace

CString CPPToolTip::MakeInfoText(LPCTSTR text)
{
    // '<' would open a tag in the table.
    CString result(text);
    result.Replace('<', '?');
    if (result.GetLength() > kInfoTextMax)
        result = result.Left(kInfoTextKept) + " ...";
    return result;
}

CString CPPToolTip::BuildWindowInfo(CPoint pt)
{
    HWND hWnd = FindChildWindow(pt, TRUE);
    HWND hOwner = hWnd ? ::GetParent(hWnd) : nullptr;
    RECT rect = {0, 0, 0, 0};
    if (hWnd)
        ::GetWindowRect(hWnd, &rect);
    ToolInfo ti;
    HWND hTool = nullptr;
    CPoint ptScreen = pt;
    if (m_hParentWnd)
        ::ClientToScreen(m_hParentWnd, &ptScreen);
    const BOOL hasTool = FindTool(pt, ptScreen, hTool, ti);

    CString text = "<table>";
    text += "<tr><td><font color=darkblue>Window</font><table border=1>";
    text += "<tr><td bgcolor=buttonface>Class Name</td><td bgcolor=window>";
    text += hWnd ? ClassNameOf(hWnd) : CString();
    text += "</td></tr>";
    text += "<tr><td bgcolor=buttonface>Title</td><td bgcolor=white>";
    text += hWnd ? TitleOf(hWnd) : CString();
    text += "</td></tr>";
    text.AppendFormat(kHandleRow, HandleNumber(hWnd));
    text.AppendFormat("<tr><td bgcolor=buttonface>Control ID</td><td bgcolor=white>%d</td></tr>",
                      hWnd ? static_cast<int>(::GetWindowLongPtr(hWnd, GWLP_ID)) : 0);
    text.AppendFormat("<tr><td bgcolor=buttonface>Styles</td><td bgcolor=white>0x%08X</td></tr>",
                      hWnd ? static_cast<unsigned>(::GetWindowLongPtr(hWnd, GWL_STYLE)) : 0u);
    text.AppendFormat("<tr><td bgcolor=buttonface>RECT</td><td bgcolor=white>(%d, %d)-(%d, %d)</td></tr>",
                      static_cast<int>(rect.left), static_cast<int>(rect.top), static_cast<int>(rect.right),
                      static_cast<int>(rect.bottom));
    text.AppendFormat("<tr><td bgcolor=buttonface>Width</td><td bgcolor=white>%d</td></tr>",
                      static_cast<int>(rect.right - rect.left));
    text.AppendFormat("<tr><td bgcolor=buttonface>Height</td><td bgcolor=white>%d</td></tr>",
                      static_cast<int>(rect.bottom - rect.top));
    text += "<tr><td bgcolor=buttonface>Has Tooltip</td><td bgcolor=white>";
    text += hasTool ? "Yes" : "No";
    text += "</td></tr>";
    text += "</table></td>";
    text += "<td><font color=darkblue>Window Owner</font><table border=1>";
    text += "<tr><td bgcolor=buttonface>Class Name</td><td bgcolor=white>";
    text += hOwner ? ClassNameOf(hOwner) : CString("N/A");
    text += "</td></tr>";
    text += "<tr><td bgcolor=buttonface>Title</td><td bgcolor=white>";
    text += hOwner ? TitleOf(hOwner) : CString("N/A");
    text += "</td></tr>";
    text.AppendFormat(kHandleRow, HandleNumber(hOwner));
    text += "</table>";
    text += "<font color=darkblue>Mouse Cursor</font><table border=1>";
    text.AppendFormat("<tr><td bgcolor=buttonface>X</td><td bgcolor=white>%d</td></tr>", static_cast<int>(pt.x));
    text.AppendFormat("<tr><td bgcolor=buttonface>Y</td><td bgcolor=white>%d</td></tr>", static_cast<int>(pt.y));
    text += "</table></td></tr></table>";
    return text;
}

// ---- Tools and help tips with icons ---------------------------------------------

CString CPPToolTip::IconTable(HICON hIcon, LPCTSTR text)
{
    CString result;
    result.Format("<table><tr><td><icon handle=0x%X></td><td>%s</td></tr></table>",
                  static_cast<unsigned>(reinterpret_cast<UINT_PTR>(hIcon)), text ? text : "");
    return result;
}

CString CPPToolTip::IconTable(UINT nIdIcon, CSize szIcon, LPCTSTR text)
{
    CString result;
    result.Format("<table><tr><td><icon idres=%d width=%d height=%d></td><td>%s</td></tr></table>",
                  static_cast<int>(nIdIcon), static_cast<int>(szIcon.cx), static_cast<int>(szIcon.cy),
                  text ? text : "");
    return result;
}

void CPPToolTip::AddTool(CWnd* pWnd, UINT nIdText, LPCRECT lpRectBounds, UINT nIDTool)
{
    AddTool(pWnd, LoadTextLine(nIdText, 0), lpRectBounds, nIDTool);
}

void CPPToolTip::AddTool(CWnd* pWnd, LPCTSTR text, HICON hIcon, LPCRECT lpRectBounds, UINT nIDTool)
{
    AddTool(pWnd, IconTable(hIcon, text), lpRectBounds, nIDTool);
}

void CPPToolTip::AddTool(CWnd* pWnd, UINT nIdText, HICON hIcon, LPCRECT lpRectBounds, UINT nIDTool)
{
    AddTool(pWnd, IconTable(hIcon, LoadTextLine(nIdText, 0)), lpRectBounds, nIDTool);
}

void CPPToolTip::AddTool(CWnd* pWnd, LPCTSTR text, UINT nIdIcon, CSize szIcon, LPCRECT lpRectBounds,
                         UINT nIDTool)
{
    AddTool(pWnd, IconTable(nIdIcon, szIcon, text), lpRectBounds, nIDTool);
}

void CPPToolTip::ShowHelpTooltip(CPoint pt, LPCTSTR text, HICON hIcon)
{
    ShowAtPoint(pt, MakeTool(hIcon ? IconTable(hIcon, text) : CString(text ? text : ""), nullptr, 0));
}

void CPPToolTip::ShowHelpTooltip(CPoint pt, UINT nIdText, HICON hIcon)
{
    ShowHelpTooltip(pt, LoadTextLine(nIdText, 0), hIcon);
}

void CPPToolTip::ShowHelpTooltip(CPoint pt, LPCTSTR text, UINT nIdIcon, CSize szIcon)
{
    ShowAtPoint(pt, MakeTool(IconTable(nIdIcon, szIcon, text), nullptr, 0));
}

void CPPToolTip::ShowHelpTooltip(CPoint pt, UINT nIdText, UINT nIdIcon, CSize szIcon)
{
    ShowHelpTooltip(pt, LoadTextLine(nIdText, 0), nIdIcon, szIcon);
}

// ---- Menu items ----------------------------------------------------------------

namespace {

BOOL CALLBACK FindMenuWindowProc(HWND hWnd, LPARAM lParam)
{
    char name[16];
    if (GetClassNameA(hWnd, name, sizeof name) && lstrcmpA(name, "#32768") == 0)
    {
        *reinterpret_cast<HWND*>(lParam) = hWnd;
        return FALSE;
    }
    return TRUE;
}

}  // namespace

void CPPToolTip::ShowMenuTip(UINT nItemID, UINT nFlags, HMENU hMenu)
{
    if (LOWORD(nFlags) == 0xFFFF || (nFlags & (MF_POPUP | MF_SEPARATOR)))
    {
        Pop();
        return;
    }
    if (nItemID == 0 || !hMenu)
        return;
    HWND hMenuWnd = nullptr;
    EnumWindows(FindMenuWindowProc, reinterpret_cast<LPARAM>(&hMenuWnd));
    if (!hMenuWnd)
    {
        Pop();
        return;
    }
    RECT menuRect;
    ::GetWindowRect(hMenuWnd, &menuRect);
    RECT item = {0, 0, 0, 0};
    int top = menuRect.top + GetSystemMetrics(SM_CYEDGE) + 1;
    const int count = GetMenuItemCount(hMenu);
    for (int i = 0; i < count; ++i)
    {
        RECT rect;
        if (!GetMenuItemRect(m_hParentWnd, hMenu, static_cast<UINT>(i), &rect))
            continue;
        if (GetMenuItemID(hMenu, i) == nItemID)
        {
            item = rect;
            OffsetRect(&item, 0, top - rect.top);
            break;
        }
        top += rect.bottom - rect.top;
    }
    const BOOL disabled = (nFlags & MF_DISABLED) != 0;
    const CString text = LoadTextLine(nItemID, disabled ? 2 : 0);

    const int itemW = item.right - item.left;
    const int itemH = item.bottom - item.top;
    CPoint pt(menuRect.left, item.top);
    if (m_nMenuTipPosition & 2)
        pt.x += itemW / 2;
    else if (m_nMenuTipPosition & 1)
        pt.x += itemW;
    if (m_nMenuTipPosition & 32)
        pt.y += itemH / 2;
    else if (m_nMenuTipPosition & 16)
        pt.y += itemH;
    m_ptLast = pt;
    SetNextTool(hMenuWnd, MakeTool(text, &item, nItemID), TRUE, KIND_MENU);
}
