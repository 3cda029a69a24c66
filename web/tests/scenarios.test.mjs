// Every scenario file run on the session compiled for the browser, in
// Chromium: the same expectations hold as in the desktop's own build.
import assert from 'node:assert/strict';
import path from 'node:path';
import { after, before, test } from 'node:test';
import { pathToFileURL } from 'node:url';
import { buildWeb, launch } from './browser.mjs';
import { readScenario, scenarioNames } from './helpers.mjs';

const runnerUrl = pathToFileURL(path.join(buildWeb, 'wasm/web/plane-figures-scenarios.mjs')).href;
let browser, page;

before(async () => {
  browser = await launch();
  page = await browser.newPage();
  await page.goto(runnerUrl);
});
after(() => browser?.close());

// the faults the runner finds in a scenario's text
const faults = (text) =>
  page.evaluate(async (url, text) => {
    globalThis.scenarios ??= await (await import(url)).default();
    const found = globalThis.scenarios.runScenario(text);
    const out = Array.from({ length: found.size() }, (_, i) => found.get(i));
    found.delete();
    return out;
  }, runnerUrl, text);

for (const name of scenarioNames()) {
  test(name, async () => assert.deepEqual(await faults(readScenario(name)), []));
}

test('a wrong expectation is reported with its line', async () => {
  assert.deepEqual(await faults('click 33 47\nexpect points 40,40\n\nexpect points 20,20\n'), [
    'line 4: points: expected "20,20", was "40,40"',
  ]);
});
