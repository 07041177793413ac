#include "afx/DockState.h"

#include "afx/Archive.h"
#include "afx/ArchiveException.h"
#include "afx/WinApp.h"

IMPLEMENT_SERIAL(CDockState, CObject, 1)

namespace {

// The archive's format version.
const WORD kStateVersion = 1;
// Bounds on what a saved state may hold: more is not a saved layout.
const DWORD kMaxInfos = 1024;
const DWORD kMaxIdsPerDockBar = 4096;

// The flag byte of one info in an archive.
const BYTE kFlagVisible = 0x01;
const BYTE kFlagFloating = 0x02;
const BYTE kFlagHorz = 0x04;
const BYTE kFlagDockBar = 0x08;
const BYTE kFlagDocking = 0x10;

const char kSummarySuffix[] = "-Summary";
const char kBarSuffix[] = "-Bar%d";

CString BarSection(LPCTSTR profile, int index)
{
    CString suffix;
    suffix.Format(kBarSuffix, index);
    return CString(profile) + suffix;
}

} // namespace

CControlBarInfo::CControlBarInfo()
    : m_nBarID(0), m_bVisible(FALSE), m_bFloating(FALSE), m_bHorz(FALSE), m_bDockBar(FALSE), m_pointPos(0, 0),
      m_nMRUWidth(32767), m_bDocking(FALSE), m_uMRUDockID(0), m_rectMRUDockPos(0, 0, 0, 0), m_dwMRUFloatStyle(0),
      m_ptMRUFloatPos(0, 0), m_pBar(nullptr)
{
}

void CControlBarInfo::Serialize(CArchive& ar)
{
    if (ar.IsStoring()) {
        BYTE flags = 0;
        flags |= m_bVisible ? kFlagVisible : 0;
        flags |= m_bFloating ? kFlagFloating : 0;
        flags |= m_bHorz ? kFlagHorz : 0;
        flags |= m_bDockBar ? kFlagDockBar : 0;
        flags |= m_bDocking ? kFlagDocking : 0;
        ar << static_cast<DWORD>(m_nBarID) << flags << static_cast<LONG>(m_pointPos.x)
           << static_cast<LONG>(m_pointPos.y) << static_cast<LONG>(m_nMRUWidth);
        ar << static_cast<DWORD>(m_uMRUDockID) << static_cast<LONG>(m_rectMRUDockPos.left)
           << static_cast<LONG>(m_rectMRUDockPos.top) << static_cast<LONG>(m_rectMRUDockPos.right)
           << static_cast<LONG>(m_rectMRUDockPos.bottom) << m_dwMRUFloatStyle << static_cast<LONG>(m_ptMRUFloatPos.x)
           << static_cast<LONG>(m_ptMRUFloatPos.y);
        ar << static_cast<DWORD>(m_arrBarID.GetSize());
        for (INT_PTR i = 0; i < m_arrBarID.GetSize(); ++i)
            ar << m_arrBarID[i];
        return;
    }
    DWORD id = 0, dockId = 0, count = 0;
    BYTE flags = 0;
    LONG x = 0, y = 0, width = 0, left = 0, top = 0, right = 0, bottom = 0, floatX = 0, floatY = 0;
    ar >> id >> flags >> x >> y >> width;
    ar >> dockId >> left >> top >> right >> bottom >> m_dwMRUFloatStyle >> floatX >> floatY;
    ar >> count;
    if (count > kMaxIdsPerDockBar || id > 0xFFFF)
        AfxThrowArchiveException(CArchiveException::badIndex, ar.m_strFileName);
    m_nBarID = id;
    m_bVisible = (flags & kFlagVisible) != 0;
    m_bFloating = (flags & kFlagFloating) != 0;
    m_bHorz = (flags & kFlagHorz) != 0;
    m_bDockBar = (flags & kFlagDockBar) != 0;
    m_bDocking = (flags & kFlagDocking) != 0;
    m_pointPos = CPoint(x, y);
    m_nMRUWidth = width;
    m_uMRUDockID = dockId;
    m_rectMRUDockPos = CRect(left, top, right, bottom);
    m_ptMRUFloatPos = CPoint(floatX, floatY);
    m_arrBarID.RemoveAll();
    for (DWORD i = 0; i < count; ++i) {
        DWORD value = 0;
        ar >> value;
        m_arrBarID.Add(value);
    }
}

BOOL CControlBarInfo::SaveState(LPCTSTR lpszProfileName, int nIndex)
{
    CWinApp* app = AfxGetApp();
    if (!app)
        return FALSE;
    const CString section = BarSection(lpszProfileName, nIndex);
    BOOL ok = app->WriteProfileInt(section, "BarID", static_cast<int>(m_nBarID));
    ok = ok && app->WriteProfileInt(section, "Visible", m_bVisible);
    ok = ok && app->WriteProfileInt(section, "Horz", m_bHorz);
    ok = ok && app->WriteProfileInt(section, "Floating", m_bFloating);
    ok = ok && app->WriteProfileInt(section, "DockBar", m_bDockBar);
    ok = ok && app->WriteProfileInt(section, "XPos", m_pointPos.x);
    ok = ok && app->WriteProfileInt(section, "YPos", m_pointPos.y);
    ok = ok && app->WriteProfileInt(section, "MRUWidth", m_nMRUWidth);
    ok = ok && app->WriteProfileInt(section, "Docking", m_bDocking);
    if (m_bDocking) {
        ok = ok && app->WriteProfileInt(section, "MRUDockID", static_cast<int>(m_uMRUDockID));
        ok = ok && app->WriteProfileInt(section, "MRUDockLeftPos", m_rectMRUDockPos.left);
        ok = ok && app->WriteProfileInt(section, "MRUDockTopPos", m_rectMRUDockPos.top);
        ok = ok && app->WriteProfileInt(section, "MRUDockRightPos", m_rectMRUDockPos.right);
        ok = ok && app->WriteProfileInt(section, "MRUDockBottomPos", m_rectMRUDockPos.bottom);
        ok = ok && app->WriteProfileInt(section, "MRUFloatStyle", static_cast<int>(m_dwMRUFloatStyle));
        ok = ok && app->WriteProfileInt(section, "MRUFloatXPos", m_ptMRUFloatPos.x);
        ok = ok && app->WriteProfileInt(section, "MRUFloatYPos", m_ptMRUFloatPos.y);
    }
    ok = ok && app->WriteProfileInt(section, "Bars", static_cast<int>(m_arrBarID.GetSize()));
    for (INT_PTR i = 0; ok && i < m_arrBarID.GetSize(); ++i) {
        CString key;
        key.Format("Bar#%d", static_cast<int>(i));
        ok = app->WriteProfileInt(section, key, static_cast<int>(m_arrBarID[i]));
    }
    return ok;
}

BOOL CControlBarInfo::LoadState(LPCTSTR lpszProfileName, int nIndex)
{
    CWinApp* app = AfxGetApp();
    if (!app)
        return FALSE;
    const CString section = BarSection(lpszProfileName, nIndex);
    const int id = static_cast<int>(app->GetProfileInt(section, "BarID", 0));
    if (id <= 0 || id > 0xFFFF)
        return FALSE;
    m_nBarID = static_cast<UINT>(id);
    m_bVisible = app->GetProfileInt(section, "Visible", TRUE) != 0;
    m_bHorz = app->GetProfileInt(section, "Horz", TRUE) != 0;
    m_bFloating = app->GetProfileInt(section, "Floating", FALSE) != 0;
    m_bDockBar = app->GetProfileInt(section, "DockBar", FALSE) != 0;
    m_pointPos = CPoint(static_cast<int>(app->GetProfileInt(section, "XPos", 0)),
                        static_cast<int>(app->GetProfileInt(section, "YPos", 0)));
    m_nMRUWidth = static_cast<int>(app->GetProfileInt(section, "MRUWidth", 32767));
    m_bDocking = app->GetProfileInt(section, "Docking", FALSE) != 0;
    if (m_bDocking) {
        m_uMRUDockID = app->GetProfileInt(section, "MRUDockID", 0);
        m_rectMRUDockPos = CRect(static_cast<int>(app->GetProfileInt(section, "MRUDockLeftPos", 0)),
                                 static_cast<int>(app->GetProfileInt(section, "MRUDockTopPos", 0)),
                                 static_cast<int>(app->GetProfileInt(section, "MRUDockRightPos", 0)),
                                 static_cast<int>(app->GetProfileInt(section, "MRUDockBottomPos", 0)));
        m_dwMRUFloatStyle = app->GetProfileInt(section, "MRUFloatStyle", 0);
        m_ptMRUFloatPos = CPoint(static_cast<int>(app->GetProfileInt(section, "MRUFloatXPos", 0)),
                                 static_cast<int>(app->GetProfileInt(section, "MRUFloatYPos", 0)));
    }
    const UINT count = app->GetProfileInt(section, "Bars", 0);
    if (count > kMaxIdsPerDockBar)
        return FALSE;
    m_arrBarID.RemoveAll();
    for (UINT i = 0; i < count; ++i) {
        CString key;
        key.Format("Bar#%u", i);
        m_arrBarID.Add(app->GetProfileInt(section, key, 0));
    }
    return TRUE;
}

CDockState::CDockState()
{
}

CDockState::~CDockState()
{
    Clear();
}

void CDockState::Clear()
{
    for (INT_PTR i = 0; i < m_arrBarInfo.GetSize(); ++i)
        delete static_cast<CControlBarInfo*>(m_arrBarInfo[i]);
    m_arrBarInfo.RemoveAll();
}

void CDockState::Serialize(CArchive& ar)
{
    if (ar.IsStoring()) {
        ar << kStateVersion << static_cast<DWORD>(m_arrBarInfo.GetSize());
        for (INT_PTR i = 0; i < m_arrBarInfo.GetSize(); ++i)
            static_cast<CControlBarInfo*>(m_arrBarInfo[i])->Serialize(ar);
        return;
    }
    WORD version = 0;
    DWORD count = 0;
    ar >> version >> count;
    if (version != kStateVersion)
        AfxThrowArchiveException(CArchiveException::badSchema, ar.m_strFileName);
    if (count > kMaxInfos)
        AfxThrowArchiveException(CArchiveException::badIndex, ar.m_strFileName);
    // Read whole into a side list: a broken archive leaves the state as it was.
    CPtrArray read;
    try {
        for (DWORD i = 0; i < count; ++i) {
            CControlBarInfo* info = new CControlBarInfo;
            read.Add(info);
            info->Serialize(ar);
        }
    } catch (...) {
        for (INT_PTR i = 0; i < read.GetSize(); ++i)
            delete static_cast<CControlBarInfo*>(read[i]);
        throw;
    }
    Clear();
    for (INT_PTR i = 0; i < read.GetSize(); ++i)
        m_arrBarInfo.Add(read[i]);
}

void CDockState::SaveState(LPCTSTR lpszProfileName)
{
    CWinApp* app = AfxGetApp();
    if (!app)
        return;
    int saved = 0;
    for (INT_PTR i = 0; i < m_arrBarInfo.GetSize(); ++i)
        if (static_cast<CControlBarInfo*>(m_arrBarInfo[i])->SaveState(lpszProfileName, saved))
            ++saved;
    const CString summary = CString(lpszProfileName) + kSummarySuffix;
    app->WriteProfileInt(summary, "Version", kStateVersion);
    app->WriteProfileInt(summary, "Bars", saved);
}

void CDockState::LoadState(LPCTSTR lpszProfileName)
{
    Clear();
    CWinApp* app = AfxGetApp();
    if (!app)
        return;
    const CString summary = CString(lpszProfileName) + kSummarySuffix;
    if (app->GetProfileInt(summary, "Version", 0) != kStateVersion)
        return;
    const UINT count = app->GetProfileInt(summary, "Bars", 0);
    if (count > kMaxInfos)
        return;
    for (UINT i = 0; i < count; ++i) {
        CControlBarInfo* info = new CControlBarInfo;
        if (info->LoadState(lpszProfileName, static_cast<int>(i)))
            m_arrBarInfo.Add(info);
        else
            delete info;
    }
}
