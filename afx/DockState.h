// CDockState: the saved layout of a frame's bars, one CControlBarInfo per
// bar and dock bar: where it is, whether it shows, floats or docks, where it
// was docked and floated last, and for a dock bar the ids of its bars row
// by row. It is kept in an archive or in the profile (one "<section>-Summary"
// value set and one "<section>-Bar<n>" per info, beside the caller's own
// section). Reading is bounded: a malformed archive throws a
// CArchiveException and leaves the state as it was.
#pragma once

#include "afx/ArrayTypes.h"
#include "afx/Object.h"
#include "afx/Rect.h"

class CArchive;
class CControlBar;

class CControlBarInfo
{
public:
    CControlBarInfo();

    // A placeholder's id in m_arrBarID carries this bit.
    static const DWORD placeHolderFlag = 0x10000;

    UINT m_nBarID;
    BOOL m_bVisible;
    BOOL m_bFloating;
    BOOL m_bHorz;
    BOOL m_bDockBar;
    CPoint m_pointPos;       // in its parent; a floating dock bar: its frame on screen
    int m_nMRUWidth;
    BOOL m_bDocking;         // the bar has a dock context: the MRU fields count
    UINT m_uMRUDockID;
    CRect m_rectMRUDockPos;
    DWORD m_dwMRUFloatStyle;
    CPoint m_ptMRUFloatPos;
    CDWordArray m_arrBarID;  // a dock bar's rows: ids, 0 ends a row
    CControlBar* m_pBar;     // found while applying; never stored

    void Serialize(CArchive& ar);
    BOOL LoadState(LPCTSTR lpszProfileName, int nIndex);
    BOOL SaveState(LPCTSTR lpszProfileName, int nIndex);
};

class CDockState : public CObject
{
    DECLARE_SERIAL(CDockState)
public:
    CDockState();
    ~CDockState() override;

    void Serialize(CArchive& ar) override;
    void LoadState(LPCTSTR lpszProfileName);
    void SaveState(LPCTSTR lpszProfileName);
    void Clear();

    CPtrArray m_arrBarInfo;   // CControlBarInfo*, owned
};
