#include "app/main_window.h"

#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QDropEvent>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QMenuBar>
#include <QMimeData>
#include <QScreen>
#include <QTimer>
#include <QUrl>
#include <algorithm>
#include <exception>

#include "accumulation/profile_csv.h"
#include "app/about_dialog.h"
#include "app/atomic_save.h"
#include "app/chart_export.h"
#include "app/utf8_text.h"
#include "errors/error.h"
#include "errors/messages.h"
#include "profile_io/save_profile_table.h"
#include "program_version.h"
#include "readouts/accumulated_readouts.h"
#include "readouts/measured_readouts.h"
#include "workspace/profile_values.h"

namespace quorvane {
namespace {

QString ProgramNameAndVersion() {
  return QStringLiteral("Quorvane %1")
      .arg(QString::fromLatin1(kProgramVersion.data(),
                               static_cast<qsizetype>(kProgramVersion.size())));
}

// A path as a menu shows it: "&" doubled so that it is no mnemonic.
QString MenuText(int number, const QString& path) {
  QString shown = QDir::toNativeSeparators(path);
  shown.replace(QLatin1Char('&'), QStringLiteral("&&"));
  return QStringLiteral("&%1 %2").arg(number).arg(shown);
}

bool IsCsv(const QString& path) {
  return QFileInfo(path).suffix().compare(QStringLiteral("csv"), Qt::CaseInsensitive) == 0;
}

}  // namespace

std::optional<QString> DroppedFile(const QMimeData& data) {
  if (!data.hasUrls()) return std::nullopt;
  const QList<QUrl> urls = data.urls();
  if (urls.size() != 1 || !urls.first().isLocalFile()) return std::nullopt;
  return urls.first().toLocalFile();
}

MainWindow::MainWindow(std::unique_ptr<QSettings> settings, QWidget* parent)
    : QMainWindow(parent),
      settings_(settings ? std::move(settings) : std::make_unique<QSettings>()),
      recent_(*settings_),
      about_presenter_(ShowAboutDialog) {
  setWindowTitle(QStringLiteral("Form1"));
  auto* central = new QWidget(this);
  form_ = new TForm1(central);
  form_->setFixedSize(TForm1::kClientWidth, TForm1::kClientHeight);
  auto* layout = new QHBoxLayout(central);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->addWidget(form_, 0, Qt::AlignLeft | Qt::AlignTop);
  panel_ = new ReadoutsPanel(central);
  panel_->SetNumberFormat(form_->number_format());
  panel_->setFixedHeight(TForm1::kClientHeight);
  layout->addWidget(panel_, 0, Qt::AlignLeft | Qt::AlignTop);
  layout->addStretch(1);
  setCentralWidget(central);
  CreateMenus();
  setAcceptDrops(true);
  qApp->installEventFilter(this);

  connect(form_, &TForm1::profileLoaded, this, [this](const QString& path) {
    recent_.Add(path);
    RebuildRecentMenu();
  });
  connect(form_, &TForm1::accumulatedProfileOutput, save_accumulated_action_,
          [this] { save_accumulated_action_->setEnabled(true); });
  ConnectReadouts();
  resize(sizeHint());
  MoveToDesignedPlace();
}

// Where Form1 was designed to open, moved in as far as needed for the wider
// window to fit on the screen.
void MainWindow::MoveToDesignedPlace() {
  QPoint place(303, 211);
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    const QRect available = screen->availableGeometry();
    place.setX(std::max(available.left(), std::min(place.x(), available.right() + 1 - width())));
    place.setY(std::max(available.top(), std::min(place.y(), available.bottom() + 1 - height())));
  }
  move(place);
}

MainWindow::~MainWindow() { qApp->removeEventFilter(this); }

void MainWindow::ConnectReadouts() {
  connect(form_, &TForm1::profileDrawn, this, [this](const MeasuredProfile& profile) {
    measured_profile_ = profile;
    measured_name_ = ProfileName();
    UpdateMeasuredReadouts();
  });
  connect(form_, &TForm1::drawFailed, this, [this](const QString& reason) {
    measured_profile_.reset();
    panel_->ClearMeasured(reason);
  });
  for (QLineEdit* field :
       {static_cast<QLineEdit*>(form_->EditSW), static_cast<QLineEdit*>(form_->EditSN),
        static_cast<QLineEdit*>(form_->EditBP)}) {
    connect(field, &QLineEdit::textChanged, this, &MainWindow::UpdateMeasuredReadouts);
  }
  connect(form_, &TForm1::accumulationDone, this,
          [this](const AccumulationRecord& record, const QString& typed_pitch) {
            panel_->ShowAccumulated(DecodeUtf8(record.action), ProfileName(),
                                    AccumulatedReadouts(record), typed_pitch);
          });
  connect(form_, &TForm1::accumulationFailed, panel_, &ReadoutsPanel::ClearAccumulated);
}

void MainWindow::UpdateMeasuredReadouts() {
  if (!measured_profile_.has_value()) return;
  panel_->ShowMeasured(measured_name_,
                       MeasuredReadouts(*measured_profile_, form_->FieldText(Field::kEditSW),
                                        form_->FieldText(Field::kEditSN),
                                        form_->FieldText(Field::kEditBP), form_->number_format()),
                       *measured_profile_);
}

QString MainWindow::ProfileName() const {
  const QString name = QFileInfo(DecodeUtf8(form_->FieldText(Field::kEdit1))).fileName();
  return name.isEmpty() ? QStringLiteral("the table") : name;
}

// A new locale brings a new decimal separator: Form1 takes it as the event
// passes on to it, then the panel writes its numbers again.
bool MainWindow::event(QEvent* event) {
  const bool handled = QMainWindow::event(event);
  if (event->type() == QEvent::LocaleChange) {
    panel_->SetNumberFormat(form_->number_format());
    UpdateMeasuredReadouts();
  }
  return handled;
}

QAction* MainWindow::AddCommand(QMenu* menu, const QString& text, const QKeySequence& shortcut,
                                void (MainWindow::*command)()) {
  QAction* action = menu->addAction(text);
  action->setShortcut(shortcut);
  connect(action, &QAction::triggered, this, command);
  return action;
}

void MainWindow::CreateMenus() {
  QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
  load_action_ = file->addAction(QStringLiteral("&Load..."));
  load_action_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
  connect(load_action_, &QAction::triggered, form_, &TForm1::ButtonLoadClick);
  recent_menu_ = file->addMenu(QStringLiteral("&Recent profiles"));
  RebuildRecentMenu();
  file->addSeparator();
  save_table_action_ =
      AddCommand(file, QStringLiteral("&Save profile table as..."),
                 QKeySequence(Qt::CTRL | Qt::Key_S), &MainWindow::SaveProfileTable);
  save_accumulated_action_ = AddCommand(file, QStringLiteral("Save &accumulated profile as..."),
                                        QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S),
                                        &MainWindow::SaveAccumulatedProfile);
  save_accumulated_action_->setEnabled(false);
  export_chart_action_ = AddCommand(file, QStringLiteral("&Export chart..."),
                                    QKeySequence(Qt::CTRL | Qt::Key_E), &MainWindow::ExportChart);
  report_action_ = AddCommand(file, QStringLiteral("&Report (PDF)..."),
                              QKeySequence(Qt::CTRL | Qt::Key_P), &MainWindow::WriteReport);
  file->addSeparator();
  quit_action_ = file->addAction(QStringLiteral("&Quit"));
  quit_action_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
  connect(quit_action_, &QAction::triggered, this, &QWidget::close);

  QMenu* help = menuBar()->addMenu(QStringLiteral("&Help"));
  about_action_ = help->addAction(QStringLiteral("&About Quorvane"));
  connect(about_action_, &QAction::triggered, this, &MainWindow::ShowAbout);
}

void MainWindow::RebuildRecentMenu() {
  recent_menu_->clear();
  const QStringList paths = recent_.paths();
  for (int i = 0; i < paths.size(); ++i) {
    const QString path = paths[i];
    QAction* action = recent_menu_->addAction(MenuText(i + 1, path));
    action->setData(path);
    connect(action, &QAction::triggered, this, [this, path] { OpenRecentProfile(path); });
  }
  if (paths.isEmpty()) recent_menu_->addAction(QStringLiteral("(none)"))->setEnabled(false);
  recent_menu_->addSeparator();
  QAction* clear = recent_menu_->addAction(QStringLiteral("&Clear"));
  clear->setEnabled(!paths.isEmpty());
  connect(clear, &QAction::triggered, this, [this] {
    recent_.Clear();
    RebuildRecentMenu();
  });
}

void MainWindow::OpenRecentProfile(const QString& path) {
  if (!QFileInfo::exists(path)) {
    recent_.Remove(path);
    RebuildRecentMenu();
    form_->error_box().Show(
        messages::RecentProfileGone(EncodeUtf8(QDir::toNativeSeparators(path))));
    return;
  }
  form_->LoadFile(path);
}

void MainWindow::RunCommand(const std::function<void()>& command) {
  try {
    command();
  } catch (const Error& e) {
    form_->error_box().Show(e.message());
  } catch (const std::exception& e) {
    form_->error_box().Show(e.what());
  }
}

std::optional<QString> MainWindow::AskSaveName(const QString& caption, const QStringList& filters,
                                               const QString& default_suffix,
                                               const QString& suggested_name) {
  const QString profile = DecodeUtf8(form_->FieldText(Field::kEdit1));
  QString start;
  if (!suggested_name.isEmpty()) {
    start = profile.isEmpty() ? suggested_name : QFileInfo(profile).dir().filePath(suggested_name);
  }
  return save_dialog_.Execute({caption, filters, default_suffix, start});
}

namespace {

// "profile" for "/data/profile.txt", or `fallback` without a profile.
QString ProfileBaseName(const TForm1& form, const QString& fallback) {
  const QString base = QFileInfo(DecodeUtf8(form.FieldText(Field::kEdit1))).completeBaseName();
  return base.isEmpty() ? fallback : base;
}

}  // namespace

void MainWindow::SaveProfileTable() {
  const QString profile = DecodeUtf8(form_->FieldText(Field::kEdit1));
  const std::optional<QString> path =
      AskSaveName(QStringLiteral("Save profile table as"), ProfileFileFilters(),
                  QStringLiteral("txt"), QFileInfo(profile).fileName());
  if (path.has_value()) SaveProfileTableTo(*path);
}

void MainWindow::SaveProfileTableTo(const QString& path) {
  RunCommand([this, &path] {
    SaveBytesAtomically(path, ProfileTableFileText(*form_));
    recent_.Add(path);
    RebuildRecentMenu();
  });
}

void MainWindow::SaveAccumulatedProfile() {
  const std::optional<QString> path = AskSaveName(
      QStringLiteral("Save accumulated profile as"), ProfileFileFilters(), QStringLiteral("txt"),
      ProfileBaseName(*form_, QStringLiteral("profile")) + QStringLiteral("_accumulated.txt"));
  if (path.has_value()) SaveAccumulatedProfileTo(*path);
}

void MainWindow::SaveAccumulatedProfileTo(const QString& path) {
  RunCommand([this, &path] {
    if (IsCsv(path)) {
      SaveBytesAtomically(
          path, ProfileTextAsCsv(form_->last_profile_text(), form_->last_profile_text_format()));
    } else {
      SaveBytesAtomically(path, form_->last_profile_text());
    }
  });
}

void MainWindow::ExportChart() {
  const std::optional<QString> path =
      AskSaveName(QStringLiteral("Export chart"), ChartFileFilters(), QStringLiteral("png"),
                  ProfileBaseName(*form_, QStringLiteral("chart")) + QStringLiteral("_chart.png"));
  if (path.has_value()) ExportChartTo(*path);
}

void MainWindow::ExportChartTo(const QString& path) {
  RunCommand([this, &path] {
    const std::optional<ChartFileType> type = ChartFileTypeOf(path);
    if (!type.has_value()) {
      throw InputOutputError(
          messages::UnknownChartType(EncodeUtf8(QDir::toNativeSeparators(path))));
    }
    SaveAtomically(path, [this, &type](QIODevice& device) {
      return WriteChart(*form_->Chart1, *type, device);
    });
  });
}

void MainWindow::WriteReport() {
  const std::optional<QString> path = AskSaveName(
      QStringLiteral("Report (PDF)"), {QStringLiteral("PDF document (*.pdf)")},
      QStringLiteral("pdf"),
      ProfileBaseName(*form_, QStringLiteral("profile")) + QStringLiteral("_report.pdf"));
  if (path.has_value()) WriteReportTo(*path);
}

void MainWindow::WriteReportTo(const QString& path) {
  RunCommand([this, &path] {
    const ReportContent content = ReportNow();
    SaveAtomically(path, [this, &content](QIODevice& device) {
      return WriteReportPdf(content, *form_->Chart1, device);
    });
  });
}

ReportContent MainWindow::ReportNow() const {
  ReportContent content;
  content.program = ProgramNameAndVersion();
  content.created = QDateTime::currentDateTime();
  content.profile_path = DecodeUtf8(form_->FieldText(Field::kEdit1));
  content.parameters = {
      {QStringLiteral("SliceWidth(mm)"), DecodeUtf8(form_->FieldText(Field::kEditSW))},
      {QStringLiteral("SliceNumber"), DecodeUtf8(form_->FieldText(Field::kEditSN))},
      {QStringLiteral("BeamPitch"), DecodeUtf8(form_->FieldText(Field::kEditBP))},
      {QStringLiteral("Rot.Number"), DecodeUtf8(form_->FieldText(Field::kEditnRot))},
  };
  content.tables.push_back(panel_->AsReportTable());
  content.notes = panel_->Notes();
  ReportTable details{QStringLiteral("Calculation details"),
                      {QStringLiteral("Item"), QStringLiteral("Value")},
                      {},
                      {1.2, 3.8}};
  details.rows.push_back({QStringLiteral("Measured column"), panel_->measured_heading()});
  details.rows.push_back({QStringLiteral("Accumulated column"), panel_->accumulated_heading()});
  if (!panel_->pitch_warning().isEmpty()) {
    details.rows.push_back({QStringLiteral("Pitch"), panel_->pitch_warning()});
  }
  details.rows.push_back(
      {QStringLiteral("PeakValue (result field)"), DecodeUtf8(form_->FieldText(Field::kEditMax))});
  details.rows.push_back(
      {QStringLiteral("FWHM(mm) (result field)"), DecodeUtf8(form_->FieldText(Field::kEditFWHM))});
  details.rows.push_back({QStringLiteral("Result fields written by"), form_->results_action()});
  details.rows.push_back(
      {QStringLiteral("Data rows of the table"), QString::number(std::max(PointCount(*form_), 0))});
  details.rows.push_back({QStringLiteral("Decimal separator"),
                          DecodeUtf8(form_->number_format().decimal_separator())});
  content.tables.push_back(details);
  return content;
}

void MainWindow::ShowAbout() { about_presenter_(this); }

void ShowAboutDialog(QWidget* parent) {
  AboutDialog about(parent);
  about.exec();
}

bool MainWindow::IsMenuShortcut(const QKeyEvent& key) const {
  const QKeySequence pressed(key.keyCombination());
  for (const QAction* action : {load_action_, save_table_action_, save_accumulated_action_,
                                export_chart_action_, report_action_, quit_action_}) {
    if (action->isEnabled() && action->shortcut() == pressed) return true;
  }
  return false;
}

bool MainWindow::HandleDrop(QWidget* target, QDropEvent& event, bool drop) {
  if (target == nullptr || target->window() != this) return false;
  const std::optional<QString> file = DroppedFile(*event.mimeData());
  if (!file.has_value()) return false;
  event.setDropAction(Qt::CopyAction);
  event.accept();
  // Loaded once the drop has ended: an error box must not hold up the
  // program the file came from.
  if (drop) QTimer::singleShot(0, this, [this, path = *file] { form_->LoadFile(path); });
  return true;
}

// Watches every widget of the window: a file dragged onto any of them goes to
// "Load", not into a text field; the menu's shortcuts win over a text
// field's own use of the same keys (Ctrl+E moves to the end of a line).
bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
  switch (event->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove:
      return HandleDrop(qobject_cast<QWidget*>(watched), *static_cast<QDropEvent*>(event), false);
    case QEvent::Drop:
      return HandleDrop(qobject_cast<QWidget*>(watched), *static_cast<QDropEvent*>(event), true);
    case QEvent::ShortcutOverride: {
      auto* widget = qobject_cast<QWidget*>(watched);
      if (widget != nullptr && widget->window() == this &&
          IsMenuShortcut(*static_cast<QKeyEvent*>(event))) {
        event->ignore();
        return true;
      }
      return false;
    }
    default:
      return false;
  }
}

}  // namespace quorvane
