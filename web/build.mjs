// Builds the page into a folder a static host can serve: the markup, style and bundled script, the
// core's module (wavora.js and .wasm), the icons, the example lessons with their list, the help
// pages, and the translations (translations/<language>.json, from assets/translations).
//   node web/build.mjs BUILD_WEB_DIR
// where BUILD_WEB_DIR holds what the WebAssembly build made (wavora.js, wavora.wasm, help/,
// examples/); the site goes to BUILD_WEB_DIR/site.
import { build } from 'esbuild';
import { cpSync, mkdirSync, readdirSync, rmSync, writeFileSync } from 'node:fs';
import { fileURLToPath } from 'node:url';
import { join, resolve } from 'node:path';
import { readTranslations } from './translations.mjs';

const web = fileURLToPath(new URL('.', import.meta.url));
const root = resolve(web, '..');
const built = resolve(process.argv[2] ?? join(root, 'build/web'));
const site = join(built, 'site');

rmSync(site, { recursive: true, force: true });
mkdirSync(join(site, 'icons'), { recursive: true });
mkdirSync(join(site, 'translations'));
const translations = readTranslations(join(root, 'assets/translations'));
for (const [code, entries] of Object.entries(translations)) {
  writeFileSync(join(site, `translations/${code}.json`), JSON.stringify(entries));
}
await build({
  entryPoints: [join(web, 'src/main.ts')],
  bundle: true,
  format: 'iife',
  target: 'es2022',
  minify: true,
  sourcemap: true,
  outfile: join(site, 'page.js'),
  logLevel: 'warning',
  // The languages the page speaks besides English, known as it loads.
  define: { WAVORA_LANGUAGES: JSON.stringify(Object.keys(translations)) },
});
for (const file of ['index.html', 'style.css']) cpSync(join(web, file), join(site, file));
for (const file of ['wavora.js', 'wavora.wasm']) cpSync(join(built, file), join(site, file));
cpSync(join(built, 'help'), join(site, 'help'), { recursive: true });
cpSync(join(root, 'assets/icons'), join(site, 'icons'), { recursive: true });
cpSync(join(root, 'assets/desktop/wavora.svg'), join(site, 'icons/wavora.svg'));
const examples = readdirSync(join(root, 'examples')).filter((name) => name.endsWith('.wvr')).sort();
mkdirSync(join(site, 'examples'));
for (const name of examples) cpSync(join(root, 'examples', name), join(site, 'examples', name));
writeFileSync(join(site, 'examples/index.json'), JSON.stringify(examples));
console.log(`Built the page in ${site}`);
