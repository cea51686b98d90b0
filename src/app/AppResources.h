// The files compiled into the program (tidewell.qrc): its icon and its skin.
//
//   EnsureAppResources();
//   QIcon icon(QString::fromLatin1(kIconResource));
#pragma once

namespace tw {

inline constexpr char kIconResource[] = ":/tidewell/icons/tidewell-16.png";
inline constexpr char kIconResource32[] = ":/tidewell/icons/tidewell-32.png";
inline constexpr char kIconResource48[] = ":/tidewell/icons/tidewell-48.png";
inline constexpr char kSkinResource[] = ":/tidewell/skin/tidewell.qss";

// Registers the resources (once; they live in a static library, whose
// initialisers a linker may leave out unless something calls them).
void EnsureAppResources();

}  // namespace tw
