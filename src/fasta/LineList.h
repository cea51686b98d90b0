// The working line list: the lines of one sequence file.
//
// The file's bytes are held once; each line is a view into them. One list
// serves every file of a run: reading the next file replaces its content
// and reuses its memory.
//
// The split rule: CR LF, a lone LF and a lone CR each end a line; LF CR is
// two line ends; a last line without a line end is a line like the others;
// a line end at the very end adds no empty line; a NUL byte ends the data.
//
//   "ACGT\nGG"     => {"ACGT", "GG"}
//   "A\r\n\r\n"    => {"A", ""}
//   "A\n\rB"       => {"A", "", "B"}
//   "A\0B\nC"      => {"A"}
//   ""             => {}
#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

#include "platform/Memory.h"

namespace tw {

class LineList {
 public:
  std::size_t size() const { return spans_.size(); }
  bool empty() const { return spans_.empty(); }
  std::string_view operator[](std::size_t i) const {
    return {data_.data() + spans_[i].offset, spans_[i].length};
  }
  void clear() { spans_.clear(); }

  // Replaces the content by the lines of text.
  void Assign(std::string_view text);

  // Replaces the content in two steps, without copying: Prepare gives room
  // for size bytes (the list is empty meanwhile), SplitPrepared splits the
  // first size bytes written there.
  char *Prepare(std::size_t size);
  void SplitPrepared(std::size_t size);

 private:
  struct Span {
    std::size_t offset;
    std::size_t length;
  };

  LargeBuffer data_;
  std::vector<Span> spans_;
};

}  // namespace tw
