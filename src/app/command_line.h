// The program's command line: quorvane [FILE]. FILE is loaded at start as
// "Load" loads a file chosen in its dialog; --help and --version print and
// end the program (QCommandLineParser).
//   quorvane examples/axial_4x5mm_header.txt
//   quorvane --version   -> "quorvane 0.1.0"
#pragma once

#include <QCommandLineParser>
#include <QString>
#include <optional>

#include "app/t_form1.h"

namespace quorvane {

// Sets the application's name and version, which --version, the settings
// and the About box use; also before the application object exists.
void SetUpApplicationIdentity();

// Answers --help and --version before the window system is needed, so that
// both work without a display: prints and ends the program when one of them
// is asked for, and returns otherwise.
void AnswerHelpOrVersion(int argc, char* argv[]);

// The options and the FILE argument, with the help text.
void DescribeCommandLine(QCommandLineParser& parser);

// The FILE to load after parsing, if one was given.
std::optional<QString> FileToOpen(const QCommandLineParser& parser);

// Loads FILE, if one was given, into the window as "Load" loads a file
// chosen in its dialog: with its whole path, as the dialog gives it.
void LoadFileToOpen(TForm1& form, const QCommandLineParser& parser);

}  // namespace quorvane
