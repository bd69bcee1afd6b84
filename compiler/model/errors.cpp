#include "compiler/model/errors.h"

namespace scenario {
namespace {

struct Entry {
  ErrorCode code;
  bool has_position;
  std::string_view meaning;
};

constexpr Entry kErrors[] = {
    {ErrorCode::kRouteTooLong, false, "la lunghezza del percorso supera 1 000 000 m"},
    {ErrorCode::kProgressiveOffGrid, false, "un limite di una progressiva chilometrica non è multiplo di 50 m"},
    {ErrorCode::kRepeatStartOffGrid, false, "il primo valore di \"ripetizione segnali\" non è multiplo di 50 m"},
    {ErrorCode::kRepeatEndOffGrid, false, "il secondo valore di \"ripetizione segnali\" non è multiplo di 50 m"},
    {ErrorCode::kRepeatCodeMissing, false, "la riga \"ripetizione segnali\" non indica né 4 né 9 codici"},
    {ErrorCode::kSignCellOccupied, true, "il cartello indicatore cade su una cella già occupata"},
    {ErrorCode::kReductionCellOccupied, true, "il punto di abbattimento cade su una cella già occupata"},
    {ErrorCode::kStationOffGrid, true, "la posizione della stazione non è multipla di 50 m"},
    {ErrorCode::kStationLengthOffGrid, true, "la lunghezza della stazione non è multipla di 100 m"},
    {ErrorCode::kTooManyStations, false, "troppe stazioni: i loro record raggiungono quelli dei cartelli indicatori"},
    {ErrorCode::kNoRoomBeforeSignal, true,
     "il segnale prima di un avviso di rallentamento non ha celle libere per il segno di velocità"},
    {ErrorCode::kApproachGroupFull, true,
     "le tre celle di un gruppo di avvicinamento prima dell'inizio del rallentamento sono occupate"},
    {ErrorCode::kNoRoomForSlowdownMarker, true, "non c'è posto per un segno di velocità dentro o dopo il rallentamento"},
    {ErrorCode::kBeyondTrack, true, "la posizione cade fuori dal modello del percorso"},
    {ErrorCode::kSignalCellOccupied, true, "il segnale cade su una cella già occupata"},
    {ErrorCode::kWarningCellOccupied, true, "l'avviso del rallentamento cade su una cella già occupata"},
    {ErrorCode::kSlowdownStartOccupied, true, "l'inizio del rallentamento cade su una cella già occupata"},
    {ErrorCode::kSlowdownEndOccupied, true, "la fine del rallentamento cade su una cella già occupata"},
    {ErrorCode::kApproachCellsOccupied, true, "una delle quattro celle prima dell'avviso del rallentamento è già occupata"},
    {ErrorCode::kIndicatorCellOccupied, true, "l'indicatore di velocità massima cade su una cella già occupata"},
    {ErrorCode::kStationsTooClose, true, "la zona della stazione inizia a meno di 350 m dalla fine della zona precedente"},
    {ErrorCode::kStopCellAtStart, false, "la cella di fermata della stazione cade all'inizio del percorso (cella 0 o 1)"},
    {ErrorCode::kReadingFailure, false, "errore di lettura"},
    {ErrorCode::kMissingLineDescription, false, "la descrizione della linea non esiste"},
    {ErrorCode::kNoGeneralSection, false, "la descrizione della linea non contiene la sezione [generale]"},
    {ErrorCode::kBadCurve, false, "curva senza cifra di classe 1-6, o tracciato oltre 1 000 000 di punti"},
    {ErrorCode::kHeaderValuesInUse, false,
     "gli spazi dei valori di intestazione (record 85, cella 1) sono già occupati"},
    {ErrorCode::kHeaderCodesInUse, false, "gli spazi dei codici di intestazione (record 85, cella 1) sono già occupati"},
};

const Entry* find(int32_t n) {
  for (const Entry& e : kErrors) {
    if (number(e.code) == n) return &e;
  }
  return nullptr;
}

}  // namespace

std::string_view error_meaning(int32_t n) {
  const Entry* e = find(n);
  return e ? e->meaning : "errore sconosciuto";
}

bool error_has_position(int32_t n) {
  const Entry* e = find(n);
  return e && e->has_position;
}

int32_t RaisedErrors::codice_errore() const {
  for (auto e = errors_.rbegin(); e != errors_.rend(); ++e) {
    if (!is_header_fault(e->code)) return number(e->code);
  }
  return 0;
}

int32_t RaisedErrors::posizione_errore() const {
  for (auto e = errors_.rbegin(); e != errors_.rend(); ++e) {
    if (e->position) return *e->position;
  }
  return 0;
}

std::optional<ErrorCode> RaisedErrors::header_fault() const {
  for (const RaisedError& e : errors_) {
    if (is_header_fault(e.code)) return e.code;
  }
  return std::nullopt;
}

}  // namespace scenario
