// SPDX-License-Identifier: GPL-3.0-or-later
// Debian's Chromium, headless, through Playwright (never a downloaded browser), and the
// built page.
import { chromium } from 'playwright-core';
import { existsSync } from 'node:fs';
import { dirname, join, resolve } from 'node:path';
import { fileURLToPath, pathToFileURL } from 'node:url';

const root = resolve(dirname(fileURLToPath(import.meta.url)), '..', '..');
export const pagePath = process.env.TAVINEL_PAGE || join(root, 'build', 'web', 'tavinel.html');
export const pageUrl = pathToFileURL(pagePath).href;
export const qtRenderTool = process.env.TAVINEL_RENDER || join(root, 'build', 'default', 'tools', 'tavinel-render');
export const haveQtRenderTool = existsSync(qtRenderTool);

export async function launch() {
  return chromium.launch({
    executablePath: process.env.CHROMIUM || '/usr/bin/chromium',
    args: ['--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run', '--disable-background-networking',
      '--disable-component-update', '--disable-sync', '--autoplay-policy=no-user-gesture-required',
      '--font-render-hinting=none'],
  });
}

// A new page of the given viewport on the program, ready to be used.
export async function openPage(browser, { width = 800, height = 600, scale = 1, hash = '', touch = false, url = pageUrl, locale = 'en-US' } = {}) {
  const context = await browser.newContext({ viewport: { width, height }, deviceScaleFactor: scale, hasTouch: touch,
    acceptDownloads: true, locale });
  const page = await context.newPage();
  // A control a person could not press fails within seconds, not Playwright's half minute.
  page.setDefaultTimeout(5000);
  const errors = [];
  page.on('pageerror', (error) => errors.push(error));
  page.on('console', (message) => { if (message.type() === 'error') errors.push(new Error(message.text())); });
  await page.goto(url + hash);
  await page.waitForSelector('body[data-ready="true"]');
  page.errors = errors;
  page.touch = touch;
  return page;
}
