// The page without a network: the single file opened from a disk asks for
// nothing beyond itself, and the site, once visited, works from its service
// worker's cache after the server has gone.
import assert from 'node:assert/strict';
import path from 'node:path';
import { after, before, test } from 'node:test';
import { buildWeb, launch } from './browser.mjs';
import { enterPoints, load, points, reportLines, serve, square } from './pagekit.mjs';

let browser;
before(async () => { browser = await launch(); });
after(() => browser?.close());

// The page works: a press on the canvas enters a point, "Чертай" reports the square.
async function works(page) {
  await enterPoints(page, square);
  assert.deepEqual(await points(page), square);
  await page.click('#draw');
  const lines = await reportLines(page);
  assert.equal(lines[0], 'Брой въведени точки: 4');
  assert.equal(lines.at(-1), 'Квадрат с равни страни: 0,1,2,3');
}

test('the single file from a disk asks for nothing but itself, and works', async () => {
  const refused = [];
  const errors = [];
  const page = await load(browser, {
    before: async (page) => {
      await page.setRequestInterception(true);
      page.on('request', (request) => {
        if (/^(file|data|blob):/.test(request.url())) request.continue();
        else { refused.push(request.url()); request.abort(); }
      });
      page.on('pageerror', (error) => errors.push(error.message));
      page.on('console', (message) => { if (message.type() === 'error') errors.push(message.text()); });
    },
  });
  await works(page);
  assert.deepEqual(refused, []);
  assert.deepEqual(errors, []);
});

test('the site, visited once, boots and works with its server gone', async () => {
  const server = await serve(path.join(buildWeb, 'site'));
  try {
    const page = await load(browser, { url: server.url });
    assert.ok(await page.evaluate(async () => {
      const registration = await navigator.serviceWorker.ready;
      return registration.active !== null;
    }), 'a service worker is active');
    await server.close();
    await page.reload();
    await page.waitForFunction(() => document.documentElement.dataset.ready === 'yes', { timeout: 10000 });
    assert.ok(await page.evaluate(() => navigator.serviceWorker.controller !== null),
      'the service worker serves the page');
    await works(page);
  } finally {
    await server.close();
  }
});
