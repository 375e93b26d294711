// The monolingual view: one language tree (a ConceptPane shown by its TreeListBoxWidget) and the
// commands that act on it. The multilingual view (CTwinBarView) derives from it with two panes of
// its own; the commands therefore go through ActivePane() and the trees through TreeOf().
#pragma once

#include <memory>

#include <QPoint>
#include <QString>
#include <QWidget>

#include "bars/BarSide.h"
#include "shell/CommandContext.h"
#include "tree/ConceptPane.h"
#include "tree/LineFinder.h"

class CLumivueDoc;
class PersonInterface;
class QFont;
class TreeListBoxWidget;
class ViewerDatabase;

class CLumivueView : public QWidget {
  Q_OBJECT
 public:
  // A monolingual view with its pane and tree. `database` and `person` must outlive the view.
  CLumivueView(std::shared_ptr<CLumivueDoc> document, ViewerDatabase& database,
               PersonInterface& person, QWidget* parent = nullptr);
  ~CLumivueView() override;

  const std::shared_ptr<CLumivueDoc>& Document() const { return document_; }
  virtual bool IsMultilingual() const { return false; }
  // The pane the commands act on and its tree window.
  virtual ConceptPane& ActivePane() { return *pane_; }
  virtual TreeListBoxWidget& ActiveTree() { return *tree_; }
  // The pane and tree window of a side of the bars; null for a side the view does not have.
  virtual ConceptPane* PaneOf(BarSide side);
  virtual TreeListBoxWidget* TreeOf(BarSide side);

  // Looks up the word form in `text` in the language of the side's pane; a pane that has none yet
  // takes the database's first language. "Word not found !" when nothing is found; an empty text
  // does nothing.
  void LookUp(const QString& text, BarSide side = BarSide::kLeft);
  // Redraws the trees after their lines changed from outside the view (the input bar's look-up)
  // and tells the frame.
  virtual void LinesChanged();
  // Runs a command of the view on the active pane: clearing, notes, the Follow commands, Top
  // hyperonym, the look-up of the current variant and refresh. False for any other command.
  virtual bool Run(int commandId);
  void AddNote(const QString& text);
  // Opens the note dialog on the selected note and keeps what the person wrote.
  void EditSelectedNote();
  // Selects the next (or previous) line holding `text`; "Word not found !" when there is none.
  void Find(const QString& text, LineFinder::Direction direction);
  // The normal and bold fonts of the trees; the rows are measured again and redrawn.
  void SetPaneFont(const QFont& font);
  void SetDataTips(bool on);
  // Fills this (new, empty) view with the lines of `source`, a view of the same kind, as a new
  // window on its document.
  virtual void CopyFrom(CLumivueView& source);
  // Adds what the view knows to the command context: its kind and the active pane's selected line.
  void Describe(CommandContext& context);

 signals:
  // The lines or the selection changed: the commands' enabling may have.
  void StateChanged();
  // A right click on the tree asked for the context menu at `globalPos`.
  void ContextMenuWanted(QPoint globalPos);

 protected:
  // For a derived view that makes its own panes and trees (and attaches them).
  struct WithoutPane {};
  CLumivueView(std::shared_ptr<CLumivueDoc> document, ViewerDatabase& database,
               PersonInterface& person, WithoutPane, QWidget* parent);
  // Routes a tree's selection, context menu, command keys and note edits through the view.
  void Attach(TreeListBoxWidget& tree);

  ViewerDatabase& database_;
  PersonInterface& person_;

 private:
  std::shared_ptr<CLumivueDoc> document_;
  // The monolingual view's own; null in a derived view.
  std::unique_ptr<ConceptPane> pane_;
  TreeListBoxWidget* tree_ = nullptr;
};
