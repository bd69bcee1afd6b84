// The route's data (see tools/view_data.h) and what every part of the page
// derives from it: plan points, line kilometres, cells and objects.

const route = JSON.parse(document.getElementById("route-data").textContent);
const SVG_NS = "http://www.w3.org/2000/svg";

// Creates an SVG element with attributes and appends it to `parent`.
function svgElement(tag, attributes, parent) {
  const element = document.createElementNS(SVG_NS, tag);
  for (const [name, value] of Object.entries(attributes || {})) element.setAttribute(name, value);
  if (parent) parent.appendChild(element);
  return element;
}

// Creates an HTML element; its text is always set as text, never as markup.
function htmlElement(tag, className, text, parent) {
  const element = document.createElement(tag);
  if (className) element.className = className;
  if (text !== undefined) element.textContent = text;
  if (parent) parent.appendChild(element);
  return element;
}

// Plan points: metres i * step, coordinates in metres, decoded from
// decimetre differences.
const plan = (() => {
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
  return { step: route.plan.step, count, xs, ys };
})();

// The metre of plan point i (the last point is the route's end).
function planMetre(i) {
  return Math.min(i * plan.step, route.route_length);
}

// Plan position of a route metre, between the two nearest points.
function planPoint(metre) {
  const at = Math.max(0, Math.min(metre, route.route_length)) / plan.step;
  const i = Math.min(Math.floor(at), plan.count - 1);
  const j = Math.min(i + 1, plan.count - 1);
  const span = planMetre(j) - planMetre(i);
  const t = span > 0 ? (metre - planMetre(i)) / span : 0;
  return [plan.xs[i] + (plan.xs[j] - plan.xs[i]) * t, plan.ys[i] + (plan.ys[j] - plan.ys[i]) * t];
}

// Line metre at a route metre, or null before the first progressive.
function lineMetre(metre) {
  for (const s of route.kilometre) {
    if (metre >= s.from && (s.to === null || metre < s.to)) return metre + s.offset;
  }
  return null;
}

// Every route metre on the line where the line metre is `value`.
function routeMetresAtLine(value) {
  const found = [];
  for (const s of route.kilometre) {
    const metre = value - s.offset;
    if (metre >= s.from && (s.to === null || metre < s.to) && metre >= 0 && metre <= route.route_length) {
      found.push(metre);
    }
  }
  return found;
}

// A line kilometre post as the line writes it: 90+300.
function lineKmText(lineMetres) {
  const sign = lineMetres < 0 ? "-" : "";
  const m = Math.abs(Math.round(lineMetres));
  return sign + Math.floor(m / 1000) + "+" + String(m % 1000).padStart(3, "0");
}

// Kilometres from the start with `decimals` decimals.
function startKmText(metre, decimals) {
  return (metre / 1000).toFixed(decimals === undefined ? 3 : decimals);
}

// A number of metres with a thin space every three digits.
function metresText(metre) {
  return Math.round(metre).toString().replace(/\B(?=(\d{3})+(?!\d))/g, "\u2009") + " m";
}

// Rounds half to even, as the compiler places objects.
function roundEven(v) {
  const r = Math.round(v);
  return Math.abs(v % 1) === 0.5 && r % 2 !== 0 ? r - 1 : r;
}

// The cell of a point object at `metre`, and the metre a cell's object stands at.
function cellAt(metre) {
  return Math.max(0, Math.min(route.last_cell, roundEven(metre / 50 + 1)));
}
function cellMetre(cell) {
  return (cell - 1) * 50;
}

const objectsByCell = new Map(route.objects.map((o) => [o.cell, o]));

// The station whose zone holds `metre`, if any.
function stationZoneAt(metre) {
  return route.stations.find((s) => metre >= s.zone[0] && metre <= s.zone[1]) || null;
}

// A tick step of 1, 2 or 5 times a power of ten giving at most `count` ticks.
function niceStep(span, count) {
  const raw = span / Math.max(1, count);
  const power = Math.pow(10, Math.floor(Math.log10(raw)));
  for (const f of [1, 2, 5, 10]) if (power * f >= raw) return power * f;
  return power * 10;
}
