#include "framework/util/ToolBarImages.h"
#include "framework/util/EnBitmap.h"

namespace {
HIMAGELIST MakeList(HBITMAP bitmap, COLORREF mask, int size)
{
    if (!bitmap)
        return nullptr;
    HIMAGELIST list = ImageList_Create(size, size, ILC_COLOR24 | ILC_MASK, 1, 1);
    if (list && ImageList_AddMasked(list, bitmap, mask) < 0)
    {
        ImageList_Destroy(list);
        list = nullptr;
    }
    return list;
}

// A processed copy of the bitmap; the caller deletes it.
template <class F>
HBITMAP ProcessedCopy(HBITMAP source, F process)
{
    CEnBitmap copy;
    HANDLE duplicate = ::CopyImage(source, IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION);
    if (!duplicate || !copy.Attach(duplicate))
        return nullptr;
    if (!process(copy))
        return nullptr;
    return static_cast<HBITMAP>(copy.Detach());
}
}

CToolBarImageLists::CToolBarImageLists() : m_hot(nullptr), m_disabled(nullptr), m_normal(nullptr)
{
}

CToolBarImageLists::~CToolBarImageLists()
{
    Destroy();
}

void CToolBarImageLists::Destroy()
{
    for (HIMAGELIST* list : { &m_hot, &m_disabled, &m_normal })
    {
        if (*list)
            ImageList_Destroy(*list);
        *list = nullptr;
    }
}

BOOL CToolBarImageLists::Build(HBITMAP bitmap, COLORREF mask, int size)
{
    // The processed copies first: adding a bitmap to a masked list blackens
    // its transparent pixels, and the copies need them magenta.
    HBITMAP gray = ProcessedCopy(bitmap, [](CEnBitmap& b) { return b.GrayImage(kProcessingMask); });
    HBITMAP light =
        ProcessedCopy(bitmap, [](CEnBitmap& b) { return b.LightenImage(kProcessingMask); });
    const BOOL ok = BuildFromImages(bitmap, gray, light, mask, size);
    if (gray)
        ::DeleteObject(gray);
    if (light)
        ::DeleteObject(light);
    return ok;
}

BOOL CToolBarImageLists::BuildFromImages(HBITMAP hot, HBITMAP disabled, HBITMAP normal, COLORREF mask, int size)
{
    Destroy();
    m_disabled = MakeList(disabled, mask, size);
    m_normal = MakeList(normal, mask, size);
    m_hot = MakeList(hot, mask, size);
    return m_hot && m_disabled && m_normal;
}

BOOL CToolBarImageLists::LoadToolBarImages(UINT bitmapId, COLORREF mask, int size)
{
    HINSTANCE module = AfxFindResourceHandle(MAKEINTRESOURCE(bitmapId), RT_BITMAP);
    HBITMAP bitmap = static_cast<HBITMAP>(
        ::LoadImageA(module, MAKEINTRESOURCEA(bitmapId), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    if (!bitmap)
    {
        Destroy();
        return FALSE;
    }
    const BOOL ok = Build(bitmap, mask, size);
    ::DeleteObject(bitmap);
    return ok;
}

void CToolBarImageLists::ApplyTo(HWND toolbar) const
{
    ::SendMessageA(toolbar, TB_SETHOTIMAGELIST, 0, reinterpret_cast<LPARAM>(m_hot));
    ::SendMessageA(toolbar, TB_SETDISABLEDIMAGELIST, 0, reinterpret_cast<LPARAM>(m_disabled));
    ::SendMessageA(toolbar, TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(m_normal));
}
