#include <gtest/gtest.h>

#include <string>

#include "ArbError.h"
#include "PLXException.h"

namespace {

std::string Text(const PLXException& e) {
  return static_cast<const char*>(e);
}

}  // namespace

TEST(ArbError, NamesStoreAndIoCodes) {
  EXPECT_STREQ(ArbError(0), "SUCCESS");
  EXPECT_STREQ(ArbError(0xC001), "BOF_HIT");
  EXPECT_STREQ(ArbError(0xC03E), "NOT_UNIQUE");
  EXPECT_STREQ(ArbError(0xC05A), "nu");
  EXPECT_STREQ(ArbError(0xC05F), "NOT_IMPLEMENTED");
  EXPECT_STREQ(ArbError(0xC081), "BLOB_MISSING_FILE");
  EXPECT_STREQ(ArbError(0x8101), "MEM_ERR");
  EXPECT_STREQ(ArbError(0x8209), "IO_PATH_NOT_FOUND");
  EXPECT_STREQ(ArbError(0x820E), "IO_FILE_LOCK_ERR");
}

TEST(ArbError, UnnamedCodesShareOneBuffer) {
  EXPECT_STREQ(ArbError(0x8203), "Unknown Error 0x8203");
  EXPECT_STREQ(ArbError(0x820D), "Unknown Error 0x820D");
  EXPECT_STREQ(ArbError(0xC082), "Unknown Error 0xC082");
  EXPECT_STREQ(ArbError(0xF012), "QF Error 0xF012 (see qferr)");
  EXPECT_STREQ(ArbError(0x7012), "Unknown Error 0x7012");
  const char* first = ArbError(0x1234);
  const char* second = ArbError(0x5678);
  EXPECT_EQ(first, second);
}

TEST(ArbError, CodeParts) {
  ArbError e(0x1C03F);
  EXPECT_EQ(e.GetError(), 0xC03F);
  EXPECT_EQ(static_cast<std::uint32_t>(e), 0x1C03Fu);
  EXPECT_EQ(e.Success(), 0);
  EXPECT_EQ(e.Success(0), 1);
  e = 0xC006;
  EXPECT_STREQ(e.GetMessageA().GetAnsi(), "ARBOR error (0xC006): NOT_FOUND");
}

TEST(PLXException, LibraryMessages) {
  EXPECT_EQ(Text(PLXException(ePLXIncompatibleDatabase)),
            "PLX API: This database is incompatible [107]");
  EXPECT_EQ(Text(PLXException(ePLXLayoutError)), "PLX API: Internal data layout error [105]");
  EXPECT_EQ(Text(PLXException(ePLXBufferTooSmall)), "PLX API: Buffer is too small [106]");
  EXPECT_EQ(Text(PLXException(static_cast<ePLXError>(999))), "PLX API: Unexpected error [999]");
  EXPECT_EQ(Text(PLXException()), "PLX API: Undefined error [0]");
}

TEST(PLXException, LinkErrorKind) {
  PLXException e(eLinkUndefined, nullptr, 0);
  EXPECT_EQ(e.GetError(), ePLXLinkError);
  EXPECT_EQ(Text(e), "PLX API: Unexpected error [2]");
}

TEST(PLXException, StoreCodes) {
  PLXException e(0x8209u, nullptr, 0);
  EXPECT_EQ(e.GetError(), ePLXArborError);
  EXPECT_EQ(Text(e), "ARBOR: IO_PATH_NOT_FOUND [0x8209]");
  EXPECT_EQ(Text(PLXException(0xC006u, nullptr, 0)), "ARBOR: NOT_FOUND [0xC006]");
  EXPECT_EQ(PLXException(0x1C006u, nullptr, 0).GetARBORError(), 0xC006u);
}

TEST(PLXException, ThrowingPlace) {
  EXPECT_EQ(Text(PLXException(ePLXOutOfMemory, "Concept", 181)),
            "PLX API: Out of memory [100] -- Concept (181)");
  EXPECT_EQ(Text(PLXException(ePLXOutOfMemory, "Concept", 0)),
            "PLX API: Out of memory [100] -- Concept");
  EXPECT_EQ(Text(PLXException(ePLXOutOfMemory, nullptr, 181)), "PLX API: Out of memory [100]");
}

TEST(PLXException, LongFileNameIsCutNotOverrun) {
  const std::string file(1000, 'f');
  const std::string text = Text(PLXException(ePLXOutOfMemory, file.c_str(), 7));
  EXPECT_EQ(text.size(), 399u);
  EXPECT_EQ(text.rfind("PLX API: Out of memory [100] -- fff", 0), 0u);
}

TEST(PLXException, CopiesNeverShareTheirText) {
  auto* original = new PLXException(ePLXNoSiteRecord, "Polylex", 3);
  const char* first = *original;
  PLXException copy(*original);
  const char* second = copy;
  EXPECT_NE(first, second);
  delete original;
  EXPECT_EQ(Text(copy),
            "PLX API: Site record could not be retrieved from database [103] -- Polylex (3)");
  PLXException assigned;
  assigned = copy;
  EXPECT_EQ(Text(assigned), Text(copy));
  try {
    throw copy;
  } catch (const PLXException& caught) {
    EXPECT_EQ(caught.GetError(), ePLXNoSiteRecord);
  }
}
