// CLexifernApp: the program's application object. Its start-up brings up the
// network layer and the framework, reads the Basket options, registers the one
// document type (document, main frame, main view) and shows the main frame in
// its saved state.
#pragma once

#include "framework/app/BasedApp.h"

class CLexifernApp : public CBasedApp
{
    DECLARE_DYNAMIC(CLexifernApp)
public:
    CLexifernApp();

    BOOL InitInstance() override;
    int ExitInstance() override;

    // The two Basket options of the profile ("Settings"/"bDedupeBasket",
    // "bSortBasket", both on by default).
    void LoadBasketSettings();
    void SaveBasketSettings();

    BOOL m_bDedupeBasket;
    BOOL m_bSortBasket;

protected:
    // The start-up splash: modal, it closes itself after two seconds.
    virtual void ShowSplash();

    DECLARE_MESSAGE_MAP()
};

// The application object, or nullptr before it exists.
CLexifernApp* GetLexifernApp();
