// The modal folder picker behind LOAD....
//
//   std::optional<std::string> folder = PickFolder("Please select the folder", form);
//   folder => "/data/plate1" when a folder was confirmed; nullopt on cancel
//
// It is Qt's folder dialog, showing and confirming folders of the file
// system only, titled as asked. It opens in the same place every time, the
// user's home folder, with nothing picked: never on the folder chosen
// before (Qt's dialog would otherwise return to the last folder visited).
// The path comes back as the dialog gives it: full, without a separator at
// its end, except for the root folder "/"; it is taken unchanged.
//
// How the picker is kept modal, and why it needs no allocator and no error
// mode, is told at PickFolder in FolderPicker.cpp.
//
// Tests put a responder in place (ScopedFolderPicker): it is asked instead
// of the dialog, with what the dialog would have been given, and answers as
// the user would.
#pragma once

#include <QString>

#include <functional>
#include <optional>
#include <string>
#include <string_view>

class QWidget;

namespace tw {

struct FolderPickRequest {
  QString title;
  QString startFolder;  // where the dialog opens, the same every time
  QWidget *owner;
};

using FolderPickResponder = std::function<std::optional<std::string>(const FolderPickRequest &)>;

class ScopedFolderPicker {
 public:
  explicit ScopedFolderPicker(FolderPickResponder responder);
  ~ScopedFolderPicker();
  ScopedFolderPicker(const ScopedFolderPicker &) = delete;
  ScopedFolderPicker &operator=(const ScopedFolderPicker &) = delete;

 private:
  FolderPickResponder previous_;
};

std::optional<std::string> PickFolder(std::string_view title, QWidget *owner);

}  // namespace tw
