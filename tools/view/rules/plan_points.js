// The plan's points: metres i * step along the route, coordinates in metres.
"use strict";  // not in the page

// The points of the route's plan, decoded from decimetre differences, or null
// for a route without one.
function decodePlan(route) {
  if (!route.plan) return null;
  const count = route.plan.x.length;
  const xs = new Float64Array(count), ys = new Float64Array(count);
  let x = 0, y = 0;
  for (let i = 0; i < count; i++) {
    x += route.plan.x[i];
    y += route.plan.y[i];
    xs[i] = x / 10;
    ys[i] = y / 10;
  }
  return { step: route.plan.step, count, xs, ys, length: route.route_length };
}

// The metre of plan point i (the last point is the route's end).
function planMetre(plan, i) {
  return Math.min(i * plan.step, plan.length);
}

// Plan position of a route metre, between the two nearest points.
function planPoint(plan, metre) {
  const at = Math.max(0, Math.min(metre, plan.length)) / plan.step;
  const i = Math.min(Math.floor(at), plan.count - 1);
  const j = Math.min(i + 1, plan.count - 1);
  const span = planMetre(plan, j) - planMetre(plan, i);
  const t = span > 0 ? (metre - planMetre(plan, i)) / span : 0;
  return [plan.xs[i] + (plan.xs[j] - plan.xs[i]) * t, plan.ys[i] + (plan.ys[j] - plan.ys[i]) * t];
}

module.exports = { decodePlan, planMetre, planPoint };  // not in the page
