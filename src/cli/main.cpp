// tidewell-cli: the build run for scripts and pipelines.
//
//   tidewell-cli [--delete] FOLDER RESULT_NAME
//
// Exit status: 0 after "Done!!!"; 1 when the run stops at an input check or
// finds no .seq file; 2 when a file failure ends it; 64 for a wrong command
// line.
#include <cstdio>
#include <exception>
#include <string>
#include <string_view>
#include <vector>

#include "cli/CliHost.h"
#include "fasta/Failures.h"
#include "fasta/ShownMessage.h"
#include "platform/Signals.h"
#include "platform/Terminal.h"

#ifndef TIDEWELL_VERSION
#define TIDEWELL_VERSION "unknown"
#endif

namespace {

constexpr int kExitDone = 0;
constexpr int kExitStopped = 1;
constexpr int kExitFailed = 2;
constexpr int kExitUsage = 64;

constexpr const char *kUsage = "usage: tidewell-cli [--delete] FOLDER RESULT_NAME\n";

constexpr const char *kHelp =
    "usage: tidewell-cli [--delete] FOLDER RESULT_NAME\n"
    "\n"
    "Gathers the .seq files of FOLDER into one FASTA file, FOLDER/RESULT_NAME.fasta:\n"
    "each file becomes a record, '>' and the file's name, then the file's lines,\n"
    "every line ending in CR LF. An existing file of that name is replaced.\n"
    "\n"
    "  --delete    after the FASTA file is written and closed, delete the .seq\n"
    "              files of FOLDER and of all its subfolders\n"
    "  --help      show this help and exit\n"
    "  --version   show the version and exit\n"
    "\n"
    "The log and \"Done!!!\" go to standard output, other messages to standard\n"
    "error. Exit status: 0 done; 1 stopped at an input check or no .seq file;\n"
    "2 a file failure ended the run (no partial FASTA file is left); 64 a wrong\n"
    "command line.\n";

struct CommandLine {
  bool help = false;
  bool version = false;
  bool deleteOption = false;
  std::vector<std::string> operands;
  std::string error;
};

CommandLine Parse(int argc, char **argv) {
  CommandLine line;
  bool options = true;
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg = argv[i];
    if (options && arg == "--") {
      options = false;
    } else if (options && arg == "--help") {
      line.help = true;
    } else if (options && arg == "--version") {
      line.version = true;
    } else if (options && arg == "--delete") {
      line.deleteOption = true;
    } else if (options && arg.size() > 1 && arg.front() == '-') {
      line.error = "unknown option " + std::string(arg);
    } else {
      line.operands.emplace_back(arg);
    }
  }
  if (line.error.empty() && !line.help && !line.version && line.operands.size() != 2) {
    line.error = line.operands.size() < 2 ? "missing operand" : "too many operands";
  }
  return line;
}

}  // namespace

int main(int argc, char **argv) {
  // A file-size limit then fails the write (a full disk) instead of killing
  // the program with its output half-written.
  tw::IgnoreFileSizeSignal();
  const CommandLine line = Parse(argc, argv);
  if (!line.error.empty()) {
    std::fprintf(stderr, "tidewell-cli: %s\n%s", line.error.c_str(), kUsage);
    return kExitUsage;
  }
  if (line.help) {
    std::fputs(kHelp, stdout);
    return kExitDone;
  }
  if (line.version) {
    std::printf("tidewell-cli %s\n", TIDEWELL_VERSION);
    return kExitDone;
  }

  tw::cli::CliHost host(line.operands[0], line.operands[1], line.deleteOption,
                        tw::IsTerminal(tw::StdStream::Error));
  try {
    tw::RunFastaBuild(host);
    return kExitDone;
  } catch (const tw::EAbort &) {
    return kExitStopped;
  } catch (const std::exception &failure) {
    host.ShowError(tw::ShownMessage(failure.what()));
    return kExitFailed;
  }
}
