#include "afx/PrintDialog.h"

IMPLEMENT_DYNAMIC(CPrintDialog, CCommonDialog)

CPrintDialog::CPrintDialog(BOOL bPrintSetupOnly, DWORD dwFlags, CWnd* pParentWnd)
    : CCommonDialog(pParentWnd), m_pd()
{
    m_pd.lStructSize = sizeof(PRINTDLG);
    m_pd.Flags = dwFlags | PD_ENABLEPRINTHOOK | PD_ENABLESETUPHOOK;
    m_pd.lpfnPrintHook = &AfxCommDlgProc;
    m_pd.lpfnSetupHook = &AfxCommDlgProc;
    if (bPrintSetupOnly)
        m_pd.Flags |= PD_PRINTSETUP;
    else
        m_pd.Flags |= PD_RETURNDC;
    m_pd.nCopies = 1;
}

INT_PTR CPrintDialog::DoModal()
{
    m_pd.hwndOwner = PreModal();
    const BOOL chosen = ::PrintDlgA(&m_pd);
    PostModal();
    if (!chosen) {
        const DWORD error = ::CommDlgExtendedError();
        if (error != 0)
            TRACE("the print dialog failed: %#lx\n", error);
        // A failed call promises nothing of the DC member.
        m_pd.hDC = nullptr;
    }
    return chosen ? IDOK : IDCANCEL;
}

BOOL CPrintDialog::GetDefaults()
{
    // Without a window there is nothing to hook.
    const DWORD flags = m_pd.Flags;
    m_pd.Flags = (flags | PD_RETURNDEFAULT) & ~(PD_ENABLEPRINTHOOK | PD_ENABLESETUPHOOK);
    const BOOL found = ::PrintDlgA(&m_pd);
    m_pd.Flags = flags;
    if (!found)
        m_pd.hDC = nullptr;
    return found;
}

HDC CPrintDialog::GetPrinterDC() const
{
    ASSERT(m_pd.Flags & PD_RETURNDC);
    return m_pd.hDC;
}

HDC CPrintDialog::CreatePrinterDC()
{
    m_pd.hDC = nullptr;
    if (!m_pd.hDevNames)
        return nullptr;
    const DEVNAMES* names = static_cast<const DEVNAMES*>(::GlobalLock(m_pd.hDevNames));
    if (!names)
        return nullptr;
    const DEVMODEA* mode = m_pd.hDevMode ? static_cast<const DEVMODEA*>(::GlobalLock(m_pd.hDevMode)) : nullptr;
    LPCSTR base = reinterpret_cast<LPCSTR>(names);
    m_pd.hDC = ::CreateDCA(base + names->wDriverOffset, base + names->wDeviceOffset, nullptr, mode);
    if (mode)
        ::GlobalUnlock(m_pd.hDevMode);
    ::GlobalUnlock(m_pd.hDevNames);
    return m_pd.hDC;
}
