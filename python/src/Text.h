// Text handed out by the library as UTF-8 for Python.
#pragma once

#include <string>

#include "SysString.h"

namespace pylex {

// The text of `text` as UTF-8 ("" for null); frees it.
std::string TakeText(BSTR text);

// `text` in lower case (ASCII letters only), for comparing names.
std::string LowerAscii(std::string text);

}  // namespace pylex
