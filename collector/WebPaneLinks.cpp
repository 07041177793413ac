#include "collector/WebPaneLinks.h"

namespace {
// The pages of the maker's site written for the pane, below the site's
// address. Compared whole and case-sensitively: a query string or other
// spelling is a different page.
const char* const PanePages[WebPanePageCount] = {
    "pane/start.html",
    "pane/news.html",
    "pane/tips.html",
};

CString& Site()
{
    static CString site(DefaultWebPaneSite);
    return site;
}

const char AppScheme[] = "app:";
const int AppSchemeLength = 4;
} // namespace

void SetWebPaneSite(LPCTSTR site)
{
    Site() = site ? site : DefaultWebPaneSite;
}

CString GetWebPaneSite()
{
    return Site();
}

CString GetWebPanePage(int index)
{
    ASSERT(index >= 0 && index < WebPanePageCount);
    return Site() + PanePages[index];
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
    for (int i = 0; i < WebPanePageCount; ++i)
        if (url == GetWebPanePage(i))
            return WebPaneLoadInPane;
    return WebPaneOpenInShell;
}
