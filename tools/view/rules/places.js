// Where things are on the route: cells by the compiler's rules
// (compiler/model/numbers.h) and station zones.
"use strict";  // not in the page

// Rounds half to even, as the compiler places objects.
function roundEven(v) {
  const r = Math.round(v);
  return Math.abs(v % 1) === 0.5 && r % 2 !== 0 ? r - 1 : r;
}

// The cell of a point object at `metre`: nearest-even(metre / 50 + 1).
function objectCell(metre) {
  return roundEven(metre / 50 + 1);
}

// The cell of a point object at `metre`, within the route's cells.
function cellAt(route, metre) {
  return Math.max(0, Math.min(route.last_cell, objectCell(metre)));
}

// The metre a cell's object stands at.
function cellMetre(cell) {
  return (cell - 1) * 50;
}

// The station whose zone holds `metre`, if any.
function stationZoneAt(stations, metre) {
  return stations.find((s) => metre >= s.zone[0] && metre <= s.zone[1]) || null;
}

module.exports = { objectCell, cellAt, cellMetre, stationZoneAt };  // not in the page
