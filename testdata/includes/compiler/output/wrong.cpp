// The compiler may not use the writers.
#include "compiler/line/line_reader.h"
#include "writers/dati_linea.h"
