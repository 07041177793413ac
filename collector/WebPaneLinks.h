// What the web pane does with an address it is asked to open: the pane shows
// only the maker's fixed pages, "app:" links carry numbered commands to the
// program, and every other address belongs to the user's own browser. Plain
// functions, so the decisions can be checked without a browser.
#pragma once

#include "afx/String.h"

enum WebPaneLinkAction {
    WebPaneLoadInPane,     // one of the fixed pages: the pane loads it
    WebPaneOpenInShell,    // anything else: the shell opens it, the pane keeps its page
    WebPaneAppCommand,     // "app:" + '0'..'3': a command for the program, not loaded
    WebPaneAppIgnored      // "app:" with no known command: not loaded, nothing done
};

// The number of fixed pages and the address of one of them (0 is the start
// page the main view opens). The pages lie below the maker's site; tests move
// the site to this machine, so that no test ever looks up an outside name.
const int WebPanePageCount = 3;
inline constexpr char DefaultWebPaneSite[] = "http://www.lexifern.example/";
void SetWebPaneSite(LPCTSTR site);
CString GetWebPaneSite();
CString GetWebPanePage(int index);

// Decides what happens to url. For WebPaneAppCommand, command receives the
// digit as a one-character string; otherwise it is emptied.
WebPaneLinkAction ClassifyWebPaneLink(const CString& url, CString& command);
