// The page's pictures for the README, made from the built page in Chromium:
// the pupil's clicks of docs/window.png and "Чертай", then the last report
// line chosen, at a tablet's size and a phone's.
// Usage: node web/screenshot.mjs [output folder]
import path from 'node:path';
import { launch, openPage, root } from './tests/browser.mjs';

const out = path.resolve(process.argv[2] ?? path.join(root, 'docs'));
const points = [[20, 20], [60, 20], [100, 20], [20, 60], [60, 60], [100, 60], [180, 140]];
const sizes = [
  { name: 'web-tablet.png', viewport: { width: 768, height: 1024, hasTouch: true, isMobile: true } },
  { name: 'web-phone.png', viewport: { width: 360, height: 740, hasTouch: true, isMobile: true } },
];

const browser = await launch();
try {
  for (const { name, viewport } of sizes) {
    const page = await openPage(browser, undefined, viewport);
    const box = await (await page.$('#picture')).boundingBox();
    const unit = box.width / 263;
    for (const [x, y] of points) await page.touchscreen.tap(box.x + x * unit, box.y + y * unit);
    await page.tap('#draw');
    const last = await page.$$eval('#report [role="option"]', (lines) => lines.length - 1);
    await page.tap(`#report-line-${last}`);
    await page.evaluate(() => new Promise(requestAnimationFrame));
    await page.screenshot({ path: path.join(out, name), fullPage: true });
    console.log(path.relative(root, path.join(out, name)));
    await page.close();
  }
} finally {
  await browser.close();
}
