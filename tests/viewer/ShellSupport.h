// Help for the tests of the viewer's shell windows: answering the modal boxes and dialogs the
// program opens, a settings store of the test's own, and the shared WordNet database.
#pragma once

#include <deque>
#include <functional>
#include <memory>

#include <QObject>
#include <QSettings>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QTimer>

class CLumivueApp;
class CMainFrame;
class QWidget;

// Answers every modal window that comes up while it lives: a message box with No where it has
// one, else OK; any other dialog as the next scripted step says, or with Cancel when no step is
// left. Records what each window showed.
class ModalScript : public QObject {
  Q_OBJECT
 public:
  using Step = std::function<void(QWidget& dialog)>;

  ModalScript();

  // The next dialog that is not a message box is handed to `step` (which must close it).
  void Then(Step step) { steps_.push_back(std::move(step)); }
  // Message boxes answer Yes while this is set.
  void AnswerYes(bool yes) { answerYes_ = yes; }

  // The texts of the message boxes, in order.
  QStringList messages;
  // The titles of the other dialogs, in order.
  QStringList dialogs;

 private:
  void Answer();

  QTimer timer_;
  std::deque<Step> steps_;
  bool answerYes_ = false;
};

// Points the program's QSettings (user scope) at a fresh folder for as long as it lives.
class TestSettings {
 public:
  TestSettings();
  // The program's store, as the viewer opens it.
  QSettings Store() const;

 private:
  QTemporaryDir folder_;
};

// The WordNet database of the test run; empty when it was not built.
QString TestWordNet();
// WordNet with the Open Multilingual Wordnet tab files, each language named by its file's header;
// empty when it was not built.
QString TestOmwWordNet();

// What every shell test holds while it runs: a settings store of its own, the modal-box answerer
// and the program, started on the test WordNet database.
class ShellSession {
 protected:
  ShellSession();
  ~ShellSession();
  // Before each test: false (the test skips) when the WordNet database was not built.
  bool BeginSession();
  // After each test: the program goes first, then what answered and stored for it.
  void EndSession();
  // Starts the program with `commandLine` (as typed after its name) and returns its main window.
  CMainFrame& Start(const QString& commandLine);

  std::unique_ptr<TestSettings> settings_;
  std::unique_ptr<ModalScript> modals_;
  std::unique_ptr<CLumivueApp> app_;
  QString wordNet_;
};
