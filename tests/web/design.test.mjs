// SPDX-License-Identifier: GPL-3.0-or-later
// The page in a desktop browser is the window: every element stands at its
// control's rectangle in the design table (page_export --json), scaled as
// the page scales the whole, and is named as the window names it.
import { readFileSync } from 'node:fs';
import { expect, test } from '@playwright/test';
import { cutTexts, openPage, pageRequests } from './page.mjs';

const design = JSON.parse(readFileSync(process.env.QUORVEL_DESIGN, 'utf8'));
const windowNames = JSON.parse(readFileSync(process.env.QUORVEL_WINDOW_NAMES, 'utf8'));

test('every control at its place in the design', async ({ page }) => {
  await openPage(page);
  const boxes = await page.evaluate((controls) => Object.fromEntries(controls.map(({ name, box }) => {
    const { x, y, width, height } = document.getElementById(box).getBoundingClientRect();
    return [name, { x, y, width, height }];
  })), design.controls);
  const form = await page.locator('#frmGofu').boundingBox();
  const scale = form.width / design.client[0];
  expect(form.height / scale).toBeCloseTo(design.client[1], 0);
  for (const { name, container, rect: [left, top, width, height], autoSize } of design.controls) {
    const origin = container ? boxes[container] : form;
    const drawn = boxes[name];
    // Within a pixel; a caption that sizes to its text may be wider.
    expect.soft(Math.abs(drawn.x - origin.x - left * scale), `${name} left`).toBeLessThanOrEqual(1);
    expect.soft(Math.abs(drawn.y - origin.y - top * scale), `${name} top`).toBeLessThanOrEqual(1);
    expect.soft(Math.abs(drawn.height - height * scale), `${name} height`).toBeLessThanOrEqual(1);
    if (autoSize) {
      expect.soft(drawn.width + 1, `${name} width`).toBeGreaterThanOrEqual(width * scale);
    } else {
      expect.soft(Math.abs(drawn.width - width * scale), `${name} width`).toBeLessThanOrEqual(1);
    }
  }
});

// What a screen reader is told of each field, button and result is what the
// window tells it (window_names reads the window's accessibility): its name,
// or while a result is empty, its caption. The window reads a list's value
// between its captions; the page's list says it after its name.
test('fields, buttons and results named as in the window', async ({ page }) => {
  await openPage(page);
  const named = await page.locator('#frmGofu').locator('input, select, button, output')
    .evaluateAll((elements) => elements.map((e) => [e.id, e.tagName]));
  expect(named.length).toBeGreaterThan(10);
  for (const [id, tag] of named) {
    expect(windowNames, id).toHaveProperty(id);
    const { name, value, label } = windowNames[id];
    const expected = tag === 'SELECT' ? name.replace(` ${value} `, ' ') : name || label;
    await expect.soft(page.locator(`#${id}`), id).toHaveAccessibleName(expected);
  }
});

// A font wider than the design's shrinks the text until the widest results
// fit their boxes whole.
test('a wider font still shows the widest results whole', async ({ page }) => {
  await openPage(page);
  await page.evaluate(() => {
    document.getElementById('frmGofu').style.letterSpacing = '0.3em';
    window.dispatchEvent(new Event('resize'));
  });
  const [widest] = JSON.parse(await page.locator('#frmGofu').getAttribute('data-widest'));
  await page.locator('#optLandEtc').check();
  await page.locator('#txtLandEtc').fill(widest.txtLandEtc);
  await page.locator('#cboLevelBefore').selectOption(widest.cboLevelBefore);
  await page.locator('#cboLevelAfter').selectOption(widest.cboLevelAfter);
  await page.locator('#cboRensa').selectOption(widest.cboRensa);
  await page.locator('#txtGofu').fill(widest.txtGofu);
  await page.locator('#cmdKeisan').click();
  await expect(page.locator('#lblGoukeiVal')).not.toBeEmpty();
  expect(await page.locator('#frmGofu output').evaluateAll(cutTexts)).toEqual([]);
});

// Where the browser offers no share sheet (no engine does on Linux), 共有
// copies the summary and then the address, and says so; before a result
// there is nothing to share.
test('共有 copies the calculation and its address', async ({ page, context }) => {
  await context.grantPermissions(['clipboard-read', 'clipboard-write']);
  await openPage(page);
  await expect(page.locator('#cmdShare')).toBeDisabled();
  await page.locator('#cmdKeisan').click();
  await page.locator('#cmdShare').click();
  await expect(page.locator('[role=status]')).not.toBeEmpty();
  const [startUp] = pageRequests();
  expect(await page.evaluate(() => navigator.clipboard.readText())).toBe(`${startUp.summary}\n${page.url()}`);
});
