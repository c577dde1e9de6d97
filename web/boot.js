// Nothing is fetched or run before the first frame is painted (or soon, in a
// tab in the background, which paints nothing): then the start script, named by the
// build the page carries, so that a browser holding an older build's script,
// even one it was told to keep for a day, fetches the new one: never a new page
// over an old program.
(() => {
    const build = document.currentScript.dataset.build;
    let go = () => {
        go = () => {};
        const script = document.createElement("script");
        script.src = "$start?v=" + build;
        document.body.appendChild(script);
    };
    try {
        new PerformanceObserver((list, observer) => {
            if (list.getEntriesByName("first-contentful-paint").length) {
                observer.disconnect();
                setTimeout(() => go(), 0);
            }
        }).observe({type: "paint", buffered: true});
    } catch (error) {
        requestAnimationFrame(() => setTimeout(() => go(), 0));
    }
    setTimeout(() => go(), 500);
})();

// Where a browser cannot reckon the first frame's fit from the style sheet (a
// ratio of two lengths, round(): Firefox, Chrome before 140), the program's rule
// as a script, fetched at once and only there.
if (!(CSS.supports("scale", "calc(1px / 1px)") && CSS.supports("width", "round(1px, 1px)"))) {
    const script = document.createElement("script");
    script.src = "$fit?v=" + document.currentScript.dataset.build;
    document.body.appendChild(script);
}
