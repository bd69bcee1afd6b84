// The subcommands of `scenario`, callable with their options and streams so
// that tests can run them in-process.
#pragma once

#include <filesystem>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace scenario::tools {

// Exit statuses: input/output or usage fault, and a fault in the scenario's data.
inline constexpr int kExitOk = 0;
inline constexpr int kExitIo = 1;
inline constexpr int kExitData = 2;

struct InspectOptions {
  std::vector<std::string> files;
  bool json = false;
};

struct CompileOptions {
  std::string nome;
  std::string treno;
  std::filesystem::path dir = ".";
  std::filesystem::path out;  // default: dir
  bool no_geometry = false;
};

int run_compile(const CompileOptions& options, std::ostream& out, std::ostream& err);

struct PlotOptions {
  std::string nome;
  std::string treno;
  std::filesystem::path dir = ".";
  std::filesystem::path output;  // default: DIR/NOME_TRENO.svg
};

int run_plot(const PlotOptions& options, std::ostream& out, std::ostream& err);

struct ViewOptions {
  std::string nome;
  std::string treno;
  std::filesystem::path dir = ".";  // the descriptions
  std::filesystem::path out;        // the compiled files; default: dir
  std::filesystem::path output;     // default: OUT/NOME_TRENO.html
};

int run_view(const ViewOptions& options, std::ostream& out, std::ostream& err);

int run_inspect(const InspectOptions& options, std::ostream& out, std::ostream& err);

}  // namespace scenario::tools
