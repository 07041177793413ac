// COXImageListBox: an owner-drawn multi-column list box that shows the
// images of its own image list as a grid of cells, one item per image; the
// item data is the image's index.
#pragma once

#include "afx/BasicCtrls.h"
#include "afx/GdiObject.h"
#include "afx/ImageList.h"

class COXImageListBox : public CListBox
{
public:
    COXImageListBox(int cx = 16, int cy = 16, UINT nFlags = ILC_COLOR24 | ILC_MASK);
    ~COXImageListBox() override;

    // Replaces the images by a copy of the list's; the number of images.
    int SetImageList(CImageList* pImageList);
    CImageList* GetImageList() { return &m_imageList; }
    // Appends a list of images of the same size; the first new item or -1.
    int AddImageList(CImageList* pImageList);
    int AddImage(CBitmap* pImage, CBitmap* pMask);
    int AddImage(CBitmap* pImage, COLORREF clrMask);
    int AddIcon(HICON hIcon);
    BOOL ReplaceImage(int nIndex, CBitmap* pImage, CBitmap* pMask);
    BOOL ReplaceIcon(int nIndex, HICON hIcon);
    BOOL GetImageInfo(int nIndex, IMAGEINFO* pImageInfo) const;
    // A new icon the caller destroys, or null.
    HICON GetIcon(int nIndex);
    HICON GetSelectedIcon();
    // Every icon of an executable or icon file (the program's own by default).
    BOOL LoadImagesFromFile(LPCTSTR lpszFileName = nullptr, BOOL bSmallIcons = TRUE);

    virtual COLORREF GetBkColor() const { return m_clrBackground; }
    virtual COLORREF GetHighlightColor() const { return m_clrHighlight; }
    virtual BOOL AdjustItemSize();

    void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override;

    // The cell size for images of the given size: a quarter more each way.
    static CSize CellSize(CSize image) { return CSize(image.cx + image.cx / 4, image.cy + image.cy / 4); }

protected:
    void PreSubclassWindow() override;
    BOOL PreCreateWindow(CREATESTRUCT& cs) override;
    // Items for images nFirst onwards; the first new item.
    int AddItems(int nFirst);

    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnDestroy();
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg LRESULT OnDeleteString(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnResetContent(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

    CImageList m_imageList;
    int m_nImageWidth;
    int m_nImageHeight;
    COLORREF m_clrBackground;
    COLORREF m_clrHighlight;
};
