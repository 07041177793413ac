#include "framework/app/MessageBoxEx.h"

#include "afx/AfxRes.h"
#include "afx/Exception.h"

#include <algorithm>

namespace {
const DWORD ButtonStyle = 0x50010000;          // child, visible, tab stop
const DWORD DefaultButtonStyle = 0x50010001;   // ... and BS_DEFPUSHBUTTON
const DWORD StaticStyle = 0x50000000;
const DWORD CheckBoxStyle = 0x50010003;        // BS_AUTOCHECKBOX
const DWORD DialogStyle = 0x90C80880;          // pop-up, visible, caption, system menu, centred, modal frame

const int ButtonWidth = 75;
const int ButtonHeight = 23;
const int ButtonPitch = 81;

struct ButtonSpec
{
    LPCTSTR text;
    WORD id;
};

const ButtonSpec OkButtons[] = { { "OK", IDOK } };
const ButtonSpec OkCancelButtons[] = { { "OK", IDOK }, { "Cancel", IDCANCEL } };
const ButtonSpec AbortRetryIgnoreButtons[] = { { "&Abort", IDABORT }, { "&Retry", IDRETRY }, { "&Ignore", IDIGNORE } };
const ButtonSpec YesNoCancelButtons[] = { { "&Yes", IDYES }, { "&No", IDNO }, { "Cancel", IDCANCEL } };
const ButtonSpec YesNoButtons[] = { { "&Yes", IDYES }, { "&No", IDNO } };
const ButtonSpec RetryCancelButtons[] = { { "&Retry", IDRETRY }, { "Cancel", IDCANCEL } };
const ButtonSpec ContinueAbortButtons[] = { { "&Continue", 10 }, { "&Abort", IDABORT } };

// The buttons of a button-type nibble, and whether the set has Cancel.
void ButtonsOf(UINT type, const ButtonSpec*& buttons, int& count, BOOL& hasCancel)
{
    hasCancel = FALSE;
    switch (type) {
    case 1: buttons = OkCancelButtons; count = 2; hasCancel = TRUE; break;
    case 2: buttons = AbortRetryIgnoreButtons; count = 3; break;
    case 3: buttons = YesNoCancelButtons; count = 3; hasCancel = TRUE; break;
    case 4: buttons = YesNoButtons; count = 2; break;
    case 5: buttons = RetryCancelButtons; count = 2; hasCancel = TRUE; break;
    case 8: buttons = ContinueAbortButtons; count = 2; break;
    default: buttons = OkButtons; count = 1; break;
    }
}

void AppendWide(std::vector<BYTE>& out, LPCTSTR text)
{
    CString s(text ? text : "");
    if (s.GetLength() > CDialogTemplate1::MaxText)
        s = s.Left(CDialogTemplate1::MaxText);
    int n = s.IsEmpty() ? 0 : MultiByteToWideChar(CP_ACP, 0, s, s.GetLength(), nullptr, 0);
    std::vector<WCHAR> wide(n + 1, 0);
    if (n)
        MultiByteToWideChar(CP_ACP, 0, s, s.GetLength(), wide.data(), n);
    const BYTE* p = reinterpret_cast<const BYTE*>(wide.data());
    out.insert(out.end(), p, p + (n + 1) * sizeof(WCHAR));
}

void AppendWord(std::vector<BYTE>& out, WORD w)
{
    out.push_back(static_cast<BYTE>(w & 0xFF));
    out.push_back(static_cast<BYTE>(w >> 8));
}

void AppendDword(std::vector<BYTE>& out, DWORD d)
{
    AppendWord(out, static_cast<WORD>(d & 0xFFFF));
    AppendWord(out, static_cast<WORD>(d >> 16));
}

void AlignDword(std::vector<BYTE>& out)
{
    while (out.size() % 4)
        out.push_back(0);
}

// Pixel rectangle -> dialog units (integer division, as the system's base units give).
void ToDialogUnits(const RECT& r, int bx, int by, short& x, short& y, short& cx, short& cy)
{
    x = static_cast<short>(r.left * 4 / bx);
    y = static_cast<short>(r.top * 8 / by);
    cx = static_cast<short>((r.right - r.left) * 4 / bx);
    cy = static_cast<short>((r.bottom - r.top) * 8 / by);
}
}

BOOL CDialogTemplate1::AddControl(int kind, DWORD style, short x, short y, short cx, short cy, WORD id, LPCTSTR text)
{
    if (GetCount() >= MaxControls)
        return FALSE;
    Control c{ style, x, y, cx, cy, id, kind, CString(text ? text : "") };
    if (c.text.GetLength() > MaxText)
        c.text = c.text.Left(MaxText);
    m_controls.push_back(c);
    return TRUE;
}

std::vector<BYTE> CDialogTemplate1::Build(LPCTSTR caption) const
{
    std::vector<BYTE> out;
    AppendDword(out, m_style);
    AppendDword(out, 0);                       // extended style
    AppendWord(out, static_cast<WORD>(m_controls.size()));
    AppendWord(out, 0);                        // x
    AppendWord(out, 0);                        // y
    AppendWord(out, static_cast<WORD>(m_cx));
    AppendWord(out, static_cast<WORD>(m_cy));
    AppendWord(out, 0);                        // no menu
    AppendWord(out, 0);                        // the default dialog class
    AppendWide(out, caption);
    for (const Control& c : m_controls) {
        AlignDword(out);
        AppendDword(out, c.style);
        AppendDword(out, 0);
        AppendWord(out, static_cast<WORD>(c.x));
        AppendWord(out, static_cast<WORD>(c.y));
        AppendWord(out, static_cast<WORD>(c.cx));
        AppendWord(out, static_cast<WORD>(c.cy));
        AppendWord(out, c.id);
        AppendWord(out, 0xFFFF);
        AppendWord(out, static_cast<WORD>(c.kind == KindCheckBox ? KindButton : c.kind));
        AppendWide(out, c.text);
        AppendWord(out, 0);                    // no creation data
    }
    return out;
}

MessageBoxExLayout LayoutMessageBoxEx(LPCTSTR text, UINT style, const MessageBoxExMetrics& m)
{
    MessageBoxExLayout layout;
    layout.askMode = (style & MB_DONT_ASK_AGAIN) != 0;
    layout.tellMode = !layout.askMode && (style & MB_DONT_TELL_AGAIN) != 0;

    struct Item
    {
        int kind;
        DWORD style;
        RECT rect;
        WORD id;
        CString text;
    };
    std::vector<Item> items;

    int width = m.text.cx + 12;
    int height = m.text.cy + 5;
    RECT textRect = { 16, 16, width + 16, height + 16 };
    RECT dlg = { 0, 0, width + 16, height + 16 };
    dlg.bottom = std::max<LONG>(dlg.bottom, 70);

    DWORD dialogStyle = DialogStyle | ((style & MB_SYSTEMMODAL) ? DS_SYSMODAL : 0);

    int iconBottom = 0;
    int iconNibble = style & MB_ICONMASK;
    if (iconNibble == MB_ICONHAND || iconNibble == MB_ICONQUESTION || iconNibble == MB_ICONEXCLAMATION
        || iconNibble == MB_ICONASTERISK) {
        layout.iconNibble = iconNibble;
        OffsetRect(&textRect, m.icon.cx + 8, 0);
        dlg.right = textRect.right + 8;
        RECT iconRect = { 8, 8, m.icon.cx + 10, m.icon.cy + 10 };
        iconBottom = iconRect.bottom;
        items.push_back({ CDialogTemplate1::KindStatic, StaticStyle, iconRect, IDC_MSGBOX_ICON, "" });
    }
    items.push_back({ CDialogTemplate1::KindStatic, StaticStyle, textRect, IDC_MSGBOX_TEXT, text });

    const ButtonSpec* buttons;
    int count;
    ButtonsOf(style & MB_TYPEMASK, buttons, count, layout.hasCancel);
    bool help = (style & MB_HELP) != 0;
    int total = count + (help ? 1 : 0);

    int top = 8 + std::max<int>(textRect.bottom, iconBottom);
    int rowWidth = total * ButtonPitch - 6;
    RECT row = { 0, top, rowWidth, top + ButtonHeight };

    int defaultNumber;
    switch (style & MB_DEFMASK) {
    case MB_DEFBUTTON2: defaultNumber = 2; break;
    case MB_DEFBUTTON3: defaultNumber = 3; break;
    case MB_DEFBUTTON4: defaultNumber = 4; break;
    default: defaultNumber = 1; break;
    }
    if (defaultNumber > total)
        defaultNumber = 1;

    dlg.bottom = row.bottom + 10;
    dlg.right = std::max<LONG>(dlg.right, rowWidth + 32);
    row.left = (dlg.right - rowWidth) / 2;
    row.right = row.left + rowWidth;

    for (int i = 0; i < total; ++i) {
        int number = i + 1;
        RECT r = { row.left + i * ButtonPitch, row.top, row.left + i * ButtonPitch + ButtonWidth, row.top + ButtonHeight };
        ButtonSpec button = i < count ? buttons[i] : ButtonSpec{ "&Help", static_cast<WORD>(IDC_MSGBOX_HELP) };
        bool isDefault = number == defaultNumber;
        items.push_back({ CDialogTemplate1::KindButton, isDefault ? DefaultButtonStyle : ButtonStyle, r, button.id, button.text });
        if (isDefault)
            layout.focusId = button.id;
    }

    if (layout.askMode || layout.tellMode) {
        RECT check = { 17, row.top + 35, 137, row.top + 51 };
        items.push_back({ CDialogTemplate1::KindCheckBox, CheckBoxStyle, check, static_cast<WORD>(IDC_MSGBOX_DONT_AGAIN),
                          layout.askMode ? "Don't ask me again" : "Don't tell me again" });
        row.bottom = row.top + 51;
        dlg.bottom = row.top + 59;
        dlg.right = std::max<LONG>(dlg.right, 137);
    }
    if (row.bottom >= dlg.bottom)
        dlg.bottom = row.bottom + 16;
    dlg.right = std::max<LONG>(dlg.right, row.right + 16);

    layout.textPixels = textRect;
    layout.dialogPixels = dlg;

    int bx = std::max(1, m.baseUnitX);
    int by = std::max(1, m.baseUnitY);
    short x, y, cx, cy;
    ToDialogUnits(dlg, bx, by, x, y, cx, cy);
    layout.dialog = CDialogTemplate1(dialogStyle, cx, cy);
    for (const Item& item : items) {
        if (IsRectEmpty(&item.rect)) {
            x = 0; y = 0; cx = 10; cy = 10;
        } else {
            ToDialogUnits(item.rect, bx, by, x, y, cx, cy);
        }
        layout.dialog.AddControl(item.kind, item.style, x, y, cx, cy, item.id, item.text);
    }
    return layout;
}

namespace {
// The one box's state: process-wide, reset at each call (one box at a time).
struct BoxState
{
    MessageBoxExLayout layout;
    UINT helpContextId = 0;
    HFONT font = nullptr;
    HICON icon = nullptr;
    WNDPROC iconStaticProc = nullptr;
};
BoxState* g_box = nullptr;

LRESULT CALLBACK IconStaticProc(HWND wnd, UINT message, WPARAM, LPARAM)
{
    if (message == WM_PAINT) {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(wnd, &ps);
        if (g_box && g_box->icon)
            DrawIcon(dc, 0, 0, g_box->icon);
        EndPaint(wnd, &ps);
    }
    return 0;
}

void OpenHelp(HWND wnd, UINT contextId)
{
    char path[MAX_PATH + 1] = "";
    if (!GetModuleFileNameA(nullptr, path, MAX_PATH))
        return;
    CString help(path);
    int dot = help.ReverseFind('.');
    if (help.IsEmpty() || dot < 0)
        return;
    help = help.Left(dot) + ".hlp";
    if (contextId > 0)
        WinHelpA(wnd, help, HELP_CONTEXT, contextId);
    else
        WinHelpA(wnd, help, HELP_PARTIALKEY, reinterpret_cast<ULONG_PTR>(""));
}

INT_PTR CALLBACK BoxProc(HWND wnd, UINT message, WPARAM wParam, LPARAM)
{
    if (!g_box)
        return FALSE;
    switch (message) {
    case WM_INITDIALOG: {
        // The box's font on its text, its buttons (ids 1 to 10, Help) and its check box.
        const UINT fontIds[] = { IDC_MSGBOX_TEXT, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, IDC_MSGBOX_HELP, IDC_MSGBOX_DONT_AGAIN };
        for (UINT id : fontIds)
            if (HWND control = GetDlgItem(wnd, id))
                SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(g_box->font), FALSE);
        CheckDlgButton(wnd, IDC_MSGBOX_DONT_AGAIN, BST_UNCHECKED);
        if (HWND focus = GetDlgItem(wnd, g_box->layout.focusId))
            SetFocus(focus);
        if (!g_box->layout.hasCancel)
            EnableMenuItem(GetSystemMenu(wnd, FALSE), SC_CLOSE, MF_BYCOMMAND | MF_GRAYED);
        if (g_box->icon) {
            if (HWND iconStatic = GetDlgItem(wnd, IDC_MSGBOX_ICON))
                g_box->iconStaticProc = reinterpret_cast<WNDPROC>(
                    SetWindowLongPtrA(iconStatic, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(IconStaticProc)));
        }
        return FALSE;   // the focus is set
    }
    case WM_COMMAND: {
        UINT id = LOWORD(wParam);
        if (id == 8 || id == IDC_MSGBOX_DONT_AGAIN)
            return TRUE;
        if (id == IDCANCEL && !g_box->layout.hasCancel)
            return TRUE;
        if (id == IDC_MSGBOX_HELP) {
            OpenHelp(wnd, g_box->helpContextId);
            return TRUE;
        }
        int result = static_cast<int>(id);
        if (IsDlgButtonChecked(wnd, IDC_MSGBOX_DONT_AGAIN) == BST_CHECKED) {
            if (g_box->layout.askMode)
                result |= MB_DONT_ASK_AGAIN;
            else if (g_box->layout.tellMode)
                result |= MB_DONT_TELL_AGAIN;
        }
        EndDialog(wnd, result);
        return TRUE;
    }
    default:
        return FALSE;
    }
}

HICON StockIcon(int nibble)
{
    switch (nibble) {
    case MB_ICONHAND: return LoadIconA(nullptr, reinterpret_cast<LPCSTR>(IDI_HAND));
    case MB_ICONQUESTION: return LoadIconA(nullptr, reinterpret_cast<LPCSTR>(IDI_QUESTION));
    case MB_ICONEXCLAMATION: return LoadIconA(nullptr, reinterpret_cast<LPCSTR>(IDI_EXCLAMATION));
    case MB_ICONASTERISK: return LoadIconA(nullptr, reinterpret_cast<LPCSTR>(IDI_ASTERISK));
    default: return nullptr;
    }
}
}

int MessageBoxEx(HWND owner, LPCTSTR text, LPCTSTR caption, UINT style, UINT helpContextId)
{
    if (!owner)
        owner = GetDesktopWindow();

    CString title(caption ? caption : "");
    if (title.IsEmpty() && !title.LoadString(AFX_IDS_APP_TITLE))
        title = "Error";
    if (title.GetLength() > CDialogTemplate1::MaxText)
        title = title.Left(CDialogTemplate1::MaxText);
    CString message(text ? text : "");
    if (message.GetLength() > CDialogTemplate1::MaxText)
        message = message.Left(CDialogTemplate1::MaxText);

    // A stop or exclamation icon with system-modal: the system's own box.
    if ((style & 0x10) && (style & MB_SYSTEMMODAL))
        return MessageBoxA(owner, message, title, style);

    BoxState state;
    state.helpContextId = helpContextId;
    state.font = CreateFontA(-12, 0, 0, 0, 400, 0, 0, 0, 0, 0, 0, 0, 0, "MS Sans Serif");

    MessageBoxExMetrics metrics = {};
    HDC dc = GetDC(nullptr);
    HGDIOBJ old = SelectObject(dc, state.font);
    RECT measured = { 0, 0, GetSystemMetrics(SM_CXSCREEN) / 2 + 50, 0 };
    DrawTextA(dc, message, message.GetLength(), &measured, DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX);
    SelectObject(dc, old);
    ReleaseDC(nullptr, dc);
    metrics.text = { measured.right - measured.left, measured.bottom - measured.top };
    metrics.icon = { GetSystemMetrics(SM_CXICON), GetSystemMetrics(SM_CYICON) };
    LONG units = GetDialogBaseUnits();
    metrics.baseUnitX = LOWORD(units);
    metrics.baseUnitY = HIWORD(units);

    state.layout = LayoutMessageBoxEx(message, style, metrics);
    state.icon = StockIcon(state.layout.iconNibble);
    std::vector<BYTE> bytes = state.layout.dialog.Build(title);

    // The template must be DWORD-aligned in memory.
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, bytes.size());
    void* locked = block ? GlobalLock(block) : nullptr;
    if (!locked) {
        if (block)
            GlobalFree(block);
        DeleteObject(state.font);
        AfxThrowMemoryException();
    }
    memcpy(locked, bytes.data(), bytes.size());

    BoxState* previous = g_box;
    g_box = &state;
    INT_PTR result = DialogBoxIndirectParamA(GetModuleHandleA(nullptr), static_cast<LPCDLGTEMPLATEA>(locked),
                                             owner, BoxProc, 0);
    g_box = previous;

    GlobalUnlock(block);
    GlobalFree(block);
    DeleteObject(state.font);
    return static_cast<int>(result);
}
