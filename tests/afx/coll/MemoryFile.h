// A file held in a byte vector, so archive tests see exactly the bytes
// written and can cut them short at will; with the helpers the archive tests
// share to write and compare those bytes.
#pragma once

#include "afx/Archive.h"
#include "afx/File.h"

#include <algorithm>
#include <functional>
#include <initializer_list>
#include <string.h>
#include <string>
#include <vector>

class MemoryFile : public CFile
{
public:
    MemoryFile() = default;
    explicit MemoryFile(const std::string& bytes) : data(bytes.begin(), bytes.end()) {}

    std::string Bytes() const { return std::string(data.begin(), data.end()); }

    UINT Read(void* buffer, UINT count) override
    {
        UINT n = static_cast<UINT>(std::min<size_t>(count, data.size() - std::min(pos, data.size())));
        if (n)
            memcpy(buffer, data.data() + pos, n);
        pos += n;
        return n;
    }
    void Write(const void* buffer, UINT count) override
    {
        if (data.size() < pos + count)
            data.resize(pos + count);
        memcpy(data.data() + pos, buffer, count);
        pos += count;
        ++writes;
    }
    ULONGLONG Seek(LONGLONG offset, UINT from) override
    {
        LONGLONG base = from == begin ? 0 : from == current ? static_cast<LONGLONG>(pos) : static_cast<LONGLONG>(data.size());
        pos = static_cast<size_t>(base + offset);
        return pos;
    }
    ULONGLONG GetPosition() const override { return pos; }
    ULONGLONG GetLength() const override { return data.size(); }
    CString GetFilePath() const override { return "memory.bin"; }
    void Flush() override {}
    void Close() override {}
    void Abort() override {}

    std::vector<char> data;
    size_t pos = 0;
    int writes = 0;
};

// The bytes given as numbers 0..255, for comparing with what was stored.
inline std::string Bytes(std::initializer_list<int> values)
{
    std::string out;
    for (int v : values)
        out += static_cast<char>(v);
    return out;
}

// Bytes written by fn through a storing archive.
inline std::string Stored(const std::function<void(CArchive&)>& fn)
{
    MemoryFile file;
    CArchive ar(&file, CArchive::store);
    fn(ar);
    ar.Close();
    return file.Bytes();
}
