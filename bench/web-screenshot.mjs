// SPDX-License-Identifier: GPL-3.0-or-later
// The page after 計算 with the start-up choices, on a phone (the whole page,
// 共有 and the level table below the results), on a tablet on its side (the
// table below the results) and in a desktop browser, for the README.
//   node bench/web-screenshot.mjs URL OUT_DIR
import { chromium } from '../tests/web/node_modules/playwright/index.mjs';

const [url, outDir] = process.argv.slice(2);
const browser = await chromium.launch({ executablePath: '/usr/bin/chromium', args: ['--no-sandbox'] });
const views = [
  { file: 'web-phone.png', viewport: { width: 360, height: 640 }, isMobile: true, hasTouch: true, deviceScaleFactor: 2,
    fullPage: true },
  { file: 'web-tablet.png', viewport: { width: 1024, height: 768 }, isMobile: true, hasTouch: true, deviceScaleFactor: 1 },
  { file: 'web-desktop.png', viewport: { width: 1280, height: 800 }, deviceScaleFactor: 1 },
];
for (const { file, fullPage, ...options } of views) {
  const page = await browser.newPage(options);
  await page.goto(url);
  await page.waitForSelector('html[data-ready]');
  await page.locator('#cmdKeisan').click();
  await page.screenshot({ path: `${outDir}/${file}`, fullPage });
  await page.close();
}
await browser.close();
