#include "controls/accel/AccelsOb.h"

#include "afx/WinApp.h"

namespace {

// Key-name records as they have always been laid out: a code and a 16-byte name.
struct KeyName
{
    WORD wKey;
    char szName[16];
};

const KeyName kKeyNames[] = {
    {1, "VK_LBUTTON"}, {2, "VK_RBUTTON"}, {3, "VK_CANCEL"}, {4, "VK_MBUTTON"}, {8, "BACK"}, {9, "TAB"},
    {12, "VK_CLEAR"}, {13, "RETURN"}, {16, "SHIFT"}, {17, "CONTROL"}, {18, "MENU"}, {19, "PAUSE"},
    {20, "CAPITAL"}, {27, "ESCAPE"}, {32, "SPACE"}, {33, "PRIOR"}, {34, "NEXT"}, {35, "END"}, {36, "HOME"},
    {37, "LEFT"}, {38, "UP"}, {39, "RIGHT"}, {40, "DOWN"}, {41, "VK_SELECT"}, {42, "PRINT"}, {43, "EXECUTE"},
    {44, "SNAPSHOT"}, {45, "INSERT"}, {46, "DELETE"}, {47, "VK_HELP"},
    {48, "0"}, {49, "1"}, {50, "2"}, {51, "3"}, {52, "4"}, {53, "5"}, {54, "6"}, {55, "7"}, {56, "8"}, {57, "9"},
    {65, "A"}, {66, "B"}, {67, "C"}, {68, "D"}, {69, "E"}, {70, "F"}, {71, "G"}, {72, "H"}, {73, "I"},
    {74, "J"}, {75, "K"}, {76, "L"}, {77, "M"}, {78, "N"}, {79, "O"}, {80, "P"}, {81, "Q"}, {82, "R"},
    {83, "S"}, {84, "T"}, {85, "U"}, {86, "V"}, {87, "W"}, {88, "X"}, {89, "Y"}, {90, "Z"},
    {91, "VK_LWIN"}, {92, "VK_RWIN"}, {93, "VK_APPS"},
    {96, "NUMPAD0"}, {97, "NUMPAD1"}, {98, "NUMPAD2"}, {99, "NUMPAD3"}, {100, "NUMPAD4"}, {101, "NUMPAD5"},
    {102, "NUMPAD6"}, {103, "NUMPAD7"}, {104, "NUMPAD8"}, {105, "NUMPAD9"},
    {106, "MULTIPLY"}, {107, "ADD"}, {108, "SEPARATOR"}, {109, "SUBTRACT"}, {110, "DECIMAL"}, {111, "DIVIDE"},
    {112, "F1"}, {113, "F2"}, {114, "F3"}, {115, "F4"}, {116, "F5"}, {117, "F6"}, {118, "F7"}, {119, "F8"},
    {120, "F9"}, {121, "F10"}, {122, "F11"}, {123, "F12"}, {124, "F13"}, {125, "F14"}, {126, "F15"},
    {127, "F16"}, {128, "F17"}, {129, "F18"}, {130, "F19"}, {131, "F20"}, {132, "F21"}, {133, "F22"},
    {134, "F23"}, {135, "F24"},
    {144, "NUMLOCK"}, {145, "VK_SCROLL"},
    {246, "VK_ATTN"}, {247, "VK_CRSEL"}, {248, "VK_EXSEL"}, {249, "VK_EREOF"}, {250, "VK_PLAY"},
    {251, "VK_ZOOM"}, {252, "VK_NONAME"}, {253, "VK_PA1"}, {254, "VK_OEM_CLEAR"},
};
static_assert(sizeof(kKeyNames) / sizeof(kKeyNames[0]) == 120, "one record per named key");

// Modifiers in the order they are written.
const KeyName kModifierNames[] = {{FCONTROL, "Ctrl"}, {FALT, "Alt"}, {FSHIFT, "Shift"}};

const DWORD kLockedMark = 1;
const DWORD kUserMark = 2;

} // namespace

LPCTSTR GetKeyName(WORD wKey)
{
    for (const KeyName& entry : kKeyNames)
        if (entry.wKey == wKey)
            return entry.szName;
    return nullptr;
}

CAccelsOb::CAccelsOb() : fVirt(0), m_wKey(0), m_bLocked(false)
{
}

CAccelsOb::CAccelsOb(const CAccelsOb& other) : CObject(), fVirt(other.fVirt), m_wKey(other.m_wKey), m_bLocked(other.m_bLocked)
{
}

CAccelsOb::CAccelsOb(BYTE fVirtFlags, WORD wKey, bool bLocked) : fVirt(fVirtFlags), m_wKey(wKey), m_bLocked(bLocked)
{
}

CAccelsOb::CAccelsOb(const ACCEL* pAccel) : fVirt(pAccel->fVirt), m_wKey(pAccel->key), m_bLocked(false)
{
}

CAccelsOb& CAccelsOb::operator=(const CAccelsOb& other)
{
    CopyFrom(other);
    return *this;
}

void CAccelsOb::CopyFrom(const CAccelsOb& other)
{
    fVirt = other.fVirt;
    m_wKey = other.m_wKey;
    m_bLocked = other.m_bLocked;
}

void CAccelsOb::GetString(CString& strText) const
{
    strText.Empty();
    if (m_wKey == 0)
        return;
    for (const KeyName& modifier : kModifierNames) {
        if (fVirt & modifier.wKey) {
            strText += modifier.szName;
            strText += "+";
        }
    }
    LPCTSTR name = GetKeyName(m_wKey);
    if (!name) {
        AfxMessageBox("Internal error : (CAccelsOb::GetString) m_wKey invalid");
        return;
    }
    strText += name;
}

BOOL CAccelsOb::IsEqual(WORD wKey, bool bCtrl, bool bAlt, bool bShift) const
{
    return m_wKey == wKey && bCtrl == ((fVirt & FCONTROL) != 0) && bAlt == ((fVirt & FALT) != 0) &&
           bShift == ((fVirt & FSHIFT) != 0);
}

DWORD CAccelsOb::GetData() const
{
    return static_cast<DWORD>(m_wKey) | (static_cast<DWORD>(fVirt) << 16) |
           ((m_bLocked ? kLockedMark : kUserMark) << 24);
}

void CAccelsOb::SetData(DWORD dwData)
{
    m_wKey = LOWORD(dwData);
    fVirt = static_cast<BYTE>((dwData >> 16) & 0xFF);
    m_bLocked = (dwData >> 24) == kLockedMark;
}

CCmdAccelOb::CCmdAccelOb() : m_wIDCommand(0), m_szCommand(), m_Accels(10)
{
}

CCmdAccelOb::CCmdAccelOb(WORD wIDCommand, LPCTSTR lpszCommand)
    : m_wIDCommand(wIDCommand), m_szCommand(lpszCommand), m_Accels(10)
{
}

CCmdAccelOb::CCmdAccelOb(BYTE fVirtFlags, WORD wIDCommand, WORD wKey, LPCTSTR lpszCommand, bool bLocked)
    : m_wIDCommand(wIDCommand), m_szCommand(lpszCommand), m_Accels(10)
{
    Add(fVirtFlags, wKey, bLocked);
}

CCmdAccelOb::~CCmdAccelOb()
{
    DeleteAllAccels();
}

void CCmdAccelOb::DeleteAllAccels()
{
    POSITION pos = m_Accels.GetHeadPosition();
    while (pos)
        delete m_Accels.GetNext(pos);
    m_Accels.RemoveAll();
}

void CCmdAccelOb::Reset()
{
    m_wIDCommand = 0;
    m_szCommand = "Empty command";
    DeleteAllAccels();
}

CCmdAccelOb& CCmdAccelOb::operator=(const CCmdAccelOb& other)
{
    if (&other == this)
        return *this;
    Reset();
    m_wIDCommand = other.m_wIDCommand;
    m_szCommand = other.m_szCommand;
    POSITION pos = other.m_Accels.GetHeadPosition();
    while (pos)
        Add(new CAccelsOb(*other.m_Accels.GetNext(pos)));
    return *this;
}

void CCmdAccelOb::Add(BYTE fVirtFlags, WORD wKey, bool bLocked)
{
    Add(new CAccelsOb(fVirtFlags, wKey, bLocked));
}

void CCmdAccelOb::Add(CAccelsOb* pAccel)
{
    ASSERT(pAccel != nullptr);
    m_Accels.AddTail(pAccel);
}

void CCmdAccelOb::DeleteUserAccels()
{
    POSITION pos = m_Accels.GetHeadPosition();
    while (pos) {
        POSITION current = pos;
        CAccelsOb* accel = m_Accels.GetNext(pos);
        if (!accel->m_bLocked) {
            delete accel;
            m_Accels.RemoveAt(current);
        }
    }
}

bool CCmdAccelOb::HasLockedAccel() const
{
    POSITION pos = m_Accels.GetHeadPosition();
    while (pos)
        if (m_Accels.GetNext(pos)->m_bLocked)
            return true;
    return false;
}
