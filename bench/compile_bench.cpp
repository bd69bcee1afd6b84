// What a run costs, for the built-in scenario (103 km) and for the longest
// route the compiler accepts (1000 km, generated):
//
//   Compile      reading both descriptions from memory, route walk, header
//   Serialise    the bytes of the three compiled files, the geometry in the
//                pieces that the builder writes
//   WriteFloor   writing those bytes, one write per file, through the same
//                safe replacement the builder uses
//   Estimate     the running-time estimate alone, on the compiled route
//
// Each benchmark reports the route length ("metres") and the bytes it
// produces or writes ("bytes"), so that bench/run can divide. The whole run
// is timed as a process by bench/run (bench_tool.cpp).
#include <benchmark/benchmark.h>

#include <cerrno>
#include <filesystem>
#include <string>
#include <string_view>
#include <system_error>
#include <unistd.h>
#include <utility>
#include <vector>

#include "common/builtin_scenario.h"
#include "compiler/output/check.h"
#include "compiler/output/compile.h"
#include "bench/compile_route.h"
#include "bench/large_route.h"
#include "common/file_names.h"
#include "common/replace_file.h"
#include "compiler/output/compiled_files.h"
#include "timetable/running_time.h"
#include "writers/line_description.h"
#include "writers/train_description.h"

namespace scenario::bench {
namespace {

namespace fs = std::filesystem;

struct Route {
  std::string nome;
  std::string treno;
  RouteTexts texts;
};

const Route& builtin() {
  static const Route r{kScenarioName, kTrainNumber,
                       {std::string(line_description_text()), std::string(train_description_text())}};
  return r;
}

const Route& longest() {
  static const Route r{kLongestRouteName, kLongestRouteTrain, large_route(kLongestRoute)};
  return r;
}

using RouteOf = const Route& (*)();

CompilationState named_state(const Route& r) {
  CompilationState s;
  s.nome = r.nome;
  s.treno = r.treno;
  return s;
}

// A folder of its own in the working folder (bench/run runs this beside the
// builder, on the same disk), removed with everything in it.
class Folder {
 public:
  Folder() {
    std::string pattern = (fs::current_path() / "write-floor-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) throw std::system_error(errno, std::generic_category(), pattern);
    path_ = pattern;
  }
  ~Folder() {
    std::error_code ignored;
    fs::remove_all(path_, ignored);
  }
  Folder(const Folder&) = delete;
  Folder& operator=(const Folder&) = delete;
  const fs::path& path() const { return path_; }

 private:
  fs::path path_;
};

// A compiled route: false (and the benchmark skipped) when it does not
// compile cleanly, so that no figure comes from a route cut short.
bool compile_clean(benchmark::State& state, const Route& r, CompilationState& s) {
  compile_texts(s, DescriptionText::of(r.texts.linea), DescriptionText::of(r.texts.treno), {});
  if (fatal_error(s) == 0 && s.errors.empty()) return true;
  const std::string error =
      "error " + std::to_string(s.codice_errore()) + " at " + std::to_string(s.posizione_errore());
  state.SkipWithError(error.c_str());
  return false;
}

// `s` is the route compiled: its length is the one its description gives.
void report(benchmark::State& state, const CompilationState& s, size_t bytes) {
  state.counters["metres"] = s.model.record[84].fine_zona;
  state.counters["bytes"] = static_cast<double>(bytes);
}

// The three compiled files of a route, in writing order.
std::vector<std::string> compiled_bytes(const CompilationState& s) {
  return {geometry_bytes(s.model.geometry), records_bytes(s.model.record), track_bytes(s.model.celle)};
}

size_t total(const std::vector<std::pair<fs::path, std::string>>& files) {
  size_t n = 0;
  for (const auto& f : files) n += f.second.size();
  return n;
}

// The route's two texts as loaded, once: the readers take their own copy,
// as from a file.
struct Loaded {
  DescriptionText linea, treno;
};
Loaded loaded(const Route& r) { return {DescriptionText::of(r.texts.linea), DescriptionText::of(r.texts.treno)}; }

void BM_Compile(benchmark::State& state, RouteOf route) {
  const Route& r = route();
  CompilationState check = named_state(r);
  if (!compile_clean(state, r, check)) return;
  const auto [linea, treno] = loaded(r);
  for (auto _ : state) {
    CompilationState s = named_state(r);
    compile_texts(s, linea, treno, {});
    benchmark::DoNotOptimize(s.model.celle.data());
  }
  report(state, check, r.texts.linea.size() + r.texts.treno.size());
}

// What `scenario check` does for a route: the compilation in its diagnostic
// mode (and, when that mode read on after an error, the compilation proper).
void BM_Check(benchmark::State& state, RouteOf route) {
  const Route& r = route();
  CompilationState check = named_state(r);
  if (!compile_clean(state, r, check)) return;
  const auto [linea, treno] = loaded(r);
  for (auto _ : state) {
    const CheckResult result = check_texts(r.nome, r.treno, linea, treno);
    benchmark::DoNotOptimize(result.diagnostics.data());
  }
  report(state, check, r.texts.linea.size() + r.texts.treno.size());
}

void BM_Serialise(benchmark::State& state, RouteOf route) {
  const Route& r = route();
  CompilationState s = named_state(r);
  if (!compile_clean(state, r, s)) return;
  size_t bytes = 0;
  for (auto _ : state) {
    bytes = 0;
    geometry_pieces(s.model.geometry, [&bytes](std::string_view piece) { bytes += piece.size(); });
    bytes += records_bytes(s.model.record).size();
    bytes += track_bytes(s.model.celle).size();
    benchmark::DoNotOptimize(bytes);
  }
  report(state, s, bytes);
}

void write_all(benchmark::State& state, const std::vector<std::pair<fs::path, std::string>>& files) {
  for (const auto& [path, bytes] : files) {
    if (auto error = replace_file(path, bytes)) state.SkipWithError((path.string() + ": " + error->reason).c_str());
  }
}

void BM_WriteFloor(benchmark::State& state, RouteOf route) {
  const Route& r = route();
  CompilationState s = named_state(r);
  if (!compile_clean(state, r, s)) return;
  Folder folder;
  const FileNames names = file_names(folder.path(), r.nome, r.treno);
  std::vector<std::string> bytes = compiled_bytes(s);
  const std::vector<std::pair<fs::path, std::string>> files = {
      {names.linea_dat, std::move(bytes[0])}, {names.sim, std::move(bytes[1])}, {names.dat, std::move(bytes[2])}};
  for (auto _ : state) write_all(state, files);
  report(state, s, total(files));
}

// The earliest run from the first station to the last, with the default
// train, as the check runs it.
void BM_Estimate(benchmark::State& state, RouteOf route) {
  const Route& r = route();
  CompilationState s = named_state(r);
  if (!compile_clean(state, r, s)) return;
  for (auto _ : state) {
    const auto run = estimate_run(s.model.celle, s.model.record, s.rows_read.stations, TrainParameters{});
    if (!run) state.SkipWithError("no run: fewer than two stations");
    benchmark::DoNotOptimize(run);
  }
  report(state, s, 0);
}

}  // namespace

constexpr auto kUnit = benchmark::kMillisecond;

BENCHMARK_CAPTURE(BM_Compile, builtin_103km, &builtin)->Unit(kUnit);
BENCHMARK_CAPTURE(BM_Compile, generated_1000km, &longest)->Unit(kUnit);
BENCHMARK_CAPTURE(BM_Check, builtin_103km, &builtin)->Unit(kUnit);
BENCHMARK_CAPTURE(BM_Check, generated_1000km, &longest)->Unit(kUnit);
BENCHMARK_CAPTURE(BM_Serialise, builtin_103km, &builtin)->Unit(kUnit);
BENCHMARK_CAPTURE(BM_Serialise, generated_1000km, &longest)->Unit(kUnit);
BENCHMARK_CAPTURE(BM_WriteFloor, builtin_103km, &builtin)->Unit(kUnit)->UseRealTime();
BENCHMARK_CAPTURE(BM_WriteFloor, generated_1000km, &longest)->Unit(kUnit)->UseRealTime();
BENCHMARK_CAPTURE(BM_Estimate, builtin_103km, &builtin)->Unit(kUnit);
BENCHMARK_CAPTURE(BM_Estimate, generated_1000km, &longest)->Unit(kUnit);

}  // namespace scenario::bench

BENCHMARK_MAIN();
