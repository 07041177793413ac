// A fresh folder under the system temp folder for one test, removed with
// everything in it when the test ends.
#pragma once

#include "afx/String.h"

class TempFolder
{
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const CString& Path() const { return m_path; }
    // The folder's path joined with a relative name.
    CString operator/(LPCSTR name) const;
    // Creates a file holding exactly these bytes.
    void WriteFile(LPCSTR name, const void* bytes, size_t count) const;
    void WriteFile(LPCSTR name, LPCSTR text) const;
    // The whole content of a file (empty when it cannot be read).
    CString ReadFile(LPCSTR name) const;

private:
    CString m_path;
};
