#include "collector/KeywordHistory.h"

void AppendKeywordHistory(CStringArray& history, const CString& keyword)
{
    history.Add(keyword);
    while (history.GetSize() > kKeywordHistoryLimit)
        history.RemoveAt(0);
}

BOOL StepBackInHistory(CStringArray& history, const CString& current, CString& previous)
{
    while (history.GetSize() > 0 && history[history.GetSize() - 1].Compare(current) == 0)
        history.RemoveAt(history.GetSize() - 1);
    if (history.GetSize() == 0)
        return FALSE;
    previous = history[history.GetSize() - 1];
    return TRUE;
}
