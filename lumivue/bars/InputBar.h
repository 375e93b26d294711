// The input bar of a view window: the Query/Browse mode, and for each side of the view (the left
// only in a monolingual view) a language combo with flags, a word edit and a Lookup button. It
// decides nothing itself (InputBarState does) and acts on no pane: the window that holds it
// connects the signals below to the view's panes and to the browse bar.
//
// What the holder does with the signals:
//  - LanguageChosen(side, code): give the side's pane that language (ConceptPane::SetLanguage);
//  - BrowseWanted(side, text): dock the browse bar at that side's edge, fill it with
//    BrowseFor(side) (BrowseBar::Fill) and show or hide it as the result says;
//  - LookUpWanted(side, text): call LookUp(side, pane of that side, browse), fill the browse bar
//    with `browse` likewise, and redraw the pane;
//  - ModeChanged(browse): show the browse bar in "Browse" mode, hide it in "Query" mode.
//
// Keys: F2 toggles the mode; F6 to F9 choose language 1 to 4 of the side that has the focus and
// move the focus to its edit; Enter in an edit runs Lookup while its button is enabled. They act
// while the focus is in the bar, or anywhere in the widget given to SetKeyScope.
#pragma once

#include <QString>
#include <QWidget>
#include <array>
#include <string>
#include <vector>

#include "bars/BarSide.h"
#include "bars/InputBarState.h"

class ConceptPane;
class PersonInterface;
class QComboBox;
class QLineEdit;
class QPushButton;
class QShortcut;
class QTimer;
class TreeItem;
class ViewerDatabase;

class InputBar : public QWidget {
  Q_OBJECT
 public:
  // The browse runs this long after the last change of a word edit, through the bar's child timer
  // named "browseTimer" (tests and benchmarks drive it).
  static constexpr int kBrowseDelayMs = 500;

  // `twoSides`: a multilingual view's bar. The language combos are filled from the database's
  // languages now, every one with its flag or its code's badge, and keep them; the first language
  // is selected. `database` and `person` must outlive the bar.
  InputBar(ViewerDatabase& database, PersonInterface& person, bool twoSides,
           QWidget* parent = nullptr);

  bool HasRightSide() const { return sides_[1].edit != nullptr; }
  InputBarState::Mode Mode() const { return state_.GetMode(); }
  void SetMode(InputBarState::Mode mode);
  // F2: switches the mode and says so through ModeChanged.
  void ToggleMode();

  // The code of the language chosen on `side` (empty when the database has none).
  std::string LanguageCode(BarSide side) const;
  // Chooses language `number` (1-based) of the side's combo, as a person would; false when the
  // combo has no such entry.
  bool ChooseLanguage(BarSide side, int number);
  // Shows language `code` in the side's combo without telling anyone (the pane already has it, as
  // after reading a view file); false when the combo does not hold it.
  bool ShowLanguage(BarSide side, const std::string& code);
  QString Text(BarSide side) const;
  // Takes the mode and the words of `source`, the bar of the window this bar's window was copied
  // from, on the sides both bars have. No browse follows by itself: the caller runs the one it
  // wants, as soon as the languages are set.
  void TakeWordsFrom(const InputBar& source);

  // The browse bar's content for the side's text and language (InputBarState::BrowseFor).
  InputBarState::Browse BrowseFor(BarSide side);
  // The Lookup of the side's text into `pane` (InputBarState::LookUp), which also cancels the
  // pending browse. Returns the word line made, else null ("Word not found !" shown).
  TreeItem* LookUp(BarSide side, ConceptPane& pane, InputBarState::Browse& browse);

  // The tree windows of the view's panes (null: none): Tab from a side's Lookup button (or from
  // its edit while the button is disabled) goes to that side's tree, Shift+Tab from the left
  // language combo to the last side's tree; with the focus in the right tree, F6 to F9 choose
  // right-side languages. The trees must outlive the bar or be set again.
  void SetTrees(QWidget* left, QWidget* right);
  // Makes F2 and F6 to F9 act while the focus is anywhere in `scope` (the view window holding the
  // bar and its panes), instead of only in the bar. `scope` must outlive the bar.
  void SetKeyScope(QWidget& scope);

  // The controls; those of the right side exist only when HasRightSide().
  QComboBox& ModeCombo() const { return *mode_; }
  QComboBox& LanguageCombo(BarSide side) const { return *Of(side).language; }
  QLineEdit& WordEdit(BarSide side) const { return *Of(side).edit; }
  QPushButton& LookUpButton(BarSide side) const { return *Of(side).lookUp; }

 signals:
  void LanguageChosen(BarSide side, const QString& code);
  // The timer after typing or choosing a language, or the focus coming to an edit.
  void BrowseWanted(BarSide side, const QString& text);
  // The Lookup button, or Enter in an edit whose button is enabled.
  void LookUpWanted(BarSide side, const QString& text);
  // `browse`: "Browse" mode now.
  void ModeChanged(bool browse);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  struct Side {
    QComboBox* language = nullptr;
    QLineEdit* edit = nullptr;
    QPushButton* lookUp = nullptr;
    QWidget* tree = nullptr;
  };

  const Side& Of(BarSide side) const { return sides_[static_cast<std::size_t>(side)]; }
  void AddSide(BarSide side, const std::vector<InputBarState::LanguageItem>& languages);
  // The side's chosen language goes to its pane, and the browse follows as after typing.
  void AnnounceLanguage(BarSide side);
  void StartBrowseTimer(BarSide side);
  void RunLookUp(BarSide side);
  // The side of the control or tree that has the focus; the left side when neither has it.
  BarSide FocusSide() const;
  void ChooseLanguageOfFocusSide(int number);
  void UpdateTabOrder();

  InputBarState state_;
  QComboBox* mode_;
  std::array<Side, 2> sides_;
  QTimer* browseTimer_;
  BarSide timerSide_ = BarSide::kLeft;
  std::vector<QShortcut*> keys_;
};
