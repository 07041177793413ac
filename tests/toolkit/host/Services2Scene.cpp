#include "Services2Scene.h"

#include "HostResource.h"
#include "afx/Archive.h"
#include "toolkit/foundation/OXInstanceManager.h"
#include "afx/DC.h"
#include "afx/FrameWnd.h"
#include "toolkit/foundation/OXLayoutManager.h"
#include "toolkit/foundation/OXRectTracker.h"
#include "toolkit/foundation/OXRegistryValFile.h"
#include "toolkit/foundation/OXShortkeysOrganizer.h"
#include "toolkit/foundation/OXTaskbarIcon.h"

#include <cstdio>

namespace {
enum ControlId : UINT
{
    IdContainer = IDC_SERVICES2_FIRST,   // 1201 the container under the layout manager
    IdStretched,                         // 1202 stretches from its left to its right side
    IdRightTied,                         // 1203 keeps its distance to the right side
    IdCentred,                           // 1204 its left side halfway across
    IdTrackerArea,                       // 1205 a left drag runs a tracker bounded to it
};

enum CommandId : UINT
{
    CmdTrayShow = ID_SERVICES2_FIRST,   // 32840
    CmdTrayHide,
    CmdTrayLongTip,
    CmdInstancesOne,
    CmdInstancesThree,
    CmdShortcutBind,                    // 32845 Ctrl+Shift+K to the target, applied
    CmdShortcutSave,
    CmdShortcutLoad,
    CmdResizeContainer,                 // 32848
    CmdShortcutTarget,                  // 32849 counts its hits
    CmdTrackerStyle = ID_SERVICES2_FIRST + 10,     // 32850
    CmdRegFileWrite = ID_SERVICES2_FIRST + 11,     // 32851
    CmdRegFileRead,
};

const UINT TrayIconId = 1;
const char InstanceName[] = "ToolkitHostServices2";
const char RegFileKey[] = "Software\\Tarnwick\\ToolkitHost\\Services2";
const char RegFileValue[] = "RegFile";
const UINT RegFileBytes = 3000;
// The profile key (below the host's) of the saved shortcut keys.
const char ShortcutSection[] = "Services2Keys";
// The sizes the container takes in turn.
const SIZE ContainerSizes[] = { { 400, 160 }, { 240, 100 }, { 300, 120 } };
// The tracker's locks in turn: none, horizontal only, vertical only.
const UINT TrackerLocks[] = { 0, OXRT_HORIZONTAL_ONLY, OXRT_VERTICAL_ONLY };

// The area of the tracker: a left drag on the rectangle moves it, elsewhere
// it draws a new one; both stay inside the area.
class CTrackerArea : public CWnd
{
public:
    CTrackerArea() : m_tracker(CRect(20, 20, 120, 80), CRectTracker::solidLine) {}

    COXRectTracker m_tracker;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_LBUTTONDOWN) {
            CPoint point(static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam)));
            GetClientRect(&m_tracker.m_rectBound);
            if (m_tracker.HitTest(point) != CRectTracker::hitNothing)
                m_tracker.Track(this, point);
            else
                m_tracker.TrackRubberBand(this, point, FALSE);
            Invalidate();
            return 0;
        }
        if (message == WM_PAINT) {
            PAINTSTRUCT paint;
            CDC dc;
            dc.Attach(::BeginPaint(m_hWnd, &paint));
            m_tracker.Draw(&dc);
            dc.Detach();
            ::EndPaint(m_hWnd, &paint);
            return 0;
        }
        return CWnd::WindowProc(message, wParam, lParam);
    }
};

BYTE PatternByte(UINT index)
{
    return static_cast<BYTE>(index * 7 + 3);
}

class CServices2Scene : public CHostScene
{
public:
    BOOL Create(CWnd* pHost) override
    {
        LPCTSTR cls = AfxRegisterWndClass(0, ::LoadCursor(nullptr, IDC_ARROW),
                                          reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_WINDOW + 1)));
        if (!m_container.CreateEx(0, cls, "", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, 20, 20, 300, 120,
                                  pHost->GetSafeHwnd(), reinterpret_cast<HMENU>(static_cast<INT_PTR>(IdContainer))))
            return FALSE;
        if (!AddLabel(IdStretched, "stretched", CRect(10, 10, 290, 30)) ||
            !AddLabel(IdRightTied, "right", CRect(230, 50, 290, 70)) ||
            !AddLabel(IdCentred, "half", CRect(150, 85, 190, 105)))
            return FALSE;
        if (!m_layout.Attach(&m_container))
            return FALSE;
        m_layout.SetConstraint(IdStretched, OX_LMS_LEFT, OX_LMT_SAME, 10);
        m_layout.SetConstraint(IdStretched, OX_LMS_RIGHT, OX_LMT_SAME, -10);
        m_layout.SetConstraint(IdRightTied, OX_LMS_RIGHT, OX_LMT_SAME, -10);
        m_layout.SetConstraint(IdCentred, OX_LMS_LEFT, OX_LMT_POSITION, 50);
        m_layout.RecalcLayout();

        if (!m_tray.Create(TrayIconId))
            return FALSE;
        m_tray.SetOwner(pHost);
        m_tray.SetIcon(IDI_HOST_GO, FALSE);
        m_tray.SetTooltipText("Toolkit host", FALSE);

        if (!m_trackerArea.CreateEx(WS_EX_CLIENTEDGE, cls, "", WS_CHILD | WS_VISIBLE, 20, 200, 400, 200,
                                    pHost->GetSafeHwnd(), reinterpret_cast<HMENU>(static_cast<INT_PTR>(IdTrackerArea))))
            return FALSE;
        m_trackerArea.GetClientRect(&m_trackerArea.m_tracker.m_rectBound);

        m_instances.reset(new COXInstanceManager(InstanceName));

        // The main window's keys come from the host's resources; the
        // organizer edits them.
        CFrameWnd* frame = DYNAMIC_DOWNCAST(CFrameWnd, pHost);
        if (!frame)
            return FALSE;
        frame->m_hAccelTable = ::LoadAcceleratorsA(AfxGetResourceHandle(), MAKEINTRESOURCE(IDR_SERVICES2_KEYS));
        return m_shortkeys.Attach(frame, TRUE);
    }

    std::vector<std::pair<UINT, CString>> Commands() const override
    {
        return {
            { CmdTrayShow, "&Show the tray icon" },
            { CmdTrayHide, "&Hide the tray icon" },
            { CmdTrayLongTip, "Tray tip of 100 &characters" },
            { CmdInstancesOne, "Instances: at most &one, enforced" },
            { CmdInstancesThree, "Instances: at most &three" },
            { CmdShortcutBind, "&Bind Ctrl+Shift+K to the shortcut target" },
            { CmdShortcutSave, "Sa&ve the shortcut keys" },
            { CmdShortcutLoad, "L&oad the shortcut keys" },
            { CmdShortcutTarget, "Shortcut &target" },
            { CmdResizeContainer, "&Resize the container" },
            { CmdTrackerStyle, "Tracker &lock: none, horizontal, vertical" },
            { CmdRegFileWrite, "&Write 3000 bytes to the registry value file" },
            { CmdRegFileRead, "Read the registry value file &back" },
        };
    }

    BOOL OnHostMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override
    {
        *pResult = 0;
        switch (message) {
        case WM_OX_TASKBARICON:
            ++m_nTrayCallbacks;
            m_nTrayLast = static_cast<UINT>(lParam);
            return TRUE;
        case WM_OX_INSTANCE_ADDED:
            m_dwAdded = static_cast<DWORD>(lParam);
            return TRUE;
        case WM_OX_INSTANCE_REMOVED:
            m_dwRemoved = static_cast<DWORD>(lParam);
            return TRUE;
        case WM_COMMAND:
            return lParam == 0 && OnCommand(LOWORD(wParam));
        default:
            return FALSE;
        }
    }

    void AppendState(CHostState& state) override
    {
        state.AddFlag("tray.showing", m_tray.IsShowing());
        CString tip;
        m_tray.GetTooltipText(tip);
        state.Add("tray.tip", tip);
        state.AddInt("tray.callbacks", m_nTrayCallbacks);
        state.Add("tray.last", HostHex(m_nTrayLast));
        state.AddInt("instance.count", m_instances ? m_instances->GetInstanceCount() : 0);
        state.AddInt("instance.max", m_instances ? m_instances->GetMaxInstances() : 0);
        state.AddInt("instance.pid", ::GetCurrentProcessId());
        state.AddInt("instance.added", m_dwAdded);
        state.AddInt("instance.removed", m_dwRemoved);
        state.Add("accel.32849", ShortcutTexts());
        state.AddInt("shortcut.hits", m_nShortcutHits);
        CSize size = m_layout.GetLayoutSize();
        state.Add("layout.size", HostNumber(size.cx) + "," + HostNumber(size.cy));
        const COXRectTracker& tracker = m_trackerArea.m_tracker;
        state.AddRect("tracker.rect", tracker.m_rect);
        state.AddRect("tracker.bound", tracker.m_rectBound);
        state.Add("tracker.style", HostHex(tracker.m_nStyle & (OXRT_HORIZONTAL_ONLY | OXRT_VERTICAL_ONLY)));
        state.AddInt("regfile.bytes", m_nRegFileBytes);
        state.Add("last", m_last);
    }

    std::vector<UINT> NamedControls() const override
    {
        return { IdContainer, IdStretched, IdRightTied, IdCentred, IdTrackerArea };
    }

private:
    BOOL AddLabel(UINT id, LPCSTR text, const CRect& rect)
    {
        return ::CreateWindowExA(0, "STATIC", text, WS_CHILD | WS_VISIBLE | WS_BORDER, rect.left, rect.top,
                                 rect.Width(), rect.Height(), m_container.GetSafeHwnd(),
                                 reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), AfxGetInstanceHandle(),
                                 nullptr) != nullptr;
    }

    // The keys of the shortcut target, as "Ctrl+J, Shift+Ctrl+K".
    CString ShortcutTexts() const
    {
        CArray<ACCEL, ACCEL&> found;
        m_shortkeys.FindAccelsByCommand(CmdShortcutTarget, nullptr, found);
        CString texts;
        for (INT_PTR i = 0; i < found.GetSize(); ++i) {
            if (i)
                texts += ", ";
            texts += COXShortkeysOrganizer::GetAccelKeyText(found[i]);
        }
        return texts;
    }

    BOOL OnCommand(UINT id)
    {
        switch (id) {
        case CmdShortcutBind: {
            BOOL added =
                m_shortkeys.AddAccelerator(FVIRTKEY | FCONTROL | FSHIFT, 'K', CmdShortcutTarget, nullptr, TRUE);
            m_last = "shortcut bind " + HostNumber(added && m_shortkeys.ApplyAccelTables());
            return TRUE;
        }
        case CmdShortcutSave:
            m_last = "shortcut save " + HostNumber(m_shortkeys.SaveState(ShortcutSection));
            return TRUE;
        case CmdShortcutLoad:
            m_last = "shortcut load " + HostNumber(m_shortkeys.LoadState(ShortcutSection, TRUE));
            return TRUE;
        case CmdShortcutTarget:
            ++m_nShortcutHits;
            return TRUE;
        case CmdTrayShow:
            m_last = "tray show " + HostNumber(m_tray.Show());
            return TRUE;
        case CmdTrayHide:
            m_last = "tray hide " + HostNumber(m_tray.Hide());
            return TRUE;
        case CmdTrayLongTip: {
            CString tip;
            for (int i = 0; i < 100; ++i)
                tip += static_cast<char>('0' + i % 10);
            m_tray.SetTooltipText(tip);
            m_last = "tray tip";
            return TRUE;
        }
        case CmdInstancesOne:
            m_last = "instances 1 " + HostNumber(m_instances->SetMaxInstances(1, TRUE));
            return TRUE;
        case CmdInstancesThree:
            m_last = "instances 3 " + HostNumber(m_instances->SetMaxInstances(3, FALSE));
            return TRUE;
        case CmdResizeContainer: {
            const SIZE& size = ContainerSizes[m_nNextSize];
            m_nNextSize = (m_nNextSize + 1) % (sizeof(ContainerSizes) / sizeof(ContainerSizes[0]));
            m_container.SetWindowPos(nullptr, 0, 0, size.cx, size.cy, SWP_NOMOVE | SWP_NOZORDER);
            m_last = "resize " + HostNumber(size.cx) + "," + HostNumber(size.cy);
            return TRUE;
        }
        case CmdTrackerStyle: {
            m_nNextLock = (m_nNextLock + 1) % (sizeof(TrackerLocks) / sizeof(TrackerLocks[0]));
            UINT& style = m_trackerArea.m_tracker.m_nStyle;
            style = (style & ~(OXRT_HORIZONTAL_ONLY | OXRT_VERTICAL_ONLY)) | TrackerLocks[m_nNextLock];
            m_last = "tracker style " + HostHex(TrackerLocks[m_nNextLock]);
            return TRUE;
        }
        case CmdRegFileWrite:
            WriteRegFile();
            return TRUE;
        case CmdRegFileRead:
            ReadRegFile();
            return TRUE;
        default:
            return FALSE;
        }
    }

    void WriteRegFile()
    {
        try {
            COXRegistryValFile file(HKEY_CURRENT_USER, RegFileKey, RegFileValue);
            file.SetLength(0);
            CArchive ar(&file, CArchive::store);
            for (UINT i = 0; i < RegFileBytes; ++i) {
                BYTE b = PatternByte(i);
                ar.Write(&b, 1);
            }
            ar.Close();
            file.Close();
            m_nRegFileBytes = RegFileBytes;
            m_last = "regfile write";
        } catch (CException* e) {
            e->Delete();
            m_last = "regfile write failed";
        }
    }

    void ReadRegFile()
    {
        try {
            COXRegistryValFile file(HKEY_CURRENT_USER, RegFileKey, RegFileValue);
            CArchive ar(&file, CArchive::load);
            UINT count = 0;
            BOOL same = TRUE;
            BYTE b = 0;
            while (ar.Read(&b, 1) == 1) {
                same = same && b == PatternByte(count);
                ++count;
            }
            ar.Close();
            m_nRegFileBytes = count;
            m_last = same ? "regfile read" : "regfile read differs";
        } catch (CException* e) {
            e->Delete();
            m_last = "regfile read failed";
        }
    }

    CWnd m_container;
    COXLayoutManager m_layout;
    COXTaskbarIcon m_tray;
    CTrackerArea m_trackerArea;
    COXShortkeysOrganizer m_shortkeys;
    int m_nShortcutHits = 0;
    size_t m_nNextLock = 0;
    std::unique_ptr<COXInstanceManager> m_instances;
    int m_nTrayCallbacks = 0;
    UINT m_nTrayLast = 0;
    DWORD m_dwAdded = 0;
    DWORD m_dwRemoved = 0;
    size_t m_nNextSize = 0;
    UINT m_nRegFileBytes = 0;
    CString m_last;
};
} // namespace

std::unique_ptr<CHostScene> MakeServices2Scene()
{
    return std::make_unique<CServices2Scene>();
}
