// SPDX-License-Identifier: GPL-3.0-or-later
// The page as a published site, in one browser engine: a static host that
// serves it from a folder with a cache header, as common hosts do, and
// publishes a later build. The later build reaches a returning player whole
// within three opens, a page open meanwhile keeps working, a publication
// caught halfway is refused, and offline every address of the page opens it.
//   node publication.mjs chromium|firefox|webkit
// Needs QUORVEL_SITE_DIR; WebKit also a DISPLAY.
import assert from 'node:assert/strict';
import { createHash } from 'node:crypto';
import { cpSync, mkdtempSync, readdirSync, readFileSync, rmSync, writeFileSync } from 'node:fs';
import { createServer } from 'node:http';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { after, before, test } from 'node:test';
import { isDeepStrictEqual } from 'node:util';
import { writeWorker } from '../../web/tools/worker.mjs';
import { ENGINES, poll, runAgainIfEngineCrashes } from './engines.mjs';

const FOLDER = '/quorvel/';
const TYPES = { html: 'text/html', css: 'text/css', js: 'text/javascript', mjs: 'text/javascript',
  wasm: 'application/wasm', png: 'image/png', webmanifest: 'application/manifest+json' };

const readSite = (dir) => Object.fromEntries(readdirSync(dir).map((name) => [name, readFileSync(join(dir, name))]));

// A later build of the site: another version text, a changed script and
// module, and the worker the build would write for them.
function laterBuild(site) {
  const dir = mkdtempSync(join(tmpdir(), 'quorvel-later-'));
  cpSync(site, dir, { recursive: true });
  const edit = (name, change) => writeFileSync(join(dir, name), change(readFileSync(join(dir, name))));
  edit('index.html', (page) => String(page).replace(/(id="lblVersion"[^>]*>)[^<]*/, '$1Quorvel Ver 9. 9. 9.'));
  edit('quorvel.mjs', (script) => `${script}\ndocument.documentElement.dataset.publication = 'later';\n`);
  // A custom section named "later": the same code in other bytes.
  edit('quorvel_core.wasm', (wasm) => Buffer.concat([wasm, Buffer.from([0, 6, 5]), Buffer.from('later')]));
  writeWorker(dir, new URL('../../web/sw.js', import.meta.url));
  const build = readSite(dir);
  rmSync(dir, { recursive: true });
  return build;
}

const first = readSite(process.env.QUORVEL_SITE_DIR);
const later = laterBuild(process.env.QUORVEL_SITE_DIR);

// The host: one build at a time under FOLDER, every answer cacheable for ten
// minutes; offline, it drops every connection.
const host = { build: first, offline: false, asked: [] };
const server = createServer((request, response) => {
  if (host.offline) {
    request.socket.destroy();
    return;
  }
  const { pathname } = new URL(request.url, 'http://host');
  host.asked.push(pathname);
  const name = pathname.startsWith(FOLDER) ? pathname.slice(FOLDER.length) || 'index.html' : null;
  const body = host.build[name];
  if (!body) {
    response.writeHead(404).end();
    return;
  }
  response.writeHead(200, { 'content-type': TYPES[name.split('.').pop()], 'cache-control': 'max-age=600' });
  response.end(body);
});

const engine = process.argv[2];
runAgainIfEngineCrashes(new URL(import.meta.url).pathname, engine);
let browser;
let base;

before(async () => {
  await new Promise((resolve) => { server.listen(0, '127.0.0.1', resolve); });
  base = `http://127.0.0.1:${server.address().port}${FOLDER}`;
  browser = await ENGINES[engine]();
});

after(async () => {
  await browser?.close();
  server.close();
});

// A player's open: the page before is left, as a closed tab is.
async function open(address = '') {
  await browser.visit('about:blank');
  await browser.visit(base + address);
  await poll(browser, () => document.documentElement.dataset.ready === 'true', null, `the page at ${address}`);
}

// What build the page runs: its version text and whether the later script ran.
const running = () => ({
  version: document.getElementById('lblVersion').textContent,
  later: document.documentElement.dataset.publication === 'later',
});
const FIRST = { version: String(first['index.html']).match(/id="lblVersion"[^>]*>([^<]*)/)[1], later: false };
const LATER = { version: 'Quorvel Ver 9. 9. 9.', later: true };

// Runs in the page: every offline cache, each file's SHA-256 by its name.
async function cached() {
  const all = {};
  for (const name of await caches.keys()) {
    const cache = await caches.open(name);
    all[name] = {};
    for (const request of await cache.keys()) {
      const bytes = await (await cache.match(request)).arrayBuffer();
      const digest = new Uint8Array(await crypto.subtle.digest('SHA-256', bytes));
      const file = new URL(request.url).pathname.split('/').pop() || 'index.html';
      all[name][file] = [...digest].map((byte) => byte.toString(16).padStart(2, '0')).join('');
    }
  }
  return Object.values(all);
}
const digests = (build) => Object.fromEntries(Object.entries(build).filter(([name]) => name !== 'sw.js')
  .map(([name, bytes]) => [name, createHash('sha256').update(bytes).digest('hex')]));

// Runs in the page: asks for the worker now, as an open does, and waits for
// its install to end: 'installed', or 'redundant' when it failed.
async function update() {
  const registration = await navigator.serviceWorker.getRegistration();
  await registration.update();
  const worker = registration.installing;
  if (!worker) {
    return registration.waiting ? 'installed' : 'no update';
  }
  return new Promise((resolve) => {
    worker.addEventListener('statechange', () => {
      if (worker.state !== 'installing') {
        resolve(worker.state);
      }
    });
  });
}

test('a later publication reaches the player whole', async () => {
  await open();
  await poll(browser, () => Boolean(navigator.serviceWorker.controller), null, 'the worker');
  await open();
  assert.deepEqual(await browser.evaluate(running), FIRST);
  assert.deepEqual(await browser.evaluate(cached), [digests(first)]);

  // The later worker arrives, but one file is still the first build's, as
  // when a publication lands during an install: the install fails.
  host.build = { ...later, 'quorvel.mjs': first['quorvel.mjs'] };
  await open();
  assert.equal(await browser.evaluate(update), 'redundant');
  assert.deepEqual(await browser.evaluate(cached), [digests(first)]);

  host.build = later;
  await open();
  // The later worker installs and takes over; the page that is open keeps
  // what it loaded, and calculates. The install fetches and checks the whole
  // site: in WebKit on a busy 2-core machine it has run past ten seconds.
  await poll(browser, cached, null, 'the later cache alone',
    (all) => isDeepStrictEqual(all, [digests(later)]), 60);
  assert.deepEqual(await browser.evaluate(running), FIRST);
  await browser.click('#cmdKeisan');
  assert.equal(await poll(browser, () => document.getElementById('lblGoukeiVal').value || false,
    null, 'the results'), '+948G');

  let opens = 1;
  while (!(await browser.evaluate(running)).later && opens < 3) {
    await open();
    opens += 1;
  }
  assert.deepEqual(await browser.evaluate(running), LATER, `after ${opens} opens`);
  assert.deepEqual(await browser.evaluate(cached), [digests(later)]);
});

// Every address of the page, offline; with the host back, what the page
// does not keep goes to it, inside the folder and outside.
const ADDRESSES = ['', 'index.html', '?from=bookmark', 'index.html?from=bookmark', '#top', 'index.html#top'];
const ELSEWHERE = [['not-kept.txt', `${FOLDER}not-kept.txt`], ['../elsewhere.txt', '/elsewhere.txt']];

test('offline at every address, the network for the rest', async () => {
  host.offline = true;
  for (const address of ADDRESSES) {
    await open(address);
    assert.deepEqual(await browser.evaluate(running), LATER, address);
  }
  host.offline = false;
  for (const [path, asked] of ELSEWHERE) {
    assert.equal(await browser.evaluate((url) => fetch(url).then((r) => r.status), path), 404, path);
    assert.ok(host.asked.includes(asked), asked);
  }
});
