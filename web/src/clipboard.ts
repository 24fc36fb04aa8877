// The browser's clipboard: a slide as text, readings as text, a snapshot as a picture. Where the
// browser offers no clipboard to the page (plain HTTP, a refused permission), a text box in a dialog
// stands in: the text to copy by hand, or a box to paste into.
import type { Session } from './wavora_module';
import { showCopyBox, showMessage, showPasteBox } from './dialogs';
import { text } from './texts';

export async function copyText(copied: string): Promise<void> {
  try {
    if (!navigator.clipboard) throw new Error('no clipboard');
    await navigator.clipboard.writeText(copied);
  } catch {
    showCopyBox(text('CopyFallback'), copied);
  }
}

export async function copyPicture(picture: Promise<Blob>): Promise<void> {
  try {
    if (!navigator.clipboard || typeof ClipboardItem === 'undefined') throw new Error('no clipboard');
    await navigator.clipboard.write([new ClipboardItem({ 'image/png': picture })]);
  } catch {
    showMessage('information', text('NoPictureOnClipboard'));
  }
}

export class SlideClipboard {
  constructor(private readonly session: Session, private readonly pasted: () => void) {
    // A paste anywhere but in an edit pastes a slide, also where the page may not read the clipboard.
    document.addEventListener('paste', (event) => {
      const target = event.target as HTMLElement | null;
      if (target?.closest('input, textarea')) return;
      const pastedText = event.clipboardData?.getData('text/plain') ?? '';
      if (pastedText === '') return;
      event.preventDefault();
      this.pasteText(pastedText);
    });
    this.listenForCopy();
  }

  // Ctrl+C outside an edit and without selected text copies the slide on show, as the window's
  // shortcut does; the copy event carries it where the clipboard API is not offered.
  listenForCopy(): void {
    document.addEventListener('copy', (event) => {
      const target = event.target as HTMLElement | null;
      if (target?.closest('input, textarea') || (document.getSelection()?.toString() ?? '') !== '') return;
      const slide = this.session.copySlide();
      if (slide === '' || !event.clipboardData) return;
      event.clipboardData.setData('text/plain', slide);
      event.preventDefault();
    });
  }

  copy(): void {
    const slide = this.session.copySlide();
    if (slide !== '') void copyText(slide);
  }

  async paste(): Promise<void> {
    let clipboardText: string;
    try {
      if (!navigator.clipboard) throw new Error('no clipboard');
      clipboardText = await navigator.clipboard.readText();
    } catch {
      showPasteBox(text('PasteFallback'), (boxText) => {
        if (boxText !== '') this.pasteText(boxText);
      });
      return;
    }
    this.pasteText(clipboardText);
  }

  // A slide from the text becomes the last slide; a text that is no slide gives the window's messages
  // and changes nothing.
  pasteText(slideText: string): void {
    const messages = JSON.parse(this.session.pasteSlide(slideText)) as string[];
    for (const message of messages) showMessage('error', message);
    if (messages.length === 0) this.pasted();
  }
}
