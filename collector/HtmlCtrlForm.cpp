// The web pane's operations on the fields and links of the page it shows.
// Every element is found through the document's "all" collection; every
// interface obtained is released before returning.
#include "collector/HtmlCtrl.h"

#include <mshtml.h>

namespace {
// Holds one reference and releases it at the end of the scope.
template <class T>
class ComRef
{
public:
    ComRef() : m_p(nullptr) {}
    explicit ComRef(T* p) : m_p(p) {}
    ~ComRef()
    {
        if (m_p)
            m_p->Release();
    }
    ComRef(const ComRef&) = delete;
    ComRef& operator=(const ComRef&) = delete;
    T* operator->() const { return m_p; }
    T* get() const { return m_p; }
    T** out() { return &m_p; }
    void** outVoid() { return reinterpret_cast<void**>(&m_p); }
    explicit operator bool() const { return m_p != nullptr; }

private:
    T* m_p;
};

template <class T>
bool QueryAs(IUnknown* from, ComRef<T>& to)
{
    return from && SUCCEEDED(from->QueryInterface(__uuidof(T), to.outVoid())) && to;
}

// A BSTR made from program text, freed at the end of the scope.
class Bstr
{
public:
    explicit Bstr(LPCTSTR text) : m_b(nullptr)
    {
        const char* source = text ? text : "";
        const int chars = ::MultiByteToWideChar(CP_ACP, 0, source, -1, nullptr, 0);
        m_b = ::SysAllocStringLen(nullptr, static_cast<UINT>(chars > 0 ? chars - 1 : 0));
        if (m_b && chars > 0)
            ::MultiByteToWideChar(CP_ACP, 0, source, -1, m_b, chars);
    }
    ~Bstr() { ::SysFreeString(m_b); }
    Bstr(const Bstr&) = delete;
    Bstr& operator=(const Bstr&) = delete;
    BSTR get() const { return m_b; }

private:
    BSTR m_b;
};

// A BSTR handed out by the page, turned into program text and freed.
CString TakeBstr(BSTR text)
{
    CString result;
    if (text) {
        const int length = static_cast<int>(::SysStringLen(text));
        const int bytes = ::WideCharToMultiByte(CP_ACP, 0, text, length, nullptr, 0, nullptr, nullptr);
        if (bytes > 0) {
            LPSTR buffer = result.GetBuffer(bytes);
            ::WideCharToMultiByte(CP_ACP, 0, text, length, buffer, bytes, nullptr, nullptr);
            result.ReleaseBuffer(bytes);
        }
        ::SysFreeString(text);
    }
    return result;
}

VARIANT IntVariant(long value)
{
    VARIANT v;
    ::VariantInit(&v);
    v.vt = VT_I4;
    v.lVal = value;
    return v;
}

// The first element named name (name or id) in the document, as interface T.
template <class T>
bool ItemByName(IHTMLDocument2* document, LPCTSTR name, ComRef<T>& element)
{
    ComRef<IHTMLElementCollection> all;
    if (!document || FAILED(document->get_all(all.out())) || !all)
        return false;
    Bstr key(name);
    VARIANT vName;
    ::VariantInit(&vName);
    vName.vt = VT_BSTR;
    vName.bstrVal = key.get();
    VARIANT vIndex = IntVariant(0);
    ComRef<IDispatch> item;
    if (FAILED(all->item(vName, vIndex, item.out())) || !item)
        return false;
    return QueryAs(item.get(), element);
}

// Calls visit(element) for every element of "all" in document order until
// it answers true; false when the collection cannot be walked.
template <class Visit>
bool WalkAll(IHTMLDocument2* document, Visit visit)
{
    ComRef<IHTMLElementCollection> all;
    if (!document || FAILED(document->get_all(all.out())) || !all)
        return false;
    long length = 0;
    if (FAILED(all->get_length(&length)))
        return false;
    for (long i = 0; i < length; ++i) {
        VARIANT vIndex = IntVariant(i);
        VARIANT vEmpty;
        ::VariantInit(&vEmpty);
        ComRef<IDispatch> item;
        if (FAILED(all->item(vIndex, vEmpty, item.out())) || !item)
            continue;
        if (visit(item.get()))
            break;
    }
    return true;
}

// The n-th element of kind T whose type() is one of the given, counted from 0.
template <class T>
bool NthOfType(IHTMLDocument2* document, int n, const char* type1, const char* type2, ComRef<T>& found)
{
    int count = 0;
    T* hit = nullptr;
    WalkAll(document, [&](IDispatch* item) {
        ComRef<T> element;
        if (!QueryAs(item, element))
            return false;
        BSTR type = nullptr;
        if (FAILED(element->get_type(&type)))
            return false;
        const CString kind = TakeBstr(type);
        if (kind != type1 && !(type2 && kind == type2))
            return false;
        if (count++ != n)
            return false;
        hit = element.get();
        hit->AddRef();
        return true;
    });
    *found.out() = hit;
    return hit != nullptr;
}

// Whether a text passes the link test: equal, or containing it (case-sensitive).
bool TextMatches(const CString& value, LPCTSTR text, BOOL bExact)
{
    const char* wanted = text ? text : "";
    return bExact ? value == wanted : value.Find(wanted) >= 0;
}

CString AnchorHref(IHTMLAnchorElement* anchor)
{
    BSTR href = nullptr;
    if (FAILED(anchor->get_href(&href)))
        return CString();
    return TakeBstr(href);
}

CString InnerText(IUnknown* item)
{
    ComRef<IHTMLElement> element;
    BSTR text = nullptr;
    if (!QueryAs(item, element) || FAILED(element->get_innerText(&text)))
        return CString();
    return TakeBstr(text);
}

// The first link passing test, clicked when click is set.
template <class Test>
BOOL FirstLink(IHTMLDocument2* document, Test test, bool click)
{
    BOOL found = FALSE;
    WalkAll(document, [&](IDispatch* item) {
        ComRef<IHTMLAnchorElement> anchor;
        if (!QueryAs(item, anchor) || !test(anchor.get(), item))
            return false;
        found = TRUE;
        if (click) {
            ComRef<IHTMLElement> element;
            found = QueryAs(item, element) && SUCCEEDED(element->click());
        }
        return true;
    });
    return found;
}

// Puts position into the list and tells the page as a user's change would.
// FALSE when the page gave the list no onchange handler: the selection then
// stays changed but nothing is fired.
BOOL SelectAndNotify(IHTMLDocument4* document4, IHTMLSelectElement* select, long position)
{
    select->put_selectedIndex(position);
    VARIANT handler;
    ::VariantInit(&handler);
    if (FAILED(select->get_onchange(&handler)))
        return FALSE;
    const bool none = handler.vt == VT_NULL || handler.vt == VT_EMPTY;
    ::VariantClear(&handler);
    if (none)
        return FALSE;
    VARIANT pattern;
    ::VariantInit(&pattern);
    ComRef<IHTMLEventObj> event;
    if (FAILED(document4->createEventObject(&pattern, event.out())) || !event)
        return FALSE;
    ComRef<IHTMLElement3> element3;
    if (!QueryAs(select, element3))
        return FALSE;
    VARIANT eventArg;
    ::VariantInit(&eventArg);
    eventArg.vt = VT_DISPATCH;
    eventArg.pdispVal = event.get();
    Bstr name("onchange");
    VARIANT_BOOL cancelled = VARIANT_FALSE;
    return SUCCEEDED(element3->fireEvent(name.get(), &eventArg, &cancelled)) ? TRUE : FALSE;
}
} // namespace

IHTMLDocument2* CHtmlCtrl::GetDocument(IWebBrowser2* pFrame)
{
    IWebBrowser2* browser = pFrame ? pFrame : m_pBrowser;
    if (!browser)
        return nullptr;
    ComRef<IDispatch> dispatch;
    // A browser with no page answers S_FALSE and no document.
    if (browser->get_Document(dispatch.out()) != S_OK || !dispatch)
        return nullptr;
    IHTMLDocument2* document = nullptr;
    if (FAILED(dispatch->QueryInterface(__uuidof(IHTMLDocument2), reinterpret_cast<void**>(&document))))
        return nullptr;
    return document;
}

BOOL CHtmlCtrl::GetInputValue(LPCTSTR lpszName, CString& value)
{
    ComRef<IHTMLDocument2> document(GetDocument(nullptr));
    ComRef<IHTMLInputElement> input;
    BSTR text = nullptr;
    if (!ItemByName(document.get(), lpszName, input) || FAILED(input->get_value(&text)))
        return FALSE;
    value = TakeBstr(text);
    return TRUE;
}

BOOL CHtmlCtrl::GetTextAreaValue(LPCTSTR lpszName, CString& value)
{
    ComRef<IHTMLDocument2> document(GetDocument(nullptr));
    ComRef<IHTMLTextAreaElement> area;
    BSTR text = nullptr;
    if (!ItemByName(document.get(), lpszName, area) || FAILED(area->get_value(&text)))
        return FALSE;
    value = TakeBstr(text);
    return TRUE;
}

BOOL CHtmlCtrl::SetInputValue(LPCTSTR lpszName, LPCTSTR lpszValue, IWebBrowser2* pFrame)
{
    ComRef<IHTMLDocument2> document(GetDocument(pFrame));
    ComRef<IHTMLInputElement> input;
    Bstr value(lpszValue);
    return ItemByName(document.get(), lpszName, input) && SUCCEEDED(input->put_value(value.get()));
}

BOOL CHtmlCtrl::SetTextAreaValue(LPCTSTR lpszName, LPCTSTR lpszValue, IWebBrowser2* pFrame)
{
    ComRef<IHTMLDocument2> document(GetDocument(pFrame));
    ComRef<IHTMLTextAreaElement> area;
    Bstr value(lpszValue);
    return ItemByName(document.get(), lpszName, area) && SUCCEEDED(area->put_value(value.get()));
}

BOOL CHtmlCtrl::HasInputElement(LPCTSTR lpszName, IWebBrowser2* pFrame)
{
    ComRef<IHTMLDocument2> document(GetDocument(pFrame));
    ComRef<IHTMLInputElement> input;
    return ItemByName(document.get(), lpszName, input);
}

BOOL CHtmlCtrl::HasElement(LPCTSTR lpszName, IWebBrowser2* pFrame)
{
    ComRef<IHTMLDocument2> document(GetDocument(pFrame));
    ComRef<IHTMLElement> element;
    return ItemByName(document.get(), lpszName, element);
}

template <class Op>
BOOL CHtmlCtrl::ForEachFrame(Op op)
{
    ComRef<IHTMLDocument2> document(GetDocument(nullptr));
    ComRef<IOleContainer> container;
    if (!QueryAs(document.get(), container))
        return FALSE;
    ComRef<IEnumUnknown> objects;
    if (FAILED(container->EnumObjects(OLECONTF_EMBEDDINGS, objects.out())) || !objects)
        return FALSE;
    for (;;) {
        ComRef<IUnknown> object;
        ULONG fetched = 0;
        if (objects->Next(1, object.out(), &fetched) != S_OK || fetched == 0)
            return FALSE;
        ComRef<IWebBrowser2> frame;
        if (QueryAs(object.get(), frame) && op(frame.get()))
            return TRUE;
    }
}

BOOL CHtmlCtrl::HasInputElementInFrames(LPCTSTR lpszName)
{
    return ForEachFrame([&](IWebBrowser2* frame) { return HasInputElement(lpszName, frame); });
}

BOOL CHtmlCtrl::HasElementInFrames(LPCTSTR lpszName)
{
    return ForEachFrame([&](IWebBrowser2* frame) { return HasElement(lpszName, frame); });
}

BOOL CHtmlCtrl::SetInputValueInFrames(LPCTSTR lpszName, LPCTSTR lpszValue)
{
    return ForEachFrame([&](IWebBrowser2* frame) { return SetInputValue(lpszName, lpszValue, frame); });
}

BOOL CHtmlCtrl::SetTextAreaValueInFrames(LPCTSTR lpszName, LPCTSTR lpszValue)
{
    return ForEachFrame([&](IWebBrowser2* frame) { return SetTextAreaValue(lpszName, lpszValue, frame); });
}

BOOL CHtmlCtrl::FindLinks(LPCTSTR lpszText, CStringArray& links)
{
    links.RemoveAll();
    ComRef<IHTMLDocument2> document(GetDocument(nullptr));
    return WalkAll(document.get(), [&](IDispatch* item) {
        ComRef<IHTMLAnchorElement> anchor;
        if (QueryAs(item, anchor)) {
            const CString href = AnchorHref(anchor.get());
            if (TextMatches(href, lpszText, FALSE))
                links.Add(href);
        }
        return false;
    });
}

BOOL CHtmlCtrl::SetTextInputByIndex(int nIndex, LPCTSTR lpszValue)
{
    ComRef<IHTMLDocument2> document(GetDocument(nullptr));
    ComRef<IHTMLInputElement> input;
    Bstr value(lpszValue);
    return NthOfType(document.get(), nIndex, "text", nullptr, input) && SUCCEEDED(input->put_value(value.get()));
}

BOOL CHtmlCtrl::SetTextAreaByIndex(int nIndex, LPCTSTR lpszValue)
{
    ComRef<IHTMLDocument2> document(GetDocument(nullptr));
    ComRef<IHTMLTextAreaElement> area;
    Bstr value(lpszValue);
    return NthOfType(document.get(), nIndex, "textarea", nullptr, area) && SUCCEEDED(area->put_value(value.get()));
}

BOOL CHtmlCtrl::SelectByIndex(int nIndex, long nItem)
{
    ComRef<IHTMLDocument2> document(GetDocument(nullptr));
    ComRef<IHTMLDocument4> document4;
    ComRef<IHTMLSelectElement> select;
    if (!QueryAs(document.get(), document4) || !NthOfType(document.get(), nIndex, "select-one", nullptr, select))
        return FALSE;
    return SelectAndNotify(document4.get(), select.get(), nItem);
}

BOOL CHtmlCtrl::SelectByName(LPCTSTR lpszName, IWebBrowser2* pFrame, long nItem)
{
    ComRef<IHTMLDocument2> document(GetDocument(pFrame));
    ComRef<IHTMLDocument4> document4;
    ComRef<IHTMLSelectElement> select;
    if (!QueryAs(document.get(), document4) || !ItemByName(document.get(), lpszName, select))
        return FALSE;
    return SelectAndNotify(document4.get(), select.get(), nItem);
}

BOOL CHtmlCtrl::SelectByValue(LPCTSTR lpszName, IWebBrowser2* pFrame, LPCTSTR lpszOption)
{
    ComRef<IHTMLDocument2> document(GetDocument(pFrame));
    ComRef<IHTMLDocument4> document4;
    ComRef<IHTMLSelectElement> select;
    if (!QueryAs(document.get(), document4) || !ItemByName(document.get(), lpszName, select))
        return FALSE;
    long length = 0;
    if (FAILED(select->get_length(&length)))
        return FALSE;
    const char* wanted = lpszOption ? lpszOption : "";
    for (long i = 0; i < length; ++i) {
        VARIANT vName = IntVariant(i);
        VARIANT vIndex = IntVariant(i);
        ComRef<IDispatch> item;
        ComRef<IHTMLOptionElement> option;
        BSTR value = nullptr;
        if (FAILED(select->item(vName, vIndex, item.out())) || !QueryAs(item.get(), option) ||
            FAILED(option->get_value(&value)))
            return FALSE;
        if (TakeBstr(value) == wanted)
            return SelectAndNotify(document4.get(), select.get(), i);
    }
    return FALSE;
}

BOOL CHtmlCtrl::PressSubmitByIndex(int nIndex)
{
    ComRef<IHTMLDocument2> document(GetDocument(nullptr));
    ComRef<IHTMLInputElement> input;
    ComRef<IHTMLElement> element;
    return NthOfType(document.get(), nIndex, "submit", "image", input) && QueryAs(input.get(), element) &&
           SUCCEEDED(element->click());
}

BOOL CHtmlCtrl::ClickLinkByIndex(int nIndex)
{
    ComRef<IHTMLDocument2> document(GetDocument(nullptr));
    int count = 0;
    return FirstLink(document.get(), [&](IHTMLAnchorElement*, IDispatch*) { return count++ == nIndex; }, true);
}

BOOL CHtmlCtrl::ClickLinkByHref(LPCTSTR lpszText, BOOL bExact)
{
    ComRef<IHTMLDocument2> document(GetDocument(nullptr));
    return FirstLink(
        document.get(),
        [&](IHTMLAnchorElement* anchor, IDispatch*) { return TextMatches(AnchorHref(anchor), lpszText, bExact); },
        true);
}

BOOL CHtmlCtrl::ClickLinkByText(LPCTSTR lpszText, BOOL bExact)
{
    ComRef<IHTMLDocument2> document(GetDocument(nullptr));
    return FirstLink(
        document.get(),
        [&](IHTMLAnchorElement*, IDispatch* item) { return TextMatches(InnerText(item), lpszText, bExact); }, true);
}

BOOL CHtmlCtrl::HasLinkWithText(LPCTSTR lpszText, BOOL bExact)
{
    ComRef<IHTMLDocument2> document(GetDocument(nullptr));
    return FirstLink(
        document.get(),
        [&](IHTMLAnchorElement*, IDispatch* item) { return TextMatches(InnerText(item), lpszText, bExact); }, false);
}

CString CHtmlCtrl::GetBodyHtml()
{
    ComRef<IHTMLDocument2> document(GetDocument(nullptr));
    ComRef<IHTMLElement> body;
    BSTR html = nullptr;
    if (!document || FAILED(document->get_body(body.out())) || !body || FAILED(body->get_innerHTML(&html)))
        return CString();
    return TakeBstr(html);
}

void CHtmlCtrl::SetBodyHtml(LPCTSTR lpszHtml)
{
    ComRef<IHTMLDocument2> document(GetDocument(nullptr));
    ComRef<IHTMLElement> body;
    if (!document || FAILED(document->get_body(body.out())) || !body)
        return;
    Bstr html(lpszHtml);
    body->put_innerHTML(html.get());
}

BOOL CHtmlCtrl::GetScript(IDispatch** ppScript)
{
    if (!ppScript)
        return FALSE;
    *ppScript = nullptr;
    ComRef<IHTMLDocument2> document(GetDocument(nullptr));
    return document && SUCCEEDED(document->get_Script(ppScript)) && *ppScript;
}
