// tidewell: gathers the .seq files of a folder into one FASTA file.
#include "app/Application.h"
#include "app/Program.h"
#include "platform/Signals.h"

int main(int argc, char **argv) {
  tw::IgnoreFileSizeSignal();
  tw::Application app(argc, argv);
  tw::Program program;
  program.Show();
  return app.exec();
}
