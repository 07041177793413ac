// A file held in a byte vector, so archive tests see exactly the bytes
// written and can cut them short at will.
#pragma once

#include "afx/File.h"

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
