// The plan view: the line in its true proportions, north up, fitted to the
// frame whatever its heading; wheel to zoom, drag to pan. Markers and labels
// keep their size at every zoom and are laid out again after each change.

const PLAN_MARGIN = 24;
const PLAN_LABEL_SIZE = 11;

// What the plan marks, in drawing order (later on top) and label priority.
const PLAN_KINDS = {
  station: { priority: 0, shape: "rect", size: 8 },
  boards: { priority: 3, shape: "diamond", size: 9 },
  sign: { priority: 2, shape: "rect", size: 6 },
  warning: { priority: 4, shape: "triangle", size: 9 },
  signal: { priority: 1, shape: "circle", size: 7 },
};

function markerShape(kind, parent) {
  const { shape, size } = PLAN_KINDS[kind];
  const h = size / 2;
  if (shape === "circle") return svgElement("circle", { r: h }, parent);
  if (shape === "rect") return svgElement("rect", { x: -h, y: -h, width: size, height: size }, parent);
  if (shape === "diamond") return svgElement("path", { d: `M0,${-h} L${h},0 L0,${h} L${-h},0 Z` }, parent);
  return svgElement("path", { d: `M0,${-h} L${h},${h} L${-h},${h} Z` }, parent);
}

class PlanView {
  constructor(svg, events) {
    this.svg = svg;
    this.events = events;  // onView(fromMetre, toMetre), onHover(metre, cell, x, y), onLeave()
    this.measure();  // while the page is small: measuring later costs a whole layout
    let x0 = Infinity, x1 = -Infinity, y0 = Infinity, y1 = -Infinity;
    for (let i = 0; i < plan.count; i++) {
      x0 = Math.min(x0, plan.xs[i]); x1 = Math.max(x1, plan.xs[i]);
      y0 = Math.min(y0, plan.ys[i]); y1 = Math.max(y1, plan.ys[i]);
    }
    this.bounds = { x0, x1, y0, y1 };
    this.origin = [x0, y0];  // the path is drawn relative to it, to keep its numbers small

    this.trackGroup = svgElement("g", {}, svg);
    let d = "";
    for (let i = 0; i < plan.count; i++) {
      d += (i ? "L" : "M") + (plan.xs[i] - x0).toFixed(1) + " " + (plan.ys[i] - y0).toFixed(1);
    }
    this.track = svgElement("path", { class: "track", d }, this.trackGroup);
    this.stretch = svgElement("path", { class: "stretch" }, this.trackGroup);
    this.tickLayer = svgElement("g", { class: "ticks" }, svg);
    this.markerLayer = svgElement("g", { class: "markers" }, svg);
    this.labelLayer = svgElement("g", { class: "labels" }, svg);
    this.pin = svgElement("circle", { class: "pin", r: 7, display: "none" }, svg);
    this.hoverDot = svgElement("circle", { class: "hover-dot", r: 5, display: "none" }, svg);
    this.items = this.makeItems();
    this.pinned = null;

    this.bindEvents();
  }

  makeItems() {
    const items = [];
    const add = (kind, metre, cell, text) => {
      const [x, y] = planPoint(plan, metre);
      const marker = markerShape(kind, null);
      marker.setAttribute("class", "marker " + kind);
      marker.setAttribute("data-cell", cell);
      marker.setAttribute("data-metre", metre);
      items.push({ kind, metre, cell, x, y, marker, text, label: null, priority: PLAN_KINDS[kind].priority });
    };
    for (const s of route.stations) add("station", s.position, s.stop_cell === null ? cellAt(route, s.position) : s.stop_cell, s.name);
    for (const o of route.objects) {
      if (o.kind in PLAN_KINDS) add(o.kind, o.at, o.cell, o.label);
    }
    // Drawing order: stations first, signals last, so that no signal hides.
    const order = ["station", "boards", "sign", "warning", "signal"];
    for (const kind of order) {
      for (const item of items) if (item.kind === kind) this.markerLayer.appendChild(item.marker);
    }
    items.sort((a, b) => a.priority - b.priority || a.metre - b.metre);
    return items;
  }

  // An item's label, made the first time it has room.
  labelOf(item) {
    if (!item.label) {
      item.label = svgElement("text", { class: "label " + item.kind, "font-size": PLAN_LABEL_SIZE }, this.labelLayer);
      item.label.textContent = item.text;
    }
    return item.label;
  }

  // The frame's size, measured when the view is made and when the window
  // changes size.
  measure() {
    const r = this.svg.getBoundingClientRect();
    this.w = r.width;
    this.h = r.height;
    return [this.w, this.h];
  }

  size() {
    return [this.w, this.h];
  }

  toScreen(x, y) {
    return [(x - this.cx) * this.scale + this.w / 2, this.h / 2 - (y - this.cy) * this.scale];
  }

  fitBox(x0, x1, y0, y1) {
    const [w, h] = this.size();
    const spanX = Math.max(x1 - x0, 1), spanY = Math.max(y1 - y0, 1);
    this.scale = Math.min((w - 2 * PLAN_MARGIN) / spanX, (h - 2 * PLAN_MARGIN) / spanY, 20);
    this.cx = (x0 + x1) / 2;
    this.cy = (y0 + y1) / 2;
  }

  fitAll() {
    const b = this.bounds;
    this.fitBox(b.x0, b.x1, b.y0, b.y1);
    this.showStretch(null);
    this.render();
  }

  // Fits the plan to the route between two metres and marks that stretch.
  fitStretch(from, to) {
    let x0 = Infinity, x1 = -Infinity, y0 = Infinity, y1 = -Infinity;
    const first = Math.max(0, Math.floor(from / plan.step)), last = Math.min(plan.count - 1, Math.ceil(to / plan.step));
    for (let i = first; i <= last; i++) {
      x0 = Math.min(x0, plan.xs[i]); x1 = Math.max(x1, plan.xs[i]);
      y0 = Math.min(y0, plan.ys[i]); y1 = Math.max(y1, plan.ys[i]);
    }
    if (x0 > x1) return;
    this.fitBox(x0, x1, y0, y1);
    this.showStretch([first, last]);
    this.render();
  }

  showStretch(range) {
    if (!range) {
      this.stretch.removeAttribute("d");
      return;
    }
    let d = "";
    for (let i = range[0]; i <= range[1]; i++) {
      d += (i > range[0] ? "L" : "M") + (plan.xs[i] - this.origin[0]).toFixed(1) + " " + (plan.ys[i] - this.origin[1]).toFixed(1);
    }
    this.stretch.setAttribute("d", d);
  }

  setPin(metre) {
    this.pinned = metre;
    this.render();
  }

  // The metres of the route that the frame shows, first to last.
  visibleMetres() {
    const [w, h] = this.size();
    let from = Infinity, to = -Infinity;
    for (let i = 0; i < plan.count; i++) {
      const [sx, sy] = this.toScreen(plan.xs[i], plan.ys[i]);
      if (sx >= 0 && sx <= w && sy >= 0 && sy <= h) {
        from = Math.min(from, planMetre(plan, i));
        to = Math.max(to, planMetre(plan, i));
      }
    }
    return from <= to ? [from, to] : null;
  }

  render() {
    const [w, h] = this.size();
    const s = this.scale;
    const tx = w / 2 - (this.cx - this.origin[0]) * s, ty = h / 2 + (this.cy - this.origin[1]) * s;
    this.trackGroup.setAttribute("transform", `matrix(${s} 0 0 ${-s} ${tx} ${ty})`);

    const frame = { x0: 2, y0: 2, x1: w - 2, y1: h - 2 };
    const placer = new LabelPlacer(48);
    // Labels keep off the line: small boxes along it, a few pixels apart.
    let last = null;
    for (let i = 0; i < plan.count; i++) {
      const [sx, sy] = this.toScreen(plan.xs[i], plan.ys[i]);
      if (sx < -20 || sy < -20 || sx > w + 20 || sy > h + 20) { last = null; continue; }
      if (last && Math.abs(sx - last[0]) + Math.abs(sy - last[1]) < 5) continue;
      placer.reserve({ x0: sx - 1.5, y0: sy - 1.5, x1: sx + 1.5, y1: sy + 1.5 });
      last = [sx, sy];
    }
    const shown = [];
    for (const item of this.items) {
      const [sx, sy] = this.toScreen(item.x, item.y);
      const inside = sx >= 0 && sy >= 0 && sx <= w && sy <= h;
      item.sx = sx;
      item.sy = sy;
      if (!inside) {
        item.marker.setAttribute("display", "none");
        if (item.label) item.label.setAttribute("display", "none");
        continue;
      }
      item.marker.removeAttribute("display");
      item.marker.setAttribute("transform", `translate(${sx.toFixed(1)},${sy.toFixed(1)})`);
      const r = PLAN_KINDS[item.kind].size / 2 + 1;
      placer.reserve({ x0: sx - r, y0: sy - r, x1: sx + r, y1: sy + r });
      shown.push(item);
    }
    for (const item of shown) {
      const box = placer.place(item.sx, item.sy, textWidth(item.text, PLAN_LABEL_SIZE), PLAN_LABEL_SIZE + 2, frame);
      if (box || item.label) showLabel(this.labelOf(item), box, PLAN_LABEL_SIZE);
    }
    this.renderTicks(placer, frame);
    this.placeDot(this.pin, this.pinned);
  }

  // Puts a circle on the route metre, or hides it for null.
  placeDot(dot, metre) {
    if (metre === null) {
      dot.setAttribute("display", "none");
      return;
    }
    const [sx, sy] = this.toScreen(...planPoint(plan, metre));
    dot.removeAttribute("display");
    dot.setAttribute("cx", sx.toFixed(1));
    dot.setAttribute("cy", sy.toFixed(1));
  }

  // Kilometre posts along the line, as many as fit: line kilometres where
  // the progressives give them, else kilometres from the start.
  renderTicks(placer, frame) {
    this.tickLayer.replaceChildren();
    const range = this.visibleMetres();
    if (!range) return;
    const step = niceStep(80 / this.scale, 1);
    const ticks = [];
    if (route.kilometre.length) {
      for (const [metre, line] of lineKmTicks(route.kilometre, range[0], range[1], step)) {
        ticks.push([metre, "km " + lineKmText(line)]);
      }
    } else {
      for (const m of ticksBetween(range[0], range[1], step)) ticks.push([m, "km " + startKmText(m, step < 1000 ? 3 : 0)]);
    }
    for (const [metre, text] of ticks.slice(0, 400)) {
      const [sx, sy] = this.toScreen(...planPoint(plan, metre));
      svgElement("circle", { class: "tick", cx: sx.toFixed(1), cy: sy.toFixed(1), r: 2 }, this.tickLayer);
      const label = svgElement("text", { class: "tick-label", "font-size": 9 }, this.tickLayer);
      label.textContent = text;
      showLabel(label, placer.place(sx, sy, textWidth(text, 9), 11, frame), 9);
    }
  }

  showHover(metre) {
    this.placeDot(this.hoverDot, metre);
  }

  // The route metre nearest to a point of the frame, within 24 pixels.
  metreNear(px, py) {
    let best = null, bestDistance = 24 * 24;
    for (let i = 0; i < plan.count; i++) {
      const [sx, sy] = this.toScreen(plan.xs[i], plan.ys[i]);
      const d = (sx - px) * (sx - px) + (sy - py) * (sy - py);
      if (d < bestDistance) { bestDistance = d; best = i; }
    }
    return best === null ? null : planMetre(plan, best);
  }

  bindEvents() {
    const svg = this.svg;
    const local = (e) => {
      const r = svg.getBoundingClientRect();
      return [e.clientX - r.left, e.clientY - r.top];
    };
    let drag = null;
    svg.addEventListener("wheel", (e) => {
      e.preventDefault();
      const [px, py] = local(e);
      const [w, h] = this.size();
      const factor = Math.exp(-e.deltaY * 0.0015);
      const b = this.bounds;
      const fitScale = Math.min((w - 2 * PLAN_MARGIN) / Math.max(b.x1 - b.x0, 1), (h - 2 * PLAN_MARGIN) / Math.max(b.y1 - b.y0, 1));
      const scale = Math.max(fitScale / 4, Math.min(this.scale * factor, 50));
      // Keep the point under the cursor where it is.
      const gx = this.cx + (px - w / 2) / this.scale, gy = this.cy - (py - h / 2) / this.scale;
      this.cx = gx - (px - w / 2) / scale;
      this.cy = gy + (py - h / 2) / scale;
      this.scale = scale;
      this.changedByUser();
    }, { passive: false });
    svg.addEventListener("mousedown", (e) => {
      if (e.button !== 0) return;
      drag = { at: local(e), cx: this.cx, cy: this.cy };
      svg.classList.add("dragging");
      e.preventDefault();
    });
    window.addEventListener("mousemove", (e) => {
      if (!drag) return;
      const [px, py] = local(e);
      this.cx = drag.cx - (px - drag.at[0]) / this.scale;
      this.cy = drag.cy + (py - drag.at[1]) / this.scale;
      this.changedByUser();
    });
    window.addEventListener("mouseup", () => {
      if (!drag) return;
      drag = null;
      svg.classList.remove("dragging");
    });
    svg.addEventListener("mousemove", (e) => {
      if (drag) return;
      const marker = e.target.closest && e.target.closest("[data-cell]");
      const [px, py] = local(e);
      const metre = marker ? Number(marker.getAttribute("data-metre")) : this.metreNear(px, py);
      if (metre === null) {
        this.events.onLeave();
        return;
      }
      const cell = marker ? Number(marker.getAttribute("data-cell")) : cellAt(route, metre);
      this.events.onHover(metre, cell, e.clientX, e.clientY);
    });
    svg.addEventListener("mouseleave", () => this.events.onLeave());
  }

  changedByUser() {
    this.showStretch(null);
    if (this.frameRequested) return;
    this.frameRequested = true;
    requestAnimationFrame(() => {
      this.frameRequested = false;
      this.render();
      const range = this.visibleMetres();
      if (range) this.events.onView(range[0], range[1]);
    });
  }
}
