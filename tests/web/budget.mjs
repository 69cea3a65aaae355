// SPDX-License-Identifier: GPL-3.0-or-later
// The first visit's weight: every file of the site (the service worker
// fetches them all), each as gzip sends it. Fails above 20 KB.
//   node budget.mjs SITE_DIR
import { readdirSync, readFileSync } from 'node:fs';
import { join } from 'node:path';
import { gzipSync } from 'node:zlib';

const site = process.argv[2];
const LIMIT = 20 * 1024;
let total = 0;
for (const name of readdirSync(site).sort()) {
  const bytes = readFileSync(join(site, name));
  const compressed = gzipSync(bytes, { level: 9 }).length;
  total += compressed;
  console.log(`${name.padEnd(24)} ${String(bytes.length).padStart(7)} B  ${String(compressed).padStart(7)} B gzip`);
}
console.log(`${'total'.padEnd(24)} ${' '.repeat(9)}  ${String(total).padStart(7)} B gzip (limit ${LIMIT})`);
const ok = total <= LIMIT;
console.log(ok ? '1 passed, 0 failed' : '0 passed, 1 failed');
process.exit(ok ? 0 : 1);
