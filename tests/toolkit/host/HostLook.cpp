#include "HostLook.h"

#include "HostResource.h"
#include "afx/WinApp.h"
#include "toolkit/bars/skins/OXSkin.h"
#include "toolkit/bars/skins/OXSkinnedApp.h"

namespace {
COXSkinnedApp* SkinnedApp()
{
    return static_cast<COXSkinnedApp*>(AfxDynamicDownCast(RUNTIME_CLASS(COXSkinnedApp), AfxGetApp()));
}
} // namespace

void AppendHostMenus(HMENU menuBar)
{
    HMENU host = ::CreatePopupMenu();
    ::AppendMenuA(host, MF_STRING, ID_HOST_REFRESH, "&Refresh state");
    ::AppendMenuA(host, MF_SEPARATOR, 0, nullptr);
    ::AppendMenuA(host, MF_STRING, ID_HOST_EXIT, "E&xit");
    ::AppendMenuA(menuBar, MF_POPUP, reinterpret_cast<UINT_PTR>(host), "&Host");
    HMENU look = ::CreatePopupMenu();
    ::AppendMenuA(look, MF_STRING, ID_HOST_LOOK_CLASSIC, "&Classic");
    ::AppendMenuA(look, MF_STRING, ID_HOST_LOOK_XP, "Office &XP");
    ::AppendMenuA(look, MF_STRING, ID_HOST_LOOK_2003, "Office &2003");
    ::AppendMenuA(look, MF_STRING, ID_HOST_LOOK_NONE, "&No skin");
    ::AppendMenuA(menuBar, MF_POPUP, reinterpret_cast<UINT_PTR>(look), "&Look");
}

BOOL DoLookCommand(UINT nID)
{
    const char* names[] = {"Classic", "Office XP", "Office 2003", ""};
    if (nID < ID_HOST_LOOK_CLASSIC || nID > ID_HOST_LOOK_NONE)
        return FALSE;
    if (COXSkinnedApp* app = SkinnedApp())
        app->SetCurrentSkin(names[nID - ID_HOST_LOOK_CLASSIC]);
    return TRUE;
}

CString CurrentLookName()
{
    COXSkin* skin = COXSkinnedApp::GetAppSkin();
    return skin ? skin->GetName() : CString("none");
}
