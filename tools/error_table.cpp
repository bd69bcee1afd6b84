#include "tools/error_table.h"

namespace scenario::tools {
namespace {

struct Entry {
  int code;
  bool has_position;
  std::string_view meaning;
};

constexpr Entry kErrors[] = {
    {1, false, "la lunghezza del percorso supera 1 000 000 m"},
    {2, false, "un limite di una progressiva chilometrica non è multiplo di 50 m"},
    {3, false, "il primo valore di \"ripetizione segnali\" non è multiplo di 50 m"},
    {4, false, "il secondo valore di \"ripetizione segnali\" non è multiplo di 50 m"},
    {5, false, "la riga \"ripetizione segnali\" non indica né 4 né 9 codici"},
    {6, true, "il cartello indicatore cade su una cella già occupata"},
    {7, true, "il punto di abbattimento cade su una cella già occupata"},
    {8, true, "la posizione della stazione non è multipla di 50 m"},
    {9, true, "la lunghezza della stazione non è multipla di 100 m"},
    {10, false, "troppe stazioni: i loro record raggiungono quelli dei cartelli indicatori"},
    {11, true, "il segnale prima di un avviso di rallentamento non ha celle libere per il segno di velocità"},
    {12, true, "le tre celle di un gruppo di avvicinamento prima dell'inizio del rallentamento sono occupate"},
    {13, true, "non c'è posto per un segno di velocità dentro o dopo il rallentamento"},
    {15, true, "la posizione cade oltre la fine del modello del percorso"},
    {16, true, "il segnale cade su una cella già occupata"},
    {17, true, "l'avviso del rallentamento cade su una cella già occupata"},
    {18, true, "l'inizio del rallentamento cade su una cella già occupata"},
    {19, true, "la fine del rallentamento cade su una cella già occupata"},
    {20, true, "una delle quattro celle prima dell'avviso del rallentamento è già occupata"},
    {21, true, "l'indicatore di velocità massima cade su una cella già occupata"},
    {22, true, "la zona della stazione inizia a meno di 350 m dalla fine della zona precedente"},
    {24, false, "la cella di fermata della stazione cade all'inizio del percorso (cella 0 o 1)"},
    {25, false, "errore di lettura: file mancante, campo non numerico, numero fuori intervallo o riga incompleta"},
    {101, false, "la descrizione della linea non esiste"},
    {102, false, "la descrizione della linea non contiene la sezione [generale]"},
    {103, false, "curva senza cifra di classe 1-6, o tracciato oltre 1 000 000 di punti"},
    {1250, false, "gli spazi dei valori di intestazione (record 85, cella 1) sono già occupati"},
    {1251, false, "gli spazi dei codici di intestazione (record 85, cella 1) sono già occupati"},
};

const Entry* find(int code) {
  for (const Entry& e : kErrors)
    if (e.code == code) return &e;
  return nullptr;
}

}  // namespace

std::string_view error_meaning(int code) {
  const Entry* e = find(code);
  return e ? e->meaning : "errore sconosciuto";
}

bool error_has_position(int code) {
  const Entry* e = find(code);
  return e && e->has_position;
}

}  // namespace scenario::tools
