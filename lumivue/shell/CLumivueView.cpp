#include "shell/CLumivueView.h"

#include <QFont>
#include <QVBoxLayout>

#include "shell/CLumivueDoc.h"
#include "shell/CommandId.h"
#include "shell/MessageTexts.h"
#include "shell/NoteDialog.h"
#include "shell/PersonInterface.h"
#include "shell/ViewerDatabase.h"
#include "tree/ConceptItem.h"
#include "tree/FollowCommand.h"
#include "tree/TreeListBoxWidget.h"

CLumivueView::CLumivueView(std::shared_ptr<CLumivueDoc> document, ViewerDatabase& database,
                           PersonInterface& person, QWidget* parent)
    : QWidget(parent),
      document_(std::move(document)),
      database_(database),
      person_(person),
      pane_(database, person),
      tree_(new TreeListBoxWidget(pane_, this)) {
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(tree_);
  setFocusProxy(tree_);
  connect(tree_, &TreeListBoxWidget::SelectionChanged, this, &CLumivueView::StateChanged);
  connect(tree_, &TreeListBoxWidget::ContextMenuWanted, this, &CLumivueView::ContextMenuWanted);
  connect(tree_, &TreeListBoxWidget::CommandWanted, this,
          [this](int commandId) { Run(commandId); });
  connect(tree_, &TreeListBoxWidget::NoteEditWanted, this, &CLumivueView::EditSelectedNote);
}

CLumivueView::~CLumivueView() {
  // The tree draws the pane; it must go while the pane is still there.
  delete tree_;
}

ConceptPane* CLumivueView::PaneOf(BarSide side) {
  return side == BarSide::kLeft ? &pane_ : nullptr;
}

TreeListBoxWidget* CLumivueView::TreeOf(BarSide side) {
  return side == BarSide::kLeft ? tree_ : nullptr;
}

void CLumivueView::LookUp(const QString& text, BarSide side) {
  ConceptPane* pane = PaneOf(side);
  if (pane == nullptr || text.trimmed().isEmpty()) return;
  std::string language = pane->Language();
  if (language.empty() && !database_.LanguageList().empty()) {
    language = database_.LanguageList().front().Code();
  }
  if (language.empty()) {
    person_.ShowMessage(message::kNoLanguageSelected.text);
    return;
  }
  const TreeItem* found = pane->LookUpFromBar(language, text.toStdString());
  LinesChanged();
  if (found == nullptr) person_.ShowMessage(message::kWordNotFound.text);
}

bool CLumivueView::Run(int commandId) {
  switch (commandId) {
    case command::kClearTree:
    case command::kDropClearTree:
      pane_.ClearTree();
      break;
    case command::kClearSubtree:
    case command::kDropClearSubtree:
      pane_.ClearSubtree();
      break;
    case command::kAddNote:
      if (const auto text = NoteDialog::Ask(QString(), this)) AddNote(*text);
      return true;
    case command::kTopHyperonym:
      pane_.TopHyperonym();
      break;
    case command::kLookUpVariant:
      pane_.LookUpCurrentVariant();
      break;
    case command::kRefresh:
      pane_.Refresh();
      break;
    default:
      if (FollowCommand::ById(commandId) == nullptr) return false;
      pane_.Follow(commandId);
  }
  LinesChanged();
  return true;
}

void CLumivueView::AddNote(const QString& text) {
  pane_.AddNote(text.toStdString());
  LinesChanged();
  tree_->setFocus(Qt::OtherFocusReason);
}

void CLumivueView::EditSelectedNote() {
  TreeItem* note = pane_.Lines().Selected();
  if (note == nullptr || note->Kind() != LineKind::kNote) return;
  const auto text = NoteDialog::Ask(QString::fromStdString(note->Text()), this);
  if (text && pane_.EditNote(*note, text->toStdString())) LinesChanged();
}

void CLumivueView::Find(const QString& text, LineFinder::Direction direction) {
  pane_.Find(text.toStdString(), direction);
  LinesChanged();
}

void CLumivueView::SetPaneFont(const QFont& font) {
  tree_->setFont(font);
  tree_->LinesChanged();
}

void CLumivueView::SetDataTips(bool on) {
  tree_->SetDataTips(on);
}

void CLumivueView::CopyFrom(CLumivueView& source) {
  pane_.CopyFrom(source.pane_);
  LinesChanged();
}

void CLumivueView::Describe(CommandContext& context) {
  context.hasView = true;
  const TreeItem* selected = pane_.Lines().Selected();
  if (selected == nullptr) return;
  context.selectedKind = selected->Kind();
  context.conceptSelected = selected->Kind() == LineKind::kConcept &&
                            static_cast<const ConceptItem*>(selected)->GetConcept() != nullptr;
}

void CLumivueView::LinesChanged() {
  tree_->LinesChanged();
  emit StateChanged();
}
