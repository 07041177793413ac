// The HTTP request for one keyword's suggestions, sent and read on the
// calling thread: up to ten attempts, each with a session of its own, and
// the answer read into a bounded buffer. The worker thread calls it; it
// touches no window.
#pragma once

#include "afx/String.h"
#include "collector/SuggestionRequest.h"

// The answer text that stands for "ten attempts brought no answer".
inline constexpr char kNotParsed[] = "<Not Parsed>";

// Attempts before giving up, with no pause between them.
inline constexpr int kFetchAttempts = 10;
// The answer buffer; reading stops once more than kAnswerReadLimit bytes are
// in it, so at most kAnswerReadLimit + kAnswerReadChunk bytes are kept.
inline constexpr int kAnswerBufferSize = 1000000;
inline constexpr int kAnswerReadChunk = 1000;
inline constexpr int kAnswerReadLimit = 998000;
// Redirects one attempt follows; one more fails the attempt, so a service
// that sends the request round in a loop ends like one that does not answer.
inline constexpr int kMaxRedirects = 5;

// The raw answer to the keyword's request at the service named by
// hostSetting ("host" or "host:port"), or kNotParsed. Any status but 404 and
// the redirects is read as an answer; 404, an empty body, a connection that
// fails, that the server closes without answering (status 0) or that waits
// longer than timeoutMs to connect, send or receive, and more than
// kMaxRedirects redirects count as failed attempts. A setting that names no
// service (SplitHostPort) sends nothing.
CString FetchSuggestions(const CString& keyword, const CString& hostSetting,
                         UINT timeoutMs = kSuggestionTimeoutDefaultMs);
