// SPDX-License-Identifier: GPL-3.0-or-later
// The page in the hand, on phones from 320 to 412 px wide and on tablets in
// both orientations, measured by the controls' ids: text a phone need not
// zoom into (16 px in fields, 14 px elsewhere), targets of 44 x 44 px at
// least 8 px apart, nothing to scroll sideways, after 計算 the button and the
// five results in view together, and dialog texts wrapped into even lines.
// A tablet shows the whole form at once and uses its screen.
import { expect, test } from '@playwright/test';
import { PHONE, cutTexts, openPage, pageRequests, resultTexts } from './page.mjs';

const SCREENS = [
  { width: 320, height: 568 },
  { width: 360, height: 640 },
  { width: 390, height: 844, whole: true },
  { width: 412, height: 915, whole: true },
  { width: 768, height: 1024, tablet: true },
  { width: 810, height: 1080, tablet: true },
  { width: 820, height: 1180, tablet: true },
  { width: 1024, height: 768, tablet: true },
  { width: 1180, height: 820, tablet: true },
];

// Every message and title the core gives the page's requests, once each,
// with the element of the question that shows it.
const DIALOG_TEXTS = [...new Map(pageRequests().flatMap(({ check, question }) =>
  [check, question].filter(Boolean).flatMap(([message, title]) =>
    [[message, 'dlgAskMessage'], [title, 'dlgAskTitle']]))).entries()];

// Runs in the page: every text's size, and what a thumb hits with its box.
function measure() {
  const texts = [];
  const walker = document.createTreeWalker(document.body, NodeFilter.SHOW_TEXT);
  for (let node = walker.nextNode(); node; node = walker.nextNode()) {
    const element = node.parentElement;
    if (node.textContent.trim() && element.checkVisibility() && !element.closest('.visually-hidden')) {
      texts.push({ id: element.id || element.closest('[id]').id, size: parseFloat(getComputedStyle(element).fontSize) });
    }
  }
  const fields = [...document.querySelectorAll('input[type=text], select')].map((field) =>
    ({ id: field.id, size: parseFloat(getComputedStyle(field).fontSize) }));
  const targets = [...document.querySelectorAll('.option, input[type=text], select, button')]
    .filter((element) => element.checkVisibility())
    .map((element) => {
      const { left, top, right, bottom } = element.getBoundingClientRect();
      const id = element.id || element.querySelector('input')?.id || element.textContent;
      return { id, inDialog: Boolean(element.closest('dialog')), left, top, right, bottom };
    });
  return { texts, fields, targets };
}

function checkTargets(targets) {
  for (const [i, a] of targets.entries()) {
    expect.soft(Math.min(a.right - a.left, a.bottom - a.top), `${a.id}: size`).toBeGreaterThanOrEqual(44);
    for (const b of targets.slice(i + 1)) {
      const apart = Math.max(b.left - a.right, a.left - b.right, b.top - a.bottom, a.top - b.bottom);
      expect.soft(apart, `${a.id} to ${b.id}`).toBeGreaterThanOrEqual(8);
    }
  }
}

for (const phone of SCREENS) {
  test.describe(`${phone.width} x ${phone.height}`, () => {
    test.use({ ...PHONE, viewport: { width: phone.width, height: phone.height } });

    test('reads, takes thumbs and shows the results', async ({ page }) => {
      await openPage(page);
      const { texts, fields, targets } = await page.evaluate(measure);
      for (const field of fields) {
        expect.soft(field.size, `${field.id}: field text`).toBeGreaterThanOrEqual(16);
      }
      for (const text of texts) {
        expect.soft(text.size, `${text.id}: text`).toBeGreaterThanOrEqual(14);
      }
      // The three options, two boxes, three lists, two buttons and 共有.
      expect(targets).toHaveLength(11);
      checkTargets(targets);
      expect(await page.evaluate(() => document.documentElement.scrollWidth)).toBeLessThanOrEqual(phone.width);
      if (phone.whole || phone.tablet) {
        await expect(page.locator('#frmGofu')).toBeInViewport({ ratio: 1 });
      }
      if (phone.tablet) {
        const form = await page.locator('#frmGofu').boundingBox();
        expect(Math.max(form.width / phone.width, form.height / phone.height)).toBeGreaterThanOrEqual(2 / 3);
      }

      await page.locator('#cmdKeisan').tap();
      const [startUp] = pageRequests();
      await expect.poll(() => resultTexts(page)).toEqual(startUp.compute);
      for (const id of ['cmdKeisan', ...await page.locator('#frmGofu output').evaluateAll((all) => all.map((o) => o.id))]) {
        await expect(page.locator(`#${id}`), id).toBeInViewport({ ratio: 1 });
      }
      // Nothing cut: each text fits its box.
      expect(await page.locator('#frmGofu output').evaluateAll(cutTexts)).toEqual([]);

      // The level table stands below the results, in rows a thumb can hit,
      // its text as large as the rest; on a tablet on its side it fills the
      // room below them, over no control, and nothing scrolls.
      for (const text of (await page.evaluate(measure)).texts) {
        expect.soft(text.size, `${text.id}: text after 計算`).toBeGreaterThanOrEqual(14);
      }
      const placed = await page.evaluate(() => {
        const boxes = (selector) => [...document.querySelectorAll(selector)].map((e) => e.getBoundingClientRect());
        const [table] = boxes('#tblLevels');
        return {
          below: table.top - Math.max(...boxes('#frmGofu output').map(({ bottom }) => bottom)),
          rows: boxes('#tblLevels tbody tr').map(({ height }) => height),
          covered: boxes('#frmGofu .c').filter((c) => c.right > table.left && c.left < table.right
            && c.bottom > table.top && c.top < table.bottom).length,
          scrolls: document.documentElement.scrollHeight > innerHeight,
        };
      });
      expect(placed.below).toBeGreaterThanOrEqual(0);
      expect(Math.min(...placed.rows)).toBeGreaterThanOrEqual(44);
      if (phone.tablet && phone.width > phone.height) {
        expect(placed.covered).toBe(0);
        expect(placed.scrolls).toBe(false);
      }
    });

    test('dialogs take thumbs and wrap their texts evenly', async ({ page }) => {
      await openPage(page);
      await page.locator('#cboLevelBefore').selectOption('  5');
      await page.locator('#cmdKeisan').tap();
      await expect(page.locator('#dlgAsk')).toBeVisible();
      const buttons = (await page.evaluate(measure)).targets.filter(({ inDialog }) => inDialog);
      expect(buttons).toHaveLength(2);
      checkTargets(buttons);
      for (const [text, id] of DIALOG_TEXTS) {
        const lines = await page.evaluate(lineLengths, [text, id]);
        expect.soft(lines.length === 1 || Math.min(...lines) >= 3, `${text}: ${lines}`).toBe(true);
      }
    });
  });
}

// Runs in the page: how many characters stand on each line of the text as
// the open question's element shows it, spaces left out.
function lineLengths([text, id]) {
  const element = document.getElementById(id);
  element.textContent = text;
  const [node] = element.childNodes;
  const range = document.createRange();
  const lines = [];
  let top = -Infinity;
  for (let i = 0; i < text.length; i += 1) {
    range.setStart(node, i);
    range.setEnd(node, i + 1);
    const [glyph] = range.getClientRects();
    if (text[i].trim() && glyph) {
      if (glyph.top > top + glyph.height / 2) {
        lines.push(0);
        top = glyph.top;
      }
      lines[lines.length - 1] += 1;
    }
  }
  return lines;
}
