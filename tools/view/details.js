// What the page tells about one cell, for the hover card and the chosen cell:
// where it is, its object in words (written by the program that made the
// page) and its stretch values.

function lineKmWords(metre) {
  const line = lineMetre(route.kilometre, metre);
  return line === null ? "nessuna (prima della prima progressiva)" : "km " + lineKmText(line) + " (dedotto dalle progressive)";
}

// Rows [label, text] for the cell `cell`, reached at route metre `metre`.
function cellRows(cell, metre) {
  const c = route.cells;
  const at = cellMetre(cell);
  const object = objectsByCell.get(cell);
  const rows = [
    ["Punto", metresText(metre) + " · km " + startKmText(metre) + " dall'inizio"],
    ["km di linea", lineKmWords(metre)],
    ["Cella", cell + " · oggetti a " + metresText(at) + " · tratto " + metresText(cell * 50) + "–" + metresText(cell * 50 + 50)],
    ["Oggetto", object ? object.words : "nessuno"],
    ["Velocità massima", c.speed[cell] + " km/h"],
  ];
  const estimated = estimatedSpeedAt(route.estimate, metre);
  if (estimated !== null) rows.push(["Velocità stimata", estimated.toFixed(0) + " km/h (stima, non la fisica del simulatore)"]);
  rows.push(
    ["Pendenza", c.gradient[cell] + " ‰"],
    ["Aderenza", c.adhesion[cell] + " (valore per il simulatore)"],
  );
  if (c.mountain[cell]) rows.push(["Montagna", "tratto di tipo " + c.mountain[cell]]);
  if (c.approach[cell]) rows.push(["Preavviso", c.approach[cell] + " (il significato è del simulatore)"]);
  if (c.signal_time[cell]) rows.push(["Tempo del segnale", String(c.signal_time[cell])]);
  const station = stationZoneAt(route.stations, metre);
  if (station) rows.push(["Zona di stazione", station.name + (station.time === null ? "" : " · orario " + station.time)]);
  return rows;
}

function fillDetails(list, cell, metre) {
  list.replaceChildren();
  for (const [label, text] of cellRows(cell, metre)) {
    htmlElement("dt", "", label, list);
    htmlElement("dd", "", text, list);
  }
}

class HoverCard {
  constructor(element) {
    this.element = element;
    this.list = element.querySelector("dl");
  }

  show(cell, metre, clientX, clientY) {
    fillDetails(this.list, cell, metre);
    this.element.hidden = false;
    const w = this.element.offsetWidth, h = this.element.offsetHeight;
    const x = clientX + 16 + w > window.innerWidth ? clientX - 16 - w : clientX + 16;
    const y = Math.max(4, Math.min(clientY + 16, window.innerHeight - h - 4));
    this.element.style.left = Math.max(4, x) + window.scrollX + "px";
    this.element.style.top = y + window.scrollY + "px";
  }

  hide() {
    this.element.hidden = true;
  }
}
