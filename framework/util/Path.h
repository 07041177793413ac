// CPath: a path text (optionally followed by command-line arguments) split
// once into drive, folder part, folder names, name and extension, with
// questions about the file it names and its relative and absolute forms.
// CPath::CArgument is one command-line argument: option character, name, value.
#pragma once

#include "afx/String.h"

#include <time.h>
#include <vector>

class CPath
{
public:
    class CArgument
    {
    public:
        CArgument();
        virtual ~CArgument() = default;

        // Stores the name without its option characters and blanks; the last
        // option character found ("/" first, then "-") is remembered.
        void SetName(const CString& name);
        void SetValue(const CString& value) { m_strValue = value; }
        const CString& GetName() const { return m_strName; }
        const CString& GetValue() const { return m_strValue; }
        char GetOption() const { return m_cOption; }
        // " /name value", the value quoted when it holds a blank.
        CString Format() const;

    private:
        char m_cOption;
        CString m_strName;
        CString m_strValue;
    };

    // Which of the special paths GetSpecialPath fills in.
    enum { SpecialCommandLine = 0, SpecialModuleFile = 1 };

    CPath();
    CPath(const CString& path, BOOL folder, BOOL arguments);
    explicit CPath(int which);
    CPath(const CPath& other);
    virtual ~CPath() = default;

    CPath& operator=(const CString& path);
    CPath& operator=(LPCSTR path) { return operator=(CString(path)); }
    CPath& operator=(const CPath& other);

    void SetPath(const CString& path, BOOL folder = FALSE, BOOL arguments = FALSE);
    void GetSpecialPath(int which);

    // Parts of the path.
    CString GetDrive() const { return m_strDrive; }
    CString GetTitle() const { return m_strName; }
    CString GetExtName() const { return m_strExtension; }
    CString GetExtension() const;
    CString GetFileName() const;
    CString GetLocation() const;
    int GetFolderCount();
    CString GetFolder(int index);
    CString GetPath(BOOL withArguments = FALSE, BOOL raw = FALSE);
    LPCTSTR GetPathText();
    BOOL IsLocalPath() const { return !m_strDrive.IsEmpty() && m_nRelative == 0; }
    BOOL IsRelativePath() const { return m_nRelative != 0; }
    BOOL HasFileName() const { return !m_strName.IsEmpty(); }

    // The file behind the path.
    BOOL Exists();
    BOOL LocationExists();
    BOOL GetFileInformation();
    const BY_HANDLE_FILE_INFORMATION& GetFileInfo() const { return m_fileInfo; }
    BOOL GetFileSize(unsigned long long& size);
    // which: 0 creation, 2 last write, anything else last access.
    BOOL GetFileTime(__time64_t& time, int which);
    CString GetVolumeName(BOOL firstFolderForNetwork = FALSE);
    CString GetAbsolutePath(const CString& baseFolder);
    CString GetRelativePath(const CString& fromFolder);

    // Arguments.
    void SetArguments(const CString& text);
    void ParseArguments();
    int GetArgumentCount();
    CString GetArgument(int index, BOOL name);
    int FindArgument(const CString& name);
    void SetArgument(const CString& name, const CString& value);
    void RemoveArgument(int index);

    void SplitFolders();

private:
    void CopyFrom(const CPath& other);

    CString m_strPath;
    CString m_strDrive;
    CString m_strVolume;
    std::vector<CString> m_folders;
    CString m_strFolder;
    CString m_strName;
    CString m_strExtension;
    CString m_strArguments;
    std::vector<CArgument> m_arguments;
    int m_nRelative;
    BY_HANDLE_FILE_INFORMATION m_fileInfo;
    CString m_strPathText;
};

// The text with "\" (or "/" when forward) appended, unless it is empty or
// already ends in a slash.
CString AddTrailingSlash(const CString& text, BOOL forward = FALSE);
// The text without its last character when that is "\" or "/".
CString RemoveTrailingSlash(const CString& text);
