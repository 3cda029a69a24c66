// What the page's accessibility, offline and layout tests and the benchmark
// share: a page opened with its own set-up, points entered on the canvas,
// the report read back, the visible controls measured, and a small static
// web server for the site's folder.
import { createReadStream, statSync } from 'node:fs';
import { createServer } from 'node:http';
import path from 'node:path';
import { singleFileUrl } from './browser.mjs';

// the keyboard cursor's first node and a square beside it (arrows move 20 units)
export const square = [[140, 120], [160, 120], [160, 140], [140, 140]];

// A fresh page of browser at url: viewport and before(page) set up before it
// loads, returned once it has booted.
export async function load(browser, { url = singleFileUrl, viewport = { width: 1366, height: 768 },
  before = async () => {} } = {}) {
  const page = await browser.newPage();
  await page.setViewport(viewport);
  await before(page);
  await page.goto(url);
  await page.waitForFunction(() => document.documentElement.dataset.ready === 'yes');
  return page;
}

// Points entered by pointer presses at their units of the canvas: taps on a
// touch screen, else mouse clicks.
export async function enterPoints(page, points, { touch = false } = {}) {
  await page.$eval('#picture', (c) => c.scrollIntoView({ block: 'center' }));
  for (const [x, y] of points) {
    const at = await page.$eval('#picture', (c, x, y) => {
      const r = c.getBoundingClientRect();
      const unit = r.width / 263;
      return { x: r.left + x * unit, y: r.top + y * unit };
    }, x, y);
    if (touch) await page.touchscreen.tap(at.x, at.y);
    else await page.mouse.click(at.x, at.y);
  }
}

// the points as the lists show them, [x, y] each
export const points = (page) => page.evaluate(() => {
  const [xs, ys] = ['list-x', 'list-y'].map((id) => [...document.getElementById(id).options]);
  return xs.map((x, row) => [Number(x.textContent), Number(ys[row].textContent)]);
});
export async function reportLines(page) {
  await page.waitForSelector('#report[data-complete="yes"]');
  return page.$$eval('#report [role=option]', (lines) => lines.map((line) => line.textContent));
}

// Every control a pupil can see and reach (native or by tabindex), with its box
// in CSS px of the viewport; the main ones must be among them.
export async function controls(page) {
  const found = await page.evaluate(() => [...document.querySelectorAll(
    'button, input, select, textarea, a[href], [tabindex]:not([tabindex="-1"])')]
    .filter((el) => el.getClientRects().length > 0 && getComputedStyle(el).visibility !== 'hidden')
    .map((el) => {
      const r = el.getBoundingClientRect();
      return { control: el.id ? `#${el.id}` : el.outerHTML.slice(0, 60),
        left: r.left, right: r.right, width: r.width, height: r.height };
    }));
  const missing = ['#canvas', '#draw', '#report', '#list-y', '#pupil-6', '#program-6']
    .filter((id) => !found.some((c) => c.control === id));
  if (missing.length) throw new Error(`controls not found: ${missing.join(' ')}`);
  return found;
}

const types = { '.html': 'text/html; charset=utf-8', '.js': 'text/javascript', '.mjs': 'text/javascript',
  '.wasm': 'application/wasm', '.webmanifest': 'application/manifest+json', '.json': 'application/json',
  '.css': 'text/css', '.png': 'image/png', '.svg': 'image/svg+xml', '.ico': 'image/x-icon' };

// dir served at http://127.0.0.1:<port>/ (index.html for a folder), nothing
// kept by the browser's HTTP cache unasked; close() stops it and drops its
// open connections.
export async function serve(dir) {
  const server = createServer((request, response) => {
    const name = decodeURIComponent(new URL(request.url, 'http://x').pathname);
    let file = path.join(dir, path.normalize(name));
    try {
      if (statSync(file).isDirectory()) file = path.join(file, 'index.html');
      statSync(file);
    } catch {
      response.writeHead(404, { 'Content-Type': 'text/plain' }).end('not found');
      return;
    }
    response.writeHead(200, { 'Content-Type': types[path.extname(file)] ?? 'application/octet-stream',
      'Cache-Control': 'no-cache' });
    createReadStream(file).pipe(response);
  });
  await new Promise((done) => server.listen(0, '127.0.0.1', done));
  return {
    url: `http://127.0.0.1:${server.address().port}/`,
    close: () => new Promise((done) => { server.close(done); server.closeAllConnections(); }),
  };
}
