#include "writers/line_notes.h"

#include "writers/line_list.h"

namespace scenario {

const std::vector<std::string_view>& line_notes_lines() {
  // Lines are not wrapped: each is at most 105 characters, and a sentence
  // that goes on to the next line ends with a space. The accented letters
  // are hex escapes; where a hex digit follows one, the literal must be
  // split ("\xE8" "d"), or the digit would join the escape.
  static const std::vector<std::string_view> lines = {
      "Caratteristiche della linea MONTEBRISCA-SAN CIPRIANO-LURNA",
      "",
      "Trazione elettrica a corrente continua 3 kV su tutta la linea.",
      "Doppio binario da MONTEBRISCA a SAN CIPRIANO, semplice binario da SAN CIPRIANO a LURNA.",
      "Sistemi di esercizio: DIRIGENZA LOCALE con",
      "- blocco automatico a correnti codificate tra MONTEBRISCA e CAVRESCINO;",
      "- blocco automatico a correnti codificate tra CAVRESCINO ed ERBALUNGA;",
      "- blocco automatico a correnti codificate tra ERBALUNGA e SAN CIPRIANO;",
      "- blocco elettrico conta assi tra SAN CIPRIANO e TORRE BIANCA;",
      "- blocco elettrico conta assi tra TORRE BIANCA e MEZZANA;",
      "- blocco elettrico manuale tra MEZZANA e CORTE VALSIO;",
      "- blocco elettrico manuale tra CORTE VALSIO e LURNA.",
      "La ripetizione dei segnali in macchina non \xE8 attiva.",
      "Tutte le stazioni sono dotate di segnali di protezione e di partenza.",
      "Nelle stazioni di TORRE BIANCA e di MEZZANA la velocit\xE0 massima \xE8 di 60 km/h: il limite non compare ",
      "nella scheda treno ed \xE8 dato al macchinista dagli aspetti dei segnali.",
      "Allo stesso modo, nelle stazioni di SAN CIPRIANO e di CORTE VALSIO la velocit\xE0 massima \xE8 di 30 km/h, ",
      "limite anch'esso dato dagli aspetti dei segnali.",
      "Le stazioni di ERBALUNGA e di VALDEMO sono protette da segnali anche per gli arrivi dal binario illegale.",
      "In queste due stazioni anche l'arrivo sul binario di sinistra \xE8 quindi sempre protetto.",
      "FERMATE presenziate protette da segnali:",
      "- PIAN DEL TASSO, con segnali di protezione nei due sensi;",
      "- ROCCHIANO, con segnali di protezione nei due sensi;",
      "- POGGIO ALTO, con segnali di protezione e di partenza;",
      "- CAMPOREGIO, protetta dai segnali del blocco conta assi;",
      "- RIVALTA, protetta dai segnali del blocco elettrico manuale.",
      "LE FORNACI \xE8 un posto di movimento telecomandato dalla stazione di MEZZANA.",
      "Sono fermate impresenziate, senza segnali: SORBETO, VILLA ALDERA, S. MARTINO D.F., FORNACI DI MEZZO, ",
      "CASTEL GUALDO, MOLINELLA SUP. e PRATOLUNGO.",
      "Sulla linea si trovano 42 passaggi a livello, tutti riprodotti nella simulazione.",
      "Le linee che si diramano o confluiscono sono indicate dai cartelli di diramazione e di confluenza.",
      "I cartelli indicatori di velocit\xE0 massima non esistono sulla linea reale.",
      "La linea attraversa la Val Brisca e la piana del Lurno e fa parte della direttrice trasversale ",
      "che unisce la costa di ORVELA all'entroterra di BRASCO.",
      "Le pendenze sono modeste e non superano mai il 9 per mille.",
      "",
      "",
      "Caratteristiche treno 7395:",
      "",
      "Espresso notturno (EXP) di 14 carrozze, in servizio tutti i giorni con partenza alle 23.45.",
      "Il treno \xE8 trainato dalla consueta locomotiva elettrica e la marcia non presenta difficolt\xE0.",
      "I tempi della scheda si rispettano senza fatica; i recuperi servono solo in caso di ritardo.",
      "",
      "(Nel tratto a semplice binario la disposizione dei binari nelle stazioni \xE8 riprodotta solo in parte.",
      "Dove non era possibile fare altrimenti si \xE8 preferito rispettare fedelmente gli aspetti dei segnali.",
      "La condotta del treno non ne risulta modificata.)",
      "",
      "",
      "Anselmo Briganzi",
      "Pieve Orsana",
      "anselmo.briganzi@example.org",
  };
  return lines;
}

std::optional<IoError> write_line_notes(const FileNames& files) {
  return write_lines(files.note_txt, line_notes_lines());
}

}  // namespace scenario
