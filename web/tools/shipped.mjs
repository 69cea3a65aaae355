// SPDX-License-Identifier: GPL-3.0-or-later
// The page's scripts and style sheets as the site ships them: without their
// comments, blank lines and indentation, which a player's first visit would
// otherwise download. The licence line on top stays. The sources keep their
// comments. These are line-wise rules, safe for code that, like ours, has no
// string or template spanning lines.
const RULES = {
  css: (text) => text.replace(/\/\*[\s\S]*?\*\//g, ''),
  js: (text) => text.replace(/^\s*\/\/.*$/gm, ''),
};
RULES.mjs = RULES.js;

// Whether shipped() changes the file: binary files are left as they are.
export const isTrimmed = (name) => name.split('.').pop() in RULES;

export function shipped(name, text) {
  const rule = RULES[name.split('.').pop()];
  const [first, ...rest] = text.split('\n');
  const licence = first.includes('SPDX-License-Identifier') ? [first] : [];
  const body = licence.length ? rest.join('\n') : text;
  const lines = rule(body).split('\n').map((line) => line.trim()).filter(Boolean);
  return `${[...licence, ...lines].join('\n')}\n`;
}
