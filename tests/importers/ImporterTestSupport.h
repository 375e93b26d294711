// Scratch folders, small hand-written WordNet folders, and read-back of built databases for the
// importer tests.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "ArbRecord.h"
#include "DatabaseBuilder.h"
#include "FxDatabase.h"
#include "FxSession.h"

// A folder of its own under the test temp dir, removed with everything in it.
class ScratchDir {
 public:
  ScratchDir();
  ScratchDir(const ScratchDir&) = delete;
  ScratchDir& operator=(const ScratchDir&) = delete;
  ~ScratchDir();
  std::string Path(const std::string& name) const { return path_ + "/" + name; }
  const std::string& Path() const { return path_; }
  // The names of the files in the folder, sorted.
  std::vector<std::string> Files() const;

 private:
  std::string path_;
};

void WriteTextFile(const std::string& path, const std::string& text);

// A WordNet folder written from synset lines whose offsets are placeholders: "{name}" in a line
// stands for the 8-digit offset of the synset called `name`, so lines can point at each other
// before their positions are known.
class WordNetSnippet {
 public:
  // `suffix` is noun, verb, adj or adv; `body` is the line after its offset and blank.
  void Synset(const std::string& suffix, const std::string& name, const std::string& body);
  // Puts a filler synset before the next one so that it starts exactly at `offset`.
  void PadTo(const std::string& suffix, std::uint32_t offset);
  // An index.<suffix> line, placeholders allowed.
  void IndexLine(const std::string& suffix, const std::string& line);
  void ExtraFile(const std::string& name, const std::string& text) { extra_[name] = text; }
  // Writes data.*, index.* (empty ones too) and the extra files into `directory`.
  void Write(const std::string& directory);
  // The offset of the named synset; valid after Write.
  std::uint32_t OffsetOf(const std::string& name) const { return offsets_.at(name); }
  // The offset as tab files write it: "02084071".
  std::string OffsetText(const std::string& name) const;

 private:
  struct Line {
    std::string name;  // empty for a filler
    std::string body;
    std::uint32_t padTo = 0;
  };
  std::string Resolve(const std::string& text) const;

  std::map<std::string, std::vector<Line>> data_;
  std::map<std::string, std::vector<std::string>> index_;
  std::map<std::string, std::string> extra_;
  std::map<std::string, std::uint32_t> offsets_;
};

// Runs BuildDatabase and collects its warnings.
struct BuildRun {
  bool ok = false;
  std::string error;
  importers::BuildReport report;
  std::vector<std::string> warnings;
};
BuildRun RunBuild(const importers::BuildOptions& options);

// A built database opened read-only, with look-ups by field.
class StoredDatabase {
 public:
  explicit StoredDatabase(const std::string& path);
  bool IsOpen() const { return database_.IsOpen() != 0; }

  // The record, or an empty one when it cannot be retrieved.
  ArbRecord Get(std::uint32_t store, std::uint16_t container, std::uint32_t id);
  // The records of (store, container) whose field at `path` (root tag first) equals the value,
  // in record ID order.
  std::vector<ArbRecord> Find(std::uint32_t store, std::uint16_t container,
                              std::vector<std::uint16_t> path, const std::string& text);
  std::vector<ArbRecord> Find(std::uint32_t store, std::uint16_t container,
                              std::vector<std::uint16_t> path, std::uint32_t number);
  std::uint32_t Count(std::uint32_t store, std::uint16_t container);

  // The variant records of `store` with this literal, part of speech (concept's) and sense; the
  // concept ID of the first, or 0.
  std::uint32_t ConceptOf(std::uint32_t store, const std::string& literal, std::uint16_t pos,
                          std::int16_t sense);
  // "literal sense" of every variant of the concept, in record ID order.
  std::vector<std::string> WordsOf(std::uint32_t store, std::uint32_t conceptId);
  // The concepts that concept `conceptId` links to by `relation`, in link order.
  std::vector<std::uint32_t> Targets(std::uint32_t store, std::uint32_t conceptId,
                                     std::int16_t relation);
  // The ILI record ID the concept's eq_synonym link names, or 0.
  std::uint32_t IliOf(std::uint32_t store, std::uint32_t conceptId);

 private:
  FxSession session_;
  FxDatabase database_{session_};
};

// Field readers that leave the record's current field alone.
std::string TextOf(ArbRecord& record, std::uint16_t tag, std::int16_t occurrence = 1);
std::int32_t NumberOf(ArbRecord& record, std::uint16_t tag, std::int16_t occurrence = 1);
std::uint32_t PointerOf(ArbRecord& record, std::uint16_t tag, std::int16_t occurrence = 1);
// The texts of every field with `tag`, in record order.
std::vector<std::string> TextsOf(ArbRecord& record, std::uint16_t tag);
