// quorvane_window_bench: the real window, TForm1, on Qt's offscreen platform,
// timed from a click to the chart repainted into an image. Two cases:
// "Load" of the benchmarks' 1025-line profile file (with its "draw"), and
// the worst-case "CalHS" (1025 points, T = 48 976, 50 001 accumulated
// samples) after it. Each is clicked several times; the first click is
// reported alone, the others as median and fastest. Printed figures only.
//
// Usage: quorvane_window_bench [clicks]   (default 20)
#include <QApplication>
#include <QPixmap>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include <unistd.h>

#include "accumulation/scan_actions.h"
#include "app/t_form1.h"
#include "bench_inputs.h"
#include "profile_io/load_profile_file.h"
#include "workspace/memory_workspace.h"

namespace quorvane::bench {
namespace {

double WallSeconds() {
  return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch()).count();
}

double CpuSeconds() {
  timespec now{};
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
  return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

[[noreturn]] void Fail(const std::string& what) {
  std::fprintf(stderr, "quorvane_window_bench: %s\n", what.c_str());
  std::exit(1);
}

// One click: the handler (the action and the curves handed to the chart),
// the events it left (the chart's layout and update requests), the chart
// painted into an image.
struct ClickTimes {
  double handler_ms = 0;
  double events_ms = 0;
  double grab_ms = 0;
  double total_ms = 0;
  double cpu_ms = 0;
};

ClickTimes TimeClick(TForm1& form, QPushButton& button) {
  const double cpu_start = CpuSeconds();
  const double start = WallSeconds();
  button.click();
  const double handled = WallSeconds();
  QCoreApplication::processEvents();
  const double settled = WallSeconds();
  const QPixmap image = form.Chart1->grab();
  const double grabbed = WallSeconds();
  const double cpu_end = CpuSeconds();
  if (image.isNull()) Fail("the chart gave no image");
  return {(handled - start) * 1e3, (settled - handled) * 1e3, (grabbed - settled) * 1e3,
          (grabbed - start) * 1e3, (cpu_end - cpu_start) * 1e3};
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  const std::size_t middle = values.size() / 2;
  return values.size() % 2 == 1 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

void Report(const char* name, const std::vector<ClickTimes>& clicks) {
  const ClickTimes& first = clicks.front();
  std::printf("%s\n  first click: %.2f ms (handler %.2f, events %.2f, grab %.2f; cpu %.2f)\n", name,
              first.total_ms, first.handler_ms, first.events_ms, first.grab_ms, first.cpu_ms);
  std::vector<double> total, handler, events, grab, cpu;
  for (std::size_t i = 1; i < clicks.size(); ++i) {
    total.push_back(clicks[i].total_ms);
    handler.push_back(clicks[i].handler_ms);
    events.push_back(clicks[i].events_ms);
    grab.push_back(clicks[i].grab_ms);
    cpu.push_back(clicks[i].cpu_ms);
  }
  std::printf(
      "  next %zu clicks: median %.2f ms (handler %.2f, events %.2f, grab %.2f; cpu %.2f), "
      "fastest %.2f ms\n",
      total.size(), Median(total), Median(handler), Median(events), Median(grab), Median(cpu),
      *std::min_element(total.begin(), total.end()));
}

// The profile file for the life of the benchmark.
class TemporaryProfileFile {
 public:
  TemporaryProfileFile()
      : path_(std::filesystem::temp_directory_path() /
              ("quorvane_window_bench_" + std::to_string(getpid()) + ".txt")) {
    std::ofstream(path_, std::ios::binary) << ProfileFileText();
  }
  TemporaryProfileFile(const TemporaryProfileFile&) = delete;
  TemporaryProfileFile& operator=(const TemporaryProfileFile&) = delete;
  ~TemporaryProfileFile() { std::filesystem::remove(path_); }

  std::string path() const { return path_.string(); }

 private:
  std::filesystem::path path_;
};

// The window must show what the core gives: the same accumulated curve and
// result fields as the action on a workspace in memory.
void CheckHelicalResult(const TForm1& form, const std::string& path) {
  MemoryWorkspace expected(form.number_format());
  LoadProfileFile(expected, path);
  expected.SetFieldText(Field::kEditBP, kHelicalWorstCase.beam_pitch);
  expected.SetFieldText(Field::kEditnRot, kHelicalWorstCase.rotations);
  RunHelicalScanAction(expected);
  const auto points = static_cast<qsizetype>(expected.CurveOf(CurveId::kSeries2).points().size());
  if (form.Series2->count() != points || points < kHelicalWorstCase.accumulated_length - 10) {
    Fail("the chart shows " + std::to_string(form.Series2->count()) + " accumulated points");
  }
  if (form.FieldText(Field::kEditMax) != expected.FieldText(Field::kEditMax) ||
      form.FieldText(Field::kEditFWHM) != expected.FieldText(Field::kEditFWHM)) {
    Fail("the window's result fields differ from the core's");
  }
}

int Run(int clicks) {
  const TemporaryProfileFile file;
  TForm1 form;
  form.OpenDialog1->set_chooser(
      [&](QWidget*, const QString&) { return std::optional(QString::fromStdString(file.path())); });
  form.error_box().set_presenter([](QWidget*, const QString&, const QString& text) {
    Fail("the window showed the error " + text.toStdString());
  });
  form.show();
  QCoreApplication::processEvents();

  std::vector<ClickTimes> loads;
  for (int i = 0; i < clicks; ++i) loads.push_back(TimeClick(form, *form.ButtonLoad));
  if (form.Series1->count() != kProfilePoints) Fail("the load did not plot the profile");

  form.SetFieldText(Field::kEditBP, kHelicalWorstCase.beam_pitch);
  form.SetFieldText(Field::kEditnRot, kHelicalWorstCase.rotations);
  std::vector<ClickTimes> helical;
  for (int i = 0; i < clicks; ++i) helical.push_back(TimeClick(form, *form.ButtonCalHS));
  CheckHelicalResult(form, file.path());

  std::printf("quorvane_window_bench: TForm1 on the %s platform, %d clicks each\n",
              qPrintable(QGuiApplication::platformName()), clicks);
  Report("Load of a 1025-line file (with its draw), click to chart image", loads);
  Report("CalHS worst case (T = 48 976, 50 001 samples), click to chart image", helical);
  return 0;
}

}  // namespace
}  // namespace quorvane::bench

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  const int clicks = argc > 1 ? std::max(2, std::atoi(argv[1])) : 20;
  return quorvane::bench::Run(clicks);
}
