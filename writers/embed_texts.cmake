# Writes OUT, a C++ file that defines the built-in scenario's five source
# texts (line_description_text() and the others, each declared in its
# writers/ header) from the files given as -DLINEA=, -DTRENO=, -DNOTE=,
# -DRALLENTAMENTI= and -DSCHEDA=. Every byte is kept as it is in the file,
# the notes' single-byte accented letters and the CR LF line ends included;
# a text's size is its array's size, not the place of a NUL.
include(${CMAKE_CURRENT_LIST_DIR}/../cmake/char_array.cmake)

set(includes "")
set(arrays "")
set(functions "")
foreach(text IN ITEMS "LINEA|kLineDescription|line_description" "TRENO|kTrainDescription|train_description"
                      "NOTE|kLineNotes|line_notes" "RALLENTAMENTI|kSlowdownOrder|slowdown_order"
                      "SCHEDA|kTrainCard|train_card")
  string(REPLACE "|" ";" text "${text}")
  list(GET text 0 file)
  list(GET text 1 array)
  list(GET text 2 name)
  string(APPEND includes "#include \"writers/${name}.h\"\n")
  file(READ "${${file}}" hex HEX)
  char_array(${array} "${hex}" arrays)
  string(APPEND functions "std::string_view ${name}_text() { return {${array}, sizeof ${array} - 1}; }\n")
endforeach()

set(cpp "// Generated from testdata/builtin/ by writers/embed_texts.cmake: do not edit.\n")
string(APPEND cpp "${includes}\nnamespace scenario {\nnamespace {\n\n${arrays}}  // namespace\n\n")
string(APPEND cpp "${functions}\n}  // namespace scenario\n")
file(WRITE "${OUT}.tmp" "${cpp}")
file(COPY_FILE "${OUT}.tmp" "${OUT}" ONLY_IF_DIFFERENT)
