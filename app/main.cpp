// montebrisca_lurna: writes the scenario's source texts beside the executable
// and compiles them into the files the simulator loads.
#include <cstdio>
#include <cstring>
#include <iostream>

#include "app/form_load.h"
#include "app/program_folder.h"
#include "compiler/output/errore.h"

namespace {

constexpr const char* kUsage =
    "Usage: montebrisca_lurna [--help | --version]\n"
    "\n"
    "Writes the scenario Montebrisca_Lurna, train 7395, into the folder of this\n"
    "executable: the line and train descriptions (read back and deleted), the\n"
    "train card, the slowdown order and the line notes, then the compiled files\n"
    "Montebrisca_Lurna_linea.dat, Montebrisca_Lurna_7395.sim and\n"
    "Montebrisca_Lurna_7395.dat.\n";

}  // namespace

int main(int argc, char** argv) {
  if (argc > 1) {
    if (argc == 2 && std::strcmp(argv[1], "--help") == 0) {
      std::cout << kUsage;
      return 0;
    }
    if (argc == 2 && std::strcmp(argv[1], "--version") == 0) {
      std::cout << "montebrisca_lurna " << SCENARIO_VERSION << "\n";
      return 0;
    }
    std::cerr << "montebrisca_lurna: unexpected argument '" << argv[1] << "'\n" << kUsage;
    return 2;
  }

  const auto folder = scenario::program_folder();
  if (!folder) {
    std::cerr << "montebrisca_lurna: cannot find the folder of the program\n";
    return 1;
  }

  std::cout << "Attendere" << std::endl;  // flushed before the long work

  scenario::Stato stato;
  const scenario::RunOutcome outcome = scenario::form_load(*folder, stato);
  if (outcome.io_error) {
    std::cerr << "montebrisca_lurna: " << outcome.io_error->file.string() << ": "
              << outcome.io_error->reason << "\n";
    return 1;
  }
  if (outcome.fatal != 0) {
    std::cerr << scenario::testo_errore(outcome.fatal) << "\n";
    return 1;
  }
  return 0;
}
