// Debian's Chromium driven by puppeteer-core for the page's tests and
// benchmarks: headless, with a profile of its own, and none of its own
// calls to the network (the machine's network is closed, and the page needs
// none).
import { mkdtempSync, rmSync } from 'node:fs';
import { tmpdir } from 'node:os';
import path from 'node:path';
import { fileURLToPath, pathToFileURL } from 'node:url';
import puppeteer from 'puppeteer-core';

const here = path.dirname(fileURLToPath(import.meta.url));
export const root = path.resolve(here, '../..');
// what make web built, and the Linux program the page is compared with
export const buildWeb = process.env.PLANE_FIGURES_WEB ?? path.join(root, 'build-web');
export const program = process.env.PLANE_FIGURES_PROGRAM ?? path.join(root, 'build/src/plane-figures');
// the one offline file, as a pupil opens it from a disk
export const singleFileUrl = pathToFileURL(path.join(buildWeb, 'plane-figures.html')).href;

export async function launch() {
  const profile = mkdtempSync(path.join(tmpdir(), 'plane-figures-chromium-'));
  const browser = await puppeteer.launch({
    executablePath: process.env.CHROMIUM ?? '/usr/bin/chromium',
    headless: true,
    userDataDir: profile,
    args: ['--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
      '--disable-background-networking', '--disable-component-update', '--disable-sync',
      '--allow-file-access-from-files'],
  });
  const close = browser.close.bind(browser);
  browser.close = async () => {
    await close();
    rmSync(profile, { recursive: true, force: true });
  };
  return browser;
}

// A page of browser at url, once it has booted.
export async function openPage(browser, url = singleFileUrl, viewport = { width: 1366, height: 768 }) {
  const page = await browser.newPage();
  await page.setViewport(viewport);
  await page.goto(url);
  await page.waitForFunction(() => document.documentElement.dataset.ready === 'yes');
  return page;
}
