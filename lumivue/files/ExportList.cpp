#include "files/ExportList.h"

#include "shell/MessageTexts.h"
#include "shell/PersonInterface.h"
#include "tree/ConceptItem.h"

ExportList::ExportList(ViewerDatabase& database, PersonInterface& person)
    : person_(person), pane_(database, person) {}

ConceptItem* ExportList::AddSelectedConcept(const ConceptPane& source) {
  const TreeItem* selected = source.Lines().Selected();
  Concept* meaning = selected != nullptr && selected->Kind() == LineKind::kConcept
                         ? static_cast<const ConceptItem*>(selected)->GetConcept()
                         : nullptr;
  if (meaning == nullptr) {
    person_.ShowMessage(message::kConceptNotSelected.text);
    return nullptr;
  }
  pane_.SetLanguage(source.Language());
  return pane_.AddConceptById(meaning->GetRecordID(), ConceptPane::Placement::kAtTop);
}

void ExportList::Clear() {
  pane_.SetLanguage({});
}
