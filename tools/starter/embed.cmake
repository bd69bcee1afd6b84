# Writes the two starter descriptions of `scenario new` into a C++ header as
# byte arrays. Run at build time with -DLINEA=, -DTRENO= (the two texts) and
# -DOUT= (the header). The texts must be plain ASCII: the descriptions are
# single-byte files, and ASCII reads the same in every code page.
function(embed_bytes name file out_text)
  file(READ "${file}" hex HEX)
  if(hex MATCHES "^(..)*[89a-f][0-9a-f]")
    message(FATAL_ERROR "${file}: the starter texts must be plain ASCII")
  endif()
  string(LENGTH "${hex}" digits)
  math(EXPR size "${digits} / 2")
  string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
  string(REGEX REPLACE "(0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,)"
         "\\1\n    " bytes "${bytes}")
  set(${out_text}
      "inline constexpr unsigned char ${name}[] = {\n    ${bytes}};\ninline constexpr std::size_t ${name}Size = ${size};\n"
      PARENT_SCOPE)
endfunction()

embed_bytes(kStarterLinea "${LINEA}" linea)
embed_bytes(kStarterTreno "${TRENO}" treno)
set(text "// Generated from tools/starter/ by tools/starter/embed.cmake: do not edit.\n#pragma once\n\n#include <cstddef>\n\nnamespace scenario::tools {\n\n${linea}\n${treno}\n}  // namespace scenario::tools\n")

file(WRITE "${OUT}" "${text}")
