// An element that counts its live instances, so the tests can see that the
// containers construct and destroy exactly what they hold.
#pragma once

#include "afx/String.h"

#include <utility>

struct Counted
{
    static int live;
    CString text;

    Counted() { ++live; }
    Counted(LPCSTR t) : text(t) { ++live; }
    Counted(const Counted& other) : text(other.text) { ++live; }
    Counted(Counted&& other) noexcept : text(std::move(other.text)) { ++live; }
    ~Counted() { --live; }
    Counted& operator=(const Counted&) = default;
    Counted& operator=(Counted&&) = default;
    bool operator==(const Counted& other) const { return text == other.text; }
};
