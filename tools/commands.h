// The subcommands of `scenario`, callable with their options and streams so
// that tests can run them in-process.
#pragma once

#include <filesystem>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "compiler/output/check.h"

namespace scenario::tools {

struct InspectArgs {
  std::vector<std::string> files;
  bool json = false;
  std::string at;    // a line kilometre: list the cells around every place it occurs
  std::string at_m;  // a route metre: list the cells around it
};

struct CompileArgs {
  std::string nome;
  std::string treno;
  std::filesystem::path dir = ".";
  std::filesystem::path out;  // default: dir
  bool no_geometry = false;
  bool force = false;  // write the files even when the compilation records an error, as the builder does
  CheckPolicy policy;
};

struct CheckArgs {
  std::string nome;
  std::string treno;
  std::filesystem::path dir = ".";
  bool json = false;
  CheckPolicy policy;
};

int run_check(const CheckArgs& options, std::ostream& out, std::ostream& err);

int run_compile(const CompileArgs& options, std::ostream& out, std::ostream& err);

struct PlotArgs {
  std::string nome;
  std::string treno;
  std::filesystem::path dir = ".";
  std::filesystem::path output;  // default: DIR/NOME_TRENO.svg
};

int run_plot(const PlotArgs& options, std::ostream& out, std::ostream& err);

struct ViewArgs {
  std::string nome;
  std::string treno;
  std::filesystem::path dir = ".";  // the descriptions
  std::filesystem::path out;        // the compiled files; default: dir
  std::filesystem::path output;     // default: OUT/NOME_TRENO.html
};

int run_view(const ViewArgs& options, std::ostream& out, std::ostream& err);

int run_inspect(const InspectArgs& options, std::ostream& out, std::ostream& err);

}  // namespace scenario::tools
