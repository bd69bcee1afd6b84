"use strict";
const { test } = require("node:test");
const assert = require("node:assert");
const cases = require("../../../testdata/kilometres/cases.json");
const { objectCell, cellAt, cellMetre, stationZoneAt } = require("./places.js");

// The cells are the compiler's tests' too (readback/line_kilometre_test.cpp).
test("the cell of an object's metre and the metre of a cell's object, from the shared table", () => {
  for (const [metre, cell] of cases.object_cells) assert.strictEqual(objectCell(metre), cell, `metre ${metre}`);
  for (const [cell, metre] of cases.object_metres) assert.strictEqual(cellMetre(cell), metre, `cell ${cell}`);
});

test("a metre's cell stays within the route's cells", () => {
  const route = { last_cell: 10 };
  for (const [metre, cell] of [[-100, 0], [-26, 0], [0, 1], [449, 10], [500, 10], [5000, 10]]) {
    assert.strictEqual(cellAt(route, metre), cell, `metre ${metre}`);
  }
});

test("the station zone that holds a metre, ends included", () => {
  const stations = [{ name: "A", zone: [-500, 500] }, { name: "B", zone: [2000, 2400] }];
  const at = (metre) => (stationZoneAt(stations, metre) || { name: null }).name;
  assert.deepStrictEqual([0, 500, 501, 1999, 2000, 2400, 2401].map(at), ["A", "A", null, null, "B", "B", null]);
});
