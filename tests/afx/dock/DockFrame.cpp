#include "tests/afx/dock/DockFrame.h"

BOOL CDockTestFrame::s_disableSecond = FALSE;

BEGIN_MESSAGE_MAP(CDockTestFrame, CFrameWnd)
    ON_MESSAGE(WM_SETMESSAGESTRING, &CDockTestFrame::OnPrompt)
    ON_COMMAND_RANGE(ID_DOCK_FIRST, ID_DOCK_LAST, &CDockTestFrame::OnCommandRange)
    ON_UPDATE_COMMAND_UI_RANGE(ID_DOCK_FIRST, ID_DOCK_LAST, &CDockTestFrame::OnUpdateCommand)
END_MESSAGE_MAP()

namespace {

class CDockTestApp : public CWinApp
{
public:
    CDockTestApp() : CWinApp("Dock Test") {}
};

CDockTestApp theApp;

// The tests' own profile, emptied before and after each.
const char kRegistryKey[] = "Lexifern Dock Test";
const char kProfileKey[] = "Software\\Lexifern Dock Test";

} // namespace

void DockTest::SetUp()
{
    AfxWinInit(::GetModuleHandleA(nullptr), nullptr, const_cast<LPTSTR>(""), SW_SHOWNORMAL);
    if (!theApp.m_pszRegistryKey)
        theApp.SetRegistryKey(kRegistryKey);
    ::RegDeleteTreeA(HKEY_CURRENT_USER, kProfileKey);
    CDockTestFrame::s_disableSecond = FALSE;
    m_frame = new CDockTestFrame;
    ASSERT_TRUE(m_frame->Create(nullptr, "Docking", WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(60, 60, 660, 460)));
    theApp.m_pMainWnd = m_frame;
    ASSERT_TRUE(m_view.Create("STATIC", "", WS_CHILD | WS_VISIBLE, CRect(0, 0, 10, 10), m_frame, AFX_IDW_PANE_FIRST));
    m_frame->EnableDocking(CBRS_ALIGN_ANY);
    MakeBar(m_one, IDW_BAR_ONE, ID_DOCK_FIRST);
    ::SetForegroundWindow(m_frame->m_hWnd);
}

void DockTest::TearDown()
{
    ::RegDeleteTreeA(HKEY_CURRENT_USER, kProfileKey);
    theApp.m_pMainWnd = nullptr;
    if (m_frame && ::IsWindow(m_frame->m_hWnd))
        m_frame->DestroyWindow();
    Pump();
}

void DockTest::Pump()
{
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
        ::DispatchMessageA(&msg);
}

void DockTest::MakeBar(CToolBar& bar, UINT id, UINT firstCommand)
{
    const DWORD style = WS_CHILD | WS_VISIBLE | CBRS_TOP | CBRS_GRIPPER | CBRS_TOOLTIPS | CBRS_FLYBY |
                        CBRS_SIZE_DYNAMIC;
    ASSERT_TRUE(bar.CreateEx(m_frame, TBSTYLE_FLAT, style, CRect(0, 0, 0, 0), id));
    UINT ids[6];
    for (UINT i = 0; i < 6; ++i)
        ids[i] = firstCommand + i;
    ASSERT_TRUE(bar.SetButtons(ids, 6));
    bar.SetSizes(CSize(23, 22), CSize(16, 15));
    bar.EnableDocking(CBRS_ALIGN_ANY);
}

std::string DockTest::Number(UINT id)
{
    switch (id) {
    case IDW_BAR_ONE: return "1";
    case IDW_BAR_TWO: return "2";
    case IDW_BAR_THREE: return "3";
    default: return "?" + std::to_string(id);
    }
}

CSize DockTest::Edges(CControlBar& bar, BOOL bHorz)
{
    CRect rect(0, 0, 0, 0);
    bar.CalcInsideRect(rect, bHorz);
    return CSize(-rect.Width(), -rect.Height());
}

std::string DockTest::Rows(UINT dockBarId)
{
    return Rows(Dock(dockBarId));
}

std::string DockTest::Rows(CDockBar* dock)
{
    if (!dock)
        return "<no dock bar>";
    std::string text;
    for (INT_PTR i = 0; i < dock->m_arrBars.GetSize(); ++i) {
        void* entry = dock->m_arrBars[i];
        if (!entry) {
            text += "|";
        } else if (CDockBar::IsPlaceHolder(entry)) {
            text += "(" + Number(static_cast<UINT>(reinterpret_cast<UINT_PTR>(entry))) + ")";
        } else {
            CControlBar* bar = static_cast<CControlBar*>(entry);
            text += Number(static_cast<UINT>(bar->GetDlgCtrlID()));
        }
    }
    return text;
}

CRect DockTest::InFrame(CWnd& wnd)
{
    CRect rect;
    wnd.GetWindowRect(&rect);
    m_frame->ScreenToClient(&rect);
    return rect;
}

void DockTest::Idle()
{
    theApp.OnIdle(0);
}

void DockTest::SetClientSize(int cx, int cy)
{
    CRect rect(0, 0, cx, cy);
    ::AdjustWindowRectEx(&rect, m_frame->GetStyle(), FALSE, m_frame->GetExStyle());
    m_frame->SetWindowPos(nullptr, 0, 0, rect.Width(), rect.Height(), SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}
