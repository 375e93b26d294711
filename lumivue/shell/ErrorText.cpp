#include "shell/ErrorText.h"

#include <cstdint>

#include "ArbError.h"
#include "PLXException.h"
#include "shell/MessageTexts.h"

std::string ErrorText::Of(const PLXException& error) {
  return FormatMessage(message::kLibraryError.text, static_cast<const char*>(error));
}

std::string ErrorText::Of(const ArbError& error) {
  return FormatMessage(message::kStoreError.text, static_cast<unsigned>(std::uint32_t{error}),
                       static_cast<const char*>(error));
}

std::string ErrorText::OfCurrentException() {
  try {
    throw;
  } catch (const PLXException& error) {
    return Of(error);
  } catch (const ArbError& error) {
    return Of(error);
  } catch (...) {
    return message::kUnexpectedError.text;
  }
}
