// The core's table of texts: every word the page shows comes from it. Elements name their text in
// the markup (data-text for content, data-hint for a tooltip and accessible name, data-label for an
// accessible name alone, data-placeholder).

let table: Record<string, string> = {};

export function loadTexts(json: string): void {
  table = JSON.parse(json) as Record<string, string>;
}

export function text(name: string): string {
  const found = table[name];
  if (found === undefined) throw new Error(`no text ${name} in the core's table`);
  return found;
}

// The text with %1, %2, ... replaced by the arguments.
export function format(name: string, ...values: Array<string | number>): string {
  return text(name).replace(/%(\d)/g, (mark, index: string) => String(values[Number(index) - 1] ?? mark));
}

// An object as screen readers name it: a tool with its reading as the tool writes it ("Ruler 156.0mm").
export function nameWithReading(name: string, reading: string): string {
  return reading === '' ? name : format('ToolReading', name, reading);
}

// A tooltip; for a control that shows no words of its own (a picture button), also its name for
// screen readers. A control with words keeps them as its name, and the hint describes it.
export function setHint(element: HTMLElement, hint: string): void {
  element.title = hint;
  if ((element.textContent ?? '').trim() === '') {
    element.setAttribute('aria-label', hint);
  } else {
    element.removeAttribute('aria-label');
  }
}

export function applyTexts(root: ParentNode): void {
  for (const element of root.querySelectorAll<HTMLElement>('[data-text]')) {
    element.textContent = text(element.dataset['text'] ?? '');
  }
  for (const element of root.querySelectorAll<HTMLElement>('[data-hint]')) {
    setHint(element, text(element.dataset['hint'] ?? ''));
  }
  for (const element of root.querySelectorAll<HTMLElement>('[data-label]')) {
    element.setAttribute('aria-label', text(element.dataset['label'] ?? ''));
  }
  for (const element of root.querySelectorAll<HTMLInputElement | HTMLTextAreaElement>('[data-placeholder]')) {
    element.placeholder = text(element.dataset['placeholder'] ?? '');
  }
}
