#include "bars/InfoBar.h"

#include "bars/ExportPage.h"
#include "bars/GlossPage.h"
#include "bars/IliPage.h"
#include "bars/SynsetPage.h"
#include "bars/VariantPage.h"
#include "shell/ViewerDatabase.h"
#include "tree/ConceptPane.h"

InfoBar::InfoBar(ViewerDatabase& database, PersonInterface& person, QWidget* parent)
    : QTabWidget(parent),
      database_(database),
      pages_{new GlossPage(this), new SynsetPage(this), new VariantPage(this), new IliPage(this)},
      export_(new ExportPage(database, person, this)) {
  addTab(pages_[InfoPages::kGloss], tr("Gloss"));
  addTab(pages_[InfoPages::kSynset], tr("Synset"));
  addTab(pages_[InfoPages::kVariant], tr("Variant"));
  addTab(pages_[InfoPages::kIli], tr("ILI"));
  addTab(export_, tr("Export"));
  connect(this, &QTabWidget::currentChanged, this,
          [this] { Show(pane_ != nullptr ? pane_->Lines().Selected() : nullptr); });
}

void InfoBar::Refresh(const TreeItem* line, const ConceptPane* pane) {
  pane_ = pane;
  Show(pane != nullptr ? line : nullptr);
}

ConceptItem* InfoBar::AddConceptFrom(const ConceptPane& source) {
  ConceptItem* line = export_->AddConceptFrom(source);
  if (line != nullptr) setCurrentWidget(export_);
  return line;
}

void InfoBar::ForgetDatabase() {
  Refresh(nullptr, nullptr);
  export_->Clear();
}

InfoPage& InfoBar::Page(InfoPages::Tab tab) const {
  return *pages_[tab];
}

void InfoBar::Show(const TreeItem* line) {
  const int tab = currentIndex();
  if (tab < 0 || tab >= InfoPages::kExport) return;
  InfoPages::Content content;
  if (line != nullptr) {
    database_.Guarded([&] { content = InfoPages::For(line, tab, *pane_, database_); });
  }
  pages_[tab]->Show(content);
}
