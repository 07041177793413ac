// Scratch files and folders for the routine tests: each test gets a fresh
// folder under the temporary folder, removed again when it ends.
#pragma once

#include "afx/String.h"

#include <string>

class CScratchFolder
{
public:
    CScratchFolder();
    ~CScratchFolder();
    CScratchFolder(const CScratchFolder&) = delete;
    CScratchFolder& operator=(const CScratchFolder&) = delete;

    // The folder, with a trailing backslash.
    const CString& Path() const { return m_path; }
    CString File(LPCSTR name) const { return m_path + name; }

private:
    CString m_path;
};

// Writes the bytes as the whole file; returns the path.
CString WriteBytes(const CString& path, const std::string& bytes);
// The whole file's bytes.
std::string ReadBytes(const CString& path);
