#include "lexicon/AssignText.h"

namespace lexicon {

int AssignText(ArbRecord& record, std::uint16_t tag, const char* text, std::int16_t position) {
  if (record.FindField(tag) != 0) return record.Put(text);
  if (record.AddField(tag, position, ArbRecord::eFromRoot, ArbRecord::eGraftChild) == 0) return 0;
  if (record.Put(text) != 0) return 1;
  record.DeleteField(0);  // the added field, still current; the refusal's code stays kept
  return 0;
}

}  // namespace lexicon
