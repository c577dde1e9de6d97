// The page's service worker. Online, every file comes from the host, checked
// against the browser's HTTP cache whatever its lifetime, so a new build
// reaches a returning pupil on the next visit or reload. With no network, the
// files come from the copy kept when this worker was installed: one build's
// files, never a mix of two builds. A host that takes the connection but does
// not answer the page in time (a crowded school network) gets the same: the
// stored page, and every file that page asks for from the same store.
// The worker's address names its build (sw.js?v=BUILD), so that each build
// installs a worker, and a copy, of its own; the list names the build's page
// (kept once, as the site's folder, whatever name the page was opened by), its
// files, and those kept only once the page has asked for them (the font, on a
// device with no face of its own).
const BUILD = new URL(location).searchParams.get("v");
const CACHE = "trivelan-" + BUILD;
const LIST = "$list";
const PAGE_WAIT = 2000;  // ms the host has to answer for the page, before the stored one shows
const storedPages = new Set();  // the clients whose page came from the store

self.addEventListener("install", (event) => {
    // From the host, past the HTTP cache: a copy kept for a day could be an older build's.
    event.waitUntil(Promise.all([caches.open(CACHE), fetch(LIST + "?v=" + BUILD, {cache: "reload"})])
        .then(([cache, list]) => cache.put(LIST, list.clone())
            .then(() => list.json())
            .then(({page, files}) => cache.addAll([page, ...files]
                .map((file) => new Request(file, {cache: "reload"})))))
        .then(() => self.skipWaiting()));
});

// The build's list, as the worker kept it.
const list = () => caches.open(CACHE).then((cache) => cache.match(LIST))
    .then((kept) => (kept ? kept.json() : {page: null, later: []}));
// The files kept only once the page has asked for them.
const later = () => list().then((kept) => kept.later);

self.addEventListener("activate", (event) => {
    event.waitUntil(caches.keys()
        .then((keys) => Promise.all(keys.filter((key) => key !== CACHE)
            .map((key) => caches.delete(key))))
        .then(() => self.clients.claim()));
});

// A stored file; the page by any name of the site's folder.
const stored = (request) => caches.match(request, {ignoreSearch: true}).then((response) =>
    ((response || request.mode !== "navigate") ? response
        : list().then(({page}) => page && caches.match(new URL(page, location).href))));

self.addEventListener("fetch", (event) => {
    const request = event.request;
    if (request.method !== "GET" || new URL(request.url).origin !== location.origin) return;
    if (storedPages.has(event.clientId)) {
        event.respondWith(stored(request).then((response) => response || fetch(request.url)));
        return;
    }
    const fromHost = fetch(request.url, {cache: "no-cache"});
    fromHost.then((response) => {
        if (!response.ok) return;
        const copy = response.clone();  // now, before the page reads the body
        const path = new URL(request.url).pathname;
        later().then((files) => {
            if (!files.some((file) => path.endsWith("/" + file))) return;
            caches.open(CACHE).then((cache) => cache.put(request.url, copy));
        });
    }, () => {});
    let answered = false;
    fromHost.then(() => { answered = true; }, () => { answered = true; });
    let answer = fromHost.catch(() => stored(request));
    if (request.mode === "navigate") {
        // The stored page, if the host has not answered it in time; the page's
        // files then come from the store too.
        const late = new Promise((resolve) => setTimeout(resolve, PAGE_WAIT))
            .then(() => (answered ? undefined : stored(request)))
            .then((response) => {
                if (answered || !response) return fromHost;
                storedPages.add(event.resultingClientId);
                return response;
            });
        answer = Promise.race([fromHost, late]).catch(() => stored(request));
    }
    event.respondWith(answer.then((response) => response || Response.error()));
});
