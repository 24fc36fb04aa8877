// The tank on a canvas: the core's picture, scaled by the page's layout, and the pointer (mouse, pen
// or touch) passed to the tank in its own pixels, as the window's tank display does. With the
// keyboard, as in the window: N and Shift+N pick the next and previous handle, the arrow keys move it a
// cell (Shift: ten), Delete and Space work the delete and freeze buttons; the picked handle is ringed
// and told to screen readers.
import type { PickedHandle, Session } from './wavora_module';
import { putPicture } from './pictures';
import { recordEvent } from './event_log';
import { format, nameWithReading } from './texts';

export interface TankLinks {
  dripDown: () => boolean;
  // After a press, a release or a key: the selection and panels may have changed.
  pointerDone: () => void;
  deleteSelected: () => void;
  runOrFreeze: () => void;
}

const kShiftCells = 10;
// Arrow keys as moves in grid cells, y upward.
const kArrows: Record<string, [number, number]> = {
  ArrowLeft: [-1, 0],
  ArrowRight: [1, 0],
  ArrowUp: [0, 1],
  ArrowDown: [0, -1],
};

// Shift flags as the binding takes them: 1 shift, 2 control, 4 alt.
function shiftOf(event: PointerEvent): number {
  return (event.shiftKey ? 1 : 0) | (event.ctrlKey ? 2 : 0) | (event.altKey ? 4 : 0);
}

// The binding's buttons: 0 left, 1 middle, 2 right, as the DOM numbers them too.
function buttonOf(event: PointerEvent): number {
  return event.button === 1 || event.button === 2 ? event.button : 0;
}

export class TankView {
  private pressed: number | null = null;
  private readonly ring = document.getElementById('picked-ring') as HTMLElement;
  private readonly spoken = document.getElementById('tank-pick') as HTMLElement;

  constructor(readonly canvas: HTMLCanvasElement, private readonly session: Session, private readonly links: TankLinks) {
    canvas.addEventListener('keydown', (event) => this.key(event));
    canvas.addEventListener('pointerdown', (event) => this.down(event));
    canvas.addEventListener('pointermove', (event) => this.move(event));
    canvas.addEventListener('pointerup', (event) => this.up(event));
    canvas.addEventListener('pointercancel', (event) => this.up(event));
    canvas.addEventListener('contextmenu', (event) => event.preventDefault());
    this.fitToTank();
  }

  // The canvas takes the tank's size (after a display shape or a new slideshow).
  fitToTank(): void {
    const width = this.session.width();
    const height = this.session.height();
    this.canvas.width = width;
    this.canvas.height = height;
    this.canvas.style.aspectRatio = `${width} / ${height}`;
    this.canvas.parentElement?.style.setProperty('--tank-aspect', String(width / height));
  }

  draw(): void {
    putPicture(this.canvas, this.session.picture(), this.session.width(), this.session.height());
  }

  private key(event: KeyboardEvent): void {
    if (event.ctrlKey || event.altKey || event.metaKey) return;
    const move = kArrows[event.key];
    const cells = event.shiftKey ? kShiftCells : 1;
    if (event.key.toLowerCase() === 'n') {
      this.session.pickHandle(event.shiftKey ? -1 : 1);
    } else if (move) {
      this.session.nudgeHandle(move[0] * cells, move[1] * cells);
    } else if (event.key === 'Delete') {
      this.links.deleteSelected();
    } else if (event.key === ' ') {
      // A held key acts once: a held Space must not flicker between frozen and running.
      if (!event.repeat) this.links.runOrFreeze();
    } else {
      return;
    }
    event.preventDefault();
    this.links.pointerDone();
    this.showPicked(true);
  }

  // No handle picked (another slide or slideshow on show).
  dropPick(): void {
    this.session.pickHandle(0);
    this.showPicked(true);
  }

  // Once a frame: the ring follows the handle, which the pointer or a panel may have moved, and goes
  // when its object has.
  followFrame(): void {
    this.showPicked(false);
  }

  // Rings the picked handle; with announce, or as the pick goes, tells screen readers which handle is
  // picked and where.
  private showPicked(announce: boolean): void {
    const picked = JSON.parse(this.session.pickedHandle()) as PickedHandle | null;
    const wasShown = !this.ring.hidden;
    this.ring.hidden = picked === null;
    if (picked !== null) {
      const scale = this.canvas.clientWidth / this.canvas.width;
      this.ring.style.left = `${this.canvas.offsetLeft + (picked.x + 0.5) * scale}px`;
      this.ring.style.top = `${this.canvas.offsetTop + (this.canvas.height - 1 - picked.y + 0.5) * scale}px`;
    }
    if (!announce && !(wasShown && picked === null)) return;
    this.spoken.textContent = picked === null ? ''
      : format('PickedHandle', nameWithReading(picked.name, picked.reading), picked.handle, picked.count, picked.x, picked.y);
  }

  // The tank cell under the pointer: the picture's pixel, Y downward.
  private cell(event: PointerEvent): { x: number; y: number } {
    const box = this.canvas.getBoundingClientRect();
    return {
      x: Math.floor(((event.clientX - box.left) * this.canvas.width) / box.width),
      y: Math.floor(((event.clientY - box.top) * this.canvas.height) / box.height),
    };
  }

  private down(event: PointerEvent): void {
    if (this.pressed !== null) return;
    event.preventDefault();
    // The tank takes the keyboard, as a press on the window's tank takes it from the info sheet.
    this.canvas.focus({ preventScroll: true });
    this.canvas.setPointerCapture(event.pointerId);
    this.pressed = event.pointerId;
    const { x, y } = this.cell(event);
    recordEvent(`down ${x} ${y}`);
    this.session.pointerDown(buttonOf(event), shiftOf(event), x, y, this.links.dripDown());
    this.links.pointerDone();
  }

  private move(event: PointerEvent): void {
    if (this.pressed !== null && event.pointerId !== this.pressed) return;
    const { x, y } = this.cell(event);
    recordEvent(`move ${x} ${y}`);
    this.session.pointerMove(shiftOf(event), x, y);
  }

  private up(event: PointerEvent): void {
    if (event.pointerId !== this.pressed) return;
    this.pressed = null;
    const { x, y } = this.cell(event);
    recordEvent(`up ${x} ${y}`);
    this.session.pointerUp(buttonOf(event), shiftOf(event), x, y);
    this.links.pointerDone();
  }
}
