// Data transfer: the clipboard round trip of 1251 text through the data
// source and data object, and a drop target driven through its COM face.
#include <gtest/gtest.h>

#include <string.h>

#include "afx/OleDataObject.h"
#include "afx/OleDataSource.h"
#include "afx/OleDropTarget.h"

namespace {

HGLOBAL GlobalText(const char* text)
{
    size_t size = strlen(text) + 1;
    HGLOBAL block = ::GlobalAlloc(GMEM_MOVEABLE, size);
    memcpy(::GlobalLock(block), text, size);
    ::GlobalUnlock(block);
    return block;
}

std::string TextOf(HGLOBAL block)
{
    std::string text(static_cast<const char*>(::GlobalLock(block)));
    ::GlobalUnlock(block);
    return text;
}

void EmptyTheClipboard()
{
    ASSERT_TRUE(::OpenClipboard(nullptr));
    ::EmptyClipboard();
    ::CloseClipboard();
}

const char kCyrillic[] = "\xEA\xEB\xFE\xF7\xE5\xE2\xEE\xE5 \xF1\xEB\xEE\xE2\xEE 42";   // "ключевое слово 42"

} // namespace

TEST(OleData, ClipboardRoundTripOfCyrillicText)
{
    EmptyTheClipboard();
    COleDataObject reader;
    ASSERT_TRUE(reader.AttachClipboard());
    EXPECT_FALSE(reader.IsDataAvailable(CF_TEXT));
    EXPECT_EQ(nullptr, reader.GetGlobalData(CF_TEXT));

    CLIPFORMAT privateFormat = static_cast<CLIPFORMAT>(::RegisterClipboardFormatA("Lexifern test block"));
    COleDataSource* source = new COleDataSource;
    source->CacheGlobalData(CF_TEXT, GlobalText("replaced"));
    source->CacheGlobalData(CF_TEXT, GlobalText(kCyrillic));   // the later block wins
    source->CacheGlobalData(privateFormat, GlobalText("raw"));
    source->SetClipboard();   // the clipboard takes the object
    EXPECT_EQ(nullptr, COleDataSource::GetClipboardOwner());

    EXPECT_TRUE(reader.IsDataAvailable(CF_TEXT));
    EXPECT_TRUE(reader.IsDataAvailable(privateFormat));
    HGLOBAL text = reader.GetGlobalData(CF_TEXT);
    ASSERT_NE(nullptr, text);
    EXPECT_EQ(kCyrillic, TextOf(text));
    ::GlobalFree(text);   // a copy: the clipboard still has its own
    HGLOBAL again = reader.GetGlobalData(CF_TEXT);
    ASSERT_NE(nullptr, again);
    EXPECT_EQ(kCyrillic, TextOf(again));
    ::GlobalFree(again);

    // Other programs see the same bytes through the plain clipboard.
    ASSERT_TRUE(::OpenClipboard(nullptr));
    HANDLE plain = ::GetClipboardData(CF_TEXT);
    ASSERT_NE(nullptr, plain);
    EXPECT_EQ(kCyrillic, TextOf(plain));
    ::CloseClipboard();
    EmptyTheClipboard();
}

namespace {

class CRecordingTarget : public COleDropTarget
{
public:
    std::string log;
    std::string dropped;
    DROPEFFECT OnDragOver(CWnd*, COleDataObject* data, DWORD, CPoint point) override
    {
        log += "over(" + std::to_string(point.x) + "," + std::to_string(point.y) + ") ";
        return data->IsDataAvailable(CF_TEXT) ? DROPEFFECT_COPY : DROPEFFECT_NONE;
    }
    BOOL OnDrop(CWnd*, COleDataObject* data, DROPEFFECT effect, CPoint) override
    {
        log += "drop" + std::to_string(effect) + " ";
        HGLOBAL text = data->GetGlobalData(CF_TEXT);
        if (text == nullptr)
            return FALSE;
        dropped = TextOf(text);
        ::GlobalFree(text);
        return TRUE;
    }
    void OnDragLeave(CWnd*) override { log += "leave "; }
};

} // namespace

TEST(OleData, DropTargetSeesTheSourcesDataInClientCoordinates)
{
    ASSERT_TRUE(AfxOleInit());
    HWND window = ::CreateWindowExA(0, "STATIC", "", WS_POPUP, 100, 50, 200, 100, nullptr, nullptr,
                                    nullptr, nullptr);
    ASSERT_NE(nullptr, window);
    CWnd wnd;
    wnd.m_hWnd = window;
    CRecordingTarget target;
    ASSERT_TRUE(target.Register(&wnd));

    COleDataSource* source = new COleDataSource;
    source->CacheGlobalData(CF_TEXT, GlobalText(kCyrillic));
    LPDATAOBJECT data = source->GetDataObject();
    source->InternalRelease();   // the COM reference keeps it alive now
    LPDROPTARGET drop = target.GetDropTarget();

    POINTL at = {110, 60};
    DWORD effect = DROPEFFECT_COPY | DROPEFFECT_MOVE;
    drop->DragEnter(data, MK_LBUTTON, at, &effect);
    EXPECT_EQ(static_cast<DWORD>(DROPEFFECT_COPY), effect);
    drop->DragLeave();
    effect = DROPEFFECT_MOVE;   // a source that only moves: the target copies only, so nothing
    drop->DragEnter(data, MK_LBUTTON, at, &effect);
    EXPECT_EQ(static_cast<DWORD>(DROPEFFECT_NONE), effect);
    effect = DROPEFFECT_COPY;
    drop->Drop(data, 0, at, &effect);
    EXPECT_EQ(static_cast<DWORD>(DROPEFFECT_COPY), effect);
    EXPECT_EQ(kCyrillic, target.dropped);
    EXPECT_EQ("over(10,10) leave over(10,10) over(10,10) drop1 ", target.log);

    data->Release();   // the last reference frees the source
    target.Revoke();
    wnd.m_hWnd = nullptr;
    ::DestroyWindow(window);
}
