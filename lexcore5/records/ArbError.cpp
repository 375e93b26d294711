#include "ArbError.h"

#include "platform/Formatting.h"

namespace {

// Names of 0xC001 to 0xC081, indexed by code - 0xC000.
constexpr const char* kStoreNames[] = {
    nullptr,
    "BOF_HIT",
    "EOF_HIT",
    "END",
    "EXISTS",
    "FAILURE",
    "NOT_FOUND",
    "BAD_DICT_ID",
    "BAD_CONTAINER",
    "BAD_CATALOG_REC",
    "BAD_DRN",
    "BAD_FIELD_NUM",
    "BAD_FIELD_TYPE",
    "BAD_HDL",
    "BAD_IX",
    "BAD_PASSWORD",
    "BLKSIZ_TOO_BIG",
    "BLOCK_MODIFIED",
    "BTREE_ERROR",
    "BTREE_FULL",
    "CANNOT_DECRYPT",
    "CANNOT_DEL_ITEM",
    "CANNOT_MOD_TYPE",
    "CANNOT_RECOV_RDONLY",
    "CONV_BAD_DEST_TYPE",
    "CONV_BAD_DIGIT",
    "CONV_BAD_SRC_TYPE",
    "CONV_BAD_WP_CHAR",
    "CONV_DEST_OVERFLOW",
    "CONV_ILLEGAL",
    "CONV_NULL_SRC",
    "CONV_NULL_DEST",
    "CONV_NUM_OVERFLOW",
    "CONV_NUM_UNDERFLOW",
    "DATA_ERROR",
    "DB_HANDLE",
    "DD_ERROR",
    "DECRYPTING",
    "ILLEGAL_OP",
    "DUPLICATE_DICT_REC",
    "ENCRYPTING",
    "UNSUPPORTED_VERSION",
    "FILE_ER",
    "GED_BAD_LEVEL",
    "GED_BAD_RECID",
    "GED_BAD_VALUE",
    "GED_MAXLVLNUM",
    "GED_SKIP_LEVEL",
    "ILLEGAL_TRANS",
    "ILLEGAL_TRANS_OP",
    "INCOMPLETE_LOG",
    "INVALID_BLOCK_LENGTH",
    "INVALID_TAG",
    "KEY_NOT_FOUND",
    "LARGE",
    "MEM",
    "MEM_LOCK",
    "MULTIPLE_FIELD_TYPES",
    "NEWER_DB",
    "NO_AVAIL_CACHE",
    "NO_MORE_DRNS",
    "NO_TRANS_ACTIVE",
    "NOT_UNIQUE",
    "NOT_DB",
    "NULL_RECORD",
    "OLD_DB",
    "OLD_VIEW",
    "PCODE_ERROR",
    "PERMISSION",
    "SYNTAX",
    "INVALID_DICT_NUM",
    "TRANS_ACTIVE",
    "TRANS_DB",
    "TRANS_DD",
    "TRANS_RD",
    "UNRECOVERABLE_TRANS",
    "STORE_EXISTS",
    "MEM_CHECKSUM",
    "BAD_TRUNCATE",
    "BLOCK_CHECKSUM",
    "ABORT_TRANS",
    "NOT_RFL",
    "BAD_RFL_PACKET",
    "OLD_RFL",
    "NEWER_RFL",
    "BAD_CANDIDATE_SET",
    "IX_FAILURE",
    "MAINT_IN_PROGRESS",
    "DB_ALREADY_REBUILT",
    "FILE_EXISTS",
    "nu",
    "nu",
    "nu",
    "STORE_FILE_NOT_FOUND",
    "QF_NOT_COMPILED_IN",
    "NOT_IMPLEMENTED",
    "MAX_OCCURS",
    "MIN_OCCURS",
    "ILLEGAL_MODIFY",
    "REC_MODIFIED",
    "VALUE_REQUIRED",
    "SDICT_EXISTS",
    "INVALID_PARENT_DICT",
    "INVALID_STORE_NUM",
    "BAD_REGISTRY_REC",
    "BAD_REFERENCE",
    "INVALID_AREA",
    "MACHINE_NOT_DEF",
    "DRIVER_NOT_FOUND",
    "BAD_DRIVER_PATH",
    "DEPENDENT_FILE",
    "STORE_NUM_MISMATCH",
    "UNALLOWED_CONVERSION",
    "CANNOT_SYNC_DICT",
    "GUARDIAN_TRANS_ACTIVE",
    "BAD_QUERY_SOURCE",
    "ID_RESERVED",
    "CANNOT_RESERVE_ID",
    "DUPLICATE_DICT_NAME",
    "CANNOT_RESERVE_NAME",
    "BAD_DICT_DRN",
    "CANNOT_MOD_ITEM_TYPE",
    "PURGED_FLD_FOUND",
    "BAD_TRACKER_REC",
    "TOO_MANY_OPEN_FILES",
    "ACCESS_DENIED",
    "ACCESS_CONFLICT",
    "CACHE_ERROR",
    "QF_INDEX_NOT_FOUND",
    "BLOB_MISSING_FILE",
};
static_assert(sizeof(kStoreNames) / sizeof(kStoreNames[0]) == 0x82, "129 names after the gap");

struct IoName {
  std::uint32_t code;
  const char* name;
};
constexpr IoName kIoNames[] = {
    {0x8101, "MEM_ERR"},
    {0x8200, "IO_ERR"},
    {0x8201, "IO_ACCESS_DENIED"},
    {0x8202, "IO_BAD_FILE_HANDLE"},
    {0x8204, "IO_DISK_FULL"},
    {0x8205, "IO_END_OF_FILE"},
    {0x8206, "IO_OPEN_ERR"},
    {0x8207, "IO_SEEK_ERR"},
    {0x8208, "IO_MODIFY_ERR"},
    {0x8209, "IO_PATH_NOT_FOUND"},
    {0x820A, "IO_TOO_MANY_OPEN_FILES"},
    {0x820B, "IO_PATH_TOO_LONG"},
    {0x820C, "IO_NO_MORE_FILES"},
    {0x820E, "IO_FILE_LOCK_ERR"},
};

// Shared by every call for an unnamed code, as callers of the name lookup expect.
char g_unnamed[64];

}  // namespace

const char* ArbError::NameOf(std::uint32_t code) {
  if (code == 0) return "SUCCESS";
  if (code >= 0xC001 && code <= 0xC081) return kStoreNames[code - 0xC000];
  for (const IoName& entry : kIoNames) {
    if (entry.code == code) return entry.name;
  }
  if ((code & 0x8000) != 0 && ((code >> 8) & 0x7F) == 0x70) {
    platform::FormatInto(g_unnamed, sizeof g_unnamed, "QF Error 0x%X (see qferr)", code);
  } else {
    platform::FormatInto(g_unnamed, sizeof g_unnamed, "Unknown Error 0x%X", code);
  }
  return g_unnamed;
}

ArbError::operator const char*() const {
  return NameOf(code_);
}

String ArbError::GetMessageA() const {
  char text[160];
  platform::FormatInto(text, sizeof text, "ARBOR error (0x%0X): %s", code_, NameOf(code_));
  return String(text);
}
