#include "fuzz/LineSplitCheck.h"

#include <algorithm>
#include <cstring>

#include "fasta/LineList.h"

namespace tw::fuzz {
namespace {

std::vector<std::string> Lines(const LineList &list) {
  std::vector<std::string> lines;
  for (std::size_t i = 0; i < list.size(); ++i) lines.emplace_back(list[i]);
  return lines;
}

std::string Joined(const std::vector<std::string> &lines) {
  std::string joined;
  for (const std::string &line : lines) joined.append(line).push_back('\n');
  return joined;
}

std::string Shown(const std::vector<std::string> &lines) {
  std::string shown = "{";
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (i > 0) shown += ", ";
    shown += Escaped(lines[i]);
  }
  return shown + "}";
}

Finding Compare(std::string_view input, const char *path, const std::vector<std::string> &got,
                const std::vector<std::string> &want) {
  if (got == want) return {};
  return std::string(path) + ": input " + Escaped(input) + " gave " + Shown(got) +
         ", the model " + Shown(want);
}

}  // namespace

std::string NormalisedPrefix(std::string_view input) {
  const std::string_view data = input.substr(0, input.find('\0'));
  std::string normalised;
  for (std::size_t i = 0; i < data.size(); ++i) {
    if (data[i] == '\r') {
      normalised.push_back('\n');
      if (i + 1 < data.size() && data[i + 1] == '\n') ++i;  // CR LF is one end
    } else {
      normalised.push_back(data[i]);
    }
  }
  return normalised;
}

std::vector<std::string> ModelLines(std::string_view input) {
  const std::string normalised = NormalisedPrefix(input);
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < normalised.size()) {
    std::size_t end = normalised.find('\n', start);
    if (end == std::string::npos) end = normalised.size();
    lines.push_back(normalised.substr(start, end - start));
    start = end + 1;
  }
  return lines;
}

Finding CheckLineSplit(std::string_view input) {
  LineList fresh;
  fresh.Assign(input);
  const std::vector<std::string> got = Lines(fresh);
  const std::vector<std::string> want = ModelLines(input);
  if (Finding f = Compare(input, "Assign", got, want); !f.empty()) return f;

  for (const std::string &line : got) {
    if (line.find_first_of(std::string_view("\r\n\0", 3)) != std::string::npos) {
      return "Assign: input " + Escaped(input) + " gave a line holding CR, LF or NUL: " +
             Escaped(line);
    }
  }

  const std::string normalised = NormalisedPrefix(input);
  std::string expected = normalised;
  if (!expected.empty() && expected.back() != '\n') expected.push_back('\n');
  if (Joined(got) != expected) {
    return "Assign: input " + Escaped(input) + " rejoined as " + Escaped(Joined(got)) +
           ", not as its prefix " + Escaped(expected);
  }

  // The list of a run serves file after file: what it held before must not
  // show through, whether the new text is longer or shorter.
  LineList reused;
  std::string before(input.rbegin(), input.rend());
  before.append("\nleft over\r");
  reused.Assign(before);
  reused.Assign(input);
  if (Finding f = Compare(input, "Assign after other text", Lines(reused), want); !f.empty()) {
    return f;
  }

  LineList twoStep;
  twoStep.Assign("x\ny\nz");
  char *room = twoStep.Prepare(input.size());
  if (!twoStep.empty()) return "Prepare: the list is not empty while it is being filled";
  if (!input.empty()) std::memcpy(room, input.data(), input.size());
  twoStep.SplitPrepared(input.size());
  return Compare(input, "Prepare + SplitPrepared", Lines(twoStep), want);
}

}  // namespace tw::fuzz
