// The page for a screen reader and a keyboard: every control named in
// Bulgarian, a whole session without a mouse, and touch targets large enough.
import assert from 'node:assert/strict';
import { after, before, test } from 'node:test';
import { launch } from './browser.mjs';
import { controls, load, points, reportLines, square } from './pagekit.mjs';

const kinds = ['Равнобедрен триъгълник', 'Правоъгълен триъгълник',
  'Равнобедрен правоъгълен триъгълник', 'Успоредник', 'Правоъгълник', 'Квадрат', 'Ромб'];
// [control, role, accessible name]
const named = [
  ['#draw', 'button', 'Чертай'],
  ['#clear', 'button', 'Изчисти'],
  ['#delete', 'button', /^Изтрий\s{1,2}1 т\.$/],
  ['#list-n', 'listbox', 'Номер на точка (N)'],
  ['#list-x', 'listbox', 'Абсциса'],
  ['#list-y', 'listbox', 'Ордината'],
  ['#canvas', 'application', 'Посочете връх на фигура'],
  ['#report', 'listbox', 'Резултат'],
  ...kinds.flatMap((kind, k) => [[`#pupil-${k}`, 'textbox', `${kind} – вашият брой`],
    [`#program-${k}`, 'textbox', `${kind} – броят на програмата`]]),
];

let browser;
before(async () => { browser = await launch(); });
after(() => browser?.close());

test('every control is named in Bulgarian, and none is nameless', async () => {
  const page = await load(browser);
  const cdp = await page.createCDPSession();
  const { nodes } = await cdp.send('Accessibility.getFullAXTree');
  const live = nodes.filter((node) => !node.ignored);
  const { root } = await cdp.send('DOM.getDocument');
  for (const [selector, role, name] of named) {
    const { nodeId } = await cdp.send('DOM.querySelector', { nodeId: root.nodeId, selector });
    const { node: { backendNodeId } } = await cdp.send('DOM.describeNode', { nodeId });
    const node = live.find((node) => node.backendDOMNodeId === backendNodeId);
    assert.equal(node?.role.value, role, selector);
    if (name instanceof RegExp) assert.match(node.name?.value, name, selector);
    else assert.equal(node.name?.value, name, selector);
  }
  // a control that takes focus, or would when enabled
  const control = (node) => node.properties?.some((p) => p.name === 'focusable' && p.value.value)
    || ['button', 'textbox', 'listbox', 'combobox', 'checkbox', 'link', 'application'].includes(node.role?.value);
  const nameless = live.filter((node) => control(node) && !node.name?.value?.trim())
    .map((node) => `${node.role?.value} ${node.backendDOMNodeId}`);
  assert.deepEqual(nameless, []);
});

test('a session by keyboard alone: a square entered, drawn, a line chosen, a step undone', async () => {
  const page = await load(browser);
  const focused = () => page.evaluate(() => document.activeElement?.id);
  const tabTo = async (id) => {
    for (let tabs = 0; tabs < 60 && await focused() !== id; ++tabs) await page.keyboard.press('Tab');
    assert.equal(await focused(), id, `Tab reaches #${id}`);
  };
  const said = () => page.$eval('#canvas-said', (said) => said.textContent.trim());

  await tabTo('canvas');
  // from the cursor's first node round the square, keys to move, then the key entering the point
  const keys = [[[], 'Enter'], [['ArrowRight'], ' '], [['ArrowDown'], 'Enter'], [['ArrowLeft'], ' ']];
  for (const [row, [moves, enter]] of keys.entries()) {
    for (const key of moves) await page.keyboard.press(key);
    await page.keyboard.press(enter);
    const [x, y] = square[row];
    assert.equal(await said(), `Въведена е точка ${row}. X ${x}, Y ${y}, точка ${row}`);
  }
  assert.deepEqual(await points(page), square);

  await tabTo('draw');
  await page.keyboard.press('Enter');
  assert.equal((await reportLines(page)).length, 6, 'four triangles and the square, below the count');
  await tabTo('report');
  // the count's line, then the first two triangles' lines, one a key
  for (let line = 0; line < 3; ++line) await page.keyboard.press('ArrowDown');
  const chosen = await page.$$eval('#report [role=option]',
    (lines) => lines.findIndex((line) => line.getAttribute('aria-selected') === 'true'));
  assert.equal(chosen, 2, 'the second triangle\'s line is chosen');
  assert.notEqual(await page.$eval('#reason', (reason) => reason.textContent.trim()), '');

  await page.keyboard.down('Control');
  await page.keyboard.press('z');
  await page.keyboard.up('Control');
  assert.deepEqual(await points(page), square.slice(0, 3), 'Ctrl+Z takes the last point back');
});

test('every control is a target of at least 24 × 24 CSS px on a 360 px touch screen', async () => {
  const page = await load(browser,
    { viewport: { width: 360, height: 740, isMobile: true, hasTouch: true, deviceScaleFactor: 2 } });
  const small = (await controls(page)).filter((c) => c.width < 24 || c.height < 24)
    .map((c) => `${c.control} ${c.width.toFixed(1)} × ${c.height.toFixed(1)}`);
  assert.deepEqual(small, []);
});
