// The page on a phone, a tablet and a laptop: nothing wider than the screen,
// the whole canvas in view across, a press on it entering the node pressed,
// and on the tablet a canvas large enough to press its nodes. Each size
// leaves a full-page screenshot in build-web/shots/.
import assert from 'node:assert/strict';
import { mkdirSync } from 'node:fs';
import path from 'node:path';
import { after, before, test } from 'node:test';
import { buildWeb, launch } from './browser.mjs';
import { controls, enterPoints, load, points, square } from './pagekit.mjs';

const shots = path.join(buildWeb, 'shots');
// [viewport, least width of the canvas in CSS px]
const sizes = [
  [{ width: 360, height: 740, isMobile: true, hasTouch: true, deviceScaleFactor: 2 }, 0],
  [{ width: 768, height: 1024, isMobile: true, hasTouch: true }, 2 * 263],
  [{ width: 1366, height: 768 }, 0],
];

let browser;
before(async () => { browser = await launch(); mkdirSync(shots, { recursive: true }); });
after(() => browser?.close());

for (const [viewport, leastCanvas] of sizes) {
  test(`${viewport.width} × ${viewport.height}: nothing wider than the screen`, async () => {
    const page = await load(browser, { viewport });
    const entered = [...square, [200, 60]];
    await enterPoints(page, entered, { touch: viewport.hasTouch });
    await (viewport.hasTouch ? page.tap('#draw') : page.click('#draw'));
    await page.evaluate(() => window.scrollTo(0, 0));
    await page.screenshot({ path: path.join(shots, `${viewport.width}x${viewport.height}.png`), fullPage: true });

    assert.deepEqual(await points(page), entered, 'each press enters its own node');
    const view = await page.evaluate(() => ({ inner: innerWidth, scroll: document.documentElement.scrollWidth }));
    assert.equal(view.inner, viewport.width, 'the page lays out at the screen\'s own width');
    assert.ok(view.scroll <= view.inner, `scrollWidth ${view.scroll} fits in ${view.inner}`);
    const canvas = await page.$eval('#picture', (c) => c.getBoundingClientRect().toJSON());
    assert.ok(canvas.left >= 0 && canvas.right <= view.inner, `canvas ${canvas.left}..${canvas.right}`);
    assert.ok(canvas.width >= leastCanvas, `canvas ${canvas.width} px wide, at least ${leastCanvas}`);
    const outside = (await controls(page)).filter((c) => c.left < 0 || c.right > view.inner + 0.5)
      .map((c) => `${c.control} ${c.left.toFixed(1)}..${c.right.toFixed(1)}`);
    assert.deepEqual(outside, []);
  });
}
