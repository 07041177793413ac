#include "framework/views/BaseFormView.h"

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
    : COwnerDrawnMenuHost(nIDTemplate, cdxCDynamicWnd::FreedomBoth, FormViewLayoutFlags),
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
