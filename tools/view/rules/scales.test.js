"use strict";
const { test } = require("node:test");
const assert = require("node:assert");
const { metresText, startKmText, niceStep, ticksBetween, gradientLimit, speedLimit } = require("./scales.js");

test("metres with a thin space every three digits, rounded", () => {
  const cases = [
    [0, "0 m"], [999, "999 m"], [1500, "1\u2009500 m"], [102250.4, "102\u2009250 m"], [1234567, "1\u2009234\u2009567 m"],
  ];
  for (const [metre, text] of cases) assert.strictEqual(metresText(metre), text);
});

test("kilometres from the start, three decimals unless told", () => {
  assert.strictEqual(startKmText(91800), "91.800");
  assert.strictEqual(startKmText(91860, 1), "91.9");
  assert.strictEqual(startKmText(2000, 0), "2");
});

test("a tick step of 1, 2 or 5 times a power of ten, no more ticks than asked", () => {
  const cases = [
    [[100, 10], 10], [[100, 4], 50], [[30, 4], 10], [[1000, 3], 500], [[103000, 10], 20000], [[7, 1], 10], [[0.8, 1], 1],
  ];
  for (const [[span, count], step] of cases) {
    assert.strictEqual(niceStep(span, count), step, `span ${span}, count ${count}`);
  }
});

test("ticks on the multiples of a step, both ends included", () => {
  assert.deepStrictEqual(ticksBetween(150, 600, 200), [200, 400, 600]);
  assert.deepStrictEqual(ticksBetween(-20, 20, 10), [-20, -10, 0, 10, 20]);
  assert.deepStrictEqual(ticksBetween(201, 399, 200), []);
});

test("the gradient and speed scales reach past the route's values", () => {
  const route = {
    route_length: 120,
    // The fourth cell starts past the route's end: its value is not drawn.
    cells: { gradient: [0, -12, 3, 40], speed: [0, 95, 60, 0] },
    objects: [{ kind: "boards", left: [null, 130], right: [] }, { kind: "sign", label: "x" }],
  };
  assert.strictEqual(gradientLimit(route), 15);
  assert.strictEqual(speedLimit(route), 140);
  const flat = { route_length: 120, cells: { gradient: [0, 0, 0], speed: [0, 30, 0] }, objects: [] };
  assert.strictEqual(gradientLimit(flat), 5);
  assert.strictEqual(speedLimit(flat), 60);
});
