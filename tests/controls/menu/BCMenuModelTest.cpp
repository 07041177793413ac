#include "MenuTestSupport.h"

#include "afx/Exception.h"
#include "controls/menu/BCMenuToolbar.h"
#include "resources/resource.h"

#include <string>

namespace {

class BCMenuModelTest : public MenuSettingsTest
{
};

BCMenu* SubMenu(CMenu& menu, int position)
{
    return DYNAMIC_DOWNCAST(BCMenu, CMenu::FromHandlePermanent(::GetSubMenu(menu.m_hMenu, position)));
}

std::string Text(BCMenu& menu, int position)
{
    CString text;
    EXPECT_TRUE(menu.GetItemText(position, text, MF_BYPOSITION));
    return std::string(text);
}

bool IsOwnerDrawn(HMENU hMenu, int position)
{
    MENUITEMINFOA info = {};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_FTYPE;
    ::GetMenuItemInfoA(hMenu, position, TRUE, &info);
    return (info.fType & MFT_OWNERDRAW) != 0;
}

int CountOf(UINT_PTR command)
{
    int count = 0;
    for (UINT_PTR id : BCMenu::GlobalImageCommands())
        count += id == command ? 1 : 0;
    return count;
}

TEST(BCMenuPlainTest, WindowsVersionClasses)
{
    EXPECT_EQ(7, BCMenu::ClassifyWindows(0x0A280105, 5, 1));    // XP
    EXPECT_EQ(6, BCMenu::ClassifyWindows(0x08930005, 5, 0));    // 2000
    EXPECT_EQ(5, BCMenu::ClassifyWindows(0x05650004, 4, 0));    // NT 4
    EXPECT_EQ(1, BCMenu::ClassifyWindows(0x0ECE0205, 5, 2));    // Server 2003
    EXPECT_EQ(1, BCMenu::ClassifyWindows(0x1DB10106, 6, 1));    // 7 and later
    EXPECT_EQ(3, BCMenu::ClassifyWindows(0xC0000A04, 4, 10));   // 98
    EXPECT_EQ(4, BCMenu::ClassifyWindows(0xC0005A04, 4, 90));   // Me
    EXPECT_EQ(2, BCMenu::ClassifyWindows(0xC0000004, 4, 0));    // 95
    EXPECT_EQ(0, BCMenu::ClassifyWindows(0x80000003, 3, 10));   // Win32s
}

TEST(BCMenuPlainTest, ColourBlendsTruncateAndIgnoreFactorsOutOfRange)
{
    EXPECT_EQ(RGB(127, 178, 255), BCMenu::LightenColor(RGB(0, 102, 255), 0.5));
    EXPECT_EQ(RGB(50, 0, 127), BCMenu::DarkenColor(RGB(101, 0, 255), 0.5));
    EXPECT_EQ(RGB(10, 20, 30), BCMenu::LightenColor(RGB(10, 20, 30), 0.0));
    EXPECT_EQ(RGB(10, 20, 30), BCMenu::DarkenColor(RGB(10, 20, 30), 1.5));
    EXPECT_EQ(RGB(0, 0, 0), BCMenu::DarkenColor(RGB(10, 20, 30), 1.0));
}

TEST(BCMenuPlainTest, ToolbarResourceSkipsSeparatorsInImageIndexes)
{
    BCMenuToolbar toolbar;
    ASSERT_TRUE(toolbar.Load(IDR_TOOLBAR_EXPORTCOPY));
    EXPECT_EQ(16, toolbar.width);
    EXPECT_EQ(16, toolbar.height);
    ASSERT_EQ(11u, toolbar.commands.size());
    EXPECT_EQ(0, toolbar.ImageOf(0));
    EXPECT_EQ(-1, toolbar.ImageOf(2));                              // separator
    EXPECT_EQ(2, toolbar.ImageOf(toolbar.FindCommand(IDC_CHECK_ALL)));
    EXPECT_EQ(7, toolbar.ImageOf(toolbar.FindCommand(ID_COPY_DROPDOWN)));
    EXPECT_EQ(-1, toolbar.FindCommand(ID_APP_EXIT));
    EXPECT_FALSE(toolbar.Load(IDR_MENU_EXPORT));                    // no such toolbar
}

TEST_F(BCMenuModelTest, LoadsTheMainMenuAsAPlainBarOverOwnerDrawnPopups)
{
    Use3dLook();
    BCMenu menu;
    ASSERT_TRUE(menu.LoadMenu(IDR_MAINFRAME));
    EXPECT_TRUE(menu.IsLoadedAsMenuBar());
    ASSERT_EQ(4u, menu.GetMenuItemCount());

    // The top level is drawn by the system: plain strings.
    const char* bar[] = {"&File", "Keyword", "&View", "&Help"};
    for (int i = 0; i < 4; ++i) {
        CString text;
        menu.GetMenuString(i, text, MF_BYPOSITION);
        EXPECT_STREQ(bar[i], text) << i;
        EXPECT_FALSE(IsOwnerDrawn(menu.m_hMenu, i)) << i;
        EXPECT_EQ(UINT(MF_BYPOSITION | MF_POPUP), menu.GetItemRecord(i)->flags);
    }

    BCMenu* file = SubMenu(menu, 0);
    ASSERT_NE(nullptr, file);
    EXPECT_TRUE(BCMenu::IsMenu(file));
    ASSERT_EQ(1u, file->GetMenuItemCount());
    EXPECT_EQ("E&xit", Text(*file, 0));
    EXPECT_EQ(UINT(ID_APP_EXIT), file->GetMenuItemID(0));
    EXPECT_TRUE(IsOwnerDrawn(file->m_hMenu, 0));
    EXPECT_EQ(UINT(MF_OWNERDRAW), file->GetItemRecord(0)->flags & ~MF_BYPOSITION);

    // Nested pop-ups, the last closing three levels at once.
    BCMenu* keyword = SubMenu(menu, 1);
    ASSERT_NE(nullptr, keyword);
    ASSERT_EQ(2u, keyword->GetMenuItemCount());
    BCMenu* exportMenu = SubMenu(*keyword, 0);
    ASSERT_NE(nullptr, exportMenu);
    ASSERT_EQ(6u, exportMenu->GetMenuItemCount());
    EXPECT_EQ("To \"keywords\" Meta Tag", Text(*exportMenu, 2));
    BCMenu* adwords = SubMenu(*exportMenu, 5);
    ASSERT_NE(nullptr, adwords);
    EXPECT_TRUE(BCMenu::IsMenuHandle(adwords->m_hMenu));
    EXPECT_EQ(UINT(ID_EXPORT_ADWORDS_EXACT), adwords->GetMenuItemID(2));
    EXPECT_TRUE(IsOwnerDrawn(exportMenu->m_hMenu, 5));
    EXPECT_EQ(UINT(MF_OWNERDRAW | MF_POPUP), exportMenu->GetItemRecord(5)->flags & ~MF_BYPOSITION);
    BCMenu* copy = SubMenu(*keyword, 1);
    ASSERT_NE(nullptr, copy);
    EXPECT_EQ("Brad Match", Text(*SubMenu(*copy, 4), 0));

    BCMenu* help = SubMenu(menu, 3);
    ASSERT_NE(nullptr, help);
    ASSERT_EQ(2u, help->GetMenuItemCount());
    EXPECT_EQ("E-Mail To Support Center", Text(*help, 1));

    EXPECT_EQ(help, menu.GetSubMenuByText("&Help"));
    EXPECT_EQ(nullptr, menu.GetSubMenuByText("&help"));   // case counts
    EXPECT_EQ(adwords, menu.FindSubMenuByText(L"Exact Match"));
    EXPECT_EQ(nullptr, menu.FindSubMenuByText(L"Nothing"));

    HMENU helpHandle = help->m_hMenu;
    EXPECT_TRUE(menu.DestroyMenu());
    EXPECT_FALSE(BCMenu::IsMenuHandle(helpHandle));
    EXPECT_FALSE(menu.LoadMenu(9999));   // no such menu
}

TEST_F(BCMenuModelTest, ToolbarImagesGoToTheCommandsTheyBelongTo)
{
    Use3dLook();
    BCMenu menu;
    ASSERT_TRUE(menu.LoadMenu(IDR_MAINFRAME));
    ASSERT_TRUE(menu.LoadToolbar(IDR_MAINFRAME));
    ASSERT_TRUE(menu.LoadToolbar(IDR_TOOLBAR_MENU_IMAGES));   // none of its commands is in this menu
    EXPECT_FALSE(menu.LoadToolbar(IDR_MENU_EXPORT));

    BCMenu* view = SubMenu(menu, 2);
    BCMenu* help = SubMenu(menu, 3);
    ASSERT_NE(nullptr, view);
    ASSERT_NE(nullptr, help);
    BCMenuData* fullScreen = view->GetItemRecord(1);
    BCMenuData* about = help->GetItemRecord(0);
    BCMenuData* mail = help->GetItemRecord(1);
    EXPECT_EQ(-1, view->GetItemRecord(0)->globalImageOffset);   // status bar: no button
    ASSERT_GE(fullScreen->globalImageOffset, 0);
    ASSERT_GE(about->globalImageOffset, 0);
    ASSERT_GE(mail->globalImageOffset, 0);
    EXPECT_EQ(-1, about->imageIndex);
    EXPECT_EQ(-1, about->ownImageOffset);
    const auto& commands = BCMenu::GlobalImageCommands();
    EXPECT_EQ(UINT_PTR(ID_FULL_SCREEN), commands[fullScreen->globalImageOffset]);
    EXPECT_EQ(UINT_PTR(ID_APP_ABOUT), commands[about->globalImageOffset]);
    EXPECT_EQ(UINT_PTR(ID_MAIL_TO_SUPPORT), commands[mail->globalImageOffset]);
    EXPECT_EQ("&About ...", Text(*help, 0));   // the text stays
    EXPECT_TRUE(IsOwnerDrawn(help->m_hMenu, 0));

    // Loading again replaces the command's image in place.
    int entries = CountOf(ID_APP_ABOUT);
    ASSERT_TRUE(menu.LoadToolbar(IDR_MAINFRAME));
    EXPECT_EQ(entries, CountOf(ID_APP_ABOUT));
    EXPECT_EQ(about->globalImageOffset, help->GetItemRecord(0)->globalImageOffset);
}

TEST_F(BCMenuModelTest, ACommandInTwoPopupsGetsTheImageInBoth)
{
    Use3dLook();
    BCMenu menu;
    ASSERT_TRUE(menu.CreatePopupMenu());
    BCMenu* first = menu.AppendPopup("First");
    BCMenu* second = menu.AppendPopup("Second");
    ASSERT_TRUE(first != nullptr && second != nullptr);
    first->AppendItem("Settings", MF_OWNERDRAW, IDC_SETTINGS);
    second->AppendItem("Back", MF_OWNERDRAW, IDC_BACK);
    second->AppendItem("Settings again", MF_OWNERDRAW, IDC_SETTINGS);
    ASSERT_TRUE(menu.LoadToolbar(IDR_TOOLBAR_EXPORTCOPY));
    int offset = first->GetItemRecord(0)->globalImageOffset;
    EXPECT_GE(offset, 0);
    EXPECT_EQ(offset, second->GetItemRecord(1)->globalImageOffset);
    EXPECT_NE(offset, second->GetItemRecord(0)->globalImageOffset);
    EXPECT_EQ("Settings again", Text(*second, 1));

    // A later item of a command with an image takes it at once.
    ASSERT_TRUE(menu.AppendItem("Back too", MF_OWNERDRAW, IDC_BACK));
    EXPECT_EQ(second->GetItemRecord(0)->globalImageOffset, menu.GetItemRecord(2)->globalImageOffset);
}

TEST_F(BCMenuModelTest, UpdateMenuTurnsPlainItemsOwnerDrawnAndDropsOrphanRecords)
{
    Use3dLook();
    BCMenu menu;
    ASSERT_TRUE(menu.LoadMenu(IDR_MENU_TRAY));
    BCMenu* tray = SubMenu(menu, 0);
    ASSERT_NE(nullptr, tray);
    ASSERT_EQ(3, tray->GetItemRecordCount());
    EXPECT_TRUE(tray->GetItemRecord(1)->flags & MF_SEPARATOR);

    // The framework's own calls, as the command-update pass makes them.
    CMenu& plain = *tray;
    ASSERT_TRUE(plain.InsertMenu(1, MF_BYPOSITION | MF_STRING, ID_APP_ABOUT, "&About"));
    ASSERT_TRUE(plain.CheckMenuItem(ID_RESTORE_FROM_TRAY, MF_BYCOMMAND | MF_CHECKED) != 0xFFFFFFFF);
    EXPECT_FALSE(IsOwnerDrawn(tray->m_hMenu, 1));
    BCMenu::UpdateMenu(tray);
    ASSERT_EQ(4, tray->GetItemRecordCount());
    EXPECT_TRUE(IsOwnerDrawn(tray->m_hMenu, 1));
    EXPECT_EQ("&About", Text(*tray, 1));
    EXPECT_EQ(UINT_PTR(ID_APP_ABOUT), tray->GetItemRecord(1)->commandId);
    EXPECT_TRUE(tray->GetItemRecord(0)->flags & MF_CHECKED);
    EXPECT_EQ("&Show", Text(*tray, 0));
    EXPECT_EQ("E&xit", Text(*tray, 3));
    EXPECT_EQ(UINT(ID_APP_EXIT), tray->GetMenuItemID(3));
    EXPECT_TRUE(IsOwnerDrawn(tray->m_hMenu, 2));   // the separator keeps its record

    ASSERT_TRUE(plain.RemoveMenu(ID_APP_EXIT, MF_BYCOMMAND));
    BCMenu::UpdateMenu(tray);
    ASSERT_EQ(3, tray->GetItemRecordCount());
    EXPECT_EQ(nullptr, tray->FindItemDataByText(L"E&xit"));
    BCMenu::UpdateMenu(nullptr);   // nothing to do
}

TEST_F(BCMenuModelTest, MenuCharFindsTheItemByItsAmpersandLetter)
{
    Use3dLook();
    BCMenu menu;
    ASSERT_TRUE(menu.LoadMenu(IDR_MENU_TRAY));
    BCMenu* tray = SubMenu(menu, 0);
    ASSERT_NE(nullptr, tray);
    EXPECT_EQ(MAKELRESULT(0, MNC_EXECUTE), BCMenu::OnMenuChar('s', MF_POPUP, tray));
    EXPECT_EQ(MAKELRESULT(2, MNC_EXECUTE), BCMenu::OnMenuChar('X', MF_POPUP, tray));
    EXPECT_EQ(0, BCMenu::OnMenuChar('q', MF_POPUP, tray));    // no such letter
    EXPECT_EQ(0, BCMenu::OnMenuChar('E', MF_POPUP, tray));    // "E" without an ampersand
    EXPECT_EQ(0, BCMenu::OnMenuChar('s', MF_SYSMENU, tray));  // not a pop-up
    CMenu plain;
    ASSERT_TRUE(plain.CreatePopupMenu());
    EXPECT_EQ(0, BCMenu::OnMenuChar('s', MF_POPUP, &plain));  // not an owner-drawn menu

    // A Cyrillic letter arrives as its code-page byte; case does not matter.
    ASSERT_TRUE(tray->AppendItem("\xD4\xE0\xE9\xEB &\xCF\xF0\xE0\xE2\xEA\xE0", MF_OWNERDRAW, ID_APP_ABOUT));
    EXPECT_EQ(MAKELRESULT(3, MNC_EXECUTE), BCMenu::OnMenuChar(0xEF, MF_POPUP, tray));

    // An item added behind the menu's back is found after the resync.
    CMenu& raw = *tray;
    ASSERT_TRUE(raw.AppendMenu(MF_STRING, ID_APP_ABOUT + 1, "&Zoom"));
    EXPECT_EQ(MAKELRESULT(4, MNC_EXECUTE), BCMenu::OnMenuChar('z', MF_POPUP, tray));
}

TEST_F(BCMenuModelTest, TextsRemovalAndSearches)
{
    Use3dLook();
    BCMenu menu;
    ASSERT_TRUE(menu.LoadMenu(IDR_MENU_TRAY));
    BCMenu* tray = SubMenu(menu, 0);
    ASSERT_NE(nullptr, tray);

    int position = -1;
    EXPECT_EQ(tray, menu.FindMenuHolding(ID_APP_EXIT, position));
    EXPECT_EQ(2, position);
    EXPECT_EQ(nullptr, menu.FindMenuHolding(ID_APP_ABOUT, position));
    EXPECT_EQ(-1, position);
    EXPECT_EQ(tray->GetItemRecord(2), menu.FindItemData(ID_APP_EXIT));

    EXPECT_TRUE(menu.SetItemText(ID_RESTORE_FROM_TRAY, "&Restore", MF_BYCOMMAND));
    CString text;
    EXPECT_TRUE(menu.GetItemText(ID_RESTORE_FROM_TRAY, text, MF_BYCOMMAND));
    EXPECT_STREQ("&Restore", text);
    EXPECT_FALSE(menu.GetItemText(ID_APP_ABOUT, text, MF_BYCOMMAND));
    EXPECT_FALSE(tray->GetItemText(7, text, MF_BYPOSITION));
    bool thrown = false;
    try {
        tray->GetItemRecord(7);
    } catch (CInvalidArgException* e) {
        thrown = true;
        e->Delete();
    }
    EXPECT_TRUE(thrown);

    EXPECT_EQ(-1, tray->RemoveItemByText(L"Nothing"));
    EXPECT_EQ(3u, tray->GetMenuItemCount());
    // Removing "E&xit" with the separator before it.
    EXPECT_EQ(2, tray->DeleteItemByText(L"E&xit", 1));
    EXPECT_EQ(1u, tray->GetMenuItemCount());
    EXPECT_EQ(1, tray->GetItemRecordCount());

    HMENU trayHandle = tray->m_hMenu;
    EXPECT_TRUE(menu.RemoveItem(0, MF_BYPOSITION));
    EXPECT_FALSE(BCMenu::IsMenuHandle(trayHandle));
    EXPECT_EQ(0u, menu.GetMenuItemCount());
    EXPECT_EQ(0, menu.GetItemRecordCount());
}

TEST_F(BCMenuModelTest, AcceleratorsLineUpBehindTheWidestLabel)
{
    Use3dLook();
    BCMenu menu;
    ASSERT_TRUE(menu.CreatePopupMenu());
    menu.AppendItem("A\tCtrl+A", MF_OWNERDRAW, 1);
    menu.AppendItem("A much longer label", MF_OWNERDRAW, 2);
    menu.AppendItem("Mid label\tF2", MF_OWNERDRAW, 3);
    menu.AlignAccelerators();
    std::wstring first = menu.GetItemRecord(0)->text;
    std::wstring third = menu.GetItemRecord(2)->text;
    EXPECT_EQ(L"A much longer label", menu.GetItemRecord(1)->text);
    ASSERT_NE(std::wstring::npos, first.find(L"\tCtrl+A"));
    EXPECT_EQ(0u, first.find(L"A "));
    EXPECT_EQ(first.size() - 7, first.find(L'\t'));
    // Both padded labels reach the width of the widest label.
    HDC screen = ::GetDC(nullptr);
    NONCLIENTMETRICSW metrics = {};
    metrics.cbSize = sizeof(metrics);
    ::SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, metrics.cbSize, &metrics, 0);
    HFONT font = ::CreateFontIndirectW(&metrics.lfMenuFont);
    HGDIOBJ old = ::SelectObject(screen, font);
    auto width = [screen](const std::wstring& text) {
        SIZE size = {};
        ::GetTextExtentPoint32W(screen, text.c_str(), static_cast<int>(text.size()), &size);
        return size.cx;
    };
    LONG widest = width(L"A much longer label ");
    EXPECT_GE(width(first.substr(0, first.find(L'\t'))), widest);
    EXPECT_GE(width(third.substr(0, third.find(L'\t'))), widest);
    EXPECT_LT(width(third.substr(0, third.find(L'\t') - 1)), widest);
    ::SelectObject(screen, old);
    ::DeleteObject(font);
    ::ReleaseDC(nullptr, screen);
}

}
