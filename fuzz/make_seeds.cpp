// Writes the seed inputs of the fuzz targets into FOLDER/TARGET/: the
// built-in descriptions for the readers and the compilation, and short
// pieces of the built-in scenario's compiled files for the decoders. The
// readers' targets also take the description fixtures of testdata/ as they
// are; the compilation takes the line and train fixtures joined here.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

#include "compiler/output/compiled_files.h"
#include "compiler/output/compile.h"
#include "writers/dati_linea.h"
#include "writers/dati_treno.h"

namespace {

namespace fs = std::filesystem;
using namespace scenario;

std::string joined(const std::vector<std::string_view>& lines) {
  std::string text;
  for (std::string_view line : lines) text.append(line).append("\r\n");
  return text;
}

std::string read(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

bool write(const fs::path& file, const std::string& bytes) {
  std::error_code ec;
  fs::create_directories(file.parent_path(), ec);
  std::ofstream out(file, std::ios::binary | std::ios::trunc);
  out << bytes;
  out.close();
  if (!out) std::fprintf(stderr, "make_seeds: cannot write %s\n", file.c_str());
  return static_cast<bool>(out);
}

// The first `n` elements of a geometry axis.
Asse first_elements(const Asse& axis, size_t n) {
  Asse out(n);
  for (size_t i = 0; i < n; ++i) {
    if (axis.kind(i) == ElementKind::kInt16) out.set(i, static_cast<int16_t>(axis.value(i)));
    if (axis.kind(i) == ElementKind::kDouble) out.set(i, axis.value(i));
  }
  return out;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "Usage: make_seeds FOLDER\n");
    return 2;
  }
  const fs::path folder = argv[1];
  const std::string linea = joined(righe_linea());
  const std::string treno = joined(righe_treno());

  Stato s;
  s.nome = "Montebrisca_Lurna";
  s.treno = "7395";
  compile_texts(s, DescriptionText::of(linea), DescriptionText::of(treno), {});
  if (fatal_error(s) != 0 || !s.errori.empty()) {
    std::fprintf(stderr, "make_seeds: the built-in scenario does not compile cleanly\n");
    return 1;
  }
  // The decoders need no long inputs: the first cells of the track, the
  // first metres of the geometry, and the whole records file.
  const Modello& m = s.modello;
  constexpr size_t kCells = 40;
  constexpr size_t kPoints = 40;
  const std::vector<Cella> cells(m.celle.begin(), m.celle.begin() + kCells);
  const Tracciato path{first_elements(m.tracciato.x, kPoints), first_elements(m.tracciato.y, kPoints)};

  const bool ok = write(folder / "line_reader" / "built_in_linea.txt", linea) &&
                  write(folder / "train_reader" / "built_in_treno.txt", treno) &&
                  write(folder / "compile" / "built_in.txt", linea + '\0' + treno) &&
                  write(folder / "compile" / "fixtures.txt", read(fs::path(TESTDATA_DIR) / "line" / "basic_linea.txt") +
                                                                 '\0' +
                                                                 read(fs::path(TESTDATA_DIR) / "train" / "short_run.txt")) &&
                  write(folder / "decode" / "track.dat", track_bytes(cells)) &&
                  write(folder / "decode" / "records.sim", records_bytes(m.record)) &&
                  write(folder / "decode" / "geometry_linea.dat", geometry_bytes(path));
  return ok ? 0 : 1;
}
