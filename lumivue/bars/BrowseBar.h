// The browse bar of a view window: the word forms of a language from the typed text onward (or
// matching a pattern), filled by the input bar's browse. A double click (or Enter) on a form asks
// for its look-up in the pane of the side the list was filled for. The window holding the bar
// docks it at that side's edge and shows or hides it (InputBarState::Browse::show).
#pragma once

#include <QString>
#include <QStringList>
#include <QWidget>

#include "bars/BarSide.h"
#include "bars/InputBarState.h"

class QListWidget;
class QListWidgetItem;

class BrowseBar : public QWidget {
  Q_OBJECT
 public:
  explicit BrowseBar(QWidget* parent = nullptr);

  // The bar now belongs to `side`. When `browse.filled`, its forms replace the list and the first
  // one is selected; otherwise the list stays as it was.
  void Fill(BarSide side, const InputBarState::Browse& browse);
  // The side of the last Fill (the left side before any).
  BarSide Side() const { return side_; }
  // In the list's order.
  QStringList Forms() const;

  QListWidget& List() const { return *list_; }

 signals:
  // A double click or Enter on a form: look `text` up in `side`'s pane.
  void WordChosen(BarSide side, const QString& text);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Choose(const QListWidgetItem* item);

  QListWidget* list_;
  BarSide side_ = BarSide::kLeft;
};
