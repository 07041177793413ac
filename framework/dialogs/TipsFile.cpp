#include "framework/dialogs/TipsFile.h"

#include <sys/stat.h>
#include <cstring>
#include <ctime>

CTipsFile::CTipsFile() : m_pStream(nullptr)
{
}

CTipsFile::~CTipsFile()
{
    Close();
}

BOOL CTipsFile::Open(LPCTSTR path)
{
    Close();
    // Binary, with CR LF turned into LF by hand: the runtime's text mode
    // reports wrong positions for files with bare LF line ends, and the
    // position is what the next run resumes from.
    m_pStream = std::fopen(path, "rb");
    return m_pStream != nullptr;
}

void CTipsFile::Close()
{
    if (m_pStream) {
        std::fclose(m_pStream);
        m_pStream = nullptr;
    }
}

CString CTipsFile::GetTimeStamp() const
{
    if (!m_pStream)
        return CString();
    struct _stat64 status = {};
    if (_fstat64(_fileno(m_pStream), &status) != 0)
        return CString();
    const __time64_t modified = status.st_mtime;
    // ctime gives nothing for a time it cannot show; that must not crash.
    const char* text = _ctime64(&modified);
    CString stamp(text ? text : "");
    stamp.TrimRight();
    return stamp;
}

BOOL CTipsFile::Seek(long position)
{
    return m_pStream && std::fseek(m_pStream, position, SEEK_SET) == 0;
}

long CTipsFile::GetPosition() const
{
    return m_pStream ? std::ftell(m_pStream) : -1;
}

BOOL CTipsFile::IsSkippedLine(const char* line)
{
    const char first = line[0];
    return first == ' ' || first == '\t' || first == '\n' || first == ';';
}

CTipsFile::ReadResult CTipsFile::ReadNextTip(CString& tip)
{
    if (!m_pStream)
        return NoTipInFile;
    char line[LineBufferSize];
    // One rewind at most: a file without any tip line would otherwise be
    // read round and round for ever.
    BOOL rewound = FALSE;
    for (;;) {
        if (std::fgets(line, sizeof line, m_pStream)) {
            const size_t length = std::strlen(line);
            if (length >= 2 && line[length - 2] == '\r' && line[length - 1] == '\n') {
                line[length - 2] = '\n';
                line[length - 1] = '\0';
            }
            if (!IsSkippedLine(line)) {
                tip = line;
                return TipFound;
            }
            continue;
        }
        if (rewound)
            return NoTipInFile;
        std::clearerr(m_pStream);
        if (std::fseek(m_pStream, 0, SEEK_SET) != 0)
            return RewindFailed;
        rewound = TRUE;
    }
}
