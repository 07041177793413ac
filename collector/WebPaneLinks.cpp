#include "collector/WebPaneLinks.h"

namespace {
// The pages of the maker's site written for the pane. Compared whole and
// case-sensitively: a query string or other spelling is a different page.
const char* const PanePages[WebPanePageCount] = {
    "http://www.lexifern.example/pane/start.html",
    "http://www.lexifern.example/pane/news.html",
    "http://www.lexifern.example/pane/tips.html",
};

const char AppScheme[] = "app:";
const int AppSchemeLength = 4;
} // namespace

CString GetWebPanePage(int index)
{
    ASSERT(index >= 0 && index < WebPanePageCount);
    return PanePages[index];
}

WebPaneLinkAction ClassifyWebPaneLink(const CString& url, CString& command)
{
    command.Empty();
    if (url.GetLength() >= AppSchemeLength && url.Left(AppSchemeLength).CompareNoCase(AppScheme) == 0) {
        const char digit = url.GetLength() > AppSchemeLength ? url[AppSchemeLength] : '\0';
        if (digit < '0' || digit > '3')
            return WebPaneAppIgnored;
        command = CString(digit);
        return WebPaneAppCommand;
    }
    for (const char* page : PanePages)
        if (url == page)
            return WebPaneLoadInPane;
    return WebPaneOpenInShell;
}
