// Turns the library's failures into one line a person understands.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

class ArbError;
class PLXException;

namespace polylex {

// What a record store code means for someone opening `path`.
std::string DescribeStoreCode(std::uint32_t code, const std::string& path);
std::string Describe(const PLXException& error, const std::string& path);

// Runs `command` and returns its exit status; a PLXException or ArbError that escapes it is written
// to standard error as one line ("polylex: " and what it means for `path`) and gives status 1.
int WithLibraryErrors(const std::string& path, const std::function<int()>& command);

}  // namespace polylex
