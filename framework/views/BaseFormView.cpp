#include "framework/views/BaseFormView.h"

#include "controls/menu/BCMenu.h"
#include "framework/frame/MenuRouting.h"

IMPLEMENT_DYNAMIC(CBaseFormView, cdxCDynamicFormView)

BEGIN_MESSAGE_MAP(CBaseFormView, cdxCDynamicFormView)
    ON_WM_CONTEXTMENU()
    ON_WM_INITMENUPOPUP()
    ON_WM_MEASUREITEM()
    ON_WM_DRAWITEM()
    ON_WM_MENUCHAR()
END_MESSAGE_MAP()

namespace {
// The form view's layout redraws while a border is dragged; no size grip.
const UINT FormViewLayoutFlags = cdxCDynamicWnd::FlagSizingRedraw;
} // namespace

CBaseFormView::CBaseFormView(UINT nIDTemplate)
    : cdxCDynamicFormView(nIDTemplate, cdxCDynamicWnd::FreedomBoth, FormViewLayoutFlags),
      m_strSettingsName(),
      m_nContextMenuId(-1)
{
}

CBaseFormView::~CBaseFormView() = default;

void CBaseFormView::OnContextMenu(CWnd* /*pWnd*/, CPoint point)
{
    if (m_nContextMenuId == -1)
        return;
    TrackOwnerDrawnMenu(this, static_cast<UINT>(m_nContextMenuId), GetMenuIconSize(), point, TRUE);
}

void CBaseFormView::OnInitMenuPopup(CMenu* pPopupMenu, UINT nIndex, BOOL bSysMenu)
{
    cdxCDynamicFormView::OnInitMenuPopup(pPopupMenu, nIndex, bSysMenu);
    if (!bSysMenu && BCMenu::IsMenu(pPopupMenu))
        BCMenu::UpdateMenu(pPopupMenu);
}

void CBaseFormView::OnMeasureItem(int nIDCtl, LPMEASUREITEMSTRUCT lpMIS)
{
    if (!MeasureOwnerDrawnMenuItem(lpMIS))
        cdxCDynamicFormView::OnMeasureItem(nIDCtl, lpMIS);
}

void CBaseFormView::OnDrawItem(int nIDCtl, LPDRAWITEMSTRUCT lpDIS)
{
    if (!DrawOwnerDrawnMenuItem(lpDIS))
        cdxCDynamicFormView::OnDrawItem(nIDCtl, lpDIS);
}

LRESULT CBaseFormView::OnMenuChar(UINT nChar, UINT nFlags, CMenu* pMenu)
{
    if (BCMenu::IsMenu(pMenu))
        return BCMenu::OnMenuChar(nChar, nFlags, pMenu);
    return cdxCDynamicFormView::OnMenuChar(nChar, nFlags, pMenu);
}
