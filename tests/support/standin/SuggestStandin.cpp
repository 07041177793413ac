// A stand-in for the suggestion service, for trying the program by hand and
// for end-to-end runs: it answers GET /complete/search?...&q=<keyword>... on
// 127.0.0.1 with the suggestions of a small built-in sample that begin with
// the keyword (SuggestStandinAnswer.cpp).
// Usage: lexifern_suggest_standin [port]   (default 8765). Runs until killed.
#include "tests/support/standin/SuggestStandinAnswer.h"

#include <windows.h>

#include <stdio.h>
#include <stdlib.h>

namespace {

const unsigned short kDefaultPort = 8765;

}  // namespace

int main(int argc, char** argv)
{
    unsigned long port = argc > 1 ? strtoul(argv[1], nullptr, 10) : kDefaultPort;
    if (port == 0 || port > 0xFFFF) {
        fprintf(stderr, "usage: %s [port]\n", argv[0]);
        return 2;
    }
    HttpTestServer server;
    server.SetHandler(&SuggestStandinAnswer);
    if (!server.Start(static_cast<unsigned short>(port))) {
        fprintf(stderr, "cannot listen on 127.0.0.1:%lu\n", port);
        return 1;
    }
    printf("suggestion stand-in listening on %s\n", server.Url("/complete/search").c_str());
    fflush(stdout);
    for (;;)
        Sleep(INFINITE);
}
