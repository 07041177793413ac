#include "framework/util/CommandLineText.h"

void RemoveQuotes(CString& text)
{
    text.Replace('"', ' ');
    text.Trim(' ');
}

CString GetFileExtension(CString path)
{
    const int dot = path.ReverseFind('.');
    if (dot < 0)
        return CString();
    return path.Mid(dot);
}

void ExtractProgramPath(CString& commandLine)
{
    commandLine.Trim(' ');
    if (commandLine.IsEmpty())
        return;
    const bool quoted = commandLine[0] == '"';
    int at = commandLine.ReverseFind('\\');
    if (at < 0)
        at = quoted ? 1 : 0;
    const int length = commandLine.GetLength();
    while (at < length)
    {
        const char ch = commandLine[at];
        if (ch == '"' || (!quoted && ch == ' '))
            break;
        ++at;
    }
    commandLine = commandLine.Left(at + 1);
    commandLine.TrimRight(' ');
}

void GetFolderPart(CString& path)
{
    const DWORD attributes = ::GetFileAttributesA(path);
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY))
    {
        path.TrimRight('\\');
        path += '\\';
        return;
    }
    if (!path.IsEmpty() && path[path.GetLength() - 1] == '\\')
        return;
    const int slash = path.ReverseFind('\\');
    path = slash < 0 ? CString() : path.Left(slash + 1);
}
