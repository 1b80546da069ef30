// The main window, Form1. Its controls are the workspace that every action
// reads and writes: TForm1 implements Workspace over them, so an action works
// directly on the table, the fields and the chart, and nothing is copied back
// and forth. The four click handlers run the four actions; each catches the
// error that ends its action and shows it in the error box.
#pragma once

#include <QChartView>
#include <QLabel>
#include <QLineSeries>
#include <QPushButton>
#include <QWidget>
#include <functional>
#include <memory>
#include <optional>

#include "accumulation/accumulation_record.h"
#include "analysis/measured_profile.h"
#include "app/byte_keeping_line_edit.h"
#include "app/chart_curve.h"
#include "app/error_box.h"
#include "app/open_dialog.h"
#include "app/profile_grid_view.h"
#include "app/profile_table_model.h"
#include "app/zoomable_chart_view.h"
#include "workspace/profile_table.h"
#include "workspace/workspace.h"

namespace quorvane {

class TForm1 : public QWidget, public Workspace {
  Q_OBJECT

 public:
  // The client area that gives about the designed outer size of 769 x 545
  // under a desktop frame of a few pixels and a title bar of about 30.
  static constexpr int kClientWidth = 761;
  static constexpr int kClientHeight = 514;

  explicit TForm1(QWidget* parent = nullptr);
  ~TForm1() override;

  // Workspace, over the controls.
  std::int32_t RowCount() const override;
  void SetRowCount(std::int32_t row_count) override;
  std::string CellText(int column, std::int32_t row) const override;
  void SetCellText(int column, std::int32_t row, std::string_view text) override;
  std::string FieldText(Field field) const override;
  void SetFieldText(Field field, std::string_view text) override;
  void RemoveAllPoints(CurveId curve) override;
  void AddPoint(CurveId curve, double x, double y) override;
  void SetClipboardText(std::string text) override;
  const NumberFormat& number_format() const override { return number_format_; }

  ErrorBox& error_box() { return error_box_; }
  const ProfileTableModel& table_model() const { return *table_model_; }

  // "Load" of a path chosen elsewhere (the command line, a drop, the recent
  // profiles): exactly as if the file dialog had returned it, which it
  // then offers as its start name.
  void LoadFile(const QString& path);

  // The text the clipboard last received from "CalMS" or "CalHS", and the
  // number format it was written in; empty before the first output.
  const std::string& last_profile_text() const { return last_profile_text_; }
  const NumberFormat& last_profile_text_format() const { return last_profile_text_format_; }
  bool has_accumulated_output() const { return has_accumulated_output_; }
  // The action whose results the result fields show: "draw", "Load",
  // "CalMS" or "CalHS", the last one that ended normally; empty at first.
  const QString& results_action() const { return results_action_; }

  // The controls, in the order of the form.
  ProfileGridView* StringGridRProf;
  QPushButton* ButtonLoad;
  OpenDialog* OpenDialog1;
  ByteKeepingLineEdit* Edit1;
  ZoomableChartView* Chart1;
  QLineSeries* Series1;
  QPushButton* ButtonDraw;
  ByteKeepingLineEdit* EditBP;
  ByteKeepingLineEdit* EditSW;
  ByteKeepingLineEdit* EditSN;
  QPushButton* ButtonCalMS;
  QLineSeries* Series2;
  ByteKeepingLineEdit* EditFWHM;
  ByteKeepingLineEdit* EditMax;
  ByteKeepingLineEdit* EditnRot;
  QPushButton* ButtonCalHS;
  QLabel* Label1;
  QLabel* Label2;
  QLabel* Label3;
  QLabel* Label4;
  QLabel* Label6;
  QLabel* Label7;
  QLineSeries* Series3;
  QLineSeries* Series4;
  QLineSeries* Series5;

 signals:
  // A load that ended without an error, with the path it read.
  void profileLoaded(const QString& path);
  // "CalMS" or "CalHS" has put a profile text on the clipboard.
  void accumulatedProfileOutput();
  // "draw", or "Load" with its draw, measured the profile.
  void profileDrawn(const quorvane::MeasuredProfile& profile);
  // "draw", or the draw of a "Load", ended with an error: its error box
  // text. A load that fails before its draw (a missing file) leaves the
  // table, and so its measured profile, as they were.
  void drawFailed(const QString& reason);
  // "CalMS" or "CalHS" reached its output; `typed_pitch` is the text of
  // EditBP that it read.
  void accumulationDone(const quorvane::AccumulationRecord& record, const QString& typed_pitch);
  // "CalMS" or "CalHS" ended with an error: the action and its error box
  // text.
  void accumulationFailed(const QString& action, const QString& reason);

 public slots:
  void ButtonLoadClick();
  void ButtonDrawClick();
  void ButtonCalMSClick();
  void ButtonCalHSClick();

 protected:
  // A change of the system's locale brings a new decimal separator.
  void changeEvent(QEvent* event) override;

 private:
  void CreateControls();
  void CreateTable();
  void CreateChart();
  void CreateFieldsAndLabels();
  void CreateButtons();
  void SetTabOrder();
  void SetStacking();
  void ConnectButtons();
  void ShowWholeResultsAsToolTips();
  QString PointText(const QLineSeries& series, QPointF point) const;
  void RunLoad(const std::string& path);

  ByteKeepingLineEdit* FieldEdit(Field field) const;
  ChartCurve& CurveOf(CurveId curve);

  // Runs one action: its error, of any kind, ends only the action and is
  // shown once its curves are on the chart. The error box text of the
  // error, or nothing when the action ended normally.
  std::optional<QString> RunAction(const std::function<void()>& action);
  void RunAccumulation(const QString& action,
                       const std::function<AccumulationRecord()>& accumulate);
  void PushCurvesToChart();

  // The locale's, taken when the window opens and on every change of it.
  NumberFormat number_format_;
  ProfileTable table_;
  std::string last_profile_text_;
  NumberFormat last_profile_text_format_;
  bool has_accumulated_output_ = false;
  QString results_action_;
  int draws_started_ = 0;
  // Declared after the table it observes, so it goes first.
  std::unique_ptr<ProfileTableModel> table_model_;
  ChartCurve measured_curve_{nullptr};
  ChartCurve accumulated_curve_{nullptr};
  ErrorBox error_box_{this};
  OpenDialog open_dialog_{this};
};

// The one main window of the program.
extern TForm1* Form1;

}  // namespace quorvane
