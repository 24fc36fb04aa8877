// The area below the tank: the active tool's panel (its picture, drawn by the core, with the pointer
// passed on, its buttons and read-outs, and its menu) or, without one, the info sheet.
import { PanelPointer, Slot, type ObjectItem, type PanelControl, type Session } from './wavora_module';
import { PanelView } from './panels';
import { showMenu, type MenuEntry } from './menus';
import { canvasPng, download, sibling } from './files';
import { copyPicture, copyText } from './clipboard';
import { putPicture } from './pictures';
import { nameWithReading, text } from './texts';

// The panel's picture at the size of the window's tool panel area.
const kBoxWidth = 417;
const kBoxHeight = 169;

export class ToolPanel {
  private readonly area: HTMLElement;
  private readonly infoSheet: HTMLElement;
  private readonly canvas: HTMLCanvasElement;
  private readonly menuButton: HTMLButtonElement;
  readonly view: PanelView;
  private pointerDown = false;

  constructor(private readonly session: Session, private readonly fileName: () => string,
              private readonly tool: () => ObjectItem | undefined, changed: () => void) {
    this.area = document.getElementById('tool-panel') as HTMLElement;
    this.infoSheet = document.getElementById('info-sheet') as HTMLElement;
    this.canvas = document.getElementById('tool-picture') as HTMLCanvasElement;
    this.canvas.width = kBoxWidth;
    this.canvas.height = kBoxHeight;
    this.menuButton = document.getElementById('tool-menu') as HTMLButtonElement;
    this.view = new PanelView(session, Slot.Tool, document.getElementById('tool-controls') as HTMLElement, changed);
    this.menuButton.addEventListener('click', () => this.openMenu(this.menuButton));
    this.canvas.addEventListener('contextmenu', (event) => {
      event.preventDefault();
      this.openMenu(this.canvas);
    });
    this.canvas.addEventListener('pointerdown', (event) => {
      if (event.button !== 0) return;
      this.canvas.setPointerCapture(event.pointerId);
      this.pointerDown = true;
      this.pointer(PanelPointer.Down, event);
    });
    this.canvas.addEventListener('pointermove', (event) => this.pointer(PanelPointer.Move, event));
    this.canvas.addEventListener('pointerup', (event) => {
      if (!this.pointerDown) return;
      this.pointerDown = false;
      this.pointer(PanelPointer.Up, event);
    });
  }

  private pointer(what: PanelPointer, event: PointerEvent): void {
    const box = this.canvas.getBoundingClientRect();
    this.session.toolPanelPointer(what, Math.floor(((event.clientX - box.left) * kBoxWidth) / box.width),
      Math.floor(((event.clientY - box.top) * kBoxHeight) / box.height));
  }

  // The panel's picture as the core has it now, and with `controls` its controls too; the info sheet
  // when no tool shows a panel.
  refresh(controls = true): void {
    const picture = this.session.toolPanelPicture(kBoxWidth, kBoxHeight);
    this.area.hidden = picture === null;
    this.infoSheet.hidden = picture !== null;
    if (picture === null) return;
    putPicture(this.canvas, picture, kBoxWidth, kBoxHeight);
    if (!controls) return;
    // Screen readers read the picture as the tool's name and the reading it shows, if it has one.
    const tool = this.tool();
    this.canvas.setAttribute('aria-label', nameWithReading(tool?.name ?? '', tool ? this.session.readOut(tool.id) : ''));
    this.view.refresh();
    this.menuButton.textContent = tool?.name ?? '';
    this.menuButton.hidden = this.menuEntries().length === 0;
  }

  private menuEntries(): PanelControl[] {
    return this.view.panelControls().filter((control) => control.kind === 'menu' && control.visible);
  }

  private openMenu(anchor: HTMLElement): void {
    const entries: MenuEntry[] = this.menuEntries().map((control) => ({
      caption: control.caption,
      ...(control.toggle ? { checked: control.value !== 0 } : {}),
      enabled: control.enabled,
      separated: control.separated,
      action: () => {
        if (this.view.change(control.id, 1) === 'shellCommand') this.command(control);
      },
    }));
    if (entries.length > 0) showMenu(anchor, entries);
  }

  // The menu commands the shell carries out: the panel's picture and the readings, to a file or the
  // clipboard.
  private command(control: PanelControl): void {
    const base = this.fileName() || text('Untitled');
    switch (control.command) {
      case 'saveSnapshot':
        void canvasPng(this.canvas).then((png) => download(sibling(base, 'png'), png));
        break;
      case 'copySnapshot':
        void copyPicture(canvasPng(this.canvas));
        break;
      case 'saveData':
        download(sibling(base, text('DataExtension')),
          new Blob([this.session.toolReadingsCsv()], { type: 'text/csv' }));
        break;
      case 'copyData':
        void copyText(this.session.toolReadingsCsv());
        break;
      case 'setting':
        break;
    }
  }
}
