// CTraceList: the list box of the trace-log window. Each item is one trace
// event, which the list owns and draws itself in three columns (local time,
// thread, text) in the event's colour. The list can keep an entry limit with
// a marker line counting what was dropped, append each new event to a log
// file (disk mode), save, copy and print its lines, and move among the error
// events. After each change it sends UWM_TRACE_CHANGE to its parent.
#pragma once

#include "afx/BasicCtrls.h"
#include "framework/log/TraceEvent.h"

class CPrinter;

class CTraceList : public CListBox
{
    DECLARE_DYNAMIC(CTraceList)
public:
    CTraceList();
    ~CTraceList() override;

    // Creates the list's own window with the owner-drawn multi-selection style.
    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);
    BOOL PreCreateWindow(CREATESTRUCT& cs) override;

    // Takes ownership of the event; returns its index, or -1 when the list
    // has no window or the event is null.
    int AddEvent(TraceEvent* event);
    // n < 0 turns the limit off; otherwise at least 20 entries are kept.
    void SetLimit(int n);
    void ApplyLimit(BOOL on);
    // A line of "=" that the limit never trims (nor anything above it).
    void AddSeparator();

    int DeleteString(UINT nIndex);
    BOOL DeleteSelection();
    void ClearAll();
    void SelectAll();
    void DeselectAll();
    BOOL CopySelection();
    BOOL CutSelection();
    BOOL CopyTextToClipboard(LPCTSTR text);

    void GoFirst();
    void GoLast();
    BOOL GoNextError();
    BOOL GoPrevError();

    // Writes every line to the log file: with bSave and a known file, to that
    // file; otherwise to a file the user chooses.
    BOOL Save(BOOL bSave);
    // Turning disk mode on first saves the whole list to a file the user chooses.
    BOOL SetDiskMode(BOOL on);
    // The log file and disk mode as remembered from the last run: set as they
    // are, without asking for a file or saving.
    void SetFileName(LPCTSTR path) { m_strFileName = path; }
    void SetDiskModeDirect(BOOL on) { m_bDiskMode = on; }
    void Print();

    BOOL CanGoFirst() const;
    BOOL CanGoLast() const;
    BOOL CanNextError() const;
    BOOL CanPrevError() const;
    BOOL CanSave() const { return GetCount() > 0 && m_bModified; }
    BOOL HasItems() const { return GetCount() > 0; }
    BOOL HasSelection() const { return GetSelCount() > 0; }

    TraceEvent* GetEvent(int index) const;
    // The lines of the selected items (or of all), each ended by CR LF.
    CString FormatLines(BOOL selectedOnly) const;
    // Index of the next error event after / the previous one before `index`; -1 when none.
    int FindNextError(int index) const;
    int FindPrevError(int index) const;
    // Prints the lines through a started printer, each in its event's colour.
    void PrintLines(CPrinter& printer, BOOL selectedOnly);

    const CString& GetFileName() const { return m_strFileName; }
    BOOL IsDiskMode() const { return m_bDiskMode; }
    BOOL IsModified() const { return m_bModified; }
    BOOL IsLimitOn() const { return m_bLimit; }
    int GetLimit() const { return m_nLimit; }
    int GetCaretIndex() const;

    void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override;
    void MeasureItem(LPMEASUREITEMSTRUCT lpMeasureItemStruct) override;

protected:
    // The file choice and the failure box, apart so that tests can answer them.
    virtual BOOL AskFileName(BOOL bSave, CString& path);
    virtual void ShowSaveError();

    afx_msg void OnDestroy();
    DECLARE_MESSAGE_MAP()

private:
    void AppendToLogFile(const TraceEvent* event) const;
    // Removes the item and frees its event, telling no one.
    void RemoveItem(int index);
    void FreeAllEvents();
    void NotifyParent();
    void MeasureColumns(CDC* pDC);
    int LineWidth(CDC* pDC, const TraceEvent* event) const;
    void RecalcExtent();
    void SelectError(int index);

protected:
    int m_nLineHeight;
    CString m_strFileName;
    BOOL m_bDiskMode;
    CPrinter* m_pPrinter;
    int m_nDeleted;
    BOOL m_bShowThread;
    int m_nTimeWidth;
    int m_nThreadWidth;
    int m_nMaxExtent;
    BOOL m_bModified;
    int m_nLimit;
    BOOL m_bLimit;
    int m_nKeepHead;
};
