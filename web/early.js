// Presses on the first frame, before the program has started: kept as the
// program's own listeners would have seen them, and passed on to it when it
// starts, so that a pupil's first taps count.
self.trivelanEarly = [];
for (const type of ["pointerdown", "click"]) {
    document.addEventListener(type, (event) => {
        const control = event.target.closest &&
            event.target.closest("[data-first-frame] [id]");
        if (!control) return;
        self.trivelanEarly.push({type, id: control.id, button: event.button,
                                 isPrimary: event.isPrimary, timeStamp: event.timeStamp,
                                 preventDefault() {}});
    }, true);
}
