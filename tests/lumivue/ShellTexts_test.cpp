// The texts under which the viewer shows library failures, and the conversion of the library's
// wide strings.
#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

#include "ArbError.h"
#include "PLXException.h"
#include "SysString.h"
#include "shell/ErrorText.h"
#include "shell/WideText.h"

namespace {

std::string TextOf(void (*thrower)()) {
  try {
    thrower();
  } catch (...) {
    return ErrorText::OfCurrentException();
  }
  return "nothing thrown";
}

TEST(ErrorText, EachKindOfFailure) {
  const PLXException library(ePLXInvalidRelation);
  EXPECT_EQ(ErrorText::Of(library),
            std::string("PLX error occurred ") + static_cast<const char*>(library));
  // Store codes are written in hex after their "0x".
  const ArbError store(0xC006);
  EXPECT_EQ(ErrorText::Of(store),
            std::string("ARBOR error 0xC006 occurred ") + static_cast<const char*>(store));

  EXPECT_EQ(TextOf([] { throw PLXException(ePLXNoSiteRecord); }),
            ErrorText::Of(PLXException(ePLXNoSiteRecord)));
  EXPECT_EQ(TextOf([] { throw ArbError(0x8209); }), ErrorText::Of(ArbError(0x8209)));
  EXPECT_EQ(TextOf([] { throw std::runtime_error("x"); }), "unexpected exception");
}

TEST(WideText, ConvertsAndFrees) {
  EXPECT_EQ(WideText::Take(nullptr), "");
  EXPECT_EQ(WideText::Take(SysAllocString(u"caf\u00e9 dog")), "caf\u00e9 dog");
  EXPECT_EQ(WideText::Take(SysAllocString(u"")), "");
}

}  // namespace
