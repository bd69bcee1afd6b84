// The route's data (see tools/view/view_data.h), what the page derives from it
// once (plan points, objects by cell) and the helpers that make its elements.
// What is computed from the data is in rules/.

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

const plan = decodePlan(route);
const objectsByCell = new Map(route.objects.map((o) => [o.cell, o]));
