#include "shell/WideText.h"

#include <cstdint>
#include <memory>

#include "String.h"

namespace {
struct SysStringFree {
  void operator()(OLECHAR* text) const { SysFreeString(text); }
};
}  // namespace

std::string WideText::Take(BSTR text) {
  const std::unique_ptr<OLECHAR, SysStringFree> held(text);
  if (text == nullptr) return std::string();
  try {
    return String(static_cast<const OLECHAR*>(text)).GetAnsi();
  } catch (std::int32_t) {
    // String reports a failed allocation or conversion by throwing its error code.
    return std::string();
  }
}
