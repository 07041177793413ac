// BCMenu: a menu whose every pop-up item is owner-drawn, so each item can show
// an image taken from a toolbar resource beside its text, in an XP look (shaded
// image column) or a 3D look (raised and sunken image buttons). It builds whole
// menus from menu resources, keeps one BCMenuData record per item, and knows
// every pop-up it created so frames can route WM_MEASUREITEM, WM_DRAWITEM and
// WM_MENUCHAR to it.
#pragma once

#include "afx/ImageList.h"
#include "afx/Menu.h"
#include "afx/Rect.h"
#include "afx/String.h"

#include <memory>
#include <string>
#include <vector>

class CDC;

// One item of a BCMenu: the pointer to it is the item data of the owner-drawn
// menu item, so it must stay put while the item exists.
class BCMenuData
{
public:
    BCMenuData();
    BCMenuData(const BCMenuData&) = delete;
    BCMenuData& operator=(const BCMenuData&) = delete;

    void SetWideText(const wchar_t* value) { text = value != nullptr ? value : L""; }
    // ANSI text is converted in the thread's code page (Cyrillic as 1251).
    void SetAnsiText(LPCSTR value);
    CString GetAnsiText() const;
    const wchar_t* GetWideText() const { return text.c_str(); }

    std::wstring text;          // label, a tab, the accelerator text
    int ownImageOffset;         // index in ownImages; -1 none
    int globalImageOffset;      // index of the first image in the global list; -1 none
    int imageIndex;             // 0: the image is in ownImages; -1: the global one (if any)
    UINT flags;                 // the MF_ flags the item was last put into the menu with
    UINT_PTR commandId;         // command id, sub-menu handle of a pop-up, 0 for a separator
    UINT synchronised;          // marker of Synchronize
    std::unique_ptr<CImageList> ownImages;
};

class BCMenu : public CMenu
{
    DECLARE_DYNAMIC(BCMenu)
public:
    BCMenu();
    ~BCMenu() override;

    // Owner-drawn items (look and sizes in BCMenuDraw.cpp).
    void DrawItem(LPDRAWITEMSTRUCT lpDIS) override;
    void MeasureItem(LPMEASUREITEMSTRUCT lpMIS) override;

    // Builds the whole menu from a menu resource: the top level stays plain
    // text (the menu bar is drawn by the system), every pop-up item is
    // owner-drawn. FALSE when the resource cannot be loaded.
    virtual BOOL LoadMenu(UINT nIDResource) { return LoadMenu(MAKEINTRESOURCE(nIDResource)); }
    virtual BOOL LoadMenu(LPCTSTR lpszResourceName);
    // Forgets the sub-menus, frees the records and destroys the handle.
    virtual BOOL DestroyMenu();

    // Images of the toolbar resource (user type 241 and a bitmap of the same
    // id) go to every item whose command has a button there.
    BOOL LoadToolbar(UINT nToolBar);
    BOOL LoadToolbars(const UINT* arID, int n);

    // Process-wide services used by frames and buttons.
    static void SetIconSize(int width, int height);
    static BOOL IsMenu(CMenu* pMenu);
    static BOOL IsMenuHandle(HMENU hMenu);
    // Before a pop-up shows: items added or changed with plain CMenu calls
    // become owner-drawn again, removed ones lose their records.
    static void UpdateMenu(CMenu* pMenu);
    // The WM_MENUCHAR answer: the first item whose "&" letter is nChar.
    static LRESULT FindKeyboardShortcut(UINT nChar, UINT nFlags, CMenu* pMenu);
    static LRESULT OnMenuChar(UINT nChar, UINT nFlags, CMenu* pMenu) { return FindKeyboardShortcut(nChar, nFlags, pMenu); }

    // Appending and inserting. A command id of 0 makes a separator; with
    // MF_POPUP the id is the sub-menu handle. nIconNormal is a toolbar resource
    // id whose button for the command gives the image (-1: the command's image
    // already in the global list, if any).
    BOOL AppendItem(const wchar_t* lpstrText, UINT nFlags = MF_OWNERDRAW, UINT_PTR nID = 0, int nIconNormal = -1);
    BOOL AppendItem(LPCSTR lpszText, UINT nFlags = MF_OWNERDRAW, UINT_PTR nID = 0, int nIconNormal = -1);
    BOOL AppendMenu(UINT nFlags, UINT_PTR nIDNewItem = 0, LPCSTR lpszNewItem = nullptr, int nIconNormal = -1);
    BOOL AppendMenu(UINT nFlags, UINT_PTR nIDNewItem, const wchar_t* lpszNewItem, int nIconNormal = -1);
    // nPosition -1 (by position) means the end.
    BOOL InsertItem(UINT nPosition, const wchar_t* lpstrText, UINT nFlags = MF_OWNERDRAW, UINT_PTR nID = 0,
                    int nIconNormal = -1);
    BOOL InsertItem(UINT nPosition, LPCSTR lpszText, UINT nFlags = MF_OWNERDRAW, UINT_PTR nID = 0, int nIconNormal = -1);
    BOOL InsertMenu(UINT nPosition, UINT nFlags, UINT_PTR nIDNewItem = 0, LPCSTR lpszNewItem = nullptr,
                    int nIconNormal = -1);
    BOOL InsertMenu(UINT nPosition, UINT nFlags, UINT_PTR nIDNewItem, const wchar_t* lpszNewItem,
                    int nIconNormal = -1);
    // An image of the item's own, copied from a list or made from a bitmap
    // (masked on the bitmap background or COLOR_3DFACE).
    BOOL AppendItemWithImageList(const wchar_t* lpstrText, UINT nFlags, UINT_PTR nID, CImageList* il, int xoffset);
    BOOL AppendItemWithImageList(LPCSTR lpszText, UINT nFlags, UINT_PTR nID, CImageList* il, int xoffset);
    BOOL AppendItemWithBitmap(const wchar_t* lpstrText, UINT nFlags, UINT_PTR nID, CBitmap* bmp);
    BOOL AppendItemWithBitmap(LPCSTR lpszText, UINT nFlags, UINT_PTR nID, CBitmap* bmp);
    // Inserted items take their image into the global list for the command.
    BOOL InsertItemWithImageList(UINT nPosition, const wchar_t* lpstrText, UINT nFlags, UINT_PTR nID,
                                 CImageList* il, int xoffset);
    BOOL InsertItemWithImageList(UINT nPosition, LPCSTR lpszText, UINT nFlags, UINT_PTR nID, CImageList* il,
                                 int xoffset);
    BOOL InsertItemWithBitmap(UINT nPosition, const wchar_t* lpstrText, UINT nFlags, UINT_PTR nID, CBitmap* bmp);
    BOOL InsertItemWithBitmap(UINT nPosition, LPCSTR lpszText, UINT nFlags, UINT_PTR nID, CBitmap* bmp);
    BCMenu* AppendPopup(const wchar_t* lpstrText);
    BCMenu* AppendPopup(LPCSTR lpszText);

    // Images for every occurrence of a command (text null: keep the text).
    BOOL SetItemImage(const wchar_t* lpstrText, UINT nID, int nIconNormal);
    BOOL SetItemImage(LPCSTR lpszText, UINT nID, int nIconNormal);
    BOOL SetItemImageFromList(const wchar_t* lpstrText, UINT nID, CImageList* il, int xoffset);
    BOOL SetItemImageFromList(LPCSTR lpszText, UINT nID, CImageList* il, int xoffset);
    BOOL SetItemBitmap(const wchar_t* lpstrText, UINT nID, CBitmap* bmp);
    BOOL SetItemBitmap(LPCSTR lpszText, UINT nID, CBitmap* bmp);
    // A filled rectangle as the image (hatched in that style unless -1); the
    // swatch is the image size unless a size is given, centred on the menu colour.
    BOOL SetItemColourSwatch(const wchar_t* lpstrText, UINT nID, COLORREF fill, COLORREF border, int hatch = -1,
                             CSize size = CSize(0, 0));
    BOOL SetItemColourSwatch(LPCSTR lpszText, UINT nID, COLORREF fill, COLORREF border, int hatch = -1,
                             CSize size = CSize(0, 0));
    // The item of this menu with the text gets the new text and an image list
    // of its own: its command's button of the toolbar resource, or image 0 of
    // the bitmap resource.
    BOOL SetItemImageByText(const wchar_t* lpstrFind, const wchar_t* lpstrText, UINT nResourceId);
    BOOL SetItemImageByText(LPCSTR lpszFind, LPCSTR lpszText, UINT nResourceId);

    BOOL SetItemText(UINT id, const wchar_t* lpstrText, UINT nFlags = MF_BYPOSITION);
    BOOL SetItemText(UINT id, LPCSTR lpszText, UINT nFlags = MF_BYPOSITION);
    BOOL GetItemText(UINT id, std::wstring& string, UINT nFlags = MF_BYPOSITION);
    BOOL GetItemText(UINT id, CString& string, UINT nFlags = MF_BYPOSITION);

    BOOL RemoveItem(UINT uiId, UINT nFlags);
    BOOL DeleteItem(UINT uiId, UINT nFlags);
    // nMode 1 or 2 also takes the item before, 3 the items on both sides
    // (separators around the item). Answers the position found, or -1.
    int RemoveItemByText(const wchar_t* lpstrText, int nMode = 0);
    int DeleteItemByText(const wchar_t* lpstrText, int nMode = 0);

    // Searches. FindMenuHolding answers the BCMenu (this or a sub-menu) whose
    // item at nLoc has the command, or null and -1.
    BCMenu* FindMenuHolding(UINT nID, int& nLoc);
    BCMenu* FindNextMenuHolding(UINT nID, int& nLoc, std::vector<BCMenu*>& menusSeen,
                                std::vector<int>& positionsSeen);
    BCMenuData* FindItemData(UINT nID);
    BCMenuData* FindItemDataByText(const wchar_t* lpstrText);
    int FindItemIndexByText(const wchar_t* lpstrText) const;
    // The BCMenu sub-menu whose item has the text, searched through all levels.
    BCMenu* FindSubMenuByText(const wchar_t* lpstrText);
    // The sub-menu of the first position of this menu whose string is the text.
    CMenu* GetSubMenuByText(LPCSTR lpszText);

    void SetBitmapBackground(COLORREF color);
    void ClearBitmapBackground() { useBitmapBackground = false; }
    void SetDisabledDibEmboss() { disabledDibEmboss = true; }
    void ClearDisabledDibEmboss() { disabledDibEmboss = false; }
    // Two bitmaps for checked items that have no image (unchecked, checked).
    BOOL SetCheckImages(int nUncheckedId, int nCheckedId);

    void Synchronize();
    void AlignAccelerators();

    int GetItemRecordCount() const { return static_cast<int>(items.size()); }
    BCMenuData* GetItemRecord(int index) const;
    bool IsLoadedAsMenuBar() const { return loadedAsMenuBar; }

    // Looks (BCMenuDraw.cpp).
    static bool IsClassicTheme();
    static bool IsThemedXp();
    static bool IsXpLook();
    static bool SelectDisabledInForce();
    static int ItemSpacing();
    static COLORREF LightenColor(COLORREF color, double factor);
    // A one-image list of the bitmap, masked on the bitmap background colour.
    BOOL MakeBitmapList(CBitmap* bmp, CImageList& list) const;
    static COLORREF DarkenColor(COLORREF color, double factor);
    // The class of a Windows version (GetVersion's value and GetVersionEx's
    // major and minor numbers): 7 is XP, several decisions test ">= 2".
    static int ClassifyWindows(DWORD version, DWORD major, DWORD minor);

    // Images (BCMenuImages.cpp).
    BOOL AddBitmapToImageList(CImageList* list, UINT nResourceID);
    static bool XpImageSetInForce();
    static HBITMAP LoadSysColorBitmap(UINT nResourceID);
    static BOOL CopyImageFromList(CImageList* source, int index, CImageList* destination);
    static int AddToGlobalImages(CImageList* list, int index, UINT_PTR nID);
    static int GlobalImageOffset(UINT_PTR nID);
    static bool HasGlobalImageSet(int position);
    static bool ImageToBitmap(CDC* pDC, CImageList* list, int index, CBitmap& bitmap);
    static void MakeFaded(CBitmap& bitmap);
    static void MakeShadow(CBitmap& bitmap);
    static void MakeGreyed(CBitmap& bitmap, COLORREF background);
    static void ReplaceGreyBackground(CBitmap& bitmap);
    static void DrawEmbossedMask(CDC* pDC, int x, int y, int width, int height, CBitmap& bitmap,
                                 int sourceX, int sourceY, COLORREF background);
    static void DrawEmbossedDib(CDC* pDC, int x, int y, int width, int height, CBitmap& bitmap,
                                int sourceX, int sourceY);
    static void DrawGreyed(CDC* pDC, int x, int y, int width, int height, CBitmap& bitmap, COLORREF background);
    static void MakeColourSwatch(CDC* pDC, CBitmap& bitmap, int swatchWidth, int swatchHeight, int bitmapWidth,
                                 int bitmapHeight, COLORREF fill, COLORREF border, int hatch);
    static CImageList& GlobalImages() { return globalImages; }
    static const std::vector<UINT_PTR>& GlobalImageCommands() { return globalImageCommands; }

    // The window whose DC measures texts and makes images: the thread's main
    // window, the desktop when there is none.
    static HWND OwnerWindow();

    // Process-wide settings (one copy for all menus; UI thread only).
    static int iconWidth;
    static int iconHeight;
    static int windowsClass;          // class of the running system, stored by the program at start; tests set it
    static int classicTheme;          // -1: not read yet; 0 or 1 once IsClassicTheme has looked
    static int xpLookOnThemedXp;
    static int xpLookElsewhere;
    static int selectDisabledXp;
    static int selectDisabled3d;
    static int xpImageSet;
    static int alignXpAccelerators1;
    static int alignXpAccelerators2;
    static int plainBitmapAdded;

protected:
    // Shared by the ANSI and wide faces of the operations.
    BOOL InsertItemCore(UINT nPosition, const wchar_t* text, UINT nFlags, UINT_PTR nID, int nIconNormal);
    BOOL RemoveOrDelete(UINT uiId, UINT nFlags, bool destroy);
    int RemoveOrDeleteByText(const wchar_t* text, int mode, bool destroy);
    BCMenu* SubMenuAt(int position) const;
    BCMenuData* RecordAtItem(int position) const;
    // The image index of the command's button in a toolbar resource, with the
    // toolbar's bitmap added to a fresh list: -1 when not there.
    int GlobalImageFromToolbar(UINT_PTR nID, int nToolbar);
    BOOL AddBitmapToImageList(CImageList* list, UINT nResourceID, int cellWidth, int cellHeight);
    COLORREF MaskColour() const;
    int MenuBarOffset();
    void FlattenMenuBar();
    void DeleteRecord(BCMenuData* record);

    void DrawItemXp(LPDRAWITEMSTRUCT lpDIS);
    void DrawItem3d(LPDRAWITEMSTRUCT lpDIS);
    static void DrawCheckMark(CDC* pDC, int x, int y, COLORREF color, bool narrow);
    static void DrawRadioDot(CDC* pDC, int x, int y, COLORREF color);

    std::vector<BCMenuData*> items;
    std::vector<HMENU> subMenus;
    COLORREF bitmapBackground;
    bool useBitmapBackground;
    bool disabledDibEmboss;
    CImageList* checkImages;
    bool checkImagesShared;
    int checkedBitmapId;
    int uncheckedBitmapId;
    bool loadedAsMenuBar;

    static std::vector<HMENU> allSubMenus;
    static CImageList globalImages;
    static std::vector<UINT_PTR> globalImageCommands;
};
