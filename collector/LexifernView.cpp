#include "collector/LexifernView.h"

#include "afx/DataExchange.h"
#include "collector/CollectorMessages.h"
#include "collector/GetSuggestionThread.h"
#include "collector/HtmlCtrl.h"
#include "collector/KeywordHistory.h"
#include "collector/LexifernApp.h"
#include "collector/MainViewLayout.h"
#include "collector/SuggestionAnswer.h"
#include "collector/SuggestionFetch.h"
#include "collector/SuggestionRequest.h"
#include "collector/WebPaneLinks.h"
#include "controls/misc/SystemTray.h"
#include "framework/frame/BasedMainFrame.h"
#include "resources/resource.h"

#include <commctrl.h>
#include <shellapi.h>

#include <algorithm>

namespace {
CLexifernView* g_view = nullptr;

// The debounce timer: every trigger re-arms it, so a burst of triggers
// starts one request, 100 ms after the last.
const UINT_PTR RequestTimer = 1021;
const UINT RequestDelayMs = 100;
// Frames of the tray icon's busy animation.
const UINT TrayFrameMs = 400;
// Progress of one request: armed, answer received, answer shown.
const int ProgressArmed = 30;
const int ProgressReceived = 60;
const int ProgressDone = 100;

const char ProfileSection[] = "CLexifernView";
const char KeywordKey[] = "m_wndKeyword";

// The Queries column's width; the Keyword column takes the rest of the list.
const int QueriesColumnWidth = 100;
// A button with an image draws it this far from its left edge and its
// caption centred in the rest; the caption keeps this much room on both
// sides, clear of the border.
const int ButtonImageMargin = 3;
const int ButtonImageWidth = 16;
const int ButtonCaptionPadding = 5;
// A plain button's caption keeps this much room on both sides.
const int PlainButtonPadding = 6;

const COLORREF ButtonTransparent = RGB(192, 192, 192);

// The buttons' images and tooltips; the first eight also draw a bitmap of
// the same number.
struct ButtonLook
{
    CButtonST CLexifernView::*button;
    int image;
    const char* tooltip;
};

const ButtonLook ButtonLooks[] = {
    { &CLexifernView::m_btnSettings, IDB_SETTINGS, "Settings" },
    { &CLexifernView::m_btnGetNewVersion, IDB_GET_NEW_VERSION,
      "Get the newest version of Quillmoss at www.lexifern.example" },
    { &CLexifernView::m_btnCheckAll, IDB_CHECK_ALL, "Add all keywords to Basket" },
    { &CLexifernView::m_btnExit, IDB_QUIT, "Quit Quillmoss" },
    { &CLexifernView::m_btnCopy, IDB_COPY_BASKET, "Copy all keywords from Basket to clipboard" },
    { &CLexifernView::m_btnHelp, IDB_HELP, "Learn how to use Quillmoss" },
    { &CLexifernView::m_btnBack, IDB_BACK, "Navigate to previous keyword" },
    { &CLexifernView::m_btnSave, IDB_SAVE_BASKET, "Save all keywords from Basket to file" },
    { &CLexifernView::m_btnUncheckAll, IDI_HIDE_ALL, "Unckeck All" },
    { &CLexifernView::m_btnCheckCustom, IDI_SHOW_ALL, "Check Custom Keywords and add to Basket" },
};
const int BitmapButtons = 8;

// The check state a list row's state bits carry: the state image less one.
int CheckStateOf(UINT state)
{
    const int image = static_cast<int>((state & LVIS_STATEIMAGEMASK) >> 12);
    return image > 0 ? image - 1 : 0;
}

// Holds a flag set for one scope, also when the scope is left by an exception.
class FlagScope
{
public:
    explicit FlagScope(BOOL& flag) : m_flag(flag), m_old(flag) { m_flag = TRUE; }
    ~FlagScope() { m_flag = m_old; }
    FlagScope(const FlagScope&) = delete;
    FlagScope& operator=(const FlagScope&) = delete;

private:
    BOOL& m_flag;
    BOOL m_old;
};

// Keeps a window from drawing for one scope, then has it drawn whole.
class RedrawOffScope
{
public:
    explicit RedrawOffScope(CWnd& wnd) : m_wnd(wnd) { m_wnd.SetRedraw(FALSE); }
    ~RedrawOffScope()
    {
        m_wnd.SetRedraw(TRUE);
        m_wnd.Invalidate();
    }
    RedrawOffScope(const RedrawOffScope&) = delete;
    RedrawOffScope& operator=(const RedrawOffScope&) = delete;

private:
    CWnd& m_wnd;
};
}

IMPLEMENT_DYNCREATE(CLexifernView, CBaseFormView)

BEGIN_MESSAGE_MAP(CLexifernView, CBaseFormView)
    ON_WM_SIZE()
    ON_WM_TIMER()
    ON_MESSAGE(WM_SUGGESTION_RESULT, &CLexifernView::OnSuggestionResult)
    ON_BN_CLICKED(IDC_GO, &CLexifernView::OnGo)
    ON_CBN_EDITCHANGE(IDC_KEYWORD, &CLexifernView::OnKeywordEditChange)
    ON_EN_CHANGE(IDC_KEYWORD, &CLexifernView::OnKeywordEnChange)
    ON_NOTIFY(NM_DBLCLK, IDC_SUGGESTIONS, &CLexifernView::OnListDblClk)
    ON_NOTIFY(NM_CLICK, IDC_SUGGESTIONS, &CLexifernView::OnListClick)
    ON_NOTIFY(LVN_ITEMCHANGED, IDC_SUGGESTIONS, &CLexifernView::OnListItemChanged)
    ON_BN_CLICKED(IDC_BACK, &CLexifernView::OnBack)
    ON_BN_CLICKED(IDC_SETTINGS, &CLexifernView::OnBasketSettings)
    ON_BN_CLICKED(IDC_CHECK_ALL, &CLexifernView::OnCheckAll)
    ON_BN_CLICKED(IDC_UNCHECK_ALL, &CLexifernView::OnUncheckAll)
    ON_BN_CLICKED(IDC_CHECK_CUSTOM, &CLexifernView::OnCheckCustom)
    ON_BN_CLICKED(IDC_COPY_BASKET, &CLexifernView::OnCopyBasket)
    ON_BN_CLICKED(IDC_SAVE_BASKET, &CLexifernView::OnSaveBasket)
    ON_BN_CLICKED(IDC_GET_NEW_VERSION, &CLexifernView::OnGetNewVersion)
    ON_BN_CLICKED(IDC_HELP_BUTTON, &CLexifernView::OnHelpButton)
    ON_BN_CLICKED(IDC_EXIT, &CLexifernView::OnQuitButton)
END_MESSAGE_MAP()

CLexifernView* GetMainView()
{
    return g_view;
}

CLexifernView::CLexifernView()
    : CBaseFormView(IDD_LEXIFERN_FORM), m_wndList(), m_imageList(), m_btnSettings(), m_btnGetNewVersion(),
      m_btnCheckAll(), m_btnExit(), m_btnCopy(), m_btnHelp(), m_btnBack(), m_btnSave(), m_btnSpare(),
      m_wndKeyword(), m_wndBasket(), m_btnCheckCustom(), m_btnUncheckAll(), m_wndWebPlace(), m_strCustomText(),
      m_arrHistory(), m_bFilling(FALSE), m_arrKeywords(), m_wndProgress(), m_pWebPane(nullptr),
      m_bSettingKeyword(FALSE), m_bRequestArmed(FALSE), m_nBusyRequests(0), m_bBasketWarned(FALSE), m_layout(),
      m_bDesignTaken(FALSE), m_pBasketIndex(), m_nIndexedChange(0), m_bKeywordsMatchBox(FALSE), m_nKeywordsChange(0)
{
    m_strSettingsName = ProfileSection;
    g_view = this;
}

CLexifernView::~CLexifernView()
{
    if (g_view == this)
        g_view = nullptr;
}

void CLexifernView::DoDataExchange(CDataExchange* pDX)
{
    CBaseFormView::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_KEYWORD, m_wndKeyword);
    DDX_Control(pDX, IDC_BASKET, m_wndBasket);
    DDX_Control(pDX, IDC_SUGGESTIONS, m_wndList);
    DDX_Control(pDX, IDC_SETTINGS, m_btnSettings);
    DDX_Control(pDX, IDC_GET_NEW_VERSION, m_btnGetNewVersion);
    DDX_Control(pDX, IDC_CHECK_ALL, m_btnCheckAll);
    DDX_Control(pDX, IDC_EXIT, m_btnExit);
    DDX_Control(pDX, IDC_COPY_BASKET, m_btnCopy);
    DDX_Control(pDX, IDC_HELP_BUTTON, m_btnHelp);
    DDX_Control(pDX, IDC_BACK, m_btnBack);
    DDX_Control(pDX, IDC_SAVE_BASKET, m_btnSave);
    DDX_Control(pDX, IDC_CHECK_CUSTOM, m_btnCheckCustom);
    DDX_Control(pDX, IDC_UNCHECK_ALL, m_btnUncheckAll);
    DDX_Control(pDX, IDC_PROGRESS, m_wndProgress);
    DDX_Control(pDX, IDC_WEB_PLACE, m_wndWebPlace);
}

BOOL CLexifernView::PreTranslateMessage(MSG* pMsg)
{
    if (pMsg->message == WM_KEYDOWN && pMsg->wParam == VK_RETURN && pMsg->hwnd != m_wndBasket.GetSafeHwnd() &&
        ::GetKeyState(VK_SHIFT) >= 0 && ::GetKeyState(VK_CONTROL) >= 0 && ::GetKeyState(VK_MENU) >= 0) {
        OnGo();
        return TRUE;
    }
    return CBaseFormView::PreTranslateMessage(pMsg);
}

void CLexifernView::OnInitialUpdate()
{
    CBaseFormView::OnInitialUpdate();

    for (int i = 0; i < static_cast<int>(sizeof ButtonLooks / sizeof ButtonLooks[0]); ++i) {
        CButtonST& button = this->*ButtonLooks[i].button;
        button.SetIconFromResource(ButtonLooks[i].image, 16, 16, 0, 0, 0);
        if (i < BitmapButtons)
            button.SetBitmapsFromResource(ButtonLooks[i].image, ButtonTransparent, ButtonLooks[i].image,
                                          ButtonTransparent);
        button.EnableBalloonTooltip();
        button.SetTooltipText(ButtonLooks[i].tooltip);
    }

    m_wndList.SetExtendedStyle(m_wndList.GetExtendedStyle() | LVS_EX_CHECKBOXES | LVS_EX_FULLROWSELECT);
    m_wndList.ModifyStyle(0, LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS);
    CRect listClient;
    m_wndList.GetClientRect(&listClient);
    m_wndList.InsertColumn(0, "Keyword", LVCFMT_LEFT, listClient.Width() - QueriesColumnWidth);
    m_wndList.InsertColumn(1, "Queries", LVCFMT_RIGHT, QueriesColumnWidth);

    // A Basket may be larger than an edit control takes by default.
    m_wndBasket.SetLimitText(0);
    LoadBasket();

    m_wndKeyword.LoadHistory(ProfileSection, KeywordKey, TRUE, nullptr);
    SetKeywordText(AfxGetApp()->GetProfileString(ProfileSection, KeywordKey, ""));

    if (CSystemTray* tray = GetTrayIcon()) {
        HINSTANCE instance = AfxGetResourceHandle();
        HICON icons[] = { ::LoadIconA(instance, MAKEINTRESOURCEA(IDI_TRAY)),
                          ::LoadIconA(instance, MAKEINTRESOURCEA(IDI_TRAY_BUSY)) };
        tray->SetIconList(icons, 2);
    }

    CRect place;
    m_wndWebPlace.GetWindowRect(&place);
    ScreenToClient(&place);
    m_pWebPane = CreateWebPane(place);
    if (CHtmlCtrl* pane = DYNAMIC_DOWNCAST(CHtmlCtrl, m_pWebPane))
        pane->Navigate2(GetWebPanePage(0));

    m_wndProgress.SetRange(0, 100);

    TakeDesignPlaces();
    MeasureCaptions();
    CRect client;
    GetClientRect(&client);
    OnSize(0, client.Width(), client.Height());
}

void CLexifernView::OnQuit()
{
}

void CLexifernView::OnQuitButton()
{
    OnQuit();
}

void CLexifernView::OnSize(UINT nType, int cx, int cy)
{
    CBaseFormView::OnSize(nType, cx, cy);
    if (!::IsWindow(m_wndKeyword.GetSafeHwnd()))
        return;
    TakeDesignPlaces();
    m_layout.Arrange(cx, cy);
    for (UINT id : kLaidOutControls) {
        CWnd* control = id == IDC_WEB_PANE ? m_pWebPane : GetDlgItem(static_cast<int>(id));
        if (!control || !::IsWindow(control->GetSafeHwnd()) || !m_layout.HasDesignRect(id))
            continue;
        CRect current;
        control->GetWindowRect(&current);
        ScreenToClient(&current);
        CRect placed = m_layout.GetRect(id);
        // A drop-down combo box's height is that of its open list, so the
        // keyword box keeps the one it has.
        if (id == IDC_KEYWORD) {
            CRect dropped;
            m_wndKeyword.SendMessage(CB_GETDROPPEDCONTROLRECT, 0, reinterpret_cast<LPARAM>(&dropped));
            ScreenToClient(&dropped);
            const int height = std::max(static_cast<int>(dropped.bottom - current.top), current.Height());
            placed.bottom = placed.top + height;
            current.bottom = current.top + height;
        }
        // Untouched controls are not moved: a resize of the Basket box is costly.
        if (placed == current && control->IsWindowVisible())
            continue;
        control->SetWindowPos(nullptr, placed.left, placed.top, placed.Width(), placed.Height(),
                              SWP_SHOWWINDOW | SWP_NOOWNERZORDER | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    FitListColumns();
}

void CLexifernView::TakeDesignPlaces()
{
    if (m_bDesignTaken)
        return;
    m_bDesignTaken = TRUE;
    for (UINT id : kLaidOutControls) {
        // The web pane stands where its place-holder stands.
        CWnd* control = GetDlgItem(static_cast<int>(id == IDC_WEB_PANE ? IDC_WEB_PLACE : id));
        if (!control)
            continue;
        CRect rect;
        control->GetWindowRect(&rect);
        ScreenToClient(&rect);
        m_layout.SetDesignRect(id, rect);
    }
}

namespace {
// The width of a control's caption on one line, in the control's font.
int CaptionWidth(CWnd* control)
{
    CString text;
    control->GetWindowText(text);
    if (text.IsEmpty())
        return 0;
    CClientDC dc(control);
    CSelectGuard font(dc, reinterpret_cast<HGDIOBJ>(control->SendMessage(WM_GETFONT)));
    CRect rect(0, 0, 0, 0);
    ::DrawTextA(dc.GetSafeHdc(), text, -1, &rect, DT_SINGLELINE | DT_CALCRECT);
    return rect.Width();
}
} // namespace

void CLexifernView::MeasureCaptions()
{
    for (UINT id : kLaidOutControls) {
        CWnd* control = id == IDC_WEB_PANE ? nullptr : GetDlgItem(static_cast<int>(id));
        if (!control)
            continue;
        // Only labels and buttons have captions; the others' text is data.
        char className[32] = {};
        ::GetClassNameA(control->GetSafeHwnd(), className, sizeof className);
        if (lstrcmpiA(className, "Static") == 0)
            m_layout.SetLeastWidth(id, CaptionWidth(control));
        else if (lstrcmpiA(className, "Button") != 0)
            continue;
        else if (id == IDC_GO)
            m_layout.SetLeastWidth(id, CaptionWidth(control) + 2 * PlainButtonPadding);
        else
            m_layout.SetLeastWidth(id, ButtonImageMargin + ButtonImageWidth + CaptionWidth(control) +
                                           2 * ButtonCaptionPadding);
    }
}

void CLexifernView::FitListColumns()
{
    if (!::IsWindow(m_wndList.GetSafeHwnd()) ||
        Header_GetItemCount(ListView_GetHeader(m_wndList.GetSafeHwnd())) < 2)
        return;
    CRect client;
    m_wndList.GetClientRect(&client);
    const int keywordWidth = std::max(client.Width() - QueriesColumnWidth, 0);
    if (m_wndList.GetColumnWidth(0) != keywordWidth)
        m_wndList.SetColumnWidth(0, keywordWidth);
    if (m_wndList.GetColumnWidth(1) != QueriesColumnWidth)
        m_wndList.SetColumnWidth(1, QueriesColumnWidth);
}

CString CLexifernView::GetKeywordText() const
{
    CString text;
    m_wndKeyword.GetWindowText(text);
    return text;
}

void CLexifernView::SetKeywordText(const CString& text)
{
    FlagScope guard(m_bSettingKeyword);
    m_wndKeyword.SetWindowText(text);
}

void CLexifernView::OnGo()
{
    const CString keyword = GetKeywordText();
    if (keyword.IsEmpty())
        return;
    {
        // Adding to the drop-down list may rewrite the edit field.
        FlagScope guard(m_bSettingKeyword);
        m_wndKeyword.SaveHistory(TRUE);
    }
    ArmRequest(keyword);
}

void CLexifernView::OnKeywordEditChange()
{
    if (m_bSettingKeyword)
        return;
    const CString keyword = GetKeywordText();
    if (!keyword.IsEmpty())
        ArmRequest(keyword);
}

void CLexifernView::OnKeywordEnChange()
{
    // Text the view puts in the box itself (Back, a selected row) asks nothing.
    if (!m_bSettingKeyword)
        OnGo();
}

void CLexifernView::ArmRequest(const CString& keyword)
{
    AfxGetApp()->WriteProfileString(ProfileSection, KeywordKey, keyword);
    KillTimer(RequestTimer);
    SetTimer(RequestTimer, RequestDelayMs, nullptr);
    // One busy state per armed request: a trigger that only re-arms the
    // pending timer begins none, so each begin meets exactly one end (the
    // answer, or a worker that could not start).
    if (m_bRequestArmed)
        return;
    m_bRequestArmed = TRUE;
    ++m_nBusyRequests;
    BeginWaitCursor();
    if (m_nBusyRequests == 1)
        if (CSystemTray* tray = GetTrayIcon())
            tray->Animate(TrayFrameMs, -1);
    SetProgress(ProgressArmed);
}

void CLexifernView::EndBusyState()
{
    if (m_nBusyRequests <= 0)
        return;
    --m_nBusyRequests;
    EndWaitCursor();
    if (m_nBusyRequests == 0)
        if (CSystemTray* tray = GetTrayIcon())
            tray->StopAnimation();
}

void CLexifernView::SetProgress(int pos)
{
    if (::IsWindow(m_wndProgress.GetSafeHwnd()))
        m_wndProgress.SetPos(pos);
}

void CLexifernView::OnTimer(UINT_PTR nIDEvent)
{
    if (nIDEvent == RequestTimer) {
        KillTimer(RequestTimer);
        if (m_bRequestArmed) {
            m_bRequestArmed = FALSE;
            const CString keyword = GetKeywordText();
            AppendKeywordHistory(m_arrHistory, keyword);
            if (!StartSuggestionThread(keyword)) {
                EndBusyState();
                SetProgress(0);
            }
        }
    }
    CBaseFormView::OnTimer(nIDEvent);
}

BOOL CLexifernView::StartSuggestionThread(const CString& keyword)
{
    CGetSuggestionThread* thread = nullptr;
    try {
        thread = static_cast<CGetSuggestionThread*>(AfxBeginThread(
            RUNTIME_CLASS(CGetSuggestionThread), THREAD_PRIORITY_NORMAL, 0, CREATE_SUSPENDED, nullptr));
    } catch (CException* e) {
        e->Delete();
        return FALSE;
    }
    if (!thread)
        return FALSE;
    thread->m_strKeyword = keyword;
    thread->m_strHost = AfxGetApp()->GetProfileString(kSuggestionHostSection, kSuggestionHostKey,
                                                       kSuggestionHostDefault);
    thread->m_hWndTarget = GetSafeHwnd();
    // A thread that cannot be resumed never runs and never answers.
    return thread->ResumeThread() != static_cast<DWORD>(-1);
}

LRESULT CLexifernView::OnSuggestionResult(WPARAM wParam, LPARAM lParam)
{
    SetProgress(ProgressReceived);
    CString keyword;
    CString answer;
    TakeGlobalText(reinterpret_cast<HGLOBAL>(wParam), keyword);
    // A worker that ran out of memory for the answer still posts, so that the
    // busy state ends; the list stays as it is then.
    if (TakeGlobalText(reinterpret_cast<HGLOBAL>(lParam), answer)) {
        if (answer == kNotParsed) {
            ShowConnectionFailure();
        } else {
            CStringArray suggestions;
            CStringArray counts;
            ParseSuggestionAnswer(answer, suggestions, counts);
            FillSuggestionList(suggestions, counts);
            // A vertical scroll bar may have come or gone with the rows.
            FitListColumns();
        }
    }
    EndBusyState();
    SetProgress(ProgressDone);
    return 1;
}

void CLexifernView::FillSuggestionList(const CStringArray& suggestions, const CStringArray& counts)
{
    FlagScope filling(m_bFilling);
    // A visible list paints itself again for every row put in (20 ms a row
    // here, minutes for a large answer): it is drawn once, when all are in.
    RedrawOffScope quiet(m_wndList);
    m_wndList.DeleteAllItems();
    m_wndList.EnableWindow(suggestions.GetSize() > 0);
    CSuggestionRowArray rows;
    MakeSuggestionRows(suggestions, counts, GetBasketIndex(), rows);
    for (int i = 0; i < static_cast<int>(rows.GetSize()); ++i) {
        m_wndList.InsertItem(i, rows[i].strKeyword);
        if (rows[i].bInBasket)
            m_wndList.SetCheck(i, TRUE);
        m_wndList.SetItemText(i, 1, rows[i].strCount);
    }
}

void CLexifernView::OnListDblClk(NMHDR*, LRESULT* pResult)
{
    OnGo();
    *pResult = 0;
}

void CLexifernView::OnListClick(NMHDR*, LRESULT* pResult)
{
    *pResult = 0;
}

void CLexifernView::OnListItemChanged(NMHDR* pNMHDR, LRESULT* pResult)
{
    *pResult = 0;
    const NMLISTVIEW* change = reinterpret_cast<const NMLISTVIEW*>(pNMHDR);
    if ((change->uOldState == 0 && change->uNewState == 0) || change->iItem < 0)
        return;
    if (CheckStateOf(change->uOldState) != CheckStateOf(change->uNewState)) {
        // A check mark set while the list is refilled only mirrors the
        // Basket: adding it again would duplicate or reorder lines.
        if (m_bFilling)
            return;
        const CString keyword = m_wndList.GetItemText(change->iItem, 0);
        if (CheckStateOf(change->uNewState))
            AddToBasket(keyword);
        else
            RemoveFromBasket(keyword);
    } else if (!m_bFilling) {
        SetKeywordText(m_wndList.GetItemText(change->iItem, 0));
    }
}

void CLexifernView::OnBack()
{
    CString previous;
    if (StepBackInHistory(m_arrHistory, GetKeywordText(), previous))
        SetKeywordText(previous);
}

void CLexifernView::OnGetNewVersion()
{
    if (CBasedApp* app = GetBasedApp())
        ::ShellExecuteA(nullptr, "open", app->GetWebSite(), "", "", SW_SHOW);
}

void CLexifernView::OnHelpButton()
{
    if (CBasedApp* app = GetBasedApp())
        ::ShellExecuteA(nullptr, "open", app->GetSecondWebSite(), "", "", SW_SHOW);
}

namespace {
// The view's web pane lives on the heap and goes with its window. A pane
// whose window was never made is deleted by the one who made it.
class CMainWebPane : public CHtmlCtrl
{
public:
    CMainWebPane() : m_bOwnedByWindow(FALSE) {}
    BOOL m_bOwnedByWindow;

protected:
    void PostNcDestroy() override
    {
        CHtmlCtrl::PostNcDestroy();
        if (m_bOwnedByWindow)
            delete this;
    }
};
} // namespace

CWnd* CLexifernView::CreateWebPane(const CRect& rect)
{
    CMainWebPane* pane = new CMainWebPane;
    // FALSE with a window means the browser is missing; the pane then shows
    // that in place of the page, so it is kept.
    pane->Create(nullptr, "", WS_CHILD | WS_VISIBLE | WS_BORDER, rect, this, IDC_WEB_PANE, nullptr, TRUE, TRUE);
    if (!::IsWindow(pane->GetSafeHwnd())) {
        delete pane;
        return nullptr;
    }
    pane->m_bOwnedByWindow = TRUE;
    return pane;
}

CSystemTray* CLexifernView::GetTrayIcon()
{
    CBasedMainFrame* frame = DYNAMIC_DOWNCAST(CBasedMainFrame, AfxGetMainWnd());
    if (!frame || !::IsWindow(frame->m_trayIcon.GetSafeHwnd()))
        return nullptr;
    return &frame->m_trayIcon;
}

void CLexifernView::ShowConnectionFailure()
{
    AfxMessageBox("Connection with Brellum notn stable !", MB_OK);
}

BOOL PumpWaitingMessages()
{
    CWinThread* thread = AfxGetThread();
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE)) {
        if (!thread || !thread->PumpMessage()) {
            // The quit is the main loop's to see; it must not be lost here.
            ::PostQuitMessage(0);
            return FALSE;
        }
    }
    return TRUE;
}
