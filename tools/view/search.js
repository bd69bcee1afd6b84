// The search box: what it finds is searchMatches' (rules/search_matches.js);
// the list shows the first 50, and Enter or a click jumps to one.

class SearchBox {
  constructor(form, onJump) {
    this.input = form.querySelector("input");
    this.results = form.querySelector("ol");
    this.matches = [];
    this.onJump = onJump;
    this.input.addEventListener("input", () => this.update());
    form.addEventListener("submit", (e) => {
      e.preventDefault();
      this.update();
      if (this.matches.length) this.onJump(this.matches[0]);
    });
    this.input.addEventListener("keydown", (e) => {
      if (e.key === "Escape") this.clear();
    });
  }

  update() {
    this.matches = searchMatches(route, this.input.value);
    this.results.replaceChildren();
    if (this.input.value.trim() && !this.matches.length) htmlElement("li", "empty", "nessun risultato", this.results);
    for (const match of this.matches.slice(0, 50)) {
      const button = htmlElement("button", "", match.text, htmlElement("li", "", undefined, this.results));
      button.type = "button";
      button.addEventListener("click", () => this.onJump(match));
    }
  }

  clear() {
    this.input.value = "";
    this.update();
  }
}
