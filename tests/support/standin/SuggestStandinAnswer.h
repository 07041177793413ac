// The stand-in suggestion service's answers: the suggestions of a small
// built-in sample (English and Russian, UTF-8 as the service sends them) that
// begin with the asked keyword, in the service's answer shape
//   ["<keyword>",[["<suggestion>","<count> results","0"],...]]
// Served by the stand-in program and by the end-to-end test of the program.
#pragma once

#include "tests/support/HttpTestServer.h"

HttpTestServer::Response SuggestStandinAnswer(const HttpTestServer::Request& request);
