// bench_tool: the processes that bench/run times and measures, for a ROUTE
// that is "builtin" (the builder's own scenario) or "longest" (the generated
// 1000 km route).
//
//   bench_tool run ROUTE FOLDER
//       the builder's whole run for ROUTE in FOLDER: descriptions written,
//       compiled from the files (which are then deleted), compiled files
//       written; prints the bytes written. Exit status 1 when a file cannot
//       be written or the route does not compile cleanly.
//   bench_tool sources ROUTE FOLDER
//       the same run, then the two descriptions written again, so that FOLDER
//       holds every file the run writes.
//   bench_tool floor ROUTE SOURCE DEST
//       the write floor of that run: every file of ROUTE read from SOURCE and
//       written into DEST through replace_file, one write per file, in the
//       run's order; then the two descriptions deleted, as the run does.
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "app/run_builder.h"
#include "common/builtin_scenario.h"
#include "bench/compile_route.h"
#include "bench/large_route.h"
#include "common/file_names.h"
#include "common/replace_file.h"
#include "writers/line_description.h"
#include "writers/train_description.h"

namespace {

namespace fs = std::filesystem;
using namespace scenario;

constexpr const char* kUsage =
    "usage: bench_tool run ROUTE FOLDER | sources ROUTE FOLDER | floor ROUTE SOURCE DEST\n"
    "       ROUTE is builtin or longest\n";

struct Route {
  bool builtin = false;
  std::string nome;
  std::string treno;
};

std::optional<Route> route_named(const std::string& name) {
  if (name == "builtin") return Route{true, kScenarioName, kTrainNumber};
  if (name == "longest") return Route{false, bench::kLongestRouteName, bench::kLongestRouteTrain};
  return std::nullopt;
}

bench::RouteTexts texts_of(const Route& r) {
  if (r.builtin) return {std::string(line_description_text()), std::string(train_description_text())};
  return bench::large_route(bench::kLongestRoute);
}

// Every file of a run in the order the run writes it; the sheets only for
// the builder's own scenario.
std::vector<fs::path> files_of(const Route& r, const fs::path& folder) {
  const FileNames n = file_names(folder, r.nome, r.treno);
  if (!r.builtin) return {n.linea_txt, n.treno_txt, n.linea_dat, n.sim, n.dat};
  return {n.linea_txt, n.treno_txt, n.note_txt, n.rallentamenti_txt, n.scheda_txt, n.linea_dat, n.sim, n.dat};
}

int fail(const IoError& e) {
  std::cerr << "bench_tool: " << e.file.string() << ": " << e.reason << "\n";
  return 1;
}

int run(const Route& r, const fs::path& folder) {
  CompilationState s;
  s.nome = r.nome;
  s.treno = r.treno;
  uintmax_t bytes = 0;
  {
    const bench::RouteTexts texts = texts_of(r);
    bytes = texts.linea.size() + texts.treno.size();
    const CompileOutcome outcome = r.builtin ? run_builder(folder, s) : bench::run_route(folder, texts, s);
    if (outcome.io_error) return fail(*outcome.io_error);
    if (const int32_t fatal = fatal_error(s); fatal != 0 || s.codice_errore() != 0) {
      std::cerr << "bench_tool: error " << (fatal != 0 ? fatal : s.codice_errore()) << " at "
                << s.posizione_errore() << " m\n";
      return 1;
    }
  }
  const std::vector<fs::path> files = files_of(r, folder);
  for (size_t i = 2; i < files.size(); ++i) bytes += fs::file_size(files[i]);
  std::cout << bytes << "\n";
  return 0;
}

int sources(const Route& r, const fs::path& folder) {
  if (const int status = run(r, folder)) return status;
  const bench::RouteTexts texts = texts_of(r);
  const FileNames n = file_names(folder, r.nome, r.treno);
  if (auto e = replace_file(n.linea_txt, texts.linea)) return fail(*e);
  if (auto e = replace_file(n.treno_txt, texts.treno)) return fail(*e);
  return 0;
}

int write_floor(const Route& r, const fs::path& source, const fs::path& dest) {
  const std::vector<fs::path> from = files_of(r, source);
  const std::vector<fs::path> to = files_of(r, dest);
  for (size_t i = 0; i < from.size(); ++i) {
    std::error_code ec;
    const uintmax_t size = fs::file_size(from[i], ec);
    std::string bytes(ec ? 0 : size, '\0');
    std::ifstream in(from[i], std::ios::binary);
    if (ec || !in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()))) {
      return fail(IoError{from[i], "cannot be read"});
    }
    if (auto e = replace_file(to[i], bytes)) return fail(*e);
  }
  std::error_code ignored;
  fs::remove(to[0], ignored);
  fs::remove(to[1], ignored);
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  const std::optional<Route> route = argc >= 3 ? route_named(argv[2]) : std::nullopt;
  if (route && argc == 4 && std::strcmp(argv[1], "run") == 0) return run(*route, argv[3]);
  if (route && argc == 4 && std::strcmp(argv[1], "sources") == 0) return sources(*route, argv[3]);
  if (route && argc == 5 && std::strcmp(argv[1], "floor") == 0) return write_floor(*route, argv[3], argv[4]);
  std::cerr << kUsage;
  return 2;
}
