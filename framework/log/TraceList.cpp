#include "framework/log/TraceList.h"

#include "afx/DC.h"
#include "afx/File.h"
#include "afx/GdiObject.h"
#include "afx/WinApp.h"
#include "framework/log/Logger.h"
#include "framework/log/Printer.h"
#include "resources/resource.h"

#include <commdlg.h>
#include <time.h>

#include <vector>

IMPLEMENT_DYNAMIC(CTraceList, CListBox)

BEGIN_MESSAGE_MAP(CTraceList, CListBox)
    ON_WM_DRAWITEM_REFLECT()
    ON_WM_MEASUREITEM_REFLECT()
    ON_WM_DESTROY()
END_MESSAGE_MAP()

namespace {
// Texts measured once to size the time and thread columns.
const char TimeColumnSample[] = "00/00/0000 00:00:00";
const char ThreadColumnSample[] = "00000000  ";

// The fewest entries a limit keeps (and the room kept below a separator).
const int MinimumLimit = 20;
const int NoLimit = 0x7FFFFFFF;

// Gap between the time text and its column's right edge, and the offset of
// the column rules left of each column start.
const int TimeRightGap = 8;
const int ColumnRuleOffset = 3;

const int SeparatorLength = 64;
// When navigating to an error, this many lines stay visible above it.
const int ErrorContextLines = 3;

const char LineEnd[] = "\r\n";

bool IsErrorEvent(const TraceEvent* event)
{
    return event && event->IsKindOf(RUNTIME_CLASS(TraceError));
}

CString FormatEventTime(__time64_t time)
{
    struct tm local;
    if (_localtime64_s(&local, &time) != 0)
        return CString();
    char buffer[128];
    if (strftime(buffer, sizeof buffer, "%x %X", &local) == 0)
        return CString();
    return CString(buffer);
}

// Selects the list's own font into a DC for the length of a scope.
class CListFontScope
{
public:
    CListFontScope(CDC& dc, HFONT font) : m_dc(dc), m_old(font ? ::SelectObject(dc, font) : nullptr) {}
    CListFontScope(CDC& dc, CFont* font)
        : CListFontScope(dc, font ? static_cast<HFONT>(font->GetSafeHandle()) : nullptr) {}
    ~CListFontScope()
    {
        if (m_old)
            ::SelectObject(m_dc, m_old);
    }
    CListFontScope(const CListFontScope&) = delete;
    CListFontScope& operator=(const CListFontScope&) = delete;

private:
    CDC& m_dc;
    HGDIOBJ m_old;
};
}

CTraceList::CTraceList()
    : m_nLineHeight(0), m_bDiskMode(FALSE), m_pPrinter(nullptr), m_nDeleted(0), m_bShowThread(TRUE),
      m_nTimeWidth(0), m_nThreadWidth(0), m_nMaxExtent(0), m_bModified(FALSE), m_nLimit(NoLimit),
      m_bLimit(FALSE), m_nKeepHead(0)
{
}

CTraceList::~CTraceList()
{
    delete m_pPrinter;
}

BOOL CTraceList::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    return CWnd::Create("LISTBOX", nullptr, dwStyle, rect, pParentWnd, nID);
}

BOOL CTraceList::PreCreateWindow(CREATESTRUCT& cs)
{
    cs.style &= ~(LBS_SORT | LBS_OWNERDRAWFIXED | LBS_HASSTRINGS | LBS_MULTICOLUMN | LBS_EXTENDEDSEL | LBS_NOSEL);
    cs.style |= LBS_NOTIFY | LBS_MULTIPLESEL | LBS_OWNERDRAWVARIABLE | LBS_NOINTEGRALHEIGHT | WS_VSCROLL |
                WS_HSCROLL | WS_BORDER;
    return CListBox::PreCreateWindow(cs);
}

void CTraceList::OnDestroy()
{
    // The events are ours: free them before the control forgets its items.
    FreeAllEvents();
    CListBox::OnDestroy();
}

TraceEvent* CTraceList::GetEvent(int index) const
{
    LRESULT data = AfxCtrlSend(this, LB_GETITEMDATA, index);
    if (data == LB_ERR)
        return nullptr;
    return reinterpret_cast<TraceEvent*>(data);
}

int CTraceList::GetCaretIndex() const
{
    return static_cast<int>(AfxCtrlSend(this, LB_GETCARETINDEX));
}

void CTraceList::NotifyParent()
{
    CWnd* parent = GetParent();
    if (parent && parent->GetSafeHwnd())
        ::SendMessage(parent->GetSafeHwnd(), UWM_TRACE_CHANGE, 0, 0);
}

void CTraceList::RemoveItem(int index)
{
    TraceEvent* event = GetEvent(index);
    if (CListBox::DeleteString(index) == LB_ERR)
        return;
    delete event;
}

void CTraceList::FreeAllEvents()
{
    if (!m_hWnd)
        return;
    int count = GetCount();
    for (int i = 0; i < count; ++i) {
        delete GetEvent(i);
        SetItemData(i, 0);
    }
}

// ---- Measuring and drawing ------------------------------------------------

void CTraceList::MeasureColumns(CDC* pDC)
{
    if (m_nLineHeight == 0) {
        TEXTMETRIC tm = {};
        pDC->GetTextMetrics(&tm);
        m_nLineHeight = tm.tmHeight + tm.tmInternalLeading;
    }
    if (m_nTimeWidth == 0) {
        m_nTimeWidth = pDC->GetTextExtent(TimeColumnSample).cx;
        m_nThreadWidth = m_bShowThread ? pDC->GetTextExtent(ThreadColumnSample).cx : 0;
    }
}

int CTraceList::LineWidth(CDC* pDC, const TraceEvent* event) const
{
    return pDC->GetTextExtent(event->GetText()).cx + m_nTimeWidth + m_nThreadWidth;
}

void CTraceList::RecalcExtent()
{
    m_nMaxExtent = 0;
    CClientDC dc(this);
    CListFontScope font(dc, GetFont());
    MeasureColumns(&dc);
    int count = GetCount();
    for (int i = 0; i < count; ++i) {
        if (const TraceEvent* event = GetEvent(i))
            m_nMaxExtent = std::max(m_nMaxExtent, LineWidth(&dc, event));
    }
    SetHorizontalExtent(m_nMaxExtent);
}

void CTraceList::MeasureItem(LPMEASUREITEMSTRUCT lpMeasureItemStruct)
{
    if (m_nLineHeight == 0) {
        CClientDC dc(this);
        CListFontScope font(dc, GetFont());
        MeasureColumns(&dc);
    }
    const TraceEvent* event = reinterpret_cast<const TraceEvent*>(lpMeasureItemStruct->itemData);
    int lines = event ? event->GetLineCount() : 1;
    lpMeasureItemStruct->itemHeight = static_cast<UINT>(lines * m_nLineHeight);
}

void CTraceList::DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct)
{
    CDC* pDC = CDC::FromHandle(lpDrawItemStruct->hDC);
    CRect rect(lpDrawItemStruct->rcItem);
    MeasureColumns(pDC);

    if (lpDrawItemStruct->itemID == static_cast<UINT>(-1)) {
        pDC->FillSolidRect(&rect, ::GetSysColor(COLOR_WINDOW));
        if (lpDrawItemStruct->itemState & ODS_FOCUS)
            pDC->DrawFocusRect(&rect);
        return;
    }
    const TraceEvent* event = reinterpret_cast<const TraceEvent*>(lpDrawItemStruct->itemData);
    if (!event)
        return;

    int saved = pDC->SaveDC();
    COLORREF background, text;
    if (lpDrawItemStruct->itemState & ODS_SELECTED) {
        bool focused = ::GetFocus() == m_hWnd;
        background = ::GetSysColor(focused ? COLOR_HIGHLIGHT : COLOR_BTNFACE);
        text = ::GetSysColor(focused ? COLOR_HIGHLIGHTTEXT : COLOR_BTNTEXT);
    } else {
        background = ::GetSysColor(COLOR_WINDOW);
        text = event->GetColor();
    }
    pDC->FillSolidRect(&rect, background);
    pDC->SetTextColor(text);
    pDC->SetBkMode(TRANSPARENT);

    CString time = FormatEventTime(event->m_time);
    if (CFont* font = event->GetFont())
        pDC->SelectObject(font);

    int timeX = rect.left + m_nTimeWidth - pDC->GetTextExtent(time).cx - TimeRightGap;
    pDC->TextOut(timeX, rect.top, time);
    if (m_bShowThread)
        pDC->TextOut(rect.left + m_nTimeWidth, rect.top, event->GetThreadText());
    int rule1 = rect.left + m_nTimeWidth - ColumnRuleOffset;
    int rule2 = rect.left + m_nTimeWidth + m_nThreadWidth - ColumnRuleOffset;
    pDC->MoveTo(rule1, rect.top);
    pDC->LineTo(rule1, rect.bottom);
    pDC->MoveTo(rule2, rect.top);
    pDC->LineTo(rule2, rect.bottom);
    pDC->TextOut(rect.left + m_nTimeWidth + m_nThreadWidth, rect.top, event->GetText());

    if (lpDrawItemStruct->itemState & ODS_FOCUS)
        pDC->DrawFocusRect(&rect);
    pDC->RestoreDC(saved);
}

// ---- Adding and the limit ---------------------------------------------------

void CTraceList::AppendToLogFile(const TraceEvent* event) const
{
    if (m_strFileName.IsEmpty())
        return;
    // Written as bytes: the line end is exactly one CR LF, whatever a text
    // mode would make of it.
    CString line = event->FormatTraceLine() + LineEnd;
    CFile file;
    if (!file.Open(m_strFileName, CFile::modeReadWrite | CFile::modeCreate | CFile::modeNoTruncate |
                                      CFile::shareExclusive))
        return;
    try {
        file.SeekToEnd();
        file.Write(static_cast<LPCTSTR>(line), static_cast<UINT>(line.GetLength()));
        file.Close();
    } catch (CException* e) {
        // A log file that cannot be written must not stop the logging itself.
        e->Delete();
        file.Abort();
    }
}

int CTraceList::AddEvent(TraceEvent* event)
{
    if (!event)
        return -1;
    if (m_bDiskMode)
        AppendToLogFile(event);
    if (!m_hWnd || !::IsWindow(m_hWnd)) {
        delete event;
        return -1;
    }

    int count = GetCount();
    int oldTop = GetTopIndex();

    BOOL trimmed = FALSE;
    if (m_bLimit && count > m_nLimit - 1) {
        // The item after the kept head is the marker of the last trimming (or
        // the oldest entry when none was made yet): it goes first, uncounted,
        // and a new marker with the new total takes its place below.
        RemoveItem(m_nKeepHead + 1);
        while (count > m_nLimit - 1) {
            RemoveItem(m_nKeepHead + 1);
            ++m_nDeleted;
            count = GetCount();
            int top = m_nKeepHead >= oldTop ? oldTop - 1 : oldTop;
            if (top >= 0)
                SetTopIndex(top);
        }
        trimmed = TRUE;
    }
    if (trimmed) {
        CString format;
        format.LoadString(IDS_LOG_ENTRIES_DELETED);
        TraceEvent* marker = new TraceFormatComment(-1, format, m_nDeleted + 1);
        if (AfxCtrlSend(this, LB_INSERTSTRING, m_nKeepHead + 1, reinterpret_cast<LPARAM>(marker)) < 0)
            delete marker;
        m_bModified = TRUE;
    }

    CRect client;
    GetClientRect(&client);
    count = GetCount();
    BOOL lastVisible = count == 0;
    if (!lastVisible) {
        CRect last;
        GetItemRect(count - 1, &last);
        lastVisible = last.top < client.bottom;
    }

    int index = static_cast<int>(AfxCtrlSend(this, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(event)));
    if (index < 0) {
        delete event;
        return -1;
    }
    m_bModified = TRUE;

    if (lastVisible) {
        CRect added;
        GetItemRect(index, &added);
        if (added.bottom > client.bottom && oldTop + 1 < GetCount())
            SetTopIndex(oldTop + 1);
    }

    {
        CClientDC dc(this);
        CListFontScope font(dc, GetFont());
        MeasureColumns(&dc);
        int width = LineWidth(&dc, event);
        if (width > m_nMaxExtent) {
            m_nMaxExtent = width;
            SetHorizontalExtent(m_nMaxExtent);
        } else if (trimmed) {
            RecalcExtent();
        }
    }
    NotifyParent();
    return index;
}

void CTraceList::SetLimit(int n)
{
    if (n < 0) {
        m_bLimit = FALSE;
        return;
    }
    m_nLimit = std::max(n, MinimumLimit);
    if (m_nLimit < m_nKeepHead)
        m_nLimit = m_nKeepHead + MinimumLimit;
    m_bLimit = TRUE;
}

void CTraceList::ApplyLimit(BOOL on)
{
    m_bLimit = on;
    if (!on)
        return;
    BOOL deleted = FALSE;
    while (GetCount() > 0 && GetCount() > m_nLimit - 1) {
        RemoveItem(0);
        deleted = TRUE;
    }
    if (deleted) {
        m_bModified = TRUE;
        RecalcExtent();
        NotifyParent();
    }
}

void CTraceList::AddSeparator()
{
    int index = AddEvent(new TraceComment(-1, CString('=', SeparatorLength)));
    if (index < 0)
        return;
    m_nKeepHead = index;
    if (m_nLimit > 0 && m_nLimit < m_nKeepHead + MinimumLimit)
        m_nLimit = m_nKeepHead + MinimumLimit;
}

// ---- Deleting and selecting -------------------------------------------------

int CTraceList::DeleteString(UINT nIndex)
{
    m_bModified = TRUE;
    RemoveItem(static_cast<int>(nIndex));
    RecalcExtent();
    NotifyParent();
    return GetCount();
}

BOOL CTraceList::DeleteSelection()
{
    BOOL any = FALSE;
    int first = 0;
    while (GetSelCount() > 0 && GetSelItems(1, &first) == 1) {
        RemoveItem(first);
        any = TRUE;
    }
    if (!any)
        return FALSE;
    m_bModified = TRUE;
    RecalcExtent();
    NotifyParent();
    return TRUE;
}

void CTraceList::ClearAll()
{
    m_bModified = TRUE;
    m_nMaxExtent = 0;
    FreeAllEvents();
    ResetContent();
    SetHorizontalExtent(0);
    NotifyParent();
}

void CTraceList::SelectAll()
{
    SetRedraw(FALSE);
    // -1 stands for every item of a multiple-selection list.
    SetSel(-1, TRUE);
    SetRedraw(TRUE);
    Invalidate();
}

void CTraceList::DeselectAll()
{
    SetSel(-1, FALSE);
}

CString CTraceList::FormatLines(BOOL selectedOnly) const
{
    CString text;
    int count = GetCount();
    for (int i = 0; i < count; ++i) {
        if (selectedOnly && GetSel(i) <= 0)
            continue;
        if (const TraceEvent* event = GetEvent(i)) {
            text += event->FormatTraceLine();
            text += LineEnd;
        }
    }
    return text;
}

BOOL CTraceList::CopySelection()
{
    return CopyTextToClipboard(FormatLines(TRUE));
}

BOOL CTraceList::CutSelection()
{
    if (!CopySelection())
        return FALSE;
    DeleteSelection();
    return TRUE;
}

BOOL CTraceList::CopyTextToClipboard(LPCTSTR text)
{
    size_t length = strlen(text);
    HGLOBAL block = ::GlobalAlloc(GMEM_MOVEABLE, length + 1);
    if (!block)
        return FALSE;
    memcpy(::GlobalLock(block), text, length + 1);
    ::GlobalUnlock(block);
    if (!::OpenClipboard(m_hWnd)) {
        ::GlobalFree(block);
        return FALSE;
    }
    ::EmptyClipboard();
    if (!::SetClipboardData(CF_TEXT, block))
        ::GlobalFree(block);
    ::CloseClipboard();
    return TRUE;
}

// ---- Navigation ---------------------------------------------------------------

void CTraceList::GoFirst()
{
    if (GetCount() == 0)
        return;
    SetTopIndex(0);
    DeselectAll();
    SetSel(0, TRUE);
    AfxCtrlSend(this, LB_SETCARETINDEX, 0, FALSE);
}

void CTraceList::GoLast()
{
    int count = GetCount();
    if (count == 0)
        return;
    SetTopIndex(count - 1);
    DeselectAll();
    SetSel(count - 1, TRUE);
    AfxCtrlSend(this, LB_SETCARETINDEX, count - 1, FALSE);
    NotifyParent();
}

int CTraceList::FindNextError(int index) const
{
    int count = GetCount();
    for (int i = std::max(index + 1, 0); i < count; ++i) {
        if (IsErrorEvent(GetEvent(i)))
            return i;
    }
    return -1;
}

int CTraceList::FindPrevError(int index) const
{
    for (int i = std::min(index, GetCount()) - 1; i >= 0; --i) {
        if (IsErrorEvent(GetEvent(i)))
            return i;
    }
    return -1;
}

void CTraceList::SelectError(int index)
{
    SetTopIndex(index > ErrorContextLines ? index - ErrorContextLines : index);
    DeselectAll();
    SetSel(index, TRUE);
    // The next search starts from the error found, not from where it began.
    AfxCtrlSend(this, LB_SETCARETINDEX, index, FALSE);
    NotifyParent();
}

BOOL CTraceList::GoNextError()
{
    int index = FindNextError(GetCaretIndex());
    if (index < 0)
        return FALSE;
    SelectError(index);
    return TRUE;
}

BOOL CTraceList::GoPrevError()
{
    int index = FindPrevError(GetCaretIndex());
    if (index < 0)
        return FALSE;
    SelectError(index);
    return TRUE;
}

BOOL CTraceList::CanNextError() const
{
    return FindNextError(GetCaretIndex()) >= 0;
}

BOOL CTraceList::CanPrevError() const
{
    return FindPrevError(GetCaretIndex()) >= 0;
}

BOOL CTraceList::CanGoFirst() const
{
    if (GetCount() == 0)
        return FALSE;
    int top = GetTopIndex();
    return GetSel(top) <= 0 || top > 0;
}

BOOL CTraceList::CanGoLast() const
{
    int count = GetCount();
    if (count < 2)
        return FALSE;
    CRect client, last;
    GetClientRect(&client);
    GetItemRect(count - 1, &last);
    if (last.bottom > client.bottom)
        return TRUE;
    return GetSelCount() > 0 && GetSel(count - 1) <= 0;
}

// ---- Saving and disk mode -------------------------------------------------------

BOOL CTraceList::AskFileName(BOOL bSave, CString& path)
{
    CString filter, title;
    filter.LoadString(IDS_LOG_FILTER);
    title.LoadString(bSave ? IDS_LOG_SAVE : IDS_LOG_SAVE_AS);
    // The filter is stored with '|' between its parts; the dialog wants zeros.
    std::vector<char> filterBuffer(static_cast<LPCTSTR>(filter), static_cast<LPCTSTR>(filter) + filter.GetLength() + 1);
    filterBuffer.push_back(0);
    for (char& ch : filterBuffer) {
        if (ch == '|')
            ch = 0;
    }
    char file[MAX_PATH] = "";
    lstrcpynA(file, path, MAX_PATH);
    OPENFILENAMEA ofn = {};
    ofn.lStructSize = sizeof ofn;
    ofn.hwndOwner = m_hWnd;
    ofn.lpstrFilter = filterBuffer.data();
    ofn.lpstrFile = file;
    ofn.nMaxFile = MAX_PATH;
    ofn.lpstrTitle = title;
    ofn.lpstrDefExt = "log";
    ofn.Flags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT;
    if (!::GetSaveFileNameA(&ofn))
        return FALSE;
    path = file;
    return TRUE;
}

void CTraceList::ShowSaveError()
{
    AfxMessageBox(IDS_LOG_OPEN_FAILED, MB_ICONERROR);
}

BOOL CTraceList::Save(BOOL bSave)
{
    CString target = m_strFileName;
    if (!bSave || target.IsEmpty()) {
        if (!AskFileName(bSave, target))
            return FALSE;
    }
    if (CWinApp* app = AfxGetApp())
        app->WriteProfileString("CTraceList", "name", target);

    BOOL written = FALSE;
    DWORD error = 0;
    CFile file;
    CFileException openError;
    if (file.Open(target, CFile::modeCreate | CFile::modeWrite | CFile::shareExclusive, &openError)) {
        try {
            CString text = FormatLines(FALSE);
            file.Write(static_cast<LPCTSTR>(text), static_cast<UINT>(text.GetLength()));
            file.Close();
            written = TRUE;
        } catch (CFileException* e) {
            error = static_cast<DWORD>(e->m_lOsError);
            e->Delete();
            file.Abort();
        }
    } else {
        error = static_cast<DWORD>(openError.m_lOsError);
    }
    if (written) {
        m_strFileName = target;
        m_bModified = FALSE;
        return TRUE;
    }
    ShowSaveError();
    AddEvent(new TraceFormatMessage(-1, error));
    return FALSE;
}

BOOL CTraceList::SetDiskMode(BOOL on)
{
    if (m_bDiskMode) {
        m_bDiskMode = on;
        return TRUE;
    }
    if (!on)
        return FALSE;
    m_bDiskMode = Save(FALSE);
    return m_bDiskMode;
}

// ---- Printing -----------------------------------------------------------------

void CTraceList::PrintLines(CPrinter& printer, BOOL selectedOnly)
{
    CDC* pDC = printer.GetDC();
    int count = GetCount();
    for (int i = 0; i < count; ++i) {
        if (selectedOnly && GetSel(i) <= 0)
            continue;
        const TraceEvent* event = GetEvent(i);
        if (!event)
            continue;
        int saved = pDC->SaveDC();
        pDC->SetTextColor(event->GetColor());
        printer.PrintLine(event->FormatTraceLine());
        pDC->RestoreDC(saved);
    }
}

void CTraceList::Print()
{
    PRINTDLGA pd = {};
    pd.lStructSize = sizeof pd;
    pd.hwndOwner = m_hWnd;
    pd.Flags = PD_RETURNDC | PD_NOPAGENUMS | PD_HIDEPRINTTOFILE | PD_USEDEVMODECOPIESANDCOLLATE;
    int selected = GetSelCount();
    if (selected < 2)
        pd.Flags |= PD_NOSELECTION;
    if (selected > 10)
        pd.Flags |= PD_SELECTION;
    BOOL ok = ::PrintDlgA(&pd);
    if (pd.hDevMode)
        ::GlobalFree(pd.hDevMode);
    if (pd.hDevNames)
        ::GlobalFree(pd.hDevNames);
    if (!ok || !pd.hDC)
        return;

    CDC dc;
    dc.Attach(pd.hDC);
    m_pPrinter = new CPrinter(&dc);
    if (m_pPrinter->StartPrinting())
        PrintLines(*m_pPrinter, (pd.Flags & PD_SELECTION) != 0);
    delete m_pPrinter;
    m_pPrinter = nullptr;
    dc.DeleteDC();
}
