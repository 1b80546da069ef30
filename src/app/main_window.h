// The program's window: the menu bar above Form1's designed area, which
// keeps every control where it was designed (TForm1, placed whole below
// the menu bar), and the readouts panel to its right. The panel's measured
// column follows every draw (and so every Load) and every change of the
// slice width, slice number and beam pitch fields; its accumulated column
// follows every CalMS and CalHS that reaches its output, and is cleared
// with the reason when one fails. The menu commands take results out of the window (saves,
// the chart export, the PDF report) and bring profiles in (recent
// profiles, a file dropped anywhere on the window). Each command's error
// ends only that command and is shown in Form1's error box.
//
// File > Load...                      Ctrl+O        "Load", unchanged
// File > Recent profiles > 1..8, Clear
// File > Save profile table as...     Ctrl+S
// File > Save accumulated profile as... Ctrl+Shift+S (after CalMS/CalHS)
// File > Export chart...              Ctrl+E        .png, .svg, .pdf
// File > Report (PDF)...              Ctrl+P
// File > Quit                         Ctrl+Q
// Help > About Quorvane
#pragma once

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QSettings>
#include <functional>
#include <memory>
#include <optional>
#include <utility>

#include "app/readouts_panel.h"
#include "app/recent_profiles.h"
#include "app/report_pdf.h"
#include "app/save_dialog.h"
#include "app/t_form1.h"

namespace quorvane {

class MainWindow : public QMainWindow {
  Q_OBJECT

 public:
  // Keeps the recent profiles in `settings`; by default the program's
  // settings (QSettings of the application identity).
  explicit MainWindow(std::unique_ptr<QSettings> settings = nullptr, QWidget* parent = nullptr);
  ~MainWindow() override;

  TForm1& form() { return *form_; }
  ReadoutsPanel& readouts_panel() { return *panel_; }
  SaveDialog& save_dialog() { return save_dialog_; }
  RecentProfiles& recent_profiles() { return recent_; }

  QAction* load_action() const { return load_action_; }
  QMenu* recent_menu() const { return recent_menu_; }
  QAction* save_table_action() const { return save_table_action_; }
  QAction* save_accumulated_action() const { return save_accumulated_action_; }
  QAction* export_chart_action() const { return export_chart_action_; }
  QAction* report_action() const { return report_action_; }
  QAction* quit_action() const { return quit_action_; }
  QAction* about_action() const { return about_action_; }

  // Shows the About box and returns once it is closed; tests answer in
  // place of the user. By default a modal AboutDialog over the window.
  using AboutPresenter = std::function<void(QWidget* parent)>;
  void set_about_presenter(AboutPresenter presenter) { about_presenter_ = std::move(presenter); }

  // What the report shows, as of now.
  ReportContent ReportNow() const;

  // The commands behind the menu, also for a path chosen elsewhere.
  void SaveProfileTableTo(const QString& path);
  void SaveAccumulatedProfileTo(const QString& path);
  void ExportChartTo(const QString& path);
  void WriteReportTo(const QString& path);
  void OpenRecentProfile(const QString& path);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  bool event(QEvent* event) override;

 private:
  void CreateMenus();
  void MoveToDesignedPlace();
  void ConnectReadouts();
  void UpdateMeasuredReadouts();
  // The file name of the profile in Edit1, "the table" without one.
  QString ProfileName() const;
  QAction* AddCommand(QMenu* menu, const QString& text, const QKeySequence& shortcut,
                      void (MainWindow::*command)());
  void RebuildRecentMenu();

  void SaveProfileTable();
  void SaveAccumulatedProfile();
  void ExportChart();
  void WriteReport();
  void ShowAbout();

  // Asks for a name, starting beside the loaded profile as `suggested_name`.
  std::optional<QString> AskSaveName(const QString& caption, const QStringList& filters,
                                     const QString& default_suffix, const QString& suggested_name);
  // Runs one command: its error ends it and goes to the error box.
  void RunCommand(const std::function<void()>& command);
  bool IsMenuShortcut(const QKeyEvent& key) const;
  bool HandleDrop(QWidget* target, QDropEvent& event, bool drop);

  std::unique_ptr<QSettings> settings_;
  RecentProfiles recent_;
  TForm1* form_;
  ReadoutsPanel* panel_;
  SaveDialog save_dialog_{this};
  // The profile the last successful draw measured, for the measured
  // readouts when a field changes.
  std::optional<MeasuredProfile> measured_profile_;
  QString measured_name_;

  QAction* load_action_ = nullptr;
  QMenu* recent_menu_ = nullptr;
  QAction* save_table_action_ = nullptr;
  QAction* save_accumulated_action_ = nullptr;
  QAction* export_chart_action_ = nullptr;
  QAction* report_action_ = nullptr;
  QAction* quit_action_ = nullptr;
  QAction* about_action_ = nullptr;
  AboutPresenter about_presenter_;
};

// The About box as Help > About Quorvane shows it: modal over `parent`.
void ShowAboutDialog(QWidget* parent);

// The one local file a drag carries, if it carries exactly one.
std::optional<QString> DroppedFile(const QMimeData& data);

}  // namespace quorvane
