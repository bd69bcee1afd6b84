"use strict";
const { test } = require("node:test");
const assert = require("node:assert");
const { searchMatches } = require("./search_matches.js");

// A 3 km route whose count restarts at 1500 m (km 91+600 back to 90+300), so
// that km 90+300 to 91+599 are passed twice.
const route = {
  route_length: 3000,
  last_cell: 61,
  kilometre: [{ from: 0, to: 1500, offset: 90100 }, { from: 1500, to: null, offset: 88800 }],
  stations: [
    { name: "MONTE", position: 0, stop_cell: 9 },
    { name: "LURNA Bassa", position: 2800, stop_cell: null },
  ],
  objects: [
    { kind: "sign", label: "Ponte Lurna", at: 1000, cell: 21 },
    { kind: "signal", label: "S Lurna", at: 2000, cell: 41 },
  ],
};

const twice = [
  { text: "km 90+300 di linea · 200 m dall'inizio", metre: 200 },
  { text: "km 90+300 di linea · 1\u2009500 m dall'inizio", metre: 1500 },
];

test("each reading of a query, in order: line kilometre, from the start, metre, cell, names", () => {
  const cases = [
    ["90+300", twice],
    ["KM 90+300", twice],
    ["km 90.3", twice],
    ["90,300 km", twice],
    // Without "+" a kilometre is also one from the start.
    ["km 1.5", [{ text: "km 1.500 dall'inizio", metre: 1500 }]],
    ["2", [
      { text: "km 2.000 dall'inizio", metre: 2000 },
      { text: "2 m dall'inizio", metre: 2 },
      { text: "cella 2", metre: 50, cell: 2 },
    ]],
    ["0.0", [
      { text: "km 0.000 dall'inizio", metre: 0 },
      { text: "0 m dall'inizio", metre: 0 },
      { text: "cella 0", metre: 0, cell: 0 },
    ]],
    ["1500 m", [{ text: "1\u2009500 m dall'inizio", metre: 1500 }]],
    ["m 12", [{ text: "12 m dall'inizio", metre: 12 }]],
    ["cella 32", [{ text: "cella 32", metre: 1550, cell: 32 }]],
    ["c 62", []],
    ["  lurna ", [
      { text: "LURNA Bassa · stazione a 2\u2009800 m", metre: 2800, cell: null },
      { text: "Ponte Lurna · cartello a 1\u2009000 m", metre: 1000, cell: 21 },
    ]],
    ["monte", [{ text: "MONTE · stazione a 0 m", metre: 0, cell: 9 }]],
    ["", []],
  ];
  for (const [query, matches] of cases) {
    assert.deepStrictEqual(searchMatches(route, query), matches, JSON.stringify(query));
  }
});

// The kilometre forms are parseLineKm's, those of `scenario inspect --at`.
test("a kilometre in no form parseLineKm takes is not read as one", () => {
  for (const query of ["km 90.3456", "90.3456", "90 + 300", "90+3000", "km 90 km"]) {
    assert.deepStrictEqual(searchMatches(route, query), [], query);
  }
});
