// The page's words are the desktop window's, byte for byte: every text the
// page takes from the desktop is a string of the window's sources (its
// numbers and names as %1, %2; a kind's name put before it as %1).
import assert from 'node:assert/strict';
import { readdirSync, readFileSync } from 'node:fs';
import path from 'node:path';
import { test } from 'node:test';
import * as esbuild from 'esbuild';
import { root } from './browser.mjs';

// every string of the C++ sources under folder, adjacent pieces joined
function sourceStrings(folder) {
  const strings = new Set();
  const files = (dir) => readdirSync(dir, { withFileTypes: true }).flatMap((e) =>
    e.isDirectory() ? files(path.join(dir, e.name)) : [path.join(dir, e.name)]);
  for (const file of files(folder)) {
    if (!/\.(cpp|h)$/.test(file)) continue;
    const source = readFileSync(file, 'utf8');
    for (const run of source.matchAll(/"(?:[^"\\\n]|\\.)*"(?:\s*"(?:[^"\\\n]|\\.)*")*/g)) {
      const pieces = run[0].match(/"(?:[^"\\\n]|\\.)*"/g);
      strings.add(pieces.map((p) => JSON.parse(p.replace(/\\'/g, "'"))).join(''));
    }
  }
  return strings;
}

async function pageTexts() {
  const built = await esbuild.build({
    entryPoints: [path.join(root, 'web/src/texts.ts')],
    bundle: true, format: 'esm', write: false,
  });
  const url = `data:text/javascript;base64,${Buffer.from(built.outputFiles[0].text).toString('base64')}`;
  return import(url);
}

// a text, or a function of texts called with placeholders
const asText = (value) =>
  typeof value === 'function' ? value(...['%1', '%2', '%3'].slice(0, value.length)) : value;

test('every text the page shares with the desktop is the desktop\'s', async () => {
  const desktop = sourceStrings(path.join(root, 'src/workspace'));
  const texts = await pageTexts();
  const shared = ['kWindow', 'kCommands', 'kTask', 'kFiles', 'kCursor'];
  const checked = [];
  for (const group of shared) {
    for (const [name, value] of Object.entries(texts[group])) {
      const text = asText(value);
      checked.push(name);
      assert.ok(desktop.has(text) || desktop.has(text.replace(/^%1/, '')),
        `${group}.${name}: «${text}» is no text of the desktop's`);
    }
  }
  for (const name of ['pupilsCountName', 'programsCountName']) {
    const text = asText(texts[name]).replace(/^%1/, '');
    assert.ok(desktop.has(text), `${name}: «${text}»`);
  }
  assert.ok(checked.length > 40, 'the page\'s texts were read');
});
