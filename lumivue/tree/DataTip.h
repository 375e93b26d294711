// The tip that shows, while the mouse rests on a tree line, what the line alone cannot: the
// definition of the variant under the mouse, or the whole text of an ILI line. It appears after a
// short rest and stays while the mouse stays.
#pragma once

#include <QObject>
#include <QPoint>
#include <QString>
#include <QTimer>

class QWidget;
class TreeItem;

class DataTip : public QObject {
  Q_OBJECT

 public:
  static constexpr int kDelayMs = 200;
  static constexpr int kShownMs = 32767;
  // Texts of this many characters or more are cut to kKeptLength and "...".
  static constexpr int kMaxLength = 240;
  static constexpr int kKeptLength = 236;
  static constexpr const char* kNoDefinition = "<No Definition>";

  // The tip belongs to `owner`, which must outlive it. On at first.
  explicit DataTip(QWidget& owner);

  bool IsOn() const { return on_; }
  // Switching off hides a tip that shows.
  void SetOn(bool on);

  // The mouse rests at `globalPos` over something whose tip is `text` (empty: none). A new text
  // shows after the delay; the text already shown stays.
  void Follow(QPoint globalPos, const QString& text);
  void Hide();

  // The tip of piece `piece` of `line` (-1: over the line but no piece), cut: for a concept line
  // the definition of the variant, or "<No Definition>"; for an ILI line its text; else empty.
  static QString TextFor(const TreeItem& line, int piece);
  // `text` cut as tips are; counted in characters, not in UTF-16 units, so that no character is
  // split.
  static QString Cut(const QString& text);

 private:
  void Show();

  QWidget& owner_;
  QTimer timer_;
  QPoint position_;
  QString pending_;
  QString shown_;
  bool on_ = true;
};
