#include "bars/ExportPage.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "bars/TextEditorStarter.h"
#include "files/ExportFileWriter.h"
#include "shell/MessageTexts.h"
#include "shell/PersonInterface.h"
#include "tree/TreeListBoxWidget.h"

ExportPage::ExportPage(ViewerDatabase& database, PersonInterface& person, QWidget* parent)
    : QWidget(parent),
      database_(database),
      person_(person),
      list_(database, person),
      fileName_(new QLineEdit(QString::fromUtf8(kDefaultFileName), this)),
      save_(new QPushButton(tr("&Save"), this)),
      listWindow_(new TreeListBoxWidget(list_.Pane(), this)) {
  auto* label = new QLabel(tr("&Filename:"), this);
  label->setBuddy(fileName_);
  auto* browse = new QPushButton(tr("&Browse"), this);
  auto* edit = new QPushButton(tr("&Edit"), this);

  auto* layout = new QGridLayout(this);
  layout->setContentsMargins(5, 2, 5, 5);
  layout->addWidget(label, 0, 0);
  layout->addWidget(fileName_, 0, 1);
  layout->addWidget(browse, 0, 2);
  layout->addWidget(save_, 0, 3);
  layout->addWidget(edit, 0, 4);
  layout->addWidget(listWindow_, 1, 0, 1, 5);
  layout->setColumnStretch(1, 1);

  // Without a name there is no file to write or to open.
  connect(fileName_, &QLineEdit::textChanged, this, [this, edit](const QString& text) {
    save_->setEnabled(!text.isEmpty());
    edit->setEnabled(!text.isEmpty());
  });
  connect(browse, &QPushButton::clicked, this, &ExportPage::ChooseFile);
  connect(save_, &QPushButton::clicked, this, &ExportPage::Save);
  connect(edit, &QPushButton::clicked, this, &ExportPage::Edit);
}

ConceptItem* ExportPage::AddConceptFrom(const ConceptPane& source) {
  ConceptItem* line = list_.AddSelectedConcept(source);
  listWindow_->LinesChanged();
  return line;
}

void ExportPage::Clear() {
  list_.Clear();
  listWindow_->LinesChanged();
}

bool ExportPage::Save() {
  const QString path = fileName_->text();
  if (path.isEmpty()) return false;
  ExportFileWriter writer(database_, person_);
  return writer.Write(path.toStdString(), list_.Pane()) == 1;
}

bool ExportPage::Edit() {
  const QString path = fileName_->text();
  if (path.isEmpty()) return false;
  if (TextEditorStarter::Start(path)) return true;
  person_.ShowMessage(message::kEditorNotStarted.text);
  return false;
}

void ExportPage::ChooseFile() {
  const QFileInfo current(fileName_->text());
  QFileDialog dialog(this, tr("Export File"), current.absolutePath(),
                     QString::fromUtf8(kFileFilter));
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setDefaultSuffix(QStringLiteral("exp"));
  dialog.selectFile(current.fileName());
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return;
  fileName_->setText(dialog.selectedFiles().constFirst());
  fileName_->end(false);
}
