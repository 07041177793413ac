// Windows Sockets start-up for the process: the program calls AfxSocketInit
// once before anything talks to the network.
#pragma once

#include "afx/Afx.h"

// Starts Windows Sockets 2.2 the first time it is called; later calls give the
// first call's result. FALSE when the system has no usable sockets. data, when
// given, receives the start-up details.
BOOL AFXAPI AfxSocketInit(WSADATA* data = nullptr);
