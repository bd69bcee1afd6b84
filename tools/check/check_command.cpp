#include "common/exit_status.h"
#include "common/file_names.h"
#include "compiler/output/check.h"
#include "tools/commands.h"
#include "tools/diagnostics_output.h"
#include "tools/json_text.h"
#include "tools/name_check.h"

namespace scenario::tools {

int run_check(const CheckArgs& o, std::ostream& out, std::ostream& err) {
  if (!name_parts_ok(o.nome, o.treno, "scenario check", err)) return tool_exit::kIoOrUsage;
  const FileNames names = file_names(o.dir, o.nome, o.treno);
  const DescriptionFiles files{names.linea_txt, names.treno_txt};
  CheckResult check = check_texts(o.nome, o.treno, load_description(files.linea), load_description(files.treno));
  apply_policy(check, o.policy);
  if (o.json) {
    out << json_text(check_json(check, files), 2) << "\n";
  } else {
    print_diagnostics(check, files, out);
    out << check_summary(check) << "\n";
  }
  return check.count(Severity::kError) > 0 ? tool_exit::kData : tool_exit::kOk;
}

}  // namespace scenario::tools
