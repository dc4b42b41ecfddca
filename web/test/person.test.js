// SPDX-License-Identifier: GPL-3.0-or-later
// The page as a person meets it: a pointer or a finger at the middle of each control, keys
// on the keyboard, and what the page then shows (the window that opened, the texts in the
// boxes, the message, the copied table), in English and in German, at 800 x 600 and on a
// phone.
import { test, before, after } from 'node:test';
import assert from 'node:assert/strict';
import { createServer } from 'node:http';
import { readFileSync } from 'node:fs';
import { launch, openPage, pagePath, pageUrl } from './browser.js';

let browser;
before(async () => { browser = await launch(); });
after(async () => { await browser?.close(); });

const Languages = {
  en: {
    query: '', am: 'Amplitude modulation', fm: 'Frequency modulation', ssb: 'Single sideband', exit: 'Exit',
    update: 'Update', startAgain: 'Start again', ended: 'Tavinel has ended.', menuHelp: 'Choose a demonstration',
    play: 'Play sound', stop: 'Stop sound', deviation: '2.5k', index: 'Modulation index 2.500', noSound: 'The sound cannot start',
  },
  de: {
    query: '?lang=de', am: 'Amplitudenmodulation', fm: 'Frequenzmodulation', ssb: 'Einseitenband', exit: 'Ende',
    update: 'Zeichnen', startAgain: 'Neu starten', ended: 'Tavinel ist beendet.', menuHelp: 'Wählen Sie eine Vorführung',
    play: 'Ton abspielen', stop: 'Ton anhalten', deviation: '2,5k', index: 'Modulationsindex 2,500', noSound: 'Der Ton kann nicht starten',
  },
};
const Screens = {
  '800 x 600': { width: 800, height: 600 },
  'a phone': { width: 390, height: 844, scale: 3, touch: true },
};
// Every language on every screen.
const everywhere = Object.entries(Languages).flatMap(([language, texts]) =>
  Object.entries(Screens).map(([screen, size]) => ({ what: `${language} on ${screen}`, texts, size })));

async function open(size, texts, hash = '') {
  return openPage(browser, { ...size, url: pageUrl + texts.query, hash });
}

// A press as a person makes it, at the middle of the control once Playwright has seen that
// nothing else there would take it: a tap on a touch screen, a click elsewhere.
async function press(page, locator) {
  if (page.touch) await locator.tap();
  else await locator.click();
}
const button = (page, name) => page.getByRole('button', { name, exact: true });

// The controls whose middle something else would take (a label's box, another control).
function coveredControls(page) {
  return page.evaluate(() => [...document.querySelectorAll('.window button, .window input')].filter((control) => {
    const box = control.getBoundingClientRect();
    const hit = document.elementFromPoint(box.left + box.width / 2, box.top + box.height / 2);
    return !(hit && (control.contains(hit) || [...(control.labels ?? [])].some((label) => label.contains(hit))));
  }).map((control) => control.id));
}

const windowName = (page) => page.locator('.window').getAttribute('id');
const focused = (page) => page.evaluate(() => document.activeElement?.id ?? '');

test('every control takes the pointer at its middle, and each menu button opens its window', async () => {
  for (const { what, texts, size } of everywhere) {
    for (const [link, name] of [['am', 'frmAMplot'], ['fm', 'frmFMplot'], ['ssb', 'frmSSBplot']]) {
      const page = await open(size, texts);
      assert.deepEqual(await coveredControls(page), [], `${what}: the menu's controls covered`);
      await press(page, button(page, texts[link]));
      assert.equal(await windowName(page), name, `${what}: ${texts[link]}`);
      assert.equal(await focused(page), 'cmdExit', `${what}: ${name} opens with the focus on Exit`);
      assert.deepEqual(await coveredControls(page), [], `${what}: ${name}'s controls covered`);
      assert.deepEqual(page.errors, []);
      await page.context().close();
    }
  }
});

test('FM\'s boxes show what was typed after Update, pressed or by Return', async () => {
  for (const { what, texts, size } of everywhere) {
    const page = await open(size, texts);
    await press(page, button(page, texts.fm));
    const boxes = ['#txtModulatingFrequency', '#txtPeakDeviation', '#txtPlotWidth', '#txtPlotBottom'];
    const shown = () => Promise.all(boxes.map((box) => page.inputValue(box)));
    const typeInto = async (box, text) => {
      await press(page, page.locator(box));
      // A tap places the caret once the browser knows it was no double tap; then all of the
      // box's text is chosen, and typed over.
      await page.waitForFunction((id) => document.activeElement?.id === id, box.slice(1));
      if (page.touch) await page.waitForTimeout(350);
      await page.keyboard.press('Control+a');
      await page.keyboard.type(text);
    };
    const redraws = () => page.evaluate(() => window.tavinel.page.plotRedraws());
    await typeInto(boxes[0], '1k');
    await typeInto(boxes[1], texts.deviation);
    await press(page, button(page, texts.update));
    assert.deepEqual(await shown(), ['1k', texts.deviation, '25k', '-60'], `${what}, after Update`);
    assert.equal(await redraws(), 1);
    await page.waitForFunction(() => document.getElementById('plot0-description').textContent !== '');
    assert.match(await page.textContent('#plot0-description'), new RegExp(texts.index), what);
    // Return in the box typed last: the others keep their texts too.
    await typeInto(boxes[2], '20k');
    await page.keyboard.press('Enter');
    assert.deepEqual(await shown(), ['1k', texts.deviation, '20k', '-60'], `${what}, after Return`);
    assert.equal(await redraws(), 2);
    // And the next Update reads what the boxes show.
    await press(page, button(page, texts.update));
    assert.equal(await redraws(), 3);
    assert.match(await page.textContent('#plot0-description'), new RegExp(texts.index), what);
    assert.deepEqual(page.errors, []);
    await page.context().close();
  }
});

test('Ctrl+Shift+C copies the spectrum\'s lines in every window and language', async () => {
  // The clipboard is the page's only where it is served: from a server of the test's own.
  const server = createServer((request, response) => {
    response.writeHead(200, { 'content-type': 'text/html; charset=utf-8' });
    response.end(readFileSync(pagePath));
  });
  await new Promise((resolve) => server.listen(0, '127.0.0.1', resolve));
  const origin = `http://127.0.0.1:${server.address().port}`;
  try {
    for (const { what, texts, size } of everywhere) {
      for (const [link, firstRow] of [['am', '-1000\t0.501187\t-6\t0.5\t-6.0206'], ['ssb', '-1000\t0.501187\t-6\t0.5\t-6.0206'],
        ['fm', '-12000\t0.00247664\t-52.1227\t0.00247664\t-52.1227']]) {
        const page = await openPage(browser, { ...size, url: `${origin}/tavinel.html${texts.query}` });
        await page.context().grantPermissions(['clipboard-read', 'clipboard-write'], { origin });
        await press(page, button(page, texts[link]));
        const clipboard = () => page.evaluate(() => navigator.clipboard.readText());
        await page.evaluate(() => navigator.clipboard.writeText('before'));
        if (link === 'fm') {
          // Nothing drawn yet: nothing to copy.
          await page.keyboard.press('Control+Shift+C');
          assert.equal(await clipboard(), 'before', `${what}: FM before Update`);
          await press(page, button(page, texts.update));
        }
        await page.keyboard.press('Control+Shift+C');
        await page.waitForFunction(() => navigator.clipboard.readText().then((text) => text !== 'before'), null, { timeout: 3000 });
        const rows = (await clipboard()).split('\n');
        assert.equal(rows[0], 'offset_hz\tamplitude\tlevel_db\texact_amplitude\texact_level_db', `${what}: ${link}`);
        assert.equal(rows[1], firstRow, `${what}: ${link}`);
        assert.deepEqual(page.errors, []);
        await page.context().close();
      }
    }
  } finally {
    server.close();
  }
});

test('Exit ends the program, and Start again, focused, starts it as the page opened it', async () => {
  for (const { what, texts, size } of everywhere) {
    const page = await open(size, texts);
    await press(page, button(page, texts.exit));
    await page.waitForSelector('.ended');
    assert.equal(await page.textContent('.ended h1'), texts.ended, what);
    assert.equal(await focused(page), 'start-again', what);
    assert.equal(await page.textContent('#start-again'), texts.startAgain, what);
    await page.keyboard.press('Enter');
    assert.equal(await windowName(page), 'frmOpening', `${what}: the menu again`);
    assert.equal(await focused(page), 'cmdExit');
    // Through a demonstration, and started again by the pointer.
    await press(page, button(page, texts.am));
    await press(page, button(page, texts.exit));
    await press(page, button(page, texts.startAgain));
    assert.equal(await windowName(page), 'frmOpening', `${what}: the menu after AM's Exit`);
    assert.deepEqual(page.errors, []);
    await page.context().close();
  }
  // A link's window comes again, as it came first.
  const page = await openPage(browser, { hash: '#fm' });
  await page.keyboard.press('Space');
  await page.click('#start-again');
  assert.equal(await windowName(page), 'frmFMplot');
  await page.context().close();
});

test('a group of option buttons takes the arrows, Home and End; F1 opens every window\'s help', async () => {
  for (const { what: language, texts, size } of everywhere) {
    const page = await open(size, texts);
    // Help in the menu: what the menu offers, and no plots to right-click.
    await page.keyboard.press('F1');
    await page.waitForSelector('#help[open]');
    const menuHelp = await page.textContent('#help-text');
    assert.match(menuHelp, new RegExp(texts.menuHelp), language);
    assert.doesNotMatch(menuHelp, /Ctrl\+Shift\+C/, language);
    await page.keyboard.press('Escape');
    await press(page, button(page, texts.am));
    const redraws = () => page.evaluate(() => window.tavinel.page.plotRedraws());
    await press(page, page.locator('#optModulation100'));
    const steps = [['ArrowRight', 'optModulation120'], ['ArrowLeft', 'optModulation100'], ['End', 'optModulation140'],
      ['Home', 'optModulation0'], ['ArrowLeft', 'optModulation0'], ['ArrowDown', 'optModulation10'], ['ArrowUp', 'optModulation0']];
    let drawn = await redraws();
    for (const [key, chosen] of steps) {
      const moved = chosen !== await focused(page);
      await page.keyboard.press(key);
      assert.equal(await focused(page), chosen, `${language}: ${key}`);
      assert.equal(await page.isChecked(`#${chosen}`), true, `${language}: ${key} chooses ${chosen}`);
      if (moved) assert.equal(await redraws(), ++drawn, `${language}: ${key} draws the plots again`);
    }
    await page.keyboard.press('F1');
    await page.waitForSelector('#help[open]');
    assert.match(await page.textContent('#help-text'), /Ctrl\+Shift\+C/, language);
    assert.deepEqual(page.errors, []);
    await page.context().close();
  }
});

test('a sound the browser cannot start says so, and Play is offered again', async () => {
  for (const { what: language, texts, size } of everywhere) {
    const context = await browser.newContext({ viewport: { width: size.width, height: size.height },
      deviceScaleFactor: size.scale ?? 1, hasTouch: size.touch ?? false });
    // As Firefox without an audio output: the context never leaves "suspended".
    await context.addInitScript(() => {
      Object.defineProperty(AudioContext.prototype, 'state', { get: () => 'suspended' });
      AudioContext.prototype.resume = () => new Promise(() => {});
    });
    const page = await context.newPage();
    await page.goto(`${pageUrl}${texts.query}#am`);
    await page.waitForSelector('body[data-ready="true"]');
    page.setDefaultTimeout(5000);
    await page.click('#plot0', { button: 'right' });
    await page.getByRole('menuitem', { name: texts.play }).click();
    await page.waitForSelector('#message[open]');
    assert.match(await page.textContent('#message-text'), new RegExp(texts.noSound), language);
    await page.keyboard.press('Enter');
    await page.click('#plot0', { button: 'right' });
    assert.equal(await page.getByRole('menuitem', { name: texts.play }).count(), 1, `${language}: Play again`);
    assert.equal(await page.getByRole('menuitem', { name: texts.stop }).count(), 0, `${language}: no Stop`);
    await context.close();
  }
});

test('before FM\'s first Update Tab passes its empty plot by; after it, the plot takes the focus', async () => {
  for (const { what, texts, size } of everywhere) {
    const page = await open(size, texts);
    await press(page, button(page, texts.fm));
    const walk = async () => {
      const ids = [];
      for (let i = 0; i < 8; ++i) { await page.keyboard.press('Tab'); ids.push(await focused(page)); }
      return ids;
    };
    assert.ok(!(await walk()).includes('plot0'), `${what}: the empty plot took the focus`);
    await press(page, button(page, texts.update));
    assert.ok((await walk()).includes('plot0'), `${what}: the drawn plot is not in the Tab order`);
    await page.context().close();
  }
});
