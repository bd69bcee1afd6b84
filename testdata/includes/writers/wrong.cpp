// The writers may not use the compiler.
#include "common/replace_file.h"
#include "compiler/model/model.h"
