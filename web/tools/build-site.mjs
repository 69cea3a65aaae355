// SPDX-License-Identifier: GPL-3.0-or-later
// Assembles the web site from the page's sources, the WebAssembly core and
// the program's icon:
//   node build-site.mjs SOURCE_DIR OUT_DIR CORE_WASM PAGE_EXPORT ICON_EXPORT ESBUILD
// The form, its geometry, the theme colour and the dialogs' buttons come
// from the window's tables (page_export fills the pages' @NAME@ places), and
// the service worker is written last, over every other file (worker.mjs).
// The icons are the desktop's, drawn by the same tool (icon_export --web).
import { execFileSync } from 'node:child_process';
import { copyFileSync, mkdirSync, readFileSync, readdirSync, rmSync, writeFileSync } from 'node:fs';
import { join } from 'node:path';
import { isTrimmed, shipped } from './shipped.mjs';
import { writeWorker } from './worker.mjs';

const [sourceDir, outDir, coreWasm, pageExport, iconExport, esbuild] = process.argv.slice(2);
if (!esbuild) {
  console.error('usage: build-site.mjs SOURCE_DIR OUT_DIR CORE_WASM PAGE_EXPORT ICON_EXPORT ESBUILD');
  process.exit(2);
}

rmSync(outDir, { recursive: true, force: true });
mkdirSync(outDir, { recursive: true });

const wordsFile = join(outDir, 'page.json');
execFileSync(pageExport, [wordsFile, join(outDir, 'design.css')]);
const words = JSON.parse(readFileSync(wordsFile, 'utf8'));
rmSync(wordsFile);
const fill = (text) => text.replace(/@([A-Z_]+)@/g, (place, name) => {
  if (!(name in words)) {
    throw new Error(`page_export gives nothing for ${place}`);
  }
  return words[name];
});

for (const name of readdirSync(sourceDir)) {
  if (/\.(html|webmanifest)$/.test(name)) {
    writeFileSync(join(outDir, name), fill(readFileSync(join(sourceDir, name), 'utf8')));
  } else if (/\.(css|mjs)$/.test(name)) {
    copyFileSync(join(sourceDir, name), join(outDir, name));
  }
}
copyFileSync(coreWasm, join(outDir, 'quorvel_core.wasm'));

execFileSync(iconExport, ['--web', outDir]);

// What a player downloads is minified; the worker, written last over every
// other file's bytes, too.
const ship = (name) =>
  writeFileSync(join(outDir, name), shipped(name, readFileSync(join(outDir, name), 'utf8'), esbuild));
readdirSync(outDir).filter(isTrimmed).forEach(ship);
writeWorker(outDir, join(sourceDir, 'sw.js'));
ship('sw.js');
