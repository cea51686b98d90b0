// Fuzz check of the line split (LineList::Assign), against a model written
// apart from it.
//
// The model takes the input up to its first NUL and writes every line end
// in it as one LF: CR LF first, then a lone CR or a lone LF, scanning left
// to right, so that LF CR stays two line ends. Its lines are the pieces
// between those LFs, without an empty piece after a final LF. The split
// loses which line end a line had, so the check compares modulo line ends:
//   - as many lines as the model, each equal to the model's;
//   - no line holds a CR, LF or NUL;
//   - the lines, each followed by LF, give back the normalised prefix, with
//     an LF added when that prefix does not already end in one;
//   - a list that held other lines before, and the two-step Prepare /
//     SplitPrepared path, give the same lines as a fresh Assign.
//
//   ModelLines("A\n\rB")     => {"A", "", "B"}
//   ModelLines("A\0B\nC")    => {"A"}
//   CheckLineSplit("A\r\nB") => ""  (no finding)
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "fuzz/Finding.h"

namespace tw::fuzz {

// The input up to its first NUL, each line end written as one LF.
std::string NormalisedPrefix(std::string_view input);

std::vector<std::string> ModelLines(std::string_view input);

Finding CheckLineSplit(std::string_view input);

}  // namespace tw::fuzz
