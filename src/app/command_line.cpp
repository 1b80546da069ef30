#include "app/command_line.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QStringList>

#include "program_version.h"

namespace quorvane {

void SetUpApplicationIdentity() {
  QCoreApplication::setOrganizationName(QStringLiteral("Quorvane"));
  QCoreApplication::setApplicationName(QStringLiteral("quorvane"));
  QCoreApplication::setApplicationVersion(
      QString::fromLatin1(kProgramVersion.data(), static_cast<qsizetype>(kProgramVersion.size())));
}

void DescribeCommandLine(QCommandLineParser& parser) {
  parser.setApplicationDescription(QStringLiteral(
      "Quorvane: CT dose profiles. Loads a single-rotation dose profile, measures its peak and "
      "FWHM, and accumulates it over a series of axial scans (CalMS) or a helical scan "
      "(CalHS)."));
  parser.addHelpOption();
  parser.addVersionOption();
  parser.addPositionalArgument(
      QStringLiteral("FILE"),
      QStringLiteral("A profile file to load at start, as Load would (position TAB dose rate "
                     "per line, optionally headed by slice width TAB slice number)."),
      QStringLiteral("[FILE]"));
}

void AnswerHelpOrVersion(int argc, char* argv[]) {
  // An application object without a window system, for the program name in
  // the help text.
  QCoreApplication probe(argc, argv);
  QCommandLineParser parser;
  DescribeCommandLine(parser);
  // Options of the window system (-platform ...) are unknown here; the
  // parse after the window's application has taken them decides about
  // errors.
  parser.parse(QCoreApplication::arguments());
  for (const char* name : {"help", "help-all", "version"}) {
    if (parser.isSet(QString::fromLatin1(name))) parser.process(probe);
  }
}

std::optional<QString> FileToOpen(const QCommandLineParser& parser) {
  const QStringList files = parser.positionalArguments();
  if (files.isEmpty()) return std::nullopt;
  return files.first();
}

void LoadFileToOpen(TForm1& form, const QCommandLineParser& parser) {
  if (const std::optional<QString> file = FileToOpen(parser)) {
    form.LoadFile(QFileInfo(*file).absoluteFilePath());
  }
}

}  // namespace quorvane
