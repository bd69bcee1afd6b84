// Places labels beside their points so that no two overlap and none covers a
// marker: each label tries a few spots around its point, nearest first, and
// is hidden when none is free. Run again at every zoom.
"use strict";  // not in the page

class LabelPlacer {
  constructor(cellSize) {
    this.cellSize = cellSize || 64;
    this.grid = new Map();
    this.labelsIn = new Map();  // labels placed for points of each grid cell
  }

  key(cx, cy) {
    return cx + "," + cy;
  }

  cellsOf(box, visit) {
    const s = this.cellSize;
    for (let cx = Math.floor(box.x0 / s); cx <= Math.floor(box.x1 / s); cx++) {
      for (let cy = Math.floor(box.y0 / s); cy <= Math.floor(box.y1 / s); cy++) {
        if (visit(this.key(cx, cy)) === false) return false;
      }
    }
    return true;
  }

  free(box) {
    return this.cellsOf(box, (k) => {
      const boxes = this.grid.get(k);
      if (!boxes) return true;
      for (const b of boxes) {
        if (box.x0 < b.x1 && b.x0 < box.x1 && box.y0 < b.y1 && b.y0 < box.y1) return false;
      }
      return true;
    });
  }

  reserve(box) {
    this.cellsOf(box, (k) => {
      if (!this.grid.has(k)) this.grid.set(k, []);
      this.grid.get(k).push(box);
    });
  }

  // Places a label of size w x h near (x, y) inside `bounds`; returns the
  // chosen box or null.
  place(x, y, w, h, bounds) {
    // Where the point's own grid cell is full there is no room: a dense
    // stretch seen whole would otherwise cost a search per label.
    const here = this.key(Math.floor(x / this.cellSize), Math.floor(y / this.cellSize));
    if ((this.labelsIn.get(here) || 0) >= 8) return null;
    for (const d of [5, 12, 22]) {
      const spots = [
        [x + d, y - h / 2], [x - d - w, y - h / 2], [x - w / 2, y - d - h], [x - w / 2, y + d],
        [x + d * 0.7, y - d * 0.7 - h], [x - d * 0.7 - w, y + d * 0.7],
      ];
      for (const [x0, y0] of spots) {
        const box = { x0, y0, x1: x0 + w, y1: y0 + h };
        if (bounds && (box.x0 < bounds.x0 || box.y0 < bounds.y0 || box.x1 > bounds.x1 || box.y1 > bounds.y1)) continue;
        if (this.free(box)) {
          this.reserve(box);
          this.labelsIn.set(here, (this.labelsIn.get(here) || 0) + 1);
          return box;
        }
      }
    }
    return null;
  }
}

module.exports = { LabelPlacer };  // not in the page
