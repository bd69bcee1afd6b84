// The profile: panels along one kilometre axis (gradient; speed limit,
// boards of every rank, slowdowns and the estimated speed; signals, signs
// and boards' warnings; mountain stretches and station zones), then the axis
// in line kilometres and in kilometres from the start. Wheel to zoom,
// shift + wheel to scroll, drag to choose a stretch, double click for the
// whole route.

const PROFILE_LEFT = 64, PROFILE_RIGHT = 16;
const PROFILE_PANELS = [
  { id: "gradient", title: "Pendenza (‰)", height: 80 },
  { id: "speed", title: "Velocità (km/h): limite del treno, cartelli di rango A ◆ B ▲ C ■ (pieni a sinistra, vuoti a destra), rallentamenti", height: 150 },
  { id: "objects", title: "Segnali ●, cartelli indicatori ▬, avvisi di rallentamento ▲, punti di abbattimento |", height: 70 },
  { id: "bands", title: "Tratti di montagna, zone di stazione", height: 64 },
];
const PROFILE_GAP = 22, PROFILE_AXIS_ROW = 26;

class ProfileView {
  constructor(svg, events) {
    this.svg = svg;
    this.events = events;  // onView(from, to), onHover(metre, cell, x, y), onLeave(), onPick(metre, cell)
    this.from = 0;
    this.to = Math.max(route.route_length, 50);
    this.hover = null;
    this.pinned = null;
    let top = PROFILE_GAP;
    for (const p of PROFILE_PANELS) {
      p.top = top;
      top += p.height + PROFILE_GAP;
    }
    this.axisTop = top - PROFILE_GAP + 4;
    const axisRows = route.kilometre.length ? 2 : 1;
    this.height = this.axisTop + PROFILE_AXIS_ROW * axisRows + 10;
    svg.setAttribute("height", this.height);
    this.measure();  // while the page is small: measuring later costs a whole layout
    this.gradientLimit = gradientLimit(route);
    // What the data draws, rebuilt at every change of the stretch; over it the
    // hover and pin lines and the brush, which move on their own.
    this.content = svgElement("g", {}, svg);
    this.overlay = svgElement("g", {}, svg);
    this.speedLimit = speedLimit(route);
    this.bindEvents();
  }

  // The frame's width, measured when the view is made and when the window
  // changes size.
  measure() {
    this.width = this.svg.getBoundingClientRect().width;
    this.plotWidth = Math.max(50, this.width - PROFILE_LEFT - PROFILE_RIGHT);
  }

  x(metre) {
    return PROFILE_LEFT + ((metre - this.from) / (this.to - this.from)) * this.plotWidth;
  }

  metreAt(px) {
    return this.from + ((px - PROFILE_LEFT) / this.plotWidth) * (this.to - this.from);
  }

  // Shows the route between two metres (at least 200 m, within the route).
  setWindow(from, to) {
    const length = Math.max(route.route_length, 50);
    let span = Math.min(Math.max(to - from, 200), length);
    from = Math.max(0, Math.min(from, length - span));
    this.from = from;
    this.to = from + span;
    this.render();
  }

  panel(id) {
    return PROFILE_PANELS.find((p) => p.id === id);
  }

  render() {
    const svg = this.content;
    svg.replaceChildren();
    const clip = svgElement("clipPath", { id: "profile-clip" }, svgElement("defs", {}, svg));
    svgElement("rect", { x: PROFILE_LEFT, y: 0, width: this.plotWidth, height: this.height }, clip);
    for (const p of PROFILE_PANELS) {
      svgElement("rect", { class: "panel", x: PROFILE_LEFT, y: p.top, width: this.plotWidth, height: p.height }, svg);
      const title = svgElement("text", { class: "panel-title", x: PROFILE_LEFT, y: p.top - 6 }, svg);
      title.textContent = p.title;
    }
    const body = svgElement("g", { "clip-path": "url(#profile-clip)" }, svg);
    if (route.estimate) this.drawEstimateLegend(svg);
    this.drawAxis(svg, body);
    this.drawGradient(body);
    this.drawSpeed(body);
    this.drawObjects(body);
    this.drawBands(body);
    this.drawOverlay();
  }

  drawOverlay() {
    this.overlay.replaceChildren();
    for (const [cls, metre] of [["pin-line", this.pinned], ["hover-line", this.hover]]) {
      if (metre === null || metre < this.from || metre > this.to) continue;
      const x = this.x(metre);
      svgElement("line", { class: cls, x1: x, x2: x, y1: PROFILE_GAP, y2: this.axisTop }, this.overlay);
    }
    if (this.brush) {
      const [a, b] = this.brush.map((m) => this.x(m)).sort((p, q) => p - q);
      svgElement("rect", { class: "brush", x: a, y: PROFILE_GAP, width: b - a, height: this.axisTop - PROFILE_GAP }, this.overlay);
    }
  }

  visibleCells() {
    const last = Math.min(route.last_cell, Math.floor((route.route_length - 1) / 50));
    return [Math.max(0, Math.floor(this.from / 50)), Math.min(last, Math.ceil(this.to / 50))];
  }

  // A step line of per-cell values; cell i covers metres 50 i to 50 i + 50.
  stepLine(parent, values, y, cls) {
    const [c0, c1] = this.visibleCells();
    let d = "", previous = null;
    for (let c = c0; c <= c1; c++) {
      if (values[c] === previous && c !== c1) continue;
      const x = this.x(c * 50).toFixed(1), vy = y(values[c]).toFixed(1);
      d += (d ? `H${x}V${vy}` : `M${x} ${vy}`);
      previous = values[c];
    }
    d += `H${this.x(Math.min((c1 + 1) * 50, route.route_length)).toFixed(1)}`;
    svgElement("path", { class: cls, d }, parent);
  }

  valueAxis(parent, panel, lo, hi, step) {
    const y = (v) => panel.top + panel.height - ((v - lo) / (hi - lo)) * panel.height;
    for (const v of ticksBetween(lo, hi, step)) {
      const t = svgElement("text", { class: "value-label", x: PROFILE_LEFT - 6, y: y(v) + 3 }, this.content);
      t.textContent = String(v);
      svgElement("line", { class: v === 0 ? "zero" : "grid", x1: PROFILE_LEFT, x2: PROFILE_LEFT + this.plotWidth, y1: y(v), y2: y(v) }, parent);
    }
    return y;
  }

  drawGradient(body) {
    const p = this.panel("gradient"), lim = this.gradientLimit;
    const y = this.valueAxis(body, p, -lim, lim, niceStep(2 * lim, 4));
    this.stepLine(body, route.cells.gradient, y, "gradient");
  }

  drawSpeed(body) {
    const p = this.panel("speed");
    const y = this.valueAxis(body, p, 0, this.speedLimit, niceStep(this.speedLimit, 5));
    this.stepLine(body, route.cells.speed, y, "speed");
    for (const s of route.slowdowns) {
      if (s.to < this.from || s.from > this.to) continue;
      const x0 = this.x(s.from), x1 = Math.max(this.x(s.to), x0 + 2);
      svgElement("line", { class: "slowdown", x1: x0, x2: x1, y1: y(s.speed), y2: y(s.speed), "data-metre": s.from }, body);
    }
    const samples = estimateSamples(route.estimate, this.from, this.to, Math.ceil(this.plotWidth));
    if (samples.length) {
      const d = samples.map(([metre, kmh], i) => (i ? "L" : "M") + this.x(metre).toFixed(1) + " " + y(kmh).toFixed(1)).join("");
      svgElement("path", { class: "estimated-speed", d }, body);
    }
    const shapes = ["diamond", "triangle", "square"];
    // Boards closer than three pixels with the same speed would be drawn on
    // each other: one symbol stands for them.
    const drawn = new Set();
    for (const o of this.visibleObjects("boards")) {
      const x = this.x(o.at);
      for (const [side, speeds] of [["left", o.left], ["right", o.right]]) {
        speeds.forEach((speed, rank) => {
          const key = [side, rank, speed, Math.round(x / 3)].join();
          if (!speed || drawn.has(key)) return;
          drawn.add(key);
          symbol(shapes[rank], 4, body, { class: `marker board rank-${"abc"[rank]} ${side}`, transform: `translate(${x.toFixed(1)},${y(speed).toFixed(1)})`, "data-cell": o.cell, "data-metre": o.at });
        });
      }
    }
  }

  // At the right end of the speed panel's title: the estimate's line and what
  // it is, in fewer words when the frame is too narrow beside the title.
  drawEstimateLegend(svg) {
    const p = this.panel("speed"), right = PROFILE_LEFT + this.plotWidth;
    const legend = svgElement("g", { class: "legend estimate" }, svg);
    const bold = (text) => 1.1 * textWidth(text, 11);  // titles are bold; the measure is not
    let words = "velocità stimata (stima, non la fisica del simulatore)";
    if (PROFILE_LEFT + bold(p.title) + bold(words) + 40 > right) words = "velocità stimata";
    svgElement("line", { class: "estimated-speed", x1: right - 18, x2: right, y1: p.top - 10, y2: p.top - 10 }, legend);
    svgElement("text", { class: "panel-title", x: right - 24, y: p.top - 6, "text-anchor": "end" }, legend).textContent = words;
    svgElement("title", {}, legend).textContent =
      "Stima della corsa più rapida che i limiti permettono al treno, non la fisica del simulatore";
  }

  visibleObjects(kind) {
    return route.objects.filter((o) => o.kind === kind && o.at >= this.from && o.at <= this.to);
  }

  drawObjects(body) {
    const p = this.panel("objects");
    const placer = new LabelPlacer(48);
    const bounds = { x0: PROFILE_LEFT, y0: p.top + 1, x1: PROFILE_LEFT + this.plotWidth, y1: p.top + p.height - 1 };
    const lanes = [
      ["signal", p.top + 14, "circle"],
      ["sign", p.top + 36, "bar"],
      ["warning", p.top + 56, "triangle"],
    ];
    const labels = [];
    for (const o of this.visibleObjects("reduction").concat(this.visibleObjects("reduction_zero"))) {
      const x = this.x(o.at);
      svgElement("line", { class: "reduction", x1: x, x2: x, y1: p.top + p.height - 10, y2: p.top + p.height, "data-cell": o.cell, "data-metre": o.at }, body);
    }
    for (const [kind, y, shape] of lanes) {
      for (const o of this.visibleObjects(kind)) {
        const x = this.x(o.at);
        symbol(shape, 4.5, body, { class: "marker " + kind, transform: `translate(${x.toFixed(1)},${y})`, "data-cell": o.cell, "data-metre": o.at });
        placer.reserve({ x0: x - 5, y0: y - 5, x1: x + 5, y1: y + 5 });
        if (o.label) labels.push([o, x, y]);
      }
    }
    for (const [o, x, y] of labels) {
      const text = svgElement("text", { class: "label " + o.kind, "font-size": 10 }, body);
      text.textContent = o.label;
      showLabel(text, placer.place(x, y, textWidth(o.label, 10), 12, bounds), 10);
    }
  }

  drawBands(body) {
    const p = this.panel("bands");
    for (const m of route.mountains) {
      if (m.to < this.from || m.from > this.to) continue;
      const x0 = this.x(m.from);
      svgElement("rect", { class: "mountain", x: x0, y: p.top + 4, width: Math.max(this.x(m.to) - x0, 1.5), height: 12 }, body);
    }
    const placer = new LabelPlacer(48);
    const bounds = { x0: PROFILE_LEFT, y0: p.top + 36, x1: PROFILE_LEFT + this.plotWidth, y1: p.top + p.height };
    for (const s of route.stations) {
      if (s.zone[1] < this.from || s.zone[0] > this.to) continue;
      const x0 = this.x(s.zone[0]);
      svgElement("rect", { class: "zone", x: x0, y: p.top + 20, width: Math.max(this.x(s.zone[1]) - x0, 1.5), height: 12, "data-cell": s.stop_cell === null ? cellAt(route, s.position) : s.stop_cell, "data-metre": s.position }, body);
    }
    for (const s of route.stations) {
      if (s.position < this.from || s.position > this.to) continue;
      const x = this.x(s.position);
      const text = svgElement("text", { class: "label station", "font-size": 10, "data-name": s.name }, body);
      text.textContent = s.name;
      const w = textWidth(s.name, 10);
      // Under its zone, centred, else moved aside.
      let box = null;
      for (const dx of [-w / 2, 4, -w - 4]) {
        for (const y0 of [p.top + 36, p.top + 50]) {
          const b = { x0: x + dx, y0, x1: x + dx + w, y1: y0 + 13 };
          if (b.x0 >= bounds.x0 && b.x1 <= bounds.x1 && b.y1 <= bounds.y1 + 1 && placer.free(b)) { box = b; break; }
        }
        if (box) break;
      }
      if (box) placer.reserve(box);
      showLabel(text, box, 10);
    }
  }

  drawAxis(svg, body) {
    const step = niceStep(this.to - this.from, Math.max(2, Math.floor(this.plotWidth / 90)));
    const decimals = step >= 1000 ? 0 : step >= 100 ? 1 : step >= 10 ? 2 : 3;
    const bottom = this.axisTop;
    const rows = [];
    if (route.kilometre.length) rows.push(["line-km", "km di linea (dalle progressive)"]);
    rows.push(["start-km", "km dall'inizio"]);
    rows.forEach(([cls, title], row) => {
      const y = bottom + PROFILE_AXIS_ROW * row;
      const label = svgElement("text", { class: "axis-title", x: PROFILE_LEFT - 6, y: y + 14 }, svg);
      label.textContent = title.startsWith("km di linea") ? "linea" : "inizio";
      label.appendChild(svgElement("title", {})).textContent = title;
      const ticks = [];
      if (cls === "start-km") {
        for (const m of ticksBetween(this.from, this.to, step)) ticks.push([m, startKmText(m, decimals)]);
      } else {
        for (const [metre, line] of lineKmTicks(route.kilometre, this.from, this.to, step)) {
          ticks.push([metre, lineKmText(line), line]);
        }
      }
      const placer = new LabelPlacer(64);
      for (const [metre, text, line] of ticks) {
        const x = this.x(metre);
        if (cls === "start-km") svgElement("line", { class: "grid", x1: x, x2: x, y1: PROFILE_GAP, y2: bottom }, body);
        const g = svgElement("g", { class: "axis-tick " + cls, "data-metre": metre }, svg);
        if (line !== undefined) g.setAttribute("data-line-metre", line);
        svgElement("line", { x1: x, x2: x, y1: y, y2: y + 5 }, g);
        const t = svgElement("text", { x, y: y + 16, "text-anchor": "middle", "font-size": 10 }, g);
        t.textContent = text;
        const w = textWidth(text, 10);
        const box = { x0: x - w / 2, y0: y + 6, x1: x + w / 2, y1: y + 19 };
        if (box.x0 < PROFILE_LEFT - 20 || box.x1 > this.width || !placer.free(box)) t.setAttribute("display", "none");
        else placer.reserve(box);
      }
    });
    const caption = svgElement("text", { class: "axis-caption", x: PROFILE_LEFT + this.plotWidth, y: bottom + PROFILE_AXIS_ROW * rows.length + 4, "text-anchor": "end" }, svg);
    caption.textContent = rows.length > 1
      ? "sopra: km di linea (dedotti dalle progressive chilometriche); sotto: km dall'inizio del percorso"
      : "km dall'inizio del percorso (nessuna progressiva chilometrica)";
  }

  bindEvents() {
    const svg = this.svg;
    const localX = (e) => e.clientX - svg.getBoundingClientRect().left;
    let press = null;
    svg.addEventListener("wheel", (e) => {
      e.preventDefault();
      const span = this.to - this.from;
      if (e.shiftKey || Math.abs(e.deltaX) > Math.abs(e.deltaY)) {
        const delta = (e.shiftKey ? e.deltaY : e.deltaX) * (span / this.plotWidth);
        this.setWindow(this.from + delta, this.to + delta);
      } else {
        const at = this.metreAt(localX(e));
        const factor = Math.exp(e.deltaY * 0.0015);
        const from = at - (at - this.from) * factor;
        this.setWindow(from, from + span * factor);
      }
      this.events.onView(this.from, this.to);
    }, { passive: false });
    svg.addEventListener("mousedown", (e) => {
      if (e.button !== 0) return;
      press = { x: localX(e), metre: this.metreAt(localX(e)) };
      e.preventDefault();
    });
    window.addEventListener("mousemove", (e) => {
      if (!press) return;
      this.brush = [press.metre, this.metreAt(localX(e))];
      this.drawOverlay();
    });
    window.addEventListener("mouseup", (e) => {
      if (!press) return;
      const moved = Math.abs(localX(e) - press.x);
      const [from, to] = [press.metre, this.metreAt(localX(e))].sort((a, b) => a - b);
      const pressMetre = Math.round(press.metre);
      press = null;
      this.brush = null;
      if (moved > 4) {
        this.setWindow(from, to);
        this.events.onView(this.from, this.to);
      } else {
        this.drawOverlay();
        this.events.onPick(pressMetre, cellAt(route, pressMetre));
      }
    });
    svg.addEventListener("dblclick", () => {
      this.setWindow(0, route.route_length);
      this.events.onView(this.from, this.to);
    });
    svg.addEventListener("mousemove", (e) => {
      if (press) return;
      const px = localX(e);
      if (px < PROFILE_LEFT || px > PROFILE_LEFT + this.plotWidth) {
        this.events.onLeave();
        return;
      }
      const marker = e.target.closest && e.target.closest("[data-cell]");
      const metre = marker ? Number(marker.getAttribute("data-metre")) : Math.round(this.metreAt(px));
      const cell = marker ? Number(marker.getAttribute("data-cell")) : cellAt(route, metre);
      this.events.onHover(metre, cell, e.clientX, e.clientY);
    });
    svg.addEventListener("mouseleave", () => this.events.onLeave());
  }

  showHover(metre) {
    this.hover = metre;
    this.drawOverlay();
  }

  setPin(metre) {
    this.pinned = metre;
    this.drawOverlay();
  }
}

// A small symbol centred on (0, 0), with the given attributes besides.
function symbol(shape, r, parent, attributes) {
  const own = {
    circle: ["circle", { r }],
    square: ["rect", { x: -r * 0.8, y: -r * 0.8, width: r * 1.6, height: r * 1.6 }],
    bar: ["rect", { x: -r, y: -r * 0.5, width: r * 2, height: r }],
    diamond: ["path", { d: `M0,${-r} L${r},0 L0,${r} L${-r},0 Z` }],
    triangle: ["path", { d: `M0,${-r} L${r},${r * 0.8} L${-r},${r * 0.8} Z` }],
  }[shape];
  return svgElement(own[0], Object.assign(own[1], attributes), parent);
}
