// What the search box finds: a line kilometre in the forms parseLineKm takes
// (also read from the start when written without "+"), a metre from the start
// (1500 m), a cell (cella 32), a station or a sign by part of its name. Every
// match is listed, so a kilometre that the line passes twice gives two; a bare
// number is read each way it can be.
"use strict";  // not in the page
const { lineKmText, parseLineKm, routeMetresAtLine } = require("./kilometres.js");  // not in the page
const { cellMetre } = require("./places.js");  // not in the page
const { metresText, startKmText } = require("./scales.js");  // not in the page

// The matches of a query on a route: [{text, metre, cell?}].
function searchMatches(route, query) {
  const q = query.trim().toLowerCase();
  if (!q) return [];
  const found = [];
  const lineKm = (lineMetres) => {
    for (const at of routeMetresAtLine(route.kilometre, lineMetres, route.route_length)) {
      found.push({ text: "km " + lineKmText(lineMetres) + " di linea · " + metresText(at) + " dall'inizio", metre: at });
    }
  };
  const startKm = (metres) => {
    if (metres >= 0 && metres <= route.route_length) found.push({ text: "km " + startKmText(metres) + " dall'inizio", metre: metres });
  };
  const metre = (value) => {
    if (value >= 0 && value <= route.route_length) found.push({ text: metresText(value) + " dall'inizio", metre: value });
  };
  const cell = (c) => {
    if (Number.isInteger(c) && c >= 0 && c <= route.last_cell) found.push({ text: "cella " + c, metre: Math.max(0, cellMetre(c)), cell: c });
  };
  const km = parseLineKm(query.trim());
  if (km !== null) {
    lineKm(km);
    if (!q.includes("+")) startKm(km);
  }
  let m;
  if ((m = q.match(/^(?:m\s*)?(\d+)\s*m$/)) || (m = q.match(/^m\s*(\d+)$/))) {
    metre(Number(m[1]));
  } else if ((m = q.match(/^(?:cella|c)\s*(\d+)$/))) {
    cell(Number(m[1]));
  } else if (/^\d+(?:[.,]\d+)?$/.test(q)) {
    // A bare whole number (90, or 90.0) is also a metre and a cell.
    const value = Number(q.replace(",", "."));
    if (Number.isInteger(value)) {
      metre(value);
      cell(value);
    }
  }
  for (const s of route.stations) {
    if (s.name.toLowerCase().includes(q)) found.push({ text: s.name + " · stazione a " + metresText(s.position), metre: s.position, cell: s.stop_cell });
  }
  for (const o of route.objects) {
    if (o.kind === "sign" && o.label.toLowerCase().includes(q)) found.push({ text: o.label + " · cartello a " + metresText(o.at), metre: o.at, cell: o.cell });
  }
  return found;
}

module.exports = { searchMatches };  // not in the page
