#include "ErrorText.h"

#include <cstdio>

#include "ArbCodes.h"
#include "ArbError.h"
#include "PLXException.h"

namespace polylex {
namespace {

std::string Hex(std::uint32_t code) {
  char hex[16];
  std::snprintf(hex, sizeof hex, "0x%04X", code);
  return hex;
}

}  // namespace

std::string DescribeStoreCode(std::uint32_t code, const std::string& path) {
  switch (code) {
    case arbcode::IO_PATH_NOT_FOUND:
      return path + ": no such file";
    case arbcode::IO_PATH_TOO_LONG:
      return path + ": the path is too long (at most 239 bytes)";
    case arbcode::NOT_DB:
      return path + ": not a Polylex database";
    case arbcode::NEWER_DB:
      return path + ": made by a newer version of Polylex";
    case arbcode::OLD_DB:
      return path +
             ": made by an older version of Polylex, whose files carry no page checksums; build "
             "the database again";
    case arbcode::BLOCK_CHECKSUM:
      return path + ": the file is damaged (a checksum disagrees); run polylex check for details";
    case arbcode::ACCESS_CONFLICT:
      return path + ": in use by another program";
    case arbcode::ACCESS_DENIED:
    case arbcode::IO_ACCESS_DENIED:
      return path + ": permission denied, or an interrupted write needs a writable open first";
    case arbcode::FILE_EXISTS:
      return path + ": the file exists already (use --force to replace it)";
    default:
      return path + ": " + ArbError::NameOf(code) + " (store error " + Hex(code) + ")";
  }
}

std::string Describe(const PLXException& error, const std::string& path) {
  if (error.GetError() == ePLXArborError) return DescribeStoreCode(error.GetARBORError(), path);
  if (error.GetError() == ePLXIncompatibleDatabase) {
    return path +
           ": not a lexical database this version can read (data version below 1.3, or the "
           "site or build record is missing)";
  }
  return path + ": " + static_cast<const char*>(error);
}

int WithLibraryErrors(const std::string& path, const std::function<int()>& command) {
  try {
    return command();
  } catch (const PLXException& error) {
    std::fprintf(stderr, "polylex: %s\n", Describe(error, path).c_str());
  } catch (const ArbError& error) {
    std::fprintf(stderr, "polylex: %s\n", DescribeStoreCode(error, path).c_str());
  }
  return 1;
}

}  // namespace polylex
