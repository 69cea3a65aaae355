// SPDX-License-Identifier: GPL-3.0-or-later
// The page's side of the window: reads the controls, drives the core's
// request step by step, and shows its boxes and results. The rules are all
// in the core.
import { addressOf } from './address.mjs';
import { loadCore } from './keisan.mjs';

const byId = (id) => document.getElementById(id);
const form = byId('frmGofu');
const core = await loadCore(new URL('quorvel_core.wasm', import.meta.url));
const results = core.results.map(byId);
const address = addressOf(form, core.fields);
const levels = byId('tblLevels');
const share = byId('cmdShare');
// The calculation on show, as the core sums it up for 共有.
let summary = null;

const make = (tag, text) => Object.assign(document.createElement(tag), { textContent: text });
const captionOf = (output) => output.labels[0].textContent;
// What 共有 did, until the next 計算 or 終了.
const say = (text) => {
  byId('lblShare').textContent = text;
};

// Each field is the form's control of that name: the options by their group.
const readInput = () => Object.fromEntries(core.fields.map((field) => [field, form.elements[field].value]));

function setFocus(id) {
  const control = byId(id);
  control.focus();
  if (control.select) {
    control.select();
  }
}

// A modal box; resolves with the value of the button pressed, or '' for Esc.
function showBox(dialog, message, title) {
  dialog.querySelector('.dialog-title').textContent = title;
  dialog.querySelector('[id$="Message"]').textContent = message;
  dialog.returnValue = '';
  dialog.showModal();
  return new Promise((resolve) => {
    dialog.addEventListener('close', () => resolve(dialog.returnValue), { once: true });
  });
}

// A button's key answers the question, as the window's mnemonics do
// (はい(&Y), いいえ(&N)).
byId('dlgAsk').addEventListener('keydown', (event) => {
  const button = [...byId('dlgAsk').querySelectorAll('button')]
    .find((candidate) => candidate.dataset.key === event.key.toLowerCase());
  if (button && !event.ctrlKey && !event.altKey && !event.metaKey) {
    event.preventDefault();
    byId('dlgAsk').close(button.value);
  }
});

// Screen readers hear the new results once, caption and value together. The
// region is emptied first so that the same results twice are read twice.
function announce(texts) {
  const region = byId('announcement');
  region.textContent = '';
  const spoken = results.map((output, i) => `${output.labels[0].textContent} ${texts[i]}`.trim());
  requestAnimationFrame(() => {
    region.textContent = spoken.join('、');
  });
}

// On a short screen the results may lie below the fold: bring them up, but
// no further than keeps 計算 in view.
function revealResults() {
  const margin = 8;
  const below = Math.max(...results.map((output) => output.getBoundingClientRect().bottom))
    + margin - window.innerHeight;
  const room = byId('cmdKeisan').getBoundingClientRect().top - margin;
  if (below > 0 && room > 0) {
    window.scrollBy({ top: Math.min(below, room), behavior: 'instant' });
  }
}

function setResult(texts) {
  results.forEach((output, i) => {
    output.value = texts[i];
  });
  announce(texts);
  revealResults();
}

// Each result's working in an element of its own, which describes it.
function setWorking(lines) {
  byId('lstWorking').replaceChildren(...results.flatMap((output, i) => {
    const line = make('dd', lines[i]);
    line.id = `${output.id}Working`;
    output.setAttribute('aria-describedby', line.id);
    return [make('dt', captionOf(output)), line];
  }));
  byId('dtlWorking').hidden = false;
}

// One row for every other level after, the one on show marked; a row picks
// its level and computes.
function setLevels(rows, shown) {
  levels.tBodies[0].replaceChildren(...rows.map(({ item, change, falls, texts }) => {
    const row = document.createElement('tr');
    row.dataset.item = item;
    row.classList.toggle('falls', falls);
    if (item === shown) {
      row.setAttribute('aria-current', 'true');
    }
    const level = document.createElement('th');
    level.scope = 'row';
    level.append(Object.assign(make('button', change), { type: 'button' }));
    row.append(level, ...texts.map((text) => make('td', text)));
    return row;
  }));
  levels.hidden = rows.length === 0;
}

// Everything a computed request shows, all in the same frame; the address
// then holds the calculation, without a new history entry.
function showCalculation(input, texts) {
  setResult(texts);
  setWorking(core.working(input));
  setLevels(core.levels(input), input.cboLevelAfter);
  summary = core.summary(input);
  share.disabled = false;
  history.replaceState(null, '', address.write());
}

// A Japanese keyboard in full-width mode types "５０"; the window's boxes
// keep the input method off, a page cannot, so the page reads full-width
// digits, signs, period and space as the ASCII ones the core expects. One
// character stays one character, so the three-character limit still holds.
const FULL_WIDTH = /[\uFF10-\uFF19\uFF0B\uFF0D\uFF0E\u3000]/g;
const halfWidth = (text) => text.replace(FULL_WIDTH, (c) =>
  (c === '\u3000' ? ' ' : String.fromCharCode(c.charCodeAt(0) - 0xFEE0)));

function toHalfWidth(event) {
  const box = event.target;
  // An input method's text still being composed is its own; it arrives
  // converted once committed.
  if (event.isComposing) {
    return;
  }
  const text = halfWidth(box.value).slice(0, box.maxLength);
  if (text !== box.value) {
    const [start, end] = [box.selectionStart, box.selectionEnd];
    box.value = text;
    box.setSelectionRange(start, end);
  }
}

async function cmdKeisan_Click() {
  say('');
  const input = readInput();
  const rejection = core.check(input);
  if (rejection) {
    await showBox(byId('dlgWarn'), rejection.message, rejection.title);
    // A closed dialog gives the focus back to 計算; the field at fault takes it.
    setFocus(rejection.focus);
    return;
  }
  const question = core.question(input);
  if (question && (await showBox(byId('dlgAsk'), question.message, question.title)) !== 'yes') {
    setFocus(question.focus);
    return;
  }
  const texts = core.compute(input);
  if (texts) {
    showCalculation(input, texts);
  }
}

// Where the browser offers it (phones), the system's share sheet; anywhere
// else, or when sharing fails for another reason than the player's cancel,
// the summary and the address on the clipboard.
async function cmdShare_Click() {
  const url = location.href;
  if (navigator.share) {
    try {
      await navigator.share({ title: document.title, text: summary, url });
      say('共有しました');
      return;
    } catch (error) {
      if (error.name === 'AbortError') {
        return;
      }
    }
  }
  try {
    await navigator.clipboard.writeText(`${summary}\n${url}`);
    say('計算結果とリンクをコピーしました');
  } catch {
    say('コピーできませんでした');
  }
}

// A page may close only a window that a script opened (or an installed app's
// own window); in a tab, 終了 starts the page over instead, as a new start of
// the program would be: nothing is kept.
function cmdEnd_Click() {
  window.close();
  form.reset();
  results.forEach((output) => {
    output.value = '';
    output.removeAttribute('aria-describedby');
  });
  byId('lstWorking').replaceChildren();
  byId('dtlWorking').hidden = true;
  setLevels([], null);
  summary = null;
  share.disabled = true;
  say('');
  history.replaceState(null, '', location.pathname);
  byId('announcement').textContent = '';
  byId(form.dataset.startFocus).focus();
}

// How much of its text a box has room for, at most 1. The text is measured
// itself: boxes that align their text to the end or the centre overflow to
// the start too, which their scrollWidth does not count.
function room(box) {
  const text = document.createRange();
  text.selectNodeContents(box);
  const style = getComputedStyle(box);
  const inside = box.clientWidth - parseFloat(style.paddingLeft) - parseFloat(style.paddingRight);
  return Math.min(1, inside / text.getBoundingClientRect().width);
}

// Texts drawn in a font wider than the design's shrink until the widest
// result and every caption fit their boxes; nothing is cut.
function fitFont() {
  const widest = JSON.parse(form.dataset.widest).map((request) => core.compute(request));
  const shown = results.map((output) => output.value);
  form.style.setProperty('--fit', '1');
  let fit = 1;
  for (const texts of widest) {
    results.forEach((output, i) => {
      output.value = texts[i];
    });
    for (const box of [...results, ...form.querySelectorAll('.heading, #lblVersion')]) {
      fit = Math.min(fit, room(box));
    }
  }
  results.forEach((output, i) => {
    output.value = shown[i];
  });
  form.style.setProperty('--fit', String(Math.floor(fit * 100) / 100));
}

byId('cmdKeisan').addEventListener('click', cmdKeisan_Click);
byId('cmdEnd').addEventListener('click', cmdEnd_Click);
share.addEventListener('click', cmdShare_Click);
// The columns are headed by the results' captions, which break only between
// their words ("所持魔力|変動"), where the browser knows them.
const words = Intl.Segmenter && new Intl.Segmenter('ja', { granularity: 'word' });
levels.tHead.rows[0].append(...results.map((output) => {
  const heading = document.createElement('th');
  heading.scope = 'col';
  const caption = captionOf(output);
  heading.append(...(words ? [...words.segment(caption)] : [{ segment: caption }])
    .flatMap(({ segment }) => [document.createElement('wbr'), segment]));
  return heading;
}));
levels.tBodies[0].addEventListener('click', (event) => {
  const row = event.target.closest('tr');
  if (row) {
    form.elements.cboLevelAfter.value = row.dataset.item;
    cmdKeisan_Click();
  }
});
for (const box of form.querySelectorAll('input[type=text]')) {
  box.addEventListener('input', toHalfWidth);
  box.addEventListener('compositionend', toHalfWidth);
}
// Enter in a field starts nothing, as in the window.
form.addEventListener('submit', (event) => event.preventDefault());
document.fonts.ready.then(fitFont);
window.addEventListener('resize', fitFont);

// A link or bookmark opens on its calculation, with no box: the sender has
// answered them. What the form cannot take is left as it starts, and a
// link that is not whole, or would be warned about, computes nothing.
if (location.search && address.read(location.search, halfWidth)) {
  const input = readInput();
  const texts = !core.check(input) && core.compute(input);
  if (texts) {
    showCalculation(input, texts);
  }
}
document.documentElement.dataset.ready = 'true';

// A later publication's worker waits until this page has all it needs, which
// it has by now, then takes over: the next open shows the later publication,
// and nothing reloads here.
function activateOnceInstalled(worker) {
  if (!worker) {
    return;
  }
  const activate = () => {
    if (worker.state === 'installed') {
      worker.postMessage('activate');
    }
  };
  worker.addEventListener('statechange', activate);
  activate();
}

if ('serviceWorker' in navigator) {
  navigator.serviceWorker.register('sw.js').then((registration) => {
    activateOnceInstalled(registration.waiting ?? registration.installing);
    registration.addEventListener('updatefound', () => activateOnceInstalled(registration.installing));
  });
}
