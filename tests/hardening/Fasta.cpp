#include "hardening/Fasta.h"

namespace tw::test {

std::string Bases(std::size_t bytes, char seed) {
  static constexpr char kBases[] = "ACGT";
  std::string text;
  text.reserve(bytes);
  std::size_t i = static_cast<unsigned char>(seed);
  while (text.size() < bytes) {
    text.push_back(text.size() % 61 == 60 ? '\n' : kBases[i++ % 4]);
  }
  return text;
}

std::string ExpectedFasta(const Records &records) {
  std::string fasta;
  for (const auto &[name, bytes] : records) {
    fasta += ">" + name + "\r\n";
    std::size_t start = 0;
    while (start < bytes.size()) {
      std::size_t end = bytes.find('\n', start);
      if (end == std::string::npos) end = bytes.size();
      fasta.append(bytes, start, end - start).append("\r\n");
      start = end + 1;
    }
  }
  return fasta;
}

}  // namespace tw::test
