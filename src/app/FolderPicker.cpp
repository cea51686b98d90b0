#include "app/FolderPicker.h"

#include <QDir>
#include <QFile>
#include <QFileDialog>

#include <utility>

#include "app/Utf8.h"

namespace tw {
namespace {

FolderPickResponder &Responder() {
  static FolderPickResponder responder;
  return responder;
}

}  // namespace

ScopedFolderPicker::ScopedFolderPicker(FolderPickResponder responder)
    : previous_(std::exchange(Responder(), std::move(responder))) {}

ScopedFolderPicker::~ScopedFolderPicker() { Responder() = std::move(previous_); }

// A shell's folder picker is commonly surrounded by three steps: an
// allocator that receives the path, the disabling of the thread's other
// windows while it is open, and an error mode that keeps the system's
// critical-error boxes away (on Windows: SHGetMalloc, EnableWindow and
// SetErrorMode). Here:
// - Allocator: Qt hands the path back as a QString it owns, so there is no
//   allocator to obtain and no buffer to give back, and no step that could
//   fail for want of one. Nor is there a 260-byte limit: whatever path the
//   dialog gives is taken.
// - Disabling the windows: the dialog runs in its own event loop
//   (QDialog::exec) and is application-modal, so that every other window of
//   the program takes no clicks or keys until it closes, and each is usable
//   again afterwards, as it was.
// - Error mode: Linux shows no critical-error boxes (a drive without a
//   medium, say) that would have to be suppressed; there is nothing to set
//   and nothing to restore.
std::optional<std::string> PickFolder(std::string_view title, QWidget *owner) {
  const FolderPickRequest request{FromUtf8(title), QDir::homePath(), owner};
  if (Responder()) return Responder()(request);

  const QString folder = QFileDialog::getExistingDirectory(
      request.owner, request.title, request.startFolder, QFileDialog::ShowDirsOnly);
  if (folder.isEmpty()) return std::nullopt;
  return QFile::encodeName(folder).toStdString();
}

}  // namespace tw
