#include "bars/InputBar.h"

#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>
#include <QTimer>

#include "bars/FlagPainter.h"

namespace {

// Wide enough for a language name beside its flag.
constexpr int kLanguageComboWidth = 130;

}  // namespace

InputBar::InputBar(ViewerDatabase& database, PersonInterface& person, bool twoSides,
                   QWidget* parent)
    : QWidget(parent),
      state_(database, person),
      mode_(new QComboBox(this)),
      browseTimer_(new QTimer(this)) {
  auto* layout = new QHBoxLayout(this);
  layout->setContentsMargins(4, 2, 4, 2);
  for (const char* text : InputBarState::kModeTexts) mode_->addItem(QString::fromUtf8(text));
  mode_->setCurrentIndex(static_cast<int>(state_.GetMode()));
  // F2 switches the mode; Tab runs through the languages, edits, buttons and trees only.
  mode_->setFocusPolicy(Qt::ClickFocus);
  layout->addWidget(mode_);
  connect(mode_, &QComboBox::activated, this,
          [this](int index) { SetMode(static_cast<InputBarState::Mode>(index)); });

  browseTimer_->setObjectName(QStringLiteral("browseTimer"));
  browseTimer_->setSingleShot(true);
  browseTimer_->setInterval(kBrowseDelayMs);
  connect(browseTimer_, &QTimer::timeout, this,
          [this] { emit BrowseWanted(timerSide_, Text(timerSide_)); });

  const std::vector<InputBarState::LanguageItem> languages = state_.LanguageItems();
  AddSide(BarSide::kLeft, languages);
  if (twoSides) AddSide(BarSide::kRight, languages);
  layout->addStretch();
  SetKeyScope(*this);
  UpdateTabOrder();
}

void InputBar::AddSide(BarSide side, const std::vector<InputBarState::LanguageItem>& languages) {
  Side& controls = sides_[static_cast<std::size_t>(side)];
  controls.language = new QComboBox(this);
  controls.language->setIconSize(QSize(FlagPainter::kWidth, FlagPainter::kHeight));
  controls.language->setMinimumWidth(kLanguageComboWidth);
  for (const InputBarState::LanguageItem& item : languages) {
    controls.language->addItem(QIcon(FlagPainter::ForLanguage(item.code)),
                               QString::fromStdString(item.name),
                               QString::fromStdString(item.code));
  }
  controls.edit = new QLineEdit(this);
  controls.edit->installEventFilter(this);
  controls.lookUp = new QPushButton(tr("&Lookup"), this);
  controls.lookUp->setEnabled(false);

  auto* layout = static_cast<QHBoxLayout*>(this->layout());
  layout->addSpacing(8);
  layout->addWidget(controls.language);
  layout->addWidget(controls.edit, 1);
  layout->addWidget(controls.lookUp);

  connect(controls.language, &QComboBox::activated, this, [this, side] { AnnounceLanguage(side); });
  connect(controls.edit, &QLineEdit::textChanged, this, [this, side](const QString& text) {
    Of(side).lookUp->setEnabled(!text.isEmpty());
    StartBrowseTimer(side);
  });
  connect(controls.edit, &QLineEdit::returnPressed, this, [this, side] {
    if (Of(side).lookUp->isEnabled()) RunLookUp(side);
  });
  connect(controls.lookUp, &QPushButton::clicked, this, [this, side] { RunLookUp(side); });
}

void InputBar::SetMode(InputBarState::Mode mode) {
  state_.SetMode(mode);
  mode_->setCurrentIndex(static_cast<int>(mode));
  emit ModeChanged(mode == InputBarState::Mode::kBrowse);
}

void InputBar::ToggleMode() {
  SetMode(Mode() == InputBarState::Mode::kBrowse ? InputBarState::Mode::kQuery
                                                 : InputBarState::Mode::kBrowse);
}

std::string InputBar::LanguageCode(BarSide side) const {
  return Of(side).language->currentData().toString().toStdString();
}

bool InputBar::ChooseLanguage(BarSide side, int number) {
  QComboBox& combo = *Of(side).language;
  if (number < 1 || number > combo.count()) return false;
  combo.setCurrentIndex(number - 1);
  AnnounceLanguage(side);
  return true;
}

bool InputBar::ShowLanguage(BarSide side, const std::string& code) {
  QComboBox& combo = *Of(side).language;
  const int index =
      combo.findData(QString::fromStdString(code), Qt::UserRole, Qt::MatchFixedString);
  if (index < 0) return false;
  combo.setCurrentIndex(index);
  return true;
}

QString InputBar::Text(BarSide side) const {
  return Of(side).edit->text();
}

void InputBar::TakeWordsFrom(const InputBar& source) {
  SetMode(source.Mode());
  for (BarSide side : {BarSide::kLeft, BarSide::kRight}) {
    if (Of(side).edit != nullptr && source.Of(side).edit != nullptr) {
      Of(side).edit->setText(source.Text(side));
    }
  }
  // The new words would browse for the last side set, not for the side the caller chooses.
  browseTimer_->stop();
}

InputBarState::Browse InputBar::BrowseFor(BarSide side) {
  return state_.BrowseFor(Text(side).toStdString(), LanguageCode(side));
}

TreeItem* InputBar::LookUp(BarSide side, ConceptPane& pane, InputBarState::Browse& browse) {
  browseTimer_->stop();
  return state_.LookUp(pane, Text(side).toStdString(), LanguageCode(side), browse);
}

void InputBar::SetTrees(QWidget* left, QWidget* right) {
  sides_[0].tree = left;
  if (HasRightSide()) sides_[1].tree = right;
  UpdateTabOrder();
}

void InputBar::SetKeyScope(QWidget& scope) {
  for (QShortcut* key : keys_) delete key;
  keys_.clear();
  auto add = [this, &scope](QKeySequence sequence, auto action) {
    auto* key = new QShortcut(sequence, &scope);
    key->setContext(Qt::WidgetWithChildrenShortcut);
    connect(key, &QShortcut::activated, this, action);
    // The scope may be another widget: the key goes with the bar.
    connect(this, &QObject::destroyed, key, &QObject::deleteLater);
    keys_.push_back(key);
  };
  add(QKeySequence(Qt::Key_F2), [this] { ToggleMode(); });
  const Qt::Key languageKeys[] = {Qt::Key_F6, Qt::Key_F7, Qt::Key_F8, Qt::Key_F9};
  for (int number = 1; number <= 4; ++number) {
    add(QKeySequence(languageKeys[number - 1]),
        [this, number] { ChooseLanguageOfFocusSide(number); });
  }
}

void InputBar::AnnounceLanguage(BarSide side) {
  emit LanguageChosen(side, QString::fromStdString(LanguageCode(side)));
  StartBrowseTimer(side);
}

void InputBar::StartBrowseTimer(BarSide side) {
  timerSide_ = side;
  browseTimer_->start();
}

void InputBar::RunLookUp(BarSide side) {
  browseTimer_->stop();
  emit LookUpWanted(side, Text(side));
}

BarSide InputBar::FocusSide() const {
  if (!HasRightSide()) return BarSide::kLeft;
  const Side& right = sides_[1];
  for (QWidget* widget = QApplication::focusWidget(); widget != nullptr;
       widget = widget->parentWidget()) {
    if (widget == right.language || widget == right.edit || widget == right.lookUp ||
        widget == right.tree) {
      return BarSide::kRight;
    }
  }
  return BarSide::kLeft;
}

void InputBar::ChooseLanguageOfFocusSide(int number) {
  const BarSide side = FocusSide();
  if (ChooseLanguage(side, number)) Of(side).edit->setFocus(Qt::ShortcutFocusReason);
}

void InputBar::UpdateTabOrder() {
  QWidget* previous = nullptr;
  auto chain = [&previous](QWidget* next) {
    if (next == nullptr) return;
    if (previous != nullptr) setTabOrder(previous, next);
    previous = next;
  };
  for (const Side& side : sides_) {
    chain(side.language);
    chain(side.edit);
    chain(side.lookUp);
    chain(side.tree);
  }
  // Shift+Tab from the left language combo goes to the last side's tree.
  if (previous != sides_[0].language) setTabOrder(previous, sides_[0].language);
}

bool InputBar::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::FocusIn) {
    for (BarSide side : {BarSide::kLeft, BarSide::kRight}) {
      if (watched == Of(side).edit) emit BrowseWanted(side, Text(side));
    }
  }
  return QWidget::eventFilter(watched, event);
}
