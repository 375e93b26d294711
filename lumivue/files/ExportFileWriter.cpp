#include "files/ExportFileWriter.h"

#include <fstream>

#include "LanguageWordNet.h"
#include "files/FileErrorText.h"
#include "shell/LanguageEntry.h"
#include "shell/MessageTexts.h"
#include "shell/PersonInterface.h"
#include "shell/ViewerDatabase.h"
#include "shell/WaitCursor.h"
#include "shell/WideText.h"
#include "tree/ConceptItem.h"
#include "tree/ConceptPane.h"

namespace {

std::string ExportTextOf(LanguageWordNet& wordNet, Concept& meaning) {
  BSTR text = nullptr;
  const int exported = wordNet.ExportConcept(&meaning, &text);
  std::string converted = WideText::Take(text);
  if (exported != 0) return converted;
  return FormatMessage(message::kConceptNotExported.text,
                       static_cast<unsigned long>(meaning.GetRecordID()));
}

}  // namespace

ExportFileWriter::ExportFileWriter(ViewerDatabase& database, PersonInterface& person)
    : database_(database), person_(person) {}

int ExportFileWriter::Write(const std::string& path, const ConceptPane& list) {
  // An empty code would name the ILI language, which exports nothing.
  const LanguageEntry* entry =
      list.Language().empty() ? nullptr : database_.FindLanguage(list.Language());
  if (entry == nullptr) {
    person_.ShowMessage(message::kNoLanguageSelected.text);
    return 0;
  }
  if (list.Lines().First() == nullptr) {
    person_.ShowMessage(message::kExportListEmpty.text);
    return 0;
  }
  WaitCursor wait(person_);
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  if (!file) {
    ShowFileError(path, person_);
    return 0;
  }
  try {
    for (const TreeItem* line = list.Lines().First(); line != nullptr; line = line->Next()) {
      if (line->Level() != 0 || line->IsAttached() || line->Kind() != LineKind::kConcept) continue;
      Concept* meaning = static_cast<const ConceptItem*>(line)->GetConcept();
      if (meaning == nullptr) continue;
      const std::string text = ExportTextOf(entry->WordNet(), *meaning);
      file.write(text.data(), static_cast<std::streamsize>(text.size()));
    }
  } catch (...) {
    database_.ShowCurrentError();
    return 0;
  }
  file.close();
  if (!file) {
    // Saving into a full disk must not look like success.
    ShowFileError(path, person_);
    return 0;
  }
  return 1;
}
