// A dialog template built in memory for window tests: a header, then items of
// the predefined classes (button, edit, static), all in dialog units.
#pragma once

#include <windows.h>

#include <cwchar>
#include <vector>

class TestDialogTemplate
{
public:
    enum : WORD { Button = 0x0080, Edit = 0x0081, Static = 0x0082 };

    TestDialogTemplate(DWORD style, short cx, short cy)
    {
        DLGTEMPLATE dt = {};
        dt.style = style | DS_SETFONT;
        dt.cx = cx;
        dt.cy = cy;
        Add(&dt, sizeof(dt));
        Word(0); Word(0); Word(0);      // no menu, default class, empty title
        Word(8); Text(L"MS Shell Dlg");
    }

    TestDialogTemplate& Item(WORD id, WORD atom, DWORD style, short x, short y, short cx, short cy)
    {
        Align();
        DLGITEMTEMPLATE it = {};
        it.style = style | WS_CHILD | WS_VISIBLE;
        it.x = x; it.y = y; it.cx = cx; it.cy = cy;
        it.id = id;
        Add(&it, sizeof(it));
        Word(0xFFFF); Word(atom); Word(0); Word(0);
        ++reinterpret_cast<DLGTEMPLATE*>(m_bytes.data())->cdit;
        return *this;
    }

    LPCDLGTEMPLATE Get() const { return reinterpret_cast<LPCDLGTEMPLATE>(m_bytes.data()); }

private:
    void Add(const void* p, size_t n)
    {
        const BYTE* b = static_cast<const BYTE*>(p);
        m_bytes.insert(m_bytes.end(), b, b + n);
    }
    void Word(WORD w) { Add(&w, sizeof(w)); }
    void Text(const wchar_t* s) { Add(s, (std::wcslen(s) + 1) * sizeof(wchar_t)); }
    void Align() { while (m_bytes.size() % 4) m_bytes.push_back(0); }

    std::vector<BYTE> m_bytes;
};
