#include "ImporterTestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <filesystem>
#include <fstream>

#include <unistd.h>

#include "ArbCursor.h"
#include "LexicalSchema.h"

namespace fs = std::filesystem;

namespace {

constexpr std::uint16_t kEq = 21;
const std::string kHeader = "  1 A test snippet of WordNet.  \n";

std::string EightDigits(std::uint32_t offset) {
  char text[16];
  std::snprintf(text, sizeof text, "%08u", offset);
  return text;
}

char FillerType(const std::string& suffix) {
  return suffix == "noun" ? 'n' : suffix == "verb" ? 'v' : suffix == "adj" ? 'a' : 'r';
}

std::string FillerPrefix(const std::string& suffix) {
  const char* file = suffix == "noun"   ? "03"
                     : suffix == "verb" ? "29"
                     : suffix == "adj"  ? "00"
                                        : "02";
  return std::string(file) + " " + FillerType(suffix) + " 01 filler 0 000 | ";
}

}  // namespace

ScratchDir::ScratchDir() {
  static std::atomic<int> counter{0};
  const auto* test = testing::UnitTest::GetInstance()->current_test_info();
  path_ = testing::TempDir() + "importers-" + (test != nullptr ? test->name() : "suite") + "-" +
          std::to_string(::getpid()) + "-" + std::to_string(counter++);
  fs::remove_all(path_);
  fs::create_directories(path_);
}

ScratchDir::~ScratchDir() {
  std::error_code ignored;
  fs::remove_all(path_, ignored);
}

std::vector<std::string> ScratchDir::Files() const {
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(path_)) {
    names.push_back(entry.path().filename().string());
  }
  std::sort(names.begin(), names.end());
  return names;
}

void WriteTextFile(const std::string& path, const std::string& text) {
  std::ofstream out(path, std::ios::binary);
  out << text;
}

void WordNetSnippet::Synset(const std::string& suffix, const std::string& name,
                            const std::string& body) {
  data_[suffix].push_back({name, body, 0});
}

void WordNetSnippet::PadTo(const std::string& suffix, std::uint32_t offset) {
  data_[suffix].push_back({"", "", offset});
}

void WordNetSnippet::IndexLine(const std::string& suffix, const std::string& line) {
  index_[suffix].push_back(line);
}

std::string WordNetSnippet::OffsetText(const std::string& name) const {
  return EightDigits(OffsetOf(name));
}

std::string WordNetSnippet::Resolve(const std::string& text) const {
  std::string out;
  std::size_t at = 0;
  while (true) {
    const std::size_t open = text.find('{', at);
    if (open == std::string::npos) break;
    const std::size_t close = text.find('}', open);
    out += text.substr(at, open - at);
    const std::string name = text.substr(open + 1, close - open - 1);
    const auto found = offsets_.find(name);
    out += found == offsets_.end() ? "00000000" : EightDigits(found->second);
    at = close + 1;
  }
  return out + text.substr(at);
}

void WordNetSnippet::Write(const std::string& directory) {
  // Every placeholder is eight digits wide, so positions can be fixed before offsets are known.
  std::map<std::string, std::vector<std::string>> bodies;
  for (auto& [suffix, lines] : data_) {
    std::uint32_t position = static_cast<std::uint32_t>(kHeader.size());
    for (Line& line : lines) {
      if (line.padTo != 0) {
        const std::string prefix = FillerPrefix(suffix);
        const std::uint32_t length = line.padTo - position;
        line.body = prefix + std::string(length - 10 - prefix.size(), 'x');
      } else {
        offsets_[line.name] = position;
      }
      position += 9 + static_cast<std::uint32_t>(Resolve(line.body).size()) + 1;
    }
  }
  for (const char* suffix : {"noun", "verb", "adj", "adv"}) {
    std::string data = kHeader;
    for (const Line& line : data_[suffix]) {
      data +=
          EightDigits(static_cast<std::uint32_t>(data.size())) + " " + Resolve(line.body) + "\n";
    }
    WriteTextFile(directory + "/data." + suffix, data);
    std::string index = kHeader;
    for (const std::string& line : index_[suffix]) index += Resolve(line) + "  \n";
    WriteTextFile(directory + "/index." + suffix, index);
  }
  for (const auto& [name, text] : extra_) WriteTextFile(directory + "/" + name, Resolve(text));
}

BuildRun RunBuild(const importers::BuildOptions& options) {
  BuildRun run;
  importers::Progress progress;
  progress.warn = [&](const std::string& text) { run.warnings.push_back(text); };
  run.ok = importers::BuildDatabase(options, progress, &run.report, &run.error);
  return run;
}

StoredDatabase::StoredDatabase(const std::string& path) {
  database_.Open(path.c_str(), 1, 0);
}

ArbRecord StoredDatabase::Get(std::uint32_t store, std::uint16_t container, std::uint32_t id) {
  ArbRecord record;
  record.Retrieve(database_, store, container, id);
  return record;
}

namespace {

template <typename Value>
std::vector<ArbRecord> Query(void* database, std::uint32_t store, std::uint16_t container,
                             std::vector<std::uint16_t> path, Value value) {
  ArbCursor cursor(database, container, store);
  path.push_back(0);
  std::vector<ArbRecord> found;
  if (!cursor.AddField(path.data()) || !cursor.AddOp(kEq) || !cursor.AddValue(value) ||
      !cursor.Validate()) {
    ADD_FAILURE() << "criteria refused: " << cursor.GetErrorCode();
    return found;
  }
  ArbRecord record;
  for (int more = cursor.ReadFirst(record); more; more = cursor.ReadNext(record)) {
    found.push_back(record);
  }
  return found;
}

}  // namespace

std::vector<ArbRecord> StoredDatabase::Find(std::uint32_t store, std::uint16_t container,
                                            std::vector<std::uint16_t> path,
                                            const std::string& text) {
  return Query(database_, store, container, std::move(path), text.c_str());
}

std::vector<ArbRecord> StoredDatabase::Find(std::uint32_t store, std::uint16_t container,
                                            std::vector<std::uint16_t> path, std::uint32_t number) {
  return Query(database_, store, container, std::move(path), number);
}

std::uint32_t StoredDatabase::Count(std::uint32_t store, std::uint16_t container) {
  ArbCursor cursor(database_, container, store);
  cursor.Validate();
  return cursor.GetRecCount();
}

std::uint32_t StoredDatabase::ConceptOf(std::uint32_t store, const std::string& literal,
                                        std::uint16_t pos, std::int16_t sense) {
  using namespace schema;
  for (ArbRecord& variant : Find(store, kDefaultContainer, {VARIANT, LITERAL}, literal)) {
    if (TextOf(variant, LITERAL) != literal) continue;  // the criteria ignore letter case
    if (NumberOf(variant, PART_OF_SPEECH) == pos && NumberOf(variant, SENSE) == sense) {
      return PointerOf(variant, CONCEPT);
    }
  }
  return 0;
}

std::vector<std::string> StoredDatabase::WordsOf(std::uint32_t store, std::uint32_t conceptId) {
  using namespace schema;
  std::vector<std::string> words;
  for (ArbRecord& variant : Find(store, kDefaultContainer, {VARIANT, CONCEPT}, conceptId)) {
    words.push_back(TextOf(variant, LITERAL) + " " + std::to_string(NumberOf(variant, SENSE)));
  }
  return words;
}

std::vector<std::uint32_t> StoredDatabase::Targets(std::uint32_t store, std::uint32_t conceptId,
                                                   std::int16_t relation) {
  using namespace schema;
  std::vector<std::uint32_t> targets;
  for (ArbRecord& link : Find(store, kInternalLinks, {INTERNAL_LINK, SOURCE_CONCEPT}, conceptId)) {
    if (NumberOf(link, RELATION) == relation) targets.push_back(PointerOf(link, TARGET_CONCEPT));
  }
  return targets;
}

std::uint32_t StoredDatabase::IliOf(std::uint32_t store, std::uint32_t conceptId) {
  using namespace schema;
  for (ArbRecord& link : Find(store, kEqLinks, {EQ_LINK, CONCEPT}, conceptId)) {
    if (NumberOf(link, EQ_RELATION) == kEqSynonym) return PointerOf(link, TARGET_ILI);
  }
  return 0;
}

std::string TextOf(ArbRecord& record, std::uint16_t tag, std::int16_t occurrence) {
  char buffer[4096];
  if (record.FindGetString(buffer, sizeof buffer, tag, occurrence) == 0 &&
      record.GetFieldCount(tag) < occurrence) {
    return "<none>";
  }
  return buffer;
}

std::int32_t NumberOf(ArbRecord& record, std::uint16_t tag, std::int16_t occurrence) {
  return record.FindGetWSDWORD(tag, occurrence);
}

std::uint32_t PointerOf(ArbRecord& record, std::uint16_t tag, std::int16_t occurrence) {
  return record.FindGetRecPtr(tag, occurrence);
}

std::vector<std::string> TextsOf(ArbRecord& record, std::uint16_t tag) {
  std::vector<std::string> texts;
  const std::uint16_t count = record.GetFieldCount(tag);
  for (std::int16_t i = 1; i <= count; ++i) texts.push_back(TextOf(record, tag, i));
  return texts;
}
