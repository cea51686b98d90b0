#include "app/FolderCaption.h"

namespace tw {
namespace {

bool StartsCodePoint(char byte) { return (static_cast<unsigned char>(byte) & 0xC0) != 0x80; }

}  // namespace

std::string FolderCaption(std::string_view path) {
  std::size_t characters = 0;
  for (std::size_t i = 0; i < path.size(); ++i) {
    if (!StartsCodePoint(path[i])) continue;
    if (characters == kFolderCaptionLineLength) {
      std::string caption(path.substr(0, i));
      caption.append(kFolderCaptionBreak).append(path.substr(i));
      return caption;
    }
    ++characters;
  }
  return std::string(path);
}

}  // namespace tw
