// CBaseFormView: the framework's form view. Its controls follow the view's
// size by the derived class's layout map, and its right-click menu (when it
// names one) shows each command enabled or grayed as the control of the same
// id is. The main view and the framework's grid and tab views derive from it.
#pragma once

#include "controls/layout/DynamicFormView.h"

class CBaseFormView : public cdxCDynamicFormView
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
    afx_msg void OnInitMenuPopup(CMenu* pPopupMenu, UINT nIndex, BOOL bSysMenu);
    afx_msg void OnMeasureItem(int nIDCtl, LPMEASUREITEMSTRUCT lpMIS);
    afx_msg void OnDrawItem(int nIDCtl, LPDRAWITEMSTRUCT lpDIS);
    afx_msg LRESULT OnMenuChar(UINT nChar, UINT nFlags, CMenu* pMenu);
    DECLARE_MESSAGE_MAP()
};
