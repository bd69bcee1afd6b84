"use strict";
const { test } = require("node:test");
const assert = require("node:assert");
const { decodePlan, planMetre, planPoint } = require("./plan_points.js");

// Points every 100 m of a 250 m route: east 100 m, north 100 m, east 50 m.
const route = { route_length: 250, plan: { step: 100, x: [0, 1000, 0, 500], y: [0, 0, 1000, 0] } };

test("plan points decoded from decimetre differences, the last one at the route's end", () => {
  const plan = decodePlan(route);
  assert.strictEqual(plan.count, 4);
  assert.deepStrictEqual(Array.from(plan.xs), [0, 100, 100, 150]);
  assert.deepStrictEqual(Array.from(plan.ys), [0, 0, 100, 100]);
  assert.deepStrictEqual([0, 1, 2, 3].map((i) => planMetre(plan, i)), [0, 100, 200, 250]);
  assert.strictEqual(decodePlan({ route_length: 250, plan: null }), null);
});

test("a route metre's plan position, between the two nearest points", () => {
  const plan = decodePlan(route);
  const cases = [[0, [0, 0]], [50, [50, 0]], [100, [100, 0]], [150, [100, 50]], [225, [125, 100]], [250, [150, 100]]];
  for (const [metre, point] of cases) assert.deepStrictEqual(planPoint(plan, metre), point, `metre ${metre}`);
  const single = decodePlan({ route_length: 0, plan: { step: 100, x: [30], y: [-40] } });
  assert.deepStrictEqual(planPoint(single, 0), [3, -4]);
});
