#include "tree/DataTip.h"

#include <QToolTip>
#include <QWidget>

#include "shell/WideText.h"
#include "tree/TreeItem.h"
#include "tree/VariantLine.h"

DataTip::DataTip(QWidget& owner) : owner_(owner) {
  timer_.setSingleShot(true);
  timer_.setInterval(kDelayMs);
  connect(&timer_, &QTimer::timeout, this, &DataTip::Show);
}

void DataTip::SetOn(bool on) {
  on_ = on;
  if (!on) Hide();
}

void DataTip::Follow(QPoint globalPos, const QString& text) {
  if (!on_ || text.isEmpty()) {
    Hide();
    return;
  }
  if (text == shown_ && QToolTip::isVisible()) return;
  if (!shown_.isEmpty()) Hide();
  position_ = globalPos;
  pending_ = text;
  timer_.start();
}

void DataTip::Hide() {
  timer_.stop();
  pending_.clear();
  if (!shown_.isEmpty()) {
    QToolTip::hideText();
    shown_.clear();
  }
}

void DataTip::Show() {
  shown_ = pending_;
  QToolTip::showText(position_, shown_, &owner_, QRect(), kShownMs);
}

QString DataTip::TextFor(const TreeItem& line, int piece) {
  if (line.Kind() == LineKind::kIli) return Cut(QString::fromStdString(line.Text()));
  if (line.Kind() != LineKind::kConcept) return {};
  const VariantLine* variant = line.Variant(piece);
  if (variant == nullptr) return {};
  const std::string definition = WideText::Take(variant->Variant().GetDefinition());
  return definition.empty() ? QString(kNoDefinition) : Cut(QString::fromStdString(definition));
}

QString DataTip::Cut(const QString& text) {
  // The end of the first kKeptLength characters, a surrogate pair counting as one.
  qsizetype keptEnd = 0;
  int characters = 0;
  for (qsizetype i = 0; i < text.size(); ++characters) {
    if (characters == kKeptLength) keptEnd = i;
    const bool pair =
        text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate();
    i += pair ? 2 : 1;
  }
  return characters < kMaxLength ? text : text.left(keptEnd) + "...";
}
