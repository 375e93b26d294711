#include "Errors.h"

#include <pybind11/eval.h>

#include "ArbError.h"
#include "PLXException.h"

namespace py = pybind11;

namespace pylex {
namespace {

// Plain Python classes, so that users subclass, pickle and catch them as any other exception.
constexpr const char* kClasses = R"(
class Error(Exception):
    """A failure of the lexical library: `code` is the library's code, `store_code` the record
    store's code (0 when the store is not the cause) and `message` the text."""

    def __init__(self, message, code=0, store_code=0):
        super().__init__(message)
        self.message = message
        self.code = code
        self.store_code = store_code


class OpenError(Error):
    """The database file cannot be opened: missing, not a lexical database, or unreadable."""


class ClosedError(Error):
    """An object was used after its database was closed."""


class NotFoundError(Error, LookupError):
    """No language with that code, or no relation with that name."""
)";

// Owned by the module, which outlives every call that raises them.
py::handle errorClass;
py::handle openErrorClass;
py::handle closedErrorClass;
py::handle notFoundErrorClass;

void Raise(py::handle type, const std::string& message, std::int32_t code,
           std::uint32_t storeCode) {
  const py::object error = type(message, code, storeCode);
  PyErr_SetObject(type.ptr(), error.ptr());
}

py::handle ClassOf(ErrorKind kind) {
  switch (kind) {
    case ErrorKind::kOpen:
      return openErrorClass;
    case ErrorKind::kClosed:
      return closedErrorClass;
    case ErrorKind::kNotFound:
      return notFoundErrorClass;
    case ErrorKind::kGeneral:
      break;
  }
  return errorClass;
}

}  // namespace

void RegisterErrors(py::module_& module) {
  py::exec(kClasses, module.attr("__dict__"));
  errorClass = module.attr("Error");
  openErrorClass = module.attr("OpenError");
  closedErrorClass = module.attr("ClosedError");
  notFoundErrorClass = module.attr("NotFoundError");
  py::register_exception_translator([](std::exception_ptr thrown) {
    try {
      std::rethrow_exception(thrown);
    } catch (const BindingError& error) {
      Raise(ClassOf(error.Kind()), error.what(), error.Code(), error.StoreCode());
    } catch (const PLXException& error) {
      const std::uint32_t store = error.GetError() == ePLXArborError ? error.GetARBORError() : 0;
      Raise(errorClass, static_cast<const char*>(error), error.GetError(), store);
    } catch (const ArbError& error) {
      Raise(errorClass, std::string("record store error: ") + ArbError::NameOf(error),
            ePLXArborError, error.GetError());
    }
  });
}

}  // namespace pylex
