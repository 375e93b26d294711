// The record store's result codes. 0 is success; names are those of ArbError's name table.
#pragma once

#include <cstdint>

namespace arbcode {

constexpr std::uint32_t SUCCESS = 0;
constexpr std::uint32_t BOF_HIT = 0xC001;
constexpr std::uint32_t EOF_HIT = 0xC002;
constexpr std::uint32_t EXISTS = 0xC004;
constexpr std::uint32_t FAILURE = 0xC005;
constexpr std::uint32_t NOT_FOUND = 0xC006;
constexpr std::uint32_t BAD_DICT_ID = 0xC007;
constexpr std::uint32_t BAD_CONTAINER = 0xC008;
constexpr std::uint32_t BAD_DRN = 0xC00A;
constexpr std::uint32_t BAD_FIELD_NUM = 0xC00B;
constexpr std::uint32_t BAD_FIELD_TYPE = 0xC00C;
constexpr std::uint32_t BAD_HDL = 0xC00D;
constexpr std::uint32_t BAD_IX = 0xC00E;
constexpr std::uint32_t BTREE_ERROR = 0xC012;
constexpr std::uint32_t CONV_BAD_DEST_TYPE = 0xC018;
constexpr std::uint32_t CONV_BAD_DIGIT = 0xC019;
constexpr std::uint32_t CONV_BAD_SRC_TYPE = 0xC01A;
constexpr std::uint32_t CONV_DEST_OVERFLOW = 0xC01C;
constexpr std::uint32_t CONV_ILLEGAL = 0xC01D;
constexpr std::uint32_t CONV_NULL_SRC = 0xC01E;
constexpr std::uint32_t CONV_NULL_DEST = 0xC01F;
constexpr std::uint32_t CONV_NUM_OVERFLOW = 0xC020;
constexpr std::uint32_t CONV_NUM_UNDERFLOW = 0xC021;
constexpr std::uint32_t DATA_ERROR = 0xC022;
constexpr std::uint32_t DB_HANDLE = 0xC023;
constexpr std::uint32_t ILLEGAL_OP = 0xC026;
constexpr std::uint32_t DUPLICATE_DICT_REC = 0xC027;
constexpr std::uint32_t UNSUPPORTED_VERSION = 0xC029;
constexpr std::uint32_t GED_BAD_LEVEL = 0xC02B;
constexpr std::uint32_t GED_BAD_RECID = 0xC02C;
constexpr std::uint32_t GED_BAD_VALUE = 0xC02D;
constexpr std::uint32_t GED_MAXLVLNUM = 0xC02E;
constexpr std::uint32_t GED_SKIP_LEVEL = 0xC02F;
constexpr std::uint32_t ILLEGAL_TRANS = 0xC030;
constexpr std::uint32_t INVALID_TAG = 0xC034;
constexpr std::uint32_t KEY_NOT_FOUND = 0xC035;
constexpr std::uint32_t LARGE = 0xC036;
constexpr std::uint32_t MEM = 0xC037;
constexpr std::uint32_t NEWER_DB = 0xC03A;
constexpr std::uint32_t NO_MORE_DRNS = 0xC03C;
constexpr std::uint32_t NO_TRANS_ACTIVE = 0xC03D;
constexpr std::uint32_t NOT_UNIQUE = 0xC03E;
constexpr std::uint32_t NOT_DB = 0xC03F;
constexpr std::uint32_t NULL_RECORD = 0xC040;
constexpr std::uint32_t OLD_DB = 0xC041;
constexpr std::uint32_t PERMISSION = 0xC044;
constexpr std::uint32_t SYNTAX = 0xC045;
constexpr std::uint32_t TRANS_ACTIVE = 0xC047;
constexpr std::uint32_t BLOCK_CHECKSUM = 0xC04F;
constexpr std::uint32_t ABORT_TRANS = 0xC050;
constexpr std::uint32_t IX_FAILURE = 0xC056;
constexpr std::uint32_t FILE_EXISTS = 0xC059;
constexpr std::uint32_t NOT_IMPLEMENTED = 0xC05F;
constexpr std::uint32_t INVALID_STORE_NUM = 0xC067;
constexpr std::uint32_t UNALLOWED_CONVERSION = 0xC070;
constexpr std::uint32_t BAD_QUERY_SOURCE = 0xC073;
constexpr std::uint32_t DUPLICATE_DICT_NAME = 0xC076;
constexpr std::uint32_t ACCESS_DENIED = 0xC07D;
constexpr std::uint32_t ACCESS_CONFLICT = 0xC07E;

constexpr std::uint32_t MEM_ERR = 0x8101;
constexpr std::uint32_t IO_ERR = 0x8200;
constexpr std::uint32_t IO_ACCESS_DENIED = 0x8201;
constexpr std::uint32_t IO_DISK_FULL = 0x8204;
constexpr std::uint32_t IO_OPEN_ERR = 0x8206;
constexpr std::uint32_t IO_MODIFY_ERR = 0x8208;
constexpr std::uint32_t IO_PATH_NOT_FOUND = 0x8209;
constexpr std::uint32_t IO_PATH_TOO_LONG = 0x820B;
constexpr std::uint32_t IO_FILE_LOCK_ERR = 0x820E;

// The store's own mutexes: a wait that fails, and a creation or release that fails.
constexpr std::uint32_t MUTEX_WAIT_FAILED = 0x8605;
constexpr std::uint32_t MUTEX_FAILED = 0x8601;

}  // namespace arbcode
