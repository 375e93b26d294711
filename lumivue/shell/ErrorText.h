// The one-line texts under which the viewer shows a failure of the library.
#pragma once

#include <string>

class ArbError;
class PLXException;

class ErrorText {
 public:
  // "PLX error occurred <the exception's text>".
  static std::string Of(const PLXException& error);
  // "ARBOR error 0x<code in hex> occurred <the store's name for the code>".
  static std::string Of(const ArbError& error);
  // The text for the exception being handled: one of the above, or "unexpected exception" for any
  // other. Call it only inside a catch block.
  static std::string OfCurrentException();
};
