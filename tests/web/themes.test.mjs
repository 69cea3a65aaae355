// SPDX-License-Identifier: GPL-3.0-or-later
// No accessibility violations in the light and dark designs and in forced
// colours (Windows high contrast), with the window as it starts, after 計算,
// and with a warning open, on a desktop and in the phone layout.
import AxeBuilder from '@axe-core/playwright';
import { expect, test } from '@playwright/test';
import { PHONE, openPage } from './page.mjs';

const THEMES = [
  { name: 'light', colorScheme: 'light', forcedColors: 'none' },
  { name: 'dark', colorScheme: 'dark', forcedColors: 'none' },
  { name: 'forced colours', colorScheme: 'dark', forcedColors: 'active' },
];

const VIEWS = {
  desktop: {},
  phone: { ...PHONE, viewport: { width: 360, height: 640 } },
};

const STATES = {
  'at start': async () => {},
  'after 計算': async (page) => page.locator('#cmdKeisan').click(),
  'with a warning': async (page) => {
    await page.locator('#txtGofu').fill('abc');
    await page.locator('#cmdKeisan').click();
    await expect(page.getByRole('alertdialog')).toBeVisible();
  },
};

// Runs in the page: the controls whose edge or focus colour reads below 3:1
// against the page's background.
function lowContrastMarks() {
  const luminance = (colour) => {
    const [r, g, b] = colour.match(/[\d.]+/g).slice(0, 3).map((v) => {
      const c = Number(v) / 255;
      return c <= 0.04045 ? c / 12.92 : ((c + 0.055) / 1.055) ** 2.4;
    });
    return 0.2126 * r + 0.7152 * g + 0.0722 * b;
  };
  const contrast = (a, b) => {
    const [hi, lo] = [luminance(a), luminance(b)].sort((x, y) => y - x);
    return (hi + 0.05) / (lo + 0.05);
  };
  const page = getComputedStyle(document.documentElement).backgroundColor;
  const probe = document.createElement('span');
  probe.style.color = 'var(--focus)';
  document.body.append(probe);
  const focus = getComputedStyle(probe).color;
  probe.remove();
  const low = [];
  if (contrast(focus, page) < 3) {
    low.push(`focus ${focus} on ${page}`);
  }
  for (const control of document.querySelectorAll('.box, .list, .result, #frmGofu button')) {
    const edge = getComputedStyle(control).borderTopColor;
    if (contrast(edge, page) < 3) {
      low.push(`${control.id} ${edge} on ${page}`);
    }
  }
  return low;
}

for (const [view, options] of Object.entries(VIEWS)) {
  test.describe(view, () => {
    test.use(options);
    for (const theme of THEMES) {
      for (const [state, reach] of Object.entries(STATES)) {
        test(`${theme.name}, ${state}`, async ({ page }) => {
          await page.emulateMedia({ colorScheme: theme.colorScheme, forcedColors: theme.forcedColors });
          await openPage(page);
          await reach(page);
          const { violations } = await new AxeBuilder({ page })
            .withTags(['wcag2a', 'wcag2aa', 'wcag21a', 'wcag21aa', 'wcag22aa', 'best-practice'])
            .analyze();
          expect(violations.map((v) => `${v.id}: ${v.nodes.map((n) => n.target).join(' ')}`)).toEqual([]);
          // What marks a control, its edge and the focus ring, stands out from
          // the page at 3:1 or more (WCAG 1.4.11), which axe does not measure.
          expect(await page.evaluate(lowContrastMarks)).toEqual([]);
        });
      }
    }
  });
}
