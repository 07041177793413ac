// The display text of a binding and its reading back.
#include "toolkit/foundation/OXShortkeysOrganizer.h"

#include <string.h>

namespace {
struct KeyName
{
    const char* name;
    WORD key;
};

// The keys named by the program itself. The system's names of these keys
// differ between keyboards and systems (some have none), and the parser must
// read back whatever is written, so these are written as listed here.
const KeyName KeyNames[] = {
    { "Slash", VK_OEM_2 },    { "Enter", VK_RETURN },    { "End", VK_END },        { "Insert", VK_INSERT },
    { "Del", VK_DELETE },     { "Home", VK_HOME },       { "Page Up", VK_PRIOR },  { "Page Down", VK_NEXT },
    { "Esc", VK_ESCAPE },     { "Up", VK_UP },           { "Down", VK_DOWN },      { "Right", VK_RIGHT },
    { "Left", VK_LEFT },      { "F1", VK_F1 },           { "F2", VK_F2 },          { "F3", VK_F3 },
    { "F4", VK_F4 },          { "F5", VK_F5 },           { "F6", VK_F6 },          { "F7", VK_F7 },
    { "F8", VK_F8 },          { "F9", VK_F9 },           { "F10", VK_F10 },        { "F11", VK_F11 },
    { "F12", VK_F12 },        { "Num 0", VK_NUMPAD0 },   { "Num 1", VK_NUMPAD1 },  { "Num 2", VK_NUMPAD2 },
    { "Num 3", VK_NUMPAD3 },  { "Num 4", VK_NUMPAD4 },   { "Num 5", VK_NUMPAD5 },  { "Num 6", VK_NUMPAD6 },
    { "Num 7", VK_NUMPAD7 },  { "Num 8", VK_NUMPAD8 },   { "Num 9", VK_NUMPAD9 },  { "Num /", VK_DIVIDE },
    { "Num *", VK_MULTIPLY }, { "Num -", VK_SUBTRACT },  { "Num +", VK_ADD },
    // Keys the system may leave nameless.
    { "Tab", VK_TAB },        { "Space", VK_SPACE },     { "Backspace", VK_BACK },
};

struct Modifier
{
    const char* name;
    BYTE flag;
};
// In the order they are written.
const Modifier Modifiers[] = { { "Shift", FSHIFT }, { "Ctrl", FCONTROL }, { "Alt", FALT } };

// The buffer the system's key names are read into (names are cut to fit).
const int KeyNameChars = 10;
// The virtual keys whose scan codes need the extended bit to be told from
// the number pad's (Page Up to Delete).
const WORD FirstExtendedKey = VK_PRIOR;
const WORD LastExtendedKey = VK_DELETE;
const LPARAM ExtendedKeyBit = 0x01000000;
} // namespace

CString COXShortkeysOrganizer::GetAccelKeyText(const ACCEL& accel)
{
    CString text;
    for (const Modifier& modifier : Modifiers)
        if (accel.fVirt & modifier.flag)
            text += CString(modifier.name) + "+";
    if (!(accel.fVirt & FVIRTKEY)) {
        text += static_cast<char>(accel.key);
        return text;
    }
    for (const KeyName& known : KeyNames)
        if (known.key == accel.key)
            return text + known.name;
    LPARAM lParam = static_cast<LPARAM>(::MapVirtualKeyA(accel.key, MAPVK_VK_TO_VSC)) << 16;
    if (accel.key >= FirstExtendedKey && accel.key <= LastExtendedKey)
        lParam |= ExtendedKeyBit;
    char name[KeyNameChars] = "";
    ::GetKeyNameTextA(static_cast<LONG>(lParam), name, KeyNameChars);
    return text + name;
}

BOOL COXShortkeysOrganizer::ParseAccelKeyText(LPCTSTR lpszText, ACCEL& accel)
{
    CString rest(lpszText ? lpszText : "");
    rest.Trim();
    BYTE flags = FVIRTKEY;
    // Modifiers lead, each ended by "+"; the key is what follows them (its
    // own name may hold a "+", as "Num +" does).
    for (;;) {
        int plus = rest.Find('+');
        if (plus <= 0)
            break;
        CString part = rest.Left(plus);
        part.Trim();
        BYTE flag = 0;
        for (const Modifier& modifier : Modifiers)
            if (part.CompareNoCase(modifier.name) == 0)
                flag = modifier.flag;
        if (!flag)
            break;
        flags |= flag;
        rest = rest.Mid(plus + 1);
        rest.Trim();
    }
    if (rest.IsEmpty())
        return FALSE;
    WORD key = 0;
    if (rest.GetLength() == 1 && rest[0] == '/') {
        key = VK_DIVIDE;
    } else if (rest.GetLength() == 1) {
        SHORT scan = ::VkKeyScanA(rest[0]);
        // -1: no key of the keyboard types this character.
        if (LOBYTE(scan) == 0xFF && HIBYTE(scan) == 0xFF)
            return FALSE;
        key = LOBYTE(scan);
    } else {
        for (const KeyName& known : KeyNames)
            if (rest.CompareNoCase(known.name) == 0)
                key = known.key;
        if (!key)
            return FALSE;
    }
    accel.fVirt = flags;
    accel.key = key;
    return TRUE;
}
