#include "hostile_files.h"

#include <fcntl.h>
#include <unistd.h>
#include <QDir>
#include <QFile>
#include <algorithm>

#include "form_fixture.h"

namespace quorvane::test_support {
namespace {

template <typename T>
const T& Pick(std::mt19937_64& random, const QList<T>& list) {
  return list[static_cast<qsizetype>(random() % static_cast<std::uint64_t>(list.size()))];
}

// "position TAB dose rate" lines of a bell-shaped profile, 0.5 mm apart.
QByteArray ProfileLines(int count, const char* line_end) {
  QByteArray text;
  for (int i = 0; i < count; ++i) {
    const double x = (i - count / 2) * 0.5;
    const double dose = 100.0 / (1.0 + x * x / 16.0);
    text += QByteArray::number(x) + '\t' + QByteArray::number(dose, 'g', 12) + line_end;
  }
  return text;
}

// Bytes from a fixed generator: the same garbage on every run.
QByteArray Garbage(int size) {
  std::mt19937_64 random(20240601);
  QByteArray bytes(size, '\0');
  for (char& byte : bytes) byte = static_cast<char>(random() & 0xff);
  return bytes;
}

}  // namespace

HostileFiles::HostileFiles() {
  if (!folder_.isValid()) return;
  QDir(folder_.path()).mkpath(QStringLiteral("saves"));
  CreateProfiles();
  CreateHostileFiles();
  ListSaveAnswers();
}

HostileFiles::~HostileFiles() {
  if (!raw_name_.isEmpty()) ::unlink(raw_name_.constData());
}

QString HostileFiles::Create(const QString& name, const QByteArray& bytes) {
  const QString path = folder_.filePath(name);
  QFile file(path);
  if (file.open(QIODevice::WriteOnly)) file.write(bytes);
  return path;
}

void HostileFiles::CreateProfiles() {
  for (const QString& name : QDir(ExamplePath()).entryList(QDir::Files, QDir::Name)) {
    open_answers_.append(ExamplePath(name));
  }
  open_answers_.append(Create(QStringLiteral("header_4.txt"), "5\t4\n" + ProfileLines(81, "\n")));
  open_answers_.append(Create(QStringLiteral("one_point.txt"), "0\t1\n"));
  open_answers_.append(Create(QStringLiteral("header_only.txt"), "5\t4\n"));
  open_answers_.append(Create(QStringLiteral("capacity_1025.txt"), ProfileLines(1025, "\r\n")));
  open_answers_.append(Create(QStringLiteral("lines_1026.txt"), ProfileLines(1026, "\n")));
  open_answers_.append(Create(QStringLiteral("lines_2000.txt"), ProfileLines(2000, "\n")));
  open_answers_.append(Create(QStringLiteral("ctrl_z.txt"),
                              ProfileLines(40, "\r\n") + "\x1a" + Garbage(300) + "\n1\t2\n"));
  open_answers_.append(
      Create(QStringLiteral("cr_only.txt"), ProfileLines(30, "\r") + ProfileLines(3, "\n")));
  open_answers_.append(Create(QStringLiteral("comma_decimals.txt"), "0,5\t1,5\n1,0\t2,5\n"));
}

void HostileFiles::CreateHostileFiles() {
  const QString empty = Create(QStringLiteral("empty.txt"), QByteArray());
  open_answers_.append(empty);
  open_answers_.append(Create(QStringLiteral("garbage.bin"), Garbage(5000)));
  open_answers_.append(Create(QStringLiteral("nul_bytes.txt"),
                              QByteArray("0\t1\n", 4) + QByteArray(3, '\0') + "\n2\t3\n"));
  open_answers_.append(
      Create(QStringLiteral("huge_line.txt"), QByteArray(3 << 20, '7') + "\t1\n0\t2\n"));
  open_answers_.append(Create(QStringLiteral("huge_header.txt"),
                              QByteArray(60000, '5') + "\t4\n" + ProfileLines(21, "\n")));
  open_answers_.append(Create(QStringLiteral("huge_cell.txt"),
                              ProfileLines(10, "\n") + "1\t" + QByteArray(50000, '9') + "\n"));
  QByteArray utf16("\xff\xfe", 2);
  for (const char c : ProfileLines(12, "\r\n")) utf16 += QByteArray(1, c) + '\0';
  open_answers_.append(Create(QStringLiteral("utf16.txt"), utf16));
  open_answers_.append(
      Create(QStringLiteral("multibyte_\u00e9\u65e5.txt"),
             "\xef\xbb\xbf" + ProfileLines(11, "\n") + "\xef\xbc\x91\t\xef\xbc\x92\n"));
  // A name in bytes that are no UTF-8: the dialog hands it over decoded.
  raw_name_ = QFile::encodeName(folder_.path()) + "/latin1_\xe9\xff.txt";
  const int descriptor = ::open(raw_name_.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
  if (descriptor >= 0) {
    const QByteArray lines = ProfileLines(9, "\n");
    [[maybe_unused]] const ssize_t written =
        ::write(descriptor, lines.constData(), static_cast<std::size_t>(lines.size()));
    ::close(descriptor);
  }
  open_answers_.append(QFile::decodeName(raw_name_));
  open_answers_.append(folder_.filePath(QStringLiteral("missing.txt")));
  open_answers_.append(folder_.path());
  open_answers_.append(empty + QStringLiteral("/below_a_file.txt"));
  open_answers_.append(QStringLiteral("/proc/self/mem"));
  open_answers_.append(QStringLiteral("/dev/null"));
  open_answers_.append(folder_.filePath(QString(5000, QLatin1Char('n'))));
  open_answers_.append(folder_.filePath(QStringLiteral("nul") + QChar(0) + QStringLiteral(".txt")));
  open_answers_.append(QString());
}

void HostileFiles::ListSaveAnswers() {
  const QDir saves(folder_.filePath(QStringLiteral("saves")));
  for (const char* name : {"table.txt", "table.dat", "accumulated.csv", "accumulated.tsv",
                           "chart.png", "chart.svg", "chart.pdf", "report.pdf", "no_suffix",
                           "chart.jpg", "\xc3\xa9t\xc3\xa9 \xe6\x97\xa5.txt"}) {
    writable_answers_.append(saves.filePath(QString::fromUtf8(name)));
  }
  save_answers_ = writable_answers_;
  save_answers_.append(saves.path());
  save_answers_.append(saves.filePath(QStringLiteral("missing_folder/table.txt")));
  save_answers_.append(folder_.filePath(QStringLiteral("empty.txt/below_a_file.png")));
  save_answers_.append(QStringLiteral("/proc/quorvane_report.pdf"));
  save_answers_.append(saves.filePath(QString(5000, QLatin1Char('s')) + QStringLiteral(".txt")));
  save_answers_.append(QString());
}

std::optional<QString> HostileFiles::OpenAnswer(std::mt19937_64& random) const {
  if (random() % 12 == 0) return std::nullopt;
  if (!saved_.isEmpty() && random() % 5 == 0) return Pick(random, saved_);
  return Pick(random, open_answers_);
}

std::optional<QString> HostileFiles::SaveAnswer(std::mt19937_64& random) const {
  if (random() % 10 == 0) return std::nullopt;
  return Pick(random, save_answers_);
}

void HostileFiles::AddSaved(const QString& path) {
  if (!saved_.contains(path)) saved_.append(path);
}

bool HostileFiles::IsWritableAnswer(const QString& path) const {
  return writable_answers_.contains(path);
}

}  // namespace quorvane::test_support
