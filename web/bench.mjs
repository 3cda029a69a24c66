// The page's size and speed in headless Chromium, printed as a table:
//   size      the single offline file in bytes
//   ready     from the navigation's start to data-ready="yes" (median of fresh loads)
//   draw      a click on "Чертай" with 15 points, the CPU slowed 4 times, until
//             the report is in the page and laid out (median)
//   analysis  the wasm module's report() of the same 15 points against the
//             native benchmark's AnalysisAlone (analysis and report text)
// Run from the repository after `node web/build.mjs`; the native side needs
// build-bench/bench/figures_bench (`make bench`), or FIGURES_BENCH=<program>.
import { execFileSync } from 'node:child_process';
import { existsSync, statSync } from 'node:fs';
import path from 'node:path';
import { buildWeb, launch, root, singleFileUrl } from './tests/browser.mjs';
import { load, pointCount, serve } from './tests/pagekit.mjs';

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
// report is laid out; a frame passes between clicks
async function drawTimes(browser) {
  const hash = lattice.map(([x, y]) => `${x},${y}`).join(';');
  const page = await load(browser, { url: `${singleFileUrl}#p=${hash}` });
  if (await pointCount(page) !== lattice.length) throw new Error('the page did not open the 15 points');
  await page.emulateCPUThrottling(4);
  const result = await page.evaluate(async (draws) => {
    const draw = document.getElementById('draw');
    const report = document.getElementById('report');
    const changes = new MutationObserver(() => {});
    changes.observe(report, { childList: true, subtree: true, characterData: true });
    const times = [];
    let redrawn = 0;
    for (let i = 0; i < draws; ++i) {
      const start = performance.now();
      draw.click();
      report.getBoundingClientRect();
      void document.body.offsetHeight;
      times.push(performance.now() - start);
      if (changes.takeRecords().length > 0) ++redrawn;
      await new Promise((next) => requestAnimationFrame(() => setTimeout(next, 0)));
    }
    return { times, redrawn, lines: report.querySelectorAll('[role=option]').length };
  }, draws);
  await page.emulateCPUThrottling(1);
  await page.close();
  return result;
}

// the wasm module's report() of the lattice, in µs per call
async function wasmAnalysis(browser) {
  const server = await serve(path.join(buildWeb, 'wasm', 'web'));
  try {
    const page = await browser.newPage();
    await page.goto(`${server.url}none`);
    return await page.evaluate(async (points) => {
      const { default: PlaneFigures } = await import('/plane-figures-core.mjs');
      const m = await PlaneFigures();
      let text = '';
      let start = performance.now();
      for (let i = 0; i < 200; ++i) text = m.report(points);
      // batches of about 20 ms, beyond the timer's coarse resolution
      const batch = Math.max(10, Math.ceil(20 / ((performance.now() - start) / 200)));
      const perCall = [];
      for (let r = 0; r < 30; ++r) {
        start = performance.now();
        for (let i = 0; i < batch; ++i) text = m.report(points);
        perCall.push((performance.now() - start) * 1000 / batch);
      }
      return { perCall, lines: text.split(/\r?\n/).filter(Boolean).length };
    }, lattice.flat());
  } finally {
    await server.close();
  }
}

// the native benchmark's AnalysisAlone, median of its repetitions, in µs per run
function nativeAnalysis() {
  const program = process.env.FIGURES_BENCH ?? path.join(root, 'build-bench', 'bench', 'figures_bench');
  if (!existsSync(program)) return null;
  const out = execFileSync(program, ['--benchmark_filter=^AnalysisAlone$', '--benchmark_min_time=0.3',
    '--benchmark_repetitions=5', '--benchmark_report_aggregates_only=true', '--benchmark_format=json'],
  { env: { ...process.env, QT_QPA_PLATFORM: 'offscreen' }, encoding: 'utf8' });
  const runs = JSON.parse(out).benchmarks;
  const run = runs.find((b) => b.aggregate_name === 'median');
  const scale = { ns: 1e-3, us: 1, ms: 1e3 }[run.time_unit];
  return { us: run.real_time * scale, figures: run.report_lines };
}

const size = statSync(path.join(buildWeb, 'plane-figures.html')).size;
const browser = await launch();
let rows;
try {
  await readyTime(browser); // the file into the system's cache
  const ready = [];
  for (let i = 0; i < loads; ++i) ready.push(await readyTime(browser));
  const drawn = await drawTimes(browser);
  const wasm = await wasmAnalysis(browser);
  const native = nativeAnalysis();
  const wasmUs = median(wasm.perCall);
  const marks = ready.filter((r) => r.mark !== undefined).map((r) => r.mark);
  rows = [
    ['single file size', `${size} B (${(size / 1024).toFixed(1)} KiB)`, size <= 400 * 1024, '≤ 400 KiB'],
    [`ready, median of ${loads} fresh loads`, `${median(ready.map((r) => r.at)).toFixed(1)} ms`,
      median(ready.map((r) => r.at)) <= 300, '≤ 300 ms'],
    ...(marks.length ? [['  the page\'s mark plane-figures-ready', `${median(marks).toFixed(1)} ms`, null, '']] : []),
    [`"Чертай", 15 points, CPU ÷4, median of ${draws}`, `${median(drawn.times).toFixed(2)} ms`,
      median(drawn.times) <= 16, '≤ 16 ms'],
    ['  report redrawn within the click', `${drawn.redrawn}/${draws}, ${drawn.lines} lines`, drawn.redrawn === draws, ''],
    ['analysis + report text, wasm (median)', `${wasmUs.toFixed(2)} µs (${wasm.lines} lines)`, null, ''],
    ['analysis + report text, native (median)',
      native ? `${native.us.toFixed(2)} µs (${native.figures} figures)` : 'not built: make bench', null, ''],
    ...(native ? [['wasm ÷ native', (wasmUs / native.us).toFixed(2), wasmUs / native.us <= 1.5, '≤ 1.5']] : []),
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
