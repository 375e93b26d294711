#include "Dictionary.h"

#include "ArbCodes.h"
#include "LexicalSchema.h"
#include "PLXException.h"
#include "lexicon/CriteriaBuilder.h"
#include "lexicon/Factory.h"

namespace {

// Operator codes of the criteria that only the dictionary uses.
constexpr std::uint16_t kMatches = 22;
constexpr std::uint16_t kLessThan = 26;
constexpr std::uint16_t kGreaterOrEqual = 29;

// The master-index option that a language wordnet's dictionary is listed with; the store keeps it
// for the caller and orders by the index alone.
constexpr std::uint8_t kDictionaryIndexOption = 2;

// Sets how the criteria compare text, then validates them. A refused criterion stays as built:
// it never validates, so the listing yields nothing until the next filter.
void Compile(ArbCursor& cursor, lexicon::CriteriaBuilder& criteria, int wildcards,
             int caseSensitive) {
  cursor.Wildcards(wildcards);
  cursor.CaseSensitive(caseSensitive);
  if (!criteria.Validate()) throw PLXException(criteria.Failure(), nullptr, 0);
}

}  // namespace

Dictionary::Dictionary(void* database, std::uint16_t container, std::uint32_t store)
    : ArbCursor(database, container, store) {
  UseLiteralIndex();
}

Dictionary::Dictionary(const Dictionary& other) : ArbCursor(other), remembered_() {
  UseLiteralIndex();
}

Dictionary& Dictionary::operator=(const Dictionary& other) {
  if (this == &other) return *this;
  ArbCursor::operator=(other);
  UseLiteralIndex();
  remembered_.Clear();
  return *this;
}

Dictionary::~Dictionary() = default;

void Dictionary::UseLiteralIndex() {
  SetMasterIndex(schema::kLiteralIndex, kDictionaryIndexOption);
}

void Dictionary::Restart() {
  ClearCriteria();
  remembered_.Clear();
}

void Dictionary::SetFilter(const char* lower, const char* upper, int caseSensitive) {
  Restart();
  lexicon::CriteriaBuilder criteria(*this);
  const bool hasLower = lower != nullptr && *lower != '\0';
  if (hasLower) criteria.Field(schema::LITERAL).Op(kGreaterOrEqual).Value(lower);
  if (upper != nullptr) {
    if (hasLower) criteria.Op(lexicon::kAnd);
    criteria.Field(schema::LITERAL).Op(kLessThan).Value(upper);
  }
  Compile(*this, criteria, 0, caseSensitive);
}

void Dictionary::SetFilter(const char* pattern, int caseSensitive) {
  Restart();
  lexicon::CriteriaBuilder criteria(*this);
  criteria.Field(schema::LITERAL).Op(kMatches).Value(pattern);
  Compile(*this, criteria, 1, caseSensitive);
}

DictionaryEntry* Dictionary::GetEntry(const char* word) {
  // The remembered entry stays: a later GetFirst walks the exact listing against it.
  ClearCriteria();
  lexicon::CriteriaBuilder criteria(*this);
  criteria.Equals(schema::LITERAL, word);
  Compile(*this, criteria, 0, 0);

  lexicon::Owned<DictionaryEntry> entry(lexicon::Factory::New<DictionaryEntry>());
  if (!entry) throw PLXException(ePLXOutOfMemory);
  if (ReadFirst(*entry) == 0) {
    // An empty result is the word's absence; any other code is a failure worth its own name.
    const std::uint32_t code = GetErrorCode();
    throw PLXException(code == arbcode::EOF_HIT ? arbcode::NOT_FOUND : code, nullptr, 0);
  }
  return entry.release();
}

int Dictionary::HandOutNewForm(Read step, DictionaryEntry** entry) {
  if (entry == nullptr) return 0;
  lexicon::Owned<DictionaryEntry> read(lexicon::Factory::New<DictionaryEntry>());
  if (!read) return 0;
  for (int found = (this->*step)(*read); found != 0; found = (this->*step)(*read)) {
    if (*read != remembered_) {
      remembered_ = *read;
      *entry = read.release();
      return 1;
    }
  }
  return 0;
}

int Dictionary::HandOutEnd(Read read, DictionaryEntry** entry) {
  if (entry == nullptr) return 0;
  lexicon::Owned<DictionaryEntry> end(lexicon::Factory::New<DictionaryEntry>());
  // An end that repeats the last form handed out ends the walk: the caller has seen it.
  if (!end || (this->*read)(*end) == 0 || *end == remembered_) return 0;
  remembered_ = *end;
  *entry = end.release();
  return 1;
}

int Dictionary::GetFirst(DictionaryEntry** entry) {
  return HandOutEnd(&ArbCursor::ReadFirst, entry);
}

int Dictionary::GetNext(DictionaryEntry** entry) {
  return HandOutNewForm(&ArbCursor::ReadNext, entry);
}

int Dictionary::GetPrevious(DictionaryEntry** entry) {
  return HandOutNewForm(&ArbCursor::ReadPrevious, entry);
}

int Dictionary::GetLast(DictionaryEntry** entry) {
  return HandOutEnd(&ArbCursor::ReadLast, entry);
}

int Dictionary::GetCurrent(DictionaryEntry** entry) {
  if (entry == nullptr) return 0;
  lexicon::Owned<DictionaryEntry> read(lexicon::Factory::New<DictionaryEntry>());
  if (!read || ReadCurrent(*read) == 0) return 0;
  *entry = read.release();
  return 1;
}

std::int32_t Dictionary::GetCount() {
  return static_cast<std::int32_t>(GetRecCount());
}
