#include "tests/support/AviFile.h"

#include <cstdio>
#include <string>

namespace {
// A little-endian byte builder with RIFF chunks whose sizes are patched at the end.
class RiffWriter
{
public:
    void Dword(DWORD v) { bytes.append(reinterpret_cast<const char*>(&v), 4); }
    void Word(WORD v) { bytes.append(reinterpret_cast<const char*>(&v), 2); }
    void FourCC(const char* cc) { bytes.append(cc, 4); }
    // Opens a chunk (or a list with its type); returns where its size lies.
    size_t Open(const char* id, const char* type = nullptr)
    {
        FourCC(id);
        size_t at = bytes.size();
        Dword(0);
        if (type)
            FourCC(type);
        return at;
    }
    void Close(size_t at)
    {
        DWORD size = static_cast<DWORD>(bytes.size() - at - 4);
        bytes.replace(at, 4, reinterpret_cast<const char*>(&size), 4);
        if (bytes.size() % 2)
            bytes.push_back('\0');
    }
    std::string bytes;
};
} // namespace

bool WriteSolidAvi(const char* path, int width, int height, COLORREF color)
{
    const DWORD stride = static_cast<DWORD>((width + 3) & ~3);
    const DWORD frameSize = stride * static_cast<DWORD>(height);
    RiffWriter w;
    size_t riff = w.Open("RIFF", "AVI ");
    size_t hdrl = w.Open("LIST", "hdrl");
    size_t avih = w.Open("avih");
    w.Dword(100000);          // microseconds per frame
    w.Dword(frameSize * 10);  // bytes per second
    w.Dword(0);               // padding granularity
    w.Dword(0x10);            // AVIF_HASINDEX
    w.Dword(1);               // frames
    w.Dword(0);               // initial frames
    w.Dword(1);               // streams
    w.Dword(frameSize);       // suggested buffer
    w.Dword(static_cast<DWORD>(width));
    w.Dword(static_cast<DWORD>(height));
    for (int i = 0; i < 4; ++i)
        w.Dword(0);
    w.Close(avih);
    size_t strl = w.Open("LIST", "strl");
    size_t strh = w.Open("strh");
    w.FourCC("vids");
    w.FourCC("DIB ");
    w.Dword(0);               // flags
    w.Word(0);                // priority
    w.Word(0);                // language
    w.Dword(0);               // initial frames
    w.Dword(1);               // scale
    w.Dword(10);              // rate: 10 frames a second
    w.Dword(0);               // start
    w.Dword(1);               // length in frames
    w.Dword(frameSize);
    w.Dword(0xFFFFFFFF);      // quality
    w.Dword(0);               // sample size
    w.Word(0);
    w.Word(0);
    w.Word(static_cast<WORD>(width));
    w.Word(static_cast<WORD>(height));
    w.Close(strh);
    size_t strf = w.Open("strf");
    w.Dword(sizeof(BITMAPINFOHEADER));
    w.Dword(static_cast<DWORD>(width));
    w.Dword(static_cast<DWORD>(height));
    w.Word(1);
    w.Word(8);
    w.Dword(BI_RGB);
    w.Dword(frameSize);
    w.Dword(0);
    w.Dword(0);
    w.Dword(2);               // colours used
    w.Dword(0);
    w.Dword(RGB(GetBValue(color), GetGValue(color), GetRValue(color)));   // RGBQUAD: blue first
    w.Dword(0);
    w.Close(strf);
    w.Close(strl);
    w.Close(hdrl);
    size_t movi = w.Open("LIST", "movi");
    const size_t moviData = movi + 4;   // index offsets count from the "movi" type
    size_t frameAt = w.bytes.size();
    size_t frame = w.Open("00db");
    w.bytes.append(frameSize, '\0');
    w.Close(frame);
    w.Close(movi);
    size_t idx1 = w.Open("idx1");
    w.FourCC("00db");
    w.Dword(0x10);            // AVIIF_KEYFRAME
    w.Dword(static_cast<DWORD>(frameAt - moviData));
    w.Dword(frameSize);
    w.Close(idx1);
    w.Close(riff);

    FILE* file = std::fopen(path, "wb");
    if (!file)
        return false;
    bool ok = std::fwrite(w.bytes.data(), 1, w.bytes.size(), file) == w.bytes.size();
    return std::fclose(file) == 0 && ok;
}
