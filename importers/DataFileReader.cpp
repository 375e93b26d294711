#include "DataFileReader.h"

#include <algorithm>
#include <string>
#include <vector>

#include "BuildFailure.h"
#include "FieldReader.h"
#include "LexicographerFiles.h"
#include "RelationTable.h"
#include "TextFile.h"
#include "VerbFrames.h"

namespace importers {
namespace {

constexpr std::string_view kGlossSeparator = " |";

struct Marker {
  std::string_view suffix;
  AdjectivePosition position;
};
constexpr Marker kMarkers[] = {{"(a)", AdjectivePosition::kAttributive},
                               {"(p)", AdjectivePosition::kPredicative},
                               {"(ip)", AdjectivePosition::kPostnominal}};

// Reads one synset line; throws BuildFailure through Fail, warns through the diagnostics.
class SynsetLineReader {
 public:
  SynsetLineReader(PosFile file, const std::string& path, const TextLine& line,
                   Diagnostics* diagnostics)
      : file_(file),
        path_(path),
        line_(line),
        diagnostics_(diagnostics),
        bar_(line.text.find(kGlossSeparator)),
        fields_(line.text.substr(0, bar_)) {}

  WordNetSynset Read() {
    if (bar_ == std::string_view::npos) Fail("no gloss: the line is incomplete");
    WordNetSynset synset;
    synset.file = file_;
    synset.line = line_.number;
    ReadHead(&synset);
    ReadWords(&synset);
    ReadPointers(&synset);
    if (file_ == PosFile::kVerb && !fields_.AtEnd()) ReadFrames(&synset);
    if (!fields_.AtEnd()) Fail("unexpected fields before the gloss");
    synset.gloss = Trimmed(line_.text.substr(bar_ + kGlossSeparator.size()));
    return synset;
  }

 private:
  [[noreturn]] void Fail(const std::string& what) const {
    throw BuildFailure(WhereText(path_, line_.number, what));
  }
  void Warn(const std::string& what) const { diagnostics_->Warn(path_, line_.number, what); }

  std::string_view Field(const char* what) {
    std::string_view field;
    if (!fields_.Next(&field)) Fail(std::string("missing ") + what);
    return field;
  }
  std::uint32_t Decimal(const char* what) {
    std::uint32_t value = 0;
    const std::string_view field = Field(what);
    if (!ParseDecimal(field, &value)) {
      Fail(std::string("bad ") + what + " '" + std::string(field) + "'");
    }
    return value;
  }
  std::uint32_t Hex(const char* what) {
    std::uint32_t value = 0;
    const std::string_view field = Field(what);
    if (!ParseHex(field, &value)) {
      Fail(std::string("bad ") + what + " '" + std::string(field) + "'");
    }
    return value;
  }

  static std::string Trimmed(std::string_view text) {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    const std::size_t last = text.find_last_not_of(" \r");
    return std::string(text.substr(first, last - first + 1));
  }

  bool TypeFitsFile(char type) const {
    PosFile file;
    return PosFileOfLetter(type, &file) && file == file_;
  }

  void ReadHead(WordNetSynset* synset) {
    synset->offset = Decimal("offset");
    if (synset->offset != line_.offset) {
      Fail("offset " + std::to_string(synset->offset) + " is not the line's position " +
           std::to_string(line_.offset) + " (file edited or damaged)");
    }
    const std::uint32_t lexFile = Decimal("lexicographer file number");
    if (LexicographerFileOf(static_cast<int>(lexFile)) == nullptr) {
      Fail("unknown lexicographer file number " + std::to_string(lexFile));
    }
    synset->lexFile = static_cast<std::uint8_t>(lexFile);
    const std::string_view type = Field("synset type");
    if (type.size() != 1 || !TypeFitsFile(type[0])) {
      Fail("synset type '" + std::string(type) + "' does not belong in this file");
    }
    synset->type = type[0];
  }

  void ReadWords(WordNetSynset* synset) {
    const std::uint32_t count = Hex("word count");
    if (count == 0 || count > 0xFF) Fail("bad word count " + std::to_string(count));
    for (std::uint32_t i = 0; i < count; ++i) {
      WordNetWord word;
      std::string_view text = Field("word");
      if (file_ == PosFile::kAdjective) {
        for (const Marker& marker : kMarkers) {
          if (text.size() > marker.suffix.size() && text.ends_with(marker.suffix)) {
            text.remove_suffix(marker.suffix.size());
            word.position = marker.position;
            break;
          }
        }
      }
      word.lemma = std::string(text);
      const std::uint32_t lexId = Hex("lex_id");
      if (lexId > 0xF) Fail("bad lex_id " + std::to_string(lexId));
      word.lexId = static_cast<std::uint8_t>(lexId);
      synset->words.push_back(std::move(word));
    }
  }

  void ReadPointers(WordNetSynset* synset) {
    const std::uint32_t count = Decimal("pointer count");
    for (std::uint32_t i = 0; i < count; ++i) {
      const std::string_view symbol = Field("pointer symbol");
      WordNetPointer pointer;
      pointer.target = Decimal("pointer offset");
      const std::string_view pos = Field("pointer part of speech");
      if (pos.size() != 1 || !PosFileOfLetter(pos[0], &pointer.targetFile)) {
        Fail("bad pointer part of speech '" + std::string(pos) + "'");
      }
      const std::string_view words = Field("pointer source/target");
      std::uint32_t sourceTarget = 0;
      if (words.size() != 4 || !ParseHex(words, &sourceTarget)) {
        Fail("bad pointer source/target '" + std::string(words) + "'");
      }
      const auto sourceWord = static_cast<std::uint8_t>(sourceTarget >> 8);
      pointer.sourceWord = synset->ExistingWord(sourceWord);
      pointer.targetWord = static_cast<std::uint8_t>(sourceTarget & 0xFF);
      pointer.relation = RelationOfPointer(symbol);
      if (pointer.relation == 0) {
        Warn("pointer symbol '" + std::string(symbol) + "' is unknown; pointer skipped");
      } else if (sourceWord != 0 && pointer.sourceWord == 0) {
        Warn("pointer from word " + std::to_string(sourceWord) + ", which the synset lacks; " +
             "pointer skipped");
      } else {
        synset->pointers.push_back(pointer);
      }
    }
  }

  void ReadFrames(WordNetSynset* synset) {
    const std::uint32_t count = Decimal("frame count");
    for (std::uint32_t i = 0; i < count; ++i) {
      if (Field("frame marker") != "+") Fail("a verb frame without its '+'");
      const std::uint32_t frame = Decimal("frame number");
      const std::uint32_t number = Hex("frame word number");
      const std::uint8_t word =
          number > 0xFF ? 0 : synset->ExistingWord(static_cast<std::uint8_t>(number));
      if (VerbFrameText(static_cast<int>(frame)) == nullptr) {
        Warn("unknown verb frame " + std::to_string(frame) + "; skipped");
      } else if (number != 0 && word == 0) {
        Warn("verb frame for word " + std::to_string(number) + ", which the synset lacks; skipped");
      } else {
        const VerbFrame entry{static_cast<std::uint8_t>(frame), word};
        const bool known = std::any_of(
            synset->frames.begin(), synset->frames.end(),
            [&](const VerbFrame& f) { return f.frame == entry.frame && f.word == entry.word; });
        if (!known) synset->frames.push_back(entry);
      }
    }
  }

  PosFile file_;
  const std::string& path_;
  const TextLine& line_;
  Diagnostics* diagnostics_;
  std::size_t bar_;  // where the gloss starts
  FieldReader fields_;
};

// Licence lines at the top of every WordNet file start with two blanks.
bool IsHeaderLine(std::string_view text) {
  return text.starts_with("  ");
}

}  // namespace

void ReadDataFile(PosFile file, WordNet* wordnet, Diagnostics* diagnostics) {
  const std::string path = wordnet->DataPath(file);
  TextFile text = TextFile::Read(path);
  wordnet->fileStart[static_cast<int>(file)] = static_cast<std::uint32_t>(wordnet->synsets.size());
  TextLine line;
  bool inHeader = true;
  while (text.Next(&line)) {
    if (inHeader && IsHeaderLine(line.text)) continue;
    inHeader = false;
    if (!line.terminated) {
      throw BuildFailure(
          WhereText(path, line.number, "the last line is cut off (file truncated?)"));
    }
    if (!IsValidUtf8(line.text)) {
      throw BuildFailure(WhereText(path, line.number, "text is not valid UTF-8"));
    }
    wordnet->synsets.push_back(SynsetLineReader(file, path, line, diagnostics).Read());
  }
  wordnet->fileStart[static_cast<int>(file) + 1] =
      static_cast<std::uint32_t>(wordnet->synsets.size());
}

}  // namespace importers
