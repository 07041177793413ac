// The real program, run as a user meets it: a copy of lexifern.exe in a folder
// of its own, a first start with an empty profile, the stand-in suggestion
// service on a free local port. It is driven from outside only, by window
// messages as a user's typing and clicks arrive, and judged by what it leaves
// behind: "Basket.txt", the exported file, the clipboard, the profile written
// at exit and the process's exit code.
#include "resources/resource.h"
#include "tests/support/HttpTestServer.h"
#include "tests/support/standin/SuggestStandinAnswer.h"

#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <fstream>
#include <functional>
#include <iterator>
#include <memory>
#include <string>
#include <string.h>
#include <vector>

namespace {

const char ProfileKey[] = "Software\\Tarnwick\\Lexifern";
const UINT PaneId = 0xE900;          // the frame's view
const DWORD StartLimitMs = 30000;    // the splash alone stays two seconds
const DWORD StepLimitMs = 15000;

// Polls the condition until it holds or the time is up.
bool WaitFor(const std::function<bool()>& done, DWORD limitMs)
{
    const DWORD start = GetTickCount();
    while (!done()) {
        if (GetTickCount() - start > limitMs)
            return false;
        Sleep(20);
    }
    return true;
}

std::string ReadFileBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

bool FileExists(const std::string& path)
{
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

// The build tree names the program by its Unix path; Wine shows the root as Z:.
std::string WindowsPath(std::string path)
{
    if (!path.empty() && path[0] == '/')
        path = "Z:" + path;
    for (char& c : path)
        if (c == '/')
            c = '\\';
    return path;
}

void RemoveTree(const std::string& folder)
{
    WIN32_FIND_DATAA found;
    HANDLE find = FindFirstFileA((folder + "*").c_str(), &found);
    if (find != INVALID_HANDLE_VALUE) {
        do {
            const std::string name = found.cFileName;
            if (name == "." || name == "..")
                continue;
            if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                RemoveTree(folder + name + "\\");
            else
                DeleteFileA((folder + name).c_str());
        } while (FindNextFileA(find, &found));
        FindClose(find);
    }
    RemoveDirectoryA(folder.c_str());
}

bool ReadProfileInt(const char* section, const char* key, DWORD& value)
{
    DWORD size = sizeof value;
    const std::string path = std::string(ProfileKey) + "\\" + section;
    return RegGetValueA(HKEY_CURRENT_USER, path.c_str(), key, RRF_RT_REG_DWORD, nullptr, &value, &size) ==
           ERROR_SUCCESS;
}

std::string ReadProfileString(const char* section, const char* key)
{
    char text[MAX_PATH * 2] = {};
    DWORD size = sizeof text;
    const std::string path = std::string(ProfileKey) + "\\" + section;
    if (RegGetValueA(HKEY_CURRENT_USER, path.c_str(), key, RRF_RT_REG_SZ, nullptr, text, &size) != ERROR_SUCCESS)
        return std::string();
    return text;
}

void WriteProfileValue(const char* section, const char* key, DWORD type, const void* data, DWORD size)
{
    const std::string path = std::string(ProfileKey) + "\\" + section;
    HKEY hKey = nullptr;
    ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyA(HKEY_CURRENT_USER, path.c_str(), &hKey));
    RegSetValueExA(hKey, key, 0, type, static_cast<const BYTE*>(data), size);
    RegCloseKey(hKey);
}

std::string ClipboardText()
{
    std::string text;
    if (!OpenClipboard(nullptr))
        return text;
    if (HANDLE data = GetClipboardData(CF_TEXT)) {
        if (const char* chars = static_cast<const char*>(GlobalLock(data))) {
            text = chars;
            GlobalUnlock(data);
        }
    }
    CloseClipboard();
    return text;
}

void EmptyTheClipboard()
{
    if (OpenClipboard(nullptr)) {
        EmptyClipboard();
        CloseClipboard();
    }
}

// A message to the program's window that a hung program cannot turn into a
// hung test.
LRESULT Ask(HWND hWnd, UINT message, WPARAM wParam = 0, LPARAM lParam = 0)
{
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutA(hWnd, message, wParam, lParam, SMTO_ABORTIFHUNG, 5000, &result))
        ADD_FAILURE() << "the program did not answer message 0x" << std::hex << message;
    return static_cast<LRESULT>(result);
}

std::string WindowText(HWND hWnd)
{
    const LRESULT length = Ask(hWnd, WM_GETTEXTLENGTH);
    std::string text(static_cast<size_t>(length) + 1, '\0');
    Ask(hWnd, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(&text[0]));
    text.resize(strlen(text.c_str()));
    return text;
}

// Memory inside the program, for the list-view messages that carry pointers.
class RemoteBuffer
{
public:
    RemoteBuffer(HANDLE process, SIZE_T size)
        : m_process(process), m_at(VirtualAllocEx(process, nullptr, size, MEM_COMMIT, PAGE_READWRITE))
    {
    }
    ~RemoteBuffer()
    {
        if (m_at)
            VirtualFreeEx(m_process, m_at, 0, MEM_RELEASE);
    }
    RemoteBuffer(const RemoteBuffer&) = delete;
    RemoteBuffer& operator=(const RemoteBuffer&) = delete;

    LPARAM At(SIZE_T offset = 0) const { return reinterpret_cast<LPARAM>(static_cast<char*>(m_at) + offset); }
    void Write(const void* data, SIZE_T size, SIZE_T offset = 0)
    {
        WriteProcessMemory(m_process, static_cast<char*>(m_at) + offset, data, size, nullptr);
    }
    void Read(void* data, SIZE_T size, SIZE_T offset = 0) const
    {
        ReadProcessMemory(m_process, static_cast<char*>(m_at) + offset, data, size, nullptr);
    }

private:
    HANDLE m_process;
    void* m_at;
};

// One run of the program from its own folder, ended by force when a test
// fails before the program could end by itself.
class ProgramRun
{
public:
    ~ProgramRun()
    {
        if (m_process.hProcess) {
            if (WaitForSingleObject(m_process.hProcess, 0) == WAIT_TIMEOUT) {
                TerminateProcess(m_process.hProcess, 1);
                WaitForSingleObject(m_process.hProcess, 5000);
            }
            CloseHandle(m_process.hThread);
            CloseHandle(m_process.hProcess);
        }
    }

    bool Start(const std::string& folder)
    {
        std::string command = "\"" + folder + "lexifern.exe\"";
        STARTUPINFOA startup = {};
        startup.cb = sizeof startup;
        return CreateProcessA(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(), &startup,
                              &m_process) != FALSE;
    }

    HANDLE Process() const { return m_process.hProcess; }

    // The visible top-level windows of the program that match.
    std::vector<HWND> Windows(const std::function<bool(HWND)>& match) const
    {
        struct Search
        {
            DWORD pid;
            const std::function<bool(HWND)>* match;
            std::vector<HWND> found;
        } search{ m_process.dwProcessId, &match, {} };
        EnumWindows(
            [](HWND hWnd, LPARAM param) -> BOOL {
                Search& s = *reinterpret_cast<Search*>(param);
                DWORD pid = 0;
                GetWindowThreadProcessId(hWnd, &pid);
                if (pid == s.pid && IsWindowVisible(hWnd) && (*s.match)(hWnd))
                    s.found.push_back(hWnd);
                return TRUE;
            },
            reinterpret_cast<LPARAM>(&search));
        return search.found;
    }

    // A dialog of the system's dialog class owned by the window.
    HWND FindDialogOwnedBy(HWND owner) const
    {
        std::vector<HWND> found = Windows([owner](HWND hWnd) {
            char name[16] = {};
            GetClassNameA(hWnd, name, sizeof name);
            return strcmp(name, "#32770") == 0 && GetWindow(hWnd, GW_OWNER) == owner;
        });
        return found.empty() ? nullptr : found.front();
    }

    // Waits for the main frame: the window whose view holds the Go button.
    HWND WaitForMainFrame() const
    {
        HWND frame = nullptr;
        WaitFor(
            [&] {
                std::vector<HWND> found = Windows([](HWND hWnd) {
                    HWND pane = GetDlgItem(hWnd, PaneId);
                    return pane && GetDlgItem(pane, IDC_GO);
                });
                frame = found.empty() ? nullptr : found.front();
                return frame != nullptr;
            },
            StartLimitMs);
        return frame;
    }

    // Waits for the end of the process; its exit code, or -1 while it runs on.
    long WaitForExit(DWORD limitMs) const
    {
        if (WaitForSingleObject(m_process.hProcess, limitMs) != WAIT_OBJECT_0)
            return -1;
        DWORD code = 0;
        GetExitCodeProcess(m_process.hProcess, &code);
        return static_cast<long>(code);
    }

private:
    PROCESS_INFORMATION m_process = {};
};

// The suggestion list of the view, read and clicked from outside.
class SuggestionList
{
public:
    SuggestionList(HWND list, HANDLE process) : m_list(list), m_process(process) {}

    int Count() const { return static_cast<int>(Ask(m_list, LVM_GETITEMCOUNT)); }

    std::string Text(int item) const
    {
        const SIZE_T textAt = sizeof(LVITEMA);
        RemoteBuffer remote(m_process, textAt + 256);
        LVITEMA lvItem = {};
        lvItem.iSubItem = 0;
        lvItem.pszText = reinterpret_cast<LPSTR>(remote.At(textAt));
        lvItem.cchTextMax = 256;
        remote.Write(&lvItem, sizeof lvItem);
        Ask(m_list, LVM_GETITEMTEXTA, static_cast<WPARAM>(item), remote.At());
        char text[256] = {};
        remote.Read(text, sizeof text - 1, textAt);
        return text;
    }

    bool IsChecked(int item) const
    {
        const LRESULT state = Ask(m_list, LVM_GETITEMSTATE, static_cast<WPARAM>(item), LVIS_STATEIMAGEMASK);
        return (state & LVIS_STATEIMAGEMASK) == INDEXTOSTATEIMAGEMASK(2);
    }

    // A click of the left button on the row's check box.
    bool ClickCheckBox(int item) const
    {
        RemoteBuffer remote(m_process, sizeof(LVHITTESTINFO) + sizeof(RECT));
        RECT bounds = { LVIR_BOUNDS, 0, 0, 0 };
        remote.Write(&bounds, sizeof bounds);
        if (!Ask(m_list, LVM_GETITEMRECT, static_cast<WPARAM>(item), remote.At()))
            return false;
        remote.Read(&bounds, sizeof bounds);
        const int y = (bounds.top + bounds.bottom) / 2;
        for (int x = bounds.left; x < bounds.left + 40; ++x) {
            LVHITTESTINFO hit = {};
            hit.pt = { x, y };
            remote.Write(&hit, sizeof hit);
            Ask(m_list, LVM_HITTEST, 0, remote.At());
            remote.Read(&hit, sizeof hit);
            if (hit.iItem == item && (hit.flags & LVHT_ONITEMSTATEICON)) {
                PostMessageA(m_list, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
                PostMessageA(m_list, WM_LBUTTONUP, 0, MAKELPARAM(x, y));
                return true;
            }
        }
        return false;
    }

private:
    HWND m_list;
    HANDLE m_process;
};

class ProgramRoadTest : public testing::Test
{
protected:
    void SetUp() override
    {
        // The stand-in service, on a port of its own for this run.
        server.SetHandler(&SuggestStandinAnswer);
        ASSERT_TRUE(server.Start());

        // A first start: no profile but the service's address.
        RegDeleteTreeA(HKEY_CURRENT_USER, ProfileKey);
        const std::string host = "127.0.0.1:" + std::to_string(server.Port());
        WriteProfileValue("Settings", "Suggestion Host", REG_SZ, host.c_str(), static_cast<DWORD>(host.size() + 1));

        // A copy of the program in a folder of its own: "Basket.txt" and the
        // other files beside it are this test's.
        char temp[MAX_PATH] = {};
        GetTempPathA(MAX_PATH, temp);
        folder = std::string(temp) + "lexifern-road-" + std::to_string(GetCurrentProcessId()) + "\\";
        RemoveTree(folder);
        ASSERT_TRUE(CreateDirectoryA(folder.c_str(), nullptr));
        ASSERT_TRUE(CopyFileA(WindowsPath(LEXIFERN_PROGRAM).c_str(), (folder + "lexifern.exe").c_str(), FALSE))
            << WindowsPath(LEXIFERN_PROGRAM);
    }

    void TearDown() override
    {
        run.reset();
        RemoveTree(folder);
        RegDeleteTreeA(HKEY_CURRENT_USER, ProfileKey);
        server.Stop();
    }

    // Starts the program and waits for its main frame and the tip of the day
    // that greets a first start.
    void StartProgram()
    {
        run.reset(new ProgramRun);
        ASSERT_TRUE(run->Start(folder));
        frame = run->WaitForMainFrame();
        ASSERT_NE(nullptr, frame) << "no main frame within the time";
        ASSERT_TRUE(WaitFor([&] { return (tip = run->FindDialogOwnedBy(frame)) != nullptr; }, StepLimitMs))
            << "no tip of the day";
        view = GetDlgItem(frame, PaneId);
    }

    // The tip's Close button, as a user presses it: the frame is usable again.
    void CloseTheTip()
    {
        PostMessageA(GetDlgItem(tip, IDCANCEL), BM_CLICK, 0, 0);
        ASSERT_TRUE(WaitFor([&] { return IsWindowEnabled(frame) != FALSE; }, StepLimitMs));
    }

    // The profile values the application writes at exit, from a first start.
    void ExpectSettingsWrittenAtExit()
    {
        DWORD value = 99;
        EXPECT_TRUE(ReadProfileInt("CBasedApp", "m_bEnableLog", value));
        EXPECT_EQ(1u, value);
        const char* const options[] = { "m_bMinimizeToTray", "m_bAutoSaveByMinimize", "m_bDontCloseAndMinimize",
                                        "m_bAutoSaveBySwitch", "m_bStartWithWindows" };
        for (const char* option : options) {
            value = 99;
            EXPECT_TRUE(ReadProfileInt("Settings", option, value)) << option;
            EXPECT_EQ(strcmp(option, "m_bMinimizeToTray") == 0 ? 1u : 0u, value) << option;
        }
        EXPECT_TRUE(FileExists(folder + "ExternalTools.ini"));
    }

    HttpTestServer server;
    std::string folder;
    std::unique_ptr<ProgramRun> run;
    HWND frame = nullptr;
    HWND tip = nullptr;
    HWND view = nullptr;
};

} // namespace

TEST_F(ProgramRoadTest, KeywordToBasketExportCopyAndCloseEndTheProgramWithItsSettingsWritten)
{
    StartProgram();
    ASSERT_FALSE(HasFatalFailure());
    EXPECT_FALSE(IsWindowEnabled(frame));   // the tip is modal
    CloseTheTip();
    ASSERT_FALSE(HasFatalFailure());

    // Typing "app" into the keyword box, then Go.
    HWND keywordBox = GetDlgItem(view, IDC_KEYWORD);
    HWND keywordEdit = FindWindowExA(keywordBox, nullptr, "Edit", nullptr);
    ASSERT_NE(nullptr, keywordEdit);
    for (char c : std::string("app"))
        PostMessageA(keywordEdit, WM_CHAR, static_cast<WPARAM>(c), 1);
    PostMessageA(GetDlgItem(view, IDC_GO), BM_CLICK, 0, 0);

    SuggestionList list(GetDlgItem(view, IDC_SUGGESTIONS), run->Process());
    HWND progress = GetDlgItem(view, IDC_PROGRESS);
    ASSERT_TRUE(WaitFor([&] { return list.Count() == 4 && Ask(progress, PBM_GETPOS) == 100; }, StepLimitMs))
        << list.Count() << " rows";
    EXPECT_EQ("app", WindowText(keywordBox));
    ASSERT_GE(server.RequestCount(), 1u);
    for (const HttpTestServer::Request& request : server.Requests()) {
        EXPECT_EQ("/complete/search?hl=en&client=suggest&js=false&q=app&cp=3", request.target);
        EXPECT_EQ("Suggest", request.HeaderValue("User-Agent"));
    }
    EXPECT_EQ("apple", list.Text(0));
    EXPECT_EQ("apple pie recipe", list.Text(1));
    EXPECT_EQ("apple watch", list.Text(2));
    EXPECT_EQ("application form", list.Text(3));

    // Two rows checked, the later one first: the Basket keeps them sorted.
    const std::string basketPath = folder + "Basket.txt";
    HWND basketBox = GetDlgItem(view, IDC_BASKET);
    ASSERT_TRUE(list.ClickCheckBox(2));
    ASSERT_TRUE(WaitFor([&] { return ReadFileBytes(basketPath) == "apple watch"; }, StepLimitMs))
        << ReadFileBytes(basketPath);
    ASSERT_TRUE(list.ClickCheckBox(1));
    const std::string basket = "apple pie recipe\r\napple watch";
    ASSERT_TRUE(WaitFor([&] { return ReadFileBytes(basketPath) == basket; }, StepLimitMs))
        << ReadFileBytes(basketPath);
    EXPECT_EQ(basket, WindowText(basketBox));
    EXPECT_FALSE(list.IsChecked(0));
    EXPECT_TRUE(list.IsChecked(1));
    EXPECT_TRUE(list.IsChecked(2));
    EXPECT_FALSE(list.IsChecked(3));

    // Export to HTML, through the save dialog, as the menu command arrives.
    PostMessageA(frame, WM_COMMAND, MAKEWPARAM(ID_EXPORT_HTML, 0), 0);
    HWND save = nullptr;
    ASSERT_TRUE(WaitFor([&] { return (save = run->FindDialogOwnedBy(frame)) != nullptr; }, StepLimitMs))
        << "no save dialog";
    HWND name = GetDlgItem(save, 0x47C);   // the file name box, or in older dialogs its edit
    if (!name)
        name = GetDlgItem(save, 0x480);
    ASSERT_NE(nullptr, name);
    EXPECT_EQ("Keywords", WindowText(name));   // the first export's proposed name
    const std::string exportPath = folder + "export.html";
    Ask(name, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(exportPath.c_str()));
    PostMessageA(GetDlgItem(save, IDOK), BM_CLICK, 0, 0);
    const std::string html = "<table border='1'>\r\n<tr>Words</tr>\r\n"
                             "<tr><td align='left'>apple pie recipe</td></tr>\r\n"
                             "<tr><td align='left'>apple watch</td></tr>\r\n</table>";
    ASSERT_TRUE(WaitFor([&] { return ReadFileBytes(exportPath) == html; }, StepLimitMs))
        << ReadFileBytes(exportPath);
    // The progress dialog closes itself and gives the frame back.
    ASSERT_TRUE(WaitFor([&] { return IsWindowEnabled(frame) && !run->FindDialogOwnedBy(frame); }, StepLimitMs));
    EXPECT_EQ(exportPath, ReadProfileString("CMainFrame", "OnExportTohtmlfile"));

    // Copy as a comma-separated list.
    EmptyTheClipboard();
    PostMessageA(frame, WM_COMMAND, MAKEWPARAM(ID_COPY_CSV, 0), 0);
    const std::string csv = "\"apple pie recipe\";\r\n\"apple watch\";\r\n";
    // Watched without opening the clipboard, which the program needs to itself.
    ASSERT_TRUE(WaitFor([] { return IsClipboardFormatAvailable(CF_TEXT) != FALSE; }, StepLimitMs));
    ASSERT_TRUE(WaitFor([&] { return ClipboardText() == csv; }, StepLimitMs)) << ClipboardText();

    // The caption's close box ends the program, with its settings saved.
    PostMessageA(frame, WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_EQ(0, run->WaitForExit(StepLimitMs)) << "the program did not end by itself";
    ExpectSettingsWrittenAtExit();
    EXPECT_EQ(basket, ReadFileBytes(basketPath));
    EXPECT_EQ(html, ReadFileBytes(exportPath));
    EXPECT_EQ(csv, ClipboardText());
}

// The modal dialogs below are open and the frame disabled; the close comes
// from outside, as from the task bar at the end of a session.
TEST_F(ProgramRoadTest, ClosingWhileTheProgramsOwnModalDialogIsOpenStillEndsIt)
{
    StartProgram();
    ASSERT_FALSE(HasFatalFailure());
    ASSERT_FALSE(IsWindowEnabled(frame));   // the tip of the day
    PostMessageA(frame, WM_CLOSE, 0, 0);
    EXPECT_EQ(0, run->WaitForExit(StepLimitMs)) << "the program did not end by itself";
    ExpectSettingsWrittenAtExit();
}

TEST_F(ProgramRoadTest, ClosingWhileTheSystemsSaveDialogIsOpenStillEndsIt)
{
    StartProgram();
    ASSERT_FALSE(HasFatalFailure());
    CloseTheTip();
    ASSERT_FALSE(HasFatalFailure());
    PostMessageA(frame, WM_COMMAND, MAKEWPARAM(ID_EXPORT_HTML, 0), 0);
    ASSERT_TRUE(WaitFor([&] { return run->FindDialogOwnedBy(frame) != nullptr; }, StepLimitMs))
        << "no save dialog";
    ASSERT_FALSE(IsWindowEnabled(frame));
    PostMessageA(frame, WM_CLOSE, 0, 0);
    EXPECT_EQ(0, run->WaitForExit(StepLimitMs)) << "the program did not end by itself";
    ExpectSettingsWrittenAtExit();
}
