// Writes what the fuzz targets start from into FOLDER: the seed inputs in
// FOLDER/TARGET/ (the built-in descriptions for the readers and the
// compilation, short pieces of the built-in scenario's compiled files for
// the decoders), and FOLDER/descriptions.dict, the dictionary of the targets
// that read descriptions, from the readers' own keyword and section tables.
// The readers' targets also take the description fixtures of testdata/ as
// they are; the compilation takes the line and train fixtures joined here.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "compiler/output/compiled_files.h"
#include "compiler/output/compile.h"
#include "fuzz/description_words.h"
#include "writers/line_description.h"
#include "writers/train_description.h"

namespace {

namespace fs = std::filesystem;
using namespace scenario;

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
GeometryAxis first_elements(const GeometryAxis& axis, size_t n) {
  GeometryAxis out(n);
  for (size_t i = 0; i < n; ++i) {
    if (axis.kind(i) == ElementKind::kInt16) out.set(i, static_cast<int16_t>(axis.value(i)));
    if (axis.kind(i) == ElementKind::kDouble) out.set(i, axis.value(i));
  }
  return out;
}

// A dictionary entry: the bytes in quotes, control bytes, quotes and
// backslashes as \xHH.
std::string entry(std::string_view bytes) {
  std::string out = "\"";
  for (const unsigned char c : bytes) {
    if (c < 0x20 || c == '"' || c == '\\') {
      char hex[5];
      std::snprintf(hex, sizeof hex, "\\x%02X", c);
      out += hex;
    } else {
      out += static_cast<char>(c);
    }
  }
  return out + "\"\n";
}

// Every keyword and section header of both descriptions, then what joins
// and fills their rows: the numbers, delimiters, the NUL that splits the
// compilation's input, and a sign's text.
std::string dictionary() {
  std::vector<std::string_view> words = fuzz::description_words();
  words.insert(words.end(), std::begin(fuzz::kFieldNumbers), std::end(fuzz::kFieldNumbers));
  for (const std::string_view filler : {",", "\r\n", " ", "\t", "-", "9 codici", "(PL km)(1+522)"}) {
    words.push_back(filler);
  }
  words.push_back(std::string_view("\0", 1));

  std::string dict = "# Written by fuzz_make_seeds from the readers' keyword and section tables.\n";
  std::set<std::string_view> seen;
  for (const std::string_view w : words) {
    if (seen.insert(w).second) dict += entry(w);
  }
  return dict;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "Usage: make_seeds FOLDER\n");
    return 2;
  }
  const fs::path folder = argv[1];
  const std::string linea(line_description_text());
  const std::string treno(train_description_text());

  CompilationState s;
  s.nome = "Montebrisca_Lurna";
  s.treno = "7395";
  compile_texts(s, DescriptionText::of(linea), DescriptionText::of(treno), {});
  if (fatal_error(s) != 0 || !s.errors.empty()) {
    std::fprintf(stderr, "make_seeds: the built-in scenario does not compile cleanly\n");
    return 1;
  }
  // The decoders need no long inputs: the first cells of the track, the
  // first metres of the geometry, and the whole records file.
  const TrackModel& m = s.model;
  constexpr size_t kCells = 40;
  constexpr size_t kPoints = 40;
  const std::vector<Cella> cells(m.celle.begin(), m.celle.begin() + kCells);
  const Geometry path{first_elements(m.geometry.x, kPoints), first_elements(m.geometry.y, kPoints)};

  const bool ok = write(folder / "line_reader" / "built_in_linea.txt", linea) &&
                  write(folder / "train_reader" / "built_in_treno.txt", treno) &&
                  write(folder / "compile" / "built_in.txt", linea + '\0' + treno) &&
                  write(folder / "compile" / "fixtures.txt", read(fs::path(TESTDATA_DIR) / "line" / "basic_linea.txt") +
                                                                 '\0' +
                                                                 read(fs::path(TESTDATA_DIR) / "train" / "short_run.txt")) &&
                  write(folder / "decode" / "track.dat", track_bytes(cells)) &&
                  write(folder / "decode" / "records.sim", records_bytes(m.record)) &&
                  write(folder / "decode" / "geometry_linea.dat", geometry_bytes(path)) &&
                  write(folder / "descriptions.dict", dictionary());
  return ok ? 0 : 1;
}
