// A stand-in for the browser's document, with just what the first frame's
// element factory uses, that writes what was made as one JSON object: the
// form's HTML ("frame"), the design's style and one CSS rule for each
// element's style ("style"), the design's fit to the window as a script
// ("fit"), and the page's own font: its family and the
// device's faces it stands in for ("font_family", "font_local").
class StandInElement {
    constructor(tag) {
        this.tag = tag;
        this.attributes = new Map();
        this.children = [];
        this.text = "";
        this.styles = new Map();
        const element = this;
        this.style = {setProperty(name, value) { element.styles.set(name, value); }};
    }
    set id(value) { this.attributes.set("id", value); }
    get id() { return this.attributes.get("id"); }
    set className(value) { this.attributes.set("class", value); }
    set type(value) { this.attributes.set("type", value); }
    set hidden(value) { if (value) this.attributes.set("hidden", ""); }
    set tabIndex(value) { this.attributes.set("tabindex", String(value)); }
    set textContent(value) { this.text = value; this.children = []; }
    set value(value) { this.text = value; }
    setAttribute(name, value) { this.attributes.set(name, value); }
    appendChild(child) { this.children.push(child); }
    html() {
        const escape = (text) => text.replace(/&/g, "&amp;").replace(/</g, "&lt;")
            .replace(/"/g, "&quot;");
        const attributes = [...this.attributes].map(([name, value]) =>
            value === "" ? " " + name : " " + name + '="' + escape(value) + '"').join("");
        // The form's controls a line each.
        const lines = this.tag === "main" ? "\n" : "";
        const inside = this.children.map((child) => child.html()).join(lines);
        return "<" + this.tag + attributes + ">" + escape(this.text) + lines + inside + lines +
            "</" + this.tag + ">";
    }
    // A rule a line, with no spaces between its parts: one for each of the
    // design's controls, on every visit, and one for what every control of a
    // class inside this element shares (the digit cells differ only in place).
    css(styles = this.styles) {
        const rule = (selector, declarations) => declarations.size === 0 ? "" : selector + "{" +
            [...declarations].map(([name, value]) => name + ":" + value).join(";") + "}\n";
        const classes = new Set(this.children.map((child) => child.attributes.get("class")));
        const shared = new Map(classes.size === 1 && this.children.length > 1 ?
            [...this.children[0].styles].filter(([name, value]) =>
                this.children.every((child) => child.styles.get(name) === value)) : []);
        const own = (child) => new Map([...child.styles].filter(([name]) => !shared.has(name)));
        return rule("#" + this.id, styles) +
            rule("." + [...classes][0], shared) +
            this.children.map((child) => child.css(own(child))).join("");
    }
}

globalThis.document = {
    createElement(tag) { return new StandInElement(tag); },
    writeOut(form, style, fit, family, local) {
        process.stdout.write(JSON.stringify({frame: form.html(), style: style + form.css(), fit,
                                             font_family: family, font_local: local}));
    },
};
