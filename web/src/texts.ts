// The core's table of texts: every word the page shows comes from it. Elements name their text in
// the markup (data-text for content, data-hint for a tooltip and accessible name, data-placeholder).

let table: Record<string, string> = {};

export function loadTexts(json: string): void {
  table = JSON.parse(json) as Record<string, string>;
}

export function text(name: string): string {
  const found = table[name];
  if (found === undefined) throw new Error(`no text ${name} in the core's table`);
  return found;
}

// The text with %1 replaced by the argument.
export function format(name: string, argument: string): string {
  return text(name).replace('%1', argument);
}

export function setHint(element: HTMLElement, hint: string): void {
  element.title = hint;
  element.setAttribute('aria-label', hint);
}

export function applyTexts(root: ParentNode): void {
  for (const element of root.querySelectorAll<HTMLElement>('[data-text]')) {
    element.textContent = text(element.dataset['text'] ?? '');
  }
  for (const element of root.querySelectorAll<HTMLElement>('[data-hint]')) {
    setHint(element, text(element.dataset['hint'] ?? ''));
  }
  for (const element of root.querySelectorAll<HTMLInputElement | HTMLTextAreaElement>('[data-placeholder]')) {
    element.placeholder = text(element.dataset['placeholder'] ?? '');
  }
}
