#include "controls/accel/AccelDlgHelper.h"

#include "controls/accel/AcceleratorManager.h"
#include "controls/accel/KeyboardEdit.h"

CAccelDlgHelper::CAccelDlgHelper()
    : m_pManager(nullptr), m_pEdit(nullptr), m_pBindings(nullptr), m_pCommands(nullptr), m_pHolder(nullptr)
{
}

CAccelDlgHelper::~CAccelDlgHelper() = default;

void CAccelDlgHelper::SetControls(CKeyboardEdit* pEdit, CListBox* pBindings, CListBox* pCommands, CWnd* pHolder)
{
    m_pEdit = pEdit;
    m_pBindings = pBindings;
    m_pCommands = pCommands;
    m_pHolder = pHolder;
}

void CAccelDlgHelper::FillCommandList()
{
    if (!m_pManager || !m_pCommands)
        return;
    m_pCommands->ResetContent();
    if (m_pHolder)
        m_pHolder->SetWindowText("");
    const CMapStringToWord& names = m_pManager->GetNameMap();
    POSITION pos = names.GetStartPosition();
    while (pos) {
        CString name;
        WORD id = 0;
        names.GetNextAssoc(pos, name, id);
        const int index = m_pCommands->AddString(name);
        if (index >= 0)
            m_pCommands->SetItemData(index, id);
    }
    if (m_pCommands->SetCurSel(0) != LB_ERR)
        FillAccelList();
}

void CAccelDlgHelper::FillAccelList()
{
    if (!m_pManager || !m_pCommands || !m_pBindings)
        return;
    const int selected = m_pCommands->GetCurSel();
    if (selected < 0)
        return;
    const WORD id = static_cast<WORD>(m_pCommands->GetItemData(selected));
    m_pBindings->ResetContent();
    if (CCmdAccelOb* command = m_pManager->GetCommand(id)) {
        POSITION pos = command->m_Accels.GetHeadPosition();
        while (pos) {
            CAccelsOb* accel = command->m_Accels.GetNext(pos);
            CString text;
            accel->GetString(text);
            const int index = m_pBindings->AddString(text);
            if (index >= 0)
                m_pBindings->SetItemData(index, reinterpret_cast<DWORD_PTR>(accel));
        }
    }
    if (m_pEdit)
        m_pEdit->ResetKey();
}

BOOL CAccelDlgHelper::Assign()
{
    if (!m_pManager || !m_pEdit || !m_pCommands || !m_pBindings)
        return FALSE;
    WORD key = 0;
    bool ctrl = false, alt = false, shift = false;
    if (!m_pEdit->GetAccelKey(key, ctrl, alt, shift))
        return FALSE;
    for (int i = 0; i < m_pCommands->GetCount(); ++i) {
        CCmdAccelOb* command = m_pManager->GetCommand(static_cast<WORD>(m_pCommands->GetItemData(i)));
        if (!command)
            continue;
        POSITION pos = command->m_Accels.GetHeadPosition();
        while (pos) {
            if (command->m_Accels.GetNext(pos)->IsEqual(key, ctrl, alt, shift)) {
                if (m_pHolder)
                    m_pHolder->SetWindowText(command->m_szCommand);
                m_pEdit->SendMessage(EM_SETSEL, 0, -1);
                m_pEdit->SendMessage(EM_SCROLLCARET);
                return FALSE;
            }
        }
    }
    const int selected = m_pCommands->GetCurSel();
    if (selected < 0)
        return FALSE;
    CCmdAccelOb* command = m_pManager->GetCommand(static_cast<WORD>(m_pCommands->GetItemData(selected)));
    if (!command)
        return FALSE;
    BYTE flags = FVIRTKEY;
    if (ctrl)
        flags |= FCONTROL;
    if (alt)
        flags |= FALT;
    if (shift)
        flags |= FSHIFT;
    CAccelsOb* accel = new CAccelsOb(flags, key, false);
    command->Add(accel);
    CString text;
    accel->GetString(text);
    const int index = m_pBindings->AddString(text);
    if (index >= 0)
        m_pBindings->SetItemData(index, reinterpret_cast<DWORD_PTR>(accel));
    m_pEdit->ResetKey();
    return TRUE;
}

void CAccelDlgHelper::ResetAll()
{
    if (!m_pManager)
        return;
    m_pManager->ResetToDefault();
    FillCommandList();
}
