// Drives the page's module (build/web/wavora.js) in Node.js, as the page will: opens every example
// lesson from its bytes, shows each slide in turn and runs it for as many frames as the native runner
// did, requiring the same field bytes; works a panel, a tool and the clipboard text; saves and
// reopens; and refuses a broken file with the window's message, changing nothing. Run with
// --disallow-code-generation-from-strings, so that any code made at run time fails.
//   node --disallow-code-generation-from-strings web/tests/binding_check.mjs NATIVE_OUT_DIR
// where NATIVE_OUT_DIR holds LESSON.K.bin, the field the native runner wrote after 300 frames of
// slide K of each example (scripts/web-compare writes them).
import { readFileSync, readdirSync } from 'node:fs';
import { createRequire } from 'node:module';
import assert from 'node:assert/strict';

const require = createRequire(import.meta.url);
const createWavora = require('../../build/web/wavora.js');
const wasmBinary = readFileSync(new URL('../../build/web/wavora.wasm', import.meta.url));
const wavora = await createWavora({ wasmBinary });
const nativeDir = process.argv[2];
const frames = 300;

const examples = readdirSync('examples').filter((name) => name.endsWith('.wvr')).sort();
let slidesRun = 0;
for (const name of examples) {
  const session = new wavora.Session(401, 401);
  const opened = JSON.parse(session.open(readFileSync(`examples/${name}`), name));
  assert.equal(opened.kind, 'none', `${name}: ${opened.text}`);
  const slides = JSON.parse(session.slides());
  assert.ok(slides.length > 0 && slides.every((slide) => typeof slide.name === 'string'), name);
  for (let slide = 0; slide < slides.length; ++slide) {
    session.showSlide(slide);
    for (let i = 0; i < frames; ++i) session.runFrame(0);
    const field = Buffer.from(session.fieldBytes());
    const native = readFileSync(`${nativeDir}/${name.replace(/\.wvr$/, '')}.${slide + 1}.bin`);
    assert.ok(field.equals(native), `${name}, slide ${slide + 1}: the page's field differs from the native runner's`);
    assert.equal(session.picture().length, 401 * 401 * 4, name);
    ++slidesRun;
  }
  session.delete();
}

// One slideshow worked through: the source's panel, a tool with its panel and readings, a slide
// copied and pasted, saved and reopened, and a broken file refused.
const session = new wavora.Session(201, 151);
const source = JSON.parse(session.panel(0));
const wavelength = source.find((control) => control.kind === 'slider');
assert.ok(wavelength, 'the source panel lists a slider');
assert.equal(session.changePanel(0, wavelength.id, wavelength.min), 'done');
assert.equal(JSON.parse(session.panel(0)).find((c) => c.id === wavelength.id).value, wavelength.min);
assert.equal(session.changePanel(0, wavelength.id, wavelength.max + 1), 'outOfRange');
assert.equal(session.changePanel(0, 'NoSuchControl', 0), 'unknownControl');

const tools = JSON.parse(wavora.Session.tools());
const meter = tools.findIndex((tool) => tool.className === 'TLevelMeterTool');
assert.ok(meter >= 0 && session.addTool(meter));
for (let i = 0; i < 10; ++i) assert.equal(session.runFrame(i % 2), true);
assert.ok(JSON.parse(session.panel(2)).length > 0, 'the tool shows its panel');
assert.equal(session.toolPanelPicture(300, 120).length, 300 * 120 * 4);
assert.match(session.toolReadingsCsv(), /\n/);
assert.equal(JSON.parse(session.selection()).deleteEnabled, true);
const frozen = Buffer.from(session.fieldBytes());
session.runFrame(2);
assert.ok(Buffer.from(session.fieldBytes()).equals(frozen), 'a frozen frame leaves the field');

assert.deepEqual(JSON.parse(session.pasteSlide(session.copySlide())), []);
assert.equal(JSON.parse(session.slides()).length, 2);
const saved = Buffer.from(session.save());
const reopened = new wavora.Session(201, 151);
assert.equal(JSON.parse(reopened.open(saved, 'saved.wvr')).kind, 'none');
assert.equal(JSON.parse(reopened.slides()).length, 2);
const refused = JSON.parse(reopened.open(saved.subarray(0, saved.length / 2), 'cut.wvr'));
assert.equal(refused.kind, 'error');
assert.match(refused.text, /could not be loaded/);
assert.equal(JSON.parse(reopened.slides()).length, 2, 'a refused file changes nothing');
assert.match(JSON.parse(reopened.pasteSlide('no slide'))[0], /corrupted/);
assert.equal(JSON.parse(wavora.Session.experiments())[0].className, 'TNoneRIMap');

console.log(`The page's module: ${slidesRun} slides of ${examples.length} lessons step as the native runner does; panels, tools, ` +
  'clipboard text, saving and refusals work.');
