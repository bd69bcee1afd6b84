#include "compiler/output/timetable_warnings.h"

#include <cmath>

#include "common/windows1252.h"
#include "timetable/running_time.h"

namespace scenario {
void note_timetable(CompilationState& s) {
  if (!s.errors.empty()) return;
  const auto run = estimate_run(s.model.celle, s.model.record, s.rows_read.stations, TrainParameters{});
  if (!run) return;
  const double dwell = run->used.dwell;
  const StationTime* previous = nullptr;  // the last station with a time
  for (size_t k = 0; k < run->stations.size(); ++k) {
    const StationTime& station = run->stations[k];
    if (!station.given) continue;
    const auto slot = static_cast<size_t>(station.slot);
    const Place place = s.origins.station_time[slot].line > 0 ? s.origins.station_time[slot] : s.origins.record[slot];
    const auto position = s.model.record[slot].posizione_punto;
    const std::string name = quoted(station.name);
    const std::string given = clock_text(*station.given);
    const auto warn = [&](WarningKind kind, std::string message) {
      s.warnings.push_back({kind, place, std::move(message), position, std::nullopt});
    };
    const bool last = k + 1 == run->stations.size();
    // Whole seconds, as the times print: the earliest rounded up.
    const double arrival = std::ceil(station.arrival);
    const double earliest = last ? arrival : arrival + dwell;
    if (previous && *station.given < *previous->given) {
      warn(WarningKind::kTimeBackwards,
           "l'orario di " + name + " (" + given + ") viene prima di quello di " + quoted(previous->name) + " (" +
               clock_text(*previous->given) + ", riga " +
               std::to_string(s.origins.record[static_cast<size_t>(previous->slot)].line) +
               "), che la precede sul percorso: scrivi un orario dopo le " + clock_text(*previous->given));
    } else if (k > 0 && *station.given < earliest) {
      if (!last && *station.given >= arrival) {
        warn(WarningKind::kNoTimeToStop,
             "a " + name + " il treno arriva al più presto alle " + clock_text(arrival) +
                 " e l'orario lo fa ripartire alle " + given + ": restano " + duration_text(*station.given - arrival) +
                 ", meno della sosta di " + duration_text(dwell) + " della stima; scrivi una partenza dalle " +
                 clock_text(earliest) + " in poi");
      } else {
        const std::string missing = duration_text(earliest - *station.given);
        warn(WarningKind::kTimeUnreachable,
             last ? "l'orario dà l'arrivo a " + name + " alle " + given +
                        ", ma secondo la stima dei tempi di percorrenza il treno ci arriva al più presto alle " +
                        clock_text(arrival) + ": mancano " + missing + "; scrivi un arrivo dalle " +
                        clock_text(earliest) + " in poi"
                  : "l'orario dà la partenza da " + name + " alle " + given +
                        ", ma secondo la stima dei tempi di percorrenza il treno ci arriva al più presto alle " +
                        clock_text(arrival) + " e riparte dopo la sosta di " + duration_text(dwell) + " alle " +
                        clock_text(earliest) + ": mancano " + missing + "; scrivi una partenza dalle " +
                        clock_text(earliest) + " in poi");
      }
    }
    previous = &station;
  }
}

}  // namespace scenario
