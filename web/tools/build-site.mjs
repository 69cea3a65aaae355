// SPDX-License-Identifier: GPL-3.0-or-later
// Assembles the web site from the page's sources, the WebAssembly core and
// the program's icon:
//   node build-site.mjs SOURCE_DIR OUT_DIR CORE_WASM KEISAN_ANSWERS PAGE_EXPORT ICON_EXPORT
// The form and its geometry come from the window's design table
// (page_export), the version bar's text from the native core (the rule
// lives there only), and the service worker is written last, over every
// other file (worker.mjs). The icons are the desktop's, drawn by the same
// tool (icon_export --web).
import { execFileSync } from 'node:child_process';
import { copyFileSync, mkdirSync, readFileSync, readdirSync, rmSync, writeFileSync } from 'node:fs';
import { join } from 'node:path';
import { isTrimmed, shipped } from './shipped.mjs';
import { writeWorker } from './worker.mjs';

const [sourceDir, outDir, coreWasm, keisanAnswers, pageExport, iconExport] = process.argv.slice(2);
if (!iconExport) {
  console.error('usage: build-site.mjs SOURCE_DIR OUT_DIR CORE_WASM KEISAN_ANSWERS PAGE_EXPORT ICON_EXPORT');
  process.exit(2);
}

rmSync(outDir, { recursive: true, force: true });
mkdirSync(outDir, { recursive: true });

const formFile = join(outDir, 'form.html');
execFileSync(pageExport, [formFile, join(outDir, 'design.css')]);
const form = readFileSync(formFile, 'utf8');
rmSync(formFile);
const versionText = execFileSync(keisanAnswers, ['--version-text'], { encoding: 'utf8' }).trim();
const page = readFileSync(join(sourceDir, 'index.html'), 'utf8');
if (!page.includes('@FORM@') || !form.includes('@VERSION_TEXT@')) {
  throw new Error('index.html has no @FORM@, or the form no @VERSION_TEXT@');
}
writeFileSync(join(outDir, 'index.html'), page.replace('@FORM@', form.trimEnd()).replace('@VERSION_TEXT@', versionText));

for (const name of readdirSync(sourceDir)) {
  if (/\.(css|mjs|webmanifest)$/.test(name)) {
    copyFileSync(join(sourceDir, name), join(outDir, name));
  }
}
copyFileSync(coreWasm, join(outDir, 'quorvel_core.wasm'));

execFileSync(iconExport, ['--web', outDir]);

// What a player downloads carries no comments; the worker, written last over
// every other file's bytes, neither.
const ship = (name) => writeFileSync(join(outDir, name), shipped(name, readFileSync(join(outDir, name), 'utf8')));
readdirSync(outDir).filter(isTrimmed).forEach(ship);
writeWorker(outDir, join(sourceDir, 'sw.js'));
ship('sw.js');
