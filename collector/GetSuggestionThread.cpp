#include "collector/GetSuggestionThread.h"

#include "collector/CollectorMessages.h"
#include "collector/SuggestionFetch.h"

#include <cstring>

IMPLEMENT_DYNCREATE(CGetSuggestionThread, CWinThread)

CGetSuggestionThread::CGetSuggestionThread() : m_strKeyword(), m_strHost(), m_nTimeoutMs(kSuggestionTimeoutDefaultMs), m_hWndTarget(nullptr)
{
    m_bAutoDelete = TRUE;
}

BOOL CGetSuggestionThread::InitInstance()
{
    return TRUE;
}

int CGetSuggestionThread::Run()
{
    // An empty keyword asks nothing: the view shows an empty list.
    CString answer;
    if (!m_strKeyword.IsEmpty())
        answer = FetchSuggestions(m_strKeyword, m_strHost, m_nTimeoutMs);
    PostSuggestionResult(m_hWndTarget, m_strKeyword, answer);
    return ExitInstance();
}

HGLOBAL CopyToGlobalBlock(const CString& text)
{
    const size_t length = static_cast<size_t>(text.GetLength());
    HGLOBAL block = ::GlobalAlloc(GMEM_FIXED, length + 1);
    if (!block)
        return nullptr;
    // GMEM_FIXED: the handle is the address.
    std::memcpy(block, static_cast<LPCTSTR>(text), length + 1);
    return block;
}

BOOL PostSuggestionResult(HWND target, const CString& keyword, const CString& answer)
{
    HGLOBAL keywordBlock = CopyToGlobalBlock(keyword);
    HGLOBAL answerBlock = CopyToGlobalBlock(answer);
    // Posted even with a block missing, so that the view ends its busy state.
    if (target && ::PostMessageA(target, WM_SUGGESTION_RESULT, reinterpret_cast<WPARAM>(keywordBlock),
                                 reinterpret_cast<LPARAM>(answerBlock)))
        return TRUE;
    if (keywordBlock)
        ::GlobalFree(keywordBlock);
    if (answerBlock)
        ::GlobalFree(answerBlock);
    return FALSE;
}

BOOL TakeGlobalText(HGLOBAL block, CString& text)
{
    if (!block)
        return FALSE;
    text = static_cast<LPCSTR>(block);
    ::GlobalFree(block);
    return TRUE;
}
