// Fuzz check of the extension rule of the deletion (NormaliseWantedExtension,
// ExtensionOf, SameExtension), against a model written apart from it.
//
// The input is a wanted extension and an entry name, split at the first
// "/" (a byte no entry name can hold): "seq/A01.SEQ" => ("seq", "A01.SEQ");
// without a "/" the whole input is the name and the wanted extension is
// "seq". The check also holds the deletion's rule against the listing's: a
// name matches "*" + the wanted extension (the way the build run lists a
// folder with "*.seq") exactly when the deletion takes its extension for
// the wanted one, so the files a run gathers are the files it deletes.
//
//   ModelNormalised("seq")          => ".seq"
//   ModelExtensionOf("a.b\\c")      => ""
//   ModelSameExtension(".Seq", ".sEQ") => true
#pragma once

#include <string>
#include <string_view>

#include "fuzz/Finding.h"

namespace tw::fuzz {

std::string ModelNormalised(std::string_view wanted);
std::string ModelExtensionOf(std::string_view name);
bool ModelSameExtension(std::string_view a, std::string_view b);

Finding CheckExtensionRule(std::string_view input);

}  // namespace tw::fuzz
