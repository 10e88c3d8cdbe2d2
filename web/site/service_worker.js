// Keeps the page and what it links, so that it opens without the network
// after one visit. Online, every request goes to the host first, so that a
// newer page is taken as soon as there is one; offline, the kept copy
// answers. A new build names a new cache, and this worker's bytes change
// with it, so the browser installs it and the old copy goes.
'use strict';

const kCache = 'level-converter-@LEVEL_SITE_HASH@';
const kFiles = ['./', 'index.html', 'manifest.webmanifest', 'level-converter-192.png',
                'level-converter-512.png', 'level-converter-maskable-512.png'];

self.addEventListener('install', (event) => {
  event.waitUntil(caches.open(kCache).then((cache) => cache.addAll(kFiles)).then(() => self.skipWaiting()));
});

self.addEventListener('activate', (event) => {
  event.waitUntil(caches.keys()
    .then((names) => Promise.all(names.filter((name) => name !== kCache).map((name) => caches.delete(name))))
    .then(() => self.clients.claim()));
});

self.addEventListener('fetch', (event) => {
  if (event.request.method !== 'GET') return;
  event.respondWith(fetch(event.request)
    .then((response) => {
      if (response.ok) {
        const kept = response.clone();
        event.waitUntil(caches.open(kCache).then((cache) => cache.put(event.request, kept)));
      }
      return response;
    })
    .catch(() => caches.match(event.request, {ignoreSearch: true})
      .then((kept) => kept ?? Response.error())));
});
