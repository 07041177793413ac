// The painter organizers' bookkeeping: a map from window to the painter the
// organizer gave it, and a pool of detached painters kept for reuse.
#pragma once

#include "afx/Array.h"
#include "afx/Map.h"

template <class P>
using COXPainterMap = CMap<HWND, HWND, P*, P*>;

template <class P>
P* OXFindPainter(const COXPainterMap<P>& map, HWND hWnd)
{
    P* painter = nullptr;
    return hWnd && map.Lookup(hWnd, painter) ? painter : nullptr;
}

// Every entry in map order: op(window, painter).
template <class P, class Op>
void OXForEachPainter(const COXPainterMap<P>& map, Op op)
{
    POSITION pos = map.GetStartPosition();
    while (pos) {
        HWND hWnd = nullptr;
        P* painter = nullptr;
        map.GetNextAssoc(pos, hWnd, painter);
        op(hWnd, painter);
    }
}

// The first painter, in map order, whose window still exists.
template <class P>
P* OXFirstLivePainter(const COXPainterMap<P>& map, POSITION& pos)
{
    pos = map.GetStartPosition();
    while (pos) {
        HWND hWnd = nullptr;
        P* painter = nullptr;
        map.GetNextAssoc(pos, hWnd, painter);
        if (::IsWindow(hWnd))
            return painter;
    }
    return nullptr;
}

// The pool's first painter (the rest move up), or a new one.
template <class P>
P* OXTakePainter(CArray<P*, P*>& pool)
{
    if (pool.GetSize() == 0)
        return new P;
    P* painter = pool[0];
    pool.RemoveAt(0);
    return painter;
}

template <class P>
void OXDeletePool(CArray<P*, P*>& pool)
{
    for (INT_PTR i = 0; i < pool.GetSize(); ++i)
        delete pool[i];
    pool.RemoveAll();
}
