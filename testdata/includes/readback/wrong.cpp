// Reads a compiled file back: the layouts yes, the compile path no.
#include "readback/decode.h"
#include "compiler/output/layouts.h"
#include "compiler/output/compile.h"
