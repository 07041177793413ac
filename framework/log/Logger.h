// CLogger: the one process-wide sink of trace events. Any thread posts events
// to it; it hands them to the trace-log window's list while that window
// exists and discards them otherwise.
//
// The list lives on the user-interface thread. An event posted there is added
// at once; an event posted by another thread is queued and the list's window
// is told by a posted message to take the queue. So the logger's lock is never
// held while waiting for another thread, and a worker that logs while the UI
// thread is busy (or itself waiting to log) cannot deadlock with it.
#pragma once

#include "afx/Sync.h"
#include "framework/log/TraceEvent.h"

#include <deque>

class CWnd;

// Registered under "UWM_TRACE_CHANGE-{44E678F1-DA79-11d3-9FE9-006067718D04}":
// the trace list tells its parent that its contents or selection changed.
extern const UINT UWM_TRACE_CHANGE;

// What the log window's list offers the logger. Called on the list window's
// thread; takes ownership of the event and returns its index, or -1.
class ITraceEventTarget
{
public:
    virtual ~ITraceEventTarget() = default;
    virtual int AddEvent(TraceEvent* event) = 0;
};

class CLogger
{
public:
    CLogger();
    ~CLogger();
    CLogger(const CLogger&) = delete;
    CLogger& operator=(const CLogger&) = delete;

    // Takes ownership of the event in every case. Returns the list index of
    // the event, 0 when it was queued for the list from another thread, and
    // -1 when it was discarded (no log window, or a null event).
    int PostTraceEvent(TraceEvent* event);

    // The log window: its frame (set when the main frame creates it, cleared
    // when it is destroyed) and the list the events go to, with the window
    // that owns that list (it receives GetQueueMessage()).
    void SetLogFrame(CWnd* frame);
    CWnd* GetLogFrame() const { return m_pLogFrame; }
    void SetEventTarget(ITraceEventTarget* target, HWND targetWnd);

    // The target window calls this when it receives GetQueueMessage().
    void DeliverQueued();
    static UINT GetQueueMessage();

    CCriticalSection m_cs;
    CWnd* m_pLogFrame;

private:
    bool HasLogWindowLocked() const;
    void DiscardQueueLocked();

    HWND m_hLogFrame;
    ITraceEventTarget* m_pTarget;
    HWND m_hTarget;
    std::deque<TraceEvent*> m_queue;
};

// The process-wide logger.
CLogger& GetLogger();
