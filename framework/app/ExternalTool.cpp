#include "framework/app/ExternalTool.h"

#include "afx/Menu.h"
#include "afx/StdioFile.h"

#include <shellapi.h>
#include <stdlib.h>

namespace {
// Text put after the title, before the hot-key text, in a menu item.
const char HotKeySeparator[] = "\t        ";

// A field is one line of the file: a line break inside it would shift every
// later field of the list, so it is dropped.
CString OneLine(const CString& text)
{
    CString line(text);
    line.Remove('\r');
    line.Remove('\n');
    return line;
}

void ReadField(CStdioFile& file, CString& field)
{
    if (!file.ReadString(field))
        field.Empty();
}
}

BOOL LoadExternalTools(CExternalToolArray& tools, LPCTSTR path)
{
    CStdioFile file;
    if (!file.Open(path, CFile::modeRead | CFile::shareDenyWrite | CFile::typeText))
        return FALSE;

    CString line;
    file.ReadString(line);   // the version line; every version so far reads alike
    while (file.ReadString(line)) {
        CExternalTool* tool = new CExternalTool;
        tool->m_strTitle = line;
        ReadField(file, tool->m_strCommand);
        ReadField(file, tool->m_strArguments);
        ReadField(file, tool->m_strHotKeyText);
        CString keys;
        ReadField(file, keys);
        // "key modifiers"; without a blank the whole line is taken as the
        // modifiers, as files written by earlier versions expect.
        int blank = keys.Find(' ');
        if (blank >= 0) {
            tool->m_wHotKey = static_cast<WORD>(atoi(keys.Left(blank)));
            tool->m_wModifiers = static_cast<WORD>(atoi(keys.Mid(blank)));
        } else {
            tool->m_wModifiers = static_cast<WORD>(atoi(keys));
        }
        tools.Add(tool);
    }
    file.Close();
    return TRUE;
}

BOOL SaveExternalTools(const CExternalToolArray& tools, LPCTSTR path)
{
    CStdioFile file;
    if (!file.Open(path, CFile::modeCreate | CFile::modeWrite | CFile::shareExclusive | CFile::typeText))
        return FALSE;
    try {
        file.WriteString(EXTERNAL_TOOLS_VERSION);
        file.WriteString("\n");
        for (INT_PTR i = 0; i < tools.GetSize(); ++i) {
            const CExternalTool* tool = tools[i];
            CString record;
            record.Format("%s\n%s\n%s\n%s\n%d %d\n", (LPCTSTR)OneLine(tool->m_strTitle),
                          (LPCTSTR)OneLine(tool->m_strCommand), (LPCTSTR)OneLine(tool->m_strArguments),
                          (LPCTSTR)OneLine(tool->m_strHotKeyText), tool->m_wHotKey, tool->m_wModifiers);
            file.WriteString(record);
        }
        file.Close();
    } catch (CException* e) {
        e->Delete();
        file.Abort();
        return FALSE;
    }
    return TRUE;
}

void FreeExternalTools(CExternalToolArray& tools)
{
    for (INT_PTR i = 0; i < tools.GetSize(); ++i)
        delete tools[i];
    tools.RemoveAll();
}

void UpdateExternalToolsMenu(CMenu* menu, const CExternalToolArray& tools)
{
    if (!menu || !menu->GetSafeHmenu())
        return;
    while (menu->GetMenuItemCount() > 1) {
        if (!menu->DeleteMenu(1, MF_BYPOSITION))
            break;
    }
    if (tools.GetSize() > 0)
        menu->InsertMenu(1, MF_BYPOSITION | MF_SEPARATOR);
    INT_PTR count = std::min<INT_PTR>(tools.GetSize(), EXTERNAL_TOOL_MENU_MAX);
    for (INT_PTR i = 0; i < count; ++i) {
        const CExternalTool* tool = tools[i];
        CString text = tool->m_strTitle;
        if (!tool->m_strHotKeyText.IsEmpty()) {
            text += HotKeySeparator;
            text += tool->m_strHotKeyText;
        }
        menu->InsertMenu(static_cast<UINT>(i + 2), MF_BYPOSITION | MF_STRING,
                         ID_EXTERNAL_TOOL_FIRST + static_cast<UINT>(i), text);
    }
}

WORD GetHotKeyModifierState()
{
    WORD modifiers = 0;
    if (GetKeyState(VK_SHIFT) & 0x8000)
        modifiers |= TOOL_MOD_SHIFT;
    if (GetKeyState(VK_CONTROL) & 0x8000)
        modifiers |= TOOL_MOD_CONTROL;
    if (GetKeyState(VK_MENU) & 0x8000)
        modifiers |= TOOL_MOD_ALT;
    return modifiers;
}

int FindExternalToolByHotKey(const CExternalToolArray& tools, UINT message, WPARAM key, WORD modifiers)
{
    // With Alt held the system sends WM_SYSKEYDOWN, not WM_KEYDOWN.
    if (message != WM_KEYDOWN && message != WM_SYSKEYDOWN)
        return -1;
    for (INT_PTR i = 0; i < tools.GetSize(); ++i) {
        const CExternalTool* tool = tools[i];
        // A tool without a key must not take every key pressed; and a flag
        // that is not held must not match a tool that asks for it.
        if (tool->m_wHotKey != 0 && tool->m_wHotKey == key &&
            (tool->m_wModifiers & (TOOL_MOD_SHIFT | TOOL_MOD_CONTROL | TOOL_MOD_ALT)) == modifiers)
            return static_cast<int>(i);
    }
    return -1;
}

BOOL ExecuteExternalTool(const CExternalTool& tool)
{
    HINSTANCE result = ShellExecuteA(nullptr, "", tool.m_strCommand, tool.m_strArguments, "", SW_SHOW);
    return reinterpret_cast<INT_PTR>(result) > 32;
}

BOOL RunExternalTool(const CExternalToolArray& tools, INT_PTR index, const ExternalToolWarning& warn)
{
    if (index < 0 || index >= tools.GetSize())
        return FALSE;
    if (ExecuteExternalTool(*tools[index]))
        return TRUE;
    if (warn)
        warn(EXTERNAL_TOOL_FAILED_TEXT, EXTERNAL_TOOL_FAILED_CAPTION);
    return FALSE;
}
