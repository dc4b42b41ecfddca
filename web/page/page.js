// SPDX-License-Identifier: GPL-3.0-or-later
// Tavinel in a browser: the page hosts the program's windows (their models run in
// WebAssembly, TavinelPage) with the browser's own controls, draws each window's canvas
// from the pixels and texts the model drew, and gives the plots the desktop's context
// menu, shortcuts, readouts, help and sound.
'use strict';

const ProgramName = 'Tavinel';
const SansFace = '"Liberation Sans", Arial, sans-serif';
const SerifFace = '"Liberation Serif", "Times New Roman", serif';
// A link may open one demonstration: tavinel.html#am, #ssb or #fm.
const MenuButtonForLink = { am: 'cmdAMenter', ssb: 'cmdSSBenter', fm: 'cmdFMenter' };
// The keys an option button takes, by the model's names.
const OptionKeys = { ArrowUp: 'Up', ArrowDown: 'Down', ArrowLeft: 'Left', ArrowRight: 'Right', Home: 'Home', End: 'End', ' ': 'Space' };
const SoundRate = 48000;
const SoundFade = 0.01; // seconds of cross-fade between one sound and the next
// How long a sound may take to start: a browser without an audio output it can use leaves
// it waiting for ever (Firefox keeps the AudioContext suspended).
const SoundStartMilliseconds = 1500;

let core = null;
let page = null;

// ---- Language ---------------------------------------------------------------------

// ?lang=CODE, or the first of the browser's languages the program speaks; English otherwise.
function chooseLanguage() {
  const asked = new URLSearchParams(location.search).get('lang');
  const wanted = asked ? [asked] : navigator.languages?.length ? navigator.languages : [navigator.language || 'en'];
  const codes = Object.keys(Translations);
  for (const tag of wanted) {
    const name = tag.replace('-', '_').toLowerCase();
    const language = name.split('_')[0];
    if (language === 'en') return 'en';
    const code = codes.find((c) => c.toLowerCase() === name) ?? codes.find((c) => c.split('_')[0] === language);
    if (code) return code;
  }
  return 'en';
}

// The translations, from the desktop's files: for each language its decimal separator and
// its texts, "context\u0004text" to the translation.
const Translations = JSON.parse(document.getElementById('tavinel-translations').textContent);
const Language = chooseLanguage();
// English is the texts as written, with a decimal point.
const Translation = Translations[Language] ?? { decimalSeparator: '.', texts: {} };
// A text's translation into the page's language; empty where it has none.
function translationOf(context, text) {
  return Translation.texts[`${context}\u0004${text}`] || '';
}
// A text in the page's language (texts.js names them all).
function qsTranslate(context, text) {
  return translationOf(context, text) || text;
}
const Text = pageTexts();

// ---- Geometry -------------------------------------------------------------------

// CSS pixels per twip: the window's client area fills the browser's window, keeping its shape.
function cssPixelsPerTwip(design) {
  return Math.min(window.innerWidth / design.width, window.innerHeight / design.height);
}

// ---- The window on the page -------------------------------------------------------

class WindowView {
  constructor(design) {
    this.name = design.name;
    this.design = design;
    this.element = document.createElement('div');
    this.element.className = 'window';
    this.element.id = design.name;
    this.element.setAttribute('role', 'main');
    this.element.setAttribute('aria-label', design.caption || ProgramName);
    this.canvas = document.createElement('canvas');
    this.canvas.setAttribute('aria-hidden', 'true');
    this.element.append(this.canvas);
    this.context = this.canvas.getContext('2d', { alpha: false });
    this.controls = new Map();
    this.controlIndex = new Map(design.controls.map((control, i) => [control.name, i]));
    this.plots = [];
    this.pictureChanges = -1;
    this.plotRedraws = page.plotRedraws();
    this.buildControls();
    this.buildPlots();
    document.getElementById('stage').replaceChildren(this.element);
    this.layout();
  }

  buildControls() {
    const byName = new Map(this.design.controls.map((c) => [c.name, c]));
    const labelled = new Set(this.design.controls.filter((c) => c.labelFor).map((c) => c.labelFor));
    // Elements in the focus order first, so Tab walks them as on the desktop.
    const order = [...this.design.focusOrder, ...this.design.controls.map((c) => c.name)];
    const placed = new Set();
    for (const name of order) {
      const control = byName.get(name);
      if (!control || placed.has(name)) continue;
      if (control.kind === 'option' && !placed.has(control.frame)) {
        // An option stands in its frame: the frame comes first.
        const frame = byName.get(control.frame);
        if (frame) { this.addControl(frame); placed.add(frame.name); }
      }
      this.addControl(control, labelled.has(control.name));
      placed.add(name);
    }
  }

  addControl(control) {
    let element;
    let focusable;
    switch (control.kind) {
      case 'frame': {
        // A box with its caption over the top edge, as the desktop's group box.
        element = document.createElement('div');
        element.className = 'frame';
        element.setAttribute('role', 'radiogroup');
        const title = document.createElement('span');
        title.className = 'frame-title';
        title.id = `${control.name}-title`;
        element.append(title);
        element.setAttribute('aria-labelledby', title.id);
        break;
      }
      case 'option': {
        element = document.createElement('label');
        element.className = 'option';
        focusable = document.createElement('input');
        focusable.type = 'radio';
        focusable.name = control.frame;
        focusable.id = control.name;
        // The model chooses; the update after it shows its choice. (Cancelling the click
        // would make the browser undo that choice once the handler returns.)
        focusable.addEventListener('click', () => act(() => page.click(control.name)));
        focusable.addEventListener('keydown', (event) => {
          const key = OptionKeys[event.key];
          if (!key || event.ctrlKey || event.altKey || event.metaKey) return;
          event.preventDefault();
          act(() => page.key(control.name, key));
        });
        element.append(focusable, document.createElement('span'));
        break;
      }
      case 'button':
        element = focusable = document.createElement('button');
        element.type = 'button';
        element.id = control.name;
        element.addEventListener('click', () => act(() => page.click(control.name)));
        break;
      case 'textbox':
        element = focusable = document.createElement('input');
        element.type = 'text';
        element.id = control.name;
        element.spellcheck = false;
        element.autocomplete = 'off';
        element.addEventListener('input', () => page.type(control.name, element.value));
        element.addEventListener('keydown', (event) => {
          if (event.key !== 'Enter') return;
          event.preventDefault();
          act(() => { page.type(control.name, element.value); page.key(control.name, 'Return'); });
        });
        break;
      default:
        element = document.createElement(control.labelFor ? 'label' : 'div');
        if (control.labelFor) element.htmlFor = control.labelFor;
        element.id = control.name;
        element.classList.add('label');
    }
    element.classList.add('control');
    const parent = control.kind === 'option' ? this.controls.get(control.frame)?.element : this.element;
    (parent || this.element).append(element);
    this.controls.set(control.name, { element, focusable: focusable || null, control });
  }

  // The plots as images with names and descriptions, over the canvas: they take the focus
  // after the controls, open the context menu, and show readouts.
  buildPlots() {
    const panels = JSON.parse(page.panels());
    panels.forEach((panel, index) => {
      const element = document.createElement('div');
      element.className = 'plot';
      element.id = `plot${index}`;
      element.setAttribute('role', 'img');
      element.setAttribute('aria-label', panel.title || Text.lineSpectrum);
      const description = document.createElement('span');
      description.id = `plot${index}-description`;
      description.className = 'visually-hidden';
      element.setAttribute('aria-describedby', description.id);
      element.append(description);
      element.addEventListener('contextmenu', (event) => {
        event.preventDefault();
        openMenu(index, event.clientX, event.clientY, element);
      });
      element.addEventListener('keydown', (event) => {
        if (event.key === 'ContextMenu' || (event.shiftKey && event.key === 'F10')) {
          event.preventDefault();
          const box = element.getBoundingClientRect();
          openMenu(index, box.left + box.width / 2, box.top + box.height / 2, element);
        }
      });
      this.element.append(element);
      this.plots.push({ element, description, panel });
    });
    this.describePlots(false);
  }

  describePlots(announce) {
    const descriptions = page.descriptions();
    const said = [];
    this.plots.forEach((plot, index) => {
      const text = index < descriptions.size() ? descriptions.get(index) : '';
      plot.description.textContent = text;
      if (text) said.push(`${plot.panel.title || Text.lineSpectrum}: ${text}`);
    });
    descriptions.delete();
    if (announce && said.length) document.getElementById('announcer').textContent = said.join(' ');
  }

  // Places everything for the browser's window size and pixel ratio.
  layout() {
    const design = this.design;
    const scale = cssPixelsPerTwip(design);
    this.scale = scale;
    const ratio = window.devicePixelRatio || 1;
    page.setPixelsPerTwip(scale * ratio);
    this.element.style.width = `${design.width * scale}px`;
    this.element.style.height = `${design.height * scale}px`;
    this.element.style.fontFamily = SansFace;
    this.element.style.fontWeight = design.bold ? 'bold' : 'normal';
    // Menus, tooltips and dialogs in the window's own text size (195 twips, 9.75 points).
    document.documentElement.style.setProperty('--text-size', `${Math.max(12, 195 * scale)}px`);
    this.pictureChanges = -1;
    this.update();
  }

  // Shows the model's state: the controls given (all of them; after a click, the few that
  // changed), the plots' places and the picture.
  update(controls = (this.design = JSON.parse(page.design())).controls) {
    const scale = this.scale;
    const px = (twips) => `${twips * scale}px`;
    const setText = (node, text) => { if (node.textContent !== text) node.textContent = text; };
    for (const control of controls) {
      this.design.controls[this.controlIndex.get(control.name)] = control;
      const view = this.controls.get(control.name);
      if (!view) continue;
      const { element, focusable } = view;
      // A choice changes no control's place or look: those are set when they change.
      const look = `${control.left},${control.top},${control.width},${control.height},${control.points},${control.bold},`
        + `${control.serif},${control.align},${control.colour},${scale}`;
      if (view.look !== look) {
        view.look = look;
        element.style.left = px(control.left);
        element.style.top = px(control.top);
        element.style.width = px(control.width);
        element.style.height = px(control.height);
        element.style.fontSize = px(control.points * 20);
        element.style.fontWeight = control.bold ? 'bold' : 'normal';
        element.style.fontFamily = control.serif ? SerifFace : SansFace;
        element.style.textAlign = control.kind === 'button' ? 'center' : control.align;
        if (control.colour) element.style.color = control.colour;
      }
      if (control.kind === 'frame') {
        setText(element.firstChild, control.caption.trim());
      } else if (control.kind === 'option') {
        setText(element.lastChild, control.caption);
        focusable.disabled = !control.enabled;
        // Only the chosen option of a frame takes Tab, as in a browser's radio group.
      } else if (control.kind === 'textbox') {
        element.disabled = !control.enabled;
      } else if (control.kind === 'button') {
        setText(element, control.caption);
        element.disabled = !control.enabled;
      } else {
        setText(element, control.caption);
      }
    }
    for (const control of this.design.controls) {
      const { element, focusable } = this.controls.get(control.name) || {};
      // The browser checks an option before the model has chosen: always the model's choice.
      if (control.kind === 'option' && focusable && focusable.checked !== control.checked) focusable.checked = control.checked;
      if (control.kind === 'textbox' && element && element.value !== control.caption && document.activeElement !== element)
        element.value = control.caption;
    }
    const units = { x: this.design.width * scale / page.scaleWidth(), y: this.design.height * scale / page.scaleHeight() };
    for (const plot of this.plots) {
      const p = plot.panel;
      const place = `${p.left},${p.top},${p.right},${p.bottom},${units.x},${units.y}`;
      if (plot.place === place) continue;
      plot.place = place;
      Object.assign(plot.element.style, {
        left: `${p.left * units.x}px`, top: `${p.top * units.y}px`,
        width: `${(p.right - p.left) * units.x}px`, height: `${(p.bottom - p.top) * units.y}px`,
      });
    }
    // Only a plot that is drawn takes the focus (FM's before its first Update is not).
    const drawn = page.hasPlot();
    if (this.plotsDrawn !== drawn) {
      this.plotsDrawn = drawn;
      for (const plot of this.plots) {
        plot.element.tabIndex = drawn ? 0 : -1;
        plot.element.toggleAttribute('aria-hidden', !drawn);
      }
    }
    const redraws = page.plotRedraws();
    if (redraws !== this.plotRedraws) {
      this.plotRedraws = redraws;
      // Said politely, after the picture: off the click's way (clicks in a row, once).
      this.describing ||= setTimeout(() => {
        this.describing = null;
        if (view === this) this.describePlots(true);
      }, 0);
      sound.follow();
    }
    this.paint();
  }

  // The canvas: the model's pixels, then its texts in the program's face. After a change
  // only the parts that changed are drawn again: the boxes the model painted, and where a
  // text went or came.
  paint() {
    const changes = page.pictureChanges();
    if (changes === this.pictureChanges) return;
    const whole = this.pictureChanges === -1;
    this.pictureChanges = changes;
    const width = page.pictureWidth();
    const height = page.pictureHeight();
    const ratio = window.devicePixelRatio || 1;
    let resized = false;
    if (this.canvas.width !== width || this.canvas.height !== height) {
      this.canvas.width = width;
      this.canvas.height = height;
      resized = true;
    }
    if (whole || resized) {
      this.canvas.style.width = `${width / ratio}px`;
      this.canvas.style.height = `${height / ratio}px`;
    }
    const picture = page.picture();
    const painted = JSON.parse(page.paintedBoxes());
    // A redraw mostly prints the same texts again.
    const textsJson = page.texts();
    const sameTexts = textsJson === this.textsJson;
    const texts = sameTexts ? this.texts : JSON.parse(textsJson);
    this.textsJson = textsJson;
    const areas = new Areas();
    if (whole || resized || !this.texts) {
      areas.add(0, 0, width, height);
    } else {
      for (const [left, top, right, bottom] of painted) areas.add(left, top, right + 1, bottom + 1);
      if (!sameTexts) {
        // The texts that went and those that came.
        const before = new Set(this.texts.map(textKey));
        const after = new Set(texts.map(textKey));
        for (const text of this.texts) if (!after.has(textKey(text))) areas.addBox(textBox(this.context, text));
        for (const text of texts) if (!before.has(textKey(text))) areas.addBox(textBox(this.context, text));
      }
    }
    this.texts = texts;
    const boxes = areas.clipped(width, height);
    if (!boxes.length) return;
    // The program's own memory, those parts copied by putImageData.
    const pixels = new Uint8ClampedArray(picture.buffer, picture.byteOffset, picture.length);
    const image = new ImageData(pixels, width, height);
    const context = this.context;
    for (const box of boxes) context.putImageData(image, 0, 0, box.left, box.top, box.right - box.left, box.bottom - box.top);
    // The texts there, drawn within those parts only: beyond them they are still drawn.
    const meeting = texts.filter((text) => meetsAny(boxes, textBox(context, text)));
    if (!meeting.length) return;
    context.save();
    context.beginPath();
    for (const box of boxes) context.rect(box.left, box.top, box.right - box.left, box.bottom - box.top);
    context.clip();
    drawTexts(context, meeting);
    context.restore();
  }

  focus(name) {
    const view = this.controls.get(name);
    (view?.focusable || view?.element)?.focus({ focusVisible: true });
  }

  // A point of the window in its logical units, for a point on the screen.
  toLogical(clientX, clientY) {
    const box = this.element.getBoundingClientRect();
    return { x: (clientX - box.left) / box.width * page.scaleWidth(), y: (clientY - box.top) / box.height * page.scaleHeight() };
  }
}

function fontOf(text) {
  return `${text.bold ? 'bold ' : ''}${text.size}px "Liberation Sans"`;
}

// A few rectangles of device pixels, right and bottom edges open: a box added joins those
// it meets or touches (copied as one), and many are held as the one rectangle around them.
class Areas {
  constructor() { this.boxes = []; }
  add(left, top, right, bottom) {
    let grown = { left, top, right, bottom };
    for (let i = 0; i < this.boxes.length;) {
      const box = this.boxes[i];
      if (box.left <= grown.right && grown.left <= box.right && box.top <= grown.bottom && grown.top <= box.bottom) {
        grown = { left: Math.min(box.left, grown.left), top: Math.min(box.top, grown.top),
          right: Math.max(box.right, grown.right), bottom: Math.max(box.bottom, grown.bottom) };
        this.boxes.splice(i, 1);
        i = 0;
      } else {
        ++i;
      }
    }
    this.boxes.push(grown);
    if (this.boxes.length > 8) {
      const around = this.boxes.reduce((a, b) => ({ left: Math.min(a.left, b.left), top: Math.min(a.top, b.top),
        right: Math.max(a.right, b.right), bottom: Math.max(a.bottom, b.bottom) }));
      this.boxes = [around];
    }
  }
  addBox(box) { this.add(box.left, box.top, box.right, box.bottom); }
  // Within a canvas of that size, the empty ones left out.
  clipped(width, height) {
    return this.boxes.map((box) => ({ left: Math.max(0, box.left), top: Math.max(0, box.top),
      right: Math.min(width, box.right), bottom: Math.min(height, box.bottom) }))
      .filter((box) => box.left < box.right && box.top < box.bottom);
  }
}

const meets = (a, b) => a.left < b.right && a.right > b.left && a.top < b.bottom && a.bottom > b.top;
const meetsAny = (boxes, box) => boxes.some((b) => meets(b, box));

const textKey = (text) => `${text.left},${text.top},${text.size},${text.bold},${text.colour},${text.text}`;

// Per font: the ascent in whole pixels, and the boxes of the texts measured in it.
const fonts = new Map();
function fontMetrics(context, font) {
  let metrics = fonts.get(font);
  if (!metrics) {
    context.font = font;
    metrics = { ascent: Math.round(context.measureText('Hg').fontBoundingBoxAscent), boxes: new Map() };
    fonts.set(font, metrics);
  }
  return metrics;
}

// The pixels a text can touch, whole pixels with a margin for the smoothing, its top-left
// at (0, 0).
function textExtent(context, text) {
  const font = fontOf(text);
  const { ascent, boxes } = fontMetrics(context, font);
  let extent = boxes.get(text.text);
  if (!extent) {
    context.font = font;
    const m = context.measureText(text.text);
    extent = {
      left: Math.floor(Math.min(0, -m.actualBoundingBoxLeft)) - 2,
      top: Math.floor(Math.min(0, ascent - m.actualBoundingBoxAscent)) - 2,
      right: Math.ceil(Math.max(m.width, m.actualBoundingBoxRight)) + 2,
      bottom: Math.ceil(ascent + Math.max(m.fontBoundingBoxDescent, m.actualBoundingBoxDescent)) + 2,
    };
    if (boxes.size > 500) boxes.clear(); // typed numbers make new texts: keep a few
    boxes.set(text.text, extent);
  }
  return extent;
}

// Kept with the text: the page shows the same texts click after click.
function textBox(context, text) {
  if (text.box) return text.box;
  const e = textExtent(context, text);
  const left = Math.floor(text.left), top = Math.floor(text.top);
  text.box = { left: left + e.left, top: top + e.top, right: left + 1 + e.right, bottom: top + 1 + e.bottom };
  return text.box;
}

// The text's top-left at its place: its baseline one ascent (in whole pixels) lower.
function drawTexts(context, texts) {
  context.textBaseline = 'alphabetic';
  let font = null;
  for (const text of texts) {
    const wanted = fontOf(text);
    const { ascent } = fontMetrics(context, wanted);
    if (wanted !== font) context.font = font = wanted;
    context.fillStyle = text.colour;
    context.fillText(text.text, text.left, text.top + ascent);
  }
}

let view = null;
let messagesShown = 0;
const pendingMessages = [];

// Runs what the user did, then shows what changed.
function act(work) {
  hideTooltip();
  work();
  sync();
}

function sync() {
  for (const count = page.messageCount(); messagesShown < count; ++messagesShown) pendingMessages.push(page.message(messagesShown));
  if (page.ended()) {
    sound.stop();
    endProgram();
  } else {
    if (!view || view.name !== page.windowName()) {
      const design = JSON.parse(page.design());
      view = new WindowView(design);
      document.title = design.caption ? `${design.caption} – ${ProgramName}` : ProgramName;
    } else {
      view.update(JSON.parse(page.changedControls()));
    }
    const focus = page.takeFocus();
    if (focus) view.focus(focus);
  }
  showNextMessage();
}

// The program has ended: a page cannot close its tab, so it says so and offers to start
// the program again, with the focus there.
function endProgram() {
  if (document.querySelector('.ended')) return;
  view = null;
  closeMenu();
  hideTooltip();
  const ended = document.createElement('main');
  ended.className = 'ended';
  const again = Object.assign(document.createElement('button'), { type: 'button', id: 'start-again', textContent: Text.startAgain });
  again.addEventListener('click', () => startProgram());
  ended.append(Object.assign(document.createElement('h1'), { textContent: Text.ended }), again);
  document.getElementById('stage').replaceChildren(ended);
  document.title = Text.endedTitle.replace('%1', ProgramName);
  again.focus({ focusVisible: true });
}

// The program from its start, as the page opened it: the menu, or the window its link names.
function startProgram() {
  page?.delete();
  page = new core.Page((window.devicePixelRatio || 1) / 15);
  messagesShown = 0;
  pendingMessages.length = 0;
  page.start();
  sync();
  const link = MenuButtonForLink[location.hash.slice(1).toLowerCase()];
  if (link) act(() => page.click(link));
}

// ---- Messages and help ----------------------------------------------------------------

function showNextMessage() {
  const dialog = document.getElementById('message');
  if (dialog.open || !pendingMessages.length) return;
  document.getElementById('message-text').textContent = pendingMessages.shift();
  dialog.showModal();
  document.getElementById('message-ok').focus();
}

function showHelp() {
  if (!view) return;
  const keys = [`<p><b>${Text.keys}</b>`];
  if (view.plots.length) {
    keys.push(`<br>${Text.rightClick}`);
    for (const entry of menuEntries) if (entry.keys) keys.push(`<br>${entry.keys}: ${entry.label.replace('…', '')}`);
    keys.push(`<br>Ctrl+Shift+C: ${Text.copyLines}`);
  }
  keys.push(`<br>F11: ${Text.fullScreen}<br>${Text.closeHelpKey}</p>`);
  document.getElementById('help-text').innerHTML = page.help() + keys.join('');
  document.getElementById('help').showModal();
}

// ---- Readouts ---------------------------------------------------------------------------

function showTooltip(text, clientX, clientY) {
  const tooltip = document.getElementById('tooltip');
  tooltip.textContent = text;
  tooltip.hidden = false;
  const x = Math.min(clientX + 14, window.innerWidth - tooltip.offsetWidth - 4);
  const y = clientY + 20 + tooltip.offsetHeight > window.innerHeight ? clientY - tooltip.offsetHeight - 8 : clientY + 20;
  tooltip.style.left = `${Math.max(0, x)}px`;
  tooltip.style.top = `${Math.max(0, y)}px`;
}

function hideTooltip() {
  document.getElementById('tooltip').hidden = true;
}

function onPointerMove(event) {
  if (!view || !view.plots.length || event.pointerType === 'touch' || !document.getElementById('menu').hidden) return;
  const point = view.toLogical(event.clientX, event.clientY);
  const text = page.readout(point.x, point.y);
  if (text) showTooltip(text, event.clientX, event.clientY);
  else hideTooltip();
}

// ---- Files --------------------------------------------------------------------------------

function download(name, bytes, type) {
  const url = URL.createObjectURL(new Blob([bytes], { type }));
  const link = document.createElement('a');
  link.href = url;
  link.download = name;
  document.body.append(link);
  link.click();
  link.remove();
  setTimeout(() => URL.revokeObjectURL(url), 10000);
}

// The window's picture as the desktop saves it: the canvas with the controls drawn over it.
function windowPicture() {
  const canvas = document.createElement('canvas');
  canvas.width = view.canvas.width;
  canvas.height = view.canvas.height;
  const context = canvas.getContext('2d');
  context.drawImage(view.canvas, 0, 0);
  drawControls(context, canvas.width / view.element.clientWidth);
  return canvas;
}

const DisabledText = '#6b6b6b';

// The controls as they stand: frames, options and buttons with their captions.
function drawControls(context, scale) {
  const origin = view.element.getBoundingClientRect();
  context.save();
  context.scale(scale, scale);
  for (const { element, control } of view.controls.values()) {
    const box = element.getBoundingClientRect();
    const left = box.left - origin.left, top = box.top - origin.top;
    const style = getComputedStyle(element);
    context.font = `${style.fontWeight} ${style.fontSize} ${style.fontFamily}`;
    context.fillStyle = style.color;
    context.textBaseline = 'middle';
    if (control.kind === 'frame') {
      context.fillStyle = 'white';
      context.fillRect(left, top, box.width, box.height);
      context.strokeStyle = '#b0b0b0';
      const legend = element.firstChild.getBoundingClientRect(); // the caption
      context.strokeRect(left + 0.5, legend.top - origin.top + legend.height / 2, box.width - 1, box.bottom - legend.top - legend.height / 2 - 1);
      context.fillStyle = 'white';
      context.fillRect(legend.left - origin.left, legend.top - origin.top, legend.width, legend.height);
      context.fillStyle = 'black';
      context.font = `bold ${style.fontSize} ${style.fontFamily}`;
      context.fillText(element.firstChild.textContent, legend.left - origin.left + 2, legend.top - origin.top + legend.height / 2);
    } else if (control.kind === 'button') {
      framedBox(context, left, top, box.width, box.height, '#e0e0e0', '#8a8a8a');
      if (element.disabled) context.fillStyle = DisabledText;
      context.textAlign = 'center';
      context.fillText(element.textContent, left + box.width / 2, top + box.height / 2);
      context.textAlign = 'left';
    } else if (control.kind === 'option') {
      // As the option stands now: chosen or not, enabled or not.
      const input = element.firstChild;
      const radio = input.getBoundingClientRect();
      const r = radio.width / 2;
      context.strokeStyle = input.disabled ? '#c0c0c0' : '#767676';
      context.beginPath();
      context.arc(radio.left - origin.left + r, radio.top - origin.top + r, r - 0.5, 0, 2 * Math.PI);
      context.stroke();
      if (input.checked) {
        context.fillStyle = input.disabled ? '#a0a0a0' : 'black';
        context.beginPath();
        context.arc(radio.left - origin.left + r, radio.top - origin.top + r, r / 2, 0, 2 * Math.PI);
        context.fill();
      }
      context.fillStyle = input.disabled ? DisabledText : style.color;
      context.fillText(element.lastChild.textContent, radio.right - origin.left + r / 2, top + box.height / 2);
    } else if (control.kind === 'textbox') {
      framedBox(context, left, top, box.width, box.height, 'white', '#767676');
      context.fillText(element.value, left + 4, top + box.height / 2);
    } else if (element.textContent) {
      const align = control.align === 'center' ? 'center' : control.align === 'right' ? 'right' : 'left';
      context.textAlign = align;
      context.textBaseline = 'top';
      const x = align === 'center' ? left + box.width / 2 : align === 'right' ? left + box.width : left;
      context.fillText(element.textContent, x, top);
      context.textAlign = 'left';
    }
  }
  context.restore();
}

function framedBox(context, left, top, width, height, fill, edge) {
  context.fillStyle = fill;
  context.fillRect(left, top, width, height);
  context.strokeStyle = edge;
  context.strokeRect(left + 0.5, top + 0.5, width - 1, height - 1);
  context.fillStyle = 'black';
}

function pngBlob(canvas) {
  return new Promise((resolve) => canvas.toBlob(resolve, 'image/png'));
}

async function copyPicture() {
  const blob = await pngBlob(windowPicture());
  try {
    await navigator.clipboard.write([new ClipboardItem({ 'image/png': blob })]);
  } catch (error) {
    pendingMessages.push(Text.pictureNotCopied.replace('%1', error.message));
    showNextMessage();
  }
}

async function savePicture() {
  download(page.fileName('png'), await pngBlob(windowPicture()), 'image/png');
}

// The picture as SVG: the drawing as an image, its texts as text, in the program's face.
function pictureSvg() {
  const width = view.design.width / 15, height = view.design.height / 15; // the 800 x 600 display's pixels
  const scale = width / view.canvas.width;
  const plain = document.createElement('canvas');
  plain.width = view.canvas.width;
  plain.height = view.canvas.height;
  const picture = page.picture();
  const pixels = new Uint8ClampedArray(picture.buffer, picture.byteOffset, picture.length);
  plain.getContext('2d').putImageData(new ImageData(pixels, plain.width, plain.height), 0, 0);
  const escape = (s) => s.replace(/[&<>"]/g, (c) => ({ '&': '&amp;', '<': '&lt;', '>': '&gt;', '"': '&quot;' })[c]);
  const texts = view.texts.map((t) => `<text x="${t.left * scale}" y="${t.top * scale}" dominant-baseline="text-before-edge" font-family="Liberation Sans, Arial, sans-serif" font-size="${t.size * scale}"${t.bold ? ' font-weight="bold"' : ''} fill="${t.colour}">${escape(t.text)}</text>`);
  return `<?xml version="1.0" encoding="UTF-8"?>\n<svg xmlns="http://www.w3.org/2000/svg" width="${width}" height="${height}" viewBox="0 0 ${width} ${height}">\n`
    + `<title>${escape(`${ProgramName}: ${view.design.caption}`)}</title>\n`
    + `<image width="${width}" height="${height}" image-rendering="pixelated" href="${plain.toDataURL('image/png')}"/>\n${texts.join('\n')}\n</svg>\n`;
}

function saveSvg() {
  download(page.fileName('svg'), pictureSvg(), 'image/svg+xml');
}

async function copyData(panel) {
  try {
    await navigator.clipboard.writeText(page.table(panel, '\t'));
  } catch (error) {
    pendingMessages.push(Text.dataNotCopied.replace('%1', error.message));
    showNextMessage();
  }
}

function saveData(panel) {
  download(JSON.parse(page.panels())[panel].dataFile, page.table(panel, ','), 'text/csv');
}

// The first plot the window says is a spectrum, with its lines drawn now; -1 for none.
function firstSpectrum() {
  return JSON.parse(page.panels()).findIndex((panel) => panel.kind === 'spectrum' && panel.hasData);
}

function saveSound() {
  const bytes = new Uint8Array(page.wav());
  if (bytes.length) download(page.fileName('wav'), bytes, 'audio/wav');
}

// ---- Sound: one period from the program, looped, following every redraw -----------------

const sound = {
  context: null,
  playing: null, // { source, gain }
  starts: 0, // how often Play was chosen

  period() {
    return new Float32Array(page.soundPeriod());
  },

  // A looping source of one period, fading in.
  startPeriod(period) {
    const buffer = this.context.createBuffer(1, period.length, SoundRate);
    buffer.copyToChannel(period, 0);
    const source = this.context.createBufferSource();
    source.buffer = buffer;
    source.loop = true;
    const gain = this.context.createGain();
    const now = this.context.currentTime;
    gain.gain.setValueAtTime(0, now);
    gain.gain.linearRampToValueAtTime(1, now + SoundFade);
    source.connect(gain).connect(this.context.destination);
    source.start(now);
    return { source, gain };
  },

  fadeOut(playing) {
    const now = this.context.currentTime;
    playing.gain.gain.cancelScheduledValues(now);
    playing.gain.gain.setValueAtTime(playing.gain.gain.value, now);
    playing.gain.gain.linearRampToValueAtTime(0, now + SoundFade);
    playing.source.stop(now + SoundFade + 0.005);
  },

  play() {
    const period = this.period();
    if (!period.length) return;
    this.context ||= new AudioContext({ latencyHint: 'interactive' });
    this.playing = this.startPeriod(period);
    this.whenStarted(++this.starts);
  },

  // A sound that does not start within its time is stopped, and the page says why: Play
  // is offered again, not a Stop for a sound nobody hears.
  async whenStarted(start) {
    const context = this.context;
    const waited = new Promise((resolve) => setTimeout(resolve, SoundStartMilliseconds));
    await Promise.race([context.resume().catch(() => {}), waited]);
    if (context.state === 'running' || start !== this.starts || !this.playing) return;
    this.playing.source.stop();
    this.playing = null;
    pendingMessages.push(Text.soundCannotStart);
    showNextMessage();
  },

  stop() {
    if (!this.playing) return;
    this.fadeOut(this.playing);
    this.playing = null;
  },

  toggle() {
    if (this.playing) this.stop();
    else this.play();
  },

  // The settings changed: cross-fade to the new period.
  follow() {
    if (!this.playing) return;
    const period = this.period();
    this.fadeOut(this.playing);
    this.playing = period.length ? this.startPeriod(period) : null;
  },
};

// ---- The context menu -----------------------------------------------------------------------

const menuEntries = [
  { label: Text.copyPicture, keys: 'Ctrl+C', run: () => copyPicture() },
  { label: Text.savePicture, keys: 'Ctrl+S', run: () => savePicture() },
  { label: Text.saveSvg, run: () => saveSvg() },
  { label: Text.copyData, group: true, data: true, run: (panel) => copyData(panel) },
  { label: Text.saveData, data: true, run: (panel) => saveData(panel) },
  {
    get label() { return sound.playing ? Text.stopSound : Text.playSound; },
    keys: 'Ctrl+P', group: true, sound: true, run: () => sound.toggle(),
  },
  { label: Text.saveSound, sound: true, run: () => saveSound() },
];

let menuReturn = null;

function openMenu(panel, clientX, clientY, returnTo) {
  hideTooltip();
  const menu = document.getElementById('menu');
  const info = JSON.parse(page.panels())[panel];
  menu.replaceChildren();
  menu.setAttribute('aria-label', info.title);
  for (const entry of menuEntries) {
    if (entry.group) menu.append(Object.assign(document.createElement('hr'), { role: 'separator' }));
    const item = document.createElement('button');
    item.type = 'button';
    item.setAttribute('role', 'menuitem');
    item.tabIndex = -1;
    const label = document.createElement('span');
    label.textContent = entry.label;
    item.append(label);
    if (entry.keys) item.append(Object.assign(document.createElement('span'), { textContent: entry.keys }));
    item.disabled = (entry.data && !info.hasData) || (entry.sound && !page.hasPlot());
    item.addEventListener('click', () => {
      closeMenu();
      entry.run(panel);
    });
    menu.append(item);
  }
  menuReturn = returnTo;
  menu.hidden = false;
  menu.style.left = `${Math.max(0, Math.min(clientX, window.innerWidth - menu.offsetWidth))}px`;
  menu.style.top = `${Math.max(0, Math.min(clientY, window.innerHeight - menu.offsetHeight))}px`;
  menu.querySelector('button:not(:disabled)')?.focus();
}

function closeMenu() {
  const menu = document.getElementById('menu');
  if (menu.hidden) return;
  menu.hidden = true;
  menuReturn?.focus();
  menuReturn = null;
}

function onMenuKey(event) {
  const items = [...document.querySelectorAll('#menu button:not(:disabled)')];
  const at = items.indexOf(document.activeElement);
  if (event.key === 'Escape' || event.key === 'Tab') {
    event.preventDefault();
    closeMenu();
  } else if (event.key === 'ArrowDown' || event.key === 'ArrowUp') {
    event.preventDefault();
    const step = event.key === 'ArrowDown' ? 1 : items.length - 1;
    items[(at + step) % items.length]?.focus();
  } else if (event.key === 'Home' || event.key === 'End') {
    event.preventDefault();
    items[event.key === 'Home' ? 0 : items.length - 1]?.focus();
  }
}

// A touch held still for half a second opens the menu, as a right-click does.
function watchLongPress() {
  let timer = null;
  document.addEventListener('touchstart', (event) => {
    const plot = event.target.closest?.('.plot');
    if (!plot || event.touches.length !== 1) return;
    const touch = event.touches[0];
    timer = setTimeout(() => {
      timer = null;
      openMenu(Number(plot.id.slice(4)), touch.clientX, touch.clientY, plot);
    }, 500);
  }, { passive: true });
  const cancel = () => { clearTimeout(timer); timer = null; };
  document.addEventListener('touchend', cancel);
  document.addEventListener('touchmove', cancel, { passive: true });
}

// ---- Keys for the whole page ------------------------------------------------------------------

function onKey(event) {
  if (!document.getElementById('menu').hidden) {
    onMenuKey(event);
    return;
  }
  if (document.querySelector('dialog[open]')) return; // a dialog takes its own keys (Escape closes it)
  const ctrl = event.ctrlKey || event.metaKey;
  if (event.key === 'F11') {
    event.preventDefault();
    if (document.fullscreenElement) document.exitFullscreen();
    else document.documentElement.requestFullscreen?.().catch(() => {});
    return;
  }
  if (!view) return;
  if (event.key === 'F1') {
    event.preventDefault();
    showHelp();
    return;
  }
  if (!view.plots.length) return;
  const key = event.key.toLowerCase();
  if (ctrl && !event.shiftKey && key === 'c' && !window.getSelection()?.toString() && document.activeElement?.type !== 'text') {
    event.preventDefault();
    copyPicture();
  } else if (ctrl && event.shiftKey && key === 'c') {
    event.preventDefault();
    const panel = firstSpectrum();
    if (panel >= 0) copyData(panel);
  } else if (ctrl && key === 's') {
    event.preventDefault();
    savePicture();
  } else if (ctrl && key === 'p') {
    event.preventDefault();
    if (page.hasPlot()) sound.toggle();
  }
}

// ---- Start ----------------------------------------------------------------------------

// The WebAssembly is in the file gzipped (a third of its size, so the page opens sooner),
// as base64; the browser unpacks it.
async function wasmBytes() {
  const text = document.getElementById('tavinel-wasm').textContent.trim();
  const binary = atob(text);
  const packed = new Uint8Array(binary.length);
  for (let i = 0; i < binary.length; ++i) packed[i] = binary.charCodeAt(i);
  const unpacked = new Blob([packed]).stream().pipeThrough(new DecompressionStream('gzip'));
  return new Uint8Array(await new Response(unpacked).arrayBuffer());
}

async function start() {
  // The faces are unpacked while the WebAssembly compiles.
  const faces = Promise.all([...['normal', 'bold'].map((weight) => document.fonts.load(`${weight} 16px "Liberation Sans"`)),
    document.fonts.load('36px "Liberation Serif"')]);
  core = await TavinelPage({ wasmBinary: await wasmBytes() });
  // The windows' texts, and numbers with the language's decimal separator.
  core.useLanguage(Language === 'en' ? null : translationOf, Translation.decimalSeparator);
  document.documentElement.lang = Language.replace('_', '-');
  document.getElementById('help-title').textContent = Text.help.replace('%1', ProgramName);
  document.getElementById('help-close').textContent = Text.close;
  await faces;
  startProgram();
  document.addEventListener('keydown', onKey);
  document.addEventListener('pointermove', onPointerMove);
  document.addEventListener('pointerdown', (event) => {
    if (!event.target.closest('#menu')) closeMenu();
  });
  document.getElementById('message').addEventListener('close', () => showNextMessage());
  watchLongPress();
  window.addEventListener('resize', () => view?.layout());
  matchMedia(`(resolution: ${window.devicePixelRatio}dppx)`).addEventListener?.('change', () => view?.layout());
  document.body.dataset.ready = 'true';
}

// For the page's tests and benchmark: the program behind the page.
window.tavinel = { get page() { return page; }, get view() { return view; }, sound, pictureSvg };

start();
