// Label text on the page: measured once per text and size, then shown in the
// box a LabelPlacer (rules/label_placer.js) found for it, or hidden.

// The font of every label; the style sheet gives SVG text the same one.
const LABEL_FONT = '"DejaVu Sans", Verdana, sans-serif';
const measureContext = document.createElement("canvas").getContext("2d");
const textWidths = new Map();

// The width of a text at a font size, measured without laying out the page.
function textWidth(text, size) {
  const key = size + "|" + text;
  let w = textWidths.get(key);
  if (w === undefined) {
    const font = size + "px " + LABEL_FONT;
    if (measureContext.font !== font) measureContext.font = font;
    w = Math.ceil(measureContext.measureText(text).width) + 2;
    textWidths.set(key, w);
  }
  return w;
}

// Shows a label in its box (text anchored at the box's left, baseline near its
// bottom), or hides it.
function showLabel(textElement, box, fontSize) {
  if (!box) {
    textElement.setAttribute("display", "none");
    return;
  }
  textElement.removeAttribute("display");
  textElement.setAttribute("x", box.x0.toFixed(1));
  textElement.setAttribute("y", (box.y1 - fontSize * 0.25).toFixed(1));
}
