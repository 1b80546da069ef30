// Every save of the window goes through here: the contents are written into
// a temporary file beside the target, which replaces the target in one
// rename once everything is written (QSaveFile). A failure of any step (a
// folder that is not writable or does not exist, a name that is a folder, a
// full disk, a writer that gives up) raises the input/output error
//   "Could not save <path>: <the system's reason>"
// and leaves an existing file at the path exactly as it was. A full disk
// reads "Could not save <path>: only 4096 of 15000 bytes could be written;
// is the disk full?".
#pragma once

#include <QIODevice>
#include <QString>
#include <functional>
#include <string_view>

namespace quorvane {

// `write` fills the device and returns false when it could not.
void SaveAtomically(const QString& path, const std::function<bool(QIODevice& device)>& write);

void SaveBytesAtomically(const QString& path, std::string_view bytes);

}  // namespace quorvane
