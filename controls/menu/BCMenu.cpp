#include "controls/menu/BCMenu.h"

#include "afx/DC.h"
#include "afx/Exception.h"
#include "afx/WinApp.h"
#include "afx/Wnd.h"
#include "controls/menu/BCMenuToolbar.h"

#include <algorithm>

IMPLEMENT_DYNAMIC(BCMenu, CMenu)

namespace {
// The standard menu template's option bit that closes a level.
const UINT kMenuEnd = MF_END;
// Flags of a separator as this menu puts it in (insert keeps MF_BYPOSITION).
const UINT kSeparatorFlags = MF_SEPARATOR | MF_OWNERDRAW;
// A guard for AlignAccelerators: a label never needs more blanks than this.
const int kMaxPaddingBlanks = 200;

std::wstring ToWide(LPCSTR text)
{
    if (text == nullptr || *text == '\0')
        return std::wstring();
    int length = ::MultiByteToWideChar(CP_THREAD_ACP, 0, text, -1, nullptr, 0);
    std::wstring result(length > 0 ? length : 0, L'\0');
    if (length > 0)
        ::MultiByteToWideChar(CP_THREAD_ACP, 0, text, -1, &result[0], length);
    if (!result.empty())
        result.resize(result.size() - 1);   // the terminator
    return result;
}

CString ToAnsi(const std::wstring& text)
{
    CString result;
    if (text.empty())
        return result;
    int length = ::WideCharToMultiByte(CP_THREAD_ACP, 0, text.c_str(), static_cast<int>(text.size()), nullptr, 0,
                                       nullptr, nullptr);
    if (length <= 0)
        return result;
    LPSTR buffer = result.GetBuffer(length);
    ::WideCharToMultiByte(CP_THREAD_ACP, 0, text.c_str(), static_cast<int>(text.size()), buffer, length, nullptr,
                          nullptr);
    result.ReleaseBuffer(length);
    return result;
}

std::wstring ToLower(std::wstring text)
{
    if (!text.empty())
        ::CharLowerBuffW(&text[0], static_cast<DWORD>(text.size()));
    return text;
}

std::wstring MenuStringAt(HMENU hMenu, int position)
{
    int length = ::GetMenuStringW(hMenu, position, nullptr, 0, MF_BYPOSITION);
    if (length <= 0)
        return std::wstring();
    std::wstring text(length + 1, L'\0');
    ::GetMenuStringW(hMenu, position, &text[0], length + 1, MF_BYPOSITION);
    text.resize(length);
    return text;
}

void RemoveAll(std::vector<HMENU>& list, HMENU hMenu)
{
    list.erase(std::remove(list.begin(), list.end(), hMenu), list.end());
}

// The item data of an owner-drawn item is its record; wide ModifyMenu keeps
// the pointer whole on 64-bit (it is a pointer-sized value, not text).
BOOL PutRecord(HMENU hMenu, UINT position, UINT flags, UINT_PTR id, BCMenuData* record)
{
    return ::ModifyMenuW(hMenu, position, flags, id, reinterpret_cast<LPCWSTR>(record));
}
}

// ---------------------------------------------------------------------------
// BCMenuData

BCMenuData::BCMenuData()
    : text(), ownImageOffset(-1), globalImageOffset(-1), imageIndex(-1), flags(0), commandId(0), synchronised(0),
      ownImages()
{
}

void BCMenuData::SetAnsiText(LPCSTR value)
{
    text = ToWide(value);
}

CString BCMenuData::GetAnsiText() const
{
    return ToAnsi(text);
}

// ---------------------------------------------------------------------------
// Process-wide state

int BCMenu::iconWidth = 16;
int BCMenu::iconHeight = 15;
// The program stores the running system's class here during its static
// initialisation (GetWinVersionCode); until then menus draw as on any NT.
int BCMenu::windowsClass = 1;
int BCMenu::classicTheme = -1;
int BCMenu::xpLookOnThemedXp = 1;
int BCMenu::xpLookElsewhere = 0;
int BCMenu::selectDisabledXp = 0;
int BCMenu::selectDisabled3d = 1;
int BCMenu::xpImageSet = 1;
int BCMenu::alignXpAccelerators1 = 1;
int BCMenu::alignXpAccelerators2 = 1;
int BCMenu::plainBitmapAdded = 0;
std::vector<HMENU> BCMenu::allSubMenus;
CImageList BCMenu::globalImages;
std::vector<UINT_PTR> BCMenu::globalImageCommands;

int BCMenu::ClassifyWindows(DWORD version, DWORD major, DWORD minor)
{
    if (version & 0x80000000u) {   // the 9x family
        if (major < 4)
            return 0;
        if (major == 4 && minor == 10)
            return 3;
        if (major == 4 && minor == 90)
            return 4;
        return 2;
    }
    if (major == 4)
        return 5;
    if (major == 5 && minor == 0)
        return 6;
    if (major == 5 && minor == 1)
        return 7;
    return 1;
}

// ---------------------------------------------------------------------------
// Construction and destruction

BCMenu::BCMenu()
    : CMenu(), items(), subMenus(), bitmapBackground(RGB(192, 192, 192)), useBitmapBackground(false),
      disabledDibEmboss(false), checkImages(nullptr), checkImagesShared(false), checkedBitmapId(-1),
      uncheckedBitmapId(-1), loadedAsMenuBar(false)
{
}

BCMenu::~BCMenu()
{
    DestroyMenu();
}

BOOL BCMenu::DestroyMenu()
{
    if (m_hMenu != nullptr)
        RemoveAll(allSubMenus, m_hMenu);
    for (auto it = subMenus.rbegin(); it != subMenus.rend(); ++it) {
        HMENU hSub = *it;
        RemoveAll(allSubMenus, hSub);
        CMenu* sub = CMenu::FromHandlePermanent(hSub);
        if (sub != nullptr && sub->IsKindOf(RUNTIME_CLASS(BCMenu)))
            delete sub;
    }
    subMenus.clear();
    for (BCMenuData* record : items)
        delete record;
    items.clear();
    if (!checkImagesShared)
        delete checkImages;
    checkImages = nullptr;
    loadedAsMenuBar = false;
    return CMenu::DestroyMenu();
}

// ---------------------------------------------------------------------------
// Static services

HWND BCMenu::OwnerWindow()
{
    CWnd* mainWnd = AfxGetMainWnd();
    HWND hWnd = mainWnd != nullptr ? mainWnd->GetSafeHwnd() : nullptr;
    return hWnd != nullptr && ::IsWindow(hWnd) ? hWnd : ::GetDesktopWindow();
}

void BCMenu::SetIconSize(int width, int height)
{
    iconWidth = width;
    iconHeight = height;
}

BOOL BCMenu::IsMenuHandle(HMENU hMenu)
{
    return hMenu != nullptr && std::find(allSubMenus.begin(), allSubMenus.end(), hMenu) != allSubMenus.end();
}

BOOL BCMenu::IsMenu(CMenu* pMenu)
{
    return pMenu != nullptr && IsMenuHandle(pMenu->m_hMenu);
}

void BCMenu::UpdateMenu(CMenu* pMenu)
{
    if (pMenu != nullptr && pMenu->IsKindOf(RUNTIME_CLASS(BCMenu)))
        static_cast<BCMenu*>(pMenu)->Synchronize();
}

LRESULT BCMenu::FindKeyboardShortcut(UINT nChar, UINT nFlags, CMenu* pMenu)
{
    if (pMenu == nullptr || !pMenu->IsKindOf(RUNTIME_CLASS(BCMenu)) || !(nFlags & MF_POPUP))
        return 0;
    BCMenu* menu = static_cast<BCMenu*>(pMenu);
    // An ANSI window gets the character as a code-page byte (a Cyrillic
    // letter is one byte of 1251): compare it as the item texts are held.
    wchar_t letter = static_cast<wchar_t>(nChar);
    if (nChar < 0x100) {
        char single = static_cast<char>(nChar);
        if (::MultiByteToWideChar(CP_THREAD_ACP, 0, &single, 1, &letter, 1) != 1)
            return 0;
    }
    std::wstring key = ToLower(std::wstring{L'&', letter});
    if (static_cast<int>(menu->GetMenuItemCount()) != menu->GetItemRecordCount())
        menu->Synchronize();
    int count = static_cast<int>(menu->GetMenuItemCount());
    for (int position = 0; position < count; ++position) {
        std::wstring text;
        if (menu->GetItemText(position, text, MF_BYPOSITION) && ToLower(text).find(key) != std::wstring::npos)
            return MAKELRESULT(position, MNC_EXECUTE);
    }
    return 0;
}

// ---------------------------------------------------------------------------
// Loading

BOOL BCMenu::LoadMenu(LPCTSTR lpszResourceName)
{
    HINSTANCE hInst = AfxFindResourceHandle(lpszResourceName, RT_MENU);
    HRSRC hRes = ::FindResource(hInst, lpszResourceName, RT_MENU);
    if (hRes == nullptr) {
        hInst = ::GetModuleHandle(nullptr);
        hRes = ::FindResource(hInst, lpszResourceName, RT_MENU);
    }
    if (hRes == nullptr)
        return FALSE;
    HGLOBAL hGlobal = ::LoadResource(hInst, hRes);
    const BYTE* data = hGlobal != nullptr ? static_cast<const BYTE*>(::LockResource(hGlobal)) : nullptr;
    size_t size = ::SizeofResource(hInst, hRes);
    if (data == nullptr || size < 4)
        return FALSE;

    DestroyMenu();
    if (!Attach(::CreateMenu()))
        return FALSE;

    auto readWord = [&](size_t& at, WORD& value) {
        if (at + 2 > size)
            return false;
        value = static_cast<WORD>(data[at] | (data[at + 1] << 8));
        at += 2;
        return true;
    };
    // The template comes from a file: every read is bounded by its size, so
    // a damaged resource stops the build instead of reading past its end.
    auto readText = [&](size_t& at, std::wstring& text) {
        text.clear();
        WORD ch = 0;
        while (readWord(at, ch)) {
            if (ch == 0)
                return true;
            text.push_back(static_cast<wchar_t>(ch));
        }
        return false;
    };

    size_t at = 2;
    WORD offset = 0;
    readWord(at, offset);
    at = 4 + static_cast<size_t>(offset);

    std::vector<BCMenu*> stack{this};
    std::vector<int> ended{0};
    while (!stack.empty()) {
        WORD option = 0;
        WORD id = 0;
        std::wstring text;
        if (!readWord(at, option))
            break;
        if (!(option & MF_POPUP) && !readWord(at, id))
            break;
        if (!readText(at, text))
            break;
        UINT flags = option & ~kMenuEnd;
        if (option & MF_POPUP) {
            if (option & kMenuEnd)
                ended.back() = 1;
            BCMenu* sub = new BCMenu;
            sub->checkedBitmapId = checkedBitmapId;
            sub->uncheckedBitmapId = uncheckedBitmapId;
            sub->checkImages = checkImages;
            sub->checkImagesShared = true;
            sub->Attach(::CreatePopupMenu());
            stack.back()->AppendItem(text.c_str(), flags, reinterpret_cast<UINT_PTR>(sub->m_hMenu), -1);
            stack.push_back(sub);
            ended.push_back(0);
        } else {
            stack.back()->AppendItem(text.c_str(), flags, id, -1);
            if (option & kMenuEnd)
                ended.back() = 1;
            while (!stack.empty() && ended.back()) {
                stack.back()->AlignAccelerators();
                stack.pop_back();
                ended.pop_back();
            }
        }
    }

    // The top level becomes a plain menu bar: the system draws it.
    int count = static_cast<int>(GetMenuItemCount());
    for (int position = 0; position < count && position < static_cast<int>(items.size()); ++position) {
        BCMenuData* record = items[position];
        CString text = record->GetAnsiText();
        HMENU hSub = ::GetSubMenu(m_hMenu, position);
        if (hSub != nullptr) {
            record->flags = MF_BYPOSITION | MF_POPUP;
            ::ModifyMenuA(m_hMenu, position, record->flags, reinterpret_cast<UINT_PTR>(hSub), text);
        } else {
            record->flags = MF_BYPOSITION;
            ::ModifyMenuA(m_hMenu, position, record->flags, record->commandId, text);
        }
    }
    loadedAsMenuBar = true;
    return TRUE;
}

int BCMenu::GlobalImageFromToolbar(UINT_PTR nID, int nToolbar)
{
    BCMenuToolbar toolbar;
    if (!toolbar.Load(static_cast<UINT>(nToolbar)))
        return -1;
    int button = toolbar.FindCommand(static_cast<UINT>(nID));
    int image = button >= 0 ? std::max(toolbar.ImageOf(button), 0) : 0;
    CImageList list;
    if (!list.Create(iconWidth, iconHeight, ILC_COLORDDB | ILC_MASK, 1, 1))
        return -1;
    if (!AddBitmapToImageList(&list, static_cast<UINT>(nToolbar), toolbar.width, toolbar.height))
        return -1;
    return AddToGlobalImages(&list, image, nID);
}

BOOL BCMenu::LoadToolbar(UINT nToolBar)
{
    BCMenuToolbar toolbar;
    if (!toolbar.Load(nToolBar))
        return FALSE;
    CImageList list;
    if (!list.Create(iconWidth, iconHeight, ILC_COLORDDB | ILC_MASK, 1, 1))
        return FALSE;
    if (!AddBitmapToImageList(&list, nToolBar, toolbar.width, toolbar.height))
        return FALSE;
    for (size_t button = 0; button < toolbar.commands.size(); ++button) {
        UINT nID = toolbar.commands[button];
        if (nID == 0 || ::GetMenuState(m_hMenu, nID, MF_BYCOMMAND) == 0xFFFFFFFF)
            continue;
        SetItemImageFromList(static_cast<const wchar_t*>(nullptr), nID, &list, toolbar.ImageOf(button));
    }
    return TRUE;
}

BOOL BCMenu::LoadToolbars(const UINT* arID, int n)
{
    BOOL all = TRUE;
    for (int i = 0; i < n; ++i)
        all = LoadToolbar(arID[i]) && all;
    return all;
}

// ---------------------------------------------------------------------------
// Adding and inserting

BOOL BCMenu::AppendItem(const wchar_t* lpstrText, UINT nFlags, UINT_PTR nID, int nIconNormal)
{
    return InsertItemCore(static_cast<UINT>(-1), lpstrText, nFlags | MF_BYPOSITION, nID, nIconNormal);
}

BOOL BCMenu::AppendItem(LPCSTR lpszText, UINT nFlags, UINT_PTR nID, int nIconNormal)
{
    return AppendItem(ToWide(lpszText).c_str(), nFlags, nID, nIconNormal);
}

BOOL BCMenu::AppendMenu(UINT nFlags, UINT_PTR nIDNewItem, LPCSTR lpszNewItem, int nIconNormal)
{
    return AppendItem(lpszNewItem, nFlags, nIDNewItem, nIconNormal);
}

BOOL BCMenu::AppendMenu(UINT nFlags, UINT_PTR nIDNewItem, const wchar_t* lpszNewItem, int nIconNormal)
{
    return AppendItem(lpszNewItem, nFlags, nIDNewItem, nIconNormal);
}

BOOL BCMenu::InsertItem(UINT nPosition, const wchar_t* lpstrText, UINT nFlags, UINT_PTR nID, int nIconNormal)
{
    if (!(nFlags & MF_BYPOSITION)) {
        int location = -1;
        BCMenu* holder = FindMenuHolding(nPosition, location);
        if (holder == nullptr)
            return FALSE;
        return holder->InsertItemCore(static_cast<UINT>(location), lpstrText, nFlags | MF_BYPOSITION, nID,
                                      nIconNormal);
    }
    return InsertItemCore(nPosition, lpstrText, nFlags, nID, nIconNormal);
}

BOOL BCMenu::InsertItem(UINT nPosition, LPCSTR lpszText, UINT nFlags, UINT_PTR nID, int nIconNormal)
{
    return InsertItem(nPosition, ToWide(lpszText).c_str(), nFlags, nID, nIconNormal);
}

BOOL BCMenu::InsertMenu(UINT nPosition, UINT nFlags, UINT_PTR nIDNewItem, LPCSTR lpszNewItem, int nIconNormal)
{
    return InsertItem(nPosition, lpszNewItem, nFlags, nIDNewItem, nIconNormal);
}

// nPosition is a position (MF_BYPOSITION is in nFlags); -1 is the end.
BOOL BCMenu::InsertItemCore(UINT nPosition, const wchar_t* text, UINT nFlags, UINT_PTR nID, int nIconNormal)
{
    if (m_hMenu == nullptr)
        return FALSE;
    int count = static_cast<int>(GetMenuItemCount());
    int position = static_cast<int>(nPosition);
    if (position < 0 || position > count)
        position = count;
    bool atEnd = position == count;

    if (nID == 0 && !(nFlags & MF_POPUP))
        nFlags = (nFlags & MF_BYPOSITION) | kSeparatorFlags;
    else
        nFlags |= MF_OWNERDRAW;

    auto record = std::make_unique<BCMenuData>();
    record->SetWideText(nID == 0 ? L"" : text);
    record->flags = nFlags;
    record->commandId = nID;
    if (!(nFlags & MF_POPUP) && nID != 0) {
        if (nIconNormal != -1)
            record->globalImageOffset = GlobalImageFromToolbar(nID, nIconNormal);
        else
            record->globalImageOffset = GlobalImageOffset(nID);
    }

    BOOL done = atEnd ? ::AppendMenuW(m_hMenu, nFlags & ~MF_BYPOSITION, nID, reinterpret_cast<LPCWSTR>(record.get()))
                      : ::InsertMenuW(m_hMenu, position, nFlags | MF_BYPOSITION, nID,
                                      reinterpret_cast<LPCWSTR>(record.get()));
    if (!done)
        return FALSE;

    // Records follow positions; after a menu-bar build the top level may hold
    // fewer records than positions (items the system added in front).
    size_t index = static_cast<size_t>(position);
    if (loadedAsMenuBar) {
        int offset = MenuBarOffset();
        index = position >= offset ? static_cast<size_t>(position - offset) : static_cast<size_t>(position);
    }
    index = std::min(index, items.size());
    items.insert(items.begin() + index, record.release());

    if (nFlags & MF_POPUP) {
        HMENU hSub = reinterpret_cast<HMENU>(nID);
        allSubMenus.push_back(hSub);
        size_t at = std::min(static_cast<size_t>(position), subMenus.size());
        if (atEnd)
            subMenus.push_back(hSub);
        else
            subMenus.insert(subMenus.begin() + at, hSub);
    }
    if (loadedAsMenuBar)
        FlattenMenuBar();
    return TRUE;
}

BOOL BCMenu::AppendItemWithImageList(const wchar_t* lpstrText, UINT nFlags, UINT_PTR nID, CImageList* il,
                                     int xoffset)
{
    if (!AppendItem(lpstrText, nFlags, nID, -1))
        return FALSE;
    if (il == nullptr || xoffset < 0 || nID == 0 || (nFlags & MF_POPUP))
        return TRUE;
    BCMenuData* record = items.back();
    auto own = std::make_unique<CImageList>();
    if (CopyImageFromList(il, xoffset, own.get())) {
        record->ownImages = std::move(own);
        record->ownImageOffset = 0;
        record->imageIndex = 0;
    }
    return TRUE;
}

BOOL BCMenu::AppendItemWithImageList(LPCSTR lpszText, UINT nFlags, UINT_PTR nID, CImageList* il, int xoffset)
{
    return AppendItemWithImageList(ToWide(lpszText).c_str(), nFlags, nID, il, xoffset);
}

BOOL BCMenu::MakeBitmapList(CBitmap* bmp, CImageList& list) const
{
    return bmp != nullptr && bmp->m_hObject != nullptr &&
           list.Create(iconWidth, iconHeight, ILC_COLORDDB | ILC_MASK, 1, 1) && list.Add(bmp, MaskColour()) >= 0;
}

BOOL BCMenu::AppendItemWithBitmap(const wchar_t* lpstrText, UINT nFlags, UINT_PTR nID, CBitmap* bmp)
{
    CImageList list;
    if (!MakeBitmapList(bmp, list))
        return AppendItem(lpstrText, nFlags, nID, -1);
    return AppendItemWithImageList(lpstrText, nFlags, nID, &list, 0);
}

BOOL BCMenu::AppendItemWithBitmap(LPCSTR lpszText, UINT nFlags, UINT_PTR nID, CBitmap* bmp)
{
    return AppendItemWithBitmap(ToWide(lpszText).c_str(), nFlags, nID, bmp);
}

BOOL BCMenu::InsertMenu(UINT nPosition, UINT nFlags, UINT_PTR nIDNewItem, const wchar_t* lpszNewItem, int nIconNormal)
{
    return InsertItem(nPosition, lpszNewItem, nFlags, nIDNewItem, nIconNormal);
}

BOOL BCMenu::InsertItemWithImageList(UINT nPosition, const wchar_t* lpstrText, UINT nFlags, UINT_PTR nID,
                                     CImageList* il, int xoffset)
{
    // In the global list first, so the new item's record finds its image there.
    if (il != nullptr && xoffset >= 0 && nID != 0 && !(nFlags & MF_POPUP))
        AddToGlobalImages(il, xoffset, nID);
    return InsertItem(nPosition, lpstrText, nFlags, nID, -1);
}

BOOL BCMenu::InsertItemWithImageList(UINT nPosition, LPCSTR lpszText, UINT nFlags, UINT_PTR nID, CImageList* il,
                                     int xoffset)
{
    return InsertItemWithImageList(nPosition, ToWide(lpszText).c_str(), nFlags, nID, il, xoffset);
}

BOOL BCMenu::InsertItemWithBitmap(UINT nPosition, const wchar_t* lpstrText, UINT nFlags, UINT_PTR nID, CBitmap* bmp)
{
    CImageList list;
    if (!MakeBitmapList(bmp, list))
        return InsertItem(nPosition, lpstrText, nFlags, nID, -1);
    return InsertItemWithImageList(nPosition, lpstrText, nFlags, nID, &list, 0);
}

BOOL BCMenu::InsertItemWithBitmap(UINT nPosition, LPCSTR lpszText, UINT nFlags, UINT_PTR nID, CBitmap* bmp)
{
    return InsertItemWithBitmap(nPosition, ToWide(lpszText).c_str(), nFlags, nID, bmp);
}

BCMenu* BCMenu::AppendPopup(const wchar_t* lpstrText)
{
    BCMenu* sub = new BCMenu;
    sub->checkedBitmapId = checkedBitmapId;
    sub->uncheckedBitmapId = uncheckedBitmapId;
    sub->checkImages = checkImages;
    sub->checkImagesShared = true;
    if (!sub->CreatePopupMenu()
        || !AppendItem(lpstrText, MF_POPUP, reinterpret_cast<UINT_PTR>(sub->m_hMenu), -1)) {
        delete sub;
        return nullptr;
    }
    return sub;
}

BCMenu* BCMenu::AppendPopup(LPCSTR lpszText)
{
    return AppendPopup(ToWide(lpszText).c_str());
}

// ---------------------------------------------------------------------------
// Images of items

BOOL BCMenu::SetItemImage(const wchar_t* lpstrText, UINT nID, int nIconNormal)
{
    BCMenuToolbar toolbar;
    if (!toolbar.Load(static_cast<UINT>(nIconNormal)))
        return FALSE;
    int button = toolbar.FindCommand(nID);
    CImageList list;
    if (!list.Create(iconWidth, iconHeight, ILC_COLORDDB | ILC_MASK, 1, 1)
        || !AddBitmapToImageList(&list, static_cast<UINT>(nIconNormal), toolbar.width, toolbar.height))
        return FALSE;
    return SetItemImageFromList(lpstrText, nID, &list, button >= 0 ? std::max(toolbar.ImageOf(button), 0) : 0);
}

BOOL BCMenu::SetItemImage(LPCSTR lpszText, UINT nID, int nIconNormal)
{
    std::wstring text = ToWide(lpszText);
    return SetItemImage(lpszText != nullptr ? text.c_str() : nullptr, nID, nIconNormal);
}

BOOL BCMenu::SetItemImageFromList(const wchar_t* lpstrText, UINT nID, CImageList* il, int xoffset)
{
    if (il == nullptr || xoffset < 0)
        return FALSE;
    std::vector<BCMenu*> menusSeen;
    std::vector<int> positionsSeen;
    int offset = -1;
    bool any = false;
    int position = -1;
    while (BCMenu* holder = FindNextMenuHolding(nID, position, menusSeen, positionsSeen)) {
        menusSeen.push_back(holder);
        positionsSeen.push_back(position);
        BCMenuData* record = holder->RecordAtItem(position);
        if (record == nullptr) {
            record = new BCMenuData;
            // Keep the item's text: the owner-drawn item shows only the record's.
            record->text = MenuStringAt(holder->m_hMenu, position);
            record->flags = ::GetMenuState(holder->m_hMenu, position, MF_BYPOSITION) & 0xFF;
            holder->items.push_back(record);
        }
        if (lpstrText != nullptr)
            record->SetWideText(lpstrText);
        record->ownImageOffset = -1;
        record->imageIndex = -1;
        // Every occurrence shares one entry of the global list.
        if (!any)
            offset = AddToGlobalImages(il, xoffset, nID);
        any = true;
        record->globalImageOffset = offset;
        record->flags = (record->flags & ~MF_BYPOSITION) | MF_OWNERDRAW;
        record->commandId = nID;
        PutRecord(holder->m_hMenu, static_cast<UINT>(position), record->flags | MF_BYPOSITION, nID, record);
    }
    return any && offset >= 0;
}

BOOL BCMenu::SetItemImageFromList(LPCSTR lpszText, UINT nID, CImageList* il, int xoffset)
{
    std::wstring text = ToWide(lpszText);
    return SetItemImageFromList(lpszText != nullptr ? text.c_str() : nullptr, nID, il, xoffset);
}

BOOL BCMenu::SetItemBitmap(const wchar_t* lpstrText, UINT nID, CBitmap* bmp)
{
    CImageList list;
    if (!MakeBitmapList(bmp, list))
        return FALSE;
    return SetItemImageFromList(lpstrText, nID, &list, 0);
}

BOOL BCMenu::SetItemBitmap(LPCSTR lpszText, UINT nID, CBitmap* bmp)
{
    std::wstring text = ToWide(lpszText);
    return SetItemBitmap(lpszText != nullptr ? text.c_str() : nullptr, nID, bmp);
}

BOOL BCMenu::SetItemColourSwatch(const wchar_t* lpstrText, UINT nID, COLORREF fill, COLORREF border, int hatch,
                                 CSize size)
{
    if (size.cx <= 0 || size.cy <= 0)
        size = CSize(iconWidth, iconHeight);
    CWnd* owner = CWnd::FromHandle(OwnerWindow());
    CClientDC dc(owner);
    CBitmap swatch;
    MakeColourSwatch(&dc, swatch, size.cx, size.cy, iconWidth, iconHeight, fill, border, hatch);
    return SetItemBitmap(lpstrText, nID, &swatch);
}

BOOL BCMenu::SetItemColourSwatch(LPCSTR lpszText, UINT nID, COLORREF fill, COLORREF border, int hatch, CSize size)
{
    std::wstring text = ToWide(lpszText);
    return SetItemColourSwatch(lpszText != nullptr ? text.c_str() : nullptr, nID, fill, border, hatch, size);
}

BOOL BCMenu::SetItemImageByText(const wchar_t* lpstrFind, const wchar_t* lpstrText, UINT nResourceId)
{
    int index = FindItemIndexByText(lpstrFind);
    if (index < 0)
        return FALSE;
    BCMenuData* record = items[static_cast<size_t>(index)];
    CImageList list;
    if (!list.Create(iconWidth, iconHeight, ILC_COLORDDB | ILC_MASK, 1, 1))
        return FALSE;
    int image = 0;
    BCMenuToolbar toolbar;
    if (toolbar.Load(nResourceId)) {
        if (!AddBitmapToImageList(&list, nResourceId, toolbar.width, toolbar.height))
            return FALSE;
        int button = toolbar.FindCommand(static_cast<UINT>(record->commandId));
        image = button >= 0 ? std::max(toolbar.ImageOf(button), 0) : 0;
    } else if (!AddBitmapToImageList(&list, nResourceId)) {
        return FALSE;
    }
    auto own = std::make_unique<CImageList>();
    if (!CopyImageFromList(&list, image, own.get()))
        return FALSE;
    if (lpstrText != nullptr)
        record->SetWideText(lpstrText);
    record->ownImages = std::move(own);
    record->ownImageOffset = 0;
    record->imageIndex = 0;
    return TRUE;
}

BOOL BCMenu::SetItemImageByText(LPCSTR lpszFind, LPCSTR lpszText, UINT nResourceId)
{
    std::wstring text = ToWide(lpszText);
    return SetItemImageByText(ToWide(lpszFind).c_str(), lpszText != nullptr ? text.c_str() : nullptr, nResourceId);
}

// ---------------------------------------------------------------------------
// Texts

BOOL BCMenu::SetItemText(UINT id, const wchar_t* lpstrText, UINT nFlags)
{
    if (nFlags & MF_BYPOSITION) {
        if (id >= items.size())
            return FALSE;
        items[id]->SetWideText(lpstrText);
        return TRUE;
    }
    int location = -1;
    BCMenu* holder = FindMenuHolding(id, location);
    return holder != nullptr && holder->SetItemText(static_cast<UINT>(location), lpstrText, MF_BYPOSITION);
}

BOOL BCMenu::SetItemText(UINT id, LPCSTR lpszText, UINT nFlags)
{
    return SetItemText(id, ToWide(lpszText).c_str(), nFlags);
}

BOOL BCMenu::GetItemText(UINT id, std::wstring& string, UINT nFlags)
{
    if (nFlags & MF_BYPOSITION) {
        if (id >= items.size())
            return FALSE;
        string = items[id]->text;
        return TRUE;
    }
    int location = -1;
    BCMenu* holder = FindMenuHolding(id, location);
    return holder != nullptr && holder->GetItemText(static_cast<UINT>(location), string, MF_BYPOSITION);
}

BOOL BCMenu::GetItemText(UINT id, CString& string, UINT nFlags)
{
    std::wstring text;
    if (!GetItemText(id, text, nFlags))
        return FALSE;
    string = ToAnsi(text);
    return TRUE;
}

BCMenuData* BCMenu::GetItemRecord(int index) const
{
    if (index < 0 || index >= static_cast<int>(items.size()))
        AfxThrowInvalidArgException();
    return items[index];
}

// ---------------------------------------------------------------------------
// Searches

BCMenu* BCMenu::SubMenuAt(int position) const
{
    HMENU hSub = ::GetSubMenu(m_hMenu, position);
    if (hSub == nullptr)
        return nullptr;
    CMenu* sub = CMenu::FromHandlePermanent(hSub);
    return sub != nullptr && sub->IsKindOf(RUNTIME_CLASS(BCMenu)) ? static_cast<BCMenu*>(sub) : nullptr;
}

BCMenuData* BCMenu::RecordAtItem(int position) const
{
    MENUITEMINFOW info = {};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_DATA | MIIM_FTYPE;
    if (!::GetMenuItemInfoW(m_hMenu, position, TRUE, &info) || !(info.fType & MFT_OWNERDRAW))
        return nullptr;
    BCMenuData* data = reinterpret_cast<BCMenuData*>(info.dwItemData);
    return std::find(items.begin(), items.end(), data) != items.end() ? data : nullptr;
}

BCMenu* BCMenu::FindMenuHolding(UINT nID, int& nLoc)
{
    std::vector<BCMenu*> menusSeen;
    std::vector<int> positionsSeen;
    return FindNextMenuHolding(nID, nLoc, menusSeen, positionsSeen);
}

BCMenu* BCMenu::FindNextMenuHolding(UINT nID, int& nLoc, std::vector<BCMenu*>& menusSeen,
                                    std::vector<int>& positionsSeen)
{
    int count = static_cast<int>(GetMenuItemCount());
    for (int position = 0; position < count; ++position) {
        if (BCMenu* sub = SubMenuAt(position)) {
            if (BCMenu* found = sub->FindNextMenuHolding(nID, nLoc, menusSeen, positionsSeen))
                return found;
        } else if (GetMenuItemID(position) == nID) {
            bool seen = false;
            for (size_t i = 0; i < menusSeen.size() && !seen; ++i)
                seen = menusSeen[i] == this && positionsSeen[i] == position;
            if (!seen) {
                nLoc = position;
                return this;
            }
        }
    }
    nLoc = -1;
    return nullptr;
}

BCMenuData* BCMenu::FindItemData(UINT nID)
{
    for (BCMenuData* record : items)
        if (record->commandId == nID && !(record->flags & MF_POPUP))
            return record;
    int location = -1;
    BCMenu* holder = FindMenuHolding(nID, location);
    return holder != nullptr ? holder->RecordAtItem(location) : nullptr;
}

BCMenuData* BCMenu::FindItemDataByText(const wchar_t* lpstrText)
{
    if (lpstrText == nullptr)
        return nullptr;
    for (BCMenuData* record : items)
        if (record->text == lpstrText)
            return record;
    int count = static_cast<int>(GetMenuItemCount());
    for (int position = 0; position < count; ++position)
        if (BCMenu* sub = SubMenuAt(position))
            if (BCMenuData* found = sub->FindItemDataByText(lpstrText))
                return found;
    return nullptr;
}

int BCMenu::FindItemIndexByText(const wchar_t* lpstrText) const
{
    if (lpstrText == nullptr)
        return -1;
    int count = static_cast<int>(::GetMenuItemCount(m_hMenu));
    bool hasCommand = false;
    for (int position = 0; position < count && !hasCommand; ++position)
        hasCommand = ::GetSubMenu(m_hMenu, position) == nullptr;
    if (!hasCommand)
        return -1;
    for (size_t i = 0; i < items.size(); ++i)
        if (items[i]->text == lpstrText)
            return static_cast<int>(i);
    return -1;
}

BCMenu* BCMenu::FindSubMenuByText(const wchar_t* lpstrText)
{
    if (lpstrText == nullptr)
        return nullptr;
    int count = static_cast<int>(GetMenuItemCount());
    for (int position = 0; position < count; ++position) {
        BCMenu* sub = SubMenuAt(position);
        if (sub == nullptr)
            continue;
        for (BCMenuData* record : sub->items)
            if (record->text == lpstrText)
                return sub;
        if (BCMenu* found = sub->FindSubMenuByText(lpstrText))
            return found;
    }
    return nullptr;
}

CMenu* BCMenu::GetSubMenuByText(LPCSTR lpszText)
{
    if (lpszText == nullptr)
        return nullptr;
    int count = static_cast<int>(GetMenuItemCount());
    for (int position = 0; position < count; ++position) {
        CString text;
        GetMenuString(position, text, MF_BYPOSITION);
        if (text == lpszText)
            return GetSubMenu(position);
    }
    return nullptr;
}

// ---------------------------------------------------------------------------
// Removing

void BCMenu::DeleteRecord(BCMenuData* record)
{
    items.erase(std::remove(items.begin(), items.end(), record), items.end());
    delete record;
}

BOOL BCMenu::RemoveItem(UINT uiId, UINT nFlags)
{
    return RemoveOrDelete(uiId, nFlags, false);
}

BOOL BCMenu::DeleteItem(UINT uiId, UINT nFlags)
{
    return RemoveOrDelete(uiId, nFlags, true);
}

BOOL BCMenu::RemoveOrDelete(UINT uiId, UINT nFlags, bool destroy)
{
    if (!(nFlags & MF_BYPOSITION)) {
        int location = -1;
        BCMenu* holder = FindMenuHolding(uiId, location);
        if (holder == nullptr)
            return destroy ? ::DeleteMenu(m_hMenu, uiId, nFlags) : ::RemoveMenu(m_hMenu, uiId, nFlags);
        return holder->RemoveOrDelete(static_cast<UINT>(location), MF_BYPOSITION, destroy);
    }
    int position = static_cast<int>(uiId);
    int count = static_cast<int>(GetMenuItemCount());
    if (position < 0 || position >= count)
        return FALSE;
    UINT state = ::GetMenuState(m_hMenu, position, MF_BYPOSITION);
    HMENU hSub = ::GetSubMenu(m_hMenu, position);
    if (hSub != nullptr) {
        RemoveAll(subMenus, hSub);
        RemoveAll(allSubMenus, hSub);
        BCMenu* sub = SubMenuAt(position);
        if (sub != nullptr)
            for (int i = static_cast<int>(sub->GetMenuItemCount()) - 1; i >= 0; --i)
                sub->RemoveOrDelete(static_cast<UINT>(i), MF_BYPOSITION, destroy);
        for (auto it = items.rbegin(); it != items.rend(); ++it) {
            if ((*it)->commandId == reinterpret_cast<UINT_PTR>(hSub)) {
                DeleteRecord(*it);
                break;
            }
        }
        // The system must not destroy a sub-menu whose object we delete next.
        ::RemoveMenu(m_hMenu, position, MF_BYPOSITION);
        delete sub;
        if (sub == nullptr && destroy)
            ::DestroyMenu(hSub);
        return TRUE;
    }
    if (state & MF_SEPARATOR) {
        if (position < static_cast<int>(items.size())) {
            BCMenuData* record = items[position];
            if (!destroy || record->text.empty())
                DeleteRecord(record);
        }
    } else {
        UINT nID = GetMenuItemID(position);
        for (BCMenuData* record : items) {
            if (record->commandId == nID && !(record->flags & MF_POPUP)) {
                DeleteRecord(record);
                break;
            }
        }
    }
    return destroy ? ::DeleteMenu(m_hMenu, position, MF_BYPOSITION) : ::RemoveMenu(m_hMenu, position, MF_BYPOSITION);
}

int BCMenu::RemoveOrDeleteByText(const wchar_t* text, int mode, bool destroy)
{
    int position = FindItemIndexByText(text);
    if (position < 0)
        return -1;
    RemoveOrDelete(static_cast<UINT>(position), MF_BYPOSITION, destroy);
    if (position > 0 && (mode == 1 || mode == 2))
        RemoveOrDelete(static_cast<UINT>(position - 1), MF_BYPOSITION, destroy);
    else if (position > 0 && mode == 3) {
        RemoveOrDelete(static_cast<UINT>(position - 1), MF_BYPOSITION, destroy);
        RemoveOrDelete(static_cast<UINT>(position - 1), MF_BYPOSITION, destroy);
    }
    return position;
}

int BCMenu::RemoveItemByText(const wchar_t* lpstrText, int nMode)
{
    return RemoveOrDeleteByText(lpstrText, nMode, false);
}

int BCMenu::DeleteItemByText(const wchar_t* lpstrText, int nMode)
{
    return RemoveOrDeleteByText(lpstrText, nMode, true);
}

// ---------------------------------------------------------------------------
// Settings

void BCMenu::SetBitmapBackground(COLORREF color)
{
    bitmapBackground = color;
    useBitmapBackground = true;
}

BOOL BCMenu::SetCheckImages(int nUncheckedId, int nCheckedId)
{
    if (nUncheckedId <= 0 || nCheckedId <= 0)
        return FALSE;
    uncheckedBitmapId = nUncheckedId;
    checkedBitmapId = nCheckedId;
    if (!checkImagesShared)
        delete checkImages;
    checkImages = new CImageList;
    checkImagesShared = false;
    if (!checkImages->Create(iconWidth, iconHeight, ILC_MASK, 2, 1)
        || !AddBitmapToImageList(checkImages, static_cast<UINT>(nUncheckedId))
        || !AddBitmapToImageList(checkImages, static_cast<UINT>(nCheckedId))) {
        delete checkImages;
        checkImages = nullptr;
        return FALSE;
    }
    return TRUE;
}

// ---------------------------------------------------------------------------
// Synchronisation before display

void BCMenu::Synchronize()
{
    if (m_hMenu == nullptr)
        return;
    for (BCMenuData* record : items)
        record->synchronised = 0;
    auto takeRecord = [this](UINT_PTR command, bool separator) -> BCMenuData* {
        for (BCMenuData* record : items) {
            bool isSeparator = (record->flags & MF_SEPARATOR) != 0;
            if (!record->synchronised && record->commandId == command && isSeparator == separator) {
                record->synchronised = 1;
                return record;
            }
        }
        return nullptr;
    };

    std::vector<BCMenuData*> fresh;
    int count = static_cast<int>(GetMenuItemCount());
    for (int position = 0; position < count; ++position) {
        UINT state = ::GetMenuState(m_hMenu, position, MF_BYPOSITION);
        std::wstring text = MenuStringAt(m_hMenu, position);
        BCMenuData* record = nullptr;
        if (state & MF_POPUP) {
            HMENU hSub = ::GetSubMenu(m_hMenu, position);
            record = takeRecord(reinterpret_cast<UINT_PTR>(hSub), false);
            if (record != nullptr) {
                if (!text.empty())
                    record->text = text;
            } else {
                record = new BCMenuData;
                record->text = text;
                record->flags = (state & 0xEF) | MF_BYPOSITION | MF_OWNERDRAW | MF_POPUP;
                record->commandId = reinterpret_cast<UINT_PTR>(hSub);
                record->synchronised = 1;
                PutRecord(m_hMenu, position, record->flags, record->commandId, record);
            }
        } else if (state & MF_SEPARATOR) {
            record = takeRecord(0, true);
            if (record == nullptr) {
                record = new BCMenuData;
                record->flags = state | MF_BYPOSITION | MF_OWNERDRAW;
                record->synchronised = 1;
            }
            // By position: the record's flags need not carry MF_BYPOSITION.
            PutRecord(m_hMenu, position, record->flags | MF_BYPOSITION, 0, record);
        } else {
            UINT nID = GetMenuItemID(position);
            record = takeRecord(nID, false);
            if (record != nullptr) {
                record->flags = state | MF_BYPOSITION | MF_OWNERDRAW;
                if (!text.empty()) {
                    record->text = text;
                    PutRecord(m_hMenu, position, record->flags, nID, record);
                }
            } else {
                record = new BCMenuData;
                record->text = text;
                record->flags = state | MF_BYPOSITION | MF_OWNERDRAW;
                record->commandId = nID;
                record->globalImageOffset = GlobalImageOffset(nID);
                record->synchronised = 1;
                PutRecord(m_hMenu, position, record->flags, nID, record);
            }
        }
        fresh.push_back(record);
    }
    for (BCMenuData* record : items)
        if (!record->synchronised)
            delete record;
    items.swap(fresh);
}

// ---------------------------------------------------------------------------
// Accelerator alignment and the menu bar

void BCMenu::AlignAccelerators()
{
    if (IsXpLook() && !(alignXpAccelerators1 && alignXpAccelerators2))
        return;
    NONCLIENTMETRICSW metrics = {};
    metrics.cbSize = sizeof(metrics);
    if (!::SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, metrics.cbSize, &metrics, 0))
        return;
    HFONT font = ::CreateFontIndirectW(&metrics.lfMenuFont);
    HWND owner = OwnerWindow();
    HDC hdc = ::GetDC(owner);
    HGDIOBJ previous = ::SelectObject(hdc, font);
    auto widthOf = [hdc](const std::wstring& text) {
        SIZE size = {};
        ::GetTextExtentPoint32W(hdc, text.c_str(), static_cast<int>(text.size()), &size);
        return size.cx;
    };
    LONG widest = 0;
    for (BCMenuData* record : items) {
        std::wstring label = record->text.substr(0, record->text.find(L'\t'));
        widest = std::max(widest, widthOf(label + L" "));
    }
    for (BCMenuData* record : items) {
        size_t tab = record->text.find(L'\t');
        if (tab == std::wstring::npos)
            continue;
        std::wstring label = record->text.substr(0, tab);
        for (int blanks = 0; widthOf(label) < widest && blanks < kMaxPaddingBlanks; ++blanks)
            label += L' ';
        record->text = label + record->text.substr(tab);
    }
    ::SelectObject(hdc, previous);
    ::ReleaseDC(owner, hdc);
    ::DeleteObject(font);
}

int BCMenu::MenuBarOffset()
{
    int count = static_cast<int>(GetMenuItemCount());
    for (int position = 0; position < count; ++position) {
        std::wstring text = MenuStringAt(m_hMenu, position);
        for (size_t index = 0; index < items.size(); ++index) {
            if (items[index]->text == text) {
                if (position >= static_cast<int>(index))
                    return position - static_cast<int>(index);
                break;
            }
        }
    }
    return 0;
}

void BCMenu::FlattenMenuBar()
{
    int offset = MenuBarOffset();
    int count = static_cast<int>(GetMenuItemCount());
    for (int position = offset; position < count && position - offset < static_cast<int>(items.size()); ++position) {
        HMENU hSub = ::GetSubMenu(m_hMenu, position);
        if (hSub == nullptr)
            continue;
        BCMenuData* record = items[position - offset];
        record->flags = MF_BYPOSITION | MF_POPUP;
        ::ModifyMenuW(m_hMenu, position, record->flags, reinterpret_cast<UINT_PTR>(hSub), record->text.c_str());
    }
}
