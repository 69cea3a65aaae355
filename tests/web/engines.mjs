// SPDX-License-Identifier: GPL-3.0-or-later
// The three browser engines behind one small driver, so that one table of
// requests runs on each: Blink (Debian's Chromium, through Playwright),
// Gecko (Debian's Firefox ESR, through WebDriver BiDi with puppeteer-core)
// and WebKit (WebKitGTK's MiniBrowser, through its WebDriver). None is
// downloaded. WebKit needs an X display.
//
// A driver: goto(url) (in a fresh page), visit(url) (in the same browser, its
// storage kept), evaluate(fn, arg) (fn runs in the page), click(selector),
// type(selector, text) (replaces the field's text, key by key),
// select(selector, value), press(key), close().
import { spawn, spawnSync } from 'node:child_process';
import { mkdtempSync, rmSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';

// The keys the tests press, as WebDriver spells them.
const WEBDRIVER_KEYS = { Escape: '\uE00C', Backspace: '\uE003' };

// Playwright's and Puppeteer's pages answer to the same calls, but for
// picking a list item.
function pageDriver(page, select, close) {
  return {
    goto: (url) => page.goto(url),
    visit: (url) => page.goto(url),
    evaluate: (fn, arg) => page.evaluate(fn, arg),
    click: (selector) => page.click(selector),
    async type(selector, text) {
      await page.click(selector);
      await page.evaluate((field) => document.querySelector(field).select(), selector);
      await (text ? page.keyboard.type(text) : page.keyboard.press('Backspace'));
    },
    select,
    press: (key) => page.keyboard.press(key),
    close,
  };
}

async function chromium() {
  const { chromium: engine } = await import('playwright-core');
  const browser = await engine.launch({
    executablePath: process.env.CHROMIUM ?? '/usr/bin/chromium',
    // Root in CI needs --no-sandbox; the rest keeps Chromium off the network.
    args: ['--no-sandbox', '--disable-gpu', '--disable-background-networking',
      '--disable-component-update', '--disable-sync', '--no-first-run'],
  });
  const page = await browser.newPage();
  return pageDriver(page, (selector, value) => page.selectOption(selector, value), () => browser.close());
}

async function firefox() {
  const { default: puppeteer } = await import('puppeteer-core');
  const profile = mkdtempSync(join(tmpdir(), 'quorvel-firefox-'));
  const browser = await puppeteer.launch({
    browser: 'firefox',
    executablePath: process.env.FIREFOX ?? '/usr/bin/firefox-esr',
    headless: true,
    userDataDir: profile,
  });
  const page = await browser.newPage();
  return pageDriver(page, (selector, value) => page.select(selector, value), async () => {
    await browser.close();
    rmSync(profile, { recursive: true, force: true });
  });
}

// WebDriver over HTTP, as WebKitWebDriver speaks it: a handful of endpoints.
async function webkit() {
  const port = 4444 + Math.floor(Math.random() * 1000);
  // The browser's warnings reach the test's log, and an engine crash is
  // noted. The pipe does not keep this process alive: a browser left by a
  // crash may hold it open.
  const driver = spawn(process.env.WEBKIT_DRIVER ?? 'WebKitWebDriver', [`--port=${port}`],
    { stdio: ['ignore', 'ignore', 'pipe'] });
  driver.stderr.on('data', (text) => {
    process.stderr.write(text);
    engineCrashed ||= String(text).includes('WebProcess CRASHED');
  });
  driver.stderr.unref();
  const base = `http://127.0.0.1:${port}`;
  const call = async (method, path, body) => {
    const response = await fetch(base + path, {
      method,
      headers: { 'content-type': 'application/json; charset=utf-8' },
      body: body && JSON.stringify(body),
    });
    const { value } = await response.json();
    if (!response.ok) {
      throw new Error(`WebDriver ${method} ${path}: ${value.error}: ${value.message}`);
    }
    return value;
  };
  for (let tries = 0; ; tries += 1) {
    try {
      await call('GET', '/status');
      break;
    } catch (error) {
      if (tries > 100) {
        driver.kill();
        throw error;
      }
      await new Promise((resolve) => { setTimeout(resolve, 100); });
    }
  }
  const capabilities = {
    alwaysMatch: {
      'webkitgtk:browserOptions': {
        binary: process.env.WEBKIT_BROWSER ?? '/usr/lib/x86_64-linux-gnu/webkit2gtk-4.1/MiniBrowser',
        args: ['--automation'],
      },
    },
  };
  let sessionId = null;
  const endSession = async () => {
    if (sessionId) {
      await call('DELETE', `/session/${sessionId}`).catch(() => {});
      sessionId = null;
    }
  };
  const session = (method, path, body) => call(method, `/session/${sessionId}${path}`, body ?? {});
  const element = async (selector) => {
    const found = await session('POST', '/element', { using: 'css selector', value: selector });
    return `/element/${Object.values(found)[0]}`;
  };
  const keyActions = (values) => session('POST', '/actions', {
    actions: [{ type: 'key', id: 'keyboard', actions: values.flatMap((value) =>
      [{ type: 'keyDown', value }, { type: 'keyUp', value }]) }],
  });
  return {
    // A fresh browser for every page: WebKitGTK's web process has crashed
    // here on leaving a page that automation had driven, and loading the
    // page shown again can return before the new document takes over.
    async goto(url) {
      await endSession();
      ({ sessionId } = await call('POST', '/session', { capabilities }));
      await session('POST', '/url', { url });
    },
    async visit(url) {
      if (!sessionId) {
        ({ sessionId } = await call('POST', '/session', { capabilities }));
      }
      await session('POST', '/url', { url });
    },
    evaluate: (fn, arg) =>
      session('POST', '/execute/sync', { script: `return (${fn})(arguments[0])`, args: [arg ?? null] }),
    click: async (selector) => session('POST', `${await element(selector)}/click`),
    async type(selector, text) {
      const field = await element(selector);
      await session('POST', `${field}/clear`);
      if (text) {
        await session('POST', `${field}/value`, { text });
      }
    },
    // Clicking an option picks it, as WebDriver defines.
    select: async (selector, value) =>
      session('POST', `${await element(`${selector} option[value="${value}"]`)}/click`),
    press: (key) => keyActions([WEBDRIVER_KEYS[key] ?? key]),
    async close() {
      await endSession();
      driver.kill();
    },
  };
}

export const ENGINES = { chromium, firefox, webkit };

// WebKitGTK's web process crashes now and then on a navigation under
// automation ("WebProcess CRASHED"), which ends the session: the engine's
// fault, not the page's. A script whose session must live through many
// navigations calls this first: it runs the script in a child, and once
// more, whole, only if the engine crashed; every check must pass in the
// run that counts. Returns only in the child, which exits with 75 when it
// failed after an engine crash.
let engineCrashed = false;
const ENGINE_CRASHED = 75;

export function runAgainIfEngineCrashes(script, engine) {
  if (process.env.QUORVEL_ENGINE_RUN) {
    process.on('exit', (code) => {
      if (code !== 0 && engineCrashed) {
        process.exitCode = ENGINE_CRASHED;
      }
    });
    return;
  }
  if (engine !== 'webkit') {
    return;
  }
  for (let run = 1; ; run += 1) {
    const { status } = spawnSync(process.execPath, [script, engine], {
      env: { ...process.env, QUORVEL_ENGINE_RUN: String(run) }, stdio: 'inherit',
    });
    if (status !== ENGINE_CRASHED || run === 2) {
      process.exit(status ?? 1);
    }
    console.log("# WebKitGTK's web process crashed; the whole run once more");
  }
}

// Polls fn in the driver's page until what it returns is accepted (by
// default, anything but false), for ten seconds at most, or as many as
// given. A script that
// meets a document still being replaced may fail (WebKit's driver: "Could
// not parse script result"); that page is not ready yet either, and the
// last such error is what a timeout reports.
export async function poll(driver, fn, arg, what, accept = (answer) => answer !== false, seconds = 10) {
  const deadline = Date.now() + seconds * 1000;
  for (;;) {
    let value;
    let failure;
    try {
      value = await driver.evaluate(fn, arg);
    } catch (error) {
      failure = error;
    }
    if (!failure && accept(value)) {
      return value;
    }
    if (Date.now() > deadline) {
      throw failure ?? new Error(`timed out waiting for ${what}`);
    }
    await new Promise((resolve) => { setTimeout(resolve, 50); });
  }
}
