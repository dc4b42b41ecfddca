// SPDX-License-Identifier: GPL-3.0-or-later
// The browser page's own figures: how long the page takes from disk to its painted menu,
// and a click's redraw at 2400 x 1800 device pixels (a 1200 x 900 window at a pixel ratio
// of 2) from the click event to the canvas drawn, median of 40, beside the desktop canvas's
// redraw of the same states (the project's benchmark, build/default/bench/tavinel_bench,
// run in the same process tree on the same machine) when it is built.
//
//   node web/bench/page-bench.mjs
import { execFileSync } from 'node:child_process';
import { existsSync, statSync } from 'node:fs';
import { join } from 'node:path';
import { launch, openPage, pagePath } from '../test/browser.js';

const median = (values) => values.sort((a, b) => a - b)[values.length >> 1];
const browser = await launch();

const starts = [];
for (let i = 0; i < 5; ++i) {
  const context = await browser.newContext({ viewport: { width: 800, height: 600 } });
  const page = await context.newPage();
  const started = Date.now();
  await page.goto(`file://${pagePath}`);
  await page.waitForSelector('body[data-ready="true"]');
  await page.evaluate(() => new Promise(requestAnimationFrame));
  starts.push(Date.now() - started);
  await context.close();
}
console.log(`tavinel.html: ${statSync(pagePath).size} bytes; from disk to the painted menu: median ${median(starts)} ms of 5`);

// Each state alternates with another, so every click redraws.
const scenes = [['am', 'optLog', 'optLinear'], ['ssb', 'optLower', 'optUpper']];
for (const [link, a, b] of scenes) {
  const page = await openPage(browser, { width: 1200, height: 900, scale: 2, hash: `#${link}` });
  const times = await page.evaluate(async ([first, second]) => {
    const result = [];
    for (let i = 0; i < 40; ++i) {
      const name = i % 2 ? second : first;
      const started = performance.now();
      document.getElementById(name).click();
      window.tavinel.view.context.getImageData(0, 0, 1, 1); // the canvas drawn
      result.push(performance.now() - started);
      await new Promise(requestAnimationFrame);
    }
    return result;
  }, [a, b]);
  const size = await page.evaluate(() => `${window.tavinel.view.canvas.width} x ${window.tavinel.view.canvas.height}`);
  console.log(`${link} click in the page at ${size}: median ${median(times).toFixed(2)} ms of 40`);
  await page.context().close();
}
await browser.close();

const bench = join(process.cwd(), 'build', 'default', 'bench', 'tavinel_bench');
if (existsSync(bench)) {
  const out = execFileSync(bench, ['--benchmark_filter=canvas', '--benchmark_repetitions=5', '--benchmark_report_aggregates_only=true'],
    { env: { ...process.env, QT_QPA_PLATFORM: 'offscreen' }, encoding: 'utf8' });
  console.log('the desktop canvas (2400 x 1800):');
  console.log(out.split('\n').filter((line) => /median/.test(line)).join('\n'));
}
