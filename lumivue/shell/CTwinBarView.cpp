#include "shell/CTwinBarView.h"

#include <QResizeEvent>

#include "shell/CommandId.h"
#include "tree/LinkView.h"
#include "tree/TreeListBoxWidget.h"

namespace {

// The leader lines of the left list, which runs up to the strip.
const QColor kLeaderColour(0x80, 0x80, 0x80);
// The first column of each list leaves this much of its pane free.
constexpr int kColumnMargin = 20;

TwinPanes::Side SideOf(BarSide side) {
  return side == BarSide::kLeft ? TwinPanes::kLeft : TwinPanes::kRight;
}

}  // namespace

CTwinBarView::CTwinBarView(std::shared_ptr<CLumivueDoc> document, ViewerDatabase& database,
                           PersonInterface& person, QWidget* parent)
    : CLumivueView(std::move(document), database, person, WithoutPane{}, parent),
      panes_(database, person),
      trees_{new TreeListBoxWidget(panes_.Pane(TwinPanes::kLeft), this),
             new TreeListBoxWidget(panes_.Pane(TwinPanes::kRight), this)},
      links_(new LinkView(*trees_[0], *trees_[1], this)) {
  trees_[0]->SetScrollBarSide(TreeListBoxWidget::ScrollBarSide::kLeft);
  trees_[0]->SetDrawingMode(1, kLeaderColour, kLeaderColour);
  trees_[1]->SetScrollBarSide(TreeListBoxWidget::ScrollBarSide::kRight);
  trees_[1]->SetDrawingMode(0, kLeaderColour, kLeaderColour);
  for (const TwinPanes::Side side : {TwinPanes::kLeft, TwinPanes::kRight}) {
    TreeListBoxWidget* tree = trees_[side];
    Attach(*tree);
    connect(tree, &TreeListBoxWidget::ScrolledOrChanged, links_, qOverload<>(&QWidget::update));
    connect(tree, &TreeListBoxWidget::SelectionChanged, links_, qOverload<>(&QWidget::update));
    connect(tree, &TreeListBoxWidget::FocusGained, this, [this, side] {
      links_->update();
      if (panes_.ActiveSide() == side) return;
      panes_.SetActiveSide(side);
      emit StateChanged();
    });
  }
  setFocusProxy(trees_[0]);
  panes_.StartWithFirstLanguage();
}

CTwinBarView::~CTwinBarView() {
  // The strip and the lists draw the panes; they go while the panes are still there.
  delete links_;
  delete trees_[0];
  delete trees_[1];
}

ConceptPane* CTwinBarView::PaneOf(BarSide side) {
  return &panes_.Pane(SideOf(side));
}

TreeListBoxWidget* CTwinBarView::TreeOf(BarSide side) {
  return trees_[SideOf(side)];
}

bool CTwinBarView::Run(int commandId) {
  switch (commandId) {
    case command::kFindEquivalences:
      panes_.FindEquivalences();
      break;
    case command::kEquivalenceLink:
      panes_.EquivalenceLink();
      break;
    case command::kOneUpOneDown:
      panes_.OneUpOneDown();
      break;
    case command::kShowLinks:
      ShowLinks();
      return true;
    default:
      return CLumivueView::Run(commandId);
  }
  LinesChanged();
  return true;
}

void CTwinBarView::ShowLinks() {
  const TwinPanes::Side from = panes_.ActiveSide();
  const auto shown = panes_.ShowLinks(from, trees_[from]->TopIndex());
  if (!shown) return;
  TreeListBoxWidget& other = *trees_[TwinPanes::OtherSide(from)];
  other.SetTopIndex(shown->topIndex);
  other.viewport()->update();
  links_->update();
  emit StateChanged();
}

void CTwinBarView::LinesChanged() {
  CLumivueView::LinesChanged();
  links_->update();
}

void CTwinBarView::CopyFrom(CLumivueView& source) {
  panes_.CopyFrom(static_cast<CTwinBarView&>(source).panes_);
  LinesChanged();
}

void CTwinBarView::resizeEvent(QResizeEvent* event) {
  const int width = event->size().width();
  const int height = event->size().height();
  const int gap = width / 20;
  const int half = width / 2;
  trees_[0]->setGeometry(0, 0, half - gap, height);
  links_->setGeometry(half - gap, 0, 2 * gap, height);
  trees_[1]->setGeometry(half + gap, 0, half - gap, height);
  for (TreeListBoxWidget* tree : trees_) {
    tree->SetFirstColumnWidth(std::max(tree->width() - kColumnMargin, 0));
  }
  CLumivueView::resizeEvent(event);
}
