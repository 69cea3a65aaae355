// A 360 x 640 phone with touch: the window fits the width, every target is
// at least 24 x 24 CSS px, and the results can be read after a tap on 計算.
import { expect, test } from '@playwright/test';
import { openPage, resultTexts } from './page.mjs';

test.use({ viewport: { width: 360, height: 640 }, hasTouch: true, isMobile: true, deviceScaleFactor: 3 });

test('fits, takes fingers and shows the results', async ({ page }) => {
  await openPage(page);
  const widths = await page.evaluate(() => [document.documentElement.scrollWidth, window.innerWidth]);
  expect(widths[0]).toBeLessThanOrEqual(widths[1]);

  // What a finger hits: an option's whole caption, the boxes, lists, buttons.
  const targets = await page.locator('.option, input[type=text], select, button:visible').evaluateAll(
    (elements) => elements.map((element) => {
      const box = element.getBoundingClientRect();
      return { id: element.id || element.querySelector('input').id, width: box.width, height: box.height };
    }),
  );
  expect(targets).toHaveLength(10);
  for (const target of targets) {
    expect.soft(Math.min(target.width, target.height), target.id).toBeGreaterThanOrEqual(24);
  }

  await page.locator('#cmdKeisan').tap();
  expect(await resultTexts(page)).toEqual(['-560G', '+1008G', '+10', '+500G', '+948G']);
  for (const output of await page.locator('#frmGofu output').all()) {
    await expect(output).toBeInViewport({ ratio: 1 });
    // Nothing cut: the text fits its box.
    expect(await output.evaluate((box) => box.scrollWidth <= box.clientWidth)).toBe(true);
  }
});
