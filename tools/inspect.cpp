#include <cerrno>
#include <cstring>

#include "common/exit_status.h"
#include "tools/commands.h"
#include "tools/describe.h"
#include "common/read_whole_file.h"

namespace scenario::tools {

int run_inspect(const InspectArgs& options, std::ostream& out, std::ostream& err) {
  Json all = Json::array();
  for (const std::string& name : options.files) {
    const auto bytes = read_whole_file(name);
    if (!bytes) {
      err << "scenario inspect: " << name << ": " << std::strerror(errno) << "\n";
      return tool_exit::kIoOrUsage;
    }
    auto decoded = decode_any(*bytes, std::filesystem::path(name).filename().string());
    if (const auto* e = std::get_if<DecodeError>(&decoded)) {
      err << "scenario inspect: " << name << ": byte " << e->offset << ": " << e->message << "\n";
      return tool_exit::kIoOrUsage;
    }
    Json d = {{"file", name}};
    d.update(describe(std::get<Decoded>(decoded)));
    all.push_back(std::move(d));
  }
  if (options.json) {
    out << (all.size() == 1 ? all[0] : all).dump(2) << "\n";
  } else {
    for (const Json& d : all) out << d["file"].get<std::string>() << "\n" << render_text(d) << "\n";
  }
  return tool_exit::kOk;
}

}  // namespace scenario::tools
