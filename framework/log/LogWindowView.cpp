#include "framework/log/LogWindowView.h"

#include "afx/CmdUI.h"
#include "afx/DataExchange.h"
#include "afx/DocTemplate.h"
#include "afx/Document.h"
#include "afx/FrameWnd.h"
#include "afx/WinApp.h"
#include "framework/log/LogFrame.h"
#include "framework/log/LogWindowDoc.h"
#include "framework/log/TraceNoteDlg.h"
#include "resources/resource.h"

#include <stdlib.h>

IMPLEMENT_DYNCREATE(CLogWindowView, CFormView)

namespace {
const UINT s_traceQueueMessage = CLogger::GetQueueMessage();

const char SampleData[] = "This is some sample data";
const int SampleDataLength = sizeof SampleData - 1;   // 24 bytes, without the terminator
const char SampleErrorRule[] = "==============";
const DWORD SampleErrorNumber = ERROR_ACCESS_DENIED;

// How long the new log window stays visible before it is hidden (ms).
const DWORD LogWindowFirstShow = 50;

BOOL g_bDefaultDiskMode = TRUE;
CString& DefaultLogFile()
{
    static CString file("log.txt");
    return file;
}
}

CLogWindowView* CLogWindowView::s_pView = nullptr;

BEGIN_MESSAGE_MAP(CLogWindowView, CFormView)
    ON_WM_SIZE()
    ON_WM_DESTROY()
    ON_REGISTERED_MESSAGE(UWM_TRACE_CHANGE, &CLogWindowView::OnTraceChange)
    ON_REGISTERED_MESSAGE(s_traceQueueMessage, &CLogWindowView::OnTraceQueue)
    ON_COMMAND(ID_FILE_SAVE, &CLogWindowView::OnFileSave)
    ON_COMMAND(ID_FILE_SAVE_AS, &CLogWindowView::OnFileSave)
    ON_UPDATE_COMMAND_UI(ID_FILE_SAVE, &CLogWindowView::OnUpdateFileSave)
    ON_UPDATE_COMMAND_UI(ID_FILE_SAVE_AS, &CLogWindowView::OnUpdateFileSaveAs)
    ON_COMMAND(ID_FILE_PRINT, &CLogWindowView::OnFilePrint)
    ON_UPDATE_COMMAND_UI(ID_FILE_PRINT, &CLogWindowView::OnUpdateHasItems)
    ON_COMMAND(ID_EDIT_COPY, &CLogWindowView::OnEditCopy)
    ON_UPDATE_COMMAND_UI(ID_EDIT_COPY, &CLogWindowView::OnUpdateHasSelection)
    ON_COMMAND(ID_EDIT_CUT, &CLogWindowView::OnEditCut)
    ON_UPDATE_COMMAND_UI(ID_EDIT_CUT, &CLogWindowView::OnUpdateHasSelection)
    ON_COMMAND(ID_EDIT_CLEAR, &CLogWindowView::OnEditClear)
    ON_UPDATE_COMMAND_UI(ID_EDIT_CLEAR, &CLogWindowView::OnUpdateHasSelection)
    ON_COMMAND(ID_EDIT_CLEAR_ALL, &CLogWindowView::OnEditClearAll)
    ON_UPDATE_COMMAND_UI(ID_EDIT_CLEAR_ALL, &CLogWindowView::OnUpdateHasItems)
    ON_COMMAND(ID_EDIT_SELECT_ALL, &CLogWindowView::OnEditSelectAll)
    ON_UPDATE_COMMAND_UI(ID_EDIT_SELECT_ALL, &CLogWindowView::OnUpdateHasItems)
    ON_BN_CLICKED(IDC_LOG_FIRST, &CLogWindowView::OnFirst)
    ON_BN_CLICKED(IDC_LOG_PREV_ERROR, &CLogWindowView::OnPrevError)
    ON_BN_CLICKED(IDC_LOG_NEXT_ERROR, &CLogWindowView::OnNextError)
    ON_BN_CLICKED(IDC_LOG_LAST, &CLogWindowView::OnLast)
    ON_BN_CLICKED(IDC_LOG_LIMIT, &CLogWindowView::OnLimit)
    ON_BN_CLICKED(IDC_LOG_SET_LIMIT, &CLogWindowView::OnSetLimit)
    ON_BN_CLICKED(IDC_LOG_NOTE, &CLogWindowView::OnNote)
    ON_BN_CLICKED(IDC_LOG_DISK, &CLogWindowView::OnDisk)
    ON_LBN_SELCHANGE(IDC_TRACE_LIST, &CLogWindowView::OnSelChange)
    ON_COMMAND(ID_TRACE_TEST_COMMENT, &CLogWindowView::OnTestComment)
    ON_COMMAND(ID_TRACE_TEST_DATA_BINARY, &CLogWindowView::OnTestDataBinary)
    ON_COMMAND(ID_TRACE_TEST_DATA_STRING, &CLogWindowView::OnTestDataString)
    ON_COMMAND(ID_TRACE_TEST_ERROR, &CLogWindowView::OnTestError)
    ON_COMMAND(ID_TRACE_TEST_FORMAT_ERROR, &CLogWindowView::OnTestFormatError)
    ON_COMMAND(ID_TRACE_TEST_FORMAT_MESSAGE, &CLogWindowView::OnTestFormatMessage)
    ON_UPDATE_COMMAND_UI_RANGE(ID_TRACE_TEST_COMMENT, ID_TRACE_TEST_DATA_STRING, &CLogWindowView::OnUpdateTest)
END_MESSAGE_MAP()

CLogWindowView::CLogWindowView() : CFormView(IDD_LOG_WINDOW), m_nTestCount(0), m_bRegistered(FALSE)
{
    s_pView = this;
}

CLogWindowView::~CLogWindowView()
{
    if (m_bRegistered)
        GetLogger().SetEventTarget(nullptr, nullptr);
    if (s_pView == this)
        s_pView = nullptr;
}

void CLogWindowView::SetDefaults(BOOL logToDisk, LPCTSTR logFile)
{
    g_bDefaultDiskMode = logToDisk;
    DefaultLogFile() = logFile;
}

void CLogWindowView::DoDataExchange(CDataExchange* pDX)
{
    CFormView::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_LOG_DISK, m_btnDisk);
    DDX_Control(pDX, IDC_LOG_SET_LIMIT, m_btnSet);
    DDX_Control(pDX, IDC_LOG_FIRST, m_btnFirst);
    DDX_Control(pDX, IDC_LOG_PREV_ERROR, m_btnPrev);
    DDX_Control(pDX, IDC_LOG_NEXT_ERROR, m_btnNext);
    DDX_Control(pDX, IDC_TRACE_LIST, m_list);
    DDX_Control(pDX, IDC_LOG_LIMIT_VALUE, m_editLimit);
    DDX_Control(pDX, IDC_LOG_LIMIT, m_btnLimit);
    DDX_Control(pDX, IDC_LOG_LAST, m_btnLast);
}

int CLogWindowView::AddEvent(TraceEvent* event)
{
    return m_list.AddEvent(event);
}

void CLogWindowView::OnInitialUpdate()
{
    CFormView::OnInitialUpdate();
    LayoutList();

    CString title;
    title.LoadString(IDS_LOG_TITLE);
    if (CFrameWnd* frame = GetParentFrame()) {
        frame->SetTitle(title);
        frame->SetWindowText(title);
    }

    BOOL desired = g_bDefaultDiskMode;
    CString file = DefaultLogFile();
    if (CWinApp* app = AfxGetApp()) {
        desired = app->GetProfileInt("CLogWindowView", "desired", g_bDefaultDiskMode) != 0;
        file = app->GetProfileString("CTraceList", "name", DefaultLogFile());
    }
    m_btnDisk.SetCheck(desired ? BST_CHECKED : BST_UNCHECKED);
    m_list.SetFileName(file);
    m_list.SetDiskModeDirect(desired);
    UpdateButtons();

    // From now on the logger delivers events here.
    GetLogger().SetEventTarget(this, m_hWnd);
    m_bRegistered = TRUE;
}

void CLogWindowView::OnDestroy()
{
    if (m_bRegistered) {
        GetLogger().SetEventTarget(nullptr, nullptr);
        m_bRegistered = FALSE;
    }
    CFormView::OnDestroy();
}

void CLogWindowView::LayoutList()
{
    if (!m_list.GetSafeHwnd())
        return;
    CRect client, rect;
    GetClientRect(&client);
    m_list.GetWindowRect(&rect);
    ScreenToClient(&rect);
    m_list.MoveWindow(0, rect.top, client.Width(), std::max(0L, client.Height() - rect.top));
}

void CLogWindowView::OnSize(UINT nType, int cx, int cy)
{
    CFormView::OnSize(nType, cx, cy);
    LayoutList();
}

void CLogWindowView::UpdateButtons()
{
    if (!m_list.GetSafeHwnd())
        return;
    m_btnFirst.EnableWindow(m_list.CanGoFirst());
    m_btnLast.EnableWindow(m_list.CanGoLast());
    m_btnNext.EnableWindow(m_list.CanNextError());
    m_btnPrev.EnableWindow(m_list.CanPrevError());
    BOOL limit = m_btnLimit.GetCheck() == BST_CHECKED;
    m_btnSet.EnableWindow(limit);
    m_editLimit.EnableWindow(limit);
}

LRESULT CLogWindowView::OnTraceChange(WPARAM, LPARAM)
{
    UpdateButtons();
    return 0;
}

LRESULT CLogWindowView::OnTraceQueue(WPARAM, LPARAM)
{
    GetLogger().DeliverQueued();
    return 0;
}

// ---- Commands of the list -----------------------------------------------------

void CLogWindowView::OnFileSave()
{
    m_list.Save(TRUE);
}

void CLogWindowView::OnUpdateFileSave(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(m_list.CanSave());
}

void CLogWindowView::OnUpdateFileSaveAs(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(m_list.HasItems());
}

void CLogWindowView::OnFilePrint()
{
    m_list.Print();
}

void CLogWindowView::OnUpdateHasItems(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(m_list.HasItems());
}

void CLogWindowView::OnUpdateHasSelection(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(m_list.HasSelection());
}

void CLogWindowView::OnEditCopy()
{
    m_list.CopySelection();
}

void CLogWindowView::OnEditCut()
{
    m_list.CutSelection();
}

void CLogWindowView::OnEditClear()
{
    m_list.DeleteSelection();
}

void CLogWindowView::OnEditClearAll()
{
    m_list.ClearAll();
}

void CLogWindowView::OnEditSelectAll()
{
    m_list.SelectAll();
}

// ---- Buttons ----------------------------------------------------------------------

void CLogWindowView::OnFirst()
{
    m_list.GoFirst();
    UpdateButtons();
}

void CLogWindowView::OnPrevError()
{
    m_list.GoPrevError();
    UpdateButtons();
}

void CLogWindowView::OnNextError()
{
    m_list.GoNextError();
    UpdateButtons();
}

void CLogWindowView::OnLast()
{
    m_list.GoLast();
    UpdateButtons();
}

void CLogWindowView::OnLimit()
{
    m_list.ApplyLimit(m_btnLimit.GetCheck() == BST_CHECKED);
    UpdateButtons();
}

void CLogWindowView::OnSetLimit()
{
    CString text;
    m_editLimit.GetWindowText(text);
    int limit = atoi(text);
    if (limit == 0)
        return;
    m_list.SetLimit(limit);
    UpdateButtons();
}

void CLogWindowView::OnNote()
{
    CTraceNoteDlg dialog(GetParentFrame());
    if (dialog.DoModal() != IDOK)
        return;
    dialog.m_strNote.TrimRight();
    if (!dialog.m_strNote.IsEmpty())
        m_list.AddEvent(new TraceNote(-1, dialog.m_strNote));
}

void CLogWindowView::OnDisk()
{
    BOOL on = m_btnDisk.GetCheck() == BST_CHECKED;
    BOOL accepted = m_list.SetDiskMode(on);
    if (on && !accepted) {
        m_btnDisk.SetCheck(BST_UNCHECKED);
        return;
    }
    if (CWinApp* app = AfxGetApp())
        app->WriteProfileInt("CLogWindowView", "desired", on ? 1 : 0);
}

void CLogWindowView::OnSelChange()
{
    UpdateButtons();
}

// ---- Test commands: one sample event of each kind, through the logger -------------

void CLogWindowView::OnTestComment()
{
    GetLogger().PostTraceEvent(new TraceComment(-1, static_cast<UINT>(IDS_TRACE_TEST_COMMENT)));
}

void CLogWindowView::OnTestDataBinary()
{
    GetLogger().PostTraceEvent(new TraceData(-1, SampleData, SampleDataLength));
}

void CLogWindowView::OnTestDataString()
{
    GetLogger().PostTraceEvent(new TraceData(-1, SampleData));
}

void CLogWindowView::OnTestError()
{
    GetLogger().PostTraceEvent(new TraceError(-1, SampleErrorRule));
    GetLogger().PostTraceEvent(new TraceError(-1, static_cast<UINT>(IDS_TRACE_TEST_ERROR)));
}

void CLogWindowView::OnTestFormatError()
{
    ++m_nTestCount;
    UINT format = m_nTestCount == 1 ? IDS_TRACE_TEST_TIME : IDS_TRACE_TEST_TIMES;
    GetLogger().PostTraceEvent(new TraceFormatError(-1, format, m_nTestCount));
}

void CLogWindowView::OnTestFormatMessage()
{
    GetLogger().PostTraceEvent(new TraceError(-1, static_cast<UINT>(IDS_TRACE_TEST_ACCESS_DENIED)));
    GetLogger().PostTraceEvent(new TraceFormatMessage(-1, SampleErrorNumber));
}

void CLogWindowView::OnUpdateTest(CCmdUI* pCmdUI)
{
    CWnd* frame = GetLogger().GetLogFrame();
    pCmdUI->Enable(frame && frame->IsWindow());
}

// ---- The template and opening the window ---------------------------------------------

CMultiDocTemplate* CreateLogTemplate()
{
    return new CMultiDocTemplate(IDR_LOGWINDOW, RUNTIME_CLASS(CLogWindowDoc), RUNTIME_CLASS(CLogFrame),
                                 RUNTIME_CLASS(CLogWindowView));
}

CFrameWnd* OpenLogWindow(CDocTemplate* logTemplate)
{
    CWnd* existing = GetLogger().GetLogFrame();
    if (existing && existing->IsWindow()) {
        existing->ShowWindow(SW_SHOW);
        if (existing->IsIconic())
            existing->ShowWindow(SW_RESTORE);
        existing->SetForegroundWindow();
        return static_cast<CFrameWnd*>(existing);
    }
    if (!logTemplate)
        return nullptr;
    CDocument* doc = logTemplate->CreateNewDocument();
    if (!doc)
        return nullptr;
    CFrameWnd* frame = logTemplate->CreateNewFrame(doc, nullptr);
    if (!frame) {
        delete doc;
        return nullptr;
    }
    logTemplate->InitialUpdateFrame(frame, doc, TRUE);
    GetLogger().SetLogFrame(frame);
    ::Sleep(LogWindowFirstShow);
    frame->ShowWindow(SW_HIDE);
    return frame;
}
