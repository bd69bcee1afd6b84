// What the search box finds: a line kilometre (90+300, km 90.3, 90,3 km), a
// metre from the start (1500 m), a cell (cella 32), a station or a sign by
// part of its name. Every match is listed, so a kilometre that the line passes
// twice gives two; a bare number is read each way it can be.
"use strict";  // not in the page
const { lineKmText, routeMetresAtLine } = require("./kilometres.js");  // not in the page
const { cellMetre } = require("./places.js");  // not in the page
const { metresText, startKmText } = require("./scales.js");  // not in the page

function parseNumber(text) {
  return Number(text.replace(",", "."));
}

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
  let m;
  if ((m = q.match(/^(?:km\s*)?(-?\d+)\s*\+\s*(\d{1,3})$/))) {
    const km = Number(m[1]);
    lineKm(km * 1000 + (km < 0 ? -1 : 1) * Number(m[2]));
  } else if ((m = q.match(/^km\s*(-?\d+(?:[.,]\d+)?)$/)) || (m = q.match(/^(-?\d+(?:[.,]\d+)?)\s*km$/))) {
    const metres = Math.round(parseNumber(m[1]) * 1000);
    lineKm(metres);
    startKm(metres);
  } else if ((m = q.match(/^(?:m\s*)?(\d+)\s*m$/)) || (m = q.match(/^m\s*(\d+)$/))) {
    metre(Number(m[1]));
  } else if ((m = q.match(/^(?:cella|c)\s*(\d+)$/))) {
    cell(Number(m[1]));
  } else if ((m = q.match(/^(\d+(?:[.,]\d+)?)$/))) {
    const value = parseNumber(m[1]);
    lineKm(Math.round(value * 1000));
    startKm(Math.round(value * 1000));
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
