#include "lexicon/DefinitionLookup.h"

#include "ArbCursor.h"
#include "LexicalSchema.h"

namespace lexicon {

int FindSharedDefinition(void* database, std::uint16_t container, std::uint16_t idTag,
                         std::uint16_t id, ArbRecord& definition) {
  ArbCursor cursor(database, container, schema::kSharedStore);
  for (int read = cursor.ReadFirst(definition); read != 0; read = cursor.ReadNext(definition)) {
    std::uint16_t value = 0;
    if (definition.FindField(idTag) != 0 && definition.Get(&value) != 0 && value == id) return 1;
  }
  return 0;
}

}  // namespace lexicon
