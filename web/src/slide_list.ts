// The "Slides" tab: the slides with their numbers, names, thumbnails and descriptions, the slide on
// show selected, an item dragged onto another moving its slide there; new, delete, next and
// previous slide; and the info sheet below the tank, where the
// slide on show's name and description are edited. Lesson texts are shown only as text.
import type { Session, SlideSummary } from './wavora_module';
import { copyReduced, drawReduced } from './pictures';
import { showMessage } from './dialogs';
import { text } from './texts';
import { recordEvent } from './event_log';

const kThumbnailSize = 64;
// The type of a slide item's data while it is dragged.
const kSlideDrag = 'application/x-wavora-slide';
// Character limits of the window's name and description edits.
const kNameLength = 100;
const kDescriptionLength = 1000;

export interface SlideLinks {
  // A slide is shown now (another slide, a new document): the rest of the page follows it.
  shown: () => void;
  tankCanvas: HTMLCanvasElement;
}

export class SlideList {
  private thumbnails: HTMLCanvasElement[] = [];
  // Whether the tank shows a frame of the slide on show yet (before it, the canvas shows another).
  private frameShown = false;
  private readonly list: HTMLOListElement;
  private readonly name: HTMLInputElement;
  private readonly description: HTMLTextAreaElement;
  private readonly number: HTMLElement;
  private readonly deleteButton: HTMLButtonElement;

  constructor(private readonly session: Session, private readonly links: SlideLinks) {
    this.list = document.getElementById('slide-list') as HTMLOListElement;
    this.name = document.getElementById('slide-name') as HTMLInputElement;
    this.description = document.getElementById('slide-description') as HTMLTextAreaElement;
    this.number = document.getElementById('slide-number') as HTMLElement;
    this.deleteButton = document.getElementById('delete-slide') as HTMLButtonElement;
    this.name.maxLength = kNameLength;
    this.description.maxLength = kDescriptionLength;
    const edited = (): void => this.session.setSlideTexts(this.name.value, this.description.value);
    this.name.addEventListener('input', edited);
    this.description.addEventListener('input', edited);
    // Leaving an edit, or Enter in the name, shows the new texts in the list.
    this.name.addEventListener('change', () => this.refreshTexts());
    this.description.addEventListener('change', () => this.refreshTexts());
    this.name.addEventListener('keydown', (event) => {
      if (event.key === 'Enter') this.name.blur();
    });
    document.getElementById('new-slide')?.addEventListener('click', () => this.newSlide());
    this.deleteButton.addEventListener('click', () => this.deleteSlide());
    document.getElementById('next-slide')?.addEventListener('click', () => this.step(1));
    document.getElementById('previous-slide')?.addEventListener('click', () => this.step(-1));
  }

  private slides(): SlideSummary[] {
    return JSON.parse(this.session.slides()) as SlideSummary[];
  }

  // The list made anew from the document, every thumbnail drawn.
  rebuild(): void {
    const slides = this.slides();
    this.list.replaceChildren();
    this.frameShown = false;
    this.thumbnails = slides.map((slide, index) => {
      const item = document.createElement('li');
      item.className = 'slide-item';
      item.setAttribute('role', 'option');
      item.tabIndex = 0;
      const title = document.createElement('span');
      title.className = 'slide-title';
      const thumbnail = document.createElement('canvas');
      thumbnail.className = 'thumbnail';
      thumbnail.width = kThumbnailSize;
      thumbnail.height = kThumbnailSize;
      const description = document.createElement('span');
      description.className = 'slide-description';
      item.append(title, thumbnail, description);
      this.fillItem(item, index, slide);
      item.addEventListener('click', () => this.show(index));
      item.draggable = true;
      item.addEventListener('dragstart', (event) => {
        event.dataTransfer?.setData(kSlideDrag, String(index));
      });
      item.addEventListener('dragover', (event) => {
        if (event.dataTransfer?.types.includes(kSlideDrag)) event.preventDefault();
      });
      item.addEventListener('drop', (event) => {
        const from = event.dataTransfer?.getData(kSlideDrag);
        if (!from) return;
        event.preventDefault();
        event.stopPropagation();
        this.move(Number(from), index);
      });
      item.addEventListener('keydown', (event) => {
        if (event.key === 'Enter' || event.key === ' ') this.show(index);
      });
      this.list.append(item);
      drawReduced(thumbnail, this.session.slidePicture(index), this.session.width(), this.session.height());
      return thumbnail;
    });
    this.showSelection();
  }

  private fillItem(item: HTMLElement, index: number, slide: SlideSummary): void {
    const title = `${index + 1}. ${slide.name}`;
    (item.querySelector('.slide-title') as HTMLElement).textContent = title;
    // Named by its title alone; its description is read after it.
    item.setAttribute('aria-label', title);
    item.setAttribute('aria-description', slide.description);
    (item.querySelector('.slide-description') as HTMLElement).textContent = slide.description;
  }

  // The names and descriptions again, without new thumbnails.
  refreshTexts(): void {
    this.slides().forEach((slide, index) => {
      const item = this.list.children[index] as HTMLElement | undefined;
      if (item) this.fillItem(item, index, slide);
    });
    this.showSelection();
  }

  // The selection, the info sheet and the delete button follow the slide on show.
  private showSelection(): void {
    const shown = this.session.shownSlide();
    const slides = this.slides();
    Array.from(this.list.children).forEach((item, index) => {
      item.classList.toggle('selected', index === shown);
      item.setAttribute('aria-selected', String(index === shown));
    });
    this.reveal(this.list.children[shown] as HTMLElement | undefined);
    this.deleteButton.disabled = shown < 0 || slides.length <= 1;
    const slide = slides[shown];
    if (document.activeElement !== this.name) this.name.value = slide?.name ?? '';
    if (document.activeElement !== this.description) this.description.value = slide?.description ?? '';
    this.number.textContent = slide ? `${text('SlidePrefix')}${shown + 1}` : '';
  }

  // Scrolls the list, and only the list, so that the item shows.
  private reveal(item: HTMLElement | undefined): void {
    if (!item) return;
    const top = item.offsetTop;
    const bottom = top + item.offsetHeight;
    if (top < this.list.scrollTop) {
      this.list.scrollTop = top;
    } else if (bottom > this.list.scrollTop + this.list.clientHeight) {
      this.list.scrollTop = bottom - this.list.clientHeight;
    }
  }

  frameDrawn(): void {
    this.frameShown = true;
  }

  // The shown slide's thumbnail from what the tank shows now (drawing it anew would move the core).
  followFrame(): void {
    const thumbnail = this.thumbnails[this.session.shownSlide()];
    if (thumbnail && this.frameShown) copyReduced(thumbnail, this.links.tankCanvas);
  }

  show(index: number): void {
    if (index === this.session.shownSlide()) return;
    this.followFrame();
    recordEvent(`slide ${index + 1}`);
    this.session.showSlide(index);
    this.frameShown = false;
    this.showSelection();
    this.links.shown();
  }

  step(by: number): void {
    const index = this.session.shownSlide() + by;
    if (index >= 0 && index < this.thumbnails.length) this.show(index);
  }

  private move(from: number, to: number): void {
    if (from === to) return;
    this.followFrame();
    this.session.moveSlide(from, to);
    this.rebuild();
    this.links.shown();
  }

  private newSlide(): void {
    this.followFrame();
    const refusal = this.session.newSlide();
    if (refusal !== '') {
      showMessage('error', refusal);
      return;
    }
    this.rebuild();
    this.links.shown();
  }

  private deleteSlide(): void {
    if (!this.session.deleteShownSlide()) return;
    this.rebuild();
    this.links.shown();
  }
}
