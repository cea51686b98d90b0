#include "fasta/ShownMessage.h"

namespace tw {

std::string ShownMessage(std::string_view message) {
  std::string shown(message);
  if (!shown.empty() && static_cast<unsigned char>(shown.back()) > '.') shown.push_back('.');
  return shown;
}

}  // namespace tw
