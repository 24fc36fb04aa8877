// Files in and out of the page: a lesson from the file picker, a drop or an address; downloads of the
// slideshow, snapshots (PNG) and readings (CSV).
import type { Message, Session } from './wavora_module';
import { format, text } from './texts';
import { showMessage, showOpened } from './dialogs';

export function download(name: string, data: Blob): void {
  const link = document.createElement('a');
  link.href = URL.createObjectURL(data);
  link.download = name;
  document.body.append(link);
  link.click();
  link.remove();
  setTimeout(() => URL.revokeObjectURL(link.href), 10000);
}

export function canvasPng(canvas: HTMLCanvasElement): Promise<Blob> {
  return new Promise((resolve, reject) =>
    canvas.toBlob((blob) => (blob ? resolve(blob) : reject(new Error('no picture'))), 'image/png'));
}

// The file's base name with another extension: "lenses.wvr" gives "lenses.png".
export function sibling(fileName: string, extension: string): string {
  const dot = fileName.lastIndexOf('.');
  return `${dot > 0 ? fileName.slice(0, dot) : fileName}.${extension}`;
}

export class LessonFiles {
  // The name the slideshow was opened under, which saving offers again.
  fileName = '';

  constructor(private readonly session: Session, private readonly fileTitle: (name: string) => string,
              private readonly opened: () => void) {
    // Leaving the page with changes unsaved asks first, as closing the window does.
    window.addEventListener('beforeunload', (event) => {
      if (this.session.changed()) event.preventDefault();
    });
    const picker = document.getElementById('open-file') as HTMLInputElement;
    picker.accept = `.${text('SlideshowExtension')}`;
    picker.addEventListener('change', () => {
      const file = picker.files?.[0];
      picker.value = '';
      if (file) void this.openFile(file);
    });
    document.addEventListener('dragover', (event) => {
      if (event.dataTransfer?.types.includes('Files')) {
        event.preventDefault();
        document.body.classList.add('dropping');
      }
    });
    document.addEventListener('dragleave', (event) => {
      if (event.relatedTarget === null) document.body.classList.remove('dropping');
    });
    document.addEventListener('drop', (event) => {
      document.body.classList.remove('dropping');
      const file = event.dataTransfer?.files[0];
      if (!file) return;
      event.preventDefault();
      void this.openFile(file);
    });
  }

  choose(): void {
    (document.getElementById('open-file') as HTMLInputElement).click();
  }

  async openFile(file: File): Promise<void> {
    this.openBytes(new Uint8Array(await file.arrayBuffer()), file.name);
  }

  // A lesson at an address (beside the page or on another site that allows it); whether it opened.
  async openAddress(address: string): Promise<boolean> {
    let bytes: Uint8Array;
    try {
      const response = await fetch(address);
      if (!response.ok) throw new Error(String(response.status));
      bytes = new Uint8Array(await response.arrayBuffer());
    } catch {
      showMessage('error', format('LessonNotLoaded', address));
      return false;
    }
    const name = decodeURIComponent(new URL(address, document.baseURI).pathname.split('/').pop() ?? '');
    return this.openBytes(bytes, name);
  }

  // Opens a slideshow's bytes as the window opens a file: a file that could not be used changes
  // nothing and says why.
  openBytes(bytes: Uint8Array, name: string): boolean {
    const answer = JSON.parse(this.session.open(bytes, name)) as Message & { opened: boolean };
    showOpened(answer);
    if (answer.opened) {
      this.fileName = name;
      this.showTitle();
      this.opened();
    }
    return answer.opened;
  }

  save(): void {
    const name = this.fileName || `${text('Untitled')}.${text('SlideshowExtension')}`;
    download(name, new Blob([this.session.save().slice()], { type: 'application/octet-stream' }));
    this.session.markSaved();
    this.showTitle();
  }

  // The window's title: the lesson's name, marked while it has unsaved changes.
  showTitle(): void {
    document.title = this.fileTitle(this.fileName) + (this.session.changed() ? text('ChangedMark') : '');
  }
}
