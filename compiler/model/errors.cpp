#include "compiler/model/errors.h"

namespace scenario {
namespace {

struct Entry {
  ErrorCode code;
  std::string_view meaning;
};

constexpr Entry kErrors[] = {
    {ErrorCode::kRouteTooLong, "la lunghezza del percorso supera 1 000 000 m"},
    {ErrorCode::kProgressiveOffGrid, "un limite di una progressiva chilometrica non è multiplo di 50 m"},
    {ErrorCode::kRepeatStartOffGrid, "il primo valore di «ripetizione segnali» non è multiplo di 50 m"},
    {ErrorCode::kRepeatEndOffGrid, "il secondo valore di «ripetizione segnali» non è multiplo di 50 m"},
    {ErrorCode::kRepeatCodeMissing, "la riga «ripetizione segnali» non indica né 4 né 9 codici"},
    {ErrorCode::kSignCellOccupied, "il cartello indicatore cade su una cella già occupata"},
    {ErrorCode::kReductionCellOccupied, "il punto di abbattimento cade su una cella già occupata"},
    {ErrorCode::kStationOffGrid, "la posizione della stazione non è multipla di 50 m"},
    {ErrorCode::kStationLengthOffGrid, "la lunghezza della stazione non è multipla di 100 m"},
    {ErrorCode::kTooManyStations, "troppe stazioni: i loro record raggiungono quelli dei cartelli indicatori"},
    {ErrorCode::kNoRoomBeforeSignal,
     "il segnale prima di un avviso di rallentamento non ha celle libere per il segno di velocità"},
    {ErrorCode::kApproachGroupFull,
     "le tre celle di un gruppo di avvicinamento prima dell'inizio del rallentamento sono occupate"},
    {ErrorCode::kNoRoomForSlowdownMarker, "non c'è posto per un segno di velocità dentro o dopo il rallentamento"},
    {ErrorCode::kBeyondTrack, "la posizione cade fuori dal modello del percorso"},
    {ErrorCode::kSignalCellOccupied, "il segnale cade su una cella già occupata"},
    {ErrorCode::kWarningCellOccupied, "l'avviso del rallentamento cade su una cella già occupata"},
    {ErrorCode::kSlowdownStartOccupied, "l'inizio del rallentamento cade su una cella già occupata"},
    {ErrorCode::kSlowdownEndOccupied, "la fine del rallentamento cade su una cella già occupata"},
    {ErrorCode::kApproachCellsOccupied, "una delle quattro celle prima dell'avviso del rallentamento è già occupata"},
    {ErrorCode::kIndicatorCellOccupied, "l'indicatore di velocità massima cade su una cella già occupata"},
    {ErrorCode::kStationsTooClose, "la zona della stazione inizia a meno di 350 m dalla fine della zona precedente"},
    {ErrorCode::kStopCellAtStart, "la cella di fermata della stazione cade all'inizio del percorso (cella 0 o 1)"},
    {ErrorCode::kReadingFailure, "errore di lettura"},
    {ErrorCode::kMissingLineDescription, "la descrizione della linea non esiste"},
    {ErrorCode::kNoGeneralSection, "la descrizione della linea non contiene la sezione [generale]"},
    {ErrorCode::kBadCurve, "curva senza cifra di classe 1-6, o tracciato oltre 1 000 000 di punti"},
    {ErrorCode::kHeaderValuesInUse,
     "gli spazi dei valori di intestazione (record 85, cella 1) sono già occupati"},
    {ErrorCode::kHeaderCodesInUse, "gli spazi dei codici di intestazione (record 85, cella 1) sono già occupati"},
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

std::vector<ErrorCode> error_codes() {
  std::vector<ErrorCode> codes;
  for (const Entry& e : kErrors) codes.push_back(e.code);
  return codes;
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
