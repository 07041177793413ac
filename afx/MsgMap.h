// Message maps: each class that handles messages or commands carries a const
// table of entries chained to its base class's table. One dispatcher
// (CWnd::OnWndMsg for window messages, CCmdTarget::OnCmdMsg for commands and
// notifications) walks the tables from the most derived class up and calls the
// handler through its recorded signature. The entry macros check the handler's
// type at compile time.
#pragma once

#include "afx/Afx.h"

class CCmdTarget;
class CCmdUI;
class CWnd;

// Any handler, stored in the table with its real type erased; the signature
// field says which type to cast it back to.
typedef void (CCmdTarget::*AFX_PMSG)();

// Member pointers of every handler type have one size and layout; the table
// keeps them as AFX_PMSG and the dispatcher turns them back by signature.
template <class Pmf>
inline AFX_PMSG AfxToPmsg(Pmf pmf)
{
    static_assert(sizeof(Pmf) == sizeof(AFX_PMSG), "member pointers differ in size");
    AFX_PMSG out;
    __builtin_memcpy(&out, &pmf, sizeof out);
    return out;
}

template <class Pmf>
inline Pmf AfxFromPmsg(AFX_PMSG pmsg)
{
    static_assert(sizeof(Pmf) == sizeof(AFX_PMSG), "member pointers differ in size");
    Pmf out;
    __builtin_memcpy(&out, &pmsg, sizeof out);
    return out;
}

struct AFX_MSGMAP_ENTRY
{
    UINT nMessage;   // window message, WM_COMMAND or WM_NOTIFY (plus the reflection base)
    UINT nCode;      // control notification code; compared as a full 32-bit value
    UINT nID;        // first control or command id
    UINT nLastID;    // last id of a range (nID for a single id)
    UINT_PTR nSig;   // AfxSig value; for registered messages the address of the message number
    AFX_PMSG pfn;    // the handler
};

struct AFX_MSGMAP
{
    const AFX_MSGMAP* (*pfnGetBaseMap)();
    const AFX_MSGMAP_ENTRY* lpEntries;
};

// Filled in instead of calling the handler when a caller only asks whether a
// command has one (CCmdUI::DoUpdate disables commands nobody handles).
struct AFX_CMDHANDLERINFO
{
    CCmdTarget* pTarget;
    AFX_PMSG pmf;
};

// Extra argument of OnCmdMsg for WM_NOTIFY: the header and where the result goes.
struct AFX_NOTIFY
{
    LRESULT* pResult;
    NMHDR* pNMHDR;
};

// Extra argument of a reflected WM_CTLCOLOR*.
struct AFX_CTLCOLOR
{
    HWND hWnd;
    HDC hDC;
    UINT nCtlType;
};

// Marks message handlers in class declarations; they are ordinary members.
#define afx_msg

// The old single colour message: one map entry stands for every WM_CTLCOLOR*.
#ifndef WM_CTLCOLOR
#define WM_CTLCOLOR 0x0019
#endif

// Reflected messages are the parent's message number plus this base.
#define WM_REFLECT_BASE 0xBC00

// Command notification codes carried in OnCmdMsg's nCode.
#define CN_COMMAND 0
#define CN_UPDATE_COMMAND_UI ((UINT)(-1))

// Sent to frames and bars at idle so they update their command user interface.
#define WM_IDLEUPDATECMDUI 0x0363
// Sent by a modal dialog's loop to the dialog while its queue is empty
// (wParam MSGF_DIALOGBOX, lParam the idle count); nonzero asks for more.
#define WM_KICKIDLE 0x036A
// Sent to a frame for help on a command (lParam the help context, 0: ask the
// frame); the frame answers TRUE when it gave help.
#define WM_COMMANDHELP 0x0365

// Entries for registered messages hold this in nMessage.
#define AFX_REGISTERED_MESSAGE 0xC000

// Handler signatures. The dispatcher switches on them; the names spell the
// return type, an underscore, and the parameters.
enum AfxSig : UINT_PTR
{
    AfxSig_end = 0,

    // Commands and notifications (handlers of CCmdTarget).
    AfxSigCmd_v,          // void ()
    AfxSigCmd_b,          // BOOL ()                        reflected control codes, _EX
    AfxSigCmd_RANGE,      // void (UINT id)
    AfxSigCmd_EX,         // BOOL (UINT id)
    AfxSigCmdUI,          // void (CCmdUI*)
    AfxSigNotify_v,       // void (NMHDR*, LRESULT*)
    AfxSigNotify_b,       // BOOL (NMHDR*, LRESULT*)
    AfxSigNotify_RANGE,   // void (UINT id, NMHDR*, LRESULT*)
    AfxSigNotify_EX,      // BOOL (UINT id, NMHDR*, LRESULT*)

    // Window messages (handlers of CWnd).
    AfxSig_l_w_l,         // LRESULT (WPARAM, LPARAM)         ON_MESSAGE
    AfxSig_v_v,           // void ()
    AfxSig_b_v,           // BOOL ()
    AfxSig_u_v,           // UINT ()
    AfxSig_v_b,           // void (BOOL)
    AfxSig_b_b,           // BOOL (BOOL)
    AfxSig_i_CREATE,      // int (LPCREATESTRUCT)
    AfxSig_b_CREATE,      // BOOL (LPCREATESTRUCT)
    AfxSig_v_u_ii,        // void (UINT, int, int)
    AfxSig_v_u_pRECT,     // void (UINT, LPRECT)
    AfxSig_v_ii,          // void (int, int)
    AfxSig_b_pDC,         // BOOL (CDC*)
    AfxSig_v_up,          // void (UINT_PTR)
    AfxSig_v_pWnd,        // void (CWnd*)
    AfxSig_v_uuu,         // void (UINT, UINT, UINT)
    AfxSig_v_u_l,         // void (UINT, LPARAM)
    AfxSig_v_u_pt,        // void (UINT, CPoint)
    AfxSig_b_u_s_pt,      // BOOL (UINT, short, CPoint)
    AfxSig_l_pt,          // LRESULT (CPoint)
    AfxSig_v_pWnd_pt,     // void (CWnd*, CPoint)
    AfxSig_i_pWnd_uu,     // int (CWnd*, UINT, UINT)
    AfxSig_b_pWnd_uu,     // BOOL (CWnd*, UINT, UINT)
    AfxSig_v_b_pNCCALC,   // void (BOOL, NCCALCSIZE_PARAMS*)
    AfxSig_v_pMenu_u_b,   // void (CMenu*, UINT, BOOL)
    AfxSig_v_pMenu,       // void (CMenu*)
    AfxSig_v_u_u_hmenu,   // void (UINT, UINT, HMENU)
    AfxSig_l_u_u_pMenu,   // LRESULT (UINT, UINT, CMenu*)
    AfxSig_v_i_pMIS,      // void (int, LPMEASUREITEMSTRUCT)
    AfxSig_v_i_pDIS,      // void (int, LPDRAWITEMSTRUCT)
    AfxSig_i_i_pCIS,      // int (int, LPCOMPAREITEMSTRUCT)
    AfxSig_v_i_pDELIS,    // void (int, LPDELETEITEMSTRUCT)
    AfxSig_hbr_pDC_pWnd_u,// HBRUSH (CDC*, CWnd*, UINT)
    AfxSig_v_u_u_pScroll, // void (UINT, UINT, CScrollBar*)
    AfxSig_v_pMINMAX,     // void (MINMAXINFO*)
    AfxSig_v_b_u,         // void (BOOL, UINT)
    AfxSig_v_pWINDOWPOS,  // void (WINDOWPOS*)
    AfxSig_v_u_pWnd_b,    // void (UINT, CWnd*, BOOL)
    AfxSig_v_b_dw,        // void (BOOL, DWORD)
    AfxSig_v_u_pWnd,      // void (UINT, CWnd*)
    AfxSig_v_u_sz,        // void (UINT, LPCTSTR)
    AfxSig_v_hdrop,       // void (HDROP)
    AfxSig_b_pWnd_pCOPY,  // BOOL (CWnd*, COPYDATASTRUCT*)
    AfxSig_v_i_pSTYLE,    // void (int, LPSTYLESTRUCT)
    AfxSig_b_pHELPINFO,   // BOOL (HELPINFO*)

    // Reflected to the child (handlers of the control class).
    AfxSig_hbr_pDC_u,     // HBRUSH (CDC*, UINT)
    AfxSig_v_pDIS,        // void (LPDRAWITEMSTRUCT)
    AfxSig_v_pMIS,        // void (LPMEASUREITEMSTRUCT)
    AfxSig_i_pCIS,        // int (LPCOMPAREITEMSTRUCT)
    AfxSig_v_pDELIS,      // void (LPDELETEITEMSTRUCT)
    AfxSig_v_u_u,         // void (UINT, UINT)
};

// In the class declaration.
#define DECLARE_MESSAGE_MAP() \
protected: \
    static const AFX_MSGMAP* GetThisMessageMap(); \
    const AFX_MSGMAP* GetMessageMap() const override;

// In the source: the table lives in a function so that it is built on first
// use and can name the class's protected handlers.
#define BEGIN_MESSAGE_MAP(theClass, baseClass) \
    const AFX_MSGMAP* theClass::GetMessageMap() const { return GetThisMessageMap(); } \
    const AFX_MSGMAP* theClass::GetThisMessageMap() \
    { \
        typedef theClass ThisClass; \
        typedef baseClass TheBaseClass; \
        static const AFX_MSGMAP_ENTRY _messageEntries[] = {

#define END_MESSAGE_MAP() \
            { 0, 0, 0, 0, AfxSig_end, nullptr } \
        }; \
        static const AFX_MSGMAP messageMap = { &TheBaseClass::GetThisMessageMap, &_messageEntries[0] }; \
        (void)sizeof(ThisClass); \
        return &messageMap; \
    }

// The first entry of the given message, code and id in the chain of maps
// starting at map; nullptr when none. Registered-message entries match by the
// number their variable holds.
const AFX_MSGMAP_ENTRY* AFXAPI AfxFindMessageEntry(const AFX_MSGMAP* map, UINT message,
                                                   UINT code, UINT id);
