#include "fasta/LineList.h"

#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace tw {
namespace {

bool EndsLine(char c) { return c == '\r' || c == '\n' || c == '\0'; }

// The index of the first CR, LF or NUL in p[0, n), or n.
std::size_t FindLineEnd(const char *p, std::size_t n) {
  std::size_t i = 0;
#if defined(__SSE2__)
  const __m128i cr = _mm_set1_epi8('\r');
  const __m128i lf = _mm_set1_epi8('\n');
  const __m128i nul = _mm_setzero_si128();
  for (; i + 16 <= n; i += 16) {
    const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i *>(p + i));
    const __m128i hit = _mm_or_si128(_mm_or_si128(_mm_cmpeq_epi8(v, cr), _mm_cmpeq_epi8(v, lf)),
                                     _mm_cmpeq_epi8(v, nul));
    if (const int mask = _mm_movemask_epi8(hit)) {
      return i + static_cast<std::size_t>(__builtin_ctz(static_cast<unsigned>(mask)));
    }
  }
#endif
  for (; i < n; ++i) {
    if (EndsLine(p[i])) return i;
  }
  return n;
}

}  // namespace

char *LineList::Prepare(std::size_t size) {
  spans_.clear();
  if (size > capacity_ || !data_) {
    data_.reset();  // free the old block before taking a larger one
    data_.reset(new char[size > 0 ? size : 1]);
    capacity_ = size;
  }
  return data_.get();
}

void LineList::SplitPrepared(std::size_t size) {
  spans_.clear();
  const char *text = data_.get();
  std::size_t pos = 0;
  while (pos < size && text[pos] != '\0') {
    const std::size_t end = pos + FindLineEnd(text + pos, size - pos);
    spans_.push_back(Span{pos, end - pos});
    pos = end;
    if (pos < size && text[pos] == '\r') ++pos;
    if (pos < size && text[pos] == '\n') ++pos;
  }
}

void LineList::Assign(std::string_view text) {
  char *room = Prepare(text.size());
  if (!text.empty()) std::memcpy(room, text.data(), text.size());
  SplitPrepared(text.size());
}

}  // namespace tw
