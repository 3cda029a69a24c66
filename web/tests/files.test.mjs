// Files opened and saved on the page: a bad file is refused with the
// desktop's own words and leaves the work as it was; a pupil's task, worked
// on the page, is saved under the desktop's name with the desktop's bytes.
import assert from 'node:assert/strict';
import { readFileSync, writeFileSync, mkdirSync } from 'node:fs';
import path from 'node:path';
import { after, before, test } from 'node:test';
import { launch, openPage } from './browser.mjs';
import { desktop, listed, openBytes, readScenario, scenarioSteps, tempDir, typeInto, unitPosition } from './helpers.mjs';

const dir = tempDir('files');
const classSet = path.join(dir, 'class-set');
const pfig = (...lines) => ['# plane-figures points', ...lines, ''].join('\n');
let browser, page;

before(async () => {
  assert.equal(desktop(['--class-set', classSet, '--code', '42', '--variants', '3', '--points', '9']).status, 0);
  browser = await launch();
  await freshPage();
});
after(() => browser?.close());

// a page just opened, which says yes to its questions
async function freshPage() {
  page = await openPage(browser);
  page.on('dialog', (d) => d.accept());
}

async function click(x, y) {
  const at = await unitPosition(page, x, y);
  await page.mouse.click(at.x, at.y);
}

const badFiles = [
  { name: 'работни-листове.pdf', bytes: () => readFileSync(path.join(classSet, 'работни-листове.pdf')) },
  { name: 'шестнайсет.pfig', bytes: () => pfig(...Array.from({ length: 16 }, (_, i) => `${20 * (i % 8)} ${20 + 20 * (i >> 3)}`)) },
  { name: 'извън.pfig', bytes: () => pfig('20 20', '300 20') },
  { name: 'latin1.pfig', bytes: () => Buffer.concat([Buffer.from(pfig('20 20')), Buffer.from([0xe0, 0x20, 0x34, 0x30, 0x0a])]) },
];

for (const { name, bytes } of badFiles) {
  test(`${name} is refused and the work stays`, async () => {
    writeFileSync(path.join(dir, name), bytes());
    const desk = desktop(['--report', name], dir);
    assert.notEqual(desk.status, 0, 'the desktop refuses it too');
    const words = desk.stderr.trim().replace(/^plane-figures: /, '');
    await page.click('#clear');
    await click(40, 40);
    await click(80, 60);
    await openBytes(page, dir, name, bytes());
    assert.equal(await page.$eval('#message', (m) => m.textContent.trim()), words);
    assert.deepEqual(await listed(page), ['40,40', '80,60']);
    await click(120, 100);
    assert.deepEqual(await listed(page), ['40,40', '80,60', '120,100']);
  });
}

// The next download's name and bytes.
async function download(start) {
  const cdp = await browser.target().createCDPSession();
  const into = tempDir('download');
  await cdp.send('Browser.setDownloadBehavior', { behavior: 'allowAndName', downloadPath: into, eventsEnabled: true });
  let name;
  cdp.on('Browser.downloadWillBegin', (e) => (name = e.suggestedFilename));
  const done = new Promise((resolve, reject) => cdp.on('Browser.downloadProgress', (e) =>
    e.state === 'completed' ? resolve(e.guid) : e.state === 'canceled' && reject(new Error('download canceled'))));
  await start();
  const guid = await Promise.race([done, new Promise((_, r) => setTimeout(() => r(new Error('no download')), 5000))]);
  await cdp.detach();
  return { name, bytes: readFileSync(path.join(into, guid)) };
}

// a scenario's actions played on the page (its expectations are the native runner's)
const actions = {
  click: ({ words }) => click(+words[1], +words[2]),
  open: ({ block }) => openBytes(page, dir, 'вариант-01.pfig', block),
  type: ({ words, rest }) => typeInto(page, `#pupil-${words[1] - 1}`, rest.replace(/^\S+ ?/, '')),
  check: () => page.click('#check'),
  hint: () => page.click('#hint'),
  answers: () => page.click('#answers'),
  pupil: ({ rest }) => typeInto(page, '#task-pupil', rest),
};

test('a task from a class set, worked and saved on the page, is the desktop\'s file', async () => {
  const steps = scenarioSteps(readScenario('page-task-save.scenario'));
  const expected = (what) => steps.find((s) => s.words[0] === 'expect' && s.words[1] === what);
  const variant = readFileSync(path.join(classSet, 'вариант-01.pfig'), 'utf8');
  assert.equal(steps.find((s) => s.words[0] === 'open').block, variant, 'the scenario opens variant 1 of the class set');
  let saved;
  await freshPage();
  for (const step of steps) {
    if (step.words[0] === 'save') saved = await download(() => page.click('#save'));
    else if (step.words[0] !== 'expect') await actions[step.words[0]](step);
  }
  const ownFile = expected('own-file').rest.replace(/^own-file /, '');
  assert.equal(saved?.name, ownFile);
  assert.equal(saved.bytes.toString('utf8'), expected('file').block);
  const results = [saved.bytes, Buffer.from(expected('file').block)].map((bytes, i) => {
    const folder = path.join(dir, `class-${i}`);
    mkdirSync(folder);
    writeFileSync(path.join(folder, i ? ownFile : saved.name), bytes);
    return desktop(['--class-results', folder]);
  });
  assert.equal(results[0].status, 0, results[0].stderr);
  assert.match(results[0].stdout, /Мария Георгиева/);
  assert.equal(results[0].stdout, results[1].stdout);
});
