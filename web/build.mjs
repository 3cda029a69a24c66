// The page built from its TypeScript and the session's WebAssembly:
//   build-web/plane-figures.html   one file, the wasm inside, for a disk, a
//                                  USB stick or an e-mail attachment
//   build-web/site/                for a school's web server: the page, its
//                                  script and wasm, a web manifest, a service
//                                  worker that keeps it for use offline, icons
// Usage: node web/build.mjs [wasm folder] [output folder]
import { createHash } from 'node:crypto';
import { copyFileSync, mkdirSync, readFileSync, rmSync, writeFileSync } from 'node:fs';
import path from 'node:path';
import { fileURLToPath } from 'node:url';
import * as esbuild from 'esbuild';

const web = path.dirname(fileURLToPath(import.meta.url));
const root = path.dirname(web);
const wasmFolder = path.resolve(process.argv[2] ?? path.join(root, 'build-web/wasm/web'));
const wasm = readFileSync(path.join(wasmFolder, 'plane-figures-core.wasm'));
const out = path.resolve(process.argv[3] ?? path.join(root, 'build-web'));
const site = path.join(out, 'site');
const read = (file) => readFileSync(path.join(web, 'src', file), 'utf8');

// the page's script; wasm: the session's wasm it carries inside, or null
// for a script that loads it from beside itself
async function bundle(wasm) {
  const result = await esbuild.build({
    entryPoints: [path.join(web, 'src/main.ts')],
    bundle: true,
    format: 'esm',
    target: 'es2020',
    minify: true,
    write: false,
    legalComments: 'none',
    define: { PAGE_WASM: wasm ? JSON.stringify(wasm.toString('base64')) : 'null' },
    plugins: [{
      name: 'plane-figures-core',
      setup(build) {
        build.onResolve({ filter: /^plane-figures-core$/ },
          () => ({ path: path.join(wasmFolder, 'plane-figures-core.mjs') }));
      },
    }],
  });
  return result.outputFiles[0].text;
}

const style = (await esbuild.transform(read('page.css'), { loader: 'css', minify: true })).code;
const page = read('page.html').replace('/*style*/', () => style.trim());
const inlineScript = (script) =>
  `<script type="module">${script.replaceAll('</script', '<\\/script')}</script>`;

// one file: no worker and no manifest, which a file from a disk needs neither of
const singleScript = await bundle(wasm);
mkdirSync(out, { recursive: true });
writeFileSync(path.join(out, 'plane-figures.html'),
  page.replace('<!--head-->', '').replace('<!--script-->', () => inlineScript(singleScript)));

// the site
rmSync(site, { recursive: true, force: true });
mkdirSync(site, { recursive: true });
writeFileSync(path.join(site, 'plane-figures.js'), await bundle(null));
writeFileSync(path.join(site, 'plane-figures-core.wasm'), wasm);
for (const size of [48, 256]) {
  copyFileSync(path.join(root, `data/icons/plane-figures-${size}.png`),
    path.join(site, `icon-${size}.png`));
}
writeFileSync(path.join(site, 'manifest.webmanifest'), JSON.stringify({
  name: 'Равнинни фигури',
  short_name: 'Фигури',
  description: 'Точки върху мрежа, триъгълници и четириъгълници',
  lang: 'bg',
  start_url: './',
  scope: './',
  display: 'standalone',
  background_color: '#8080ff',
  theme_color: '#8080ff',
  icons: [48, 256].map((size) => ({ src: `icon-${size}.png`, sizes: `${size}x${size}`, type: 'image/png' })),
}, null, 2));
writeFileSync(path.join(site, 'index.html'), page
  .replace('<!--head-->', '<link rel="manifest" href="manifest.webmanifest">\n' +
    '<link rel="icon" href="icon-48.png">\n<meta name="theme-color" content="#8080ff">')
  .replace('<!--script-->', '<script type="module" src="plane-figures.js"></script>'));
const files = ['./', 'index.html', 'plane-figures.js', 'plane-figures-core.wasm',
  'manifest.webmanifest', 'icon-48.png', 'icon-256.png'];
const version = createHash('sha256');
for (const file of files.slice(1)) version.update(readFileSync(path.join(site, file)));
const worker = await esbuild.build({
  entryPoints: [path.join(web, 'src/sw.ts')],
  bundle: true,
  target: 'es2020',
  minify: true,
  write: false,
  define: {
    PAGE_FILES: JSON.stringify(files),
    PAGE_VERSION: JSON.stringify(version.digest('hex').slice(0, 12)),
  },
});
writeFileSync(path.join(site, 'sw.js'), worker.outputFiles[0].text);
console.log(`${path.relative(root, path.join(out, 'plane-figures.html'))}: ` +
  `${readFileSync(path.join(out, 'plane-figures.html')).length} bytes; site in ${path.relative(root, site)}/`);
