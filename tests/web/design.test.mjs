// SPDX-License-Identifier: GPL-3.0-or-later
// The page in a desktop browser is the window: every element stands at its
// control's rectangle in the design table (page_export --json), scaled as
// the page scales the whole, and the boxes and lists are named from the
// table's parts, as the window names them.
import { readFileSync } from 'node:fs';
import { expect, test } from '@playwright/test';
import { cutTexts, openPage } from './page.mjs';

const design = JSON.parse(readFileSync(process.env.QUORVEL_DESIGN, 'utf8'));

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

// As the window reads them (frm_gofu_test's accessibleNames): boxes, lists
// and results by the captions the table names them with.
test('boxes, lists and results named by the design', async ({ page }) => {
  await openPage(page);
  for (const { name, accessibleName } of design.controls.filter((c) => c.accessibleName)) {
    await expect.soft(page.locator(`#${name}`), name).toHaveAccessibleName(accessibleName);
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
