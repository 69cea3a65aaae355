// SPDX-License-Identifier: GPL-3.0-or-later
// The page's browser tests, on Debian's Chromium (no browser is downloaded),
// against the built site served on the loopback address.
import { tmpdir } from 'node:os';
import { defineConfig } from '@playwright/test';

const port = Number(process.env.QUORVEL_WEB_PORT ?? 8123);

export default defineConfig({
  testDir: '.',
  testMatch: '*.test.mjs',
  // Traces and screenshots of failures go to the build's temporary folder.
  outputDir: `${tmpdir()}/results`,
  fullyParallel: true,
  workers: 2,
  reporter: 'list',
  use: {
    baseURL: `http://127.0.0.1:${port}/`,
    launchOptions: {
      executablePath: process.env.CHROMIUM ?? '/usr/bin/chromium',
      // Root in CI needs --no-sandbox; the rest keeps Chromium off the
      // network, which this machine does not have.
      args: ['--no-sandbox', '--disable-gpu', '--disable-background-networking',
        '--disable-component-update', '--disable-sync', '--no-first-run'],
    },
  },
  webServer: {
    command: `python3 -m http.server ${port} --bind 127.0.0.1 --directory "${process.env.QUORVEL_SITE_DIR}"`,
    url: `http://127.0.0.1:${port}/`,
    reuseExistingServer: false,
  },
});
