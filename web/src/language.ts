// The language the page speaks. The core holds the English words; the build makes one file of
// translations per language (translations/<code>.json) from the window's translation sources, and the
// page hands the chosen one to the core, so both shells read the same translations.
import type { WavoraModule } from './wavora_module';
import { rememberValue, rememberedValue } from './remembered';

// The languages besides English that the build found translations for.
declare const WAVORA_LANGUAGES: string[];

const kEnglish = 'en';
// Where the page remembers the language chosen on it, as the window remembers its choice.
const kChoiceKey = 'wavora-language';

export function languages(): string[] {
  return [kEnglish, ...WAVORA_LANGUAGES];
}

function speaks(code: string | null): code is string {
  return code !== null && languages().includes(code);
}

export function rememberChoice(code: string): void {
  rememberValue(kChoiceKey, code);
}

// The language chosen on the page before, else the first of the browser's languages the page
// speaks ("de-AT" speaks "de"), else English.
export function startingLanguage(): string {
  const chosen = rememberedValue(kChoiceKey);
  if (speaks(chosen)) return chosen;
  for (const tag of navigator.languages) {
    const code = tag.split('-')[0]?.toLowerCase() ?? '';
    if (speaks(code)) return code;
  }
  return kEnglish;
}

// The language's name in its own words ("Deutsch", "Français"), as a reader looks for it.
export function languageName(code: string): string {
  const name = new Intl.DisplayNames([code], { type: 'language' }).of(code) ?? code;
  return name.charAt(0).toLocaleUpperCase(code) + name.slice(1);
}

// The language's translations as the core takes them; none (English) when they cannot be loaded.
export async function translations(code: string): Promise<Record<string, string>> {
  if (code === kEnglish) return {};
  try {
    const response = await fetch(`translations/${code}.json`);
    if (!response.ok) return {};
    return (await response.json()) as Record<string, string>;
  } catch {
    return {};
  }
}

// Makes the core speak the language with these translations, and tells the browser (and screen
// readers) which language the page is in: English where none of the language's entries is finished.
export function speakLanguage(wavora: WavoraModule, code: string, entries: Record<string, string>): void {
  wavora.Session.setLanguage(entries);
  document.documentElement.lang = Object.keys(entries).length > 0 ? code : kEnglish;
}
