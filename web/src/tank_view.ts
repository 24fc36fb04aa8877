// The tank on a canvas: the core's picture, scaled by the page's layout, and the pointer (mouse, pen
// or touch) passed to the tank in its own pixels, as the window's tank display does.
import type { Session } from './wavora_module';
import { putPicture } from './pictures';
import { recordEvent } from './event_log';

export interface TankLinks {
  dripDown: () => boolean;
  // After a press or release: the selection and panels may have changed.
  pointerDone: () => void;
}

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

  constructor(readonly canvas: HTMLCanvasElement, private readonly session: Session, private readonly links: TankLinks) {
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
    // The info sheet's edits lose the focus, as a press on the window's tank takes it from them.
    (document.activeElement as HTMLElement | null)?.blur();
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
