// Linked into every test program of the program's own code: the web pane's
// pages move to this machine (a port where nothing listens), so creating the
// main view in a test never looks up the maker's outside address.
#include "collector/WebPaneLinks.h"

namespace {
struct LocalWebSite
{
    LocalWebSite() { SetWebPaneSite("http://127.0.0.1:9/"); }
};
LocalWebSite g_localWebSite;
}
