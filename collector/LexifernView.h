// CLexifernView: the program's one view, a form on dialog template 101 that
// fills the main frame: keyword box, suggestion list, Basket box and buttons.
#pragma once

#include "afx/View.h"

class CLexifernView : public CFormView
{
    DECLARE_DYNCREATE(CLexifernView)
public:
    CLexifernView();
    ~CLexifernView() override;

    DECLARE_MESSAGE_MAP()
};

// The one main view while it exists, else nullptr. Worker threads and the
// frame's copy commands reach the view and its Basket through it.
CLexifernView* GetMainView();
