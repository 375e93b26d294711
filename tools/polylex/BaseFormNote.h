// The line that says a look-up shows base forms instead of the word given: "dogs: showing dog".
#pragma once

#include <string>
#include <vector>

namespace polylex {

std::string BaseFormNote(const std::string& word, const std::vector<std::string>& forms);

}  // namespace polylex
