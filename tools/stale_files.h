// Compiled files that do not belong with the others: a file made for another
// route length than the rest (most often a geometry left by an earlier run,
// since a run without geometry does not replace it), or a compiled file older
// than a description it comes from. `view`, `plot` and `inspect` name them;
// a geometry of another length is not drawn.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "readback/decode.h"

namespace scenario::tools {

// The decoded files at hand, each with its path; any may be absent.
struct CompiledSet {
  const DecodedRecords* records = nullptr;
  std::filesystem::path records_file;
  const DecodedTrack* track = nullptr;
  std::filesystem::path track_file;
  const DecodedGeometry* geometry = nullptr;
  std::filesystem::path geometry_file;
};

struct StaleFile {
  std::filesystem::path file;
  std::string reason;        // Italian, UTF-8
  bool wrong_length = false; // made for another route than the other files
};

// Checks the lengths the files imply against each other and the files'
// modification times against the `descriptions` that exist among those given.
std::vector<StaleFile> stale_files(const CompiledSet& set, const std::vector<std::filesystem::path>& descriptions);

// The descriptions a compiled file is made from, by the naming rule of the
// files: NOME_linea.dat from NOME_linea.txt, NOME_TRENO.dat and .sim from
// NOME_TRENO-.txt and NOME_linea.txt (NOME being the name up to the last "_").
std::vector<std::filesystem::path> descriptions_of(const std::filesystem::path& compiled_file);

}  // namespace scenario::tools
