// The popup bar's own message numbers and window styles, shared by the files
// of its implementation.
#pragma once

#include "afx/Wnd.h"

// The 200 ms timer of the bar: a torn-off bar clears its hot button with it.
const UINT_PTR PopupBarTimerId = 243;
const UINT PopupBarTimerPeriod = 200;

// The results of a pick, registered once per process by name.
extern const UINT MsgPopupOk;
extern const UINT MsgPopupCancel;
extern const UINT MsgPopupCustom;
extern const UINT MsgPopupTearOff;

enum PopupBarPickResult
{
    PickRunning = 0,
    PickChosen = 1,
    PickCancelled = 2,
    PickCustom = 3,
    PickTearOff = 4
};

// A torn-off bar: a visible tool window with a caption and a system menu
// that follows its owner's activation (MFS_SYNCACTIVE).
const DWORD PopupBarFloatingExStyle = WS_EX_DLGMODALFRAME | WS_EX_TOOLWINDOW;
const DWORD PopupBarFloatingStyle = WS_POPUP | WS_VISIBLE | WS_CAPTION | WS_SYSMENU | MFS_SYNCACTIVE;
// The width of the frame dragged while tearing off.
const int PopupBarDragFrameWidth = 3;
