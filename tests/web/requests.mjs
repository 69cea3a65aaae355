// SPDX-License-Identifier: GPL-3.0-or-later
// Requests entered through the page as a user does, in one browser engine,
// against the native core's answers: the results, each warning with the
// focus and selection it leaves, the question's title with はい, いいえ, the
// keys Y and N, and Esc; then full-width input as a Japanese keyboard types
// it, and 終了 putting the page back as it started.
//   node requests.mjs chromium|firefox|webkit
// Needs QUORVEL_SITE_DIR and QUORVEL_PAGE_ANSWERS; WebKit also a DISPLAY.
import assert from 'node:assert/strict';
import { spawn } from 'node:child_process';
import { after, before, test } from 'node:test';
import { ENGINES, poll } from './engines.mjs';
import { pageRequests } from './page.mjs';

const engine = process.argv[2];
const port = 8200 + Object.keys(ENGINES).indexOf(engine);
const url = `http://127.0.0.1:${port}/`;
let server;
let browser;

const until = (...args) => poll(browser, ...args);

// What the page shows, read in the page.
const openBox = (id) => {
  const box = document.getElementById(id);
  return box.open && {
    title: box.querySelector('h2').textContent,
    message: box.querySelector('[id$="Message"]').textContent,
    focus: document.activeElement.textContent,
  };
};
const hasFocus = (id) => document.activeElement.id === id;
const selection = () => {
  const field = document.activeElement;
  return field.select ? [field.selectionStart, field.selectionEnd, field.value.length] : null;
};
const shown = () => {
  const outputs = [...document.querySelectorAll('#frmGofu output')];
  return {
    results: outputs.map((output) => output.value),
    spoken: document.getElementById('announcement').textContent,
    captions: outputs.map((output) => output.labels[0].textContent),
    // Each result's working, by its description, and the level table's rows
    // as their cells read, "*" marking the one on show.
    working: outputs.map((output) => document.getElementById(output.getAttribute('aria-describedby'))?.textContent),
    levels: [...document.querySelectorAll('#tblLevels tbody tr')].map((row) =>
      [...row.cells].map((cell) => cell.textContent).join('|') + (row.getAttribute('aria-current') ? '*' : '')),
    open: [...document.querySelectorAll('dialog')].some((dialog) => dialog.open),
    address: location.search,
  };
};
const announced = ({ spoken }) => spoken !== '';
const value = (selector) => document.querySelector(selector).value;
const NO_RESULTS = ['', '', '', '', ''];

async function open() {
  await browser.goto(url);
  await until(() => document.documentElement.dataset.ready === 'true', null, 'the page');
}

before(async () => {
  server = spawn('python3', ['-m', 'http.server', String(port), '--bind', '127.0.0.1',
    '--directory', process.env.QUORVEL_SITE_DIR], { stdio: 'ignore' });
  // The server answers before the browser is asked for the page.
  for (let tries = 0; ; tries += 1) {
    try {
      await fetch(url);
      break;
    } catch (error) {
      if (tries > 100) {
        throw error;
      }
      await new Promise((resolve) => { setTimeout(resolve, 100); });
    }
  }
  browser = await ENGINES[engine]();
});

after(async () => {
  await browser?.close();
  server?.kill();
});

for (const row of pageRequests()) {
  test(row.name, async () => {
    await open();
    await browser.click(`#opt${row.land}`);
    await browser.type('#txtLandEtc', row.landEtc);
    await browser.select('#cboLevelBefore', row.before);
    await browser.select('#cboLevelAfter', row.after);
    await browser.select('#cboRensa', row.chain);
    await browser.type('#txtGofu', row.gofu);
    await browser.click('#cmdKeisan');

    if (row.check) {
      const [message, title, focus] = row.check;
      const box = await until(openBox, 'dlgWarn', 'the warning');
      assert.deepEqual(box, { title, message, focus: 'OK' });
      assert.equal(await browser.evaluate(openBox, 'dlgAsk'), false);
      await browser.click('#dlgWarn button');
      await until(hasFocus, focus, `the focus on ${focus}`);
      // A text box's whole text is selected, so typing replaces it.
      const selected = await browser.evaluate(selection);
      if (selected) {
        assert.deepEqual(selected, [0, selected[2], selected[2]]);
      }
      assert.deepEqual((await browser.evaluate(shown)).results, NO_RESULTS);
      return;
    }

    if (row.question) {
      const [message, title] = row.question;
      assert.deepEqual(await until(openBox, 'dlgAsk', 'the question'), { title, message, focus: 'はい' });
      // The reply: a button's value, a key (y, n), or esc.
      if (row.reply === 'esc') {
        await browser.press('Escape');
      } else if (row.reply.length === 1) {
        await browser.press(row.reply);
      } else {
        await browser.click(`#dlgAsk button[value=${row.reply}]`);
      }
      await until((id) => !document.getElementById(id).open, 'dlgAsk', 'the question to close');
      if (!['yes', 'y'].includes(row.reply)) {
        await until(hasFocus, 'cboLevelBefore', 'the focus on cboLevelBefore');
        assert.deepEqual((await browser.evaluate(shown)).results, NO_RESULTS);
        return;
      }
    }
    const { results, spoken, captions, working, levels } = await until(shown, null, 'the results', announced);
    assert.deepEqual(results, row.compute);
    assert.deepEqual(working, row.working);
    // The native core's table: its item, change, falling mark and texts.
    assert.deepEqual(levels, row.levels.map((line) => {
      const [item, change, , ...texts] = line.split('\t');
      return [change, ...texts].join('|') + (item === row.after ? '*' : '');
    }));
    // Screen readers hear every caption with its value, once.
    assert.equal(spoken, captions.map((caption, i) => `${caption} ${row.compute[i]}`.trim()).join('、'));
  });
}

// Full-width digits, signs, period and space arrive as ASCII, key by key or
// committed at once; the three-character limit counts what is left; other
// full-width letters stay as typed, for the core to warn about.
const FULL_WIDTH = [
  ['５０', '50'],
  ['＋１．', '+1.'],
  ['－　９', '- 9'],
  ['１２３４', '123'],
  ['ａｂｃ', 'ａｂｃ'],
];
test('full-width input', async () => {
  await open();
  for (const [typed, expected] of FULL_WIDTH) {
    for (const field of ['#txtGofu', '#txtLandEtc']) {
      await browser.type(field, typed);
      assert.equal(await browser.evaluate(value, field), expected, `${typed} typed into ${field}`);
      await browser.type(field, '');
      // As an input method commits it, or a paste: one edit, one input event.
      await browser.evaluate(([selector, text]) => {
        document.querySelector(selector).focus();
        document.execCommand('insertText', false, text);
      }, [field, typed]);
      assert.equal(await browser.evaluate(value, field), expected, `${typed} committed into ${field}`);
    }
  }
  // The start-up request, with its count typed in full width.
  await open();
  await browser.type('#txtGofu', '５０');
  await browser.click('#cmdKeisan');
  const startUp = pageRequests().find((row) => row.name === 'start-up choices');
  assert.deepEqual((await until(shown, null, 'the results', announced)).results, startUp.compute);
});

// A calculation's address opens it again in a fresh page, with no box: its
// falling level was answered when it was computed. A link that the form
// cannot take whole fills in what it can (here: the options, the typed base
// value, the levels, the chain, the talismans), computes nothing and warns
// of nothing; 終了 puts the bare address back.
const LINKS = [
  ['?from=9&to=2&chain=3&gofu=7&base=Land80', 'true|false|false|50|  1|  2|  3|7'],
  ['?from=3&to=2&chain=3&gofu=1234&base=Land80', 'true|false|false|50|  3|  2|  3|50'],
  ['?from=3&to=2&chain=3&base=Land100', 'false|true|false|50|  3|  2|  3|50'],
  ['?from=3&to=2&chain=3&gofu=abc&base=Land80', 'true|false|false|50|  3|  2|  3|abc'],
  ['?from=3&to=2&chain=5&gofu=7&base=LandEtc', 'false|false|true|50|  3|  2| 5～|7'],
  ['?from=3&to=3&chain=3&gofu=7&base=Land80', 'true|false|false|50|  3|  3|  3|7'],
  ['?from=3&from=4&to=2&chain=3&gofu=7&base=Land80', 'true|false|false|50|  1|  2|  3|7'],
  ['?from=3&to=2&chain=3&gofu=%3Cb%3E&base=Land80&etc=%3Cb%3E', 'true|false|false|<b>|  3|  2|  3|<b>'],
];
const fieldValues = () => [...document.querySelectorAll('#frmGofu :is(input, select)')]
  .map((field) => (field.type === 'radio' ? field.checked : field.value)).join('|');
test('an address holds the calculation', async () => {
  await open();
  await browser.click('#optLandEtc');
  await browser.type('#txtLandEtc', '55');
  await browser.select('#cboLevelBefore', '  3');
  await browser.select('#cboLevelAfter', '  1');
  await browser.select('#cboRensa', ' 5～');
  await browser.type('#txtGofu', ' 7');
  await browser.click('#cmdKeisan');
  await until(openBox, 'dlgAsk', 'the question');
  await browser.click('#dlgAsk button[value=yes]');
  const computed = await until(shown, null, 'the results', announced);
  assert.equal(computed.address, '?from=3&to=1&chain=5&gofu=+7&base=LandEtc&etc=55');

  await browser.goto(url + computed.address);
  await until(() => document.documentElement.dataset.ready === 'true', null, 'the page');
  const reopened = await browser.evaluate(shown);
  for (const part of ['results', 'working', 'levels', 'address']) {
    assert.deepEqual(reopened[part], computed[part], part);
  }
  assert.equal(reopened.open, false);

  // A row picks its level and computes, as 計算 does.
  await browser.click('#tblLevels tr[data-item="  5"] td:last-child');
  const picked = await until(shown, null, 'the row\'s results', (now) => now.address.includes('to=5'));
  assert.deepEqual(picked.levels.filter((row) => row.endsWith('*')).map((row) => row.split('|')[0]), ['3→5']);
  await browser.evaluate(() => { window.close = () => {}; });
  await browser.click('#cmdEnd');
  await until((bare) => location.href === bare && !document.querySelector('#tblLevels tbody tr'), url, 'the bare page');

  for (const [query, fields] of LINKS) {
    await browser.goto(url + query);
    await until(() => document.documentElement.dataset.ready === 'true', null, 'the page');
    const now = await browser.evaluate(shown);
    assert.deepEqual([now.results, now.open, await browser.evaluate(fieldValues)], [NO_RESULTS, false, fields], query);
  }
  // A pair the page does not know, as a messenger adds, is no value of it.
  await browser.goto(`${url}?from=3&to=2&chain=3&gofu=7&base=Land80&fbclid=x`);
  assert.notDeepEqual((await until(shown, null, 'the results', announced)).results, NO_RESULTS);
});

// In a tab, 終了 cannot close the page; it puts it back as a new start would.
test('終了 starts over', async () => {
  await open();
  const state = () => ({
    values: [...document.querySelectorAll('#frmGofu input, #frmGofu select')]
      .map((field) => (field.type === 'radio' ? field.checked : field.value)),
    results: [...document.querySelectorAll('#frmGofu output')].map((output) => output.value),
    focus: document.activeElement.id,
  });
  // As in a tab the user opened: automation's pages count as opened by a
  // script, which Firefox lets close themselves.
  await browser.evaluate(() => {
    window.close = () => {};
    document.getElementById('optLand80').focus();
  });
  const start = await browser.evaluate(state);
  await browser.click('#optLand100');
  await browser.type('#txtGofu', '7');
  await browser.select('#cboRensa', ' 5～');
  await browser.click('#cmdKeisan');
  await until(shown, null, 'the results', announced);
  await browser.click('#cmdEnd');
  assert.deepEqual(await until(state, null, 'the page to start over',
    (now) => now.focus === start.focus), start);
});
