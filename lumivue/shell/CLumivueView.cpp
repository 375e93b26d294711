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
    : CLumivueView(std::move(document), database, person, WithoutPane{}, parent) {
  pane_ = std::make_unique<ConceptPane>(database, person);
  tree_ = new TreeListBoxWidget(*pane_, this);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(tree_);
  setFocusProxy(tree_);
  Attach(*tree_);
}

CLumivueView::CLumivueView(std::shared_ptr<CLumivueDoc> document, ViewerDatabase& database,
                           PersonInterface& person, WithoutPane, QWidget* parent)
    : QWidget(parent), database_(database), person_(person), document_(std::move(document)) {}

CLumivueView::~CLumivueView() {
  // The tree draws the pane; it must go while the pane is still there.
  delete tree_;
}

void CLumivueView::Attach(TreeListBoxWidget& tree) {
  connect(&tree, &TreeListBoxWidget::SelectionChanged, this, &CLumivueView::StateChanged);
  connect(&tree, &TreeListBoxWidget::ContextMenuWanted, this, &CLumivueView::ContextMenuWanted);
  connect(&tree, &TreeListBoxWidget::CommandWanted, this,
          [this](int commandId) { Run(commandId); });
  connect(&tree, &TreeListBoxWidget::NoteEditWanted, this, &CLumivueView::EditSelectedNote);
}

ConceptPane* CLumivueView::PaneOf(BarSide side) {
  return side == BarSide::kLeft ? pane_.get() : nullptr;
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
      ActivePane().ClearTree();
      break;
    case command::kClearSubtree:
    case command::kDropClearSubtree:
      ActivePane().ClearSubtree();
      break;
    case command::kAddNote:
      if (const auto text = NoteDialog::Ask(QString(), this)) AddNote(*text);
      return true;
    case command::kTopHyperonym:
      ActivePane().TopHyperonym();
      break;
    case command::kLookUpVariant:
      ActivePane().LookUpCurrentVariant();
      break;
    case command::kRefresh:
      ActivePane().Refresh();
      break;
    default:
      if (FollowCommand::ById(commandId) == nullptr) return false;
      ActivePane().Follow(commandId);
  }
  LinesChanged();
  return true;
}

void CLumivueView::AddNote(const QString& text) {
  ActivePane().AddNote(text.toStdString());
  LinesChanged();
  ActiveTree().setFocus(Qt::OtherFocusReason);
}

void CLumivueView::EditSelectedNote() {
  TreeItem* note = ActivePane().Lines().Selected();
  if (note == nullptr || note->Kind() != LineKind::kNote) return;
  const auto text = NoteDialog::Ask(QString::fromStdString(note->Text()), this);
  if (text && ActivePane().EditNote(*note, text->toStdString())) LinesChanged();
}

void CLumivueView::Find(const QString& text, LineFinder::Direction direction) {
  ActivePane().Find(text.toStdString(), direction);
  LinesChanged();
}

void CLumivueView::SetPaneFont(const QFont& font) {
  for (BarSide side : {BarSide::kLeft, BarSide::kRight}) {
    if (TreeListBoxWidget* tree = TreeOf(side)) {
      tree->setFont(font);
      tree->LinesChanged();
    }
  }
}

void CLumivueView::SetDataTips(bool on) {
  for (BarSide side : {BarSide::kLeft, BarSide::kRight}) {
    if (TreeListBoxWidget* tree = TreeOf(side)) tree->SetDataTips(on);
  }
}

void CLumivueView::CopyFrom(CLumivueView& source) {
  ActivePane().CopyFrom(source.ActivePane());
  LinesChanged();
}

void CLumivueView::Describe(CommandContext& context) {
  context.hasView = true;
  context.multilingual = IsMultilingual();
  const TreeItem* selected = ActivePane().Lines().Selected();
  if (selected == nullptr) return;
  context.selectedKind = selected->Kind();
  context.conceptSelected = ActivePane().SelectedConcept() != nullptr;
}

void CLumivueView::LinesChanged() {
  for (BarSide side : {BarSide::kLeft, BarSide::kRight}) {
    if (TreeListBoxWidget* tree = TreeOf(side)) tree->LinesChanged();
  }
  emit StateChanged();
}
