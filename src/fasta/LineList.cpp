#include "fasta/LineList.h"

#include <cstdint>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace tw {
namespace {

bool EndsLine(char c) { return c == '\r' || c == '\n' || c == '\0'; }

// Bit i set when p[i] is CR, LF or NUL, for the 64 bytes at p.
std::uint64_t LineEndMask64(const char *p) {
#if defined(__SSE2__)
  const __m128i cr = _mm_set1_epi8('\r');
  const __m128i lf = _mm_set1_epi8('\n');
  const __m128i nul = _mm_setzero_si128();
  std::uint64_t mask = 0;
  for (int k = 0; k < 4; ++k) {
    const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i *>(p + 16 * k));
    const __m128i hit = _mm_or_si128(_mm_or_si128(_mm_cmpeq_epi8(v, cr), _mm_cmpeq_epi8(v, lf)),
                                     _mm_cmpeq_epi8(v, nul));
    mask |= static_cast<std::uint64_t>(static_cast<unsigned>(_mm_movemask_epi8(hit))) << (16 * k);
  }
  return mask;
#else
  std::uint64_t mask = 0;
  for (int i = 0; i < 64; ++i) mask |= static_cast<std::uint64_t>(EndsLine(p[i])) << i;
  return mask;
#endif
}

}  // namespace

char *LineList::Prepare(std::size_t size) {
  spans_.clear();
  data_.Reserve(size);
  return data_.data();
}

void LineList::SplitPrepared(std::size_t size) {
  spans_.clear();
  const char *text = data_.data();
  std::size_t pos = 0;  // start of the current line

  // Handles the line end (CR, LF or NUL) at i; false when the data ends.
  const auto lineEnd = [&](std::size_t i) {
    if (i < pos) return true;  // the LF of a CR LF already stepped over
    if (text[i] == '\0') {
      if (i > pos) spans_.push_back(Span{pos, i - pos});
      pos = size;
      return false;
    }
    spans_.push_back(Span{pos, i - pos});
    pos = i + 1;
    if (text[i] == '\r' && pos < size && text[pos] == '\n') ++pos;
    return true;
  };

  // Line ends are found 64 bytes at a time and taken bit by bit.
  std::size_t block = 0;
  for (; block + 64 <= size; block += 64) {
    for (std::uint64_t mask = LineEndMask64(text + block); mask != 0; mask &= mask - 1) {
      if (!lineEnd(block + static_cast<std::size_t>(__builtin_ctzll(mask)))) return;
    }
  }
  for (std::size_t i = block; i < size; ++i) {
    if (EndsLine(text[i]) && !lineEnd(i)) return;
  }
  if (pos < size) spans_.push_back(Span{pos, size - pos});
}

void LineList::Assign(std::string_view text) {
  char *room = Prepare(text.size());
  if (!text.empty()) std::memcpy(room, text.data(), text.size());
  SplitPrepared(text.size());
}

}  // namespace tw
