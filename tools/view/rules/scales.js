// How the page writes metres and kilometres from the start, and the steps and
// limits of its scales.
"use strict";  // not in the page

// A number of metres with a thin space every three digits.
function metresText(metre) {
  return Math.round(metre).toString().replace(/\B(?=(\d{3})+(?!\d))/g, "\u2009") + " m";
}

// Kilometres from the start with `decimals` decimals (3 if not given).
function startKmText(metre, decimals) {
  return (metre / 1000).toFixed(decimals === undefined ? 3 : decimals);
}

// A tick step of 1, 2 or 5 times a power of ten giving at most `count` ticks.
function niceStep(span, count) {
  const raw = span / Math.max(1, count);
  const power = Math.pow(10, Math.floor(Math.log10(raw)));
  for (const f of [1, 2, 5, 10]) if (power * f >= raw) return power * f;
  return power * 10;
}

// The multiples of `step` from `from` to `to`, both included.
function ticksBetween(from, to, step) {
  const ticks = [];
  for (let v = Math.ceil(from / step) * step; v <= to; v += step) ticks.push(v);
  return ticks;
}

// The gradient scale's limit (± ‰): the steepest cell on the route, at least
// 5, up to a multiple of 5.
function gradientLimit(route) {
  let g = 5;
  route.cells.gradient.forEach((v, i) => { if (i * 50 < route.route_length) g = Math.max(g, Math.abs(v)); });
  return Math.ceil(g / 5) * 5;
}

// The speed scale's top (km/h): room above the fastest limit or board, up to
// a multiple of 20.
function speedLimit(route) {
  let v = 40;
  for (const s of route.cells.speed) v = Math.max(v, s);
  for (const o of route.objects) if (o.kind === "boards") for (const s of o.left.concat(o.right)) v = Math.max(v, s || 0);
  return Math.ceil((v + 10) / 20) * 20;
}

module.exports = { metresText, startKmText, niceStep, ticksBetween, gradientLimit, speedLimit };  // not in the page
