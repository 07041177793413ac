// A skin: a named look that owns one painter per kind of skinned window,
// and the classic look made of the system-colour painters.
#pragma once

#include "afx/Map.h"
#include "afx/String.h"
#include "toolkit/bars/skins/OXSkinInterfaces.h"

class COXSkin
{
public:
    COXSkin();
    virtual ~COXSkin();

    COXSkin(const COXSkin&) = delete;
    COXSkin& operator=(const COXSkin&) = delete;

    CString GetName() const { return m_strName; }

    // The painters may be null: a window then uses its own classic painter.
    COXToolbarSkin* GetToolbarSkin() const { return m_pToolbarSkin; }
    COXMenuSkin* GetMenuSkin() const { return m_pMenuSkin; }
    COXToolbarSkin* GetSecondToolbarSkin() const { return m_pSecondToolbarSkin; }
    COXDockbarSkin* GetDockbarSkin() const { return m_pDockbarSkin; }
    COXTabSkin* GetTabSkin() const { return m_pTabSkin; }
    COXShortcutBarSkin* GetShortcutBarSkin() const { return m_pShortcutBarSkin; }
    COXMiniFrameSkin* GetMiniFrameSkin() const { return m_pMiniFrameSkin; }
    COXStatusbarSkin* GetStatusbarSkin() const { return m_pStatusbarSkin; }
    COXFrameSkin* GetFrameSkin() const { return m_pFrameSkin; }

    // Each setter deletes the painter in its slot and owns the new one (null empties the slot).
    void SetToolbarSkin(COXToolbarSkin* pSkin) { Replace(m_pToolbarSkin, pSkin); }
    void SetMenuSkin(COXMenuSkin* pSkin) { Replace(m_pMenuSkin, pSkin); }
    void SetSecondToolbarSkin(COXToolbarSkin* pSkin) { Replace(m_pSecondToolbarSkin, pSkin); }
    void SetDockbarSkin(COXDockbarSkin* pSkin) { Replace(m_pDockbarSkin, pSkin); }
    void SetTabSkin(COXTabSkin* pSkin) { Replace(m_pTabSkin, pSkin); }
    void SetShortcutBarSkin(COXShortcutBarSkin* pSkin) { Replace(m_pShortcutBarSkin, pSkin); }
    void SetMiniFrameSkin(COXMiniFrameSkin* pSkin) { Replace(m_pMiniFrameSkin, pSkin); }
    void SetStatusbarSkin(COXStatusbarSkin* pSkin) { Replace(m_pStatusbarSkin, pSkin); }
    void SetFrameSkin(COXFrameSkin* pSkin) { Replace(m_pFrameSkin, pSkin); }

    // Empty when the property is not set.
    CString GetProperty(LPCTSTR lpszName) const;

    CString m_strName;
    COXToolbarSkin* m_pToolbarSkin;
    COXMenuSkin* m_pMenuSkin;
    COXToolbarSkin* m_pSecondToolbarSkin;
    COXDockbarSkin* m_pDockbarSkin;
    COXTabSkin* m_pTabSkin;
    COXShortcutBarSkin* m_pShortcutBarSkin;
    COXMiniFrameSkin* m_pMiniFrameSkin;
    COXStatusbarSkin* m_pStatusbarSkin;
    COXFrameSkin* m_pFrameSkin;
    CMapStringToString m_mapProperties;

private:
    template <typename T>
    static void Replace(T*& pSlot, T* pNew)
    {
        delete pSlot;
        pSlot = pNew;
    }
};

// "Classic": system colours and the classic painters.
class COXSkinClassic : public COXSkin
{
public:
    COXSkinClassic();
};
