// toolkit_host.exe <scene>: shows one scene of toolkit components for the
// scene tests. With no or an unknown scene it lists the scene names on
// standard output, one a line, and ends with exit code 2 without a window.
#include "HostFrame.h"

#include "afx/WinApp.h"
#include "toolkit/bars/skins/OXSkinnedApp.h"

#include <cstdlib>
#include <cstring>

namespace {
const int ExitUnknownScene = 2;

void WriteOut(const CString& text)
{
    HANDLE out = ::GetStdHandle(STD_OUTPUT_HANDLE);
    DWORD written = 0;
    if (out && out != INVALID_HANDLE_VALUE)
        ::WriteFile(out, static_cast<LPCTSTR>(text), static_cast<DWORD>(text.GetLength()), &written, nullptr);
}
} // namespace

// A skinned application, so every scene can change its look.
class CToolkitHostApp : public COXSkinnedApp
{
public:
    CToolkitHostApp() : m_bUnknownScene(FALSE)
    {
        // The profile lies under the host's own name.
        free(const_cast<LPTSTR>(m_pszAppName));
        m_pszAppName = _strdup("ToolkitHost");
    }

    BOOL InitInstance() override
    {
        SetRegistryKey("Tarnwick");
        INITCOMMONCONTROLSEX controls = { sizeof controls, ICC_WIN95_CLASSES | ICC_ANIMATE_CLASS };
        ::InitCommonControlsEx(&controls);
        CString name(m_lpCmdLine);
        name.Trim();
        for (const HostSceneEntry& entry : HostScenes()) {
            if (name == entry.name && entry.makeMain) {
                m_pMainWnd = entry.makeMain(name);
                return m_pMainWnd != nullptr;
            }
            if (name == entry.name) {
                CHostFrame* frame = new CHostFrame(name, entry.make());
                m_pMainWnd = frame;
                if (!frame->CreateHost()) {
                    // A window that was made deletes its frame when destroyed.
                    m_pMainWnd = nullptr;
                    if (frame->m_hWnd)
                        frame->DestroyWindow();
                    else
                        delete frame;
                    return FALSE;
                }
                return TRUE;
            }
        }
        CString list;
        for (const HostSceneEntry& entry : HostScenes())
            list += CString(entry.name) + "\r\n";
        WriteOut(list);
        m_bUnknownScene = TRUE;
        return FALSE;
    }

    int ExitInstance() override
    {
        int code = COXSkinnedApp::ExitInstance();
        return m_bUnknownScene ? ExitUnknownScene : code;
    }

private:
    BOOL m_bUnknownScene;
};

CToolkitHostApp theApp;
