// A scene of the toolkit host: the toolkit components it places in the host's
// main window, the commands of its "Scene" menu, and the "key=value" lines it
// adds to the state box. Each scene registers itself by name.
#pragma once

#include "afx/String.h"
#include "afx/Wnd.h"

#include <functional>
#include <memory>
#include <vector>

// The state box's lines: keys lower-case ASCII, values one line each.
class CHostState
{
public:
    void Add(const char* key, const CString& value);
    void AddInt(const char* key, long long value);
    void AddFlag(const char* key, BOOL value) { AddInt(key, value ? 1 : 0); }
    // "RRGGBB", "none" for 0xFFFFFFFF, "default" for 0xFF000000.
    void AddColor(const char* key, COLORREF color);
    // "l,t,r,b".
    void AddRect(const char* key, const RECT& rect);
    // The lines joined by CRLF.
    CString Text() const;

private:
    std::vector<CString> m_lines;
};

// Texts for state values and "last" lines: a decimal number, "0x" and hex.
CString HostNumber(unsigned long long value);
CString HostHex(unsigned int value);

class CHostScene
{
public:
    virtual ~CHostScene() = default;
    // Creates the scene's controls as direct children of the host window.
    virtual BOOL Create(CWnd* pHost) = 0;
    // The "Scene" menu: (command id, text) pairs.
    virtual std::vector<std::pair<UINT, CString>> Commands() const = 0;
    // WM_COMMAND, WM_NOTIFY and the toolkit's private and registered messages
    // reach the scene before the host; TRUE when the scene took the message.
    virtual BOOL OnHostMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) = 0;
    // The scene's state lines in fixed order, without "scene=" and "rect." lines.
    virtual void AppendState(CHostState& state) = 0;
    // The ids of the controls whose screen rectangles the state box lists.
    virtual std::vector<UINT> NamedControls() const = 0;
    // The window of a named control: by default the host's descendant of that id.
    virtual HWND ControlWindow(CWnd* pHost, UINT id) const
    {
        // Controls may sit inside a scene's own containers.
        CWnd* control = pHost->GetDescendantWindow(static_cast<int>(id));
        return control ? control->m_hWnd : nullptr;
    }
    // The host is closing, its windows still all there.
    virtual void OnHostClose() {}
};

typedef std::function<std::unique_ptr<CHostScene>()> HostSceneFactory;
// A scene whose main window is of its own kind (an MDI frame) makes it
// itself: shown, captioned "Toolkit Host - <name>", with the state box (id
// 100) as a direct child; nullptr when it failed.
typedef std::function<CWnd*(const CString& name)> HostMainFactory;

struct HostSceneEntry
{
    const char* name;
    HostSceneFactory make;
    HostMainFactory makeMain = nullptr;
};

// The scenes in menu order.
const std::vector<HostSceneEntry>& HostScenes();
