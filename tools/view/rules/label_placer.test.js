"use strict";
const { test } = require("node:test");
const assert = require("node:assert");
const { LabelPlacer } = require("./label_placer.js");

const overlap = (a, b) => a.x0 < b.x1 && b.x0 < a.x1 && a.y0 < b.y1 && b.y0 < a.y1;

test("a label goes right of its point, else to the next free spot", () => {
  const placer = new LabelPlacer(48);
  assert.deepStrictEqual(placer.place(100, 100, 20, 10), { x0: 105, y0: 95, x1: 125, y1: 105 });
  assert.deepStrictEqual(placer.place(100, 100, 20, 10), { x0: 75, y0: 95, x1: 95, y1: 105 });
  // A reserved marker keeps labels off it.
  const marked = new LabelPlacer(48);
  marked.reserve({ x0: 104, y0: 90, x1: 130, y1: 110 });
  assert.deepStrictEqual(marked.place(100, 100, 20, 10), { x0: 75, y0: 95, x1: 95, y1: 105 });
});

test("a label stays inside the bounds, or is not placed", () => {
  const bounds = { x0: 0, y0: 0, x1: 110, y1: 200 };
  const box = new LabelPlacer(48).place(100, 100, 20, 10, bounds);
  assert.deepStrictEqual(box, { x0: 75, y0: 95, x1: 95, y1: 105 });
  assert.strictEqual(new LabelPlacer(48).place(100, 100, 20, 10, { x0: 90, y0: 90, x1: 110, y1: 110 }), null);
});

test("labels placed around crowded points never overlap, and a full grid cell takes no more", () => {
  const placer = new LabelPlacer(48);
  const boxes = [];
  let seed = 7;
  const next = () => (seed = (seed * 16807) % 2147483647) / 2147483647;
  for (let i = 0; i < 300; i++) {
    const box = placer.place(next() * 400, next() * 300, 10 + next() * 40, 12);
    if (box) boxes.push(box);
  }
  assert.ok(boxes.length > 30, `${boxes.length} placed`);
  for (let i = 0; i < boxes.length; i++) {
    for (let j = i + 1; j < boxes.length; j++) assert.ok(!overlap(boxes[i], boxes[j]), `boxes ${i} and ${j}`);
  }
  const dense = new LabelPlacer(1000);
  const placed = Array.from({ length: 9 }, (_, i) => dense.place(100 + i * 60, 500, 5, 5));
  assert.deepStrictEqual(placed.map((b) => b !== null), [true, true, true, true, true, true, true, true, false]);
});
