// Starts the program once the first frame is on the screen (or soon, in a tab
// in the background, which draws no frames), and keeps the page's files for
// use with no network after the first visit.
let started = false;
function start() {
    if (started) return;
    started = true;
    const program = document.createElement("script");
    program.src = "trivelan.js";
    document.body.appendChild(program);
}
requestAnimationFrame(() => setTimeout(start, 0));
setTimeout(start, 500);
if ("serviceWorker" in navigator && location.protocol.startsWith("http")) {
    navigator.serviceWorker.register("sw.js");
}
