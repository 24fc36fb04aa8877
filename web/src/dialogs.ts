// Every message the window would show in a message box, as a dialog in the page, one after another;
// and the text box that stands in for the clipboard where the browser keeps the page from it.
import type { Message } from './wavora_module';
import { text } from './texts';

const queue: Array<() => void> = [];

function dialogElement(): HTMLDialogElement {
  return document.getElementById('message') as HTMLDialogElement;
}

function showNext(): void {
  const dialog = dialogElement();
  if (dialog.open) return;
  const next = queue.shift();
  if (next) next();
}

// Fills the dialog (texts only as text, never as markup) and opens it; `done` runs as it closes.
function openDialog(kind: string, body: string, box: { value: string; readOnly: boolean } | null,
                    done: (boxText: string) => void): void {
  queue.push(() => {
    const dialog = dialogElement();
    dialog.dataset['kind'] = kind;
    (dialog.querySelector('.message-text') as HTMLElement).textContent = body;
    const area = dialog.querySelector('textarea') as HTMLTextAreaElement;
    area.hidden = box === null;
    area.value = box?.value ?? '';
    area.readOnly = box?.readOnly ?? true;
    dialog.onclose = () => {
      done(area.value);
      showNext();
    };
    dialog.showModal();
    if (box) {
      area.focus();
      area.select();
    }
  });
  showNext();
}

export function showMessage(kind: Message['kind'], body: string): void {
  if (body !== '') openDialog(kind, body, null, () => undefined);
}

// Shows the core's answer to an open or a paste when it has something to say.
export function showOpened(message: Message): void {
  showMessage(message.kind, message.text);
}

// A text to copy by hand, or a box to paste into; `pasted` receives the box's text as it closes.
export function showCopyBox(body: string, copied: string): void {
  openDialog('information', body, { value: copied, readOnly: true }, () => undefined);
}
export function showPasteBox(body: string, pasted: (boxText: string) => void): void {
  openDialog('information', body, { value: '', readOnly: false }, pasted);
}

export function setUpDialogs(): void {
  const button = dialogElement().querySelector('button') as HTMLButtonElement;
  button.textContent = text('OkCaption');
}

// Whether a dialog is open (the tank's keys wait meanwhile).
export function dialogOpen(): boolean {
  return dialogElement().open;
}
