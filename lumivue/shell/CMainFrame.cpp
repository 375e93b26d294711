#include "shell/CMainFrame.h"

#include <memory>

#include <QCloseEvent>
#include <QDockWidget>
#include <QFileDialog>
#include <QFontDialog>
#include <QLineEdit>
#include <QMdiArea>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <QTreeWidget>

#include "bars/BrowseBar.h"
#include "bars/FilterBar.h"
#include "bars/InfoBar.h"
#include "bars/InputBar.h"
#include "shell/AboutBox.h"
#include "shell/CLumivueChildFrm.h"
#include "shell/CLumivueDoc.h"
#include "shell/CLumivueView.h"
#include "shell/CTwinBarChildFrm.h"
#include "shell/CTwinBarView.h"
#include "shell/CommandId.h"
#include "shell/DatabaseCheckDialog.h"
#include "shell/FindDialog.h"
#include "shell/MenuLayout.h"
#include "shell/MessageTexts.h"
#include "shell/NewViewDialog.h"
#include "shell/SettingsStore.h"
#include "shell/WindowListMenu.h"
#include "shell/WindowTiler.h"
#include "tree/TreeListBoxWidget.h"

namespace {

// The least size of a new view window: room for the word field and a dozen rows.
constexpr QSize kNewWindowSize(480, 360);
// What the filter and information bars keep at least: their tab or combo row and one line.
constexpr QSize kLeastBarSize(120, 48);
constexpr int kInfoBarHeight = 220;

QFont FontOf(const ViewerSettings& settings) {
  return QFont(QString::fromStdString(settings.fontName), settings.FontPoints());
}

QRect RectOf(const WindowRect& rect) {
  return QRect(rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top);
}

WindowRect WindowRectOf(const QRect& rect) {
  return WindowRect{rect.left(), rect.top(), rect.left() + rect.width(),
                    rect.top() + rect.height()};
}

}  // namespace

CMainFrame::CMainFrame()
    : settings_(SettingsStore::Read()),
      panes_(*statusBar()),
      person_(*this, panes_),
      database_(person_),
      commands_(*this, *this),
      printing_(*this),
      mdi_(new QMdiArea(this)),
      toolBar_(new QToolBar(QStringLiteral("Toolbar"), this)),
      contextMenu_(new QMenu(this)),
      infoBar_(new InfoBar(database_, person_)),
      infoDock_(new QDockWidget(QStringLiteral("Information"), this)),
      filterBar_(new FilterBar(database_.Filter())),
      filterDock_(new QDockWidget(QStringLiteral("Filter"), this)),
      viewFiles_(new ViewFileCommands(*this, person_)),
      windowList_(new WindowListMenu(*mdi_, this)),
      paneFont_(FontOf(settings_)) {
  setWindowTitle(QString::fromUtf8(message::kFrameCaption.text));
  setCentralWidget(mdi_);
  // As desktop MDI areas do: a view window larger than the area scrolls into sight, rather than
  // holding the whole main window (and its bars) at the view window's least size.
  mdi_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  mdi_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  person_.SetFocusFinder(
      [this](PersonInterface::FocusTarget target) { return FocusWidget(target); });
  CreateCommands();
  CreateBars();
  // A layout the person left keeps its widths; a new one makes room for the filter names.
  widenFilterBar_ = !restoreState(SettingsStore::ReadBarState());
  setGeometry(RectOf(settings_.StartRectangle()));
  connect(mdi_, &QMdiArea::subWindowActivated, this, [this] { RefreshWindowState(); });
  connect(viewFiles_, &ViewFileCommands::RecentChanged, this, &CMainFrame::RefreshRecentFiles);
  RefreshWindowState();
}

CMainFrame::~CMainFrame() {
  // The views and the export list hold lines of the database: they go before it closes.
  ForgetDatabase();
  // Hiding the bars while the window goes must not reach the commands, which are gone by then.
  infoDock_->disconnect(this);
  filterDock_->disconnect(this);
}

void CMainFrame::CreateCommands() {
  for (const CommandSpec& spec : CommandTable::Specs()) {
    connect(commands_.Action(spec.id), &QAction::triggered, this,
            [this, id = spec.id] { Run(id); });
  }
  MenuLayout::BuildContextMenu(*contextMenu_, commands_);
}

void CMainFrame::CreateBars() {
  toolBar_->setObjectName(QStringLiteral("toolBar"));
  toolBar_->setIconSize(QSize(16, 15));
  MenuLayout::BuildToolBar(*toolBar_, commands_);
  addToolBar(Qt::TopToolBarArea, toolBar_);

  // The bars give way to the views: a small main window (the default one among them) keeps its
  // size however much the pages would like.
  filterBar_->setMinimumSize(kLeastBarSize);
  infoBar_->setMinimumSize(kLeastBarSize);
  filterDock_->setObjectName(QStringLiteral("filterBar"));
  filterDock_->setWidget(filterBar_);
  addDockWidget(Qt::LeftDockWidgetArea, filterDock_);
  connect(filterBar_, &FilterBar::FilterChanged, this, [this] {
    panes_.Show(PersonInterface::StatusPane::kFilter,
                QString::fromUtf8(database_.Filter().StatusText().text));
  });

  infoDock_->setObjectName(QStringLiteral("infoBar"));
  infoDock_->setWidget(infoBar_);
  addDockWidget(Qt::BottomDockWidgetArea, infoDock_);
  // The trees keep most of the room until the person (or the stored layout) says otherwise.
  resizeDocks({infoDock_}, {kInfoBarHeight}, Qt::Vertical);
  connect(infoDock_, &QDockWidget::visibilityChanged, this, &CMainFrame::UpdateCommands);
  connect(filterDock_, &QDockWidget::visibilityChanged, this, &CMainFrame::UpdateCommands);
}

// Database

bool CMainFrame::OpenDatabase(const QString& path) {
  ForgetDatabase();
  const bool open = database_.Open(path.toStdString()) == 1;
  filterBar_->Rebuild();
  WidenFilterBar();
  panes_.Show(PersonInterface::StatusPane::kFilter,
              QString::fromUtf8(database_.Filter().StatusText().text));
  UpdateCommands();
  return open;
}

void CMainFrame::WidenFilterBar() {
  // The docks have their widths only once the window is laid out.
  if (!widenFilterBar_ || !isVisible() || filterBar_->Tree().topLevelItemCount() == 0) return;
  resizeDocks({filterDock_}, {filterBar_->sizeHint().width()}, Qt::Horizontal);
  widenFilterBar_ = false;
}

void CMainFrame::OpenStartupDatabase() {
  if (!settings_.database.empty() && OpenDatabase(QString::fromStdString(settings_.database))) {
    return;
  }
  AskAndOpenDatabase();
}

void CMainFrame::AskAndOpenDatabase() {
  const QString path =
      QFileDialog::getOpenFileName(this, QStringLiteral("Open Database"), QString(),
                                   QStringLiteral("Polylex Databases (*.fdb);;All Files (*)"));
  if (!path.isEmpty()) OpenDatabase(path);
}

// Views and their windows

CLumivueView* CMainFrame::NewView(ViewKind kind, const QString& path) {
  if (database_.HasDatabase() != 1) return nullptr;
  std::shared_ptr<CLumivueDoc> document;
  if (path.isEmpty()) {
    document =
        std::make_shared<CLumivueDoc>(kind, ++untitledCounts_[static_cast<std::size_t>(kind)]);
  } else {
    // A document of a file is named after it, not numbered.
    document = std::make_shared<CLumivueDoc>(kind, 0);
    document->SetPath(path);
  }
  CLumivueView* view = MakeView(kind, std::move(document));
  FrameOf(*view)->Input().WordEdit(BarSide::kLeft).setFocus(Qt::OtherFocusReason);
  return view;
}

CLumivueView* CMainFrame::MakeView(ViewKind kind, std::shared_ptr<CLumivueDoc> document) {
  if (kind == ViewKind::kMultilingual) {
    auto* view = new CTwinBarView(std::move(document), database_, person_);
    AddFrame(new CTwinBarChildFrm(view, database_, person_));
    return view;
  }
  auto* view = new CLumivueView(std::move(document), database_, person_);
  AddFrame(new CLumivueChildFrm(view, database_, person_));
  return view;
}

void CMainFrame::AskAndNewView() {
  if (const auto kind = NewViewDialog::Ask(this)) NewView(*kind);
}

CLumivueChildFrm* CMainFrame::FrameOf(const CLumivueView& view) const {
  for (CLumivueChildFrm* frame : Frames()) {
    if (&frame->View() == &view) return frame;
  }
  return nullptr;
}

CLumivueChildFrm* CMainFrame::AddFrame(CLumivueChildFrm* frame) {
  CLumivueView* view = &frame->View();
  view->SetPaneFont(paneFont_);
  view->SetDataTips(settings_.dataTips);
  mdi_->addSubWindow(frame);
  frame->resize(kNewWindowSize.expandedTo(mdi_->viewport()->size() * 3 / 4));
  connect(view, &CLumivueView::StateChanged, this, [this] {
    UpdateCommands();
    RefreshInfoBar();
  });
  // The information bar may hold the view's pane; it lets go before the pane is gone.
  connect(view, &QObject::destroyed, infoBar_,
          [bar = infoBar_] { bar->Refresh(nullptr, nullptr); });
  connect(&frame->BrowseDock(), &QDockWidget::visibilityChanged, this, &CMainFrame::UpdateCommands);
  connect(view, &CLumivueView::ContextMenuWanted, this,
          [this, frame](QPoint globalPos) { ShowContextMenu(*frame, globalPos); });
  // Queued: the window is still half destroyed when it says so.
  connect(frame, &QObject::destroyed, this, &CMainFrame::RefreshWindowState, Qt::QueuedConnection);
  frame->show();
  mdi_->setActiveSubWindow(frame);
  RefreshWindowState();
  return frame;
}

void CMainFrame::ForgetDatabase() {
  DestroyAllViews();
  infoBar_->ForgetDatabase();
}

void CMainFrame::DestroyAllViews() {
  // Also the windows closed but not yet deleted: the area no longer lists them, and they must not
  // outlive the database (or this window, whose members they report to).
  for (CLumivueChildFrm* window : mdi_->findChildren<CLumivueChildFrm*>()) delete window;
}

CLumivueChildFrm* CMainFrame::ActiveFrame() const {
  return qobject_cast<CLumivueChildFrm*>(mdi_->currentSubWindow());
}

CLumivueView* CMainFrame::ActiveView() const {
  CLumivueChildFrm* frame = ActiveFrame();
  return frame != nullptr ? &frame->View() : nullptr;
}

QList<CLumivueChildFrm*> CMainFrame::Frames() const {
  QList<CLumivueChildFrm*> frames;
  for (QMdiSubWindow* window : mdi_->subWindowList(QMdiArea::CreationOrder)) {
    if (auto* frame = qobject_cast<CLumivueChildFrm*>(window)) frames.append(frame);
  }
  return frames;
}

void CMainFrame::RefreshWindowState() {
  const QList<CLumivueChildFrm*> frames = Frames();
  for (CLumivueChildFrm* frame : frames) {
    const CLumivueDoc& document = *frame->View().Document();
    int windows = 0;
    int number = 0;
    for (CLumivueChildFrm* other : frames) {
      if (other->View().Document().get() != &document) continue;
      ++windows;
      if (other == frame) number = windows;
    }
    frame->setWindowTitle(document.WindowTitle(number, windows));
  }
  QString caption = QString::fromUtf8(message::kFrameCaption.text);
  if (CLumivueChildFrm* frame = ActiveFrame()) caption += " - " + frame->windowTitle();
  setWindowTitle(caption);

  const bool withView = !frames.isEmpty();
  if (withView != menusWithView_ || menuBar()->actions().isEmpty()) {
    MenuLayout::BuildMenuBar(*menuBar(), commands_, withView);
    menusWithView_ = withView;
    RefreshRecentFiles();
  }
  RefreshWindowList();
  if (CLumivueView* view = ActiveView()) {
    view->ActivePane().ShowLineStatus();
  } else if (frames.isEmpty()) {
    panes_.Show(PersonInterface::StatusPane::kLines,
                QString::fromStdString(FormatMessage(message::kLineStatus.text, 0, 0)));
  }
  RefreshInfoBar();
  UpdateCommands();
}

void CMainFrame::RefreshInfoBar() {
  CLumivueView* view = ActiveView();
  if (view == nullptr) {
    infoBar_->Refresh(nullptr, nullptr);
    return;
  }
  ConceptPane& pane = view->ActivePane();
  infoBar_->Refresh(pane.Lines().Selected(), &pane);
}

void CMainFrame::RefreshRecentFiles() {
  // The File menu comes first.
  const QList<QAction*> menus = menuBar()->actions();
  if (menus.isEmpty() || menus.first()->menu() == nullptr) return;
  viewFiles_->FillMenu(*menus.first()->menu(), commands_.Action(command::kExit));
  viewFiles_->Enable(database_.HasDatabase() == 1);
}

void CMainFrame::RefreshWindowList() {
  const QAction* newWindow = commands_.Action(command::kNewWindow);
  for (QAction* menu : menuBar()->actions()) {
    if (menu->menu() != nullptr && menu->menu()->actions().contains(newWindow)) {
      windowList_->Fill(*menu->menu());
      return;
    }
  }
  windowList_->Clear();
}

void CMainFrame::ShowContextMenu(CLumivueChildFrm& frame, QPoint globalPos) {
  mdi_->setActiveSubWindow(&frame);
  UpdateCommands();
  contextMenu_->popup(globalPos);
}

QWidget* CMainFrame::FocusWidget(PersonInterface::FocusTarget target) const {
  CLumivueChildFrm* frame = ActiveFrame();
  if (frame == nullptr) return nullptr;
  switch (target) {
    case PersonInterface::FocusTarget::kLeftTree:
      return &frame->View().ActiveTree();
    case PersonInterface::FocusTarget::kLeftWordEdit:
      return &frame->Input().WordEdit(BarSide::kLeft);
    case PersonInterface::FocusTarget::kRightTree:
      return frame->View().TreeOf(BarSide::kRight);
    case PersonInterface::FocusTarget::kRightWordEdit:
      if (frame->Input().HasRightSide()) return &frame->Input().WordEdit(BarSide::kRight);
      break;
  }
  return nullptr;
}

// Commands

void CMainFrame::Run(int commandId) {
  switch (commandId) {
    case command::kNew:
      AskAndNewView();
      break;
    case command::kNewMonolingual:
      NewView(ViewKind::kMonolingual);
      break;
    case command::kNewMultilingual:
      NewView(ViewKind::kMultilingual);
      break;
    case command::kOpenView:
      viewFiles_->AskAndOpen();
      break;
    case command::kSaveView:
      viewFiles_->Save(ActiveView());
      RefreshWindowState();
      break;
    case command::kSaveViewAs:
      viewFiles_->SaveAs(ActiveView());
      RefreshWindowState();
      break;
    case command::kClose:
      if (CLumivueChildFrm* frame = ActiveFrame()) frame->close();
      break;
    case command::kOpenDatabase:
      AskAndOpenDatabase();
      break;
    case command::kExit:
      close();
      break;
    case command::kToolBar:
      toolBar_->setVisible(!toolBar_->isVisible());
      break;
    case command::kStatusBar:
      statusBar()->setVisible(!statusBar()->isVisible());
      break;
    case command::kInputBar:
    case command::kToggleInputBar:
      ToggleInputBar();
      break;
    case command::kBrowseBar:
      ToggleBrowseBar();
      break;
    case command::kFilterBar:
      filterDock_->setVisible(filterDock_->isHidden());
      break;
    case command::kInfoBar:
      infoDock_->setVisible(infoDock_->isHidden());
      break;
    case command::kExportConcept:
      ExportConcept();
      break;
    case command::kFont:
      ChooseFont();
      break;
    case command::kDataTips:
      SetDataTips(!settings_.dataTips);
      break;
    case command::kNewWindow:
      NewWindow();
      break;
    case command::kCascade:
      mdi_->cascadeSubWindows();
      break;
    case command::kTileHorizontally:
    case command::kTileVertically:
      Tile(commandId);
      break;
    case command::kArrangeIcons:
      ArrangeIcons();
      break;
    case command::kPrint:
      if (CLumivueView* view = ActiveView()) printing_.Print(view->ActiveTree());
      break;
    case command::kPrintPreview:
      if (CLumivueView* view = ActiveView()) printing_.Preview(view->ActiveTree());
      break;
    case command::kPrintSetup:
      printing_.Setup();
      break;
    case command::kAbout:
      AboutBox(this).exec();
      break;
    case command::kCheckDatabase:
      CheckDatabase(this, person_, database_.Path());
      break;
    case command::kFind:
    case command::kFindNext:
    case command::kFindPrevious:
      Find(commandId);
      break;
    default:
      if (CLumivueView* view = ActiveView()) view->Run(commandId);
  }
  UpdateCommands();
}

void CMainFrame::UpdateCommands() {
  CommandContext context;
  context.databaseOpen = database_.HasDatabase() == 1;
  CLumivueChildFrm* frame = ActiveFrame();
  if (frame != nullptr) frame->View().Describe(context);
  commands_.Enable(context);
  viewFiles_->Enable(context.databaseOpen);
  commands_.Action(command::kToolBar)->setChecked(!toolBar_->isHidden());
  commands_.Action(command::kStatusBar)->setChecked(!statusBar()->isHidden());
  commands_.Action(command::kDataTips)->setChecked(settings_.dataTips);
  commands_.Action(command::kInputBar)
      ->setChecked(frame != nullptr && !frame->InputToolBar().isHidden());
  commands_.Action(command::kBrowseBar)
      ->setChecked(frame != nullptr && !frame->BrowseDock().isHidden());
  commands_.Action(command::kFilterBar)->setChecked(!filterDock_->isHidden());
  commands_.Action(command::kInfoBar)->setChecked(!infoDock_->isHidden());
}

void CMainFrame::ToggleInputBar() {
  CLumivueChildFrm* frame = ActiveFrame();
  if (frame == nullptr) return;
  frame->InputToolBar().setHidden(!frame->InputToolBar().isHidden());
}

void CMainFrame::ToggleBrowseBar() {
  CLumivueChildFrm* frame = ActiveFrame();
  if (frame == nullptr) return;
  frame->BrowseDock().setHidden(!frame->BrowseDock().isHidden());
}

void CMainFrame::ExportConcept() {
  CLumivueView* view = ActiveView();
  if (view == nullptr) return;
  infoDock_->show();
  infoBar_->AddConceptFrom(view->ActivePane());
}

void CMainFrame::NewWindow() {
  CLumivueChildFrm* sourceFrame = ActiveFrame();
  if (sourceFrame == nullptr) return;
  CLumivueView& source = sourceFrame->View();
  CLumivueView* view = MakeView(source.Document()->Kind(), source.Document());
  view->CopyFrom(source);
  CLumivueChildFrm* frame = FrameOf(*view);
  frame->ShowPaneLanguages();
  frame->TakeWordsFrom(*sourceFrame);
}

void CMainFrame::ChooseFont() {
  bool chosen = false;
  const QFont font = QFontDialog::getFont(&chosen, paneFont_, this, QStringLiteral("Font"));
  if (chosen) ApplyFont(font);
}

void CMainFrame::ApplyFont(const QFont& font) {
  // Sizes are kept in tenths of a point and the trees use whole points, as they always have.
  const double points = font.pointSizeF() > 0 ? font.pointSizeF() : paneFont_.pointSizeF();
  settings_.fontSize = static_cast<std::int32_t>(points * 10 + 0.5);
  settings_.fontName = font.family().toStdString();
  paneFont_ = FontOf(settings_);
  if (CLumivueView* view = ActiveView()) view->SetPaneFont(paneFont_);
}

void CMainFrame::SetDataTips(bool on) {
  settings_.dataTips = on;
  for (CLumivueChildFrm* frame : Frames()) frame->View().SetDataTips(on);
  UpdateCommands();
}

void CMainFrame::Find(int commandId) {
  CLumivueView* view = ActiveView();
  if (view == nullptr) return;
  auto direction = commandId == command::kFindPrevious ? LineFinder::Direction::kBackward
                                                       : LineFinder::Direction::kForward;
  if (commandId == command::kFind) {
    const auto request = FindDialog::Ask(searchText_, this);
    if (!request) return;
    searchText_ = request->text;
    direction = request->direction;
  }
  view->Find(searchText_, direction);
}

void CMainFrame::Tile(int commandId) {
  const QList<QMdiSubWindow*> windows = mdi_->subWindowList(QMdiArea::StackingOrder);
  std::vector<QMdiSubWindow*> shown;
  for (QMdiSubWindow* window : windows) {
    if (!window->isMinimized()) shown.push_back(window);
  }
  const auto places = WindowTiler::Tile(mdi_->viewport()->rect(), static_cast<int>(shown.size()),
                                        commandId == command::kTileHorizontally
                                            ? WindowTiler::Direction::kHorizontally
                                            : WindowTiler::Direction::kVertically);
  for (std::size_t i = 0; i < shown.size(); ++i) {
    shown[i]->showNormal();
    shown[i]->setGeometry(places[i]);
  }
}

void CMainFrame::ArrangeIcons() {
  std::vector<QMdiSubWindow*> minimized;
  for (QMdiSubWindow* window : mdi_->subWindowList(QMdiArea::CreationOrder)) {
    if (window->isMinimized()) minimized.push_back(window);
  }
  if (minimized.empty()) return;
  const auto places = WindowTiler::LineUp(
      mdi_->viewport()->rect(), static_cast<int>(minimized.size()), minimized.front()->size());
  for (std::size_t i = 0; i < minimized.size(); ++i) minimized[i]->move(places[i].topLeft());
}

// Showing and closing

void CMainFrame::ShowAsSettingsSay() {
  if (settings_.maximized) {
    showMaximized();
  } else {
    show();
  }
  // After the first layout, which would otherwise give the bar its old width again.
  QTimer::singleShot(0, this, &CMainFrame::WidenFilterBar);
}

void CMainFrame::closeEvent(QCloseEvent* event) {
  settings_.database = database_.Path();
  settings_.RecordWindow(isMaximized(), isMinimized(), WindowRectOf(geometry()));
  SettingsStore::WriteBarState(saveState());
  SettingsStore::Write(settings_);
  viewFiles_->Store();
  ForgetDatabase();
  database_.Close();
  event->accept();
}
