#include "afx/Archive.h"
#include "afx/File.h"

#include <algorithm>
#include <string.h>
#include <utility>

namespace {
// Tags of object records.
const WORD kNullTag = 0;                    // a null object
const WORD kNewClassTag = 0xFFFF;           // a class record follows
const WORD kClassTag = 0x8000;              // a reference to a class already stored
const DWORD kBigClassTag = 0x80000000;      // the same, in a 32-bit tag
const WORD kBigObjectTag = 0x7FFF;          // a 32-bit tag follows
const DWORD kMaxMapCount = 0x3FFFFFFE;      // the 32-bit tags' limit
// Class names longer than this are not ours: the record is refused.
const int kMaxClassName = 64;
// Below this a buffer would only slow the archive down.
const UINT kMinBufSize = 128;

// A reference to a class or object stored before: its map index in a 16-bit
// tag while it fits, else kBigObjectTag and a 32-bit tag. Class references
// carry kClassTag (kBigClassTag); object references carry no flag.
void WriteReference(CArchive& ar, DWORD index, WORD flag, DWORD bigFlag)
{
    if (index < kBigObjectTag) {
        ar << static_cast<WORD>(flag | index);
    } else {
        ar << kBigObjectTag;
        ar << static_cast<DWORD>(bigFlag | index);
    }
}
}

CArchive::CArchive(CFile* file, UINT mode, int bufSize, void* buf)
    : m_pDocument(nullptr),
      m_strFileName(),
      m_pFile(file),
      m_nMode(mode),
      m_nObjectSchema((UINT)-1),
      m_lpBufStart(nullptr),
      m_nBufSize(bufSize > 0 ? static_cast<UINT>(bufSize) : 0),
      m_nBufCur(0),
      m_nBufMax(0),
      m_bUserBuf(buf != nullptr && m_nBufSize >= kMinBufSize),
      m_nMapCount(1),
      m_storeMap(),
      m_loadArray(),
      m_schemaMap()
{
    if (!file)
        AfxThrowInvalidArgException();
    // A caller's buffer too small to hold a line end is replaced by our own.
    if (m_bUserBuf) {
        m_lpBufStart = static_cast<BYTE*>(buf);
    } else {
        m_nBufSize = std::max(m_nBufSize, kMinBufSize);
        m_lpBufStart = new BYTE[m_nBufSize];
    }
    m_strFileName = file->GetFilePath();
    m_loadArray.push_back({nullptr, false});   // tag 0, the null object
}

CArchive::~CArchive()
{
    if (m_pFile && !(m_nMode & bNoFlushOnDelete)) {
        try {
            Close();
        } catch (CException* e) {
            TRACE("CArchive: flushing %s on destruction failed\n", (LPCTSTR)m_strFileName);
            e->Delete();
        }
    }
    Abort();
    if (!m_bUserBuf)
        delete[] m_lpBufStart;
}

UINT CArchive::GetObjectSchema()
{
    UINT schema = m_nObjectSchema;
    m_nObjectSchema = (UINT)-1;
    return schema;
}

void CArchive::CheckMode(bool storing) const
{
    if (!m_pFile)
        AfxThrowArchiveException(CArchiveException::genericException, m_strFileName);
    if (storing && IsLoading())
        AfxThrowArchiveException(CArchiveException::readOnly, m_strFileName);
    if (!storing && IsStoring())
        AfxThrowArchiveException(CArchiveException::writeOnly, m_strFileName);
}

void CArchive::FillBuffer()
{
    m_nBufCur = 0;
    m_nBufMax = m_pFile->Read(m_lpBufStart, m_nBufSize);
}

UINT CArchive::Read(void* buf, UINT max)
{
    CheckMode(false);
    BYTE* out = static_cast<BYTE*>(buf);
    UINT done = 0;
    while (done < max) {
        if (m_nBufCur == m_nBufMax) {
            UINT left = max - done;
            if (left >= m_nBufSize) {
                // A large block goes straight from the file.
                UINT got = m_pFile->Read(out + done, left);
                done += got;
                if (got == 0)
                    break;
                continue;
            }
            FillBuffer();
            if (m_nBufMax == 0)
                break;
        }
        UINT take = std::min(max - done, m_nBufMax - m_nBufCur);
        memcpy(out + done, m_lpBufStart + m_nBufCur, take);
        m_nBufCur += take;
        done += take;
    }
    return done;
}

void CArchive::EnsureRead(void* buf, UINT count)
{
    if (Read(buf, count) != count)
        AfxThrowArchiveException(CArchiveException::endOfFile, m_strFileName);
}

void CArchive::Write(const void* buf, UINT count)
{
    CheckMode(true);
    const BYTE* in = static_cast<const BYTE*>(buf);
    if (m_nBufCur + count <= m_nBufSize) {
        memcpy(m_lpBufStart + m_nBufCur, in, count);
        m_nBufCur += count;
        return;
    }
    Flush();
    if (count >= m_nBufSize) {
        m_pFile->Write(in, count);
        return;
    }
    memcpy(m_lpBufStart, in, count);
    m_nBufCur = count;
}

void CArchive::Flush()
{
    if (!m_pFile)
        return;
    if (IsLoading()) {
        if (m_nBufMax != m_nBufCur)
            m_pFile->Seek(-static_cast<LONGLONG>(m_nBufMax - m_nBufCur), CFile::current);
        m_nBufCur = m_nBufMax = 0;
        return;
    }
    if (m_nBufCur) {
        // Emptied first: a failing write must not leave the bytes to be written twice.
        UINT count = m_nBufCur;
        m_nBufCur = 0;
        m_pFile->Write(m_lpBufStart, count);
    }
}

void CArchive::Close()
{
    Flush();
    m_pFile = nullptr;
}

void CArchive::Abort()
{
    m_pFile = nullptr;
    m_nBufCur = m_nBufMax = 0;
}

void CArchive::WriteString(LPCTSTR text)
{
    if (text)
        Write(text, static_cast<UINT>(strlen(text)));
}

LPTSTR CArchive::ReadString(LPTSTR buf, UINT max)
{
    if (!buf || max == 0)
        AfxThrowInvalidArgException();
    UINT count = 0;
    bool any = false;
    char ch;
    while (count + 1 < max && Read(&ch, 1) == 1) {
        any = true;
        if (ch == '\n')
            break;
        if (ch == '\r') {
            // "\r\n" is one line end; a lone "\r" leaves the next byte alone.
            if (Read(&ch, 1) == 1 && ch != '\n')
                --m_nBufCur;
            break;
        }
        buf[count++] = ch;
    }
    buf[count] = 0;
    return any ? buf : nullptr;
}

BOOL CArchive::ReadString(CString& text)
{
    text.Empty();
    bool any = false;
    char ch;
    while (Read(&ch, 1) == 1) {
        any = true;
        if (ch == '\n')
            break;
        if (ch == '\r') {
            if (Read(&ch, 1) == 1 && ch != '\n')
                --m_nBufCur;
            break;
        }
        text += ch;
    }
    return any;
}

void CArchive::WriteCount(DWORD_PTR count)
{
    if (count < 0xFFFF) {
        *this << static_cast<WORD>(count);
        return;
    }
    *this << static_cast<WORD>(0xFFFF);
    if (count < 0xFFFFFFFF) {
        *this << static_cast<DWORD>(count);
        return;
    }
    *this << static_cast<DWORD>(0xFFFFFFFF);
    *this << static_cast<ULONGLONG>(count);
}

DWORD_PTR CArchive::ReadCount()
{
    WORD wCount;
    *this >> wCount;
    if (wCount != 0xFFFF)
        return wCount;
    DWORD dwCount;
    *this >> dwCount;
    if (dwCount != 0xFFFFFFFF)
        return dwCount;
    ULONGLONG qwCount;
    *this >> qwCount;
    return static_cast<DWORD_PTR>(qwCount);
}

CArchive& CArchive::operator<<(LPCSTR text)
{
    return *this << CString(text ? text : "");
}

CArchive& CArchive::operator>>(bool& b)
{
    BYTE by;
    *this >> by;
    b = by != 0;
    return *this;
}

void CArchive::CheckCount()
{
    if (m_nMapCount >= kMaxMapCount)
        AfxThrowArchiveException(CArchiveException::badIndex, m_strFileName);
}

void CArchive::WriteClass(const CRuntimeClass* classRef)
{
    if (!classRef)
        AfxThrowInvalidArgException();
    CheckMode(true);
    if (classRef->m_wSchema == 0xFFFF)
        AfxThrowNotSupportedException();   // the class has no stored form

    auto found = m_storeMap.find(classRef);
    if (found != m_storeMap.end()) {
        WriteReference(*this, found->second, kClassTag, kBigClassTag);
        return;
    }
    *this << kNewClassTag;
    classRef->Store(*this);
    CheckCount();
    m_storeMap[classRef] = m_nMapCount++;
}

void CArchive::WriteObject(const CObject* object)
{
    CheckMode(true);
    if (!object) {
        *this << kNullTag;
        return;
    }
    auto found = m_storeMap.find(object);
    if (found != m_storeMap.end()) {
        WriteReference(*this, found->second, 0, 0);
        return;
    }
    WriteClass(object->GetRuntimeClass());
    CheckCount();
    m_storeMap[object] = m_nMapCount++;
    const_cast<CObject*>(object)->Serialize(*this);
}

CRuntimeClass* CArchive::ReadClass(const CRuntimeClass* requested, UINT* schema, DWORD* objectTag)
{
    CheckMode(false);
    if (requested && requested->m_wSchema == 0xFFFF)
        AfxThrowNotSupportedException();

    WORD wTag;
    *this >> wTag;
    DWORD obTag;
    if (wTag == kBigObjectTag)
        *this >> obTag;
    else
        obTag = (static_cast<DWORD>(wTag & kClassTag) << 16) | (wTag & ~kClassTag);

    if (!(obTag & kBigClassTag)) {
        // An object reference where only a class may stand.
        if (!objectTag)
            AfxThrowArchiveException(CArchiveException::badIndex, m_strFileName);
        *objectTag = obTag;
        return nullptr;
    }

    CRuntimeClass* classRef;
    UINT classSchema;
    if (wTag == kNewClassTag) {
        classRef = CRuntimeClass::Load(*this, &classSchema);
        // Unknown here, or a class that is never stored (a damaged record could name one).
        if (!classRef || classRef->m_wSchema == 0xFFFF || !classRef->m_pfnCreateObject)
            AfxThrowArchiveException(CArchiveException::badClass, m_strFileName);
        if ((classRef->m_wSchema & ~VERSIONABLE_SCHEMA) != classSchema) {
            if (!(classRef->m_wSchema & VERSIONABLE_SCHEMA))
                AfxThrowArchiveException(CArchiveException::badSchema, m_strFileName);
            m_schemaMap[classRef] = classSchema;
        }
        CheckCount();
        m_loadArray.push_back({classRef, true});
        ++m_nMapCount;
    } else {
        DWORD index = obTag & ~kBigClassTag;
        if (index == 0 || index >= static_cast<DWORD>(m_loadArray.size()))
            AfxThrowArchiveException(CArchiveException::badIndex, m_strFileName);
        // A class tag that points at an object's slot is damage, not a class.
        if (!m_loadArray[index].isClass)
            AfxThrowArchiveException(CArchiveException::badIndex, m_strFileName);
        classRef = static_cast<CRuntimeClass*>(m_loadArray[index].pointer);
        auto found = m_schemaMap.find(classRef);
        // Without the versionable flag: readers compare the number itself.
        classSchema = found != m_schemaMap.end() ? found->second : (classRef->m_wSchema & ~VERSIONABLE_SCHEMA);
    }

    if (requested && !classRef->IsDerivedFrom(requested))
        AfxThrowArchiveException(CArchiveException::badClass, m_strFileName);
    if (schema)
        *schema = classSchema;
    else
        m_nObjectSchema = classSchema;
    if (objectTag)
        *objectTag = obTag;
    return classRef;
}

void CArchive::SerializeClass(const CRuntimeClass* classRef)
{
    if (IsStoring())
        WriteClass(classRef);
    else
        ReadClass(classRef);
}

CObject* CArchive::ReadObject(const CRuntimeClass* requested)
{
    UINT schema;
    DWORD obTag;
    CRuntimeClass* classRef = ReadClass(requested, &schema, &obTag);

    if (!classRef) {
        if (obTag >= static_cast<DWORD>(m_loadArray.size()) || m_loadArray[obTag].isClass)
            AfxThrowArchiveException(CArchiveException::badIndex, m_strFileName);
        CObject* object = static_cast<CObject*>(m_loadArray[obTag].pointer);
        if (object && requested && !object->IsKindOf(requested))
            AfxThrowArchiveException(CArchiveException::badClass, m_strFileName);
        return object;
    }

    CObject* object = classRef->CreateObject();
    if (!object)
        AfxThrowMemoryException();
    // Registered before its contents are read, so that they may refer back to it.
    CheckCount();
    size_t slot = m_loadArray.size();
    m_loadArray.push_back({object, false});
    ++m_nMapCount;

    UINT savedSchema = m_nObjectSchema;
    m_nObjectSchema = schema;
    try {
        object->Serialize(*this);
    } catch (...) {
        // Half-read objects are not handed out: neither it nor anything read
        // inside it (which it may own and has just deleted) can be referred to.
        for (size_t i = slot; i < m_loadArray.size(); ++i)
            if (!m_loadArray[i].isClass)
                m_loadArray[i].pointer = nullptr;
        m_nObjectSchema = savedSchema;
        delete object;
        throw;
    }
    m_nObjectSchema = savedSchema;
    return object;
}

void CRuntimeClass::Store(CArchive& ar) const
{
    WORD length = static_cast<WORD>(strlen(m_lpszClassName));
    ar << static_cast<WORD>(m_wSchema);
    ar << length;
    ar.Write(m_lpszClassName, length);
}

CRuntimeClass* AFXAPI CRuntimeClass::Load(CArchive& ar, UINT* schema)
{
    WORD storedSchema;
    WORD length;
    ar >> storedSchema >> length;
    if (schema)
        *schema = storedSchema;
    char name[kMaxClassName];
    if (length >= kMaxClassName)
        return nullptr;
    ar.EnsureRead(name, length);
    name[length] = 0;
    return FromName(name);
}

CArchive& AFXAPI operator<<(CArchive& ar, const CString& text)
{
    UINT length = static_cast<UINT>(text.GetLength());
    if (length < 0xFF) {
        ar << static_cast<BYTE>(length);
    } else {
        ar << static_cast<BYTE>(0xFF);
        if (length < 0xFFFE) {
            ar << static_cast<WORD>(length);
        } else {
            ar << static_cast<WORD>(0xFFFF);
            ar << static_cast<DWORD>(length);
        }
    }
    ar.Write((LPCTSTR)text, length);
    return ar;
}

namespace {
// The stored length; wide is set when the wide-text marker preceded it.
ULONGLONG ReadStringLength(CArchive& ar, bool& wide)
{
    wide = false;
    BYTE bLength;
    ar >> bLength;
    if (bLength < 0xFF)
        return bLength;
    WORD wLength;
    ar >> wLength;
    if (wLength == 0xFFFE) {
        wide = true;
        ar >> bLength;
        if (bLength < 0xFF)
            return bLength;
        ar >> wLength;
    }
    if (wLength < 0xFFFF)
        return wLength;
    DWORD dwLength;
    ar >> dwLength;
    if (dwLength < 0xFFFFFFFF)
        return dwLength;
    ULONGLONG qwLength;
    ar >> qwLength;
    return qwLength;
}

// Bytes are read a slice at a time: a damaged length fails on the data that
// is really there instead of allocating what the length claims.
const UINT kStringSlice = 0x10000;
}

CArchive& AFXAPI operator>>(CArchive& ar, CString& text)
{
    bool wide;
    ULONGLONG length = ReadStringLength(ar, wide);
    ULONGLONG bytes = wide ? length * 2 : length;
    if (bytes > 0x7FFFFFFF)
        AfxThrowArchiveException(CArchiveException::genericException, ar.m_strFileName);

    CString raw;
    UINT done = 0;
    while (done < bytes) {
        UINT slice = static_cast<UINT>(std::min<ULONGLONG>(bytes - done, kStringSlice));
        // Capacity doubles, so long strings are not copied over and over.
        ULONGLONG want = std::min<ULONGLONG>(bytes, std::max<ULONGLONG>(done + slice, 2ull * done));
        char* buffer = raw.GetBuffer(static_cast<int>(want));
        ar.EnsureRead(buffer + done, slice);
        done += slice;
        raw.ReleaseBuffer(static_cast<int>(done));
    }
    if (!wide) {
        text = std::move(raw);
        return ar;
    }
    int count = static_cast<int>(length);
    const wchar_t* wideText = reinterpret_cast<const wchar_t*>((LPCTSTR)raw);
    int needed = count ? WideCharToMultiByte(CP_ACP, 0, wideText, count, nullptr, 0, nullptr, nullptr) : 0;
    CString converted;
    if (needed > 0) {
        WideCharToMultiByte(CP_ACP, 0, wideText, count, converted.GetBuffer(needed), needed, nullptr, nullptr);
        converted.ReleaseBuffer(needed);
    }
    text = std::move(converted);
    return ar;
}

CArchive& AFXAPI operator<<(CArchive& ar, const CObject* object)
{
    ar.WriteObject(object);
    return ar;
}

CArchive& AFXAPI operator>>(CArchive& ar, CObject*& object)
{
    object = ar.ReadObject(nullptr);
    return ar;
}

CArchive& AFXAPI operator>>(CArchive& ar, const CObject*& object)
{
    object = ar.ReadObject(nullptr);
    return ar;
}
