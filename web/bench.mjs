// The page's size and speed in headless Chromium, printed as a table:
//   size      the single offline file in bytes
//   ready     from the navigation's start to data-ready="yes" (median of fresh loads)
//   draw      a click on "Чертай" with 15 points, the CPU slowed 4 times, until
//             the report's first lines are laid out and the canvas drawn again
//             (median); and until the rest of its lines are in the box
//   analysis  the analysis of the same 15 points and its report text, timed
//             inside the wasm module, against the native benchmark's
//             AnalysisAlone (the same work); and report() called from the page
// make web-bench builds both sides and runs it; by hand, after `make web`:
// FIGURES_BENCH=<figures_bench of make bench> node web/bench.mjs (without it,
// build-bench/bench/figures_bench, or the wasm side alone).
import { execFileSync } from 'node:child_process';
import { existsSync, statSync } from 'node:fs';
import path from 'node:path';
import { buildWeb, launch, root, singleFileUrl } from './tests/browser.mjs';
import { load, points, serve } from './tests/pagekit.mjs';

const loads = 15;
const draws = 25;
// the native benchmark's lattice: five columns x 40..120, three rows y 40..80
const lattice = [0, 1, 2].flatMap((row) => [0, 1, 2, 3, 4].map((column) => [40 + 20 * column, 40 + 20 * row]));
const median = (values) => {
  const s = [...values].sort((a, b) => a - b);
  const m = s.length >> 1;
  return s.length % 2 ? s[m] : (s[m - 1] + s[m]) / 2;
};

// from the navigation's start to the moment the page says it is ready
async function readyTime(browser) {
  const context = await browser.createBrowserContext();
  const page = await context.newPage();
  await page.evaluateOnNewDocument(() => {
    new MutationObserver((_, observer) => {
      if (document.documentElement?.dataset.ready !== 'yes') return;
      window.readyAt = performance.now();
      observer.disconnect();
    }).observe(document, { attributes: true, attributeFilter: ['data-ready'], subtree: true });
  });
  await page.goto(singleFileUrl);
  await page.waitForFunction(() => window.readyAt !== undefined);
  const [at, mark] = await page.evaluate(() =>
    [window.readyAt, performance.getEntriesByName('plane-figures-ready')[0]?.startTime]);
  await context.close();
  return { at, mark };
}

// "Чертай" clicked draws times, each time timed from the click until the
// report is laid out and the canvas drawn again. Before each click the last
// point is deleted, the 14 drawn and the point brought back ("Отмени"), so
// that every timed click analyses the 15 points and writes their report anew.
async function drawTimes(browser) {
  const hash = lattice.map(([x, y]) => `${x},${y}`).join(';');
  const page = await load(browser, { url: `${singleFileUrl}#p=${hash}` });
  if ((await points(page)).length !== lattice.length) throw new Error('the page did not open the 15 points');
  await page.emulateCPUThrottling(4);
  const result = await page.evaluate(async (draws) => {
    const [draw, remove, undo, report, list] = ['draw', 'delete', 'undo', 'report', 'list-n']
      .map((id) => document.getElementById(id));
    const frame = () => new Promise((next) => requestAnimationFrame(() => setTimeout(next, 0)));
    const changes = new MutationObserver(() => {});
    changes.observe(report, { childList: true, subtree: true, characterData: true });
    const clicks = [];
    const frames = [];
    const wholes = [];
    let redrawn = 0;
    for (let i = 0; i < draws; ++i) {
      list.selectedIndex = 14;
      list.dispatchEvent(new Event('change'));
      remove.click();
      draw.click();
      undo.click();
      if (list.options.length !== 15) throw new Error('the last point was not brought back');
      await frame();
      changes.takeRecords();
      // the canvas is drawn on the next frame: its callbacks run in order, so
      // the time between one asked before the click and one asked after it
      // is the page's drawing, without the wait for the frame
      let frameStart = 0;
      requestAnimationFrame(() => { frameStart = performance.now(); });
      const start = performance.now();
      draw.click();
      report.getBoundingClientRect();
      void document.body.offsetHeight;
      clicks.push(performance.now() - start);
      if (changes.takeRecords().length > 0) ++redrawn;
      frames.push(await new Promise((next) => requestAnimationFrame(() => next(performance.now()))) - frameStart);
      // the rest of the report's lines, which follow the first screenfuls
      while (report.dataset.complete !== 'yes') await new Promise((next) => setTimeout(next, 0));
      wholes.push(performance.now() - start);
    }
    return { clicks, frames, wholes, redrawn, lines: report.querySelectorAll('[role=option]').length };
  }, draws);
  await page.emulateCPUThrottling(1);
  await page.close();
  return result;
}

// The analysis of the lattice and its report text timed inside the wasm
// module in Chromium (and report() called from the page, its text crossing
// to JavaScript), and the native benchmark's AnalysisAlone, in turns (the machine's other work falls on
// both alike): µs per run, every batch's and every repetition's.
async function analysisTimes(browser, rounds = 5) {
  const program = process.env.FIGURES_BENCH ?? path.join(root, 'build-bench', 'bench', 'figures_bench');
  const server = await serve(path.join(buildWeb, 'wasm', 'web'));
  const wasm = []; // inside the module
  const calls = []; // report() called from the page, its text crossing to JavaScript
  const native = [];
  let lines = 0;
  let figures = 0;
  try {
    const page = await browser.newPage();
    await page.goto(`${server.url}none`);
    await page.evaluate(async (points) => {
      const { default: PlaneFigures } = await import('/plane-figures-core.mjs');
      const m = await PlaneFigures();
      window.inside = await (await import('/plane-figures-scenarios.mjs')).default();
      const start = performance.now();
      for (let i = 0; i < 200; ++i) m.report(points);
      // batches of about 20 ms, beyond the timer's coarse resolution
      window.batch = Math.max(10, Math.ceil(20 / ((performance.now() - start) / 200)));
      window.module = m;
    }, lattice.flat());
    for (let round = 0; round < rounds; ++round) {
      const measured = await page.evaluate((points) => {
        const perCall = [];
        const inside = [];
        let text = '';
        for (let r = 0; r < 10; ++r) {
          const start = performance.now();
          for (let i = 0; i < window.batch; ++i) text = window.module.report(points);
          perCall.push((performance.now() - start) * 1000 / window.batch);
          inside.push(window.inside.analysisMicroseconds(points, window.batch));
        }
        return { perCall, inside, lines: text.split(/\r?\n/).filter(Boolean).length };
      }, lattice.flat());
      wasm.push(...measured.inside);
      calls.push(...measured.perCall);
      lines = measured.lines;
      if (!existsSync(program)) continue;
      const out = execFileSync(program, ['--benchmark_filter=^AnalysisAlone$', '--benchmark_min_time=0.2',
        '--benchmark_repetitions=5', '--benchmark_format=json'],
      { env: { ...process.env, QT_QPA_PLATFORM: 'offscreen' }, encoding: 'utf8', stdio: ['ignore', 'pipe', 'ignore'] });
      for (const run of JSON.parse(out).benchmarks.filter((b) => b.run_type === 'iteration')) {
        native.push(run.real_time * { ns: 1e-3, us: 1, ms: 1e3 }[run.time_unit]);
        figures = run.report_lines;
      }
    }
  } finally {
    await server.close();
  }
  return { wasm, calls, native, lines, figures };
}

const size = statSync(path.join(buildWeb, 'plane-figures.html')).size;
const least = (values) => Math.min(...values);
const browser = await launch();
let rows;
try {
  await readyTime(browser); // the file into the system's cache
  const ready = [];
  for (let i = 0; i < loads; ++i) ready.push(await readyTime(browser));
  const drawn = await drawTimes(browser);
  const analysis = await analysisTimes(browser);
  const marks = ready.filter((r) => r.mark !== undefined).map((r) => r.mark);
  const readyMs = median(ready.map((r) => r.at));
  const drawMs = median(drawn.clicks.map((click, i) => click + drawn.frames[i]));
  const wasmUs = median(analysis.wasm);
  const nativeUs = analysis.native.length ? median(analysis.native) : NaN;
  rows = [
    ['single file size', `${size} B (${(size / 1024).toFixed(1)} KiB)`, size <= 400 * 1024, '≤ 400 KiB'],
    [`ready, median of ${loads} fresh loads`, `${readyMs.toFixed(1)} ms`, readyMs <= 300, '≤ 300 ms'],
    ...(marks.length ? [['  by the page\'s mark plane-figures-ready', `${median(marks).toFixed(1)} ms`, null, '']] : []),
    [`"Чертай", 15 points, CPU ÷4, median of ${draws}`, `${drawMs.toFixed(2)} ms`, drawMs <= 16, '≤ 16 ms'],
    ['  the click: script and layout', `${median(drawn.clicks).toFixed(2)} ms`, null, ''],
    ['  the canvas on the next frame', `${median(drawn.frames).toFixed(2)} ms`, null, ''],
    ['  until every report line is in its box', `${median(drawn.wholes).toFixed(2)} ms`, null, ''],
    ['  clicks that wrote the report anew', `${drawn.redrawn}/${draws} (${drawn.lines} lines)`, drawn.redrawn === draws, ''],
    ['analysis + report text, wasm: median, least',
      `${wasmUs.toFixed(1)}, ${least(analysis.wasm).toFixed(1)} µs`, null, `(${analysis.lines} lines)`],
    ['  report() from the page, the text crossing',
      `${median(analysis.calls).toFixed(1)}, ${least(analysis.calls).toFixed(1)} µs`, null, ''],
    ...(analysis.native.length ? [
      ['analysis + report text, native: median, least',
        `${nativeUs.toFixed(1)}, ${least(analysis.native).toFixed(1)} µs`, null, `(${analysis.figures} figures)`],
      ['wasm ÷ native, medians', (wasmUs / nativeUs).toFixed(2), wasmUs / nativeUs <= 1.5, '≤ 1.5'],
      ['wasm ÷ native, least', (least(analysis.wasm) / least(analysis.native)).toFixed(2), null, ''],
    ] : [['analysis, native', 'not built: make bench', null, '']]),
  ];
} finally {
  await browser.close();
}
const width = Math.max(...rows.map((r) => r[0].length));
const valueWidth = Math.max(...rows.map((r) => r[1].length));
console.log(`${'measure'.padEnd(width)}  ${'value'.padStart(valueWidth)}  goal`);
for (const [name, value, met, goal] of rows) {
  const verdict = met === null ? '' : met ? '  met' : '  MISSED';
  console.log(`${name.padEnd(width)}  ${value.padStart(valueWidth)}  ${goal}${verdict}`);
}
