#include "BarsTestSupport.h"

#include "LanguageWordNet.h"
#include "ShellSupport.h"
#include "shell/WideText.h"
#include "tree/ConceptItem.h"

WordNetBars::WordNetBars() {
  const QString path = TestWordNet();
  if (path.isEmpty() || database.Open(path.toStdString()) != 1) return;
  pane.SetLanguage("EN");
}

TreeItem* WordNetBars::SelectFirst(const std::string& word, LineKind kind) {
  pane.LookUp(word, nullptr, 0);
  for (std::size_t row = 0; row < pane.Lines().VisibleCount(); ++row) {
    TreeItem* line = pane.Lines().VisibleLine(row);
    if (line->Kind() != kind) continue;
    pane.Select(line);
    return line;
  }
  return nullptr;
}

std::string WordNetBars::ExportText(const ConceptItem& line) {
  BSTR text = nullptr;
  database.FindLanguage(pane.Language())->WordNet().ExportConcept(line.GetConcept(), &text);
  return WideText::Take(text);
}
