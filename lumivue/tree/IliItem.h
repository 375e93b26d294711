// An ILI line, attached below a concept line: one record of the inter-lingual index that the
// concept is linked to, shown by its gloss with the equivalence relation as its icon. A concept
// without any such record gets one "<No ILI links>" line instead.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "Concept.h"
#include "ILIRecord.h"
#include "lexicon/Factory.h"
#include "tree/TreeItem.h"

class IliItem : public TreeItem {
 public:
  static constexpr const char* kNoGlossText = "<No Gloss>";
  static constexpr const char* kNoLinksText = "<No ILI links>";
  // The equivalence relations that get ILI lines, in the order they are shown.
  static constexpr std::int16_t kFirstEqRelation = 1;
  static constexpr std::int16_t kLastEqRelation = 9;

  // Takes the record over. Text: its gloss, or "<No Gloss>" when it has none; icon 4 + relation;
  // its link identifiers: the record's ID.
  IliItem(lexicon::Owned<ILIRecord> record, std::int16_t eqRelation);
  // "<No ILI links>": no record, relation 0, icon 4, no link identifiers.
  static std::unique_ptr<IliItem> NoLinks();

  // The ILI lines of a concept, in the order they are attached: for equivalence relations 1 to 9
  // in turn, each of the concept's ILI records of that relation in the library's order; one
  // NoLinks() line when there is none. What the library throws passes through.
  static std::vector<std::unique_ptr<IliItem>> LinesOf(Concept& meaning);

  // Owned by the line; null for the "<No ILI links>" line.
  ILIRecord* Record() const { return record_.get(); }
  // 0 when there is no record.
  std::int32_t RecordId() const { return record_ ? record_->GetRecordID() : 0; }
  std::int16_t EqRelation() const { return eqRelation_; }

 private:
  IliItem();

  lexicon::Owned<ILIRecord> record_;
  std::int16_t eqRelation_ = 0;
};
