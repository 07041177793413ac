#include "framework/log/Logger.h"

#include "afx/Wnd.h"

const UINT UWM_TRACE_CHANGE = RegisterWindowMessageA("UWM_TRACE_CHANGE-{44E678F1-DA79-11d3-9FE9-006067718D04}");

CLogger& GetLogger()
{
    static CLogger logger;
    return logger;
}

UINT CLogger::GetQueueMessage()
{
    static const UINT message = RegisterWindowMessageA("LexifernTraceQueue");
    return message;
}

CLogger::CLogger() : m_pLogFrame(nullptr), m_hLogFrame(nullptr), m_pTarget(nullptr), m_hTarget(nullptr)
{
}

CLogger::~CLogger()
{
    CSingleLock lock(&m_cs, TRUE);
    DiscardQueueLocked();
}

void CLogger::SetLogFrame(CWnd* frame)
{
    CSingleLock lock(&m_cs, TRUE);
    m_pLogFrame = frame;
    m_hLogFrame = frame ? frame->m_hWnd : nullptr;
    if (!frame)
        DiscardQueueLocked();
}

void CLogger::SetEventTarget(ITraceEventTarget* target, HWND targetWnd)
{
    CSingleLock lock(&m_cs, TRUE);
    m_pTarget = target;
    m_hTarget = target ? targetWnd : nullptr;
    if (!target)
        DiscardQueueLocked();
}

bool CLogger::HasLogWindowLocked() const
{
    // The handle is checked, not the object: a frame that is gone must never be touched.
    return m_pLogFrame && IsWindow(m_hLogFrame) && m_pTarget && IsWindow(m_hTarget);
}

void CLogger::DiscardQueueLocked()
{
    for (TraceEvent* event : m_queue)
        delete event;
    m_queue.clear();
}

int CLogger::PostTraceEvent(TraceEvent* event)
{
    if (!event)
        return -1;
    CSingleLock lock(&m_cs, TRUE);
    if (!HasLogWindowLocked()) {
        delete event;
        return -1;
    }
    if (GetWindowThreadProcessId(m_hTarget, nullptr) == GetCurrentThreadId()) {
        // Earlier events of other threads go first, so the list keeps the order of posting.
        std::deque<TraceEvent*> earlier;
        earlier.swap(m_queue);
        for (TraceEvent* queued : earlier)
            m_pTarget->AddEvent(queued);
        return m_pTarget->AddEvent(event);
    }
    bool first = m_queue.empty();
    m_queue.push_back(event);
    if (first && !PostMessageA(m_hTarget, GetQueueMessage(), 0, 0)) {
        DiscardQueueLocked();
        return -1;
    }
    return 0;
}

void CLogger::DeliverQueued()
{
    CSingleLock lock(&m_cs, TRUE);
    std::deque<TraceEvent*> pending;
    pending.swap(m_queue);
    if (!HasLogWindowLocked()) {
        for (TraceEvent* event : pending)
            delete event;
        return;
    }
    for (TraceEvent* event : pending)
        m_pTarget->AddEvent(event);
}
