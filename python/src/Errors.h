// The module's exceptions: lexcore5.Error and its subclasses, each carrying the library's code, the
// record store's code (0 when the fault is not the store's) and the message.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>

#include <pybind11/pybind11.h>

namespace pylex {

enum class ErrorKind { kGeneral, kOpen, kClosed, kNotFound };

// Thrown by the binding's own code; the translator turns it into the Python class of its kind.
class BindingError : public std::runtime_error {
 public:
  BindingError(ErrorKind kind, const std::string& message, std::int32_t code = 0,
               std::uint32_t storeCode = 0)
      : std::runtime_error(message), kind_(kind), code_(code), storeCode_(storeCode) {}

  ErrorKind Kind() const { return kind_; }
  std::int32_t Code() const { return code_; }
  std::uint32_t StoreCode() const { return storeCode_; }

 private:
  ErrorKind kind_;
  std::int32_t code_;
  std::uint32_t storeCode_;
};

// Defines the exception classes in `module` and translates BindingError, PLXException and
// ArbError into them wherever they leave a bound function.
void RegisterErrors(pybind11::module_& module);

}  // namespace pylex
