#include "app/t_form1.h"

#include <QClipboard>
#include <QEvent>
#include <QFile>
#include <QGuiApplication>
#include <algorithm>
#include <array>
#include <exception>
#include <optional>
#include <string>

#include "accumulation/scan_actions.h"
#include "analysis/draw_measured_profile.h"
#include "app/axis_scaling.h"
#include "app/profile_chart.h"
#include "app/utf8_text.h"
#include "app/window_fonts.h"
#include "errors/error.h"
#include "errors/error_box_text.h"
#include "locale/system_number_format.h"
#include "numbers/number_text.h"
#include "profile_io/load_profile_file.h"

namespace quorvane {

TForm1* Form1 = nullptr;

namespace {

QPushButton* NewButton(QWidget* parent, const char* name, const char* caption, QRect geometry) {
  auto* button = new QPushButton(QString::fromLatin1(caption), parent);
  button->setObjectName(QString::fromLatin1(name));
  button->setFont(BoldWindowFont());
  button->setGeometry(geometry);
  return button;
}

ByteKeepingLineEdit* NewField(QWidget* parent, Field field, QRect geometry, bool bold,
                              const NumberFormat& format) {
  auto* edit = new ByteKeepingLineEdit(parent);
  edit->setObjectName(QString::fromLatin1(FieldName(field).data(),
                                          static_cast<qsizetype>(FieldName(field).size())));
  if (bold) edit->setFont(BoldWindowFont());
  edit->setGeometry(geometry);
  edit->SetBytes(StartText(field, format));
  return edit;
}

// Labels size themselves to their caption. Where the font draws a caption
// wider than designed, the label grows to the left, so it keeps its gap
// before the field it names.
QLabel* NewLabel(QWidget* parent, const char* name, const char* caption, QRect geometry) {
  auto* label = new QLabel(QString::fromLatin1(caption), parent);
  label->setObjectName(QString::fromLatin1(name));
  label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  const int width = std::max(geometry.width(), label->sizeHint().width());
  label->setGeometry(geometry.right() + 1 - width, geometry.top(), width, geometry.height());
  return label;
}

}  // namespace

TForm1::TForm1(QWidget* parent) : QWidget(parent), number_format_(SystemNumberFormat()) {
  setWindowTitle(QStringLiteral("Form1"));
  setFont(WindowFont());
  setBackgroundRole(QPalette::Button);
  setAutoFillBackground(true);
  resize(kClientWidth, kClientHeight);
  move(303, 211);
  CreateControls();
  SetTabOrder();
  SetStacking();
  ConnectButtons();
  ShowWholeResultsAsToolTips();
  StringGridRProf->setFocus(Qt::OtherFocusReason);
}

// The grid goes before the model it shows, so that its editor, losing the
// focus as it is destroyed, still belongs to a cell.
TForm1::~TForm1() { delete StringGridRProf; }

void TForm1::CreateControls() {
  CreateTable();
  CreateButtons();
  OpenDialog1 = &open_dialog_;
  CreateChart();
  CreateFieldsAndLabels();
}

void TForm1::CreateTable() {
  table_model_ = std::make_unique<ProfileTableModel>(table_);
  StringGridRProf = new ProfileGridView(this);
  StringGridRProf->setObjectName(QStringLiteral("StringGridRProf"));
  StringGridRProf->setGeometry(40, 88, 201, 393);
  StringGridRProf->setModel(table_model_.get());
  StringGridRProf->setCurrentIndex(table_model_->index(0, 0));
}

void TForm1::CreateButtons() {
  ButtonLoad = NewButton(this, "ButtonLoad", "Load", QRect(182, 48, 57, 25));
  ButtonDraw = NewButton(this, "ButtonDraw", "draw", QRect(136, 120, 73, 25));
  ButtonCalMS = NewButton(this, "ButtonCalMS", "CalMS", QRect(416, 464, 73, 25));
  ButtonCalHS = NewButton(this, "ButtonCalHS", "CalHS", QRect(579, 464, 70, 25));
}

void TForm1::CreateChart() {
  const ProfileChart chart = CreateProfileChart(this);
  Chart1 = chart.view;
  Chart1->setObjectName(QStringLiteral("Chart1"));
  Chart1->setGeometry(264, 48, 457, 297);
  Series1 = chart.series[0];
  Series2 = chart.series[1];
  Series3 = chart.series[2];
  Series4 = chart.series[3];
  Series5 = chart.series[4];
  measured_curve_ = ChartCurve(Series1);
  accumulated_curve_ = ChartCurve(Series2);
  Chart1->set_point_text(
      [this](const QLineSeries& series, QPointF point) { return PointText(series, point); });
}

// The hover text of a chart point, its numbers as the result fields write
// them: "measured profile", "position -12.5 mm", "dose rate 24.6".
QString TForm1::PointText(const QLineSeries& series, QPointF point) const {
  const bool measured = &series == Series1;
  const QString curve =
      measured ? QStringLiteral("measured profile") : QStringLiteral("accumulated profile");
  const QString value = measured ? QStringLiteral("dose rate") : QStringLiteral("dose");
  return QStringLiteral("%1\nposition %2 mm\n%3 %4")
      .arg(curve, DecodeUtf8(NumberText(point.x(), number_format_)), value,
           DecodeUtf8(NumberText(point.y(), number_format_)));
}

void TForm1::CreateFieldsAndLabels() {
  Edit1 = NewField(this, Field::kEdit1, QRect(40, 16, 681, 20), false, number_format_);
  Label2 = NewLabel(this, "Label2", "SliceWidth(mm)", QRect(339, 363, 79, 12));
  EditSW = NewField(this, Field::kEditSW, QRect(430, 360, 57, 20), true, number_format_);
  Label3 = NewLabel(this, "Label3", "SliceNumber", QRect(523, 363, 64, 12));
  EditSN = NewField(this, Field::kEditSN, QRect(595, 360, 57, 20), true, number_format_);
  Label4 = NewLabel(this, "Label4", "PeakValue", QRect(364, 395, 54, 12));
  EditMax = NewField(this, Field::kEditMax, QRect(430, 392, 57, 20), true, number_format_);
  Label6 = NewLabel(this, "Label6", "FWHM(mm)", QRect(528, 395, 59, 12));
  EditFWHM = NewField(this, Field::kEditFWHM, QRect(595, 392, 57, 20), true, number_format_);
  Label1 = NewLabel(this, "Label1", "BeamPitch", QRect(363, 427, 55, 12));
  EditBP = NewField(this, Field::kEditBP, QRect(430, 424, 57, 20), true, number_format_);
  Label7 = NewLabel(this, "Label7", "Rot.Number", QRect(529, 427, 59, 12));
  EditnRot = NewField(this, Field::kEditnRot, QRect(595, 424, 57, 20), true, number_format_);
}

void TForm1::SetTabOrder() {
  // Chart1 takes no focus, so Tab passes from Edit1 straight to ButtonDraw.
  const std::array<QWidget*, 12> order = {StringGridRProf, ButtonLoad, Edit1,    ButtonDraw,
                                          EditBP,          EditSW,     EditSN,   ButtonCalMS,
                                          EditFWHM,        EditMax,    EditnRot, ButtonCalHS};
  for (std::size_t i = 1; i < order.size(); ++i) setTabOrder(order[i - 1], order[i]);
}

void TForm1::SetStacking() {
  // Each in front of those before it; the labels stay behind them all.
  // ButtonDraw lies inside the table's rectangle, covered by it.
  const std::array<QWidget*, 13> back_to_front = {
      ButtonDraw, StringGridRProf, ButtonLoad, Edit1,   Chart1,   EditBP,     EditSW,
      EditSN,     ButtonCalMS,     EditFWHM,   EditMax, EditnRot, ButtonCalHS};
  for (QWidget* control : back_to_front) control->raise();
}

void TForm1::ConnectButtons() {
  connect(ButtonLoad, &QPushButton::clicked, this, &TForm1::ButtonLoadClick);
  connect(ButtonDraw, &QPushButton::clicked, this, &TForm1::ButtonDrawClick);
  connect(ButtonCalMS, &QPushButton::clicked, this, &TForm1::ButtonCalMSClick);
  connect(ButtonCalHS, &QPushButton::clicked, this, &TForm1::ButtonCalHSClick);
}

// A result longer than its field shows its leading digits; the tooltip
// shows all of them.
void TForm1::ShowWholeResultsAsToolTips() {
  for (QLineEdit* result : {static_cast<QLineEdit*>(EditMax), static_cast<QLineEdit*>(EditFWHM)}) {
    connect(result, &QLineEdit::textChanged, result, &QLineEdit::setToolTip);
  }
}

std::int32_t TForm1::RowCount() const { return table_.RowCount(); }

void TForm1::SetRowCount(std::int32_t row_count) { table_.SetRowCount(row_count); }

std::string TForm1::CellText(int column, std::int32_t row) const {
  return table_.CellText(column, row);
}

void TForm1::SetCellText(int column, std::int32_t row, std::string_view text) {
  table_.SetCellText(column, row, text);
}

ByteKeepingLineEdit* TForm1::FieldEdit(Field field) const {
  switch (field) {
    case Field::kEdit1:
      return Edit1;
    case Field::kEditSW:
      return EditSW;
    case Field::kEditSN:
      return EditSN;
    case Field::kEditBP:
      return EditBP;
    case Field::kEditnRot:
      return EditnRot;
    case Field::kEditMax:
      return EditMax;
    case Field::kEditFWHM:
      return EditFWHM;
  }
  return Edit1;
}

std::string TForm1::FieldText(Field field) const { return FieldEdit(field)->Bytes(); }

void TForm1::SetFieldText(Field field, std::string_view text) { FieldEdit(field)->SetBytes(text); }

ChartCurve& TForm1::CurveOf(CurveId curve) {
  return curve == CurveId::kSeries1 ? measured_curve_ : accumulated_curve_;
}

// "draw" empties the measured curve before it reads any cell: how the window
// tells a load that reached its draw from one that ended before it.
void TForm1::RemoveAllPoints(CurveId curve) {
  if (curve == CurveId::kSeries1) ++draws_started_;
  CurveOf(curve).RemoveAllPoints();
}

void TForm1::AddPoint(CurveId curve, double x, double y) { CurveOf(curve).AddPoint(x, y); }

// The system clipboard of Qt cannot be held by another program, so this never
// fails with the clipboard error.
void TForm1::SetClipboardText(std::string text) {
  QGuiApplication::clipboard()->setText(DecodeUtf8(text));
  last_profile_text_ = std::move(text);
  last_profile_text_format_ = number_format_;
  has_accumulated_output_ = true;
  emit accumulatedProfileOutput();
}

void TForm1::ButtonLoadClick() { RunLoad(OpenDialog1->Execute().value_or(std::string())); }

void TForm1::LoadFile(const QString& path) {
  RunLoad(OpenDialog1->Accept(path).value_or(std::string()));
}

void TForm1::RunLoad(const std::string& path) {
  std::optional<MeasuredProfile> profile;
  const int draws_before = draws_started_;
  const std::optional<QString> error =
      RunAction([this, &path, &profile] { profile = LoadProfileFile(*this, path); });
  if (path.empty()) return;
  if (error.has_value()) {
    // A load that ended before its draw left the table as it was.
    if (draws_started_ != draws_before) emit drawFailed(*error);
    return;
  }
  results_action_ = QStringLiteral("Load");
  emit profileLoaded(QFile::decodeName(QByteArray::fromStdString(path)));
  if (profile.has_value()) emit profileDrawn(*profile);
}

void TForm1::ButtonDrawClick() {
  std::optional<MeasuredProfile> profile;
  const std::optional<QString> error =
      RunAction([this, &profile] { profile = DrawMeasuredProfile(*this); });
  if (error.has_value()) {
    emit drawFailed(*error);
    return;
  }
  results_action_ = QStringLiteral("draw");
  emit profileDrawn(*profile);
}

void TForm1::ButtonCalMSClick() {
  RunAccumulation(QStringLiteral("CalMS"), [this] { return RunMultipleScanAction(*this); });
}

void TForm1::ButtonCalHSClick() {
  RunAccumulation(QStringLiteral("CalHS"), [this] { return RunHelicalScanAction(*this); });
}

void TForm1::RunAccumulation(const QString& action,
                             const std::function<AccumulationRecord()>& accumulate) {
  const QString typed_pitch = DecodeUtf8(FieldText(Field::kEditBP));
  std::optional<AccumulationRecord> record;
  const std::optional<QString> error = RunAction([&] { record = accumulate(); });
  if (error.has_value()) {
    emit accumulationFailed(action, *error);
    return;
  }
  results_action_ = action;
  emit accumulationDone(*record, typed_pitch);
}

std::optional<QString> TForm1::RunAction(const std::function<void()>& action) {
  std::optional<std::string> error;
  try {
    action();
  } catch (const Error& e) {
    error = e.message();
  } catch (const std::exception& e) {
    error = e.what();
  }
  // What the action drew before its error stays on the chart.
  PushCurvesToChart();
  if (!error.has_value()) return std::nullopt;
  error_box_.Show(*error);
  return DecodeUtf8(ErrorBoxText(*error));
}

void TForm1::PushCurvesToChart() {
  // A line series works out its whole outline again on every change of an
  // axis range, and 50 001 accumulated samples make that most of a click. So
  // the axes take their new ranges while the changed series are empty, and
  // each series receives its points once, last.
  measured_curve_.EmptySeriesIfChanged();
  accumulated_curve_.EmptySeriesIfChanged();
  ScaleAxesToCurves(*Chart1->chart(), {&measured_curve_.curve(), &accumulated_curve_.curve()});
  measured_curve_.Push();
  accumulated_curve_.Push();
}

void TForm1::changeEvent(QEvent* event) {
  if (event->type() == QEvent::LocaleChange) {
    number_format_ = SystemNumberFormat();
    Chart1->chart()->setLocale(ChartNumberLocale());
  }
  QWidget::changeEvent(event);
}

}  // namespace quorvane
