#include "collector/CyrillicTranscoder.h"
#include "collector/SuggestionRequest.h"

#include <gtest/gtest.h>

namespace
{
const CString kHost("127.0.0.1:8765");
const CString kPrefix("http://127.0.0.1:8765/complete/search?hl=en&client=suggest&js=false&q=");
}

TEST(SuggestionRequest, UrlOfCyrillicKeywordsEscapesUtf8AndCountsBytes)
{
    // The service expects lower-case Cyrillic as percent-escaped UTF-8.
    EXPECT_EQ(kPrefix + "%D0%B0%D0%B1%D0%B2&cp=3", BuildSuggestionUrl(kHost, "\xE0\xE1\xE2"));
    EXPECT_EQ(kPrefix + "%D0%B0%D0%B1%D0%B2&cp=3", BuildSuggestionUrl(kHost, "\xC0\xE1\xE2"));
    EXPECT_EQ(kPrefix + "%D1%91%D0%BB%D0%BA%D0%B0&cp=4", BuildSuggestionUrl(kHost, "\xB8\xEB\xEA\xE0"));
    EXPECT_EQ(kPrefix + "%D1%91&cp=1", BuildSuggestionUrl(kHost, "\xA8"));
    EXPECT_EQ(kPrefix + "%D0%BF%D1%80%D1%8F&cp=3", BuildSuggestionUrl(kHost, "\xEF\xF0\xFF"));
}

TEST(SuggestionRequest, UrlKeepsQueryIntactForReservedCharacters)
{
    EXPECT_EQ(kPrefix + "abc&cp=3", BuildSuggestionUrl(kHost, "ABC"));
    EXPECT_EQ(kPrefix + "c%2B%2B&cp=3", BuildSuggestionUrl(kHost, "c++"));
    EXPECT_EQ(kPrefix + "a%26b&cp=3", BuildSuggestionUrl(kHost, "a&b"));
    EXPECT_EQ(kPrefix + "a%23b&cp=3", BuildSuggestionUrl(kHost, "a#b"));
    EXPECT_EQ(kPrefix + "ab%20cd&cp=5", BuildSuggestionUrl(kHost, "ab cd"));
    EXPECT_EQ(kPrefix + "100%25%3Dx%3F%2F&cp=8", BuildSuggestionUrl(kHost, "100%=x?/"));
    EXPECT_EQ(kPrefix + "a-b.c_d~e&cp=9", BuildSuggestionUrl(kHost, "a-b.c_d~e"));
    EXPECT_EQ(kPrefix + "&cp=0", BuildSuggestionUrl(kHost, ""));
}

TEST(SuggestionRequest, EveryHighByteTravelsAsTheUtf8OfItsCharacter)
{
    // i (0xB3), the no-break space and the euro sign: two- and three-byte UTF-8.
    EXPECT_EQ("%D1%96", EscapeQueryText("\xB3"));
    EXPECT_EQ("%C2%A0", EscapeQueryText("\xA0"));
    EXPECT_EQ("%E2%82%AC", EscapeQueryText("\x88"));

    // Compare every defined byte with the system's own 1251 conversion.
    for (int ch = 0x80; ch <= 0xFF; ++ch)
    {
        if (ch == 0x98)
            continue;
        const char one = static_cast<char>(ch);
        WCHAR wide[2] = {};
        ASSERT_EQ(1, MultiByteToWideChar(1251, 0, &one, 1, wide, 2));
        char expected[4] = {};
        const int count = WideCharToMultiByte(CP_UTF8, 0, wide, 1, expected, 4, nullptr, nullptr);
        BYTE actual[3] = {};
        ASSERT_EQ(count, Cp1251ToUtf8(static_cast<BYTE>(ch), actual)) << std::hex << ch;
        EXPECT_EQ(0, memcmp(expected, actual, count)) << std::hex << ch;
    }
}

TEST(SuggestionRequest, HostSettingIsPlacedAsGiven)
{
    EXPECT_EQ("http://suggest.example:81/complete/search?hl=en&client=suggest&js=false&q=x&cp=1",
              BuildSuggestionUrl(" suggest.example:81 ", "x"));
}

TEST(SuggestionRequest, SplitHostPortAcceptsHostAndHostWithPort)
{
    CString host("unchanged");
    WORD port = 1;
    EXPECT_TRUE(SplitHostPort("127.0.0.1:8765", host, port));
    EXPECT_EQ("127.0.0.1", host);
    EXPECT_EQ(8765, port);
    EXPECT_TRUE(SplitHostPort(" example.org ", host, port));
    EXPECT_EQ("example.org", host);
    EXPECT_EQ(80, port);
    EXPECT_TRUE(SplitHostPort("h:65535", host, port));
    EXPECT_EQ(65535, port);

    host = "unchanged";
    port = 1;
    for (LPCTSTR bad : { "", "   ", ":80", "h:", "h:0", "h:65536", "h:8x", "h:123456", ":::", "h:99999",
                         "http://h:80", "http://h", "h:80/evil?x=", "h/evil", "h?x=1", "h#x", "user@h", "a b",
                         "a b:80", "h :80", "[::1]:80" })
    {
        EXPECT_FALSE(SplitHostPort(bad, host, port)) << bad;
        EXPECT_EQ("unchanged", host);
        EXPECT_EQ(1, port);
    }
}

TEST(SuggestionRequest, RedirectLocationsResolveAgainstTheRequest)
{
    const CString url = "http://h:81/complete/search?q=a/b&cp=3";
    EXPECT_EQ("https://other/x", ResolveRedirect(url, "https://other/x"));
    EXPECT_EQ("http://other:82/y", ResolveRedirect(url, "//other:82/y"));
    EXPECT_EQ("http://h:81/moved?q=1", ResolveRedirect(url, "/moved?q=1"));
    EXPECT_EQ("http://h:81/complete/next", ResolveRedirect(url, "next"));
    EXPECT_EQ("http://h:81/complete/a?u=http://x", ResolveRedirect(url, "a?u=http://x"));
    EXPECT_EQ("http://h/z", ResolveRedirect("http://h", "z"));
}

TEST(SuggestionRequest, BadHostMessageNamesTheSettingAndTheValue)
{
    const CString message = BadHostSettingMessage("h:80/evil?x=");
    EXPECT_NE(-1, message.Find("\"Suggestion Host\""));
    EXPECT_NE(-1, message.Find("\"h:80/evil?x=\""));
}

TEST(SuggestionRequest, OnlyTheSchemeMakesARequestSecure)
{
    EXPECT_TRUE(IsSecureUrl("https://host/complete/search?q=a"));
    EXPECT_TRUE(IsSecureUrl("HTTPS://host/"));
    EXPECT_FALSE(IsSecureUrl(BuildSuggestionUrl(kHost, "https://x")));
    EXPECT_FALSE(IsSecureUrl("http://host/complete/search?q=https://x"));
}

TEST(SuggestionRequest, FormattingHelpers)
{
    EXPECT_EQ("%0A", PercentEscapeByte(0x0A));
    EXPECT_EQ("%FF", PercentEscapeByte(0xFF));
    EXPECT_EQ("4294967295", FormatUnsigned(0xFFFFFFFFu));
}

TEST(CyrillicTranscoder, RussianSmallLettersAndTheLatinA)
{
    EXPECT_EQ('a', Utf8CyrillicToCp1251(0xD0, 0xB0));
    EXPECT_EQ(0xE1, Utf8CyrillicToCp1251(0xD0, 0xB1));
    EXPECT_EQ(0xEF, Utf8CyrillicToCp1251(0xD0, 0xBF));
    EXPECT_EQ(0xF0, Utf8CyrillicToCp1251(0xD1, 0x80));
    EXPECT_EQ(0xFF, Utf8CyrillicToCp1251(0xD1, 0x8F));
    EXPECT_EQ(0xB8, Utf8CyrillicToCp1251(0xD1, 0x91));
    // Capitals, other letters and broken pairs become blanks.
    for (BYTE trail : { 0x81, 0x90, 0xAF, 0x00, 0xC0 })
        EXPECT_EQ(0x20, Utf8CyrillicToCp1251(0xD0, trail)) << int(trail);
    for (BYTE trail : { 0x90, 0x96, 0x00, 0xBF })
        EXPECT_EQ(0x20, Utf8CyrillicToCp1251(0xD1, trail)) << int(trail);
    EXPECT_EQ(0x20, Utf8CyrillicToCp1251(0xD2, 0x90));
}
