// "Basket.txt": the Basket text kept on disk, byte for byte (Windows-1251,
// lines joined by CR LF, no line end after the last, empty for an empty
// Basket). A save writes a temporary file in the same folder and then puts it
// in the old file's place, so a failed save leaves the old file whole.
#pragma once

#include "afx/String.h"

inline constexpr char kBasketFileName[] = "Basket.txt";

class CBasketFile
{
public:
    explicit CBasketFile(LPCTSTR path);

    // The Basket file in a folder (given with or without its trailing backslash).
    static CString PathInFolder(LPCTSTR folder);

    const CString& GetPath() const { return m_strPath; }

    // The file's whole text, as it stands. FALSE when it cannot be read.
    BOOL Load(CString& text) const;

    // Replaces the file with the text. On failure the old file is untouched,
    // the result is FALSE and error names the file and the system's reason.
    BOOL Save(const CString& text, CString& error) const;

private:
    CString m_strPath;
};
