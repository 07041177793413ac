// The three image lists of a true-colour toolbar made from one 24-bit bitmap:
// hot (the bitmap itself), disabled (grayed and strongly lightened) and normal
// (slightly lightened). Magenta pixels stay magenta through the processing so
// that the lists' mask keeps them transparent. The application's toolbar
// builds these and hands them to its toolbar control.
#pragma once

#include "afx/Afx.h"

#include <commctrl.h>

class CToolBarImageLists
{
public:
    // The colour the processors leave alone: magenta.
    static const COLORREF kProcessingMask = RGB(255, 0, 255);

    CToolBarImageLists();
    ~CToolBarImageLists();
    CToolBarImageLists(const CToolBarImageLists&) = delete;
    CToolBarImageLists& operator=(const CToolBarImageLists&) = delete;

    // Loads the bitmap resource (from the module holding it) three times and
    // builds the lists of size x size images, mask the lists' transparent colour.
    BOOL LoadToolBarImages(UINT bitmapId, COLORREF mask, int size = 16);
    // The same from a bitmap the caller keeps (its transparent pixels come
    // back black, as the image lists leave them).
    BOOL Build(HBITMAP bitmap, COLORREF mask, int size);
    // The lists from the three images made already (a list blackens the
    // transparent pixels of the bitmap added to it).
    BOOL BuildFromImages(HBITMAP hot, HBITMAP disabled, HBITMAP normal, COLORREF mask, int size);
    // Gives the three lists to a toolbar control; the lists stay ours.
    void ApplyTo(HWND toolbar) const;

    HIMAGELIST GetHotList() const { return m_hot; }
    HIMAGELIST GetDisabledList() const { return m_disabled; }
    HIMAGELIST GetNormalList() const { return m_normal; }

private:
    void Destroy();

    HIMAGELIST m_hot;
    HIMAGELIST m_disabled;
    HIMAGELIST m_normal;
};
