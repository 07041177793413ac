// What the two input dialogs share: their control ids and the look of their
// OK and Cancel buttons (icon, balloon tool tip, text).
#pragma once

#include "controls/buttons/ButtonST.h"

// Controls of the input templates.
const int InputTextEditId = 1208;
const int InputDatePickerId = 1179;

// The icons of the buttons: a tick for OK, a cross for Cancel.
const int InputOkIconId = 161;
const int InputCancelIconId = 160;

void DecorateInputButtons(CButtonST& ok, CButtonST& cancel);
