// The saved bar layout: archive and profile round trips, and what a saved
// state from elsewhere may hold (bars that no longer exist, broken bytes,
// floating frames off every screen).
#include "afx/ArchiveException.h"
#include "afx/DockState.h"
#include "tests/afx/coll/MemoryFile.h"
#include "tests/afx/dock/DockFrame.h"

namespace {

std::string SaveToBytes(CFrameWnd* frame)
{
    CDockState state;
    frame->GetDockState(state);
    MemoryFile file;
    {
        CArchive ar(&file, CArchive::store);
        state.Serialize(ar);
        ar.Close();
    }
    return file.Bytes();
}

void LoadFromBytes(const std::string& bytes, CDockState& state)
{
    MemoryFile file(bytes);
    CArchive ar(&file, CArchive::load);
    state.Serialize(ar);
}

CRect WindowRect(CWnd* wnd)
{
    CRect rect;
    wnd->GetWindowRect(&rect);
    return rect;
}

} // namespace

class DockStateTest : public DockTest
{
protected:
    // Bars one and two share the top row; three floated away from a row of its own.
    void Arrange()
    {
        MakeBar(m_two, IDW_BAR_TWO, ID_DOCK_FIRST + 6);
        MakeBar(m_three, IDW_BAR_THREE, ID_DOCK_FIRST + 12);
        m_frame->DockControlBar(&m_one, AFX_IDW_DOCKBAR_TOP);
        CRect place;
        m_one.GetWindowRect(&place);
        place.OffsetRect(place.Width(), 0);
        m_frame->DockControlBar(&m_two, AFX_IDW_DOCKBAR_TOP, &place);
        m_frame->DockControlBar(&m_three, AFX_IDW_DOCKBAR_TOP);
        m_frame->FloatControlBar(&m_three, CPoint(300, 320));
        m_frame->RecalcLayout();
        ASSERT_EQ("|12|(3)|", Rows(AFX_IDW_DOCKBAR_TOP));
    }
    // Something else entirely.
    void Rearrange()
    {
        m_three.m_pDockContext->ToggleDocking();
        m_frame->FloatControlBar(&m_one, CPoint(150, 150));
        m_frame->DockControlBar(&m_two, AFX_IDW_DOCKBAR_LEFT);
        m_frame->RecalcLayout();
        ASSERT_NE("|12|(3)|", Rows(AFX_IDW_DOCKBAR_TOP));
    }
    void ExpectArranged()
    {
        Idle();
        m_frame->RecalcLayout();
        EXPECT_EQ("|12|(3)|", Rows(AFX_IDW_DOCKBAR_TOP));
        EXPECT_EQ("|", Rows(AFX_IDW_DOCKBAR_LEFT));
        EXPECT_FALSE(m_one.IsFloating());
        EXPECT_TRUE(m_three.IsFloating());
        EXPECT_TRUE(m_three.IsWindowVisible());
        EXPECT_EQ(CPoint(300, 320), WindowRect(m_three.GetParentFrame()).TopLeft());
        EXPECT_EQ(InFrame(m_one).top, InFrame(m_two).top);
        // The emptied floating frame of bar one went.
        Pump();
        EXPECT_EQ(m_frame->m_hWnd, m_one.GetParentFrame()->m_hWnd);
    }
};

TEST_F(DockStateTest, AnArchiveBringsTheLayoutBack)
{
    Arrange();
    const std::string bytes = SaveToBytes(m_frame);
    // The format: version 1, then the count of bar records.
    ASSERT_GE(bytes.size(), 6u);
    EXPECT_EQ(1, static_cast<unsigned char>(bytes[0]));
    EXPECT_EQ(0, static_cast<unsigned char>(bytes[1]));
    Rearrange();
    CDockState state;
    LoadFromBytes(bytes, state);
    m_frame->SetDockState(state);
    ExpectArranged();
}

TEST_F(DockStateTest, TheProfileBringsTheLayoutBack)
{
    Arrange();
    m_frame->SaveBarState("DockTest");
    HKEY key = nullptr;
    ASSERT_EQ(ERROR_SUCCESS, ::RegOpenKeyExA(HKEY_CURRENT_USER,
                                             "Software\\Lexifern Dock Test\\Dock Test\\DockTest-Summary", 0,
                                             KEY_READ, &key));
    ::RegCloseKey(key);
    Rearrange();
    m_frame->LoadBarState("DockTest");
    ExpectArranged();

    // A section never written changes nothing.
    const std::string before = Rows(AFX_IDW_DOCKBAR_TOP);
    m_frame->LoadBarState("Nothing");
    EXPECT_EQ(before, Rows(AFX_IDW_DOCKBAR_TOP));
}

TEST_F(DockStateTest, UnknownBarsAreSkippedAndLonePlaceholdersKept)
{
    CDockState state;
    CControlBarInfo* top = new CControlBarInfo;
    top->m_nBarID = AFX_IDW_DOCKBAR_TOP;
    top->m_bDockBar = TRUE;
    top->m_bHorz = TRUE;
    top->m_bVisible = TRUE;
    const DWORD ids[] = {0x7777, IDW_BAR_ONE, 0x7778 | CControlBarInfo::placeHolderFlag, 0};
    for (DWORD id : ids)
        top->m_arrBarID.Add(id);
    state.m_arrBarInfo.Add(top);
    CControlBarInfo* gone = new CControlBarInfo;
    gone->m_nBarID = 0x7777;
    gone->m_bVisible = TRUE;
    state.m_arrBarInfo.Add(gone);
    m_frame->SetDockState(state);
    m_frame->RecalcLayout();
    EXPECT_EQ("|1(?30584)|", Rows(AFX_IDW_DOCKBAR_TOP));
    EXPECT_EQ(Dock(AFX_IDW_DOCKBAR_TOP), m_one.m_pDockBar);
    EXPECT_TRUE(m_one.IsWindowVisible());
}

TEST_F(DockStateTest, ABrokenArchiveThrowsAndChangesNothing)
{
    Arrange();
    const std::string bytes = SaveToBytes(m_frame);
    CDockState state;
    LoadFromBytes(bytes, state);
    const INT_PTR count = state.m_arrBarInfo.GetSize();
    ASSERT_GT(count, 3);

    // Cut short, a wrong version, an absurd count.
    std::string wrongVersion = bytes;
    wrongVersion[0] = 7;
    std::string absurd = bytes;
    absurd[2] = absurd[3] = absurd[4] = absurd[5] = static_cast<char>(0x7F);
    for (const std::string& broken : {bytes.substr(0, bytes.size() / 2), wrongVersion, absurd}) {
        bool thrown = false;
        try {
            LoadFromBytes(broken, state);
        } catch (CArchiveException* e) {
            thrown = true;
            e->Delete();
        }
        EXPECT_TRUE(thrown);
        EXPECT_EQ(count, state.m_arrBarInfo.GetSize());
    }
    EXPECT_EQ("|12|(3)|", Rows(AFX_IDW_DOCKBAR_TOP));
}

TEST_F(DockStateTest, AFloatingFrameOffEveryScreenComesBack)
{
    Arrange();
    CDockState state;
    m_frame->GetDockState(state);
    for (INT_PTR i = 0; i < state.m_arrBarInfo.GetSize(); ++i) {
        CControlBarInfo* info = static_cast<CControlBarInfo*>(state.m_arrBarInfo[i]);
        if (info->m_bFloating)
            info->m_pointPos = CPoint(-5000, 9000);
    }
    m_three.m_pDockContext->ToggleDocking();
    m_frame->SetDockState(state);
    ASSERT_TRUE(m_three.IsFloating());
    const CRect placed = WindowRect(m_three.GetParentFrame());
    RECT work = {};
    ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    CRect common;
    EXPECT_TRUE(common.IntersectRect(&placed, &work)) << placed.left << "," << placed.top;
}
