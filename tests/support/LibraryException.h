// Class-library exceptions are thrown as heap pointers: a test that expects
// one must also free it, or every such test leaks the exception object.
#pragma once

#include "afx/Exception.h"

// True when the call throws an E* (which is then deleted); any other
// exception, or none, gives false.
template <class E, class F>
bool ThrowsLibraryException(F call)
{
    try {
        call();
    } catch (E* e) {
        e->Delete();
        return true;
    } catch (CException* e) {
        e->Delete();
    } catch (...) {
    }
    return false;
}
