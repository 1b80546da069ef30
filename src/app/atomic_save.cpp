#include "app/atomic_save.h"

#include <QDir>
#include <QSaveFile>
#include <string>

#include "app/utf8_text.h"
#include "errors/error.h"
#include "errors/messages.h"

namespace quorvane {
namespace {

[[noreturn]] void FailToSave(const QString& path, const QString& reason) {
  throw InputOutputError(
      messages::CouldNotSave(EncodeUtf8(QDir::toNativeSeparators(path)), EncodeUtf8(reason)));
}

}  // namespace

void SaveAtomically(const QString& path, const std::function<bool(QIODevice& device)>& write) {
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly)) FailToSave(path, file.errorString());
  if (!write(file)) {
    const QString reason = file.error() != QFileDevice::NoError
                               ? file.errorString()
                               : DecodeUtf8(messages::kContentsNotWritten);
    file.cancelWriting();
    FailToSave(path, reason);
  }
  // QSaveFile's commit does not see a failed flush of its last buffered
  // bytes (a full disk): it would put a cut-off file in place of the old
  // one. So the bytes are flushed here, and counted on the disk.
  const qint64 accepted = file.pos();
  if (!file.flush() || file.size() != accepted) {
    const qint64 on_disk = file.size();
    file.cancelWriting();
    FailToSave(path,
               DecodeUtf8(messages::ShortWrite(std::to_string(on_disk), std::to_string(accepted))));
  }
  if (!file.commit()) FailToSave(path, file.errorString());
}

void SaveBytesAtomically(const QString& path, std::string_view bytes) {
  SaveAtomically(path, [bytes](QIODevice& device) {
    return device.write(bytes.data(), static_cast<qint64>(bytes.size())) ==
           static_cast<qint64>(bytes.size());
  });
}

}  // namespace quorvane
