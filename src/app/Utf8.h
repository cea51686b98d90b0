// The core's texts are UTF-8 byte strings; Qt's are QString.
//
//   FromUtf8("Done!!!")   => QString "Done!!!"
#pragma once

#include <QString>

#include <string_view>

namespace tw {

inline QString FromUtf8(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace tw
