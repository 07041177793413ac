#include "SkinsScene.h"

#include "HostResource.h"
#include "afx/AfxRes.h"
#include "afx/FrameWnd.h"
#include "afx/WinApp.h"
#include "toolkit/bars/skins/OXSkin.h"
#include "toolkit/bars/skins/OXSkinnedApp.h"
#include "toolkit/bars/statusbar/OXStatusBar.h"

namespace {
enum : UINT
{
    PaneBitmap = IDC_SKINS_FIRST,
    PaneProgress = IDC_SKINS_FIRST + 1,
    CmdProgressStep = ID_SKINS_FIRST,
    CmdProgressTwoOfThree,
    CmdToggleColor,
    CmdNextBitmapMode,
    CmdRemoveSkin,
    CmdThreePanes,
};

const UINT kPanes[] = {ID_SEPARATOR, PaneBitmap, PaneProgress, ID_INDICATOR_CAPS, ID_INDICATOR_NUM};

class CSkinsScene : public CHostScene
{
public:
    ~CSkinsScene() override
    {
        for (COXSkin* skin : m_removed)
            delete skin;
    }

    BOOL Create(CWnd* pHost) override
    {
        m_pHost = pHost;
        if (!m_bar.Create(pHost, WS_CHILD | WS_VISIBLE | CBRS_BOTTOM, AFX_IDW_STATUS_BAR))
            return FALSE;
        SetUpPanes(5);
        m_bar.EnablePaneTips(TRUE);
        if (CFrameWnd* frame = DYNAMIC_DOWNCAST(CFrameWnd, pHost))
            frame->RecalcLayout();
        return TRUE;
    }

    std::vector<std::pair<UINT, CString>> Commands() const override
    {
        return {
            {CmdProgressStep, "Progress &+25 of 100"},
            {CmdProgressTwoOfThree, "Progress &2 of 3"},
            {CmdToggleColor, "Pane 0 text &colour"},
            {CmdNextBitmapMode, "Next &bitmap mode"},
            {CmdRemoveSkin, "&Remove the current skin"},
            {CmdThreePanes, "&Three panes"},
        };
    }

    BOOL OnHostMessage(UINT message, WPARAM wParam, LPARAM /*lParam*/, LRESULT* pResult) override
    {
        if (message == WM_OX_STATUSBAR_DBLCLK)
        {
            m_last = "dblclk " + HostNumber(wParam);
            *pResult = 0;
            return TRUE;
        }
        if (message != WM_COMMAND)
            return FALSE;
        switch (LOWORD(wParam))
        {
        case CmdProgressStep:
            m_done = m_done >= 100 ? 0 : m_done + 25;
            SetProgress(100, m_done);
            break;
        case CmdProgressTwoOfThree:
            SetProgress(3, 2);
            break;
        case CmdToggleColor:
            m_red = !m_red;
            m_bar.SetPaneText(0, "Text pane", m_red ? RGB(255, 0, 0) : ::GetSysColor(COLOR_BTNTEXT));
            break;
        case CmdNextBitmapMode:
            m_mode = m_mode % 7 + 1;
            if (m_bar.GetPaneCount() > 1)
                m_bar.SetPaneBitmap(1, IDB_SKINS_PANE, m_mode, RGB(255, 255, 255), TRUE);
            break;
        case CmdRemoveSkin:
            RemoveCurrentSkin();
            break;
        case CmdThreePanes:
            SetUpPanes(3);
            break;
        default:
            return FALSE;
        }
        *pResult = 0;
        return TRUE;
    }

    void AppendState(CHostState& state) override
    {
        const int panes = m_bar.GetPaneCount();
        state.AddInt("panes", panes);
        COXStatusBar::CEvolInfo* progress = panes > 2 ? m_bar.GetPaneProgress(2) : nullptr;
        state.AddInt("progress.percent", progress ? progress->m_nPercent : 0);
        state.AddInt("progress.windows", ProgressWindows());
        state.AddFlag("pane0.ownerdraw", panes > 0 && (m_bar.GetPaneStyle(0) & SBPS_OWNERDRAW) != 0);
        state.AddInt("bitmap.mode", m_mode);
        state.Add("last", m_last);
    }

    std::vector<UINT> NamedControls() const override { return {AFX_IDW_STATUS_BAR}; }

private:
    void SetUpPanes(int count)
    {
        m_bar.SetIndicators(kPanes, count);
        m_bar.SetPaneInfo(0, ID_SEPARATOR, SBPS_NOBORDERS | SBPS_STRETCH, 0);
        m_bar.SetPaneText(0, "Text pane", ::GetSysColor(COLOR_BTNTEXT));
        m_bar.SetPaneTip(0, "The text pane");
        m_red = FALSE;
        if (count > 1)
        {
            m_bar.SetPaneInfo(1, PaneBitmap, SBPS_NORMAL, 40);
            m_bar.SetPaneBitmap(1, IDB_SKINS_PANE, m_mode, RGB(255, 255, 255), TRUE);
            m_bar.SetPaneTip(1, "The bitmap pane");
        }
        if (count > 2)
        {
            m_bar.SetPaneInfo(2, PaneProgress, SBPS_PROGRESS, 120);
            m_bar.SetUpBar(2, TRUE);
            m_bar.SetPaneTip(2, "The progress pane");
            m_done = 0;
        }
        static const char* const indicators[] = {"CAP", "NUM"};
        for (int i = 3; i < count; ++i)
        {
            m_bar.SetPaneInfo(i, kPanes[i], SBPS_NORMAL, 30);
            m_bar.SetPaneText(i, indicators[i - 3]);
        }
    }

    void SetProgress(DWORD total, DWORD done)
    {
        if (m_bar.GetPaneCount() > 2)
            m_bar.SetBarProgress(2, total, done);
    }

    // The skin leaves the application; the scene keeps it until it ends.
    void RemoveCurrentSkin()
    {
        auto* app = static_cast<COXSkinnedApp*>(AfxDynamicDownCast(RUNTIME_CLASS(COXSkinnedApp), AfxGetApp()));
        if (app == nullptr || app->GetCurrentSkin() == nullptr)
            return;
        COXSkin* skin = app->GetCurrentSkin();
        if (app->RemoveSkin(skin->GetName()))
            m_removed.push_back(skin);
        m_pHost->RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    }

    int ProgressWindows() const
    {
        int count = 0;
        for (HWND child = ::GetWindow(m_bar.m_hWnd, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT))
        {
            char cls[64] = "";
            ::GetClassNameA(child, cls, sizeof cls);
            count += lstrcmpiA(cls, "msctls_progress32") == 0;
        }
        return count;
    }

    CWnd* m_pHost = nullptr;
    COXStatusBar m_bar;
    std::vector<COXSkin*> m_removed;
    DWORD m_done = 0;
    BOOL m_red = FALSE;
    int m_mode = 2;
    CString m_last = "none";
};
} // namespace

std::unique_ptr<CHostScene> MakeSkinsScene()
{
    return std::make_unique<CSkinsScene>();
}
