// The display text of a key binding and its reading back.
#include "toolkit/foundation/OXShortkeysOrganizer.h"

#include <gtest/gtest.h>

#include <string>

namespace {
ACCEL Accel(BYTE fVirt, WORD key, WORD cmd = 0)
{
    ACCEL accel = { fVirt, key, cmd };
    return accel;
}

std::string Text(BYTE fVirt, WORD key)
{
    return static_cast<LPCTSTR>(COXShortkeysOrganizer::GetAccelKeyText(Accel(fVirt, key)));
}

bool Parse(const char* text, ACCEL& accel)
{
    accel = Accel(0, 0);
    return COXShortkeysOrganizer::ParseAccelKeyText(text, accel) != FALSE;
}
} // namespace

TEST(ShortkeysText, ModifiersAreWrittenShiftCtrlAltThenTheKey)
{
    EXPECT_EQ("Shift+Slash", Text(FVIRTKEY | FSHIFT, 0xBF));
    EXPECT_EQ("Shift+Ctrl+Alt+Page Up", Text(FVIRTKEY | FALT | FCONTROL | FSHIFT, VK_PRIOR));
    EXPECT_EQ("Ctrl+Num 5", Text(FVIRTKEY | FCONTROL, VK_NUMPAD5));
    EXPECT_EQ("Enter", Text(FVIRTKEY, VK_RETURN));
    EXPECT_EQ("Esc", Text(FVIRTKEY | FNOINVERT, VK_ESCAPE));
    // Keys outside the program's list are named by the system.
    EXPECT_EQ("Ctrl+J", Text(FVIRTKEY | FCONTROL, 'J'));
    // Without FVIRTKEY the key is a character.
    EXPECT_EQ("Alt+x", Text(FALT, 'x'));
}

TEST(ShortkeysText, ParsingReadsModifiersInAnyCaseAndOrder)
{
    ACCEL accel;
    ASSERT_TRUE(Parse("ctrl+shift+num 5", accel));
    EXPECT_EQ(FVIRTKEY | FCONTROL | FSHIFT, accel.fVirt);
    EXPECT_EQ(0x65, accel.key);
    ASSERT_TRUE(Parse("  Alt + F12 ", accel));
    EXPECT_EQ(FVIRTKEY | FALT, accel.fVirt);
    EXPECT_EQ(VK_F12, accel.key);
    // A key whose name holds the separator.
    ASSERT_TRUE(Parse("Ctrl+Num +", accel));
    EXPECT_EQ(FVIRTKEY | FCONTROL, accel.fVirt);
    EXPECT_EQ(VK_ADD, accel.key);
    ASSERT_TRUE(Parse("Shift+/", accel));
    EXPECT_EQ(VK_DIVIDE, accel.key);
    // A character: the key that types it, without the shift it needs.
    ASSERT_TRUE(Parse("Ctrl+a", accel));
    EXPECT_EQ(FVIRTKEY | FCONTROL, accel.fVirt);
    EXPECT_EQ('A', accel.key);
}

TEST(ShortkeysText, BadTextsFailAndLeaveTheResultAlone)
{
    const char* bad[] = {
        "", "   ", "Ctrl+", "Shift+Ctrl+", "Hyper+A", "Ctrl+Nowhere", "Num 10", "F13",
        // A Cyrillic letter has no key on the keyboard in use.
        "\xE0", "Ctrl+\xE0",
    };
    for (const char* text : bad) {
        ACCEL accel = Accel(0x11, 0x2222, 0x3333);
        EXPECT_FALSE(COXShortkeysOrganizer::ParseAccelKeyText(text, accel)) << text;
        EXPECT_EQ(0x11, accel.fVirt) << text;
        EXPECT_EQ(0x2222, accel.key) << text;
    }
}

TEST(ShortkeysText, EveryListedKeyRoundTripsWithEveryModifierSet)
{
    WORD keys[] = { 0xBF, VK_RETURN, VK_END, VK_INSERT, VK_DELETE, VK_HOME, VK_PRIOR, VK_NEXT, VK_ESCAPE,
                    VK_UP, VK_DOWN, VK_RIGHT, VK_LEFT, VK_DIVIDE, VK_MULTIPLY, VK_SUBTRACT, VK_ADD,
                    VK_TAB, VK_SPACE, VK_BACK, 'J', '7' };
    std::vector<WORD> all(std::begin(keys), std::end(keys));
    for (WORD key = VK_F1; key <= VK_F12; ++key)
        all.push_back(key);
    for (WORD key = VK_NUMPAD0; key <= VK_NUMPAD9; ++key)
        all.push_back(key);
    for (WORD key : all) {
        for (BYTE mods = 0; mods < 8; ++mods) {
            BYTE fVirt = static_cast<BYTE>(FVIRTKEY | ((mods & 1) ? FSHIFT : 0) | ((mods & 2) ? FCONTROL : 0) |
                                           ((mods & 4) ? FALT : 0));
            std::string text = Text(fVirt, key);
            ACCEL back;
            ASSERT_TRUE(Parse(text.c_str(), back)) << text;
            EXPECT_EQ(fVirt, back.fVirt) << text;
            EXPECT_EQ(key, back.key) << text;
        }
    }
}
