#include "shell/CLumivueChildFrm.h"

#include <QDockWidget>
#include <QLineEdit>
#include <QMainWindow>
#include <QToolBar>

#include "bars/BrowseBar.h"
#include "bars/InputBar.h"
#include "shell/CLumivueView.h"
#include "tree/ConceptPane.h"
#include "tree/TreeListBoxWidget.h"

namespace {

Qt::DockWidgetArea EdgeOf(BarSide side) {
  return side == BarSide::kLeft ? Qt::LeftDockWidgetArea : Qt::RightDockWidgetArea;
}

}  // namespace

CLumivueChildFrm::CLumivueChildFrm(CLumivueView* view, ViewerDatabase& database,
                                   PersonInterface& person)
    : inner_(new QMainWindow(nullptr, Qt::Widget)),
      view_(view),
      input_(new InputBar(database, person, view->PaneOf(BarSide::kRight) != nullptr)),
      inputToolBar_(new QToolBar(QStringLiteral("Input Bar"), inner_)),
      browse_(new BrowseBar),
      browseDock_(new QDockWidget(QStringLiteral("Browse"), inner_)) {
  setAttribute(Qt::WA_DeleteOnClose);
  inner_->setCentralWidget(view_);

  inputToolBar_->setObjectName(QStringLiteral("inputBar"));
  inputToolBar_->setMovable(false);
  inputToolBar_->addWidget(input_);
  inner_->addToolBar(Qt::TopToolBarArea, inputToolBar_);

  browseDock_->setObjectName(QStringLiteral("browseBar"));
  browseDock_->setFeatures(QDockWidget::DockWidgetClosable | QDockWidget::DockWidgetMovable);
  browseDock_->setAllowedAreas(Qt::LeftDockWidgetArea | Qt::RightDockWidgetArea);
  browseDock_->setWidget(browse_);
  inner_->addDockWidget(Qt::LeftDockWidgetArea, browseDock_);
  // Until the first browse has something to show.
  browseDock_->hide();
  setWidget(inner_);

  for (BarSide side : {BarSide::kLeft, BarSide::kRight}) {
    if (ConceptPane* pane = view_->PaneOf(side)) pane->SetLanguage(input_->LanguageCode(side));
  }
  input_->SetTrees(view_->TreeOf(BarSide::kLeft), view_->TreeOf(BarSide::kRight));
  input_->SetKeyScope(*this);

  connect(input_, &InputBar::LanguageChosen, this, &CLumivueChildFrm::ChooseLanguage);
  connect(input_, &InputBar::BrowseWanted, this,
          [this](BarSide side, const QString&) { BrowseFor(side); });
  connect(input_, &InputBar::LookUpWanted, this,
          [this](BarSide side, const QString&) { RunLookUp(side); });
  connect(input_, &InputBar::ModeChanged, browseDock_, &QDockWidget::setVisible);
  connect(browse_, &BrowseBar::WordChosen, this, [this](BarSide side, const QString& text) {
    view_->LookUp(text, side);
    if (TreeListBoxWidget* tree = view_->TreeOf(side)) tree->setFocus(Qt::OtherFocusReason);
  });
}

void CLumivueChildFrm::LookUp(BarSide side, const QString& text) {
  input_->WordEdit(side).setText(text);
  RunLookUp(side);
}

void CLumivueChildFrm::ShowPaneLanguages() {
  for (BarSide side : {BarSide::kLeft, BarSide::kRight}) {
    if (const ConceptPane* pane = view_->PaneOf(side)) {
      input_->ShowLanguage(side, pane->Language());
    }
  }
}

void CLumivueChildFrm::TakeWordsFrom(const CLumivueChildFrm& source) {
  input_->TakeWordsFrom(source.Input());
  const BarSide side = source.Browse().Side();
  BrowseFor(view_->PaneOf(side) != nullptr ? side : BarSide::kLeft);
}

void CLumivueChildFrm::ChooseLanguage(BarSide side, const QString& code) {
  ConceptPane* pane = view_->PaneOf(side);
  if (pane == nullptr) return;
  pane->SetLanguage(code.toStdString());
  view_->LinesChanged();
}

void CLumivueChildFrm::BrowseFor(BarSide side) {
  ShowBrowse(side, input_->BrowseFor(side));
}

void CLumivueChildFrm::RunLookUp(BarSide side) {
  ConceptPane* pane = view_->PaneOf(side);
  if (pane == nullptr) return;
  InputBarState::Browse browse;
  input_->LookUp(side, *pane, browse);
  ShowBrowse(side, browse);
  view_->LinesChanged();
}

void CLumivueChildFrm::ShowBrowse(BarSide side, const InputBarState::Browse& browse) {
  if (inner_->dockWidgetArea(browseDock_) != EdgeOf(side)) {
    inner_->addDockWidget(EdgeOf(side), browseDock_);
  }
  browse_->Fill(side, browse);
  browseDock_->setVisible(browse.show);
}
