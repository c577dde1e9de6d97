// A stand-in for the browser's document, with just what the page's element
// factory uses, that writes what was made: the form's HTML, a line "/*css*/",
// the design's style and one CSS rule for each element's style, a line
// "/*facts*/", then the design's facts for the page's head as JSON.
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
    removeAttribute(name) { this.attributes.delete(name); }
    setSelectionRange() {}
    appendChild(child) { this.children.push(child); }
    html() {
        const escape = (text) => text.replace(/&/g, "&amp;").replace(/</g, "&lt;")
            .replace(/"/g, "&quot;");
        const attributes = [...this.attributes].map(([name, value]) =>
            value === "" ? " " + name : " " + name + '="' + escape(value) + '"').join("");
        return "<" + this.tag + attributes + ">" + escape(this.text) +
            this.children.map((child) => child.html()).join("") + "</" + this.tag + ">";
    }
    css() {
        const own = this.styles.size === 0 ? "" : "#" + this.id + " { " +
            [...this.styles].map(([name, value]) => name + ": " + value + ";").join(" ") + " }\n";
        return own + this.children.map((child) => child.css()).join("");
    }
}

globalThis.document = {
    form: new StandInElement("main"),
    createElement(tag) { return new StandInElement(tag); },
    getElementById(id) { return id === "SequenceForm" ? this.form : null; },
    writeOut(style, facts) {
        const children = this.form.children;
        process.stdout.write(children.map((child) => child.html()).join("\n") + "\n/*css*/\n" +
                             style + children.map((child) => child.css()).join("") +
                             "\n/*facts*/\n" + JSON.stringify(facts));
    },
};
