// CPrintDialog: the system's print and print-setup dialogs over m_pd. With
// no printer installed every way of getting a printer fails cleanly: DoModal
// gives IDCANCEL, GetDefaults FALSE, and the DC members nullptr.
#pragma once

#include "afx/CommonDialog.h"
#include "afx/String.h"

class CPrintDialog : public CCommonDialog
{
    DECLARE_DYNAMIC(CPrintDialog)
public:
    explicit CPrintDialog(BOOL bPrintSetupOnly,
                          DWORD dwFlags = PD_ALLPAGES | PD_USEDEVMODECOPIES | PD_NOPAGENUMS | PD_HIDEPRINTTOFILE
                                          | PD_NOSELECTION,
                          CWnd* pParentWnd = nullptr);

    INT_PTR DoModal() override;
    // The default printer's settings without showing anything.
    BOOL GetDefaults();
    // The DC the print dialog made (PD_RETURNDC); the caller deletes it.
    HDC GetPrinterDC() const;
    // A DC of the printer and settings now in m_pd; replaces m_pd.hDC
    // (the caller deletes it). nullptr when no printer was chosen.
    HDC CreatePrinterDC();

    PRINTDLG m_pd;
};
