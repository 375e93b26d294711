#include "shell/WindowListMenu.h"

#include <QAction>
#include <QActionGroup>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>

namespace {

// Windows beyond this many keep their place in the list without a number key.
constexpr int kNumberedWindows = 9;

QString ItemText(int position, const QString& title) {
  // A "&" in a title would otherwise turn the next letter into a key.
  QString shown = title;
  shown.replace(QLatin1Char('&'), QLatin1String("&&"));
  if (position <= kNumberedWindows) return QStringLiteral("&%1 %2").arg(position).arg(shown);
  return QStringLiteral("%1 %2").arg(position).arg(shown);
}

}  // namespace

WindowListMenu::WindowListMenu(QMdiArea& area, QObject* parent) : QObject(parent), area_(area) {}

void WindowListMenu::Clear() {
  menu_ = nullptr;
  delete separator_;
  separator_ = nullptr;
  // The group takes its items along.
  delete items_;
  items_ = nullptr;
}

void WindowListMenu::Fill(QMenu& windowMenu) {
  Clear();
  const QList<QMdiSubWindow*> windows = area_.subWindowList(QMdiArea::CreationOrder);
  if (windows.isEmpty()) return;
  separator_ = windowMenu.addSeparator();
  separator_->setParent(this);
  // A group only to hold the items: each shows a check mark of its own, not a radio button.
  items_ = new QActionGroup(this);
  items_->setExclusionPolicy(QActionGroup::ExclusionPolicy::None);
  menu_ = &windowMenu;
  const QMdiSubWindow* active = area_.currentSubWindow();
  for (int index = 0; index < windows.size(); ++index) {
    QPointer<QMdiSubWindow> window = windows[index];
    auto* item = new QAction(ItemText(index + 1, window->windowTitle()), items_);
    item->setCheckable(true);
    item->setChecked(window == active);
    // Queued: the list is filled again afterwards, which must not delete the item while it is
    // still being triggered. The window may have gone by then. Filling again puts back the check
    // mark that choosing the active window took away.
    connect(
        item, &QAction::triggered, this,
        [this, window] {
          if (window != nullptr) area_.setActiveSubWindow(window);
          if (menu_ != nullptr) Fill(*menu_);
        },
        Qt::QueuedConnection);
    windowMenu.addAction(item);
  }
}

QList<QAction*> WindowListMenu::Items() const {
  return items_ != nullptr ? items_->actions() : QList<QAction*>();
}
