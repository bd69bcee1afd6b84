# Writes OUT, a C++ file that defines the two starter descriptions of
# `scenario new` (see tools/new/starter_texts.h). Run at build time with -DLINEA=,
# -DTRENO= (the two texts) and -DOUT=. The texts must be plain ASCII: the
# descriptions are single-byte files, and ASCII reads the same in every code
# page.
include(${CMAKE_CURRENT_LIST_DIR}/../../../cmake/char_array.cmake)

set(cpp "// Generated from tools/new/starter/ by tools/new/starter/embed.cmake: do not edit.\n")
string(APPEND cpp "#include \"tools/new/starter_texts.h\"\n\nnamespace scenario::tools {\n\n")
foreach(pair IN ITEMS "kStarterLinea|${LINEA}" "kStarterTreno|${TRENO}")
  string(REPLACE "|" ";" pair "${pair}")
  list(GET pair 0 name)
  list(GET pair 1 file)
  file(READ "${file}" hex HEX)
  if(hex MATCHES "^(..)*[89a-f][0-9a-f]")
    message(FATAL_ERROR "${file}: the starter texts must be plain ASCII")
  endif()
  char_array(${name} "${hex}" cpp)
endforeach()
string(APPEND cpp "}  // namespace scenario::tools\n")
file(WRITE "${OUT}.tmp" "${cpp}")
file(COPY_FILE "${OUT}.tmp" "${OUT}" ONLY_IF_DIFFERENT)
