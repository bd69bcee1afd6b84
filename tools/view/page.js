// The page: title, stale files, plan and profile linked on one stretch, hover
// card, chosen cell, search, diagnostics and stations.

document.getElementById("title").textContent = route.title;

const staleList = document.getElementById("stale");
for (const s of route.stale) htmlElement("li", "", s.file + ": " + s.reason, staleList);
staleList.hidden = route.stale.length === 0;

const hoverCard = new HoverCard(document.getElementById("hover-card"));
const selection = document.getElementById("selection-details");
let planView = null;

const profileView = new ProfileView(document.getElementById("profile"), {
  onView: (from, to) => {
    if (planView) planView.fitStretch(from, to);
  },
  onHover: hoverAt,
  onLeave: leave,
  onPick: (metre, cell) => choose(metre, cell),
});

function hoverAt(metre, cell, clientX, clientY) {
  hoverCard.show(cell, metre, clientX, clientY);
  profileView.showHover(metre);
  if (planView) planView.showHover(metre);
}

function leave() {
  hoverCard.hide();
  profileView.showHover(null);
  if (planView) planView.showHover(null);
}

// Marks a cell as chosen: its details beside the plan, a pin in both views.
function choose(metre, cell) {
  fillDetails(selection, cell, metre);
  profileView.setPin(metre);
  if (planView) planView.setPin(metre);
}

// Brings a metre into both views, a kilometre either side, and chooses it.
function jumpTo(metre, cell) {
  const half = 1000;
  profileView.setWindow(metre - half, metre + half);
  if (planView) planView.fitStretch(profileView.from, profileView.to);
  choose(metre, cell === undefined || cell === null ? cellAt(route, metre) : cell);
}

if (plan) {
  planView = new PlanView(document.getElementById("plan"), {
    onView: (from, to) => profileView.setWindow(from, to),
    onHover: hoverAt,
    onLeave: leave,
  });
} else {
  document.getElementById("plan").remove();
  const note = document.getElementById("no-plan");
  note.textContent = route.no_plan;
  note.hidden = false;
}

new SearchBox(document.getElementById("search"), (match) => jumpTo(match.metre, match.cell));

document.getElementById("fit").addEventListener("click", () => {
  profileView.setWindow(0, route.route_length);
  if (planView) planView.fitAll();
});

const diagnostics = document.getElementById("diagnostics");
if (route.diagnostics === null) {
  htmlElement("li", "empty", "Descrizioni assenti: nessuna verifica.", diagnostics);
} else if (route.diagnostics.length === 0) {
  htmlElement("li", "empty", "Nessuna segnalazione.", diagnostics);
}
for (const d of route.diagnostics || []) {
  const item = htmlElement("li", "diagnostic " + d.severity, undefined, diagnostics);
  const where = d.file + (d.line ? ":" + d.line + (d.column ? ":" + d.column : "") : "");
  const button = htmlElement("button", "", undefined, item);
  button.type = "button";
  htmlElement("span", "severity", d.severity, button);
  htmlElement("span", "where", where + (d.code === null || d.code === undefined ? "" : " · " + d.code), button);
  htmlElement("span", "message", d.message, button);
  const metre = typeof d.position === "number" ? d.position : typeof d.cell === "number" ? Math.max(0, cellMetre(d.cell)) : null;
  if (metre === null) {
    button.disabled = true;
  } else {
    button.addEventListener("click", () => jumpTo(metre, typeof d.cell === "number" ? d.cell : undefined));
  }
}

// Each station with the description's time, when it gives one, and the
// estimate's times beside it.
const estimateNote = document.getElementById("estimate-note");
const estimateBySlot = new Map();
if (route.estimate) {
  const p = route.estimate.parameters;
  estimateNote.textContent = "Tempi stimati: la corsa più rapida che i limiti permettono (accelerazione " +
    p.acceleration.toFixed(2) + " m/s², frenatura " + p.braking.toFixed(2) + " m/s², sosta " + p.dwell.toFixed(0) +
    " s, lunghezza " + p.length.toFixed(0) + " m). È una stima, non la fisica del simulatore.";
  route.estimate.stations.forEach((e, i) => estimateBySlot.set(e.slot, stationEstimate(e, i, route.estimate.stations.length)));
} else {
  estimateNote.textContent = "Nessuna stima dei tempi: servono almeno due stazioni.";
}
const stationList = document.getElementById("stations");
for (const s of route.stations) {
  const button = htmlElement("button", "", undefined, htmlElement("li", "", undefined, stationList));
  button.type = "button";
  htmlElement("span", "name", s.name, button);
  const line = lineMetre(route.kilometre, s.position);
  const where = [line === null ? null : "km " + lineKmText(line), s.time === null ? null : "orario " + s.time];
  htmlElement("span", "where", where.filter((w) => w !== null).join(" · "), button);
  const e = estimateBySlot.get(s.slot);
  if (e) {
    htmlElement("span", "estimate", "stima: " + e.times + (e.margin === null ? "" : " · margine " + e.margin), button);
    if (e.late) htmlElement("span", "late", "l'orario non si può tenere", button);
  }
  button.addEventListener("click", () => jumpTo(s.position, s.stop_cell));
}

function drawAll() {
  profileView.setWindow(0, route.route_length);
  if (planView) planView.fitAll();
}

let resizeTimer = null;
window.addEventListener("resize", () => {
  clearTimeout(resizeTimer);
  resizeTimer = setTimeout(() => {
    profileView.measure();
    profileView.render();
    if (planView) {
      planView.measure();
      planView.render();
    }
  }, 100);
});

drawAll();
// The first full drawing is on screen after the next frame.
requestAnimationFrame(() => requestAnimationFrame(() => {
  performance.mark("first-drawing");
  document.body.setAttribute("data-drawn", "1");
}));
