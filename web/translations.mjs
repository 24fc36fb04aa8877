// The page's translations, made from the same Qt Linguist sources as the window's
// (assets/translations/wavora_<language>.ts): for each language, its finished entries as one object
// from the table's English text to the language's. An unfinished entry is left out, so the core keeps
// its English words there.
import { readFileSync, readdirSync } from 'node:fs';
import { join } from 'node:path';

const kEntities = { lt: '<', gt: '>', amp: '&', quot: '"', apos: "'" };

// XML text with its character and entity references resolved.
function xmlText(text) {
  return text.replace(/&(#x[0-9a-fA-F]+|#[0-9]+|[a-z]+);/g, (whole, name) => {
    if (name.startsWith('#x')) return String.fromCodePoint(parseInt(name.slice(2), 16));
    if (name.startsWith('#')) return String.fromCodePoint(parseInt(name.slice(1), 10));
    return kEntities[name] ?? whole;
  });
}

// The finished entries of one Linguist source. A translation with a type ("unfinished", "vanished",
// "obsolete") is none the user should read.
export function finishedEntries(source) {
  const entries = {};
  for (const [, message] of source.matchAll(/<message>([\s\S]*?)<\/message>/g)) {
    const english = message.match(/<source>([\s\S]*?)<\/source>/);
    const translation = message.match(/<translation(\s[^>]*)?>([\s\S]*?)<\/translation>/);
    if (!english || !translation || /\btype=/.test(translation[1] ?? '')) continue;
    const translated = xmlText(translation[2]);
    if (translated !== '') entries[xmlText(english[1])] = translated;
  }
  return entries;
}

// Every language of the folder by its code (wavora_de.ts gives "de"), with its finished entries.
export function readTranslations(folder) {
  const languages = {};
  for (const name of readdirSync(folder).sort()) {
    const code = name.match(/^wavora_([a-z]{2,3})\.ts$/)?.[1];
    if (code) languages[code] = finishedEntries(readFileSync(join(folder, name), 'utf8'));
  }
  return languages;
}
