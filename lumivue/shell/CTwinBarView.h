// The multilingual view: two language trees side by side (TwinPanes), their lists' scroll bars
// facing the LinkView strip between them, which joins the lines that stand for the same ILI
// record. The pane whose list last had the focus is the active one; the commands of the
// monolingual view act on it, and the view adds those that carry concepts across: Find
// Equivalences, Equivalence Link, One-up One-down and Show Links.
#pragma once

#include <array>

#include "shell/CLumivueView.h"
#include "tree/TwinPanes.h"

class LinkView;

class CTwinBarView : public CLumivueView {
  Q_OBJECT
 public:
  // Both panes start with the database's first language, the left one active. `database` and
  // `person` must outlive the view.
  CTwinBarView(std::shared_ptr<CLumivueDoc> document, ViewerDatabase& database,
               PersonInterface& person, QWidget* parent = nullptr);
  ~CTwinBarView() override;

  bool IsMultilingual() const override { return true; }
  ConceptPane& ActivePane() override { return panes_.Active(); }
  TreeListBoxWidget& ActiveTree() override { return *trees_[panes_.ActiveSide()]; }
  ConceptPane* PaneOf(BarSide side) override;
  TreeListBoxWidget* TreeOf(BarSide side) override;
  TwinPanes& Panes() { return panes_; }
  LinkView& Links() const { return *links_; }

  // Besides the monolingual view's commands: Find Equivalences, Show Links (from the active
  // pane), Equivalence Link and One-up One-down.
  bool Run(int commandId) override;
  void LinesChanged() override;
  // Both panes and the active side of `source`, which must be a multilingual view.
  void CopyFrom(CLumivueView& source) override;

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  void ShowLinks();

  TwinPanes panes_;
  std::array<TreeListBoxWidget*, 2> trees_;
  LinkView* links_;
};
