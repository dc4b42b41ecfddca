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

// From disk to the painted menu: the browser's own clock, from the start of the navigation
// to the first paint with content (nothing is shown before the menu), and Playwright's,
// which adds its own round trips.
const starts = [], walls = [];
for (let i = 0; i < 5; ++i) {
  const context = await browser.newContext({ viewport: { width: 800, height: 600 } });
  const page = await context.newPage();
  const started = Date.now();
  await page.goto(`file://${pagePath}`);
  await page.waitForSelector('body[data-ready="true"]');
  await page.evaluate(() => new Promise(requestAnimationFrame));
  walls.push(Date.now() - started);
  starts.push(await page.evaluate(() => new Promise((resolve) => {
    const painted = () => performance.getEntriesByName('first-contentful-paint')[0];
    const look = () => (painted() ? resolve(Math.round(painted().startTime)) : setTimeout(look, 10));
    look();
  })));
  await context.close();
}
console.log(`tavinel.html: ${statSync(pagePath).size} bytes; from disk to the painted menu: median ${median(starts)} ms of 5`
  + ` (first contentful paint; ${median(walls)} ms as Playwright sees it)`);

// The desktop benchmark's scenes, each reached by a click from another state (so every
// click redraws); only the clicks onto the scene are timed.
const scenes = [['am', 'optModulation50', 'optModulation100', 'AM 100 %'], ['ssb', 'Option7', 'Option8', 'SSB carrier off']];
const bench = join(process.cwd(), 'build', 'default', 'bench', 'tavinel_bench');
const haveBench = existsSync(bench);

async function pageClicks(page, away, onto) {
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
  return median(times);
}

function desktopRedraw(scene) {
  const out = execFileSync(bench, [`--benchmark_filter=^canvas/${scene}/`, '--benchmark_color=false', '--benchmark_min_time=0.1'],
    { env: { ...process.env, QT_QPA_PLATFORM: 'offscreen' }, encoding: 'utf8', stdio: ['ignore', 'pipe', 'ignore'] });
  const found = out.replace(/\x1b\[[0-9;]*m/g, '').match(/_median\s+([\d.]+) ms/); // without the colours
  if (!found) throw new Error(`no median in the benchmark's output for ${scene}`);
  return Number(found[1]);
}

// A shared machine's speed drifts over seconds: the page and the desktop are timed in
// turns, five rounds, and the ratio is the median of the rounds' ratios.
const rounds = haveBench ? 5 : 1;
for (const [link, away, onto, scene] of scenes) {
  const page = await openPage(browser, { width: 1200, height: 900, scale: 2, hash: `#${link}` });
  const size = await page.evaluate(() => `${window.tavinel.view.canvas.width} x ${window.tavinel.view.canvas.height}`);
  const pageTimes = [], desktopTimes = [], ratios = [];
  for (let round = 0; round < rounds; ++round) {
    pageTimes.push(await pageClicks(page, away, onto));
    if (!haveBench) continue;
    desktopTimes.push(desktopRedraw(scene));
    ratios.push(pageTimes[round] / desktopTimes[round]);
  }
  console.log(`${scene}: a click in the page at ${size}, median of 40: ${median([...pageTimes]).toFixed(2)} ms`
    + (rounds > 1 ? ` (rounds: ${pageTimes.map((t) => t.toFixed(2)).join(', ')})` : ''));
  if (haveBench) {
    console.log(`${scene}: the desktop canvas's redraw at 2400 x 1800, median of 9: ${median([...desktopTimes]).toFixed(2)} ms`
      + ` (rounds: ${desktopTimes.map((t) => t.toFixed(2)).join(', ')}); the page takes ${median([...ratios]).toFixed(2)} times as long`
      + ` (rounds: ${ratios.map((r) => r.toFixed(2)).join(', ')})`);
  }
  await page.context().close();
}
await browser.close();
if (!haveBench)
  console.log('(build the desktop benchmark for its figures: cmake --preset default -DTAVINEL_BENCH=ON && cmake --build --preset default)');
