// CBaseDlg: the base of the framework's and the program's dialogs. Its
// controls follow the dialog's size by the derived class's layout map; it
// keeps its size in the profile under its settings name (" Width" and
// " Height" after the name), reads and writes its other settings in the
// section of that name, owns its label controls and an image list, and shows
// a right-click menu whose commands follow the enabled state of its controls.
#pragma once

#include "afx/Array.h"
#include "afx/ArrayTypes.h"
#include "afx/BasicCtrls.h"
#include "afx/ImageList.h"
#include "controls/layout/DynamicDialog.h"
#include "framework/frame/OwnerDrawnMenuHost.h"

class CBaseDlg : public COwnerDrawnMenuHost<cdxCDynamicDialog>
{
    DECLARE_DYNAMIC(CBaseDlg)
public:
    CBaseDlg();
    CBaseDlg(UINT nIDTemplate, CWnd* pParentWnd);
    ~CBaseDlg() override;

    // The stored " X", " Y", " Width" and " Height" of the settings name take
    // the place of the creation values (each defaulting to its own).
    BOOL PreCreateWindow(CREATESTRUCT& cs) override;
    BOOL OnInitDialog() override;
    void OnCancel() override;
    // Derived setting pages store their values here; the base stores nothing.
    virtual BOOL SaveSettings();

    // The profile with the settings name as the section.
    int GetSettingInt(LPCTSTR key, int nDefault);
    BOOL WriteSettingInt(LPCTSTR key, int nValue);
    CString GetSettingString(LPCTSTR key, LPCTSTR lpszDefault);
    BOOL WriteSettingString(LPCTSTR key, LPCTSTR value);

    CString m_strSettingsName;
    CTypedPtrArray<CPtrArray, CStatic*> m_arrLabels;   // owned
    CImageList* m_pImageList;                          // owned
    int m_nTemplateId;
    int m_nContextMenuId;   // right-click menu resource; -1: none

protected:
    // The profile key of the placement value: the settings name, a blank, the word.
    CString PlacementKey(LPCTSTR word) const;

    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnContextMenu(CWnd* pWnd, CPoint point);
    DECLARE_MESSAGE_MAP()
};
