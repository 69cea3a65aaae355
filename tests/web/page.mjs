// SPDX-License-Identifier: GPL-3.0-or-later
// What the browser tests share: opening the page once its core has loaded,
// the table of requests with the native core's answers, a phone.
import { readFileSync } from 'node:fs';

export async function openPage(page) {
  await page.goto('./');
  await page.waitForSelector('html[data-ready]');
}

// The rows of page_requests.tsv, each with the native core's answers: the
// three steps, the working, the summary and the level table's lines.
export function pageRequests() {
  const answers = readFileSync(process.env.QUORVEL_PAGE_ANSWERS, 'utf8').trimEnd().split('\n');
  return readFileSync(new URL('page_requests.tsv', import.meta.url), 'utf8').trimEnd().split('\n')
    .map((line, i) => {
      const [before, after, chain, gofu, land, landEtc, reply, name] = line.split('\t');
      const [check, question, compute, working, summary, levels] =
        JSON.parse(answers[i]).map((text) => (text ? text.split('\n') : null));
      return { before, after, chain, gofu, land, landEtc, reply, name, check, question, compute, working,
        summary: summary?.join('\n'), levels };
    });
}

// A phone in the hand, for Playwright's test.use() with its viewport.
export const PHONE = { hasTouch: true, isMobile: true, deviceScaleFactor: 2 };

// The five results in reading order, as the page shows them.
export const resultTexts = (page) => page.locator('#frmGofu output').allTextContents();

// Runs in the page: the ids of the boxes whose text does not fit inside
// them. The text itself is measured, since a box that aligns it to the end
// overflows at the start, which scrollWidth does not count.
export function cutTexts(boxes) {
  return boxes.filter((box) => {
    const text = document.createRange();
    text.selectNodeContents(box);
    const drawn = text.getBoundingClientRect();
    const inside = box.getBoundingClientRect();
    return drawn.left < inside.left - 0.5 || drawn.right > inside.right + 0.5;
  }).map((box) => box.id);
}
