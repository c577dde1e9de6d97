// Keeps the page's files for use with no network after the first visit.
if ("serviceWorker" in navigator && location.protocol.startsWith("http")) {
    navigator.serviceWorker.register("sw.js");
}
