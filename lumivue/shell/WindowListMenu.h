// The Window menu's list of open view windows, below its commands: one item per window in the
// order they were made, numbered, the first nine with their number as key ("&1" to "&9"), with the
// active window checked. Choosing an item activates its window.
#pragma once

#include <QList>
#include <QMenu>
#include <QObject>
#include <QPointer>

class QAction;
class QActionGroup;
class QMdiArea;

class WindowListMenu : public QObject {
  Q_OBJECT
 public:
  // `area` holds the windows listed; it must outlive the list.
  explicit WindowListMenu(QMdiArea& area, QObject* parent = nullptr);

  // Puts one item per window of the area at the end of `windowMenu`, after a separator, in place
  // of those put there before; nothing while there is no window. The titles are the windows'
  // titles as they are now.
  void Fill(QMenu& windowMenu);
  // Takes the items out of whatever menu holds them (a menu bar without a Window menu).
  void Clear();
  // The items last put into the menu, without their separator.
  QList<QAction*> Items() const;

 private:
  QMdiArea& area_;
  // What was last put into the menu, owned here; null while nothing is.
  QAction* separator_ = nullptr;
  QActionGroup* items_ = nullptr;
  // The menu last filled; null once it is gone or was cleared.
  QPointer<QMenu> menu_;
};
