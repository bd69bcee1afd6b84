// Line kilometres by the compiler's rules (readback/line_kilometre.h).
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

// The line metre of a kilometre as the search and `scenario inspect --at`
// take it, or null: "km" (any case) before or after the number or neither,
// "-" or not, then K+M (M of 1 to 3 digits, metres past the post), K.D or K,D
// (1 to 3 decimals) or K, with K of at most 9 digits. Only spaces are trimmed,
// as parse_line_km does.
function parseLineKm(text) {
  let t = text.replace(/^ +| +$/g, "");
  if (/^[kK][mM]/.test(t)) t = t.slice(2);
  else if (/[kK][mM]$/.test(t)) t = t.slice(0, -2);
  const m = /^ *(-?)(\d{1,9})(?:([+.,])(\d{1,3}))? *$/.exec(t);
  if (!m) return null;
  // "90+3" is 3 metres past the post, "90.3" three tenths of a kilometre.
  const part = m[4] === undefined ? 0 : m[3] === "+" ? Number(m[4]) : Number(m[4].padEnd(3, "0"));
  const metres = Number(m[2]) * 1000 + part;
  return m[1] && metres > 0 ? -metres : metres;
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

module.exports = { lineMetre, routeMetresAtLine, lineKmText, parseLineKm, lineKmTicks };  // not in the page
