// A careless user at the program's window, driven by one seeded generator:
// each step is one random thing a user can do (click a button, type into a
// field or a table cell, press a key or a shortcut, pick a menu command,
// drop a file, play with the chart, open a context menu), with the file
// dialogs answered from HostileFiles and every error box recorded and
// dismissed.
//
// Where a step runs "Load", "draw", "CalMS" or "CalHS" on purpose, the same
// action runs first on a MemoryWorkspace copy of the window, and the window
// must end exactly as the copy does: the row count, every field, the table
// after a load, the error box text and the clipboard text. Saves are checked
// against the bytes their rule gives. After every step the window must be
// alive and answering, its table must hold at least 2 rows (1024 at the
// start), its views must agree with the table, and no error box may show a
// broken invariant or a library's own text.
//
//   CarelessUser user(fixture, files, seed);
//   for (int step = 1; step <= 3000; ++step) {
//     user.Step(step);
//     if (!user.faults().isEmpty()) QFAIL(qPrintable(user.Replay()));
//   }
#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <chrono>
#include <cstdint>
#include <deque>
#include <functional>
#include <optional>
#include <random>
#include <string>

#include "hostile_files.h"
#include "window_fixture.h"

class QMenu;

namespace quorvane::test_support {

class CarelessUser : public QObject {
  Q_OBJECT

 public:
  CarelessUser(WindowFixture& fixture, HostileFiles& files, std::uint64_t seed);
  ~CarelessUser() override;

  // Takes step `number` and checks the window after it.
  void Step(int number);

  // The faults found so far; empty while all is well.
  const QStringList& faults() const { return faults_; }
  // The seed, the step and the last actions, to replay a fault.
  QString Replay() const;

  int error_boxes() const { return error_boxes_; }
  int checked_actions() const { return checked_actions_; }
  int about_boxes() const { return about_boxes_; }
  // The slowest step and how long it took.
  const QString& slowest_step() const { return slowest_step_; }
  std::chrono::milliseconds slowest_time() const { return slowest_time_; }

 private:
  enum class Action { kLoad, kDraw, kCalMS, kCalHS };

  void HookWindow();
  int Below(int bound);
  void Log(const QString& action);
  void Fault(const QString& what);

  // The steps.
  void RunCheckedAction();
  void TypeIntoField();
  void EditCell();
  void PressKey();
  void TriggerMenuCommand();
  void DropFiles();
  void UseChart();
  void ClickSomewhere();
  void OpenContextMenu();
  void DeleteASavedFile();

  void RunLoadSomehow();
  void OpenRecentProfile(QAction* entry);
  void SaveThroughMenu(QAction* command);
  // Runs `perform`, which should run `action` (with the dialog answer
  // `answer` for a load), after the same action on a copy of the window, and
  // compares the two.
  void CheckAgainstCopy(Action action, const std::optional<QString>& answer,
                        const std::function<void()>& perform);
  void TypeText(QWidget* target, const QString& text);
  void AnswerPopup(QMenu* menu, std::uint64_t choice);
  void CloseStrayPopups();
  QWidget* Focused() const;

  // The checks after every step.
  void CheckWindow();
  void CheckAlive();
  void CheckTable();
  void CheckEditorShowsItsCell();
  void CheckResultToolTips();
  void Watch();

  WindowFixture& fixture_;
  HostileFiles& files_;
  std::uint64_t seed_;
  std::mt19937_64 random_;
  bool trace_;
  QTimer watchdog_;

  int step_ = 0;
  std::deque<QString> recent_actions_;
  QStringList faults_;
  std::deque<std::optional<QString>> open_answers_;
  std::deque<std::optional<QString>> save_answers_;
  int open_asks_ = 0;
  int save_asks_ = 0;
  bool load_elsewhere_ = false;
  bool quit_triggered_ = false;
  int error_boxes_ = 0;
  QString last_box_text_;
  int checked_actions_ = 0;
  int about_boxes_ = 0;
  std::int32_t row_count_before_ = 0;
  QString slowest_step_;
  std::chrono::milliseconds slowest_time_{0};
};

}  // namespace quorvane::test_support
