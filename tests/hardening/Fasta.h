// Plates of known content for the hardening tests, and the FASTA bytes a
// whole run over them gives (CR LF after every line, records in the
// listing's order, which for these names is their byte order).
//
//   Records{{"a.seq", "ACGT\nGG"}}  => ExpectedFasta(...) == ">a.seq\r\nACGT\r\nGG\r\n"
#pragma once

#include <cstddef>
#include <string>
#include <utility>
#include <vector>

namespace tw::test {

using Records = std::vector<std::pair<std::string, std::string>>;  // name, bytes (LF ends)

// Lines of 60 bases with LF ends, `bytes` long in all (the last line shorter).
std::string Bases(std::size_t bytes, char seed = 'A');

std::string ExpectedFasta(const Records &records);

}  // namespace tw::test
