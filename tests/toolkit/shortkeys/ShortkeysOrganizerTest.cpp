// The shortcut-key organizer over real accelerator tables, frames and
// document templates, with its state in Wine's real registry.
#include "toolkit/foundation/OXShortkeysOrganizer.h"

#include "afx/DocManager.h"
#include "afx/DocTemplate.h"
#include "afx/Document.h"
#include "afx/MDIChildWnd.h"
#include "afx/MDIFrameWnd.h"
#include "afx/View.h"
#include "afx/WinApp.h"
#include "tests/toolkit/shortkeys/ShortkeysIds.h"

#include <gtest/gtest.h>

#include <vector>

namespace {
const char ProfileKey[] = "Software\\LexifernTest\\Shortkeys";
const char Section[] = "Keys";
const char SectionKey[] = "Software\\LexifernTest\\Shortkeys\\Keys";

class CShortkeysTestApp : public CWinApp
{
public:
    CShortkeysTestApp() : CWinApp("Shortkeys")
    {
        AfxWinInit(::GetModuleHandleA(nullptr), nullptr, const_cast<LPSTR>(""), SW_SHOWNORMAL);
        SetRegistryKey("LexifernTest");
    }
};
CShortkeysTestApp theApp;

void PumpPending()
{
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT)
            continue;
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
    }
}

ACCEL Accel(BYTE fVirt, WORD key, WORD cmd)
{
    ACCEL accel = { fVirt, key, cmd };
    return accel;
}

std::vector<ACCEL> Entries(const OXACCELTABLE& table)
{
    return std::vector<ACCEL>(table.m_accelerators.GetData(),
                              table.m_accelerators.GetData() + table.m_accelerators.GetSize());
}

std::vector<ACCEL> Entries(HACCEL hAccel)
{
    int count = ::CopyAcceleratorTableA(hAccel, nullptr, 0);
    std::vector<ACCEL> entries(static_cast<size_t>(count > 0 ? count : 0));
    if (count > 0)
        ::CopyAcceleratorTableA(hAccel, entries.data(), count);
    return entries;
}

bool Same(const std::vector<ACCEL>& a, const std::vector<ACCEL>& b)
{
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i)
        if ((a[i].fVirt & 0x7F) != (b[i].fVirt & 0x7F) || a[i].key != b[i].key || a[i].cmd != b[i].cmd)
            return false;
    return true;
}

std::vector<BYTE> StoredState()
{
    std::vector<BYTE> bytes;
    HKEY key = nullptr;
    if (::RegOpenKeyA(HKEY_CURRENT_USER, SectionKey, &key) != ERROR_SUCCESS)
        return bytes;
    DWORD type = 0, size = 0;
    if (::RegQueryValueExA(key, "AcceleratorsState", nullptr, &type, nullptr, &size) == ERROR_SUCCESS) {
        bytes.resize(size);
        ::RegQueryValueExA(key, "AcceleratorsState", nullptr, &type, bytes.data(), &size);
    }
    ::RegCloseKey(key);
    return bytes;
}

void StoreState(const std::vector<BYTE>& bytes)
{
    HKEY key = nullptr;
    ASSERT_EQ(ERROR_SUCCESS, ::RegCreateKeyA(HKEY_CURRENT_USER, SectionKey, &key));
    ::RegSetValueExA(key, "AcceleratorsState", 0, REG_BINARY, bytes.data(), static_cast<DWORD>(bytes.size()));
    ::RegCloseKey(key);
}

void Put32(std::vector<BYTE>& bytes, DWORD value)
{
    for (int i = 0; i < 4; ++i)
        bytes.push_back(static_cast<BYTE>(value >> (8 * i)));
}

void PutEntry(std::vector<BYTE>& bytes, BYTE fVirt, WORD key, WORD cmd)
{
    bytes.push_back(fVirt);
    bytes.push_back(LOBYTE(key));
    bytes.push_back(HIBYTE(key));
    bytes.push_back(LOBYTE(cmd));
    bytes.push_back(HIBYTE(cmd));
}

// A frame without a window: the organizer reads and sets its table only.
class ShortkeysFrameTest : public testing::Test
{
protected:
    void SetUp() override
    {
        ::RegDeleteKeyA(HKEY_CURRENT_USER, SectionKey);
        ACCEL entries[] = { Accel(FVIRTKEY | FCONTROL, 'N', ID_SK_FIRST), Accel(FVIRTKEY, VK_F5, ID_SK_SECOND),
                            Accel(FVIRTKEY | FSHIFT, VK_F5, ID_SK_FIRST) };
        m_original = ::CreateAcceleratorTableA(entries, 3);
        m_frame.m_hAccelTable = m_original;
    }
    void TearDown() override
    {
        m_frame.m_hAccelTable = nullptr;
        ::DestroyAcceleratorTable(m_original);
        ::RegDeleteKeyA(HKEY_CURRENT_USER, SectionKey);
    }
    CFrameWnd m_frame;
    HACCEL m_original = nullptr;
};
} // namespace

TEST_F(ShortkeysFrameTest, AttachCopiesTheFrameTableOnce)
{
    COXShortkeysOrganizer organizer;
    EXPECT_FALSE(organizer.ApplyAccelTables());
    ASSERT_TRUE(organizer.Attach(&m_frame));
    EXPECT_FALSE(organizer.Attach(&m_frame));
    ASSERT_EQ(1, organizer.GetAccelTables().GetSize());
    EXPECT_EQ(nullptr, organizer.GetAccelTables()[0].m_pDocTemplate);
    EXPECT_TRUE(Same(Entries(m_original), Entries(organizer.GetAccelTables()[0])));

    EXPECT_TRUE(organizer.Detach());
    EXPECT_EQ(0, organizer.GetAccelTables().GetSize());
    // Attached without loading, there is nothing to edit.
    ASSERT_TRUE(organizer.Attach(&m_frame, FALSE));
    EXPECT_EQ(0, organizer.GetAccelTables().GetSize());
    EXPECT_FALSE(organizer.AddAccelerator(FVIRTKEY, VK_F9, ID_SK_THIRD));
}

TEST_F(ShortkeysFrameTest, FindingIgnoresNoInvert)
{
    COXShortkeysOrganizer organizer;
    ASSERT_TRUE(organizer.Attach(&m_frame));
    EXPECT_EQ(ID_SK_FIRST, organizer.FindCommandByKey(FVIRTKEY | FCONTROL | FNOINVERT, 'N'));
    EXPECT_EQ(0, organizer.FindCommandByKey(FVIRTKEY | FSHIFT | FCONTROL, 'N'));
    CArray<ACCEL, ACCEL&> found;
    organizer.FindAccelsByCommand(ID_SK_FIRST, nullptr, found);
    EXPECT_EQ(2, found.GetSize());
    found.RemoveAll();
    organizer.FindAccelsByKey(FVIRTKEY | FNOINVERT, VK_F5, found);
    ASSERT_EQ(1, found.GetSize());
    EXPECT_EQ(ID_SK_SECOND, found[0].cmd);
    // A template without a table finds nothing.
    found.RemoveAll();
    organizer.FindAccelsByCommand(ID_SK_FIRST, reinterpret_cast<CDocTemplate*>(&m_frame), found);
    EXPECT_EQ(0, found.GetSize());
}

TEST_F(ShortkeysFrameTest, ABoundKeyIsReplacedOnlyWhenAsked)
{
    COXShortkeysOrganizer organizer;
    ASSERT_TRUE(organizer.Attach(&m_frame));
    std::vector<ACCEL> before = Entries(organizer.GetAccelTables()[0]);
    EXPECT_FALSE(organizer.AddAccelerator(FVIRTKEY | FCONTROL, 'N', ID_SK_THIRD));
    EXPECT_TRUE(Same(before, Entries(organizer.GetAccelTables()[0])));

    EXPECT_TRUE(organizer.AddAccelerator(FVIRTKEY | FCONTROL, 'N', ID_SK_THIRD, nullptr, TRUE));
    EXPECT_EQ(ID_SK_THIRD, organizer.FindCommandByKey(FVIRTKEY | FCONTROL, 'N'));
    EXPECT_EQ(3, organizer.GetAccelTables()[0].m_accelerators.GetSize());
    // The replaced binding is among the removed entries until applied.
    CArray<ACCEL, ACCEL&> saved;
    organizer.FindAccelsByKeyInSavedTables(FVIRTKEY | FCONTROL, 'N', saved);
    ASSERT_EQ(1, saved.GetSize());
    EXPECT_EQ(ID_SK_FIRST, saved[0].cmd);
    EXPECT_FALSE(organizer.AddAccelerator(FVIRTKEY, VK_F9, ID_SK_THIRD, reinterpret_cast<CDocTemplate*>(&m_frame)));
}

TEST_F(ShortkeysFrameTest, RemovingOneOrAllBindingsOfACommand)
{
    COXShortkeysOrganizer organizer;
    ASSERT_TRUE(organizer.Attach(&m_frame));
    ACCEL f5 = Accel(FVIRTKEY | FNOINVERT, VK_F5, ID_SK_SECOND);
    EXPECT_TRUE(organizer.RemoveAccelEntry(&f5));
    EXPECT_EQ(0, organizer.FindCommandByKey(FVIRTKEY, VK_F5));
    // The wrong command removes nothing.
    EXPECT_TRUE(organizer.RemoveAccelEntry(FVIRTKEY | FCONTROL, 'N', ID_SK_SECOND));
    EXPECT_EQ(ID_SK_FIRST, organizer.FindCommandByKey(FVIRTKEY | FCONTROL, 'N'));

    EXPECT_TRUE(organizer.RemoveAllAccelerators(ID_SK_FIRST));
    EXPECT_EQ(0, organizer.GetAccelTables()[0].m_accelerators.GetSize());
    CArray<ACCEL, ACCEL&> saved;
    organizer.FindAccelsByKeyInSavedTables(FVIRTKEY | FSHIFT, VK_F5, saved);
    EXPECT_EQ(1, saved.GetSize());
    EXPECT_FALSE(organizer.RemoveAllAccelerators(ID_SK_FIRST, reinterpret_cast<CDocTemplate*>(&m_frame)));
    organizer.Detach();
    EXPECT_FALSE(organizer.RemoveAllAccelerators(ID_SK_FIRST));
}

TEST_F(ShortkeysFrameTest, ApplyingInstallsANewTableAndForgetsTheRemovedEntries)
{
    COXShortkeysOrganizer organizer;
    ASSERT_TRUE(organizer.Attach(&m_frame));
    ASSERT_TRUE(organizer.AddAccelerator(FVIRTKEY | FALT, 'K', ID_SK_THIRD));
    ASSERT_TRUE(organizer.RemoveAccelEntry(FVIRTKEY, VK_F5, ID_SK_SECOND));
    ASSERT_TRUE(organizer.ApplyAccelTables());
    ASSERT_NE(m_original, m_frame.m_hAccelTable);
    std::vector<ACCEL> installed = Entries(m_frame.m_hAccelTable);
    EXPECT_TRUE(Same(Entries(organizer.GetAccelTables()[0]), installed));
    ASSERT_EQ(3u, installed.size());
    EXPECT_EQ(ID_SK_THIRD, installed[2].cmd);
    CArray<ACCEL, ACCEL&> saved;
    organizer.FindAccelsByKeyInSavedTables(FVIRTKEY, VK_F5, saved);
    EXPECT_EQ(0, saved.GetSize());
}

TEST_F(ShortkeysFrameTest, StoredBytesAndTheirReadingBack)
{
    {
        COXShortkeysOrganizer organizer;
        ASSERT_TRUE(organizer.Attach(&m_frame));
        ASSERT_TRUE(organizer.RemoveAccelEntry(FVIRTKEY, VK_F5, ID_SK_SECOND));
        ASSERT_TRUE(organizer.SaveState(Section));
    }
    std::vector<BYTE> expected;
    Put32(expected, 1);
    Put32(expected, 2);
    PutEntry(expected, FVIRTKEY | FCONTROL, 'N', ID_SK_FIRST);
    PutEntry(expected, FVIRTKEY | FSHIFT, VK_F5, ID_SK_FIRST);
    EXPECT_EQ(expected, StoredState());

    COXShortkeysOrganizer organizer;
    ASSERT_TRUE(organizer.Attach(&m_frame));
    ASSERT_TRUE(organizer.LoadState(Section, FALSE));
    EXPECT_EQ(2, organizer.GetAccelTables()[0].m_accelerators.GetSize());
    EXPECT_EQ(m_original, m_frame.m_hAccelTable);
    ASSERT_TRUE(organizer.LoadState(Section, TRUE));
    EXPECT_EQ(2u, Entries(m_frame.m_hAccelTable).size());
}

TEST_F(ShortkeysFrameTest, AnEmptyValueLoadsNothingAndTheProfileIsNeeded)
{
    StoreState({});
    COXShortkeysOrganizer organizer;
    EXPECT_FALSE(organizer.LoadState(Section));   // not attached
    EXPECT_FALSE(organizer.SaveState(Section));
    ASSERT_TRUE(organizer.Attach(&m_frame));
    EXPECT_TRUE(organizer.LoadState(Section, FALSE));
    EXPECT_EQ(3, organizer.GetAccelTables()[0].m_accelerators.GetSize());
}

TEST_F(ShortkeysFrameTest, ATruncatedOrCorruptValueChangesNothing)
{
    std::vector<BYTE> good;
    Put32(good, 1);
    Put32(good, 2);
    PutEntry(good, FVIRTKEY, VK_F9, ID_SK_THIRD);
    PutEntry(good, FVIRTKEY, VK_F10, ID_SK_THIRD);
    std::vector<BYTE> huge;
    Put32(huge, 1);
    Put32(huge, 0x7FFFFFFF);
    PutEntry(huge, FVIRTKEY, VK_F9, ID_SK_THIRD);
    std::vector<BYTE> oneShort(good.begin(), good.end() - 1);
    std::vector<BYTE> countOnly(good.begin(), good.begin() + 2);
    for (const std::vector<BYTE>* value : { &oneShort, &countOnly, &huge }) {
        StoreState(*value);
        COXShortkeysOrganizer organizer;
        ASSERT_TRUE(organizer.Attach(&m_frame));
        std::vector<ACCEL> before = Entries(organizer.GetAccelTables()[0]);
        EXPECT_FALSE(organizer.LoadState(Section, TRUE)) << value->size();
        EXPECT_TRUE(Same(before, Entries(organizer.GetAccelTables()[0]))) << value->size();
        EXPECT_EQ(m_original, m_frame.m_hAccelTable);
    }
    // A value of another type is not read (and left as it was).
    HKEY key = nullptr;
    ASSERT_EQ(ERROR_SUCCESS, ::RegCreateKeyA(HKEY_CURRENT_USER, SectionKey, &key));
    ::RegSetValueExA(key, "AcceleratorsState", 0, REG_SZ, reinterpret_cast<const BYTE*>("x"), 2);
    ::RegCloseKey(key);
    COXShortkeysOrganizer organizer;
    ASSERT_TRUE(organizer.Attach(&m_frame));
    EXPECT_FALSE(organizer.LoadState(Section));
    EXPECT_EQ(3, organizer.GetAccelTables()[0].m_accelerators.GetSize());

    StoreState(good);
    ASSERT_TRUE(organizer.LoadState(Section, FALSE));
    EXPECT_EQ(ID_SK_THIRD, organizer.FindCommandByKey(FVIRTKEY, VK_F10));
}

// -- The application's MDI main frame with its document templates -----------

class CSkDoc : public CDocument
{
    DECLARE_DYNCREATE(CSkDoc)
};
IMPLEMENT_DYNCREATE(CSkDoc, CDocument)

class CSkView : public CView
{
    DECLARE_DYNCREATE(CSkView)
public:
    void OnDraw(CDC*) override {}
};
IMPLEMENT_DYNCREATE(CSkView, CView)

namespace {
class ShortkeysMdiTest : public testing::Test
{
protected:
    void SetUp() override
    {
        ::RegDeleteKeyA(HKEY_CURRENT_USER, SectionKey);
        m_frame = new CMDIFrameWnd;
        ASSERT_TRUE(m_frame->LoadFrame(IDR_SK_MAINFRAME));
        theApp.m_pMainWnd = m_frame;
        m_text = new CMultiDocTemplate(IDR_SK_TEXTTYPE, RUNTIME_CLASS(CSkDoc), RUNTIME_CLASS(CMDIChildWnd),
                                       RUNTIME_CLASS(CSkView));
        m_plain = new CMultiDocTemplate(IDR_SK_PLAINTYPE, RUNTIME_CLASS(CSkDoc), RUNTIME_CLASS(CMDIChildWnd),
                                        RUNTIME_CLASS(CSkView));
        m_split = new CMultiDocTemplate(IDR_SK_SPLITTYPE, RUNTIME_CLASS(CSkDoc), RUNTIME_CLASS(CMDIChildWnd),
                                        RUNTIME_CLASS(CSkView));
        theApp.AddDocTemplate(m_text);
        theApp.AddDocTemplate(m_plain);
        theApp.AddDocTemplate(m_split);
        PumpPending();
    }
    void TearDown() override
    {
        if (theApp.m_pMainWnd)
            theApp.m_pMainWnd->DestroyWindow();
        theApp.m_pMainWnd = nullptr;
        delete theApp.m_pDocManager;
        theApp.m_pDocManager = nullptr;
        PumpPending();
        ::RegDeleteKeyA(HKEY_CURRENT_USER, SectionKey);
    }
    CMDIFrameWnd* m_frame = nullptr;
    CMultiDocTemplate* m_text = nullptr;
    CMultiDocTemplate* m_plain = nullptr;
    CMultiDocTemplate* m_split = nullptr;
};
} // namespace

TEST_F(ShortkeysMdiTest, TheMainFrameGivesOneTablePerTemplateWithKeys)
{
    COXShortkeysOrganizer organizer;
    ASSERT_TRUE(organizer.Attach(m_frame));
    const auto& tables = organizer.GetAccelTables();
    ASSERT_EQ(3, tables.GetSize());
    EXPECT_EQ(nullptr, tables[0].m_pDocTemplate);
    EXPECT_EQ(m_text, tables[1].m_pDocTemplate);
    EXPECT_EQ(m_split, tables[2].m_pDocTemplate);
    EXPECT_EQ(2, tables[0].m_accelerators.GetSize());
    EXPECT_EQ(ID_SK_THIRD, organizer.FindCommandByKey(FVIRTKEY | FCONTROL | FSHIFT, 'Q', m_split));
    EXPECT_EQ(0, organizer.FindCommandByKey(FVIRTKEY | FCONTROL | FSHIFT, 'Q', m_text));
    CArray<ACCEL, ACCEL&> found;
    organizer.FindAccelsByCommand(ID_SK_THIRD, m_text, found);
    EXPECT_EQ(1, found.GetSize());

    // Not the main window: its own table only.
    theApp.m_pMainWnd = nullptr;
    COXShortkeysOrganizer other;
    ASSERT_TRUE(other.Attach(m_frame));
    EXPECT_EQ(1, other.GetAccelTables().GetSize());
    theApp.m_pMainWnd = m_frame;
}

TEST_F(ShortkeysMdiTest, ApplyingReachesTheFramesOfOpenViews)
{
    CDocument* doc = m_text->OpenDocumentFile(nullptr);
    ASSERT_NE(nullptr, doc);
    PumpPending();
    CMDIChildWnd* child = m_frame->MDIGetActive();
    ASSERT_NE(nullptr, child);
    HACCEL old = m_text->m_hAccelTable;
    ASSERT_EQ(old, child->m_hAccelTable);

    COXShortkeysOrganizer organizer;
    ASSERT_TRUE(organizer.Attach(m_frame));
    ASSERT_TRUE(organizer.AddAccelerator(FVIRTKEY | FCONTROL, 'E', ID_SK_FIRST, m_text));
    ASSERT_TRUE(organizer.ApplyAccelTables());
    EXPECT_NE(old, m_text->m_hAccelTable);
    EXPECT_EQ(m_text->m_hAccelTable, child->m_hAccelTable);
    EXPECT_EQ(2u, Entries(child->m_hAccelTable).size());
    EXPECT_EQ(2u, Entries(m_split->m_hAccelTable).size());
    EXPECT_EQ(2u, Entries(m_frame->m_hAccelTable).size());
    m_text->CloseAllDocuments(FALSE);
    PumpPending();
}

TEST_F(ShortkeysMdiTest, AStateOfTwoTablesIsIgnoredByThreeLiveOnes)
{
    std::vector<BYTE> two;
    Put32(two, 2);
    Put32(two, 1);
    PutEntry(two, FVIRTKEY, VK_F9, ID_SK_THIRD);
    Put32(two, 0);
    StoreState(two);
    COXShortkeysOrganizer organizer;
    ASSERT_TRUE(organizer.Attach(m_frame));
    EXPECT_FALSE(organizer.LoadState(Section));
    EXPECT_EQ(0, organizer.FindCommandByKey(FVIRTKEY, VK_F9));
    EXPECT_EQ(2, organizer.GetAccelTables()[0].m_accelerators.GetSize());

    // Three tables, saved and loaded by position.
    ASSERT_TRUE(organizer.RemoveAllAccelerators(ID_SK_SECOND, m_split));
    ASSERT_TRUE(organizer.SaveState(Section));
    EXPECT_EQ(4u + 3 * 4 + 5 * (2 + 1 + 1), StoredState().size());
    COXShortkeysOrganizer reader;
    ASSERT_TRUE(reader.Attach(m_frame));
    ASSERT_TRUE(reader.LoadState(Section, FALSE));
    EXPECT_EQ(1, reader.GetAccelTables()[2].m_accelerators.GetSize());
    EXPECT_EQ(m_split, reader.GetAccelTables()[2].m_pDocTemplate);
}
