// What the page remembers between visits (its language and view settings), as the window keeps its
// settings. Some settings refuse storage to pages: then nothing is remembered and nothing fails.

export function rememberedValue(key: string): string | null {
  try {
    return localStorage.getItem(key);
  } catch {
    return null;
  }
}

export function rememberValue(key: string, value: string): void {
  try {
    localStorage.setItem(key, value);
  } catch {
    // Not remembered: the next visit starts as a first one.
  }
}
