// The window tests' grid: 20 x 6 cells of 50 x 20 pixels, one fixed row and
// column, in a 300 x 200 child of a host window.
#pragma once

#include "grid/GridCtrl.h"

// A visible 400 x 300 host window; with a procedure, of a class of that name
// (registered on first use), else a plain static window.
inline HWND CreateGridHost(LPCSTR className, WNDPROC proc, DWORD style)
{
    if (proc) {
        WNDCLASSA wc = {};
        wc.lpfnWndProc = proc;
        wc.hInstance = ::GetModuleHandleA(nullptr);
        wc.lpszClassName = className;
        ::RegisterClassA(&wc);
    }
    return ::CreateWindowA(proc ? className : "STATIC", "grid host", style | WS_VISIBLE, 0, 0, 400, 300, nullptr,
                           nullptr, ::GetModuleHandleA(nullptr), nullptr);
}

inline void CreateTestGrid(CGridCtrl& grid, HWND host)
{
    CRect rect(0, 0, 300, 200);
    grid.Create(rect, CWnd::FromHandle(host), 100, WS_CHILD | WS_VISIBLE);
    for (int row = 0; row < grid.GetRowCount(); row++)
        grid.SetRowHeight(row, 20);
    for (int col = 0; col < grid.GetColumnCount(); col++)
        grid.SetColumnWidth(col, 50);
    grid.ResetScrollBars();
}
