// A record for building the ontology by hand: a new record tree with a root tag of the builder's
// choice, a gloss, and a links group. Nothing in the library creates one; builders derive from it
// or reach it through lexicon::Factory, and store it with the record operations of ArbRecord.
//
// Link records no link yet: it only makes sure the links group exists, and always answers 0 so
// that no builder takes a link for stored.
#pragma once

#include <cstdint>

#include "ArbRecord.h"
#include "LexcoreExport.h"
#include "SysString.h"

namespace lexicon {
class Factory;
}

// The relations Link takes. Which value stands for which pointer field (SUPER, SUB, SIMILAR,
// OPPOSITE) is not settled; value 3 is the one relation a record built without its flag refuses.
enum eOntologyRelation : std::int32_t {
  eOntologyFlaggedRelation = 3,
};

class LEXCORE_API OntologyRecord : public ArbRecord {
 public:
  // Copies take the record tree and the flag.
  OntologyRecord(const OntologyRecord& other) = default;
  OntologyRecord& operator=(const OntologyRecord& other) = default;

  void Destroy() { delete this; }

  // 0 before the record is stored.
  std::int32_t GetRecordID() { return static_cast<std::int32_t>(GetID()); }
  // The first GLOSS as a new string in *gloss: 1. Without a GLOSS field 0 and *gloss untouched;
  // a GLOSS that cannot be read gives 0 with *gloss null. Whatever *gloss held before is not freed.
  int GetGloss(BSTR* gloss);
  // Sets the first GLOSS, adding one as the root's last child when there is none (null or empty
  // text removes it again). 0 when the field cannot be added or the text cannot be stored (text
  // that is not valid UTF-8, or too long); 1 otherwise.
  int PutGloss(const char* gloss);
  // Adds the ONTOLOGY_LINKS group as the root's last child when the record has none, unless
  // `relation` is eOntologyFlaggedRelation on a record built without the flag (then nothing
  // changes). `target` is not recorded; the result is always 0.
  int Link(eOntologyRelation relation, std::uint32_t target);

 protected:
  friend class lexicon::Factory;

  // A new record whose root field has tag `recordType`; `flag` not 0 lets Link take
  // eOntologyFlaggedRelation.
  OntologyRecord(std::uint16_t recordType, int flag);
  ~OntologyRecord() override;

 private:
  int flag_;
};
