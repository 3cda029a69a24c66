// The page kept on a tablet or a phone after its first visit: its files are
// stored when the worker installs and served from the store, so it opens
// without the network; a new version replaces them all at once.
// the files and their version, put in when the site is built
declare const PAGE_FILES: string[];
declare const PAGE_VERSION: string;

const kStore = `plane-figures-${PAGE_VERSION}`;
const worker = globalThis as unknown as ServiceWorkerGlobalScope;

worker.addEventListener('install', (event: ExtendableEvent) => {
  event.waitUntil(
    caches
      .open(kStore)
      .then((store) => store.addAll(PAGE_FILES))
      .then(() => worker.skipWaiting()),
  );
});

worker.addEventListener('activate', (event: ExtendableEvent) => {
  event.waitUntil(
    caches
      .keys()
      .then((keys) => Promise.all(keys.filter((k) => k !== kStore).map((k) => caches.delete(k))))
      .then(() => worker.clients.claim()),
  );
});

worker.addEventListener('fetch', (event: FetchEvent) => {
  if (event.request.method !== 'GET') return;
  event.respondWith(
    caches
      .match(event.request, { ignoreSearch: true })
      .then((stored) => stored ?? fetch(event.request)),
  );
});
