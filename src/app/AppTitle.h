// The application's title: the caption of every message box and of the
// error box. The program sets no title of its own; the title is formed from
// the program file's name: its folder dropped, everything from the first "."
// on cut off, and every character after the first turned to lower case (the
// first is left as it is).
//
//   TitleFromProgramPath("/usr/bin/tidewell")      => "tidewell"
//   TitleFromProgramPath("/opt/TIDEWELL.bin")      => "Tidewell"
//   TitleFromProgramPath("/home/a.b/TideWell.v2")  => "Tidewell"
//   TitleFromProgramPath("ÉCLUSE")                 => "Écluse"
#pragma once

#include <QString>

namespace tw {

QString TitleFromProgramPath(const QString &programPath);

// The title of the running program, from its program file.
QString ApplicationTitle();

}  // namespace tw
