// Line kilometres by the compiler's rules (compiler/output/line_kilometre.h).
// The route's data gives the stretches {from, to, offset}: on route metres
// [from, to) the line metre is the route metre plus `offset`; the last
// stretch (`to` null) runs on to the end.
"use strict";  // not in the page

// The line metre at a route metre, or null before the first progressive.
function lineMetre(stretches, metre) {
  for (const s of stretches) {
    if (metre >= s.from && (s.to === null || metre < s.to)) return metre + s.offset;
  }
  return null;
}

// Every route metre from 0 to `lastMetre` where the line metre is `value`, in
// route order: a count that restarts can pass one kilometre twice.
function routeMetresAtLine(stretches, value, lastMetre) {
  const found = [];
  for (const s of stretches) {
    const metre = value - s.offset;
    if (metre >= s.from && (s.to === null || metre < s.to) && metre >= 0 && metre <= lastMetre) found.push(metre);
  }
  return found;
}

// A line metre as the line's posts write it: 90300 is "90+300", -200 "-0+200".
function lineKmText(lineMetres) {
  const sign = lineMetres < 0 ? "-" : "";
  const m = Math.abs(Math.round(lineMetres));
  return sign + Math.floor(m / 1000) + "+" + String(m % 1000).padStart(3, "0");
}

// A tick every `step` line metres on the route metres [from, to], stretch by
// stretch: [route metre, line metre].
function lineKmTicks(stretches, from, to, step) {
  const ticks = [];
  for (const s of stretches) {
    const first = Math.max(s.from, from), last = Math.min(s.to === null ? Infinity : s.to - 1, to);
    for (let v = Math.ceil((first + s.offset) / step) * step; v - s.offset <= last; v += step) {
      ticks.push([v - s.offset, v]);
    }
  }
  return ticks;
}

module.exports = { lineMetre, routeMetresAtLine, lineKmText, lineKmTicks };  // not in the page
