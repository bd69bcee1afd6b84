// A test may use its own layer, the layers below and test support.
#include "compiler/line/line_reader.h"
#include "compiler/model/model.h"
#include "test_support/files.h"
#include <vector>
