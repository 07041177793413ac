// cdxCSizeIconCtrl: the size grip a resizable window keeps in its lower right
// corner, a size-box scroll bar laid over the parent's client area that
// draws the system's grip image itself and hides while the parent is
// maximised (there is nothing to drag then).
#pragma once

#include "afx/ImageList.h"
#include "afx/RangeCtrls.h"

class cdxCSizeIconCtrl : public CScrollBar
{
    DECLARE_DYNAMIC(cdxCSizeIconCtrl)
public:
    // One image list of the system's grip bitmap, shared by every grip.
    class AutoOEMImageList : public CImageList
    {
    public:
        AutoOEMImageList();
        CSize GetImageSize() const { return m_szImage; }
    private:
        CSize m_szImage;
    };

    explicit cdxCSizeIconCtrl(bool bHideIfMaximized = true)
        : m_bCapture(false), m_bHideIfMaximized(bHideIfMaximized) {}

    BOOL Create(CWnd* pParent, UINT nID);

    // True when the grip should neither paint nor show the size cursor.
    bool IsHiddenNow() const;

    static AutoOEMImageList& SharedImages();
    static HCURSOR SharedCursor();

    bool m_bCapture;
    bool m_bHideIfMaximized;

protected:
    afx_msg void OnPaint();
    afx_msg BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
    afx_msg void OnLButtonDblClk(UINT nFlags, CPoint point);
    DECLARE_MESSAGE_MAP()
};
