// What the page's tests share: the desktop program as the measure of what the
// page must show, scenario files, and a pupil's hands on the page.
import { spawnSync } from 'node:child_process';
import { existsSync, mkdtempSync, readFileSync, readdirSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import path from 'node:path';
import { program, root } from './browser.mjs';
import { reportLines } from './pagekit.mjs';

export const scenarioDir = path.join(root, 'tests/session/scenarios');

// a fresh folder under the system's temporary one
export const tempDir = (name = 'files') => mkdtempSync(path.join(tmpdir(), `plane-figures-${name}-`));

// Qt warns on stderr without a runtime folder of its own
const desktopEnv = { ...process.env, XDG_RUNTIME_DIR: tempDir('xdg'), QT_QPA_PLATFORM: 'offscreen' };

// The desktop program run with args in folder cwd: its status, stdout and
// stderr (UTF-8).
export function desktop(args, cwd) {
  if (!existsSync(program))
    throw new Error(`${program} is missing: build the desktop program first (make web-check builds it)`);
  const run = spawnSync(program, args, { cwd, env: desktopEnv, encoding: 'utf8' });
  if (run.error) throw run.error;
  return { status: run.status, stdout: run.stdout, stderr: run.stderr };
}

// A .pfig file of points in dir; its path.
export function pointsFile(dir, name, points) {
  const file = path.join(dir, name);
  writeFileSync(file, ['# plane-figures points', ...points.map(([x, y]) => `${x} ${y}`)].join('\n') + '\n');
  return file;
}

export const scenarioNames = () => readdirSync(scenarioDir).filter((f) => f.endsWith('.scenario')).sort();
export const readScenario = (name) => readFileSync(path.join(scenarioDir, name), 'utf8');

// A scenario's steps: { words, rest, block } per action or expectation; a
// block (the lines up to ".", each ended with LF) follows "open" and the
// expectations of a text.
export function scenarioSteps(text) {
  const lines = text.split('\n').map((l) => l.replace(/\r$/, ''));
  const steps = [];
  for (let i = 0; i < lines.length; i++) {
    const line = lines[i].trim();
    if (line === '' || line.startsWith('#')) continue;
    const words = line.split(/ +/);
    const step = { words, rest: lines[i].replace(/^ *\S+ ?/, '') };
    if (words[0] === 'open' || (words[0] === 'expect' && ['report', 'reason', 'file'].includes(words[1]))) {
      const end = lines.indexOf('.', i + 1);
      step.block = lines.slice(i + 1, end).map((l) => l + '\n').join('');
      i = end;
    }
    steps.push(step);
  }
  return steps;
}

// --- the page -------------------------------------------------------------

// The CSS position of canvas unit (x, y) on #picture, half a unit right of
// and below it: a hand seldom lands on a node exactly.
export async function unitPosition(page, x, y) {
  const box = await page.$eval('#picture', (c) => {
    const r = c.getBoundingClientRect();
    return { left: r.left, top: r.top, unit: r.width / 263 };
  });
  return { x: box.left + (x + 0.5) * box.unit, y: box.top + (y + 0.5) * box.unit };
}

// the points as the lists show them, "x,y" each
export async function listed(page) {
  const [xs, ys] = await Promise.all(['#list-x', '#list-y'].map((list) =>
    page.$$eval(`${list} option`, (options) => options.map((o) => o.textContent.trim()))));
  return xs.map((x, i) => `${x},${ys[i]}`);
}

// the report's lines, each ended with CR LF as the desktop prints them
export const reportText = async (page) => (await reportLines(page)).map((line) => `${line}\r\n`).join('');

// the values of the seven count boxes #prefix-0..6
export const values = (page, prefix) =>
  page.$$eval(Array.from({ length: 7 }, (_, k) => `#${prefix}-${k}`).join(','), (boxes) => boxes.map((b) => b.value));

// Types text into the input sel as a pupil does: selects what is there, types, leaves.
export async function typeInto(page, sel, text) {
  await page.click(sel, { clickCount: 3 });
  await page.keyboard.press('Backspace');
  if (text) await page.type(sel, text);
  await page.keyboard.press('Tab');
}

// Opens bytes through the page's own file input, as a file named name; done
// once the page shows anything new (the points, a task, a message).
export async function openBytes(page, dir, name, bytes) {
  const file = path.join(dir, name);
  writeFileSync(file, bytes);
  const shown = "['#list-n', '#task', '#message'].map((s) => document.querySelector(s).outerHTML).join()";
  const before = await page.evaluate(shown);
  await (await page.$('#file')).uploadFile(file);
  await page.waitForFunction(`${shown} !== ${JSON.stringify(before)}`, { timeout: 5000 });
}
