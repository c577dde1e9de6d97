// Runs once the first frame is on the screen: starts the program, keeps the page's
// files for use with no network after the first visit, and says in the report
// box when the program cannot start: a filter that blocks its files, a failed
// script, a browser older than the page supports (with no WebAssembly, or one
// whose WebAssembly or security policy cannot take the program's).
const CANNOT_START =
    "Програмата не може да започне: този браузър е по-стар, отколкото тя иска, или " +
    "мрежата, през която е отворена страницата, не пуска файловете ѝ (например $wasm).\n\n" +
    "Какво да опитате:\n" +
    "- по-нов браузър: $browsers или по-нов;\n" +
    "- страницата в един файл, $one_file: копирайте я на компютъра и я отворете " +
    "с двойно щракване, без мрежа.";
// The page names its build on this script's address; the program comes from the same build.
const build = document.currentScript ? new URL(document.currentScript.src).search : "";

// Only while the first frame still waits for the program: it then leaves the form.
function cannotStart() {
    const form = document.querySelector("[data-first-frame]");
    const report = form && form.querySelector("[data-report]");
    if (!report) return;
    form.removeAttribute("data-first-frame");
    for (const control of form.children) control.inert = control !== report;
    report.readOnly = true;
    report.value = CANNOT_START;
    report.setAttribute("role", "alert");
    report.focus();
}

// The program's loader wants its WebAssembly at hand when it runs; the loader
// itself comes meanwhile.
function start() {
    if (typeof WebAssembly !== "object") {
        cannotStart();
        return;
    }
    const script = "$program" + build;
    const preload = document.createElement("link");
    Object.assign(preload, {rel: "preload", as: "script", href: script});
    document.head.appendChild(preload);
    fetch("$wasm" + build)
        .then((response) => (response.ok ? response.arrayBuffer() : Promise.reject()))
        .then((wasm) => {
            globalThis.Module = {wasm};
            const program = document.createElement("script");
            program.src = script;
            program.onerror = cannotStart;
            // Not before the page has loaded: a screen reader keeps quiet about
            // a focus given while the page still loads (a slow computer).
            if (document.readyState === "complete") {
                document.body.appendChild(program);
            } else {
                addEventListener("load", () => document.body.appendChild(program));
            }
        }, cannotStart);
}

// A WebAssembly this browser cannot compile (one without exceptions) ends in a
// rejected promise.
addEventListener("unhandledrejection", cannotStart);
addEventListener("error", cannotStart);
start();
if ("serviceWorker" in navigator && location.protocol.startsWith("http")) {
    // Asked at every visit, so that the copy kept for no network is the newest build.
    // With no network the asking fails, and the stored copy stays: not the
    // program's failure to start.
    // The worker by the build's name: a new build's worker is a new worker.
    navigator.serviceWorker.register("$worker" + build).then((registration) => registration.update())
        .catch(() => {});
}
