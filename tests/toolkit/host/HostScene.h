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
    // The window of a named control: by default the host's direct child of that id.
    virtual HWND ControlWindow(CWnd* pHost, UINT id) const
    {
        return ::GetDlgItem(pHost->m_hWnd, static_cast<int>(id));
    }
    // The host is closing, its windows still all there.
    virtual void OnHostClose() {}
};

typedef std::function<std::unique_ptr<CHostScene>()> HostSceneFactory;

struct HostSceneEntry
{
    const char* name;
    HostSceneFactory make;
};

// The scenes in menu order.
const std::vector<HostSceneEntry>& HostScenes();
