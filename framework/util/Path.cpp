#include "framework/util/Path.h"
#include "framework/util/DateConversion.h"
#include "afx/File.h"

#include <shlwapi.h>
#include <string.h>
#include <algorithm>

namespace {
// The longest path the shell's path routines accept, terminator excluded.
const int kMaxPathLength = MAX_PATH - 1;
// Label buffer of GetVolumeInformation.
const int kVolumeLabelLength = 255;

bool EndsInSlash(const CString& text)
{
    if (text.IsEmpty())
        return false;
    const char last = text[text.GetLength() - 1];
    return last == '\\' || last == '/';
}
}

// CPath::CArgument -----------------------------------------------------------

CPath::CArgument::CArgument() : m_cOption('/'), m_strName(), m_strValue()
{
}

void CPath::CArgument::SetName(const CString& name)
{
    m_strName = name;
    if (m_strName.Find('/') >= 0)
    {
        m_cOption = '/';
        m_strName.Remove('/');
    }
    if (m_strName.Find('-') >= 0)
    {
        m_cOption = '-';
        m_strName.Remove('-');
    }
    m_strName.Remove(' ');
}

CString CPath::CArgument::Format() const
{
    CString text;
    if (m_strName.IsEmpty() && m_strValue.IsEmpty())
        return text;
    if (!m_strName.IsEmpty())
        text.Format(" %c%s", m_cOption, (LPCTSTR)m_strName);
    if (!m_strValue.IsEmpty())
    {
        if (m_strValue.Find(' ') >= 0)
            text += " \"" + m_strValue + "\"";
        else
            text += " " + m_strValue;
    }
    return text;
}

// CPath ----------------------------------------------------------------------

CPath::CPath()
    : m_strPath(), m_strDrive(), m_strVolume(), m_folders(), m_strFolder(), m_strName(),
      m_strExtension(), m_strArguments(), m_arguments(), m_nRelative(0), m_fileInfo(),
      m_strPathText()
{
}

CPath::CPath(const CString& path, BOOL folder, BOOL arguments) : CPath()
{
    SetPath(path, folder, arguments);
}

CPath::CPath(int which) : CPath()
{
    GetSpecialPath(which);
}

CPath::CPath(const CPath& other) : CPath()
{
    CopyFrom(other);
}

CPath& CPath::operator=(const CString& path)
{
    SetPath(path, FALSE, FALSE);
    return *this;
}

CPath& CPath::operator=(const CPath& other)
{
    if (this != &other)
        CopyFrom(other);
    return *this;
}

void CPath::CopyFrom(const CPath& other)
{
    m_strPath = other.m_strPath;
    m_strDrive = other.m_strDrive;
    m_strVolume = other.m_strVolume;
    m_folders = other.m_folders;
    m_strFolder = other.m_strFolder;
    m_strName = other.m_strName;
    m_strExtension = other.m_strExtension;
    m_strArguments = other.m_strArguments;
    m_arguments = other.m_arguments;
    m_nRelative = other.m_nRelative;
    m_fileInfo = other.m_fileInfo;
}

void CPath::SetPath(const CString& path, BOOL folder, BOOL arguments)
{
    m_strPath = path;
    m_strDrive.Empty();
    m_strVolume.Empty();
    m_folders.clear();
    m_strFolder.Empty();
    m_strName.Empty();
    m_strExtension.Empty();
    m_strArguments.Empty();
    m_arguments.clear();
    m_nRelative = 0;

    // A whole command line may be far longer than a path: every buffer below
    // is sized from the text, never from MAX_PATH.
    const int length = path.GetLength();
    std::vector<char> work(static_cast<size_t>(length) + 1);
    memcpy(work.data(), (LPCTSTR)path, static_cast<size_t>(length) + 1);
    if (arguments)
    {
        m_strArguments = ::PathGetArgsA(work.data());
        ::PathRemoveArgsA(work.data());
    }
    ::PathUnquoteSpacesA(work.data());
    if (work[0] == '\0')
        return;

    // The runtime's splitter caps each part at its own fixed limits; this
    // split follows the same rules for a text of any length.
    CString rest = work.data();
    if (rest.GetLength() >= 2 && rest[1] == ':')
    {
        m_strDrive = rest.Left(2);
        rest = rest.Mid(2);
    }
    const int slash = std::max(rest.ReverseFind('\\'), rest.ReverseFind('/'));
    m_strFolder = rest.Left(slash + 1);
    rest = rest.Mid(slash + 1);
    const int dot = rest.ReverseFind('.');
    const CString name = dot < 0 ? rest : rest.Left(dot);
    const CString ext = dot < 0 ? CString() : rest.Mid(dot);
    m_strFolder.Replace('/', '\\');
    if (!m_strFolder.IsEmpty())
        m_nRelative = m_strFolder[0] != '\\' ? 1 : 0;

    if (folder)
    {
        const CString last = name + ext;
        if (!last.IsEmpty())
        {
            // A bare folder name stays relative rather than becoming a root folder.
            if (m_strFolder.IsEmpty())
                m_nRelative = 1;
            else if (!EndsInSlash(m_strFolder))
                m_strFolder += '\\';
            m_strFolder += last + "\\";
        }
        return;
    }
    m_strName = name;
    if (!m_strName.IsEmpty())
    {
        m_strExtension = ext;
        m_strExtension.Remove('.');
    }
}

void CPath::GetSpecialPath(int which)
{
    if (which == SpecialCommandLine)
    {
        SetPath(::GetCommandLineA(), FALSE, TRUE);
    }
    else if (which == SpecialModuleFile)
    {
        char module[MAX_PATH + 1] = {};
        ::GetModuleFileNameA(nullptr, module, MAX_PATH);
        SetPath(module, FALSE, FALSE);
    }
}

CString CPath::GetExtension() const
{
    if (m_strExtension.IsEmpty())
        return CString();
    return "." + m_strExtension;
}

CString CPath::GetFileName() const
{
    return m_strName + GetExtension();
}

CString CPath::GetLocation() const
{
    return m_strDrive + m_strFolder;
}

void CPath::SplitFolders()
{
    if (m_strFolder.IsEmpty() || !m_folders.empty())
        return;
    int start = 1;
    if (m_nRelative)
        start = 0;
    else if (m_strDrive.IsEmpty())
        start = 2;   // a network path: \\server\share\...
    const int length = m_strFolder.GetLength();
    for (int i = start; i < length; ++i)
    {
        if (m_strFolder[i] == '\\')
        {
            m_folders.push_back(m_strFolder.Mid(start, i - start));
            start = i + 1;
        }
    }
}

int CPath::GetFolderCount()
{
    SplitFolders();
    return static_cast<int>(m_folders.size());
}

CString CPath::GetFolder(int index)
{
    if (index < 0)
        return m_strFolder;
    SplitFolders();
    if (index >= static_cast<int>(m_folders.size()))
        return CString();
    return m_folders[static_cast<size_t>(index)];
}

CString CPath::GetPath(BOOL withArguments, BOOL raw)
{
    CString path = raw ? m_strPath : GetLocation() + GetFileName();
    if (withArguments)
    {
        // A blank between program and arguments, or the two run together.
        const CString arguments = GetArgument(-1, FALSE);
        if (!arguments.IsEmpty())
            path += " " + arguments;
    }
    return path;
}

LPCTSTR CPath::GetPathText()
{
    m_strPathText = GetPath(FALSE, FALSE);
    return m_strPathText;
}

BOOL CPath::Exists()
{
    if (m_strName.IsEmpty())
        return FALSE;
    return ::PathFileExistsA(GetPath(FALSE, FALSE));
}

BOOL CPath::LocationExists()
{
    return ::PathFileExistsA(GetLocation());
}

BOOL CPath::GetFileInformation()
{
    ZeroMemory(&m_fileInfo, sizeof(m_fileInfo));
    HANDLE h = ::CreateFileA(GetPath(FALSE, FALSE), GENERIC_READ, FILE_SHARE_READ, nullptr,
                             OPEN_EXISTING,
                             FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN |
                                 FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_ARCHIVE,
                             nullptr);
    if (h == INVALID_HANDLE_VALUE)
        return FALSE;
    const BOOL ok = ::GetFileInformationByHandle(h, &m_fileInfo);
    ::CloseHandle(h);
    return ok;
}

BOOL CPath::GetFileSize(unsigned long long& size)
{
    const BOOL ok = GetFileInformation();
    size = (static_cast<unsigned long long>(m_fileInfo.nFileSizeHigh) << 32) |
           m_fileInfo.nFileSizeLow;
    if (size == 0)
    {
        // A file that cannot be opened (locked by its writer) still has a
        // directory entry that tells its size.
        CFileStatus status;
        if (CFile::GetStatus(GetPath(FALSE, FALSE), status))
            size = static_cast<unsigned long long>(status.m_size);
    }
    return ok;
}

BOOL CPath::GetFileTime(__time64_t& time, int which)
{
    const BOOL ok = GetFileInformation();
    const FILETIME& source = which == 0   ? m_fileInfo.ftCreationTime
                             : which == 2 ? m_fileInfo.ftLastWriteTime
                                          : m_fileInfo.ftLastAccessTime;
    FILETIME local = {};
    SYSTEMTIME parts = {};
    time = 0;
    if (!::FileTimeToLocalFileTime(&source, &local) || !::FileTimeToSystemTime(&local, &parts))
        ThrowDateConversionError(E_INVALIDARG);
    if (parts.wYear < 1900)
        return ok;
    time = LocalTimeFromParts(parts.wYear, parts.wMonth, parts.wDay, parts.wHour, parts.wMinute,
                              parts.wSecond);
    return ok;
}

CString CPath::GetVolumeName(BOOL firstFolderForNetwork)
{
    if (!m_strVolume.IsEmpty() || m_nRelative)
        return m_strVolume;
    if (firstFolderForNetwork && m_strDrive.IsEmpty())
    {
        m_strVolume = GetFolder(0);
        return m_strVolume;
    }
    CString root;
    if (!m_strDrive.IsEmpty())
        root = m_strDrive + "\\";
    else if (GetFolderCount() > 1)
        root.Format("\\\\%s\\%s\\", (LPCTSTR)GetFolder(0), (LPCTSTR)GetFolder(1));
    char label[kVolumeLabelLength + 1] = {};
    if (!::GetVolumeInformationA(root.IsEmpty() ? nullptr : (LPCTSTR)root, label,
                                 kVolumeLabelLength, nullptr, nullptr, nullptr, nullptr, 0))
        label[0] = '\0';
    m_strVolume = label;
    return m_strVolume;
}

CString CPath::GetAbsolutePath(const CString& baseFolder)
{
    if (!m_nRelative || baseFolder.IsEmpty())
        return CString();
    CString joined = baseFolder;
    if (!EndsInSlash(joined))
        joined += '\\';
    joined += GetPath(FALSE, FALSE);
    // The canonicaliser works in MAX_PATH buffers: a longer text has no
    // canonical form here rather than a truncated one.
    if (joined.GetLength() > kMaxPathLength)
        return CString();
    char result[MAX_PATH] = {};
    if (!::PathCanonicalizeA(result, joined))
        return CString();
    return result;
}

CString CPath::GetRelativePath(const CString& fromFolder)
{
    if (m_nRelative)
        return CString();
    const CString to = GetPath(FALSE, FALSE);
    if (fromFolder.GetLength() > kMaxPathLength || to.GetLength() > kMaxPathLength)
        return CString();
    char result[MAX_PATH] = {};
    if (!::PathRelativePathToA(result, fromFolder, FILE_ATTRIBUTE_DIRECTORY, to,
                               m_strName.IsEmpty() ? FILE_ATTRIBUTE_DIRECTORY
                                                   : FILE_ATTRIBUTE_NORMAL))
        return CString();
    CString relative(result);
    if (relative.GetLength() > 1 && relative.Left(2) == ".\\")
        relative = relative.Mid(2);
    return relative;
}

void CPath::SetArguments(const CString& text)
{
    m_arguments.clear();
    m_strArguments = text;
}

void CPath::ParseArguments()
{
    if (m_strArguments.IsEmpty() || !m_arguments.empty())
        return;
    CString text = m_strArguments;
    text.Trim();
    text += ' ';
    CArgument pending;
    CString pendingName;
    auto append = [this, &pending, &pendingName]() {
        pending.SetName(pendingName);
        m_arguments.push_back(pending);
        pending = CArgument();
        pendingName.Empty();
    };
    int found = text.FindOneOf(" \"");
    while (found >= 0)
    {
        int dropTo = found;
        if (text[found] == '"')
        {
            const int close = text.Find('"', found + 1);
            if (close < 0)
                break;
            pending.SetValue(text.Mid(found + 1, close - found - 1));
            dropTo = close;
        }
        else
        {
            const CString word = text.Left(found);
            if (!word.IsEmpty() && (word[0] == '/' || word[0] == '-'))
            {
                if (!pendingName.IsEmpty())
                    append();
                pendingName = word;
            }
            else
            {
                pending.SetValue(word);
            }
        }
        if (!pending.GetValue().IsEmpty())
            append();
        text = text.Mid(dropTo + 1);
        text.TrimLeft();
        found = text.FindOneOf(" \"");
    }
    if (!pendingName.IsEmpty())
        append();
}

int CPath::GetArgumentCount()
{
    ParseArguments();
    return static_cast<int>(m_arguments.size());
}

CString CPath::GetArgument(int index, BOOL name)
{
    if (index < 0)
    {
        if (m_strArguments.IsEmpty() && !m_arguments.empty())
        {
            for (const CArgument& argument : m_arguments)
                m_strArguments += argument.Format();
            m_strArguments.TrimLeft();
        }
        return m_strArguments;
    }
    ParseArguments();
    if (index >= static_cast<int>(m_arguments.size()))
        return CString();
    const CArgument& argument = m_arguments[static_cast<size_t>(index)];
    return name ? argument.GetName() : argument.GetValue();
}

int CPath::FindArgument(const CString& name)
{
    ParseArguments();
    CArgument probe;
    probe.SetName(name);
    if (probe.GetName().IsEmpty())
        return -1;
    for (size_t i = 0; i < m_arguments.size(); ++i)
    {
        if (m_arguments[i].GetName().CompareNoCase(probe.GetName()) == 0)
            return static_cast<int>(i);
    }
    return -1;
}

void CPath::SetArgument(const CString& name, const CString& value)
{
    const int index = FindArgument(name);
    if (index >= 0)
    {
        m_arguments[static_cast<size_t>(index)].SetValue(value);
    }
    else
    {
        CArgument argument;
        argument.SetName(name);
        argument.SetValue(value);
        m_arguments.push_back(argument);
    }
    m_strArguments.Empty();
}

void CPath::RemoveArgument(int index)
{
    if (index < 0 || index >= static_cast<int>(m_arguments.size()))
        return;
    m_arguments.erase(m_arguments.begin() + index);
    m_strArguments.Empty();
}

// Free functions ----------------------------------------------------------------

CString AddTrailingSlash(const CString& text, BOOL forward)
{
    if (text.IsEmpty() || EndsInSlash(text))
        return text;
    return text + (forward ? '/' : '\\');
}

CString RemoveTrailingSlash(const CString& text)
{
    if (EndsInSlash(text))
        return text.Left(text.GetLength() - 1);
    return text;
}
