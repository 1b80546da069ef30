// File > Recent profiles: the profiles loaded last, newest first, at most
// kMostProfiles of them, kept in the program's settings (the one thing the
// program remembers between runs) under the key "recentProfiles". Paths are
// kept absolute, so a profile opened from the command line is found again
// from anywhere.
//   Add("/a"), Add("/b"), Add("/a") -> "/a", "/b"
#pragma once

#include <QSettings>
#include <QString>
#include <QStringList>

namespace quorvane {

class RecentProfiles {
 public:
  static constexpr int kMostProfiles = 8;

  // Reads and writes `settings`, which must outlive this list.
  explicit RecentProfiles(QSettings& settings);

  QStringList paths() const;
  // Puts the path first; a path already in the list moves there, the
  // oldest beyond kMostProfiles drops out.
  void Add(const QString& path);
  void Remove(const QString& path);
  void Clear();

 private:
  void Store(const QStringList& paths);

  QSettings& settings_;
};

}  // namespace quorvane
