// SPDX-License-Identifier: GPL-3.0-or-later
// Keeps the page working offline, and brings each new publication whole.
// The build names the cache after the site's bytes and lists every file with
// the SHA-256 of the bytes it made (web/tools/worker.mjs).
const CACHE = '@CACHE@';
const FILES = @FILES@;
const PAGE = './';

// Every file comes from the host itself, past the browser's HTTP cache, and
// must be the bytes this worker was built with: a caching host, or a later
// publication landing while this one installs, fails the install, and the
// players keep the version they have. No cache ever mixes two builds.
async function fill() {
  const responses = await Promise.all(FILES.map(async ([url, integrity]) => {
    const response = await fetch(url, { cache: 'reload', integrity });
    if (!response.ok) {
      throw new TypeError(`${url}: ${response.status}`);
    }
    // A host that redirected the folder to its index: a navigation may not
    // be answered with a redirected response.
    return [url, response.redirected ? new Response(await response.blob(), response) : response];
  }));
  const cache = await caches.open(CACHE);
  try {
    await Promise.all(responses.map(([url, response]) => cache.put(url, response)));
  } catch (error) {
    await caches.delete(CACHE);
    throw error;
  }
}

// A page of the earlier publication that is still loading takes its files
// from the earlier cache: this worker waits until the pages have loaded and
// say so, or are closed.
self.addEventListener('install', (event) => {
  event.waitUntil(fill());
});

self.addEventListener('message', (event) => {
  if (event.data === 'activate') {
    self.skipWaiting();
  }
});

self.addEventListener('activate', (event) => {
  event.waitUntil(
    caches.keys()
      .then((names) => Promise.all(names
        .filter((name) => name.startsWith('quorvel-') && name !== CACHE)
        .map((name) => caches.delete(name))))
      .then(() => self.clients.claim()),
  );
});

// The page at any of its addresses: the folder or index.html, with any query.
function isPage(url) {
  const folder = new URL(self.registration.scope).pathname;
  return url.pathname === folder || url.pathname === `${folder}index.html`;
}

// Within the scope: the cached file, or else the network; a navigation the
// network fails gets the page. Anything outside the scope is not touched.
// The cache is only looked in, never opened: an earlier worker still
// answering the page after its successor deleted its cache would otherwise
// make it anew, empty, beside the successor's.
self.addEventListener('fetch', (event) => {
  const { request } = event;
  if (request.method !== 'GET' || !request.url.startsWith(self.registration.scope)) {
    return;
  }
  const kept = (what) => caches.match(what, { cacheName: CACHE, ignoreSearch: true });
  event.respondWith((async () => {
    const hit = await kept(isPage(new URL(request.url)) ? PAGE : request);
    if (hit) {
      return hit;
    }
    try {
      return await fetch(request);
    } catch (error) {
      const page = request.mode === 'navigate' && await kept(PAGE);
      if (page) {
        return page;
      }
      throw error;
    }
  })());
});
