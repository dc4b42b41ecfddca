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

// The desktop benchmark's scenes, each reached by a click from another state (so every
// click redraws); only the clicks onto the scene are timed.
const scenes = [['am', 'optModulation50', 'optModulation100', 'AM 100 %'], ['ssb', 'Option7', 'Option8', 'SSB carrier off']];
const pageTimes = {};
for (const [link, away, onto, scene] of scenes) {
  const page = await openPage(browser, { width: 1200, height: 900, scale: 2, hash: `#${link}` });
  const times = await page.evaluate(async ([first, second]) => {
    const result = [];
    for (let i = 0; i < 80; ++i) {
      const name = i % 2 ? second : first;
      const started = performance.now();
      document.getElementById(name).click();
      window.tavinel.view.context.getImageData(0, 0, 1, 1); // the canvas drawn
      if (name === second) result.push(performance.now() - started);
      await new Promise(requestAnimationFrame);
    }
    return result;
  }, [away, onto]);
  const size = await page.evaluate(() => `${window.tavinel.view.canvas.width} x ${window.tavinel.view.canvas.height}`);
  pageTimes[scene] = median(times);
  console.log(`${scene}: a click in the page at ${size}, median of 40: ${pageTimes[scene].toFixed(2)} ms`);
  await page.context().close();
}
await browser.close();

const bench = join(process.cwd(), 'build', 'default', 'bench', 'tavinel_bench');
if (existsSync(bench)) {
  for (const scene of Object.keys(pageTimes)) {
    const out = execFileSync(bench, [`--benchmark_filter=^canvas/${scene}/`, '--benchmark_color=false'],
      { env: { ...process.env, QT_QPA_PLATFORM: 'offscreen' }, encoding: 'utf8', stdio: ['ignore', 'pipe', 'ignore'] });
    const found = out.replace(/\x1b\[[0-9;]*m/g, '').match(/_median\s+([\d.]+) ms/); // without the colours
    if (!found) throw new Error(`no median in the benchmark's output for ${scene}`);
    const desktop = Number(found[1]);
    console.log(`${scene}: the desktop canvas's redraw at 2400 x 1800, median of 9: ${desktop.toFixed(2)} ms; the page takes ${(pageTimes[scene] / desktop).toFixed(2)} times as long`);
  }
} else {
  console.log('(build the desktop benchmark for its figures: cmake --preset default -DTAVINEL_BENCH=ON && cmake --build --preset default)');
}
