// The test program's application object: message boxes are recorded and
// answered at once instead of waiting for a person.
#pragma once

#include "afx/WinApp.h"

#include <string>
#include <vector>

class CTestApp : public CWinApp
{
public:
    CTestApp();
    int DoMessageBox(LPCTSTR lpszPrompt, UINT nType, UINT nIDPrompt) override;

    std::vector<std::string> m_messages;
};

CTestApp& TestApp();

// Runs the thread's messages until the queue is empty.
void PumpPending();

// A hidden top-level window of the default class, for parents and owners.
HWND CreateHiddenTopLevel();
