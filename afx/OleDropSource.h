// COleDropSource: the dragging side of OLE drag and drop. It decides when a
// drag starts, continues, drops or is cancelled, and which cursor shows;
// derived classes override the three decisions.
#pragma once

#include "afx/OleInit.h"
#include "afx/Rect.h"
#include "afx/Wnd.h"

class COleDropSource : public CCmdTarget
{
    DECLARE_DYNAMIC(COleDropSource)
public:
    COleDropSource();
    ~COleDropSource() override;
    COleDropSource(const COleDropSource&) = delete;
    COleDropSource& operator=(const COleDropSource&) = delete;

    // Escape cancels; releasing the mouse button that started the drag drops.
    virtual SCODE QueryContinueDrag(BOOL bEscapePressed, DWORD dwKeyState);
    virtual SCODE GiveFeedback(DROPEFFECT dropEffect);
    // FALSE keeps the drag from starting; the base starts it at once.
    virtual BOOL OnBeginDrag(CWnd* pWnd);

    // The object as an IDropSource (no reference added; it lives as long as this).
    LPDROPSOURCE GetDropSource();

    CRect m_rectStartDrag;   // where the drag began (screen coordinates), if given
    DWORD m_dwButtonDrop;    // the mouse button whose release drops

private:
    class DropSource;
    DropSource* m_dropSource;
};
