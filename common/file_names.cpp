#include "common/file_names.h"

namespace scenario {

FileNames file_names(const std::filesystem::path& folder, const std::string& nome,
                     const std::string& treno) {
  const std::string train_stem = nome + "_" + treno;
  FileNames n;
  n.linea_txt = folder / (nome + "_linea.txt");
  n.treno_txt = folder / (train_stem + "-.txt");
  n.note_txt = folder / (train_stem + "_note.txt");
  n.rallentamenti_txt = folder / (train_stem + "_rallentamenti.txt");
  n.scheda_txt = folder / (train_stem + "_scheda_treno.txt");
  n.linea_dat = folder / (nome + "_linea.dat");
  n.sim = folder / (train_stem + ".sim");
  n.dat = folder / (train_stem + ".dat");
  return n;
}

}  // namespace scenario
