// No accessibility violations in the light and dark designs and in forced
// colours (Windows high contrast), with the window as it starts, after 計算,
// and with a warning open.
import AxeBuilder from '@axe-core/playwright';
import { expect, test } from '@playwright/test';
import { openPage } from './page.mjs';

const THEMES = [
  { name: 'light', colorScheme: 'light', forcedColors: 'none' },
  { name: 'dark', colorScheme: 'dark', forcedColors: 'none' },
  { name: 'forced colours', colorScheme: 'dark', forcedColors: 'active' },
];

const STATES = {
  'at start': async () => {},
  'after 計算': async (page) => page.locator('#cmdKeisan').click(),
  'with a warning': async (page) => {
    await page.locator('#txtGofu').fill('abc');
    await page.locator('#cmdKeisan').click();
    await expect(page.getByRole('alertdialog')).toBeVisible();
  },
};

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
    });
  }
}
