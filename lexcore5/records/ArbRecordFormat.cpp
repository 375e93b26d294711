#include <algorithm>
#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <string>
#include <string_view>

#include "ArbCodes.h"
#include "ArbRecord.h"
#include "store/FieldTree.h"
#include "store/FieldValue.h"
#include "store/RecordStore.h"

namespace {

// Appends printf-style text; the pieces formatted here are numbers and dates of bounded length.
__attribute__((format(printf, 2, 3))) void AppendPrintf(std::string* line, const char* format,
                                                        ...) {
  char piece[96];
  va_list args;
  va_start(args, format);
  const int length = std::vsnprintf(piece, sizeof piece, format, args);
  va_end(args);
  if (length > 0) line->append(piece, std::min(static_cast<std::size_t>(length), sizeof piece - 1));
}

std::uint32_t AppendText(const node* field, std::string* line) {
  std::string_view text;
  if (const std::uint32_t code = store::GetUtf8(field, &text)) return code;
  if (text.empty()) return arbcode::SUCCESS;
  // A quote at either end is doubled so that the value's own quotes stay visible.
  line->push_back(' ');
  if (text.front() == '"') line->push_back('"');
  line->append(text);
  if (text.back() == '"') line->push_back('"');
  return arbcode::SUCCESS;
}

std::uint32_t AppendNumber(const node* field, std::string* line) {
  std::uint32_t value = 0;
  std::uint32_t code = store::GetUInt32(field, &value);
  if (code == arbcode::SUCCESS) {
    AppendPrintf(line, " %lu", static_cast<unsigned long>(value));
    return code;
  }
  // A negative number is written with its sign rather than refused as an unsigned one.
  if (code != arbcode::CONV_NUM_UNDERFLOW) return code;
  std::int32_t negative = 0;
  code = store::GetInt32(field, &negative);
  if (code == arbcode::SUCCESS) AppendPrintf(line, " %ld", static_cast<long>(negative));
  return code;
}

std::uint32_t AppendContext(const node* field, std::string* line) {
  if (field->length == 0) return arbcode::SUCCESS;
  std::uint32_t recordId = 0;
  const std::uint32_t code = store::GetRecordPointer(field, &recordId);
  if (code == arbcode::SUCCESS) AppendPrintf(line, " @%lu@", static_cast<unsigned long>(recordId));
  return code;
}

void AppendDate(const store::Date& date, std::string* line) {
  AppendPrintf(line, " %u-%02u-%02u", unsigned{date.year}, unsigned{date.month},
               unsigned{date.day});
}

void AppendTime(const store::Time& time, std::string* line) {
  AppendPrintf(line, " %u:%02u:%02u.%02u", unsigned{time.hour}, unsigned{time.minute},
               unsigned{time.second}, unsigned{time.hundredth});
}

std::uint32_t AppendValue(const node* field, std::string* line) {
  switch (field->FieldKind()) {
    case kFieldText:
      return AppendText(field, line);
    case kFieldNumber:
      return AppendNumber(field, line);
    case kFieldBinary:
      line->append(" [-binary-]");
      return arbcode::SUCCESS;
    case kFieldContext:
      return AppendContext(field, line);
    case kFieldFloat: {
      double value = 0;
      const std::uint32_t code = store::GetFloat(field, &value);
      if (code == arbcode::SUCCESS) AppendPrintf(line, " %g", value);
      return code;
    }
    case kFieldDate: {
      store::Date date{};
      const std::uint32_t code = store::GetDate(field, &date);
      if (code == arbcode::SUCCESS) AppendDate(date, line);
      return code;
    }
    case kFieldTime: {
      store::Time time{};
      const std::uint32_t code = store::GetTime(field, &time);
      if (code == arbcode::SUCCESS) AppendTime(time, line);
      return code;
    }
    case kFieldTimestamp: {
      store::Date date{};
      store::Time time{};
      const std::uint32_t code = store::GetTimestamp(field, &date, &time);
      if (code == arbcode::SUCCESS) {
        AppendDate(date, line);
        AppendTime(time, line);
      }
      return code;
    }
  }
  return arbcode::BAD_FIELD_TYPE;
}

// One line of the text form; the result is the code of reading the value.
std::uint32_t BuildLine(const node* field, unsigned level, const store::NameTable* names,
                        std::string* line) {
  line->assign(2 * level, ' ');
  AppendPrintf(line, "%u ", level);
  if (level == 0 && field->HasRecordId()) {
    AppendPrintf(line, "@%lu@ ", static_cast<unsigned long>(field->recordId));
  }
  const char* name = names != nullptr ? store::NameOfTag(names, field->tag) : nullptr;
  if (name != nullptr) {
    line->append(name);
  } else {
    AppendPrintf(line, "TAG_%u", unsigned{field->tag});
  }
  const std::uint32_t code = AppendValue(field, line);
  if (code != arbcode::SUCCESS) {
    line->append("    # Error: ");
    line->append(ArbError::NameOf(code));
  }
  line->append("\r\n");
  return code;
}

}  // namespace

int ArbRecord::Format(char* buffer, std::uint16_t size) {
  if (size != 0) buffer[0] = '\0';
  if (root_ == nullptr) return error_.Success(arbcode::NULL_RECORD);
  const store::NameTable* names = GetNameTable();
  const node* end = store::SubtreeEnd(root_);

  std::size_t used = 0;
  std::string line;
  for (const node* field = root_;; field = field->next) {
    const std::uint32_t code = BuildLine(field, field->level - root_->level, names, &line);
    // Only whole lines go out, so the text never ends inside a character or a value.
    if (used + line.size() >= size) {
      return error_.Success(code != arbcode::SUCCESS ? code : arbcode::CONV_DEST_OVERFLOW);
    }
    std::memcpy(buffer + used, line.data(), line.size());
    used += line.size();
    buffer[used] = '\0';
    if (code != arbcode::SUCCESS) return error_.Success(code);
    if (field == end) return error_.Success(arbcode::SUCCESS);
  }
}
