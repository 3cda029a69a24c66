// Points entered on the page's canvas by mouse and by touch, then "Чертай":
// the report and the program's counts are those of the desktop program for
// the same points, byte for byte.
import assert from 'node:assert/strict';
import { after, before, test } from 'node:test';
import { launch, openPage } from './browser.mjs';
import { desktop, listed, pointsFile, reportText, tempDir, unitPosition, values } from './helpers.mjs';

// the label each kind's lines begin with, in the order of the count boxes;
// "Равнобедрен и правоъгълен " begins with "Равнобедрен " too: the longest wins
const labels = ['Равнобедрен ', 'Правоъгълен ', 'Равнобедрен и правоъгълен ',
  'Успоредник 2х2 успоредни страни - различни диагонали: ', 'Правоъгълник - равни диагонали: ',
  'Квадрат с равни страни: ', 'Ромб равни страни - различни диагонали: '];

function countsOf(report) {
  const counts = labels.map(() => 0);
  for (const line of report.split('\r\n')) {
    const kind = labels.reduce((best, label, k) =>
      line.startsWith(label) && (best < 0 || label.length > labels[best].length) ? k : best, -1);
    if (kind >= 0) counts[kind]++;
  }
  return counts.map((c) => (c ? String(c) : ''));
}

// seeded, so a failing set comes back the same (mulberry32)
function random(seed) {
  return () => {
    seed = (seed + 0x6d2b79f5) | 0;
    let t = Math.imul(seed ^ (seed >>> 15), 1 | seed);
    t = (t + Math.imul(t ^ (t >>> 7), 61 | t)) ^ t;
    return ((t ^ (t >>> 14)) >>> 0) / 2 ** 32;
  };
}
const next = random(20261210);
const pick = (n) => Math.floor(next() * n);

const sets = [{ name: 'lattice 3 × 5', points: [20, 40, 60].flatMap((x) => [20, 40, 60, 80, 100].map((y) => [x, y])) }];
for (let s = 1; sets.length <= 50; s++) {
  const nodes = new Map();
  for (const n = 3 + pick(13); nodes.size < n;) {
    const node = [20 * pick(14), 20 * pick(12)];
    nodes.set(node.join(), node);
  }
  sets.push({ name: `random set ${s}, ${nodes.size} points`, points: [...nodes.values()] });
}

let browser, page;
const dir = tempDir('report');
before(async () => {
  browser = await launch();
  page = await openPage(browser, undefined, { width: 1366, height: 768, hasTouch: true });
  page.on('dialog', (d) => d.accept());
});
after(() => browser?.close());

sets.forEach(({ name, points }, i) => {
  const by = i % 2 ? 'touch' : 'mouse';
  test(`${name} by ${by}`, async () => {
    const expected = desktop(['--report', pointsFile(dir, `set-${i}.pfig`, points)]);
    assert.equal(expected.status, 0, expected.stderr);
    await page.click('#clear');
    for (const [x, y] of points) {
      const at = await unitPosition(page, x, y);
      await (by === 'touch' ? page.touchscreen.tap(at.x, at.y) : page.mouse.click(at.x, at.y));
    }
    assert.deepEqual(await listed(page), points.map((p) => p.join()), 'the points entered');
    await page.click('#draw');
    assert.equal(await reportText(page), expected.stdout);
    assert.deepEqual(await values(page, 'program'), countsOf(expected.stdout));
  });
});
