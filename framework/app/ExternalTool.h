// External tools: programs the user registers to start through the shell from
// the tools menu or by a hot key. The list is kept in "ExternalTools.ini" in
// the program folder; the application loads it at start-up and saves it at
// exit, and the main frame builds the menu items and matches the hot keys
// with the functions below.
#pragma once

#include "afx/Array.h"
#include "afx/ArrayTypes.h"
#include "afx/String.h"

#include <functional>

class CMenu;

// Hot-key modifier flags, as the hot-key control gives them.
const WORD TOOL_MOD_SHIFT = 0x01;
const WORD TOOL_MOD_CONTROL = 0x02;
const WORD TOOL_MOD_ALT = 0x04;

// The editor command sits first in the tools popup; tool i runs as command
// ID_EXTERNAL_TOOL_FIRST + i. The frame routes only up to ID_EXTERNAL_TOOL_LAST,
// so only the first EXTERNAL_TOOL_MENU_MAX tools get a menu item.
const UINT ID_EXTERNAL_TOOLS_EDIT = 32771;
const UINT ID_EXTERNAL_TOOL_FIRST = 32772;
const UINT ID_EXTERNAL_TOOL_LAST = 32872;
const int EXTERNAL_TOOL_MENU_MAX = ID_EXTERNAL_TOOL_LAST - ID_EXTERNAL_TOOL_FIRST + 1;

// The file's name in the program folder and its format version line.
const char EXTERNAL_TOOLS_FILE[] = "ExternalTools.ini";
const char EXTERNAL_TOOLS_VERSION[] = "1.1";

// What the user sees when the shell cannot start a tool.
const char EXTERNAL_TOOL_FAILED_TEXT[] = "Application is unable to execute!. Check its parameters.";
const char EXTERNAL_TOOL_FAILED_CAPTION[] = "Warning";

class CExternalTool
{
public:
    CExternalTool() : m_wHotKey(0), m_wModifiers(0) {}

    CString m_strTitle;       // menu text
    CString m_strCommand;     // file or program handed to the shell
    CString m_strArguments;   // parameters handed to the shell
    CString m_strHotKeyText;  // the hot key as shown in the menu
    WORD m_wHotKey;           // virtual-key code; 0 = no hot key
    WORD m_wModifiers;        // TOOL_MOD_* flags
};

typedef CTypedPtrArray<CPtrArray, CExternalTool*> CExternalToolArray;

// Appends the tools of the file to the array. FALSE when the file cannot be
// opened (the array is then unchanged). A read error of the file layer
// passes on to the caller as its exception; the tools read so far stay.
BOOL LoadExternalTools(CExternalToolArray& tools, LPCTSTR path);

// Writes the whole list, replacing the file. Line breaks inside a text are
// dropped, since each field is one line of the file. FALSE when the file
// could not be created or written.
BOOL SaveExternalTools(const CExternalToolArray& tools, LPCTSTR path);

// Deletes every tool and empties the array.
void FreeExternalTools(CExternalToolArray& tools);

// Rebuilds the tools popup below its first item (the editor command): a
// separator when there are tools, then one item per tool up to
// EXTERNAL_TOOL_MENU_MAX, the hot-key text after a tab and eight blanks.
void UpdateExternalToolsMenu(CMenu* menu, const CExternalToolArray& tools);

// The TOOL_MOD_* flags of the Shift, Ctrl and Alt keys held now.
WORD GetHotKeyModifierState();

// Index of the first tool whose hot key is this key-down (WM_KEYDOWN or
// WM_SYSKEYDOWN) with exactly these modifiers held; -1 when none. Tools
// without a key never match.
int FindExternalToolByHotKey(const CExternalToolArray& tools, UINT message, WPARAM key, WORD modifiers);

// Starts the tool's command with its arguments through the shell. FALSE when
// the shell cannot start it.
BOOL ExecuteExternalTool(const CExternalTool& tool);

// Runs tool `index` of the list; when the shell fails, `warn` is given the
// warning text and caption (the frame shows them in its warning box). An
// index outside the list starts nothing and returns FALSE.
typedef std::function<void(LPCTSTR text, LPCTSTR caption)> ExternalToolWarning;
BOOL RunExternalTool(const CExternalToolArray& tools, INT_PTR index, const ExternalToolWarning& warn);
