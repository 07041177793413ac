// An application that keeps the looks by name and the current one. Skinned
// windows ask it for their painter at every use.
#pragma once

#include "afx/Map.h"
#include "afx/WinApp.h"

class COXSkin;
class CWnd;

class COXSkinnedApp : public CWinApp
{
    DECLARE_DYNAMIC(COXSkinnedApp)
public:
    // Starts with "Classic", "Office XP" and "Office 2003"; "Office XP" is current.
    COXSkinnedApp();
    ~COXSkinnedApp() override;

    // Stores the skin under its name (the application owns it from then on);
    // a skin of the same name leaves the map but is not deleted.
    void AddSkin(COXSkin* pSkin);
    // Takes the skin out of the map without deleting it (the caller owns it
    // again); removing the current skin leaves no current skin.
    BOOL RemoveSkin(LPCTSTR lpszName);
    COXSkin* GetSkin(LPCTSTR lpszName) const;
    // An unknown name leaves no current skin and returns FALSE. The main
    // window, its descendants and its floating frames are re-laid out and
    // repainted with the new painters.
    BOOL SetCurrentSkin(LPCTSTR lpszName);
    BOOL SetCurrentSkin(COXSkin* pSkin);
    COXSkin* GetCurrentSkin() const { return m_pCurrentSkin; }

    // The current skin of the application object when it is a skinned
    // application, else null: a window then uses its own classic painter.
    static COXSkin* GetAppSkin();

    CMapStringToPtr m_mapSkins;
    COXSkin* m_pCurrentSkin;

protected:
    static void ApplySkin(CWnd* pMainWnd);
    static void ApplySkinToWindow(HWND hWnd);
};
