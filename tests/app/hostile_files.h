// The files a careless user gives the window's file dialogs: the example
// profiles and the files the window saved itself, but also a missing path, a
// folder, an empty file, binary bytes, a line of megabytes, more data lines
// than a profile holds, a name that is no UTF-8, a path below a regular file,
// and cancels. Everything is written into a temporary folder of its own, so
// no answer ever points a save at the examples.
//
//   HostileFiles files;
//   files.OpenAnswer(random);  // e.g. ".../empty.txt", or nothing (a cancel)
#pragma once

#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <optional>
#include <random>

namespace quorvane::test_support {

class HostileFiles {
 public:
  // Creates the files; the same ones every time.
  HostileFiles();
  // Also removes the file whose name is no UTF-8, which the folder's own
  // cleanup cannot name.
  ~HostileFiles();
  HostileFiles(const HostileFiles&) = delete;
  HostileFiles& operator=(const HostileFiles&) = delete;

  bool is_valid() const { return folder_.isValid(); }

  // A path for the open dialog, or nothing for a cancel.
  std::optional<QString> OpenAnswer(std::mt19937_64& random) const;
  // A path for a save dialog, or nothing for a cancel. Paths that can be
  // written lie in the folder's "saves" subfolder.
  std::optional<QString> SaveAnswer(std::mt19937_64& random) const;
  // A file the window saved: offered to the open dialog from then on.
  void AddSaved(const QString& path);
  // Whether `path` is one of the save answers that may be written.
  bool IsWritableAnswer(const QString& path) const;

 private:
  QString Create(const QString& name, const QByteArray& bytes);
  void CreateProfiles();
  void CreateHostileFiles();
  void ListSaveAnswers();

  QTemporaryDir folder_;
  QStringList open_answers_;
  QStringList save_answers_;
  QStringList writable_answers_;
  QStringList saved_;
  QByteArray raw_name_;
};

}  // namespace quorvane::test_support
