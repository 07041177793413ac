// CGetSuggestionThread: one suggestion request on a thread of its own. The
// main view creates it suspended, gives it the keyword, the service's address
// and its own window, and resumes it; the thread fetches the answer, posts it
// to that window as two global blocks (WM_SUGGESTION_RESULT) and deletes
// itself.
#pragma once

#include "afx/Thread.h"

class CGetSuggestionThread : public CWinThread
{
    DECLARE_DYNCREATE(CGetSuggestionThread)
public:
    CGetSuggestionThread();

    BOOL InitInstance() override;
    int Run() override;

    // Set on the UI thread before the thread is resumed; read only by the
    // worker afterwards. The window is captured at creation so that the
    // worker never reaches into the view object, which may be gone by then.
    CString m_strKeyword;
    CString m_strHost;
    UINT m_nTimeoutMs;
    HWND m_hWndTarget;
};

// Copies a text into a new GMEM_FIXED block, NUL-terminated; nullptr when
// memory runs out.
HGLOBAL CopyToGlobalBlock(const CString& text);

// Posts the keyword and the answer to the window. Whatever cannot be handed
// over is freed here: a block that could not be made is sent as 0, and when
// the post itself fails both blocks are freed. FALSE when nothing was posted.
BOOL PostSuggestionResult(HWND target, const CString& keyword, const CString& answer);

// The text of a block received with WM_SUGGESTION_RESULT; the block is freed.
// FALSE for a missing block.
BOOL TakeGlobalText(HGLOBAL block, CString& text);
