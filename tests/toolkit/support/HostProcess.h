// Starts the toolkit host with one scene as a child process and talks to it
// the way a user's tools would: menu commands posted to its main window, the
// state box read with WM_GETTEXT, the exit code at the end.
#pragma once

#include <windows.h>

#include "tests/toolkit/support/ToolkitTestSupport.h"

#include <functional>
#include <map>
#include <string>

class CHostProcess
{
public:
    CHostProcess() = default;
    ~CHostProcess();
    CHostProcess(const CHostProcess&) = delete;
    CHostProcess& operator=(const CHostProcess&) = delete;

    // Starts "toolkit_host.exe <scene>" and waits for its main window.
    bool Start(const char* scene);
    HWND MainWindow() const { return m_hMain; }
    // A visible top-level window of the host that passes the test; NULL for none.
    HWND FindWindowOf(const std::function<bool(HWND)>& test) const;
    // The main window's descendant of that id (the state box lies in a bar).
    HWND Control(UINT id) const;
    // The state box as key -> value.
    std::map<std::string, std::string> State() const;
    std::string Value(const std::string& key) const;
    // Waits until the key has the value (the box is rewritten within 250 ms).
    bool WaitFor(const std::string& key, const std::string& value, DWORD timeoutMs = 3000) const;
    void Command(UINT id) const;
    // Closes the main window; the process's exit code.
    DWORD Close();

private:
    PROCESS_INFORMATION m_process = {};
    HWND m_hMain = nullptr;
};

// The host's path beside this test program.
std::string HostProgramPath();
// Runs the host with the given command-line tail; its standard output and exit code.
DWORD RunHostCapturingOutput(const std::string& arguments, std::string& output);
