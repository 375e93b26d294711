#include "tree/IliItem.h"

#include <string>
#include <utility>

#include "ILIRecords.h"
#include "shell/WideText.h"

namespace {
constexpr int kFirstIliImage = 4;
constexpr std::uint8_t kIliFlags = line_flag::kAttached | line_flag::kVisible;

std::string GlossOf(ILIRecord& record) {
  std::string gloss = WideText::Take(record.GetGloss());
  return gloss.empty() ? IliItem::kNoGlossText : gloss;
}
}  // namespace

IliItem::IliItem(lexicon::Owned<ILIRecord> record, std::int16_t eqRelation)
    : TreeItem(LineKind::kIli, GlossOf(*record), kFirstIliImage + eqRelation, kIliFlags),
      record_(std::move(record)),
      eqRelation_(eqRelation) {
  SetLinkIds({record_->GetRecordID()});
}

IliItem::IliItem() : TreeItem(LineKind::kIli, kNoLinksText, kFirstIliImage, kIliFlags) {}

std::unique_ptr<IliItem> IliItem::NoLinks() {
  return std::unique_ptr<IliItem>(new IliItem());
}

std::vector<std::unique_ptr<IliItem>> IliItem::LinesOf(Concept& meaning) {
  std::vector<std::unique_ptr<IliItem>> lines;
  for (std::int16_t relation = kFirstEqRelation; relation <= kLastEqRelation; ++relation) {
    ILIRecords* found = nullptr;
    if (meaning.GetILIRecords(relation, &found) == 0 || found == nullptr) continue;
    const lexicon::Owned<ILIRecords> records(found);
    ILIRecord* record = nullptr;
    while (records->GetNext(&record) != 0) {
      lines.push_back(std::make_unique<IliItem>(lexicon::Owned<ILIRecord>(record), relation));
    }
  }
  if (lines.empty()) lines.push_back(NoLinks());
  return lines;
}
