// The program's main frame after a real start-up: caption, status bar, the
// Export/Copy bar and its drop-down menus, the auto-save timer, the copy
// commands, and the settings and error-report dialogs it opens.
#include "collector/BasketKeywords.h"
#include "collector/ErrorReaderDlg.h"
#include "collector/LexifernApp.h"
#include "collector/MainFrame.h"
#include "collector/SettingPageGeneral.h"
#include "collector/SettingsDialog.h"
#include "controls/menu/BCMenu.h"
#include "framework/crash/ExceptionReport.h"
#include "resources/resource.h"

#include "tests/support/ModalDriver.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>

namespace {
const char ProfileKey[] = "Software\\Tarnwick\\Lexifern";

class TestApp : public CLexifernApp
{
public:
    int DoMessageBox(LPCTSTR, UINT, UINT) override { return IDOK; }

protected:
    // The real splash stays two seconds.
    void ShowSplash() override {}
    BOOL RunTipOfTheDay(BOOL) override { return TRUE; }
};


std::string ClipboardText()
{
    std::string text = "<none>";
    if (!OpenClipboard(nullptr))
        return text;
    if (HANDLE data = GetClipboardData(CF_TEXT)) {
        text = static_cast<const char*>(GlobalLock(data));
        GlobalUnlock(data);
    }
    CloseClipboard();
    return text;
}

void PutOnClipboard(const char* text)
{
    OpenClipboard(nullptr);
    EmptyClipboard();
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, strlen(text) + 1);
    strcpy(static_cast<char*>(GlobalLock(memory)), text);
    GlobalUnlock(memory);
    SetClipboardData(CF_TEXT, memory);
    CloseClipboard();
}

std::vector<UINT> MenuIds(CMenu* menu)
{
    std::vector<UINT> ids;
    for (UINT i = 0; i < menu->GetMenuItemCount(); ++i) {
        if (CMenu* sub = menu->GetSubMenu(static_cast<int>(i))) {
            for (UINT id : MenuIds(sub))
                ids.push_back(id);
        } else {
            ids.push_back(menu->GetMenuItemID(static_cast<int>(i)));
        }
    }
    return ids;
}

class MainFrameTest : public testing::Test
{
protected:
    void SetUp() override
    {
        RegDeleteTreeA(HKEY_CURRENT_USER, ProfileKey);
        app = new TestApp;
        AfxWinInit(GetModuleHandleA(nullptr), nullptr, const_cast<LPSTR>(""), SW_SHOWNORMAL);
        ASSERT_TRUE(app->InitInstance());
        frame = GetMainFrame();
        ASSERT_TRUE(frame);
    }
    void TearDown() override
    {
        SetBasketKeywordsOverride(nullptr);
        if (app->m_pMainWnd && app->m_pMainWnd->GetSafeHwnd())
            app->m_pMainWnd->DestroyWindow();
        app->ExitInstance();
        delete app;
        RegDeleteTreeA(HKEY_CURRENT_USER, ProfileKey);
    }
    TestApp* app = nullptr;
    CMainFrame* frame = nullptr;
};
}

TEST_F(MainFrameTest, CaptionStatusBarAndExportCopyBar)
{
    CString caption;
    frame->GetWindowText(caption);
    EXPECT_EQ("Quillmoss", caption);

    CStatusBar& status = frame->m_wndStatusBar;
    ASSERT_TRUE(status.GetSafeHwnd());
    ASSERT_EQ(4, status.GetCount());
    EXPECT_EQ(static_cast<UINT>(ID_INDICATOR_CAPS), status.GetItemID(1));
    EXPECT_EQ(static_cast<UINT>(ID_INDICATOR_NUM), status.GetItemID(2));
    EXPECT_EQ(static_cast<UINT>(ID_INDICATOR_SCRL), status.GetItemID(3));
    EXPECT_FALSE(frame->m_wndToolBar.IsWindowVisible());

    CToolBar24& bar = frame->GetExportCopyBar();
    ASSERT_TRUE(bar.GetSafeHwnd());
    EXPECT_EQ(135, bar.GetDlgCtrlID());
    ASSERT_EQ(11, bar.GetCount());
    const UINT ids[] = {1013, 1003, 0, 1004, 1007, 0, 1006, 1014, 0, 35015, 4};
    for (int i = 0; i < 11; ++i)
        EXPECT_EQ(ids[i], bar.GetItemID(i)) << "button " << i;
    EXPECT_EQ(static_cast<LRESULT>(TBSTYLE_EX_DRAWDDARROWS | TBSTYLE_EX_MIXEDBUTTONS),
              bar.SendMessage(TB_GETEXTENDEDSTYLE) & (TBSTYLE_EX_DRAWDDARROWS | TBSTYLE_EX_MIXEDBUTTONS));
    for (int index : {ExportButtonIndex, CopyButtonIndex}) {
        TBBUTTON button = {};
        ASSERT_TRUE(bar.SendMessage(TB_GETBUTTON, index, reinterpret_cast<LPARAM>(&button)));
        EXPECT_EQ(TBSTYLE_DROPDOWN | BTNS_SHOWTEXT, button.fsStyle & (TBSTYLE_DROPDOWN | BTNS_SHOWTEXT));
    }
    EXPECT_EQ("Export", bar.GetButtonText(ExportButtonIndex));
    EXPECT_EQ("Copy", bar.GetButtonText(CopyButtonIndex));
    // A plain button keeps its own style.
    EXPECT_EQ(0u, bar.GetButtonStyle(0) & TBSTYLE_DROPDOWN);
}

TEST_F(MainFrameTest, DropDownButtonsShowTheirWholeCaption)
{
    CToolBar24& bar = frame->GetExportCopyBar();
    ASSERT_TRUE(bar.GetSafeHwnd());
    HDC dc = GetDC(bar.GetSafeHwnd());
    HGDIOBJ old = SelectObject(dc, reinterpret_cast<HGDIOBJ>(bar.SendMessage(WM_GETFONT)));
    for (int index : { ExportButtonIndex, CopyButtonIndex }) {
        const CString text = bar.GetButtonText(index);
        SIZE extent = {};
        GetTextExtentPoint32A(dc, text, text.GetLength(), &extent);
        CRect item;
        bar.GetItemRect(index, &item);
        // Image, caption and the drop-down arrow side by side.
        EXPECT_GE(item.Width(), 16 + extent.cx + GetSystemMetrics(SM_CXVSCROLL) / 2) << static_cast<LPCTSTR>(text);
    }
    SelectObject(dc, old);
    ReleaseDC(bar.GetSafeHwnd(), dc);
    // The buttons stand apart, and all of them inside the bar.
    CRect exportRect, copyRect, client;
    bar.GetItemRect(ExportButtonIndex, &exportRect);
    bar.GetItemRect(CopyButtonIndex, &copyRect);
    bar.GetClientRect(&client);
    EXPECT_LE(exportRect.right, copyRect.left);
    EXPECT_LE(copyRect.right, client.right);
}

namespace {
// What the drop-down's menu loop saw of a tooltip while the menu was open.
HWND g_watchedTip = nullptr;
bool g_menuWasOpen = false;
bool g_tipShownWithMenu = false;

void CALLBACK LookAtTipAndCloseMenu(HWND, UINT, UINT_PTR id, DWORD)
{
    KillTimer(nullptr, id);
    g_menuWasOpen = FindWindowA("#32768", nullptr) != nullptr;
    g_tipShownWithMenu = IsWindowVisible(g_watchedTip) != FALSE;
    EndMenu();
}

bool PumpUntil(const std::function<bool()>& done, DWORD ms)
{
    const DWORD start = GetTickCount();
    while (!done() && GetTickCount() - start < ms) {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
        Sleep(10);
    }
    return done();
}
} // namespace

TEST_F(MainFrameTest, AButtonsTooltipHidesWhenItsDropDownMenuOpens)
{
    CToolBar24& bar = frame->GetExportCopyBar();
    HWND tip = reinterpret_cast<HWND>(bar.SendMessage(TB_GETTOOLTIPS));
    ASSERT_TRUE(tip);
    frame->SetWindowPos(&CWnd::wndTopMost, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    frame->UpdateWindow();

    // The mouse rests on the Export button until its tooltip shows.
    CRect item;
    bar.GetItemRect(ExportButtonIndex, &item);
    CPoint point = item.CenterPoint();
    bar.ClientToScreen(&point);
    SetCursorPos(point.x, point.y);
    MSG move = {};
    move.hwnd = bar.GetSafeHwnd();
    move.message = WM_MOUSEMOVE;
    move.lParam = MAKELPARAM(item.CenterPoint().x, item.CenterPoint().y);
    move.pt = point;
    SendMessageA(tip, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&move));
    ASSERT_TRUE(PumpUntil([&] { return IsWindowVisible(tip) != FALSE; }, 3000));

    // The arrow opens the menu; the tooltip must not stay over its items.
    g_watchedTip = tip;
    g_menuWasOpen = g_tipShownWithMenu = false;
    SetTimer(nullptr, 0, 300, LookAtTipAndCloseMenu);
    NMTOOLBARA dropDown = {};
    dropDown.hdr.hwndFrom = bar.GetSafeHwnd();
    dropDown.hdr.idFrom = ExportCopyBarId;
    dropDown.hdr.code = TBN_DROPDOWN;
    dropDown.iItem = ID_EXPORT_DROPDOWN;
    frame->SendMessage(WM_NOTIFY, ExportCopyBarId, reinterpret_cast<LPARAM>(&dropDown));
    frame->SetWindowPos(&CWnd::wndNoTopMost, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    EXPECT_TRUE(g_menuWasOpen);
    EXPECT_FALSE(g_tipShownWithMenu);
}

namespace {
// A pixel that shows the toolbar's key colour, or a blend of it with an
// image's own colour: much red and blue, little green.
bool LooksMagenta(COLORREF c)
{
    return GetRValue(c) >= 150 && GetBValue(c) >= 150 && GetGValue(c) + 80 <= std::min(GetRValue(c), GetBValue(c));
}

// Draws into a memory bitmap on the button face colour and counts the
// pixels that look magenta.
int MagentaPixels(int cx, int cy, const std::function<void(HDC)>& draw)
{
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, cx, cy);
    HGDIOBJ old = SelectObject(dc, bitmap);
    RECT all = { 0, 0, cx, cy };
    FillRect(dc, &all, GetSysColorBrush(COLOR_BTNFACE));
    draw(dc);
    int count = 0;
    for (int y = 0; y < cy; ++y)
        for (int x = 0; x < cx; ++x)
            count += LooksMagenta(GetPixel(dc, x, y)) ? 1 : 0;
    SelectObject(dc, old);
    DeleteObject(bitmap);
    DeleteDC(dc);
    ReleaseDC(nullptr, screen);
    return count;
}
} // namespace

TEST_F(MainFrameTest, ToolbarImagesShowNoKeyColour)
{
    CToolBar24& bar = frame->GetExportCopyBar();
    const CToolBarImageLists& lists = bar.GetImageLists();
    for (HIMAGELIST list : { lists.GetNormalList(), lists.GetHotList(), lists.GetDisabledList() }) {
        ASSERT_TRUE(list);
        const int count = ImageList_GetImageCount(list);
        EXPECT_EQ(8, count);
        EXPECT_EQ(0, MagentaPixels(16 * count, 16, [&](HDC dc) {
                      for (int i = 0; i < count; ++i)
                          ImageList_Draw(list, i, dc, 16 * i, 0, ILD_NORMAL);
                  }));
    }
    // The bar as it paints itself, one button disabled.
    bar.SendMessage(TB_ENABLEBUTTON, IDC_CHECK_ALL, FALSE);
    CRect client;
    bar.GetClientRect(&client);
    EXPECT_EQ(0, MagentaPixels(client.Width(), client.Height(), [&](HDC dc) {
                  bar.SendMessage(WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
              }));
}

TEST_F(MainFrameTest, DropDownMenusHoldTheExportAndCopyCommands)
{
    BCMenu exportMenu;
    CMenu* popup = CMainFrame::LoadDropDownMenu(ID_EXPORT_DROPDOWN, exportMenu);
    ASSERT_TRUE(popup);
    EXPECT_EQ((std::vector<UINT>{35018, 35019, 35020, 35021, 35022, 35044, 35045, 35046}), MenuIds(popup));
    exportMenu.DestroyMenu();

    BCMenu copyMenu;
    popup = CMainFrame::LoadDropDownMenu(ID_COPY_DROPDOWN, copyMenu);
    ASSERT_TRUE(popup);
    EXPECT_EQ((std::vector<UINT>{35027, 35028, 35029, 35030, 35055, 35056, 35057}), MenuIds(popup));
    copyMenu.DestroyMenu();

    BCMenu other;
    EXPECT_EQ(nullptr, CMainFrame::LoadDropDownMenu(1013, other));
}

TEST_F(MainFrameTest, AutoSaveTimerIsClampedAndStopsWhenSwitchedOff)
{
    // Armed at creation with the default ten minutes, switch or no switch.
    EXPECT_EQ(10u * 60000u, frame->GetAutoSavePeriod());

    EXPECT_EQ(1, frame->ArmAutoSaveTimer(0));
    EXPECT_EQ(60000u, frame->GetAutoSavePeriod());
    EXPECT_EQ(1, frame->ArmAutoSaveTimer(-7));
    EXPECT_EQ(32762, frame->ArmAutoSaveTimer(1000000));
    EXPECT_EQ(32762u * 60000u, frame->GetAutoSavePeriod());

    // Switched on: a tick leaves the timer running.
    app->m_bAutoSaveEnable = 1;
    frame->ArmAutoSaveTimer(5);
    frame->SendMessage(WM_TIMER, AutoSaveTimerId, 0);
    EXPECT_EQ(300000u, frame->GetAutoSavePeriod());

    // Switched off: the next tick kills it, so there is nothing left to kill.
    app->m_bAutoSaveEnable = 0;
    frame->SendMessage(WM_TIMER, AutoSaveTimerId, 0);
    EXPECT_EQ(0u, frame->GetAutoSavePeriod());
    EXPECT_FALSE(frame->KillTimer(AutoSaveTimerId));
}

TEST_F(MainFrameTest, CopyCommandsPutTheBasketOnTheClipboard)
{
    CStringArray keywords;
    keywords.Add("a b");
    keywords.Add("<x&y>");
    SetBasketKeywordsOverride(&keywords);

    frame->SendMessage(WM_COMMAND, ID_COPY_TEXT, 0);
    EXPECT_EQ("a b\r\n<x&y>\r\n", ClipboardText());
    PutOnClipboard("other");
    frame->SendMessage(WM_COMMAND, ID_COPY_ADWORDS_BROAD, 0);
    EXPECT_EQ("a b\r\n<x&y>\r\n", ClipboardText());
    frame->SendMessage(WM_COMMAND, ID_COPY_ADWORDS_EXACT, 0);
    EXPECT_EQ("[a b]\r\n[<x&y>]\r\n", ClipboardText());
    frame->SendMessage(WM_COMMAND, ID_COPY_HTML_TABLE, 0);
    EXPECT_EQ("<tr><td align='left'>a b</td></tr>\r\n<tr><td align='left'>&lt;x&amp;y&gt;</td></tr>\r\n",
              ClipboardText());

    // An empty Basket leaves the clipboard as it was.
    CStringArray empty;
    SetBasketKeywordsOverride(&empty);
    PutOnClipboard("kept");
    frame->SendMessage(WM_COMMAND, ID_COPY_CSV, 0);
    EXPECT_EQ("kept", ClipboardText());
}

namespace {
// Answers the save dialog of this thread with the file name and OK, as a user
// gives them.
std::string g_saveAs;

void CALLBACK AnswerSaveDialog(HWND, UINT, UINT_PTR, DWORD)
{
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND hWnd, LPARAM) -> BOOL {
            char name[16] = "";
            GetClassNameA(hWnd, name, sizeof name);
            HWND file = GetDlgItem(hWnd, 0x47C) ? GetDlgItem(hWnd, 0x47C) : GetDlgItem(hWnd, 0x480);
            if (strcmp(name, "#32770") != 0 || !IsWindowVisible(hWnd) || !file || g_saveAs.empty())
                return TRUE;
            SetWindowTextA(file, g_saveAs.c_str());
            g_saveAs.clear();
            PostMessageA(GetDlgItem(hWnd, IDOK), BM_CLICK, 0, 0);
            return FALSE;
        },
        0);
}

// The close arrives while the export worker waits for its first report to
// the progress bar to be taken.
HWND g_closeFrame = nullptr;
bool g_frameStayed = false;

LRESULT CALLBACK CloseOnFirstReport(int code, WPARAM wParam, LPARAM lParam)
{
    const CWPSTRUCT* sent = reinterpret_cast<const CWPSTRUCT*>(lParam);
    if (code == HC_ACTION && sent->message == PBM_SETRANGE32 && g_closeFrame) {
        HWND frame = g_closeFrame;
        g_closeFrame = nullptr;
        SendMessageA(frame, WM_CLOSE, 0, 0);
        g_frameStayed = IsWindow(frame) != FALSE;
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}
}

TEST_F(MainFrameTest, ACloseDuringAnExportFollowsTheExport)
{
    CStringArray keywords;
    keywords.Add("alpha");
    keywords.Add("beta");
    SetBasketKeywordsOverride(&keywords);
    char temp[MAX_PATH] = "";
    GetTempPathA(MAX_PATH, temp);
    const std::string path = std::string(temp) + "lexifern-close-during-export.txt";
    DeleteFileA(path.c_str());

    HWND frameWnd = frame->GetSafeHwnd();
    g_saveAs = path;
    g_closeFrame = frameWnd;
    g_frameStayed = false;
    UINT_PTR timer = SetTimer(nullptr, 0, 50, &AnswerSaveDialog);
    HHOOK hook = SetWindowsHookExA(WH_CALLWNDPROC, &CloseOnFirstReport, nullptr, GetCurrentThreadId());
    frame->SendMessage(WM_COMMAND, ID_EXPORT_TEXT, 0);
    UnhookWindowsHookEx(hook);
    KillTimer(nullptr, timer);

    // The close waited: the file is whole and the frame still there ...
    EXPECT_EQ(nullptr, g_closeFrame);
    EXPECT_TRUE(g_frameStayed);
    std::ifstream in(path, std::ios::binary);
    EXPECT_EQ("alpha\r\nbeta\r\n", std::string(std::istreambuf_iterator<char>(in), {}));
    in.close();
    DeleteFileA(path.c_str());
    ASSERT_TRUE(IsWindow(frameWnd));

    // ... and closes now, ending the loop.
    MSG msg;
    const DWORD start = GetTickCount();
    while (IsWindow(frameWnd) && GetTickCount() - start < 5000) {
        if (PeekMessageA(&msg, frameWnd, 0, 0, PM_REMOVE))
            DispatchMessageA(&msg);
        else
            Sleep(5);
    }
    EXPECT_FALSE(IsWindow(frameWnd));
    EXPECT_TRUE(PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
}

TEST_F(MainFrameTest, GeneralPageStoresItsKeysAndRearmsTheTimer)
{
    CSettingPageGeneral page(frame);
    // Nothing stored: tips on, log on, auto-save off.
    EXPECT_TRUE(page.m_bShowTips);
    EXPECT_TRUE(page.m_bKeepLog);
    EXPECT_FALSE(page.m_bAutoSave);
    ASSERT_TRUE(page.Create(IDD_SETTING_PAGE_GENERAL, frame));
    CString minutes;
    page.GetDlgItemText(IDC_SAVE_MINUTES, minutes);
    EXPECT_EQ("10", minutes);
    EXPECT_FALSE(page.GetDlgItem(IDC_SAVE_MINUTES)->IsWindowEnabled());

    // Ticking "Auto save" enables the minutes at once.
    page.CheckDlgButton(IDC_AUTO_SAVE, BST_CHECKED);
    page.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_AUTO_SAVE, BN_CLICKED),
                     reinterpret_cast<LPARAM>(page.GetDlgItem(IDC_AUTO_SAVE)->m_hWnd));
    EXPECT_TRUE(page.GetDlgItem(IDC_SAVE_MINUTES)->IsWindowEnabled());

    page.CheckDlgButton(IDC_SHOW_TIPS, BST_UNCHECKED);
    page.CheckDlgButton(IDC_KEEP_LOG, BST_UNCHECKED);
    page.SetDlgItemText(IDC_SAVE_MINUTES, "5");
    ASSERT_TRUE(page.SaveSettings());
    EXPECT_EQ(1u, app->GetProfileInt("Tip", "StartUp", 0));
    EXPECT_EQ(0u, app->GetProfileInt("CBasedApp", "m_bEnableLog", 1));
    EXPECT_EQ(5u, app->GetProfileInt("Settings", "m_iSaveTime", 0));
    EXPECT_EQ(1u, app->GetProfileInt("Settings", "m_bAutoSaveEnable", 0));
    EXPECT_TRUE(app->m_bAutoSaveEnable);
    EXPECT_EQ(300000u, frame->GetAutoSavePeriod());

    // A zero period is armed and stored as one minute.
    page.SetDlgItemText(IDC_SAVE_MINUTES, "0");
    ASSERT_TRUE(page.SaveSettings());
    EXPECT_EQ(1u, app->GetProfileInt("Settings", "m_iSaveTime", 0));
    EXPECT_EQ(60000u, frame->GetAutoSavePeriod());

    // Switched off: the timer is left for the frame's next tick.
    page.CheckDlgButton(IDC_AUTO_SAVE, BST_UNCHECKED);
    page.SetDlgItemText(IDC_SAVE_MINUTES, "7");
    ASSERT_TRUE(page.SaveSettings());
    EXPECT_EQ(0u, app->GetProfileInt("Settings", "m_bAutoSaveEnable", 1));
    EXPECT_EQ(7u, app->GetProfileInt("Settings", "m_iSaveTime", 0));
    EXPECT_EQ(60000u, frame->GetAutoSavePeriod());
    page.DestroyWindow();
    m_bEnableLog = TRUE;
}

TEST_F(MainFrameTest, BasketSettingsDialogReturnsItsBoxes)
{
    CSettingsDialog dialog(nullptr);
    dialog.m_bSortBasket = TRUE;
    BOOL sortShown = FALSE;
    EXPECT_EQ(IDOK, RunModal(dialog, [&](CDialog& d) {
                  sortShown = d.IsDlgButtonChecked(IDC_SORT_BASKET);
                  d.CheckDlgButton(IDC_DEDUPE_BASKET, BST_CHECKED);
                  d.CheckDlgButton(IDC_SORT_BASKET, BST_UNCHECKED);
                  d.SendMessage(WM_COMMAND, IDOK, 0);
              }));
    EXPECT_TRUE(sortShown);
    EXPECT_TRUE(dialog.m_bDedupeBasket);
    EXPECT_FALSE(dialog.m_bSortBasket);
}

TEST_F(MainFrameTest, ErrorReaderShowsTheLastReportOrNoFile)
{
    CString path;
    ASSERT_TRUE(GetExceptionReportPath(path));
    DeleteFileA(path);
    CString shown;
    CErrorReaderDlg first(nullptr);
    RunModal(first, [&](CDialog& d) {
        d.GetDlgItemText(IDC_REPORT_TEXT, shown);
        d.SendMessage(WM_COMMAND, IDOK, 0);
    });
    EXPECT_EQ("No file", shown);

    HANDLE file = CreateFileA(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD written = 0;
    WriteFile(file, "Exception report\nline two\n", 26, &written, nullptr);
    CloseHandle(file);
    CErrorReaderDlg second(nullptr);
    RunModal(second, [&](CDialog& d) {
        d.GetDlgItemText(IDC_REPORT_TEXT, shown);
        d.SendMessage(WM_COMMAND, IDCANCEL, 0);
    });
    EXPECT_EQ("Exception report\r\nline two\r\n", shown);
    DeleteFileA(path);
}

namespace {
// Where a child lies in the frame's client area.
CRect ChildPlace(CFrameWnd* frame, CWnd* child)
{
    CRect rect;
    if (!child || !child->GetSafeHwnd() || !child->IsWindowVisible())
        return rect;
    child->GetWindowRect(&rect);
    frame->ScreenToClient(&rect);
    return rect;
}

std::string Places(CMainFrame* frame)
{
    CString text;
    CWnd* view = frame->GetDlgItem(AFX_IDW_PANE_FIRST);
    CWnd* parts[] = {&frame->m_wndReBar, &frame->GetExportCopyBar(), &frame->m_wndStatusBar, view};
    for (CWnd* part : parts) {
        const CRect r = ChildPlace(frame, part);
        CString one;
        one.Format("(%d,%d,%d,%d)", r.left, r.top, r.right, r.bottom);
        text += one;
    }
    return static_cast<LPCTSTR>(text);
}
} // namespace

// The frame's own layout (rebar, Export/Copy bar, status bar, view) must not
// move when the layer's bar layout changes underneath it: the rectangles are
// those of the frame as it was built before docking existed.
TEST_F(MainFrameTest, BarsAndViewKeepTheirPlaces)
{
    frame->SetWindowPos(nullptr, 0, 0, 800, 600, SWP_NOZORDER | SWP_NOMOVE);
    frame->RecalcLayout();
    EXPECT_EQ("(0,0,792,0)(0,0,792,24)(0,533,792,554)(0,24,792,533)", Places(frame));
    frame->SetWindowPos(nullptr, 0, 0, 640, 420, SWP_NOZORDER | SWP_NOMOVE);
    frame->RecalcLayout();
    EXPECT_EQ("(0,0,632,0)(0,0,632,24)(0,353,632,374)(0,24,632,353)", Places(frame));
    frame->ShowControlBar(&frame->m_wndStatusBar, FALSE, FALSE);
    EXPECT_EQ("(0,0,632,0)(0,0,632,24)(0,0,0,0)(0,24,632,374)", Places(frame));
    frame->ShowControlBar(&frame->m_wndStatusBar, TRUE, FALSE);
    frame->EnterFullScreen();
    EXPECT_EQ("(0,0,1026,0)(0,0,1026,24)(0,0,0,0)(0,24,1026,751)", Places(frame));
    frame->LeaveFullScreen();
    EXPECT_EQ("(0,0,1024,0)(0,0,1024,24)(0,709,1024,730)(0,24,1024,709)", Places(frame));
}
