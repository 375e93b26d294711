// Turns the library's failures into one line a person understands.
#pragma once

#include <cstdint>
#include <string>

class ArbError;
class PLXException;

namespace polylex {

// What a record store code means for someone opening `path`.
std::string DescribeStoreCode(std::uint32_t code, const std::string& path);
std::string Describe(const PLXException& error, const std::string& path);

}  // namespace polylex
