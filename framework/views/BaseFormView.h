// CBaseFormView: the framework's form view. Its controls follow the view's
// size by the derived class's layout map, and its right-click menu (when it
// names one) shows each command enabled or grayed as the control of the same
// id is. The main view and the framework's grid and tab views derive from it.
#pragma once

#include "controls/layout/DynamicFormView.h"
#include "framework/frame/OwnerDrawnMenuHost.h"

class CBaseFormView : public COwnerDrawnMenuHost<cdxCDynamicFormView>
{
    DECLARE_DYNAMIC(CBaseFormView)
protected:
    explicit CBaseFormView(UINT nIDTemplate);

public:
    ~CBaseFormView() override;

    CString m_strSettingsName;   // profile section of the derived view's settings
    int m_nContextMenuId;        // right-click menu resource; -1: none

protected:
    afx_msg void OnContextMenu(CWnd* pWnd, CPoint point);
    DECLARE_MESSAGE_MAP()
};
