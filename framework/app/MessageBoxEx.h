// The extended message box: a message box built at run time from an in-memory
// dialog template, which can add a "Don't ask me again" / "Don't tell me again"
// check box and a Help button to the usual buttons. The layout and the
// template are plain code (tested without a window); MessageBoxEx runs them.
#pragma once

#include "afx/String.h"

#include <vector>

// <windows.h> maps this name to the system's language-aware box; the
// program's own box takes the name, and the system's is never used here.
#undef MessageBoxEx

// Style bits of the program's own, beside the standard MB_ ones.
#define MB_DONT_ASK_AGAIN   0x01000000
#define MB_DONT_TELL_AGAIN  0x02000000

// Ids of the box's own controls.
const UINT IDC_MSGBOX_ICON = 1000;
const UINT IDC_MSGBOX_TEXT = 1001;
const UINT IDC_MSGBOX_DONT_AGAIN = 5555;
const UINT IDC_MSGBOX_HELP = 300;

// An in-memory dialog template of up to 20 controls: push buttons (kind 128),
// statics (130) and check boxes (131, written with the button class).
class CDialogTemplate1
{
public:
    enum { KindButton = 128, KindStatic = 130, KindCheckBox = 131 };
    static const int MaxControls = 20;
    static const int MaxText = 1023;

    struct Control
    {
        DWORD style;
        short x, y, cx, cy;   // dialog units
        WORD id;
        int kind;
        CString text;         // at most 1023 characters
    };

    CDialogTemplate1(DWORD style, short cx, short cy) : m_style(style), m_cx(cx), m_cy(cy) {}

    // FALSE when the template already holds MaxControls controls.
    BOOL AddControl(int kind, DWORD style, short x, short y, short cx, short cy, WORD id, LPCTSTR text);
    int GetCount() const { return static_cast<int>(m_controls.size()); }
    const Control& GetControl(int index) const { return m_controls[index]; }

    // The template as the system reads it: header, no menu, default class,
    // UTF-16 caption, then each control aligned to 4 bytes with its class
    // atom, UTF-16 text and no creation data. Texts convert from the ANSI code page.
    std::vector<BYTE> Build(LPCTSTR caption) const;

private:
    DWORD m_style;
    short m_cx, m_cy;
    std::vector<Control> m_controls;
};

// Everything the layout needs to know about the environment, in pixels.
struct MessageBoxExMetrics
{
    SIZE text;          // the message measured word-wrapped in a box half the screen wide + 50
    SIZE icon;          // the system icon size
    int baseUnitX;      // dialog base units
    int baseUnitY;
};

// The box laid out: the template plus what the dialog procedure needs.
struct MessageBoxExLayout
{
    CDialogTemplate1 dialog{ 0, 0, 0 };
    int focusId = 1;
    BOOL hasCancel = FALSE;
    BOOL askMode = FALSE;
    BOOL tellMode = FALSE;
    int iconNibble = 0;           // 0 when the box shows no icon
    RECT textPixels = {};         // for tests: the rectangles before conversion
    RECT dialogPixels = {};
};

MessageBoxExLayout LayoutMessageBoxEx(LPCTSTR text, UINT style, const MessageBoxExMetrics& metrics);

// Shows the box modally and returns the id of the button pressed, plus
// MB_DONT_ASK_AGAIN or MB_DONT_TELL_AGAIN when the box's check box was ticked.
// One box at a time (its state is process-wide).
int MessageBoxEx(HWND owner, LPCTSTR text, LPCTSTR caption, UINT style, UINT helpContextId);
