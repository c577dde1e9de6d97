// The first frame fitted to the screen by the program's rule, as the design
// writes it for a script (fitToScreen, before this script), until the program
// takes the frame over; for a browser whose style sheet cannot reckon it.
(() => {
    const form = document.querySelector("[data-first-frame]");
    const fit = () => {
        if (form && form.hasAttribute("data-first-frame")) {
            fitToScreen(form);
        } else {
            removeEventListener("resize", fit);
        }
    };
    fit();
    addEventListener("resize", fit);
})();
