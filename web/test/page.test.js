// SPDX-License-Identifier: GPL-3.0-or-later
// The browser page in Chromium: the same figures as the desktop, its controls, keys,
// messages, files, sound and accessibility.
import { test, before, after } from 'node:test';
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { createServer } from 'node:http';
import { mkdtempSync, readFileSync, rmSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { AxeBuilder } from '@axe-core/playwright';
import { launch, openPage, pagePath, pageUrl, qtRenderTool, haveQtRenderTool } from './browser.js';

let browser;
let folder;
before(async () => {
  browser = await launch();
  folder = mkdtempSync(join(tmpdir(), 'tavinel-page-'));
});
after(async () => {
  await browser?.close();
  rmSync(folder, { recursive: true, force: true });
});

const windowOfLink = { am: 'frmAMplot', ssb: 'frmSSBplot', fm: 'frmFMplot' };

function qtOutput(option, window, steps, extra = []) {
  const file = join(folder, `out-${Math.random().toString(36).slice(2)}`);
  execFileSync(qtRenderTool, [option, file, ...extra, window, ...steps], { env: { ...process.env, QT_QPA_PLATFORM: 'offscreen' } });
  const bytes = readFileSync(file);
  rmSync(file);
  return bytes;
}

// Compares the window's canvas with a PNG of the desktop, leaving out the controls (the
// page's own elements) and the texts (the faces are the same, their smoothing is not):
// the pixels that differ there, and the share of equal pixels with the texts counted.
async function compareWithDesktop(page, png) {
  return page.evaluate(async (base64) => {
    const { view } = window.tavinel;
    const image = new Image();
    image.src = `data:image/png;base64,${base64}`;
    await image.decode();
    const { width, height } = view.canvas;
    if (image.width !== width || image.height !== height) return { size: `${image.width}x${image.height} vs ${width}x${height}` };
    const reference = Object.assign(document.createElement('canvas'), { width, height }).getContext('2d');
    reference.drawImage(image, 0, 0);
    const want = reference.getImageData(0, 0, width, height).data;
    const got = view.context.getImageData(0, 0, width, height).data;
    const ratio = width / view.element.getBoundingClientRect().width;
    const origin = view.element.getBoundingClientRect();
    const masked = new Uint8Array(width * height);
    const mask = (left, top, right, bottom) => {
      for (let y = Math.max(0, Math.floor(top)); y < Math.min(height, Math.ceil(bottom)); ++y)
        masked.fill(1, y * width + Math.max(0, Math.floor(left)), y * width + Math.min(width, Math.ceil(right)));
    };
    for (const { element } of view.controls.values()) {
      const box = element.getBoundingClientRect();
      mask((box.left - origin.left) * ratio - 2, (box.top - origin.top) * ratio - 2, (box.right - origin.left) * ratio + 2, (box.bottom - origin.top) * ratio + 2);
    }
    // The page's controls are its own elements, not the canvas's pixels.
    const controls = masked.slice();
    let drawn = 0;
    for (const m of controls) drawn += 1 - m;
    const context = view.context;
    for (const text of view.texts) {
      context.font = `${text.bold ? 'bold ' : ''}${text.size}px "Liberation Sans"`;
      const extent = context.measureText(text.text).width;
      mask(text.left - 2, text.top - 2, text.left + extent * 1.1 + 3, text.top + text.size * 1.25 + 2);
    }
    let outside = 0, differing = 0, first = null;
    for (let i = 0; i < width * height; ++i) {
      const same = got[4 * i] === want[4 * i] && got[4 * i + 1] === want[4 * i + 1] && got[4 * i + 2] === want[4 * i + 2];
      if (same || controls[i]) continue;
      ++differing;
      if (!masked[i]) { ++outside; first ??= `${i % width},${Math.floor(i / width)}`; }
    }
    return { outside, first, equalShare: 1 - differing / drawn };
  }, png.toString('base64'));
}

// Every option of the AM and SSB windows, each chosen after the ones before it, and the FM
// window after Update: the page's canvas against the desktop's picture.
test('every option gives the desktop picture, outside controls and texts', { skip: !haveQtRenderTool && 'no desktop render tool built' }, async () => {
  const cases = [];
  for (const link of ['am', 'ssb']) {
    const listing = qtOutput('--controls', link, []).toString();
    const options = listing.split('\n').map((line) => line.split(' ')).filter((f) => f[2] === 'option').map((f) => f[1]);
    cases.push({ link, steps: options.map((name) => `click:${name}`), sizes: [[800, 600, 1]] });
  }
  cases.push({ link: 'fm', steps: ['type:txtPeakDeviation=7.5k', 'click:cmdDisplay'], sizes: [[792, 566, 1]] });
  // At other sizes: the picture of --zoom at the same scale.
  cases.push({ link: 'am', steps: ['click:optLog', 'click:optModulation50'], sizes: [[1200, 900, 1], [800, 600, 2]] });
  let worst = 1;
  for (const { link, steps, sizes } of cases) {
    for (const [width, height, scale] of sizes) {
      const page = await openPage(browser, { width, height, scale, hash: `#${link}` });
      const done = [];
      for (let i = 0; i < steps.length; ++i) {
        const [kind, rest] = steps[i].split(/:(.*)/);
        // An option the window has disabled for now cannot be chosen.
        if (kind === 'click' && !(await page.isEnabled(`#${rest}`))) continue;
        done.push(steps[i]);
        if (kind === 'click') await page.click(`#${rest}`);
        else {
          const [name, text] = rest.split(/=(.*)/);
          await page.fill(`#${name}`, text);
        }
        const zoom = String(width / (link === 'fm' ? 792 : 800) * scale);
        const png = qtOutput('--png', link, done, ['--zoom', zoom]);
        const result = await compareWithDesktop(page, png);
        assert.equal(result.size, undefined, `${link} ${steps[i]} at ${width}x${height}@${scale}: ${result.size}`);
        assert.equal(result.outside, 0, `${link} after ${steps[i]} at ${width}x${height}@${scale}: ${result.outside} pixels differ, first at ${result.first}`);
        worst = Math.min(worst, result.equalShare);
      }
      assert.deepEqual(page.errors, []);
      await page.context().close();
    }
  }
  assert.ok(worst >= 0.99, `only ${(worst * 100).toFixed(2)} % of the pixels beside the controls are equal`);
  console.log(` the least share of equal pixels beside the controls: ${(worst * 100).toFixed(2)} %`);
});

// The languages: ?lang= or the browser's own, English by default; the captions, titles and
// descriptions are the desktop's in the same language, and so is the picture.
test('the page speaks ?lang= or the browser\'s language, with the desktop\'s texts and figures', { skip: !haveQtRenderTool && 'no desktop render tool built' }, async () => {
  const cases = [
    { how: '?lang=de', options: { url: `${pageUrl}?lang=de` }, code: 'de', comma: true },
    { how: 'a French browser', options: { locale: 'fr-FR' }, code: 'fr', comma: true },
    { how: 'a Spanish browser', options: { locale: 'es-MX' }, code: 'es', comma: true },
    { how: 'a Portuguese browser', options: { locale: 'pt-PT' }, code: 'pt_BR', comma: true },
    { how: '?lang=en in a German browser', options: { locale: 'de-DE', url: `${pageUrl}?lang=en` }, code: 'en', comma: false },
    { how: 'a Japanese browser', options: { locale: 'ja-JP' }, code: 'en', comma: false },
  ];
  const steps = ['click:optModulation50'];
  for (const { how, options, code, comma } of cases) {
    const page = await openPage(browser, { ...options, hash: '#am' });
    await page.click('#optModulation50');
    const listing = qtOutput('--controls', 'am', steps, ['--lang', code]).toString();
    for (const line of listing.split('\n').filter((l) => / (option|frame|button) /.test(l))) {
      const name = line.split(' ')[1];
      const caption = JSON.parse(line.slice(line.indexOf('"')));
      const shown = await page.evaluate((id) => {
        const element = document.getElementById(id) ?? document.getElementById(`${id}-title`);
        return (element.labels?.[0] ?? element).textContent;
      }, name);
      assert.equal(shown.trim(), caption.trim(), `${how}: ${name}`);
    }
    assert.equal(await page.evaluate(() => document.documentElement.lang), code.replace('_', '-'), how);
    const description = await page.evaluate(() => document.querySelector('[aria-describedby]') && document.getElementById(
      document.querySelectorAll('[aria-describedby]')[1].getAttribute('aria-describedby')).textContent);
    assert.equal(/\d,\d/.test(description), comma, `${how}: ${description}`);
    const result = await compareWithDesktop(page, qtOutput('--png', 'am', steps, ['--lang', code]));
    assert.equal(result.outside, 0, `${how}: ${result.outside} pixels differ, first at ${result.first}`);
    assert.deepEqual(page.errors, []);
    await page.context().close();
  }
});

// After a click the page draws again only what changed: the canvas must then be what
// drawing it all afresh gives, texts and all, pixel for pixel.
async function differsFromWholeRepaint(page) {
  return page.evaluate(() => {
    const { view } = window.tavinel;
    const { width, height } = view.canvas;
    const drawn = view.context.getImageData(0, 0, width, height).data;
    view.pictureChanges = -1;
    view.paint();
    const whole = view.context.getImageData(0, 0, width, height).data;
    for (let i = 0; i < drawn.length; ++i)
      if (drawn[i] !== whole[i]) return `${(i >> 2) % width},${Math.floor((i >> 2) / width)}`;
    return null;
  });
}

test('a click draws again what changed, the same as drawing it all afresh', async () => {
  const cases = [
    { link: 'am', steps: ['optModulation140', 'optClipperOn', 'optLog', 'optModulation0', 'Option2', 'optAudio3000', 'optModulation50', 'optLinear'], scale: 2 },
    { link: 'ssb', steps: ['optUpper', 'Option1', 'Option5', 'optLower', 'Option10', 'optAudio2000', 'Option8'], scale: 1 },
  ];
  for (const { link, steps, scale } of cases) {
    const page = await openPage(browser, { width: 800, height: 600, scale, hash: `#${link}` });
    for (const name of steps) {
      if (!(await page.isEnabled(`#${name}`))) continue;
      await page.click(`#${name}`);
      assert.equal(await differsFromWholeRepaint(page), null, `${link} after ${name}: first differing pixel`);
    }
    assert.deepEqual(page.errors, []);
    await page.context().close();
  }
  // FM: typed values change the plot's texts.
  const page = await openPage(browser, { width: 792, height: 566, hash: '#fm' });
  for (const [frequency, deviation] of [['1k', '7.5k'], ['3k', '2,5k'], ['500', '12k']]) {
    await page.fill('#txtModulatingFrequency', frequency);
    await page.fill('#txtPeakDeviation', deviation);
    await page.click('#cmdDisplay');
    assert.equal(await differsFromWholeRepaint(page), null, `FM at ${frequency} Hz, ${deviation} Hz: first differing pixel`);
  }
  assert.deepEqual(page.errors, []);
  await page.context().close();
});

// A click redraws all three AM panels; the level scale beside the spectrum is cleared and
// printed again the same, and the spectrum's grid is drawn again the same, only its
// sidebands lower: the page copies what changed and leaves the scale's figures and most
// of the spectrum as they are drawn.
test('a click copies what it changed, not the unchanged scale and grid', async () => {
  const page = await openPage(browser, { hash: '#am' });
  const { boxes, figures, panels } = await page.evaluate(() => {
    const { page: core, view } = window.tavinel;
    const copied = [];
    const paintedBoxes = core.paintedBoxes;
    core.paintedBoxes = function () { const json = paintedBoxes.call(this); copied.push(json); return json; };
    document.getElementById('optModulation50').click();
    const boxes = JSON.parse(copied.at(-1)).map(([left, top, right, bottom]) => ({ left, top, right, bottom }));
    const units = core.pictureWidth() / core.scaleWidth();
    const panels = JSON.parse(core.panels()).map((p) => ({ left: p.left * units, top: p.top * units, right: p.right * units, bottom: p.bottom * units }));
    const figures = view.texts.filter((text) => /^(1\.0|\.\d|0)$/.test(text.text) && text.left > panels[1].right);
    return { boxes, figures, panels };
  });
  assert.equal(figures.length, 11, 'the level scale\'s figures 0 to 1.0');
  for (const figure of figures)
    assert.ok(boxes.every((box) => box.right < figure.left || box.left > figure.left + 1), `copied over the figure ${figure.text}`);
  const meets = (a, b) => a.left < b.right && a.right > b.left && a.top < b.bottom && a.bottom > b.top;
  for (const panel of panels) assert.ok(boxes.some((box) => meets(box, panel)), `nothing copied of the panel at ${panel.left}`);
  const spectrum = boxes.filter((box) => meets(box, panels[1]));
  const copiedWidth = spectrum.reduce((sum, box) => sum + box.right - box.left + 1, 0);
  assert.ok(copiedWidth < (panels[1].right - panels[1].left) / 2, `${copiedWidth} pixels of the spectrum's width copied`);
  assert.equal(await differsFromWholeRepaint(page), null);
  assert.deepEqual(page.errors, []);
  await page.context().close();
});

// The picture Save picture writes shows the controls as they stand after the clicks.
test('a saved picture shows the options as they are chosen and enabled now', async () => {
  const page = await openPage(browser, { hash: '#ssb' });
  await page.click('#optLower'); // the unwanted-sideband options are disabled in single sideband
  const [download] = await Promise.all([page.waitForEvent('download'), page.keyboard.press('Control+s')]);
  const file = join(folder, 'window.png');
  await download.saveAs(file);
  const looks = await page.evaluate(async (base64) => {
    const image = new Image();
    image.src = `data:image/png;base64,${base64}`;
    await image.decode();
    const context = Object.assign(document.createElement('canvas'), { width: image.width, height: image.height }).getContext('2d');
    context.drawImage(image, 0, 0);
    const origin = window.tavinel.view.element.getBoundingClientRect();
    const ratio = image.width / origin.width;
    // The darkest pixel within the marker of an option, and within its caption.
    const darkest = (box) => {
      const data = context.getImageData(Math.round((box.left - origin.left) * ratio), Math.round((box.top - origin.top) * ratio),
        Math.max(1, Math.round(box.width * ratio)), Math.max(1, Math.round(box.height * ratio))).data;
      let least = 255;
      for (let i = 0; i < data.length; i += 4) least = Math.min(least, data[i]);
      return least;
    };
    const centre = (id) => {
      const box = document.getElementById(id).getBoundingClientRect();
      return { left: box.left + box.width / 3, top: box.top + box.height / 3, width: box.width / 3, height: box.height / 3 };
    };
    const caption = (id) => document.getElementById(id).parentElement.lastChild.getBoundingClientRect();
    return { lower: darkest(centre('optLower')), double: darkest(centre('optDouble')), option9: darkest(caption('Option9')),
      option1: darkest(caption('Option1')) };
  }, readFileSync(file).toString('base64'));
  assert.ok(looks.lower < 80, `the chosen option's marker is filled: ${looks.lower}`);
  assert.ok(looks.double > 200, `the option left is empty: ${looks.double}`);
  assert.ok(looks.option9 > 80 && looks.option1 < 60, `a disabled caption is grey (${looks.option9}), an enabled one black (${looks.option1})`);
  assert.deepEqual(page.errors, []);
  await page.context().close();
});

test('a link opens its demonstration; Exit ends the program and says how to start it again', async () => {
  for (const [link, name] of Object.entries(windowOfLink)) {
    const page = await openPage(browser, { hash: `#${link}` });
    assert.equal(await page.locator('.window').getAttribute('id'), name);
    assert.equal(await page.locator(`#${name} canvas`).count(), 1);
    // The window opens with the focus on Exit, and shows it.
    assert.equal(await page.evaluate(() => document.activeElement.id), 'cmdExit');
    assert.equal(await page.evaluate(() => document.activeElement.matches(':focus-visible')), true);
    await page.keyboard.press('Space');
    await page.waitForSelector('.ended');
    assert.match(await page.textContent('.ended'), /Tavinel has ended\..*Start again/s);
    await page.context().close();
  }
  const menu = await openPage(browser);
  assert.equal(await menu.locator('.window').getAttribute('id'), 'frmOpening');
  await menu.click('#cmdSSBenter');
  assert.equal(await menu.locator('.window').getAttribute('id'), 'frmSSBplot');
  await menu.context().close();
});

test('FM: typed values, Update by click and by Return, and its messages in a dialog', async () => {
  const page = await openPage(browser, { width: 792, height: 566, hash: '#fm' });
  const drawn = () => page.evaluate(() => window.tavinel.page.plotRedraws());
  const before = await drawn();
  await page.fill('#txtModulatingFrequency', '1k');
  await page.click('#cmdDisplay');
  assert.equal(await drawn(), before + 1);
  await page.fill('#txtPeakDeviation', '2,5k');
  await page.press('#txtPeakDeviation', 'Enter');
  assert.equal(await drawn(), before + 2);
  assert.match(await page.getAttribute('#plot0', 'aria-label'), /.+/);
  await page.waitForFunction(() => document.getElementById('plot0-description').textContent !== '');
  assert.match(await page.textContent('#plot0-description'), /Modulation index 2\.500/);
  // The labels name their boxes.
  assert.equal(await page.getByLabel('Peak deviation (Hz):').getAttribute('id'), 'txtPeakDeviation');
  // A value the window refuses: its message, titled Tavinel, closed from the keyboard.
  await page.fill('#txtPlotWidth', 'wide');
  await page.press('#txtPlotWidth', 'Enter');
  await page.waitForSelector('#message[open]');
  assert.equal(await page.textContent('#message-title'), 'Tavinel');
  const said = await page.evaluate(() => { const { page } = window.tavinel; return page.message(page.messageCount() - 1); });
  assert.equal(await page.textContent('#message-text'), said);
  await page.keyboard.press('Enter');
  assert.equal(await page.locator('#message[open]').count(), 0);
  assert.equal(await drawn(), before + 2);
  // The index limit's message in its eight lines, as the desktop's message box shows it.
  await page.fill('#txtPlotWidth', '25k');
  await page.fill('#txtPeakDeviation', '60k');
  await page.click('#cmdDisplay');
  await page.waitForSelector('#message[open]');
  assert.equal((await page.innerText('#message-text')).split('\n').length, 8);
  await page.keyboard.press('Escape');
  assert.deepEqual(page.errors, []);
  await page.context().close();
});

test('the keyboard: Tab order, arrows within a frame, F1 help, F11', async () => {
  const page = await openPage(browser, { hash: '#am' });
  const focused = () => page.evaluate(() => document.activeElement.id);
  assert.equal(await focused(), 'cmdExit');
  await page.keyboard.press('Shift+Tab');
  await page.keyboard.press('Tab');
  assert.equal(await focused(), 'cmdExit');
  // Into the frames: each radio group takes Tab at its chosen option.
  const walk = [];
  for (let i = 0; i < 6; ++i) { await page.keyboard.press('Tab'); walk.push(await focused()); }
  assert.ok(walk.includes('optAudio1000') && walk.includes('optLinear'), walk.join(' '));
  await page.focus('#optLinear');
  const before = await page.evaluate(() => window.tavinel.page.plotRedraws());
  await page.keyboard.press('ArrowDown');
  assert.equal(await focused(), 'optLog');
  assert.equal(await page.isChecked('#optLog'), true);
  assert.equal(await page.evaluate(() => window.tavinel.page.plotRedraws()), before + 1);
  await page.keyboard.press('F1');
  await page.waitForSelector('#help[open]');
  assert.match(await page.textContent('#help-text'), /Keys/);
  await page.keyboard.press('Escape');
  assert.equal(await page.locator('#help[open]').count(), 0);
  await page.keyboard.press('F11');
  await page.waitForFunction(() => document.fullscreenElement !== null);
  assert.deepEqual(page.errors, []);
  await page.context().close();
});

test('the context menu saves the desktop\'s files, and the sound played is the program\'s period', { skip: !haveQtRenderTool && 'no desktop render tool built' }, async () => {
  const page = await openPage(browser, { hash: '#am' });
  await page.click('#optModulation50');
  // A click chooses the option, and the choice stays shown.
  assert.equal(await page.isChecked('#optModulation50'), true);
  assert.equal(await page.isChecked('#optModulation100'), false);
  const steps = ['click:optModulation50'];
  const save = async (entry) => {
    const [download] = await Promise.all([page.waitForEvent('download'), page.getByRole('menuitem', { name: entry }).click()]);
    const file = join(folder, download.suggestedFilename());
    await download.saveAs(file);
    return { name: download.suggestedFilename(), bytes: readFileSync(file) };
  };
  // The spectrum's menu from the keyboard: focus the plot, then Shift+F10.
  await page.focus('#plot1');
  await page.keyboard.press('Shift+F10');
  await page.waitForSelector('#menu:not([hidden])');
  const csv = await save('Save data…');
  assert.match(csv.name, /^tavinel-am-.*-lines\.csv$/);
  assert.deepEqual(csv.bytes, qtOutput('--lines-csv', 'am', steps));
  await page.click('#plot0', { button: 'right' });
  const wav = await save('Save sound…');
  assert.match(wav.name, /^tavinel-am-.*\.wav$/);
  assert.deepEqual(wav.bytes, qtOutput('--wav', 'am', steps));
  await page.click('#plot0', { button: 'right' });
  const png = await save('Save picture…');
  assert.match(png.name, /\.png$/);
  assert.deepEqual([...png.bytes.subarray(1, 4)].map((c) => String.fromCharCode(c)).join(''), 'PNG');
  await page.click('#plot0', { button: 'right' });
  const svg = await save('Save picture as SVG…');
  assert.match(svg.bytes.toString(), /<text [^>]*>Transmitted signal spectrum<\/text>/);
  // What the loop plays, rendered without a sound card: the period over and over.
  const check = await page.evaluate(async () => {
    const period = new Float32Array(window.tavinel.page.soundPeriod());
    const context = new OfflineAudioContext(1, period.length * 3, 48000);
    const buffer = context.createBuffer(1, period.length, 48000);
    buffer.copyToChannel(period, 0);
    const source = context.createBufferSource();
    Object.assign(source, { buffer, loop: true });
    source.connect(context.destination);
    source.start();
    const played = (await context.startRendering()).getChannelData(0);
    let worst = 0;
    for (let i = 0; i < played.length; ++i) worst = Math.max(worst, Math.abs(played[i] - period[i % period.length]));
    return { length: period.length, worst };
  });
  assert.ok(check.length > 0);
  assert.equal(check.worst, 0);
  // Play from the menu, then it says Stop.
  await page.click('#plot0', { button: 'right' });
  await page.getByRole('menuitem', { name: 'Play sound' }).click();
  await page.click('#plot0', { button: 'right' });
  assert.equal(await page.getByRole('menuitem', { name: 'Stop sound' }).count(), 1);
  await page.keyboard.press('Escape');
  assert.deepEqual(page.errors, []);
  await page.context().close();
});

test('a touch held on a plot opens its menu; a readout shows over a line', async () => {
  const page = await openPage(browser, { hash: '#am', touch: true });
  const box = await page.locator('#plot1').boundingBox();
  const cdp = await page.context().newCDPSession(page);
  const point = { x: box.x + box.width / 2, y: box.y + box.height / 2 };
  await cdp.send('Input.dispatchTouchEvent', { type: 'touchStart', touchPoints: [point] });
  await page.waitForSelector('#menu:not([hidden])', { timeout: 3000 });
  await cdp.send('Input.dispatchTouchEvent', { type: 'touchEnd', touchPoints: [] });
  await page.context().close();
  const mouse = await openPage(browser, { hash: '#am' });
  // Over the carrier: the middle of the spectrum panel.
  const spectrum = await mouse.locator('#plot1').boundingBox();
  await mouse.mouse.move(spectrum.x + spectrum.width / 2, spectrum.y + spectrum.height / 2);
  await mouse.waitForSelector('#tooltip:not([hidden])');
  const text = await mouse.textContent('#tooltip');
  const core = await mouse.evaluate(() => {
    const { view, page } = window.tavinel;
    const p = view.plots[1].panel;
    return page.readout((p.left + p.right) / 2, (p.top + p.bottom) / 2);
  });
  assert.equal(text, core);
  assert.match(text, /dB/);
  await mouse.context().close();
});

test('opened from disk, the page asks the network for nothing, and its policy forbids it', async () => {
  const requests = [];
  const context = await browser.newContext();
  context.on('request', (request) => requests.push(request.url()));
  const page = await context.newPage();
  const { pageUrl } = await import('./browser.js');
  await page.goto(`${pageUrl}#am`);
  await page.waitForSelector('body[data-ready="true"]');
  await page.click('#optLog');
  assert.deepEqual(requests.filter((url) => !url.startsWith('file:')), []);
  assert.equal(requests.length, 1);
  const policy = await page.getAttribute('meta[http-equiv="Content-Security-Policy"]', 'content');
  assert.match(policy, /default-src 'none'/);
  assert.match(policy, /connect-src 'none'/);
  assert.doesNotMatch(policy, /'unsafe-eval'|'unsafe-inline'/);
  // A fetch is refused by the policy.
  assert.equal(await page.evaluate(() => fetch('https://example.org/').then(() => 'fetched', () => 'refused')), 'refused');
  await context.close();
  assert.ok(readFileSync(pagePath).length < 1.5e6, 'the page is under 1.5 MB');
});

test('served by a web server, the page works the same and asks for nothing more', async () => {
  const server = createServer((request, response) => {
    response.writeHead(200, { 'content-type': 'text/html; charset=utf-8' });
    response.end(readFileSync(pagePath));
  });
  await new Promise((resolve) => server.listen(0, '127.0.0.1', resolve));
  try {
    const url = `http://127.0.0.1:${server.address().port}/tavinel.html`;
    const requests = [];
    const page = await openPage(browser, { url, hash: '#ssb' });
    page.on('request', (request) => requests.push(request.url()));
    assert.equal(await page.locator('.window').getAttribute('id'), 'frmSSBplot');
    await page.click('#optLower');
    assert.equal(await page.isChecked('#optLower'), true);
    assert.deepEqual(requests, []);
    assert.deepEqual(page.errors, []);
    await page.context().close();
  } finally {
    server.close();
  }
});

test('axe-core finds no WCAG 2 A or AA violation in any window, the dialogs or the menu', async () => {
  const check = async (page, what) => {
    const results = await new AxeBuilder({ page }).withTags(['wcag2a', 'wcag2aa', 'wcag21a', 'wcag21aa']).analyze();
    assert.deepEqual(results.violations.map((v) => `${what}: ${v.id} ${v.nodes.map((n) => n.target).join(' ')}`), []);
  };
  for (const link of ['', '#am', '#ssb', '#fm']) {
    const page = await openPage(browser, { hash: link });
    await check(page, link || 'menu');
    if (link === '#fm') {
      await page.fill('#txtPlotWidth', 'wide');
      await page.press('#txtPlotWidth', 'Enter');
      await page.waitForSelector('#message[open]');
      await check(page, 'message');
    } else if (link) {
      await page.keyboard.press('F1');
      await check(page, 'help');
      await page.keyboard.press('Escape');
      await page.click('#plot0', { button: 'right' });
      await check(page, 'context menu');
    }
    await page.context().close();
  }
});
