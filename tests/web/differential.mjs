// SPDX-License-Identifier: GPL-3.0-or-later
// The WebAssembly core under Node against the native core, request for
// request, every answer (the three steps, the working, the summary and the
// level table): every level pair, chain item and base value, then random
// requests with bad texts among them. Stops at the first difference.
//   node differential.mjs QUORVEL_CORE_WASM KEISAN_ANSWERS DESIGN_JSON [RANDOM_COUNT]
// The lists' items and the options' values come from the design table
// (page_export --json).
import { spawnSync } from 'node:child_process';
import { readFileSync } from 'node:fs';
import { loadCore } from '../../web/keisan.mjs';

const [wasmPath, answersTool, designPath, randomCount = '100000'] = process.argv.slice(2);
const { controls } = JSON.parse(readFileSync(designPath, 'utf8'));
const control = (name) => controls.find((candidate) => candidate.name === name);
const LEVELS = control('cboLevelBefore').items;
const CHAINS = control('cboRensa').items;
const CHOICES = controls.map(({ value }) => value).filter(Boolean);

const requests = [];
// The texts in the order both cores read them: levels, chain, talismans,
// land choice, base value.
const add = (...texts) => requests.push(texts);

// Every level pair and chain item with each base: 80, 100 and every custom
// value a three-character box admits; the talisman count sweeps 0 to 999.
let sweep = 0;
for (const before of LEVELS) {
  for (const after of LEVELS) {
    for (const chain of CHAINS) {
      for (let base = 1; base <= 1001; base += 1) {
        const [choice, custom] = base <= 999 ? ['LandEtc', String(base)] : [CHOICES[base - 1000], '50'];
        add(before, after, chain, String(sweep++ % 1000), choice, custom);
      }
    }
  }
}

// A small fixed-seed generator, so a failure can be repeated.
let seed = 20261207;
const next = () => {
  seed = (Math.imul(seed, 1103515245) + 12345) >>> 0;
  return seed >>> 8;
};
const pick = (list) => list[next() % list.length];
const ALPHABET = [...' 0123456789+-.eEax５　～é', '1', '9', '0', '-'];
const randomText = () => Array.from({ length: next() % (next() % 8 === 0 ? 9 : 5) }, () => pick(ALPHABET)).join('');
for (let i = 0; i < Number(randomCount); i += 1) {
  add(
    next() % 5 ? pick(LEVELS) : randomText(),
    next() % 5 ? pick(LEVELS) : randomText(),
    next() % 5 ? pick(CHAINS) : randomText(),
    randomText(),
    pick(CHOICES),
    randomText(),
  );
}

const native = spawnSync(answersTool, {
  input: requests.map((texts) => texts.join('\t')).join('\n') + '\n',
  encoding: 'utf8',
  maxBuffer: 1 << 30,
});
if (native.status !== 0) {
  throw new Error(`${answersTool} failed: ${native.stderr}`);
}
const expected = native.stdout.trimEnd().split('\n');
if (expected.length !== requests.length) {
  throw new Error(`the native core answered ${expected.length} of ${requests.length} requests`);
}

// Every answer, in the order keisan_answers writes them.
const STEPS = ['quorvel_check', 'quorvel_question', 'quorvel_compute', 'quorvel_working',
  'quorvel_summary', 'quorvel_levels'];
const core = await loadCore(readFileSync(wasmPath));
for (const [i, request] of requests.entries()) {
  const answer = JSON.stringify(STEPS.map((step) => core.raw(step, request)));
  if (answer !== JSON.stringify(JSON.parse(expected[i]))) {
    console.log(`request ${i}: ${JSON.stringify(request)}\n  native: ${expected[i]}\n  wasm:   ${answer}`);
    console.log(`${i} passed, 1 failed`);
    process.exit(1);
  }
}
console.log(`${requests.length} passed, 0 failed`);
