"use strict";
const { test } = require("node:test");
const assert = require("node:assert");
const cases = require("../../../testdata/kilometres/cases.json");
const { lineMetre, routeMetresAtLine, lineKmText, parseLineKm, lineKmTicks } = require("./kilometres.js");

// The table's routes, texts and forms are the compiler's tests' too
// (readback/line_kilometre_test.cpp).
test("line metres and the route metres of a line metre, on each route of the shared table", () => {
  for (const route of cases.routes) {
    for (const [metre, line] of route.line_metres) {
      assert.strictEqual(lineMetre(route.stretches, metre), line, `${route.about}: route metre ${metre}`);
    }
    for (const [line, metres] of route.route_metres) {
      assert.deepStrictEqual(routeMetresAtLine(route.stretches, line, route.last_route_metre), metres,
        `${route.about}: line metre ${line}`);
    }
  }
});

test("kilometre texts, written and read back", () => {
  for (const [metre, text] of cases.texts) {
    assert.strictEqual(lineKmText(metre), text);
    assert.strictEqual(parseLineKm(text), metre, text);
  }
});

test("the kilometre forms taken and refused", () => {
  for (const [text, metre] of cases.kilometres) assert.strictEqual(parseLineKm(text), metre, JSON.stringify(text));
});

test("line kilometre ticks fall on whole steps of the line's count, stretch by stretch", () => {
  const [builtin] = cases.routes;
  // Route metres 1000 to 2000 cross the restart at 1500 m (km 91+600 to 0+000).
  assert.deepStrictEqual(lineKmTicks(builtin.stretches, 1000, 2000, 200), [
    [1100, 91200], [1300, 91400], [1500, 0], [1700, 200], [1900, 400],
  ]);
  // Route metre 1500 is km 0+000, not 91+600: it belongs to the second stretch only.
  assert.deepStrictEqual(lineKmTicks(builtin.stretches, 1400, 1600, 100), [[1400, 91500], [1500, 0], [1600, 100]]);
  assert.deepStrictEqual(lineKmTicks([], 0, 5000, 1000), []);
});
