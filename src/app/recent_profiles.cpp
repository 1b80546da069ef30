#include "app/recent_profiles.h"

#include <QFileInfo>

namespace quorvane {
namespace {

const QString kKey = QStringLiteral("recentProfiles");

}  // namespace

RecentProfiles::RecentProfiles(QSettings& settings) : settings_(settings) {}

QStringList RecentProfiles::paths() const { return settings_.value(kKey).toStringList(); }

void RecentProfiles::Add(const QString& path) {
  const QString absolute = QFileInfo(path).absoluteFilePath();
  QStringList list = paths();
  list.removeAll(absolute);
  list.prepend(absolute);
  while (list.size() > kMostProfiles) list.removeLast();
  Store(list);
}

void RecentProfiles::Remove(const QString& path) {
  QStringList list = paths();
  list.removeAll(path);
  Store(list);
}

void RecentProfiles::Clear() { Store({}); }

void RecentProfiles::Store(const QStringList& paths) {
  settings_.setValue(kKey, paths);
  settings_.sync();
}

}  // namespace quorvane
