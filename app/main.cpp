// montebrisca_lurna: writes the scenario's source texts beside the executable
// and compiles them into the files the simulator loads.
#include <cstdio>
#include <cstring>
#include <iostream>

#include "app/run_builder.h"
#include "app/program_folder.h"
#include "app/run_report.h"
#include "common/exit_status.h"

namespace {

constexpr const char* kUsage =
    "Usage: montebrisca_lurna [-h | --help | --version]\n"
    "\n"
    "Writes the scenario Montebrisca_Lurna, train 7395, into the folder of this\n"
    "executable: the line and train descriptions (read back and deleted), the\n"
    "train card, the slowdown order and the line notes, then the compiled files\n"
    "Montebrisca_Lurna_linea.dat, Montebrisca_Lurna_7395.sim and\n"
    "Montebrisca_Lurna_7395.dat.\n"
    "\n"
    "Exit status: 0 done; 1 a file could not be written; 2 usage error;\n"
    "3 the scenario's data holds an error (\" Errore n. \" on stderr).\n";

}  // namespace

int main(int argc, char** argv) {
  if (argc > 1) {
    if (argc == 2 && (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0)) {
      std::cout << kUsage;
      return scenario::builder_exit::kOk;
    }
    if (argc == 2 && std::strcmp(argv[1], "--version") == 0) {
      std::cout << "montebrisca_lurna " << SCENARIO_VERSION << "\n";
      return scenario::builder_exit::kOk;
    }
    std::cerr << "montebrisca_lurna: unexpected argument '" << argv[1] << "'\n" << kUsage;
    return scenario::builder_exit::kUsage;
  }

  const auto folder = scenario::program_folder();
  if (!folder) {
    std::cerr << "montebrisca_lurna: cannot find the folder of the program\n";
    return scenario::builder_exit::kIo;
  }

  std::cout << "Attendere" << std::endl;  // flushed before the long work

  scenario::CompilationState state;
  const scenario::CompileOutcome outcome = scenario::run_builder(*folder, state);
  return scenario::report_run(outcome, state, std::cerr);
}
