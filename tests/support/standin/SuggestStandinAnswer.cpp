#include "tests/support/standin/SuggestStandinAnswer.h"

#include <string>

namespace {

// The sample texts are UTF-8, as the service sends them.
// The service never answers with more rows than this.
const int kMaxSuggestions = 10;

struct Sample
{
    const char* text;
    const char* count;
};

const Sample kSamples[] = {
    { "apple", "6,380,000 results" },
    { "apple pie recipe", "1,250,000 results" },
    { "apple watch", "934,000 results" },
    { "application form", "77,100 results" },
    { "best laptops", "2,040,000 results" },
    { "book flights", "518,000 results" },
    { "cheap hotels", "3,300,000 results" },
    { "keyword research", "412,000 results" },
    { "keyword planner", "96,500 results" },
    { "weather tomorrow", "12 results" },
    { "web design", "8,800,000 results" },
    { "авиабилеты дешево", "2 140 000 результатов" },
    { "автомобиль купить", "1 020 000 результатов" },
    { "банк вклады", "310 000 результатов" },
    { "билеты на поезд", "545 000 результатов" },
    { "погода москва", "4 870 000 результатов" },
    { "погода завтра", "3 900 000 результатов" },
    { "привет", "88 000 результатов" },
    { "программа передач", "1 700 000 результатов" },
    { "ремонт квартир", "640 000 результатов" },
    { "ёлка купить", "56 000 результатов" },
};

int HexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// Undoes the query's percent escapes; '+' is a blank, as in form encoding.
std::string Unescape(const std::string& text)
{
    std::string result;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '%' && i + 2 < text.size() && HexValue(text[i + 1]) >= 0 && HexValue(text[i + 2]) >= 0) {
            result += static_cast<char>(HexValue(text[i + 1]) * 16 + HexValue(text[i + 2]));
            i += 2;
        } else {
            result += text[i] == '+' ? ' ' : text[i];
        }
    }
    return result;
}

// The value of key in "a=1&b=2" (still escaped); "" when absent.
std::string QueryValue(const std::string& query, const std::string& key)
{
    size_t at = 0;
    while (at <= query.size()) {
        size_t end = query.find('&', at);
        if (end == std::string::npos)
            end = query.size();
        std::string pair = query.substr(at, end - at);
        if (pair.compare(0, key.size() + 1, key + "=") == 0)
            return pair.substr(key.size() + 1);
        at = end + 1;
    }
    return std::string();
}

}  // namespace

HttpTestServer::Response SuggestStandinAnswer(const HttpTestServer::Request& request)
{
    const std::string path = "/complete/search";
    if (request.method != "GET" || request.target.compare(0, path.size(), path) != 0)
        return HttpTestServer::Response::Status(404, "Not found");
    size_t question = request.target.find('?');
    std::string query = question == std::string::npos ? std::string() : request.target.substr(question + 1);
    std::string keyword = Unescape(QueryValue(query, "q"));
    for (char& c : keyword) {
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    }

    // The echoed keyword stays outside the array part; quotes and brackets in
    // it are left out so that it cannot be mistaken for part of the array.
    std::string echo;
    for (char c : keyword) {
        if (c != '"' && c != '[' && c != ']' && c != '\\')
            echo += c;
    }
    std::string body = "[\"" + echo + "\",[";
    int rows = 0;
    for (const Sample& sample : kSamples) {
        if (rows == kMaxSuggestions || keyword.empty())
            break;
        if (std::string(sample.text).compare(0, keyword.size(), keyword) != 0)
            continue;
        if (rows > 0)
            body += ",";
        body += std::string("[\"") + sample.text + "\",\"" + sample.count + "\",\"" + std::to_string(rows) + "\"]";
        ++rows;
    }
    body += "]]";

    HttpTestServer::Response response = HttpTestServer::Response::Ok(body);
    response.headers.push_back({ "Content-Type", "text/javascript; charset=UTF-8" });
    return response;
}
