#include "tools/diagnostics_output.h"

#include "compiler/output/error_text.h"

namespace scenario::tools {
namespace {

const char* severity_word(Severity s) {
  switch (s) {
    case Severity::kError:
      return "error";
    case Severity::kWarning:
      return "warning";
    case Severity::kNote:
      break;
  }
  return "note";
}

std::string file_of(const Place& place, const DescriptionFiles& files) {
  switch (place.file) {
    case Description::kLine:
      return files.linea.string();
    case Description::kTrain:
      return files.treno.string();
    case Description::kNone:
      break;
  }
  return "";
}

// What the builder shows for the error it reports.
std::string builder_words(const CheckResult& check) {
  std::string text = error_text(check.codice_errore);
  if (check.codice_errore != check.fatal) text += " a " + std::to_string(check.posizione_errore) + " m";
  return text;
}

std::string plural(int n, const char* one, const char* many) {
  return std::to_string(n) + " " + (n == 1 ? one : many);
}

}  // namespace

void print_diagnostics(const CheckResult& check, const DescriptionFiles& files, std::ostream& out) {
  for (const Diagnostic& d : check.diagnostics) {
    const std::string file = file_of(d.place, files);
    if (file.empty()) {
      out << "scenario";
    } else {
      out << file;
      if (d.place.line > 0) out << ":" << d.place.line << ":" << d.place.column;
    }
    out << ": " << severity_word(d.severity) << ": " << d.message;
    if (!d.name.empty()) out << " [" << d.name << "]";
    if (d.reported) out << " [il costruttore riporta questo errore:" << builder_words(check) << "]";
    out << "\n";
  }
}

std::string check_summary(const CheckResult& check) {
  std::string text = plural(check.count(Severity::kError), "errore", "errori");
  text.append(", ").append(plural(check.count(Severity::kWarning), "avviso", "avvisi"));
  if (check.codice_errore != 0) text.append("; il costruttore riporta:").append(builder_words(check));
  if (check.fatal != 0 && check.fatal != check.codice_errore) text.append(";").append(error_text(check.fatal));
  return text;
}

nlohmann::ordered_json diagnostics_json(const CheckResult& check, const DescriptionFiles& files) {
  nlohmann::ordered_json list = nlohmann::ordered_json::array();
  for (const Diagnostic& d : check.diagnostics) {
    nlohmann::ordered_json item;
    item["severity"] = severity_word(d.severity);
    const std::string file = file_of(d.place, files);
    item["file"] = file.empty() ? nlohmann::ordered_json(nullptr) : nlohmann::ordered_json(file);
    item["line"] = d.place.line;
    item["column"] = d.place.column;
    item["code"] = d.code                ? nlohmann::ordered_json(*d.code)
                   : !d.name.empty() ? nlohmann::ordered_json(std::string(d.name))
                                     : nlohmann::ordered_json(nullptr);
    item["position"] = d.position ? nlohmann::ordered_json(*d.position) : nullptr;
    item["cell"] = d.cell ? nlohmann::ordered_json(*d.cell) : nullptr;
    item["message"] = d.message;
    item["reported"] = d.reported;
    list.push_back(std::move(item));
  }
  return list;
}

nlohmann::ordered_json check_json(const CheckResult& check, const DescriptionFiles& files) {
  nlohmann::ordered_json doc;
  doc["format"] = kCheckFormat;
  doc["files"] = {{"linea", files.linea.string()}, {"treno", files.treno.string()}};
  doc["errors"] = check.count(Severity::kError);
  doc["warnings"] = check.count(Severity::kWarning);
  doc["reported_error"] = check.codice_errore == 0
                              ? nlohmann::ordered_json(nullptr)
                              : nlohmann::ordered_json{{"code", check.codice_errore},
                                                       {"position", check.posizione_errore}};
  doc["fatal"] = check.fatal == 0 ? nlohmann::ordered_json(nullptr) : nlohmann::ordered_json(check.fatal);
  doc["diagnostics"] = diagnostics_json(check, files);
  return doc;
}

}  // namespace scenario::tools
