// SPDX-License-Identifier: GPL-3.0-or-later
// The page's scripts and style sheets as the site ships them: minified by
// esbuild (Debian's), which a player's first visit would otherwise pay for
// in comments, blanks and long local names. The licence line on top stays;
// the sources keep everything. Nothing is bundled or rewritten for older
// browsers: each file stays the module or sheet it is.
import { execFileSync } from 'node:child_process';

const LOADERS = { css: 'css', js: 'js', mjs: 'js' };
const extension = (name) => name.split('.').pop();

// Whether shipped() changes the file: binary files are left as they are.
export const isTrimmed = (name) => extension(name) in LOADERS;

export function shipped(name, text, esbuild) {
  const [first, ...rest] = text.split('\n');
  const licence = first.includes('SPDX-License-Identifier') ? `${first}\n` : '';
  const body = licence ? rest.join('\n') : text;
  return licence + execFileSync(esbuild, ['--minify', `--loader=${LOADERS[extension(name)]}`,
    '--charset=utf8', '--log-level=warning'], { input: body, encoding: 'utf8' });
}
