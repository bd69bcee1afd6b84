// For the sheets' tests: a pair of descriptions compiled in memory into the
// sheets' route, as `scenario sheets` compiles it, and the table lines of a
// sheet.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "common/file_names.h"
#include "compiler/output/compile.h"
#include "sheets/sheet_route.h"

namespace scenario::testing {

inline const std::filesystem::path kBuiltinDir = std::filesystem::path(TESTDATA_DIR) / "builtin";
inline const std::filesystem::path kSheetsDir = std::filesystem::path(TESTDATA_DIR) / "sheets";

// NOME_linea.txt and NOME_TRENO-.txt of `dir`, compiled without errors.
inline SheetRoute compiled_sheet_route(const std::filesystem::path& dir, const std::string& nome,
                                       const std::string& treno) {
  const FileNames names = file_names(dir, nome, treno);
  CompilationState s;
  s.nome = nome;
  s.treno = treno;
  compile_texts(s, load_description(names.linea_txt), load_description(names.treno_txt), {.build_geometry = false});
  EXPECT_EQ(s.codice_errore(), 0) << nome;
  return sheet_route(DecodedRecords{s.model.record}, DecodedTrack{s.model.celle}, treno);
}

// The lines of a text that ends every line with CR LF; empty when one does
// not.
inline std::vector<std::string_view> crlf_lines(std::string_view text) {
  std::vector<std::string_view> lines;
  while (!text.empty()) {
    const size_t end = text.find("\r\n");
    if (end == std::string_view::npos || text.substr(0, end).find('\n') != std::string_view::npos) return {};
    lines.push_back(text.substr(0, end));
    text.remove_prefix(end + 2);
  }
  return lines;
}

// The columns of a line's bars.
inline std::vector<size_t> bar_columns(std::string_view line) {
  std::vector<size_t> bars;
  for (size_t i = 0; i < line.size(); ++i)
    if (line[i] == '|') bars.push_back(i);
  return bars;
}

}  // namespace scenario::testing
