// SPDX-License-Identifier: GPL-3.0-or-later
// Puts the browser page together: one file, tavinel.html, holding its style, its fonts
// (WOFF2), the program (JavaScript and its WebAssembly) and the page's script, with a
// Content-Security-Policy that lets it fetch nothing at all.
//
//   node build-page.mjs OUT.html CORE.js CORE.wasm FONTS_DIR TRANSLATIONS_DIR
import { createHash } from 'node:crypto';
import { readFileSync, writeFileSync, renameSync } from 'node:fs';
import { dirname, join } from 'node:path';
import { fileURLToPath } from 'node:url';
import { gzipSync } from 'node:zlib';
import { readTranslations } from './translations.mjs';

const here = dirname(fileURLToPath(import.meta.url));
const [out, coreJs, coreWasm, fontsDir, translationsDir] = process.argv.slice(2);
if (!translationsDir) {
  console.error('usage: node build-page.mjs OUT.html CORE.js CORE.wasm FONTS_DIR TRANSLATIONS_DIR');
  process.exit(2);
}

const faces = [
  ['Liberation Sans', 'normal', 'LiberationSans-Regular.woff2'],
  ['Liberation Sans', 'bold', 'LiberationSans-Bold.woff2'],
  ['Liberation Serif', 'normal', 'LiberationSerif-Regular.woff2'],
  ['Liberation Serif', 'bold', 'LiberationSerif-Bold.woff2'],
];
const fonts = faces.map(([family, weight, file]) => `@font-face { font-family: "${family}"; font-weight: ${weight}; `
  + `src: url(data:font/woff2;base64,${readFileSync(join(fontsDir, file)).toString('base64')}) format("woff2"); }`).join('\n');

const translations = readTranslations(translationsDir);

// Inline text may not close its element early.
const safeScript = (text) => text.replace(/<\/script/gi, '<\\/script');
const core = safeScript(readFileSync(coreJs, 'utf8'));
const script = safeScript(['page.js', 'texts.js'].map((file) => readFileSync(join(here, file), 'utf8')).join('\n'));
const style = readFileSync(join(here, 'page.css'), 'utf8');
const sha = (text) => `'sha256-${createHash('sha256').update(text).digest('base64')}'`;

// The inline scripts and style are allowed by their hashes; WebAssembly may compile;
// fonts and pictures come only from inside the page (data: and blob: addresses).
const coreText = `\n${core}\n`, pageText = `\n${script}\n`, styleText = `\n${fonts}\n${style}\n`;
const csp = ["default-src 'none'", `script-src ${sha(coreText)} ${sha(pageText)} 'wasm-unsafe-eval'`,
  `style-src ${sha(styleText)}`, 'font-src data:', 'img-src data: blob:', 'media-src blob:',
  "connect-src 'none'", "form-action 'none'", "base-uri 'none'", "object-src 'none'"].join('; ');

const template = readFileSync(join(here, 'tavinel.html'), 'utf8');
const parts = { '@CSP@': csp, '@FONTS@\n@STYLE@': styleText.slice(1, -1), '@WASM@': gzipSync(readFileSync(coreWasm), { level: 9 }).toString('base64'),
  '@TRANSLATIONS@': safeScript(JSON.stringify(translations)), '@CORE@': core, '@PAGE@': script };
let html = template;
for (const [mark, text] of Object.entries(parts)) {
  if (!html.includes(mark)) throw new Error(`the page's template has no ${mark}`);
  html = html.replace(mark, () => text);
}
writeFileSync(`${out}.part`, html);
renameSync(`${out}.part`, out);
console.log(`${out}: ${html.length} bytes`);
