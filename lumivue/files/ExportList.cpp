#include "files/ExportList.h"

#include "tree/ConceptItem.h"

ExportList::ExportList(ViewerDatabase& database, PersonInterface& person)
    : pane_(database, person) {}

ConceptItem* ExportList::AddSelectedConcept(const ConceptPane& source) {
  const ConceptItem* selected = source.SelectedConceptOrSay();
  if (selected == nullptr) return nullptr;
  Concept* meaning = selected->GetConcept();
  pane_.SetLanguage(source.Language());
  return pane_.AddConceptById(meaning->GetRecordID(), ConceptPane::Placement::kAtTop);
}

void ExportList::Clear() {
  pane_.SetLanguage({});
}
