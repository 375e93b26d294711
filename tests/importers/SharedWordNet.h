// The WordNet 3.0 database (with the Dutch and French Open Multilingual Wordnet files where they
// exist) that the whole test run shares: CTest builds it once before the tests start; a test binary
// run by hand builds it on first use.
#pragma once

#include <string>

// The database's path, or "" when WordNet is not installed (the caller skips). A failed build
// fails the calling test.
std::string SharedWordNetDatabase();
// Whether the database holds the Dutch (store 101) and French (store 102) wordnets.
bool SharedWordNetHasTabs();
