// SPDX-License-Identifier: GPL-3.0-or-later
// Times 計算 in Chromium, over many clicks: the work the click does (the
// core's three steps and writing the results), and the wait from the click
// to the start of the frame that draws them.
//   node bench/web-click.mjs URL CLICKS
import { chromium } from '../tests/web/node_modules/playwright/index.mjs';

const [url, clicks] = process.argv.slice(2);
const browser = await chromium.launch({ executablePath: '/usr/bin/chromium', args: ['--no-sandbox'] });
const page = await browser.newPage({ viewport: { width: 360, height: 640 }, isMobile: true, hasTouch: true });
await page.goto(url);
await page.waitForSelector('html[data-ready]');
const times = await page.evaluate(async (count) => {
  const button = document.getElementById('cmdKeisan');
  const result = document.getElementById('lblGoukeiVal');
  const frame = () => new Promise((resolve) => requestAnimationFrame(resolve));
  const out = [];
  for (let i = 0; i < count; i += 1) {
    await frame();
    result.value = '';
    const start = performance.now();
    button.click();
    const done = performance.now();
    const drawn = await frame();
    if (result.value === '') {
      throw new Error('no results after the click');
    }
    out.push([done - start, drawn - start]);
  }
  return out;
}, Number(clicks));
await browser.close();
const summary = (values) => {
  values.sort((a, b) => a - b);
  const at = (q) => values[Math.min(values.length - 1, Math.floor(q * values.length))].toFixed(2);
  return `min ${at(0)}, median ${at(0.5)}, p99 ${at(0.99)}, max ${at(1)} ms`;
};
console.log(`計算, ${times.length} clicks: the click's work ${summary(times.map((t) => t[0]))};`);
console.log(`  to the frame that draws the results ${summary(times.map((t) => t[1]))} (a frame is 16.7 ms)`);
