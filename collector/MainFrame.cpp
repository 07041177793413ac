#include "collector/MainFrame.h"

#include "afx/CmdUI.h"
#include "afx/Menu.h"
#include "afx/WinApp.h"
#include "collector/BasketKeywords.h"
#include "collector/ErrorReaderDlg.h"
#include "collector/ExportAndCopy.h"
#include "collector/ExportFormat.h"
#include "collector/LexifernDoc.h"
#include "collector/SettingsDialog.h"
#include "controls/dialogs/FileDialogST.h"
#include "controls/menu/BCMenu.h"
#include "framework/app/BasedApp.h"
#include "framework/frame/MenuRouting.h"
#include "framework/util/ClipboardFunctions.h"
#include "resources/resource.h"

#include <algorithm>

namespace {
CMainFrame* g_frame = nullptr;

// WS_OVERLAPPEDWINDOW: caption, system menu, thick frame, minimise and
// maximise boxes; no document name in the caption.
const DWORD FrameStyle = 0x00CF0000;
const char FrameTitle[] = "Quillmoss";

const UINT StatusIndicators[] = {ID_SEPARATOR, ID_INDICATOR_CAPS, ID_INDICATOR_NUM, ID_INDICATOR_SCRL};

// The Export/Copy bar: a flat list bar, gripper, tool tips, dynamic size.
const DWORD ExportBarCtrlStyle = TBSTYLE_FLAT | TBSTYLE_LIST;
const DWORD ExportBarStyle = WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN | CBRS_GRIPPER | CBRS_TOP |
                             CBRS_TOOLTIPS | CBRS_FLYBY | CBRS_SIZE_DYNAMIC;
const COLORREF ExportBarMask = RGB(255, 0, 255);
const int ExportBarImageSize = 16;
const int ExportBarHeight = 24;
const int ExportBarButtonWidth = 35;
// Only the two drop-down buttons show text (mixed buttons). They size
// themselves to image, caption and arrow: the bar's fixed button width
// would cut the captions.
const BYTE DropDownButtonStyle = TBSTYLE_DROPDOWN | BTNS_SHOWTEXT | BTNS_AUTOSIZE;

const int MillisecondsPerMinute = 60000;
const int MenuImageSize = 16;
// The save dialog: overwrite prompt and multiple selection (the dialog adds
// the explorer look).
const DWORD ExportDialogFlags = OFN_OVERWRITEPROMPT | OFN_ALLOWMULTISELECT;
}

int ClampAutoSaveMinutes(int minutes)
{
    return std::min(std::max(minutes, AutoSaveMinMinutes), AutoSaveMaxMinutes);
}

IMPLEMENT_DYNCREATE(CMainFrame, CBasedMainFrame)

BEGIN_MESSAGE_MAP(CMainFrame, CBasedMainFrame)
    ON_WM_CREATE()
    ON_COMMAND(ID_PROGRAM_SETTINGS, &CMainFrame::OnProgramSettings)
    ON_WM_CLOSE()
    ON_WM_TIMER()
    ON_COMMAND(ID_ERROR_REPORT, &CMainFrame::OnErrorReport)
    // The button faces do nothing; having both handlers keeps them enabled.
    ON_COMMAND(ID_EXPORT_DROPDOWN, &CMainFrame::OnExportButton)
    ON_UPDATE_COMMAND_UI(ID_EXPORT_DROPDOWN, &CMainFrame::OnUpdateExportButton)
    ON_COMMAND(ID_COPY_DROPDOWN, &CMainFrame::OnCopyButton)
    ON_UPDATE_COMMAND_UI(ID_COPY_DROPDOWN, &CMainFrame::OnUpdateCopyButton)
    ON_NOTIFY(TBN_DROPDOWN, ExportCopyBarId, &CMainFrame::OnToolbarDropDown)
    ON_WM_ENTERMENULOOP()
    ON_COMMAND(ID_EXPORT_HTML, &CMainFrame::OnExportTohtmlfile)
    ON_COMMAND(ID_EXPORT_TEXT, &CMainFrame::OnExportTotextfile)
    ON_COMMAND(ID_EXPORT_CSV, &CMainFrame::OnExportTocsvfile)
    ON_COMMAND(ID_EXPORT_EXCEL, &CMainFrame::OnExportToexcel)
    ON_COMMAND(ID_EXPORT_METATAG, &CMainFrame::OnExportTometatag)
    ON_COMMAND(ID_EXPORT_ADWORDS_BROAD, &CMainFrame::OnExportToAdwordsBroadMatch)
    ON_COMMAND(ID_EXPORT_ADWORDS_EXACT, &CMainFrame::OnExportToAdwordsExactMatch)
    ON_COMMAND(ID_EXPORT_ADWORDS_PHRASE, &CMainFrame::OnExportTotAdwordsPhraseMatch)
    ON_COMMAND(ID_COPY_TEXT, &CMainFrame::OnCopyAsText)
    ON_COMMAND(ID_COPY_HTML_TABLE, &CMainFrame::OnCopyAsHtmlTable)
    ON_COMMAND(ID_COPY_CSV, &CMainFrame::OnCopyAsCsvList)
    ON_COMMAND(ID_COPY_METATAG, &CMainFrame::OnCopyAsMetaTag)
    ON_COMMAND(ID_COPY_ADWORDS_BROAD, &CMainFrame::OnCopyAsText)
    ON_COMMAND(ID_COPY_ADWORDS_EXACT, &CMainFrame::OnCopyAsExactMatch)
    ON_COMMAND(ID_COPY_ADWORDS_PHRASE, &CMainFrame::OnCopyAsPhraseMatch)
END_MESSAGE_MAP()

CMainFrame* GetMainFrame()
{
    return g_frame;
}

CMainFrame::CMainFrame()
    : m_wndExportCopyBar(), m_nAutoSavePeriod(0), m_bExporting(FALSE), m_bCloseAfterExport(FALSE)
{
    // The program's menus and bars use 16-pixel images (the base's are 32).
    SetMenuIconSize(MenuImageSize);
    m_nImageSize = MenuImageSize;
    g_frame = this;
}

CMainFrame::~CMainFrame()
{
    if (g_frame == this)
        g_frame = nullptr;
}

BOOL CMainFrame::PreCreateWindow(CREATESTRUCT& cs)
{
    if (!CBasedMainFrame::PreCreateWindow(cs))
        return FALSE;
    cs.style = FrameStyle;
    cs.lpszName = FrameTitle;
    return TRUE;
}

void CMainFrame::InstallMainMenu()
{
    // The owner-drawn menu (with its images) replaces the template's plain one.
    HMENU menu = BuildMainMenu();
    if (menu) {
        HMENU plain = ::GetMenu(m_hWnd);
        ::SetMenu(m_hWnd, menu);
        m_hMenuDefault = menu;
        if (plain && plain != menu)
            ::DestroyMenu(plain);
    }
    DrawMenuBar();
}

void CMainFrame::EnterSavedFullScreen()
{
    if (m_bFullScreen)
        EnterFullScreen();
}

int CMainFrame::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CFrameWnd::OnCreate(lpCreateStruct) == -1)
        return -1;
    if (!m_wndStatusBar.Create(this, WS_CHILD | WS_VISIBLE | CBRS_BOTTOM, AFX_IDW_STATUS_BAR) ||
        !m_wndStatusBar.SetIndicators(StatusIndicators, sizeof StatusIndicators / sizeof StatusIndicators[0]))
        return -1;
    EnableDocking(CBRS_ALIGN_ANY);
    if (CBasedMainFrame::OnCreate(lpCreateStruct) == -1)
        return -1;
    // The framework's main toolbar stays hidden: the Export/Copy bar takes
    // its place.
    ShowControlBar(&m_wndToolBar, FALSE, FALSE);
    // A missing Export/Copy bar leaves the menu's commands working.
    CreateExportCopyToolBar();

    ShowWindow(SW_SHOW);
    SetForegroundWindow();
    SetFocus();

    // Started whatever the switch says; the first tick with the switch off
    // stops it.
    if (CBasedApp* app = GetBasedApp())
        app->m_iSaveTime = ArmAutoSaveTimer(app->m_iSaveTime);
    else
        ArmAutoSaveTimer(10);
    return 0;
}

BOOL CMainFrame::CreateExportCopyToolBar()
{
    if (!m_wndExportCopyBar.CreateEx(this, ExportBarCtrlStyle, ExportBarStyle, CRect(0, 0, 0, 0), ExportCopyBarId))
        return FALSE;
    if (!m_wndExportCopyBar.LoadToolBar(IDR_TOOLBAR_EXPORTCOPY))
        return FALSE;
    m_wndExportCopyBar.LoadToolBarImages(IDR_TOOLBAR_EXPORTCOPY, ExportBarMask, ExportBarImageSize);
    m_wndExportCopyBar.SendMessage(TB_SETEXTENDEDSTYLE, 0, TBSTYLE_EX_DRAWDDARROWS | TBSTYLE_EX_MIXEDBUTTONS);

    m_wndExportCopyBar.SetButtonStyle(ExportButtonIndex,
                                      m_wndExportCopyBar.GetButtonStyle(ExportButtonIndex) | DropDownButtonStyle);
    m_wndExportCopyBar.SetButtonStyle(CopyButtonIndex,
                                      m_wndExportCopyBar.GetButtonStyle(CopyButtonIndex) | DropDownButtonStyle);
    m_wndExportCopyBar.SetButtonText(CopyButtonIndex, "Copy");
    m_wndExportCopyBar.SetButtonText(ExportButtonIndex, "Export");

    m_wndExportCopyBar.SetHeight(ExportBarHeight);
    m_wndExportCopyBar.SetSizes(CSize(ExportBarButtonWidth, ExportBarHeight),
                                CSize(ExportBarImageSize, ExportBarImageSize));
    return TRUE;
}

int CMainFrame::ArmAutoSaveTimer(int minutes)
{
    int armed = ClampAutoSaveMinutes(minutes);
    KillTimer(AutoSaveTimerId);
    m_nAutoSavePeriod = static_cast<UINT>(armed) * MillisecondsPerMinute;
    if (!SetTimer(AutoSaveTimerId, m_nAutoSavePeriod, nullptr))
        m_nAutoSavePeriod = 0;
    return armed;
}

void CMainFrame::OnClose()
{
    // The export worker reads the Basket of the view that closing destroys,
    // and writes into its dialog: the frame closes once the export has ended.
    if (m_bExporting) {
        m_bCloseAfterExport = TRUE;
        return;
    }
    KillTimer(AutoSaveTimerId);
    m_nAutoSavePeriod = 0;
    CBasedMainFrame::OnClose();
}

void CMainFrame::OnTimer(UINT_PTR nIDEvent)
{
    if (nIDEvent == AutoSaveTimerId) {
        CBasedApp* app = GetBasedApp();
        if (!app || !app->m_bAutoSaveEnable) {
            // Stays off until the settings page arms it again.
            KillTimer(AutoSaveTimerId);
            m_nAutoSavePeriod = 0;
        } else if (CLexifernDoc* doc = GetLexifernDoc()) {
            if (doc->IsModified()) {
                // A failed save is silent: the document stays modified and
                // the next tick tries again.
                try {
                    doc->OnSaveDocument(doc->GetPathName());
                } catch (CException* e) {
                    e->Delete();
                } catch (...) {
                }
            }
        }
    }
    Default();
}

void CMainFrame::OnProgramSettings()
{
    CSettingsDialog dialog(nullptr);
    dialog.DoModal();
}

void CMainFrame::OnErrorReport()
{
    CErrorReaderDlg dialog(nullptr);
    dialog.DoModal();
}

void CMainFrame::OnExportButton() {}
void CMainFrame::OnUpdateExportButton(CCmdUI*) {}
void CMainFrame::OnCopyButton() {}
void CMainFrame::OnUpdateCopyButton(CCmdUI*) {}

CMenu* CMainFrame::LoadDropDownMenu(UINT buttonCommand, BCMenu& menu)
{
    UINT menuId;
    if (buttonCommand == ID_COPY_DROPDOWN)
        menuId = IDR_MENU_COPY;
    else if (buttonCommand == ID_EXPORT_DROPDOWN)
        menuId = IDR_MENU_EXPORT;
    else
        return nullptr;
    if (!menu.LoadMenu(menuId))
        return nullptr;
    return menu.GetSubMenu(0);
}

void CMainFrame::OnToolbarDropDown(NMHDR* pNMHDR, LRESULT* pResult)
{
    *pResult = 0;
    const NMTOOLBAR* toolbar = reinterpret_cast<const NMTOOLBAR*>(pNMHDR);
    int buttonIndex;
    if (toolbar->iItem == ID_COPY_DROPDOWN)
        buttonIndex = CopyButtonIndex;
    else if (toolbar->iItem == ID_EXPORT_DROPDOWN)
        buttonIndex = ExportButtonIndex;
    else
        return;

    CRect rect;
    m_wndExportCopyBar.GetItemRect(buttonIndex, &rect);
    m_wndExportCopyBar.ClientToScreen(&rect);

    BCMenu menu;
    if (CMenu* popup = LoadDropDownMenu(static_cast<UINT>(toolbar->iItem), menu))
        popup->TrackPopupMenu(TPM_RIGHTBUTTON, rect.left, rect.bottom, this);
    menu.DestroyMenu();
}

namespace {
// Hides one shown common tooltip window of the thread: the bars' and the
// buttons' tips.
BOOL CALLBACK PopToolTip(HWND hwnd, LPARAM)
{
    char className[32] = {};
    if (::IsWindowVisible(hwnd) && ::GetClassNameA(hwnd, className, sizeof className) &&
        lstrcmpiA(className, TOOLTIPS_CLASSA) == 0)
        ::SendMessageA(hwnd, TTM_POP, 0, 0);
    return TRUE;
}
} // namespace

void CMainFrame::OnEnterMenuLoop(BOOL bIsTrackPopupMenu)
{
    ::EnumThreadWindows(::GetCurrentThreadId(), PopToolTip, 0);
    m_tooltip.Pop();
    CBasedMainFrame::OnEnterMenuLoop(bIsTrackPopupMenu);
}

BOOL CMainFrame::AskExportPath(const ExportCommandInfo& info, const CString& lastPath, CString& path)
{
    CFileDialogST dialog(FALSE, info.pszExtension, lastPath, ExportDialogFlags, info.pszFilter, this);
    if (dialog.DoModal() != IDOK)
        return FALSE;
    path = dialog.GetPathName();
    return TRUE;
}

void CMainFrame::RunExport(int format, const CString& path)
{
    CExportAndCopy dialog(0, nullptr);
    dialog.m_nExportFormat = format;
    dialog.m_strPath = path;
    dialog.DoModal();
}

void CMainFrame::ExportBasket(UINT commandId)
{
    const ExportCommandInfo* info = FindExportCommand(commandId);
    CWinApp* app = AfxGetApp();
    if (!info || !app)
        return;
    CString lastPath = app->GetProfileString(g_szExportSection, info->pszHandler, info->pszProposedName);
    CString path;
    if (!AskExportPath(*info, lastPath, path))
        return;
    app->WriteProfileString(g_szExportSection, info->pszHandler, path);
    m_bExporting = TRUE;
    RunExport(info->nFormat, path);
    m_bExporting = FALSE;
    if (m_bCloseAfterExport) {
        m_bCloseAfterExport = FALSE;
        PostMessage(WM_CLOSE);
    }
}

void CMainFrame::CopyBasket(UINT commandId)
{
    const CopyCommandInfo* info = FindCopyCommand(commandId);
    const CStringArray* keywords = GetBasketKeywords();
    if (!info || !keywords)
        return;
    // An empty Basket gives an empty text, which leaves the clipboard as it was.
    SetClipboardText(BuildCopyText(info->nFormat, *keywords));
}

void CMainFrame::OnExportTohtmlfile() { ExportBasket(ID_EXPORT_HTML); }
void CMainFrame::OnExportTotextfile() { ExportBasket(ID_EXPORT_TEXT); }
void CMainFrame::OnExportTocsvfile() { ExportBasket(ID_EXPORT_CSV); }
void CMainFrame::OnExportToexcel() { ExportBasket(ID_EXPORT_EXCEL); }
void CMainFrame::OnExportTometatag() { ExportBasket(ID_EXPORT_METATAG); }
void CMainFrame::OnExportToAdwordsBroadMatch() { ExportBasket(ID_EXPORT_ADWORDS_BROAD); }
void CMainFrame::OnExportToAdwordsExactMatch() { ExportBasket(ID_EXPORT_ADWORDS_EXACT); }
void CMainFrame::OnExportTotAdwordsPhraseMatch() { ExportBasket(ID_EXPORT_ADWORDS_PHRASE); }

void CMainFrame::OnCopyAsText() { CopyBasket(ID_COPY_TEXT); }
void CMainFrame::OnCopyAsHtmlTable() { CopyBasket(ID_COPY_HTML_TABLE); }
void CMainFrame::OnCopyAsCsvList() { CopyBasket(ID_COPY_CSV); }
void CMainFrame::OnCopyAsMetaTag() { CopyBasket(ID_COPY_METATAG); }
void CMainFrame::OnCopyAsExactMatch() { CopyBasket(ID_COPY_ADWORDS_EXACT); }
void CMainFrame::OnCopyAsPhraseMatch() { CopyBasket(ID_COPY_ADWORDS_PHRASE); }
