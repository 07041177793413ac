#include "tests/toolkit/support/HostProcess.h"

#include <sstream>
#include <vector>

namespace {
const DWORD StartTimeoutMs = 15000;

struct WindowSearch
{
    DWORD processId;
    const std::function<bool(HWND)>* test;
    HWND found;
};

BOOL CALLBACK FindProcessWindow(HWND hWnd, LPARAM lParam)
{
    WindowSearch* find = reinterpret_cast<WindowSearch*>(lParam);
    DWORD pid = 0;
    ::GetWindowThreadProcessId(hWnd, &pid);
    if (pid == find->processId && ::IsWindowVisible(hWnd) && (*find->test)(hWnd)) {
        find->found = hWnd;
        return FALSE;
    }
    return TRUE;
}

struct ChildSearch
{
    int id;
    HWND found;
};

BOOL CALLBACK FindChildById(HWND hWnd, LPARAM lParam)
{
    ChildSearch* find = reinterpret_cast<ChildSearch*>(lParam);
    if (::GetDlgCtrlID(hWnd) != find->id)
        return TRUE;
    find->found = hWnd;
    return FALSE;
}
} // namespace

std::string HostProgramPath()
{
    char path[MAX_PATH] = "";
    ::GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder(path);
    folder.erase(folder.find_last_of("\\/") + 1);
    return folder + "toolkit_host.exe";
}

CHostProcess::~CHostProcess()
{
    if (m_process.hProcess) {
        if (::WaitForSingleObject(m_process.hProcess, 0) == WAIT_TIMEOUT) {
            Close();
        }
        if (m_process.hProcess) {
            ::TerminateProcess(m_process.hProcess, 1);
            ::CloseHandle(m_process.hProcess);
            ::CloseHandle(m_process.hThread);
        }
    }
}

bool CHostProcess::Start(const char* scene)
{
    std::string command = "\"" + HostProgramPath() + "\" " + scene;
    std::vector<char> line(command.begin(), command.end());
    line.push_back('\0');
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    if (!::CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &m_process))
        return false;
    ::WaitForInputIdle(m_process.hProcess, StartTimeoutMs);
    DWORD end = ::GetTickCount() + StartTimeoutMs;
    while (!m_hMain && static_cast<LONG>(end - ::GetTickCount()) > 0) {
        m_hMain = FindWindowOf([](HWND hWnd) {
            char caption[128] = "";
            ::GetWindowTextA(hWnd, caption, sizeof caption);
            return std::string(caption).rfind("Toolkit Host - ", 0) == 0;
        });
        if (!m_hMain)
            PumpFor(50);
    }
    return m_hMain != nullptr;
}

HWND CHostProcess::FindWindowOf(const std::function<bool(HWND)>& test) const
{
    WindowSearch find = { m_process.dwProcessId, &test, nullptr };
    ::EnumWindows(&FindProcessWindow, reinterpret_cast<LPARAM>(&find));
    return find.found;
}

HWND CHostProcess::Control(UINT id) const
{
    if (HWND child = ::GetDlgItem(m_hMain, static_cast<int>(id)))
        return child;
    ChildSearch find = { static_cast<int>(id), nullptr };
    if (m_hMain)
        ::EnumChildWindows(m_hMain, &FindChildById, reinterpret_cast<LPARAM>(&find));
    return find.found;
}

std::map<std::string, std::string> CHostProcess::State() const
{
    std::map<std::string, std::string> state;
    HWND box = Control(100);
    if (!box)
        return state;
    std::vector<char> text(16384);
    DWORD_PTR length = 0;
    ::SendMessageTimeoutA(box, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()), SMTO_NORMAL, 5000, &length);
    std::istringstream lines(std::string(text.data()));
    std::string line;
    while (std::getline(lines, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        size_t equals = line.find('=');
        if (equals != std::string::npos)
            state[line.substr(0, equals)] = line.substr(equals + 1);
    }
    return state;
}

std::string CHostProcess::Value(const std::string& key) const
{
    auto state = State();
    auto found = state.find(key);
    return found == state.end() ? "<missing>" : found->second;
}

bool CHostProcess::WaitFor(const std::string& key, const std::string& value, DWORD timeoutMs) const
{
    DWORD end = ::GetTickCount() + timeoutMs;
    do {
        if (Value(key) == value)
            return true;
        PumpFor(25);
    } while (static_cast<LONG>(end - ::GetTickCount()) > 0);
    return Value(key) == value;
}

void CHostProcess::Command(UINT id) const
{
    ::PostMessageA(m_hMain, WM_COMMAND, id, 0);
}

DWORD CHostProcess::Close()
{
    if (!m_process.hProcess)
        return static_cast<DWORD>(-1);
    if (m_hMain && ::IsWindow(m_hMain))
        ::PostMessageA(m_hMain, WM_CLOSE, 0, 0);
    DWORD code = static_cast<DWORD>(-1);
    if (::WaitForSingleObject(m_process.hProcess, 10000) != WAIT_OBJECT_0)
        ::TerminateProcess(m_process.hProcess, 1);
    ::WaitForSingleObject(m_process.hProcess, 5000);
    ::GetExitCodeProcess(m_process.hProcess, &code);
    ::CloseHandle(m_process.hProcess);
    ::CloseHandle(m_process.hThread);
    m_process = {};
    m_hMain = nullptr;
    return code;
}

DWORD RunHostCapturingOutput(const std::string& arguments, std::string& output)
{
    SECURITY_ATTRIBUTES inherit = { sizeof inherit, nullptr, TRUE };
    HANDLE readEnd = nullptr;
    HANDLE writeEnd = nullptr;
    if (!::CreatePipe(&readEnd, &writeEnd, &inherit, 0))
        return static_cast<DWORD>(-1);
    ::SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);
    std::string command = "\"" + HostProgramPath() + "\"" + (arguments.empty() ? "" : " " + arguments);
    std::vector<char> line(command.begin(), command.end());
    line.push_back('\0');
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = writeEnd;
    startup.hStdError = writeEnd;
    startup.hStdInput = ::GetStdHandle(STD_INPUT_HANDLE);
    PROCESS_INFORMATION process = {};
    BOOL started = ::CreateProcessA(nullptr, line.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup, &process);
    ::CloseHandle(writeEnd);
    DWORD code = static_cast<DWORD>(-1);
    if (started) {
        char buffer[512];
        DWORD got = 0;
        while (::ReadFile(readEnd, buffer, sizeof buffer, &got, nullptr) && got > 0)
            output.append(buffer, got);
        ::WaitForSingleObject(process.hProcess, 10000);
        ::GetExitCodeProcess(process.hProcess, &code);
        ::CloseHandle(process.hProcess);
        ::CloseHandle(process.hThread);
    }
    ::CloseHandle(readEnd);
    return code;
}
