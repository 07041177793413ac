// The MDI test program's application object and the helpers its tests share.
#pragma once

#include "afx/WinApp.h"

#include <string>
#include <vector>

class CMdiTestApp : public CWinApp
{
public:
    CMdiTestApp();
    // Recorded and answered with m_nAnswer at once instead of waiting for a person.
    int DoMessageBox(LPCTSTR lpszPrompt, UINT nType, UINT nIDPrompt) override;

    std::vector<std::string> m_prompts;
    int m_nAnswer = IDOK;
};

CMdiTestApp& TestApp();

// Runs the thread's messages until the queue is empty.
void PumpPending();
