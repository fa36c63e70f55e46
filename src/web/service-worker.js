// The site without the network: after one visit every file of this version
// is kept in the browser's cache and served from there, so both editions
// open and work whole offline. The build writes above this text the files
// of the version with the first 16 hex digits of their SHA-256:
//   PRECACHE  taken at the install (page, scripts, style, program, icons);
//   ON_USE    kept once the page asked for them (the fonts).
// A new version of the site is a new worker (its lists differ): the browser
// installs it at the next visit, beside the old one, fetching only the files
// whose hash changed and checking each against its hash; then it takes over
// at once. A failed install leaves the old version in place whole.
/* global PRECACHE, ON_USE */
const SITE = 'scanfee-site';
const base = new URL('./', self.location.href);
const keyOf = (path, hash) => `${base.href}${path}?sha256=${hash}`;

const hex = (buffer) => [...new Uint8Array(buffer)].map((b) => b.toString(16).padStart(2, '0')).join('');

// The file as this version has it, or an error: what the server sends
// while a new version is put in place may be either.
async function fetchChecked(path, hash) {
  const response = await fetch(new Request(base.href + path, { cache: 'no-cache' }));
  if (!response.ok) throw new Error(`${path}: HTTP ${response.status}`);
  const bytes = await response.arrayBuffer();
  if (hex(await crypto.subtle.digest('SHA-256', bytes)).slice(0, 16) !== hash) {
    throw new Error(`${path}: not the file of this version`);
  }
  // Decoded already: kept without the transfer's encoding.
  const type = response.headers.get('Content-Type');
  return new Response(bytes, { headers: type ? { 'Content-Type': type } : {} });
}

self.addEventListener('install', (event) => {
  event.waitUntil((async () => {
    const cache = await caches.open(SITE);
    await Promise.all(Object.entries(PRECACHE).map(async ([path, hash]) => {
      if (!(await cache.match(keyOf(path, hash)))) await cache.put(keyOf(path, hash), await fetchChecked(path, hash));
    }));
    await self.skipWaiting();
  })());
});

self.addEventListener('activate', (event) => {
  event.waitUntil((async () => {
    const kept = new Set([...Object.entries(PRECACHE), ...Object.entries(ON_USE)].map(([p, h]) => keyOf(p, h)));
    const cache = await caches.open(SITE);
    for (const request of await cache.keys()) {
      if (!kept.has(request.url)) await cache.delete(request);
    }
    await self.clients.claim();
  })());
});

// The site's path of a request: the page itself for a navigation to the
// site's folder or its index.html, whatever the address's query.
function pathOf(request) {
  const url = new URL(request.url);
  if (url.origin !== base.origin || !url.pathname.startsWith(base.pathname)) return null;
  const path = decodeURIComponent(url.pathname.slice(base.pathname.length));
  return request.mode === 'navigate' && path === '' ? 'index.html' : path;
}

async function served(request, path) {
  const cache = await caches.open(SITE);
  const hash = path in PRECACHE ? PRECACHE[path] : ON_USE[path];
  const kept = await cache.match(keyOf(path, hash));
  if (kept) return kept;
  // Not kept yet (a font), or dropped by the browser: kept from now on
  // when it is this version's file.
  try {
    const response = await fetchChecked(path, hash);
    await cache.put(keyOf(path, hash), response.clone());
    return response;
  } catch (error) {
    return fetch(request);
  }
}

self.addEventListener('fetch', (event) => {
  if (event.request.method !== 'GET') return;
  const path = pathOf(event.request);
  if (path !== null && (path in PRECACHE || path in ON_USE)) event.respondWith(served(event.request, path));
});
