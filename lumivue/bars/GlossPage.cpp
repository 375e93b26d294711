#include "bars/GlossPage.h"

#include <QGridLayout>
#include <QLabel>
#include <QTextCursor>
#include <QTextEdit>

namespace {

QColor ColourOf(InfoPages::Colour colour, const QWidget& page) {
  switch (colour) {
    case InfoPages::Colour::kRelation:
      return QColor::fromRgb(GlossPage::kRelationColour);
    case InfoPages::Colour::kMissing:
      return QColor::fromRgb(GlossPage::kMissingColour);
    case InfoPages::Colour::kText:
      break;
  }
  return page.palette().color(QPalette::Text);
}

void ShowRichText(QTextEdit& edit, const InfoPages::RichText& text) {
  edit.clear();
  QTextCursor cursor(edit.document());
  for (const InfoPages::Piece& piece : text) {
    QTextCharFormat format;
    format.setForeground(ColourOf(piece.colour, edit));
    // Glosses are plain text: whatever they hold is shown, never taken as markup.
    cursor.insertText(QString::fromStdString(piece.text), format);
  }
}

QTextEdit* ReadOnlyEdit(QWidget& parent) {
  auto* edit = new QTextEdit(&parent);
  edit->setReadOnly(true);
  edit->setAcceptRichText(false);
  return edit;
}

}  // namespace

GlossPage::GlossPage(QWidget* parent)
    : InfoPage(parent),
      language_(new QLabel(tr("Definition"), &Controls())),
      definition_(ReadOnlyEdit(Controls())),
      ili_(ReadOnlyEdit(Controls())) {
  auto* layout = new QGridLayout(&Controls());
  layout->setContentsMargins(5, 0, 5, 5);
  layout->setColumnMinimumWidth(0, 75);
  layout->addWidget(language_, 0, 0, Qt::AlignTop);
  layout->addWidget(definition_, 0, 1);
  layout->addWidget(new QLabel(tr("ILI"), &Controls()), 1, 0, Qt::AlignTop);
  layout->addWidget(ili_, 1, 1);
  layout->setColumnStretch(1, 1);
}

void GlossPage::Fill(const InfoPages::Content& content) {
  // An ILI line has no definition: its gloss takes the whole page.
  language_->setVisible(!content.iliOnly);
  definition_->setVisible(!content.iliOnly);
  language_->setText(QString::fromStdString(content.languageName));
  ShowRichText(*definition_, content.definition);
  ShowRichText(*ili_, content.ili);
}
