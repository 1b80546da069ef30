#include "careless_user.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDialog>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QHeaderView>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QTest>
#include <QUrl>
#include <exception>

#include "accumulation/profile_csv.h"
#include "accumulation/scan_actions.h"
#include "analysis/draw_measured_profile.h"
#include "app/about_dialog.h"
#include "app/chart_export.h"
#include "app/program_title.h"
#include "app/utf8_text.h"
#include "careless_texts.h"
#include "errors/capacities.h"
#include "errors/error.h"
#include "errors/error_box_text.h"
#include "errors/messages.h"
#include "profile_io/load_profile_file.h"
#include "profile_io/save_profile_table.h"
#include "workspace/memory_workspace.h"

namespace quorvane::test_support {
namespace {

constexpr std::size_t kActionsKept = 20;
// The most rows a table can have: a full profile file and the two fixed rows.
constexpr std::int32_t kMostRows = kMaxDataLines + 2;

// Texts that only a fault lets reach the error box: a broken invariant, or
// the what() of a standard library exception.
const char* const kInternalMarks[] = {
    "内部エラー", "std::",     "basic_string", "bad_alloc",   "_M_",
    "vector::",   "bad_array", "stoi",         "out_of_range"};

QString Shown(const QString& text) {
  QString shown = text.left(40);
  shown.replace(QLatin1Char('\n'), QStringLiteral("\\n"));
  shown.replace(QLatin1Char('\r'), QStringLiteral("\\r"));
  shown.replace(QLatin1Char('\t'), QStringLiteral("\\t"));
  shown.replace(QChar(0), QStringLiteral("\\0"));
  shown.replace(QChar(26), QStringLiteral("^Z"));
  if (text.size() > 40) shown += QStringLiteral("...(%1 characters)").arg(text.size());
  return QLatin1Char('"') + shown + QLatin1Char('"');
}

QString Shown(const std::optional<QString>& answer) {
  return answer.has_value() ? Shown(*answer) : QStringLiteral("a cancel");
}

QString Shown(const std::string& bytes) { return Shown(DecodeUtf8(bytes)); }

const char* ActionName(int action) {
  static const char* const kNames[] = {"Load", "draw", "CalMS", "CalHS"};
  return kNames[action];
}

// A copy of everything the actions read: the table, also the texts beyond
// its row count that a longer profile shows again, every field, the number
// format.
MemoryWorkspace CopyOf(const TForm1& form) {
  MemoryWorkspace copy(form.number_format());
  copy.SetRowCount(form.RowCount());
  for (std::int32_t row = 0; row < kMostRows; ++row) {
    for (int column = 0; column < kProfileColumns; ++column) {
      copy.SetCellText(column, row, form.CellText(column, row));
    }
  }
  for (const Field field : kAllFields) copy.SetFieldText(field, form.FieldText(field));
  return copy;
}

std::optional<std::string> RunOnCopy(int action, MemoryWorkspace& copy, const std::string& path) {
  try {
    switch (action) {
      case 0:
        LoadProfileFile(copy, path);
        break;
      case 1:
        DrawMeasuredProfile(copy);
        break;
      case 2:
        RunMultipleScanAction(copy);
        break;
      default:
        RunHelicalScanAction(copy);
        break;
    }
  } catch (const Error& e) {
    return e.message();
  } catch (const std::exception& e) {
    return std::string(e.what());
  }
  return std::nullopt;
}

QByteArray ReadAll(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return QByteArray("<unreadable>");
  return file.readAll();
}

std::string PathBytes(const QString& path) {
  const QByteArray bytes = QFile::encodeName(path);
  return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

// Every command of the menu bar, submenus included, separators left out.
QList<QAction*> MenuCommands(const QMenuBar& bar) {
  QList<QAction*> commands;
  std::function<void(const QList<QAction*>&)> collect = [&](const QList<QAction*>& actions) {
    for (QAction* action : actions) {
      if (action->isSeparator()) continue;
      if (action->menu() != nullptr) {
        collect(action->menu()->actions());
      } else {
        commands.append(action);
      }
    }
  };
  for (QAction* top : bar.actions()) {
    if (top->menu() != nullptr) collect(top->menu()->actions());
  }
  return commands;
}

}  // namespace

CarelessUser::CarelessUser(WindowFixture& fixture, HostileFiles& files, std::uint64_t seed)
    : fixture_(fixture),
      files_(files),
      seed_(seed),
      random_(seed),
      trace_(qEnvironmentVariableIsSet("QUORVANE_CARELESS_TRACE")) {
  HookWindow();
  connect(&watchdog_, &QTimer::timeout, this, &CarelessUser::Watch);
  watchdog_.start(20);
}

CarelessUser::~CarelessUser() { watchdog_.stop(); }

void CarelessUser::HookWindow() {
  MainWindow& window = fixture_.window();
  TForm1& form = fixture_.form();
  form.OpenDialog1->set_chooser([this](QWidget*, const QString&) {
    ++open_asks_;
    if (!open_answers_.empty()) {
      std::optional<QString> answer = open_answers_.front();
      open_answers_.pop_front();
      return answer;
    }
    std::optional<QString> answer = files_.OpenAnswer(random_);
    Log(QStringLiteral("  the open dialog answers %1").arg(Shown(answer)));
    return answer;
  });
  window.save_dialog().set_chooser([this](QWidget*, const SaveRequest& request) {
    ++save_asks_;
    std::optional<QString> answer;
    if (!save_answers_.empty()) {
      answer = save_answers_.front();
      save_answers_.pop_front();
    } else {
      answer = files_.SaveAnswer(random_);
    }
    Log(QStringLiteral("  \"%1\" answers %2").arg(request.caption, Shown(answer)));
    return answer;
  });
  form.error_box().set_presenter([this](QWidget*, const QString& caption, const QString& text) {
    ++error_boxes_;
    if (caption != ProgramTitle()) Fault(QStringLiteral("error box caption %1").arg(caption));
    if (text.isEmpty()) Fault(QStringLiteral("an empty error box"));
    for (const char* mark : kInternalMarks) {
      if (text.contains(QString::fromUtf8(mark))) {
        Fault(QStringLiteral("error box shows internal text: %1").arg(text.left(300)));
      }
    }
    last_box_text_ = text;
  });
  window.set_about_presenter([this](QWidget* parent) {
    ++about_boxes_;
    const AboutDialog about(parent);
    if (about.summary().isEmpty() || about.licence_text().isEmpty()) {
      Fault(QStringLiteral("the About box is empty"));
    }
  });
  connect(window.quit_action(), &QAction::triggered, this, [this] { quit_triggered_ = true; });
}

int CarelessUser::Below(int bound) {
  return static_cast<int>(random_() % static_cast<std::uint64_t>(bound));
}

void CarelessUser::Log(const QString& action) {
  recent_actions_.push_back(QStringLiteral("step %1: %2").arg(step_).arg(action));
  // For a run that ends without a report (a crash, a hang): every action as
  // it happens.
  if (trace_) qInfo("%s", qPrintable(recent_actions_.back()));
  if (recent_actions_.size() > kActionsKept) recent_actions_.pop_front();
}

void CarelessUser::Fault(const QString& what) {
  faults_.append(QStringLiteral("step %1: %2").arg(step_).arg(what));
}

QString CarelessUser::Replay() const {
  QString text = QStringLiteral("seed %1, step %2 (replay with QUORVANE_CARELESS_SEED=%1)\n")
                     .arg(seed_)
                     .arg(step_);
  text += QStringLiteral("faults:\n  ") + faults_.join(QStringLiteral("\n  "));
  text += QStringLiteral("\nthe last actions:\n");
  for (const QString& action : recent_actions_) text += QStringLiteral("  ") + action + '\n';
  return text;
}

QWidget* CarelessUser::Focused() const {
  QWidget* focus = QApplication::focusWidget();
  return focus != nullptr ? focus : &fixture_.window();
}

void CarelessUser::Step(int number) {
  step_ = number;
  open_asks_ = 0;
  load_elsewhere_ = false;
  quit_triggered_ = false;
  row_count_before_ = fixture_.form().RowCount();
  QElapsedTimer timer;
  timer.start();
  const int kind = Below(100);
  if (kind < 14) {
    RunCheckedAction();
  } else if (kind < 30) {
    TypeIntoField();
  } else if (kind < 46) {
    EditCell();
  } else if (kind < 62) {
    PressKey();
  } else if (kind < 72) {
    TriggerMenuCommand();
  } else if (kind < 78) {
    DropFiles();
  } else if (kind < 86) {
    UseChart();
  } else if (kind < 95) {
    ClickSomewhere();
  } else if (kind < 99) {
    OpenContextMenu();
  } else {
    DeleteASavedFile();
  }
  QCoreApplication::processEvents();
  CloseStrayPopups();
  CheckWindow();
  const auto took = std::chrono::milliseconds(timer.elapsed());
  if (trace_) qInfo("step %d took %lld ms", step_, static_cast<long long>(took.count()));
  if (took > slowest_time_) {
    slowest_time_ = took;
    slowest_step_ = recent_actions_.empty() ? QString() : recent_actions_.back();
  }
}

// ---- The steps -------------------------------------------------------------

void CarelessUser::RunCheckedAction() {
  TForm1& form = fixture_.form();
  switch (Below(4)) {
    case 0:
      RunLoadSomehow();
      return;
    case 1:
      Log(QStringLiteral("draw (focus it, Space)"));
      CheckAgainstCopy(Action::kDraw, std::nullopt, [&form] {
        form.ButtonDraw->setFocus(Qt::TabFocusReason);
        QTest::keyClick(form.ButtonDraw, Qt::Key_Space);
      });
      return;
    case 2:
      Log(QStringLiteral("click CalMS"));
      CheckAgainstCopy(Action::kCalMS, std::nullopt,
                       [&form] { QTest::mouseClick(form.ButtonCalMS, Qt::LeftButton); });
      return;
    default:
      Log(QStringLiteral("click CalHS"));
      CheckAgainstCopy(Action::kCalHS, std::nullopt,
                       [&form] { QTest::mouseClick(form.ButtonCalHS, Qt::LeftButton); });
      return;
  }
}

void CarelessUser::RunLoadSomehow() {
  TForm1& form = fixture_.form();
  MainWindow& window = fixture_.window();
  const std::optional<QString> answer = files_.OpenAnswer(random_);
  switch (Below(4)) {
    case 0:
      Log(QStringLiteral("click Load, the dialog answers %1").arg(Shown(answer)));
      CheckAgainstCopy(Action::kLoad, answer, [this, &form, &answer] {
        open_answers_.push_back(answer);
        QTest::mouseClick(form.ButtonLoad, Qt::LeftButton);
      });
      return;
    case 1:
      Log(QStringLiteral("File > Load..., the dialog answers %1").arg(Shown(answer)));
      CheckAgainstCopy(Action::kLoad, answer, [this, &window, &answer] {
        open_answers_.push_back(answer);
        window.load_action()->trigger();
      });
      return;
    case 2:
      Log(QStringLiteral("Ctrl+O in %1, the dialog answers %2")
              .arg(Focused()->metaObject()->className(), Shown(answer)));
      CheckAgainstCopy(Action::kLoad, answer, [this, &answer] {
        open_answers_.push_back(answer);
        QTest::keyClick(Focused(), Qt::Key_O, Qt::ControlModifier);
      });
      return;
    default: {
      const QList<QAction*> entries = window.recent_menu()->actions();
      QAction* entry = entries[Below(static_cast<int>(entries.size()))];
      if (entry->data().isValid()) {
        OpenRecentProfile(entry);
      } else {
        Log(QStringLiteral("Recent profiles > %1").arg(entry->text()));
        entry->trigger();
      }
      return;
    }
  }
}

void CarelessUser::OpenRecentProfile(QAction* entry) {
  const QString path = entry->data().toString();
  Log(QStringLiteral("Recent profiles > %1").arg(Shown(path)));
  load_elsewhere_ = true;
  if (QFileInfo::exists(path)) {
    CheckAgainstCopy(Action::kLoad, path, [entry] { entry->trigger(); });
    return;
  }
  const int boxes = error_boxes_;
  entry->trigger();
  const QString expected = DecodeUtf8(
      ErrorBoxText(messages::RecentProfileGone(EncodeUtf8(QDir::toNativeSeparators(path)))));
  if (error_boxes_ != boxes + 1 || last_box_text_ != expected) {
    Fault(QStringLiteral("a missing recent profile showed %1 boxes, the last %2")
              .arg(error_boxes_ - boxes)
              .arg(Shown(last_box_text_)));
  }
  if (fixture_.window().recent_profiles().paths().contains(path)) {
    Fault(QStringLiteral("the missing recent profile stays in the list"));
  }
}

void CarelessUser::CheckAgainstCopy(Action action, const std::optional<QString>& answer,
                                    const std::function<void()>& perform) {
  ++checked_actions_;
  TForm1& form = fixture_.form();
  const int index = static_cast<int>(action);
  MemoryWorkspace copy = CopyOf(form);
  const bool runs = action != Action::kLoad || (answer.has_value() && !answer->isEmpty());
  std::optional<std::string> expected_error;
  if (runs) {
    expected_error = RunOnCopy(index, copy, answer.has_value() ? PathBytes(*answer) : "");
  }
  const int boxes = error_boxes_;
  perform();
  QCoreApplication::processEvents();
  if (!open_answers_.empty()) {
    open_answers_.clear();
    Fault(QStringLiteral("Load did not ask for a file"));
    return;
  }

  const QString name = QString::fromLatin1(ActionName(index));
  if (expected_error.has_value()) {
    const QString expected = DecodeUtf8(ErrorBoxText(*expected_error));
    if (error_boxes_ != boxes + 1 || last_box_text_ != expected) {
      Fault(QStringLiteral("%1 showed %2 error boxes, the last %3, where the copy raised %4")
                .arg(name)
                .arg(error_boxes_ - boxes)
                .arg(Shown(last_box_text_), Shown(expected)));
    }
  } else if (error_boxes_ != boxes) {
    Fault(QStringLiteral("%1 showed %2, where the copy ran without an error")
              .arg(name, Shown(last_box_text_)));
  }
  if (form.RowCount() != copy.RowCount()) {
    Fault(QStringLiteral("%1 left %2 rows, the copy %3")
              .arg(name)
              .arg(form.RowCount())
              .arg(copy.RowCount()));
  }
  for (const Field field : kAllFields) {
    if (form.FieldText(field) != copy.FieldText(field)) {
      Fault(QStringLiteral("%1 left %2 as %3, the copy as %4")
                .arg(name,
                     QString::fromLatin1(FieldName(field).data(),
                                         static_cast<qsizetype>(FieldName(field).size())),
                     Shown(form.FieldText(field)), Shown(copy.FieldText(field))));
    }
  }
  if (action == Action::kLoad) {
    for (std::int32_t row = 0; row < std::min(form.RowCount(), copy.RowCount()); ++row) {
      for (int column = 0; column < kProfileColumns; ++column) {
        if (form.CellText(column, row) != copy.CellText(column, row)) {
          Fault(QStringLiteral("Load left cell (%1, %2) as %3, the copy as %4")
                    .arg(column)
                    .arg(row)
                    .arg(Shown(form.CellText(column, row)), Shown(copy.CellText(column, row))));
          return;
        }
      }
    }
  }
  if ((action == Action::kCalMS || action == Action::kCalHS) && !expected_error.has_value() &&
      form.last_profile_text() != copy.clipboard_text()) {
    Fault(QStringLiteral("%1 copied %2, the copy %3")
              .arg(name, Shown(form.last_profile_text()), Shown(copy.clipboard_text())));
  }
}

void CarelessUser::TypeText(QWidget* target, const QString& text) {
  switch (Below(3)) {
    case 0:
      if (text.size() <= 32) {
        // Key by key, each to whatever has the focus by then (a Tab or a
        // line end in the text moves it); a character beyond the 16-bit
        // range comes as one event.
        for (qsizetype i = 0; i < text.size(); ++i) {
          QString key(text[i]);
          if (text[i].isHighSurrogate() && i + 1 < text.size()) key += text[++i];
          Qt::Key code = Qt::Key_unknown;
          if (key == QStringLiteral("\t")) code = Qt::Key_Tab;
          if (key == QStringLiteral("\n") || key == QStringLiteral("\r")) code = Qt::Key_Return;
          if (key.size() == 1 && key[0].isLetterOrNumber() && key[0].unicode() < 128) {
            code = Qt::Key(key[0].toUpper().unicode());
          }
          QTest::sendKeyEvent(QTest::Click, Focused(), code, key, Qt::NoModifier);
        }
        return;
      }
      [[fallthrough]];
    case 1: {
      // As an input method commits it.
      QInputMethodEvent commit;
      commit.setCommitString(text);
      QApplication::sendEvent(target, &commit);
      return;
    }
    default:
      QGuiApplication::clipboard()->setText(text);
      QTest::keyClick(target, Qt::Key_V, Qt::ControlModifier);
      return;
  }
}

void CarelessUser::TypeIntoField() {
  TForm1& form = fixture_.form();
  QLineEdit* const fields[] = {form.Edit1,    form.EditSW,  form.EditSN,  form.EditBP,
                               form.EditnRot, form.EditMax, form.EditFWHM};
  QLineEdit* field = fields[Below(7)];
  const QString text = CarelessText(random_, DecodeUtf8(form.number_format().decimal_separator()));
  const bool replace = Below(3) != 0;
  Log(QStringLiteral("%1 %2 in %3")
          .arg(replace ? "type" : "add", Shown(text), field->objectName()));
  field->setFocus(Qt::MouseFocusReason);
  QTest::mouseClick(field, Qt::LeftButton, {}, QPoint(Below(field->width()), field->height() / 2));
  if (replace) QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
  TypeText(field, text);
  if (Below(4) == 0) QTest::keyClick(Focused(), Qt::Key_Return);
}

void CarelessUser::EditCell() {
  TForm1& form = fixture_.form();
  ProfileGridView& view = *form.StringGridRProf;
  QAbstractItemModel& model = *view.model();
  const int rows = model.rowCount();
  const int near[] = {0, 1, rows - 2, rows - 1, rows, rows + 1, 1021, 1022, 1023, 1024, 1025, 5000};
  const int row = Below(2) == 0 ? Below(rows) : near[Below(12)];
  const int column = Below(2);
  const QString text = CarelessText(random_, DecodeUtf8(form.number_format().decimal_separator()));
  Log(QStringLiteral("edit data row %1, column %2 of %3 rows: %4")
          .arg(row)
          .arg(column)
          .arg(rows)
          .arg(Shown(text)));
  const QModelIndex cell = model.index(row, column);
  if (!cell.isValid()) {
    if (model.setData(cell, text, Qt::EditRole)) {
      Fault(QStringLiteral("a cell outside the table took a text"));
    }
    return;
  }
  view.setFocus(Qt::MouseFocusReason);
  view.setCurrentIndex(cell);
  view.scrollTo(cell);
  auto* editor = qobject_cast<QLineEdit*>(view.CurrentEditor());
  if (editor == nullptr) {
    Fault(QStringLiteral("no editor on the current cell"));
    return;
  }
  if (Below(3) == 0) QTest::keyClick(editor, Qt::Key_End);
  TypeText(editor, text);
}

void CarelessUser::PressKey() {
  struct Key {
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    const char* name;
  };
  static const Key kKeys[] = {
      {Qt::Key_Tab, Qt::NoModifier, "Tab"},
      {Qt::Key_Backtab, Qt::ShiftModifier, "Shift+Tab"},
      {Qt::Key_Return, Qt::NoModifier, "Enter"},
      {Qt::Key_Enter, Qt::KeypadModifier, "keypad Enter"},
      {Qt::Key_Space, Qt::NoModifier, "Space"},
      {Qt::Key_Delete, Qt::NoModifier, "Delete"},
      {Qt::Key_Backspace, Qt::NoModifier, "Backspace"},
      {Qt::Key_Escape, Qt::NoModifier, "Escape"},
      {Qt::Key_Up, Qt::NoModifier, "Up"},
      {Qt::Key_Down, Qt::NoModifier, "Down"},
      {Qt::Key_Left, Qt::NoModifier, "Left"},
      {Qt::Key_Right, Qt::NoModifier, "Right"},
      {Qt::Key_Home, Qt::NoModifier, "Home"},
      {Qt::Key_End, Qt::NoModifier, "End"},
      {Qt::Key_PageUp, Qt::NoModifier, "PageUp"},
      {Qt::Key_PageDown, Qt::NoModifier, "PageDown"},
      {Qt::Key_End, Qt::ControlModifier, "Ctrl+End"},
      {Qt::Key_Z, Qt::ControlModifier, "Ctrl+Z"},
      {Qt::Key_Y, Qt::ControlModifier, "Ctrl+Y"},
      {Qt::Key_A, Qt::ControlModifier, "Ctrl+A"},
      {Qt::Key_C, Qt::ControlModifier, "Ctrl+C"},
      {Qt::Key_X, Qt::ControlModifier, "Ctrl+X"},
      {Qt::Key_V, Qt::ControlModifier, "Ctrl+V"},
      {Qt::Key_O, Qt::ControlModifier, "Ctrl+O"},
      {Qt::Key_S, Qt::ControlModifier, "Ctrl+S"},
      {Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier, "Ctrl+Shift+S"},
      {Qt::Key_E, Qt::ControlModifier, "Ctrl+E"},
      {Qt::Key_P, Qt::ControlModifier, "Ctrl+P"},
      {Qt::Key_Q, Qt::ControlModifier, "Ctrl+Q"},
      {Qt::Key_F, Qt::AltModifier, "Alt+F"},
      {Qt::Key_H, Qt::AltModifier, "Alt+H"},
      {Qt::Key_F1, Qt::NoModifier, "F1"},
      {Qt::Key_F10, Qt::NoModifier, "F10"},
      {Qt::Key_Minus, Qt::NoModifier, "-"},
      {Qt::Key_5, Qt::NoModifier, "5"},
  };
  const Key& key = kKeys[Below(static_cast<int>(std::size(kKeys)))];
  QWidget* target = Focused();
  Log(QStringLiteral("press %1 in %2 %3")
          .arg(QString::fromLatin1(key.name), target->metaObject()->className(),
               target->objectName()));
  QString text;
  if (key.key == Qt::Key_Minus) text = QStringLiteral("-");
  if (key.key == Qt::Key_5) text = QStringLiteral("5");
  if (key.key == Qt::Key_Space) text = QStringLiteral(" ");
  QTest::sendKeyEvent(QTest::Click, target, key.key, text, key.modifiers);
}

void CarelessUser::TriggerMenuCommand() {
  MainWindow& window = fixture_.window();
  const QList<QAction*> commands = MenuCommands(*window.menuBar());
  QAction* command = commands[Below(static_cast<int>(commands.size()))];
  if (command == window.load_action()) {
    RunLoadSomehow();
  } else if (command->data().isValid()) {
    OpenRecentProfile(command);
  } else if (command == window.save_table_action() || command == window.save_accumulated_action() ||
             command == window.export_chart_action() || command == window.report_action()) {
    SaveThroughMenu(command);
  } else {
    Log(QStringLiteral("menu %1%2")
            .arg(command->text(), command->isEnabled() ? "" : " (disabled)"));
    command->trigger();
  }
}

// A save with the bytes its rule gives: the table's file text, the last
// clipboard text (or its CSV); a chart or a report that is not empty.
void CarelessUser::SaveThroughMenu(QAction* command) {
  MainWindow& window = fixture_.window();
  TForm1& form = fixture_.form();
  const std::optional<QString> answer = files_.SaveAnswer(random_);
  Log(QStringLiteral("menu %1%2, the dialog answers %3")
          .arg(command->text(), command->isEnabled() ? "" : " (disabled)", Shown(answer)));
  std::optional<std::string> expected_bytes;
  std::optional<std::string> expected_error;
  if (command == window.save_table_action()) {
    try {
      expected_bytes = ProfileTableFileText(form);
    } catch (const Error& e) {
      expected_error = e.message();
    }
  } else if (command == window.save_accumulated_action() && answer.has_value()) {
    expected_bytes =
        QFileInfo(*answer).suffix().compare(QStringLiteral("csv"), Qt::CaseInsensitive) == 0
            ? ProfileTextAsCsv(form.last_profile_text(), form.last_profile_text_format())
            : form.last_profile_text();
  }
  const bool asks = command->isEnabled();
  const bool writes =
      asks && answer.has_value() && files_.IsWritableAnswer(*answer) &&
      !(command == window.export_chart_action() && !ChartFileTypeOf(*answer).has_value());
  save_answers_.push_back(answer);
  const int boxes = error_boxes_;
  const int asked = save_asks_;
  command->trigger();
  if (!asks) {
    save_answers_.clear();
    if (save_asks_ != asked) Fault(QStringLiteral("a disabled command asked for a name"));
    return;
  }
  if (!answer.has_value() || answer->isEmpty()) {
    if (error_boxes_ != boxes) Fault(QStringLiteral("a cancelled save showed an error box"));
    return;
  }
  if (expected_error.has_value()) {
    if (error_boxes_ != boxes + 1 || last_box_text_ != DecodeUtf8(ErrorBoxText(*expected_error))) {
      Fault(QStringLiteral("a refused table save showed %1").arg(Shown(last_box_text_)));
    }
    return;
  }
  if (!writes) {
    if (error_boxes_ != boxes + 1) {
      Fault(QStringLiteral("a save to %1 showed %2 error boxes")
                .arg(Shown(*answer))
                .arg(error_boxes_ - boxes));
    }
    return;
  }
  if (error_boxes_ != boxes) {
    Fault(QStringLiteral("a save to %1 failed: %2").arg(Shown(*answer), Shown(last_box_text_)));
    return;
  }
  const QByteArray written = ReadAll(*answer);
  if (expected_bytes.has_value() ? written != QByteArray::fromStdString(*expected_bytes)
                                 : written.isEmpty()) {
    Fault(QStringLiteral("%1 holds %2 bytes not as its rule gives them")
              .arg(Shown(*answer))
              .arg(written.size()));
  }
  files_.AddSaved(*answer);
}

void CarelessUser::DropFiles() {
  const std::optional<QString> first = files_.OpenAnswer(random_);
  QList<QUrl> urls;
  if (first.has_value()) urls.append(QUrl::fromLocalFile(*first));
  if (Below(5) == 0) urls.append(QUrl::fromLocalFile(files_.OpenAnswer(random_).value_or("")));
  QMimeData data;
  data.setUrls(urls);
  if (Below(4) == 0) data.setText(QStringLiteral("dropped text"));
  const QList<QWidget*> widgets = fixture_.window().findChildren<QWidget*>();
  QWidget* target = widgets[Below(static_cast<int>(widgets.size()))];
  Log(QStringLiteral("drop %1 URLs, the first %2, on %3 %4")
          .arg(urls.size())
          .arg(Shown(first), target->metaObject()->className(), target->objectName()));
  const std::optional<QString> dropped = DroppedFile(data);
  const QPoint at(Below(std::max(target->width(), 1)), Below(std::max(target->height(), 1)));
  const auto drop = [&data, target, at] {
    QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, {});
    QApplication::sendEvent(target, &enter);
    QDragMoveEvent move(at, Qt::CopyAction, &data, Qt::LeftButton, {});
    QApplication::sendEvent(target, &move);
    QDropEvent dropped_here(at, Qt::CopyAction, &data, Qt::LeftButton, {});
    QApplication::sendEvent(target, &dropped_here);
  };
  load_elsewhere_ = true;
  // A drop on a widget of the window loads once the drop has ended; the
  // menu bar's and the panel's widgets belong to the window as well.
  if (dropped.has_value() && target->window() == &fixture_.window()) {
    CheckAgainstCopy(Action::kLoad, dropped, drop);
  } else {
    drop();
  }
}

void CarelessUser::UseChart() {
  ZoomableChartView& chart = *fixture_.form().Chart1;
  QWidget* viewport = chart.viewport();
  const auto point = [this, viewport] {
    return QPoint(Below(viewport->width() + 40) - 20, Below(viewport->height() + 40) - 20);
  };
  const QPoint from = point();
  const QPoint to = point();
  switch (Below(6)) {
    case 0:
    case 1: {
      const Qt::MouseButton button = Below(2) == 0 ? Qt::LeftButton : Qt::RightButton;
      Log(QStringLiteral("drag on the chart with the %1 button")
              .arg(button == Qt::LeftButton ? "left" : "right"));
      QTest::mousePress(viewport, button, {}, from);
      QTest::mouseMove(viewport, (from + to) / 2);
      QTest::mouseMove(viewport, to);
      QTest::mouseRelease(viewport, button, {}, to);
      return;
    }
    case 2: {
      Log(QStringLiteral("wheel on the chart"));
      QWheelEvent wheel(from, viewport->mapToGlobal(from), QPoint(),
                        QPoint(0, Below(2) == 0 ? 120 : -360), Qt::NoButton, Qt::NoModifier,
                        Qt::NoScrollPhase, false);
      QApplication::sendEvent(viewport, &wheel);
      return;
    }
    case 3:
      Log(QStringLiteral("double-click on the chart"));
      QTest::mouseDClick(viewport, Qt::LeftButton, {}, from);
      return;
    case 4:
      Log(QStringLiteral("hover over the chart"));
      QTest::mouseMove(viewport, from);
      return;
    default:
      Log(QStringLiteral("click the chart, press Home"));
      QTest::mouseClick(viewport, Qt::LeftButton, {}, from);
      QTest::keyClick(&chart, Qt::Key_Home);
      return;
  }
}

void CarelessUser::ClickSomewhere() {
  QWidget& central = *fixture_.window().centralWidget();
  const QPoint at(Below(central.width()), Below(central.height()));
  QWidget* target = central.childAt(at);
  if (target == nullptr) target = &central;
  const Qt::MouseButton button = Below(5) == 0 ? Qt::RightButton : Qt::LeftButton;
  Log(QStringLiteral("click at (%1, %2) on %3 %4")
          .arg(at.x())
          .arg(at.y())
          .arg(target->metaObject()->className(), target->objectName()));
  const QPoint local = target->mapFrom(&central, at);
  if (Below(6) == 0) {
    QTest::mouseDClick(target, button, {}, local);
  } else {
    QTest::mouseClick(target, button, {}, local);
  }
}

void CarelessUser::OpenContextMenu() {
  QWidget* targets[] = {&fixture_.window().readouts_panel().table(),
                        fixture_.form().Edit1,
                        fixture_.form().EditBP,
                        fixture_.form().StringGridRProf->CurrentEditor(),
                        fixture_.form().Chart1->viewport(),
                        Focused()};
  QWidget* target = targets[Below(6)];
  if (target == nullptr) target = Focused();
  const std::uint64_t choice = random_();
  Log(QStringLiteral("context menu on %1 %2, choice %3")
          .arg(target->metaObject()->className(), target->objectName())
          .arg(choice % 16));
  // The menu may run its own event loop: answered from there.
  QTimer::singleShot(0, this, [this, choice] {
    if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
      AnswerPopup(menu, choice);
    }
  });
  const QPoint at(target->width() / 2, target->height() / 2);
  QContextMenuEvent event(QContextMenuEvent::Mouse, at, target->mapToGlobal(at));
  QApplication::sendEvent(target, &event);
}

void CarelessUser::AnswerPopup(QMenu* menu, std::uint64_t choice) {
  QList<QAction*> actions;
  for (QAction* action : menu->actions()) {
    if (!action->isSeparator() && action->isEnabled() && action->menu() == nullptr) {
      actions.append(action);
    }
  }
  const auto pick = static_cast<qsizetype>(choice % 16);
  menu->close();
  if (pick < actions.size()) {
    Log(QStringLiteral("  picks %1").arg(actions[pick]->text()));
    actions[pick]->trigger();
  }
}

void CarelessUser::DeleteASavedFile() {
  const std::optional<QString> answer = files_.SaveAnswer(random_);
  if (!answer.has_value() || !files_.IsWritableAnswer(*answer)) return;
  Log(QStringLiteral("delete %1 outside the program").arg(Shown(*answer)));
  QFile::remove(*answer);
}

// What is left open (a menu the menu bar opened with Alt+F, a text
// field's context menu) is closed, and the window is made the active one
// again: the user comes back to it.
void CarelessUser::CloseStrayPopups() {
  for (int i = 0; i < 10 && QApplication::activePopupWidget() != nullptr; ++i) {
    QApplication::activePopupWidget()->close();
    QCoreApplication::processEvents();
  }
  MainWindow& window = fixture_.window();
  if (window.isVisible() && QApplication::activeWindow() != &window) {
    window.activateWindow();
    if (!QTest::qWaitForWindowActive(&window)) Fault(QStringLiteral("the window stays inactive"));
  }
}

// ---- The checks ------------------------------------------------------------

void CarelessUser::Watch() {
  QWidget* modal = QApplication::activeModalWidget();
  if (modal == nullptr) return;
  Fault(QStringLiteral("an unexpected modal %1 \"%2\"")
            .arg(modal->metaObject()->className(), modal->windowTitle()));
  if (auto* dialog = qobject_cast<QDialog*>(modal)) {
    dialog->reject();
  } else {
    modal->close();
  }
}

void CarelessUser::CheckWindow() {
  if (quit_triggered_) {
    if (fixture_.window().isVisible()) Fault(QStringLiteral("Quit left the window open"));
    Log(QStringLiteral("  Quit closed the window; it is started again"));
    if (!fixture_.ShowAndActivate()) Fault(QStringLiteral("the window did not come back"));
  }
  CheckAlive();
  CheckTable();
  CheckEditorShowsItsCell();
  CheckResultToolTips();
}

void CarelessUser::CheckAlive() {
  if (!fixture_.window().isVisible()) Fault(QStringLiteral("the window is gone"));
  bool answered = false;
  QMetaObject::invokeMethod(
      this, [&answered] { answered = true; }, Qt::QueuedConnection);
  QCoreApplication::processEvents();
  if (!answered) Fault(QStringLiteral("the event loop does not answer"));
}

// At least 2 rows (1024 at the start), at most a full profile file's; the
// model and the view show one row less (row 0 is the header). Only a load
// changes the count.
void CarelessUser::CheckTable() {
  const TForm1& form = fixture_.form();
  const std::int32_t rows = form.RowCount();
  if (rows < 2 || rows > kMostRows) Fault(QStringLiteral("the table holds %1 rows").arg(rows));
  if (form.table_model().rowCount() != rows - 1) {
    Fault(QStringLiteral("the model shows %1 rows of %2")
              .arg(form.table_model().rowCount())
              .arg(rows));
  }
  if (form.StringGridRProf->verticalHeader()->count() != rows - 1) {
    Fault(QStringLiteral("the view shows %1 rows of %2")
              .arg(form.StringGridRProf->verticalHeader()->count())
              .arg(rows));
  }
  if (rows != row_count_before_ && open_asks_ == 0 && !load_elsewhere_) {
    Fault(QStringLiteral("the row count went from %1 to %2 without a load")
              .arg(row_count_before_)
              .arg(rows));
  }
}

// What the current cell's editor shows is what the next action reads.
void CarelessUser::CheckEditorShowsItsCell() {
  const ProfileGridView& view = *fixture_.form().StringGridRProf;
  const auto* editor = qobject_cast<const QLineEdit*>(view.CurrentEditor());
  if (editor == nullptr) return;
  // A cell beyond the editor's maximum length shows its start.
  const QString cell = view.currentIndex().data(Qt::EditRole).toString().left(editor->maxLength());
  if (editor->text() != cell) {
    Fault(QStringLiteral("the editor of data row %1, column %2 shows %3, the cell holds %4")
              .arg(view.currentIndex().row())
              .arg(view.currentIndex().column())
              .arg(Shown(editor->text()), Shown(cell)));
  }
}

void CarelessUser::CheckResultToolTips() {
  const TForm1& form = fixture_.form();
  for (const QLineEdit* result :
       {static_cast<QLineEdit*>(form.EditMax), static_cast<QLineEdit*>(form.EditFWHM)}) {
    if (result->toolTip() != result->text()) {
      Fault(QStringLiteral("%1's tooltip %2 is not its text %3")
                .arg(result->objectName(), Shown(result->toolTip()), Shown(result->text())));
    }
  }
}

}  // namespace quorvane::test_support
