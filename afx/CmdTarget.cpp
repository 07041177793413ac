#include "afx/CmdTarget.h"

#include "afx/CmdUI.h"

IMPLEMENT_DYNAMIC(CCmdTarget, CObject)

const AFX_MSGMAP* CCmdTarget::GetThisMessageMap()
{
    static const AFX_MSGMAP_ENTRY entries[] = { { 0, 0, 0, 0, AfxSig_end, nullptr } };
    static const AFX_MSGMAP map = { nullptr, &entries[0] };
    return &map;
}

const AFX_MSGMAP* CCmdTarget::GetMessageMap() const
{
    return GetThisMessageMap();
}

const AFX_MSGMAP* AfxGetMessageMapOf(const CCmdTarget* target)
{
    return target->GetMessageMap();
}

const AFX_MSGMAP_ENTRY* AFXAPI AfxFindMessageEntry(const AFX_MSGMAP* map, UINT message,
                                                   UINT code, UINT id)
{
    const bool registered = message >= AFX_REGISTERED_MESSAGE && message <= 0xFFFF;
    for (; map; map = map->pfnGetBaseMap ? map->pfnGetBaseMap() : nullptr) {
        for (const AFX_MSGMAP_ENTRY* e = map->lpEntries; e->nSig != AfxSig_end; ++e) {
            if (registered) {
                // The entry holds the address of the variable with the number:
                // it is registered at run time, after the table was written.
                if (e->nMessage == AFX_REGISTERED_MESSAGE && *reinterpret_cast<const UINT*>(e->nSig) == message)
                    return e;
                continue;
            }
            if (e->nMessage == message && e->nCode == code && id >= e->nID && id <= e->nLastID)
                return e;
        }
    }
    return nullptr;
}

BOOL AFXAPI AfxDispatchCmdMsg(CCmdTarget* target, UINT nID, int nCode, AFX_PMSG pfn,
                              void* pExtra, UINT_PTR nSig, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    if (pHandlerInfo) {
        pHandlerInfo->pTarget = target;
        pHandlerInfo->pmf = pfn;
        return TRUE;
    }
    AFX_NOTIFY* notify = static_cast<AFX_NOTIFY*>(pExtra);
    switch (nSig) {
    case AfxSigCmd_v:
        (target->*pfn)();
        return TRUE;
    case AfxSigCmd_b:
        return (target->*AfxFromPmsg<BOOL (CCmdTarget::*)()>(pfn))();
    case AfxSigCmd_RANGE:
        (target->*AfxFromPmsg<void (CCmdTarget::*)(UINT)>(pfn))(nID);
        return TRUE;
    case AfxSigCmd_EX:
        return (target->*AfxFromPmsg<BOOL (CCmdTarget::*)(UINT)>(pfn))(nID);
    case AfxSigCmdUI: {
        CCmdUI* ui = static_cast<CCmdUI*>(pExtra);
        ASSERT(ui != nullptr);
        ui->m_bContinueRouting = FALSE;
        (target->*AfxFromPmsg<void (CCmdTarget::*)(CCmdUI*)>(pfn))(ui);
        return !ui->m_bContinueRouting;
    }
    case AfxSigNotify_v:
        (target->*AfxFromPmsg<void (CCmdTarget::*)(NMHDR*, LRESULT*)>(pfn))(notify->pNMHDR, notify->pResult);
        return TRUE;
    case AfxSigNotify_b:
        return (target->*AfxFromPmsg<BOOL (CCmdTarget::*)(NMHDR*, LRESULT*)>(pfn))(notify->pNMHDR, notify->pResult);
    case AfxSigNotify_RANGE:
        (target->*AfxFromPmsg<void (CCmdTarget::*)(UINT, NMHDR*, LRESULT*)>(pfn))(nID, notify->pNMHDR, notify->pResult);
        return TRUE;
    case AfxSigNotify_EX:
        return (target->*AfxFromPmsg<BOOL (CCmdTarget::*)(UINT, NMHDR*, LRESULT*)>(pfn))(nID, notify->pNMHDR, notify->pResult);
    default:
        // A window-message entry in a command slot: the map is malformed.
        ASSERT(FALSE);
        (void)nCode;
        return FALSE;
    }
}

BOOL CCmdTarget::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    UINT message = WM_COMMAND;
    UINT code = static_cast<UINT>(nCode);
    if (code != CN_UPDATE_COMMAND_UI) {
        message = HIWORD(code);
        code = LOWORD(code);
        if (message == 0)
            message = WM_COMMAND;
    }
    if (message == WM_NOTIFY || message == WM_REFLECT_BASE + WM_NOTIFY) {
        // The packed code lost its high bits; the header keeps all 32.
        const AFX_NOTIFY* notify = static_cast<const AFX_NOTIFY*>(pExtra);
        ASSERT(notify && notify->pNMHDR);
        code = notify->pNMHDR->code;
    }
    const AFX_MSGMAP_ENTRY* e = AfxFindMessageEntry(GetMessageMap(), message, code, nID);
    if (!e)
        return FALSE;
    return AfxDispatchCmdMsg(this, nID, nCode, e->pfn, pExtra, e->nSig, pHandlerInfo);
}
