// SPDX-License-Identifier: GPL-3.0-or-later
// Writes a site's service worker from its template: the cache is named after
// the bytes of every file, so each publication gets a cache of its own, and
// every file is listed with the SHA-256 of the bytes this build made, so
// that an install takes exactly this publication's files or none.
import { createHash } from 'node:crypto';
import { readdirSync, readFileSync, writeFileSync } from 'node:fs';
import { join } from 'node:path';

export function writeWorker(siteDir, template) {
  const names = readdirSync(siteDir).filter((name) => name !== 'sw.js').sort();
  const site = createHash('sha256');
  const files = names.map((name) => {
    const bytes = readFileSync(join(siteDir, name));
    site.update(name).update(bytes);
    // The page is asked for as the folder, which every host answers with it.
    const url = name === 'index.html' ? './' : name;
    return [url, `sha256-${createHash('sha256').update(bytes).digest('base64')}`];
  });
  const worker = readFileSync(template, 'utf8')
    .replace('@CACHE@', `quorvel-${site.digest('hex').slice(0, 16)}`)
    .replace('@FILES@', JSON.stringify(files));
  writeFileSync(join(siteDir, 'sw.js'), worker);
}
