// SPDX-License-Identifier: GPL-3.0-or-later
// Installable, and working offline: after the first visit the service worker
// serves every file, so with the network cut a reload shows the page and
// 計算 still works.
import { mkdtempSync, rmSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { chromium, expect, test } from '@playwright/test';
import { openPage, resultTexts } from './page.mjs';

// A profile of its own: Chromium does not offer to install from a private
// window, which is what a plain test context is.
test('installable without errors', async ({ baseURL, launchOptions }) => {
  const profile = mkdtempSync(join(tmpdir(), 'quorvel-profile-'));
  const context = await chromium.launchPersistentContext(profile, { ...launchOptions, baseURL });
  try {
    const page = await context.newPage();
    await openPage(page);
    await page.evaluate(() => navigator.serviceWorker.ready);
    const cdp = await context.newCDPSession(page);
    const { installabilityErrors } = await cdp.send('Page.getInstallabilityErrors');
    expect(installabilityErrors).toEqual([]);
  } finally {
    await context.close();
    rmSync(profile, { recursive: true, force: true });
  }
});

test('a reload without network still calculates', async ({ page, context, baseURL }) => {
  // Nothing leaves for another host, on the first visit or later.
  const elsewhere = [];
  context.on('request', (request) => {
    if (!request.url().startsWith(baseURL)) {
      elsewhere.push(request.url());
    }
  });
  await openPage(page);
  await page.evaluate(() => navigator.serviceWorker.ready);
  await expect.poll(() => page.evaluate(() => Boolean(navigator.serviceWorker.controller))).toBe(true);

  await context.setOffline(true);
  await page.reload();
  await page.waitForSelector('html[data-ready]');
  await page.locator('#cmdKeisan').click();
  expect(await resultTexts(page)).toEqual(['-560G', '+1008G', '+10', '+500G', '+948G']);
  expect(elsewhere).toEqual([]);
  expect(await page.evaluate(() => document.cookie)).toBe('');
});

// A new publication's cache replaces the old one: what an earlier
// service worker left is gone once the new one takes over.
test('an old offline cache is removed', async ({ page, context }) => {
  await context.addInitScript(() => caches.open('quorvel-an-earlier-publication'));
  await openPage(page);
  await page.evaluate(() => navigator.serviceWorker.ready);
  await expect.poll(() => page.evaluate(() => caches.keys())).toHaveLength(1);
  expect((await page.evaluate(() => caches.keys()))[0]).not.toBe('quorvel-an-earlier-publication');
});
