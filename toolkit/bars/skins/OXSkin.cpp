#include "toolkit/bars/skins/OXSkin.h"

#include "toolkit/bars/skins/OXFrameSkin.h"
#include "toolkit/bars/statusbar/OXStatusbarSkin.h"

#include <new>

COXSkin::COXSkin()
    : m_pToolbarSkin(nullptr), m_pMenuSkin(nullptr), m_pSecondToolbarSkin(nullptr), m_pDockbarSkin(nullptr),
      m_pTabSkin(nullptr), m_pShortcutBarSkin(nullptr), m_pMiniFrameSkin(nullptr), m_pStatusbarSkin(nullptr),
      m_pFrameSkin(nullptr), m_mapProperties(10)
{
}

COXSkin::~COXSkin()
{
    delete m_pToolbarSkin;
    delete m_pMenuSkin;
    delete m_pSecondToolbarSkin;
    delete m_pDockbarSkin;
    delete m_pTabSkin;
    delete m_pShortcutBarSkin;
    delete m_pMiniFrameSkin;
    delete m_pStatusbarSkin;
    delete m_pFrameSkin;
}

CString COXSkin::GetProperty(LPCTSTR lpszName) const
{
    CString value;
    if (!m_mapProperties.Lookup(lpszName, value))
        value.Empty();
    return value;
}

COXSkinClassic::COXSkinClassic()
{
    m_strName = _T("Classic");
    m_pStatusbarSkin = new (std::nothrow) COXStatusbarSkinClassic;
    m_pFrameSkin = new (std::nothrow) COXFrameSkinClassic;
}
