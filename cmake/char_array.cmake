# char_array(NAME HEX OUT_VAR) appends to OUT_VAR the C++ definition of NAME,
# a NUL-terminated char array holding the bytes HEX (as file(READ ... HEX)
# gives them): the way files of the repository are built into a program.
function(char_array name hex out_var)
  string(REGEX REPLACE "([0-9a-f][0-9a-f])" "'\\\\x\\1'," bytes "${hex}")
  set(${out_var} "${${out_var}}const char ${name}[] = {${bytes}'\\0'};\n\n" PARENT_SCOPE)
endfunction()
