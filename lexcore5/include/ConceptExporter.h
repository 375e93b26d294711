// Writes a concept of one language wordnet as its full level-numbered text: the concept line, its
// part of speech, its variants (last to first), its internal links and its equivalence links, each
// line opened by the prefix of its level and ended by a carriage return and a line feed.
//
// Ownership: the exporter owns the usage label and feature definitions it loads when it is made
// and releases them when it is destroyed; the database handle stays the caller's and must outlive
// the exporter.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "ArbRecord.h"
#include "LexcoreExport.h"

class String;
class UsageLabel;
class VariantFeature;
namespace lexicon {
class ExportLineWriter;
}

class LEXCORE_API ConceptExporter {
 public:
  // The most definitions of each kind that an exporter keeps; further ones are read and dropped.
  static constexpr std::size_t kMaxDefinitions = 150;

  // Loads the shared definitions of store 96, then the local ones of language store `store`,
  // usage labels and features alike. Store failures while loading leave the definitions read so
  // far; a cursor that cannot start throws ArbError.
  ConceptExporter(void* database, std::uint32_t store);
  ConceptExporter(const ConceptExporter&) = delete;
  ConceptExporter& operator=(const ConceptExporter&) = delete;
  ~ConceptExporter();

  // Replaces the contents of `text` with the text of `conceptRecord` (a concept record of this
  // exporter's store) and returns 1. Missing definitions, codes or target records never stop the
  // text: they are written as empty quotes or as the ID between at signs, or skipped. A
  // PLXException on the way appends a line end, "# An exception occurred: <message>" and a line
  // end to the text written so far and is thrown on; other exceptions (ArbError, the string's
  // allocation failures) pass through untouched.
  int Write(ArbRecord conceptRecord, String& text);

  std::size_t GetUsageLabelCount() const { return usageLabels_.size(); }
  std::size_t GetFeatureCount() const { return features_.size(); }

 private:
  void WriteVariants(std::uint32_t conceptId, lexicon::ExportLineWriter& lines);
  void WriteInternalLinks(std::uint32_t conceptId, lexicon::ExportLineWriter& lines);
  void WriteEqLinks(std::uint32_t conceptId, lexicon::ExportLineWriter& lines);
  void WriteVariant(ArbRecord& variant, lexicon::ExportLineWriter& lines);
  // The lines of the children of the group field `group` of `variant`.
  void WriteUsageLabels(ArbRecord& variant, node* group, lexicon::ExportLineWriter& lines);
  void WriteFeatures(ArbRecord& variant, node* group, lexicon::ExportLineWriter& lines);

  UsageLabel* FindUsageLabel(std::uint16_t id) const;
  VariantFeature* FindFeature(std::uint16_t id) const;

  void* database_;
  std::uint32_t store_;
  std::vector<UsageLabel*> usageLabels_;
  std::vector<VariantFeature*> features_;
};
