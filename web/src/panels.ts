// A panel as HTML controls, built from the panel's own description of its controls (captions,
// ranges, read-outs, button groups under their headings) and kept in step with it: a change goes to
// the core by the control's id, and the core's answer is shown again. Menu entries of a tool's panel
// go to a menu of their own (see ToolPanel).
import type { PanelControl, Session, Slot } from './wavora_module';
import { setHint } from './texts';
import { recordEvent } from './event_log';

const kSlotNames = ['source', 'medium', 'tool'];

// What a view needs of each shown control to tell whether the panel changed its make-up.
function makeUp(controls: PanelControl[]): string {
  return JSON.stringify(controls.map((c) => [c.id, c.kind, c.visible, c.caption, c.min, c.max, c.step,
    c.items.map((item) => [item.value, item.caption, item.heading])]));
}

export class PanelView {
  private shownMakeUp = '';
  private controls: PanelControl[] = [];

  constructor(private readonly session: Session, private readonly slot: Slot,
              private readonly holder: HTMLElement, private readonly changed: () => void) {}

  // The panel's controls as the core describes them now.
  panelControls(): PanelControl[] {
    return this.controls;
  }

  refresh(): void {
    this.controls = JSON.parse(this.session.panel(this.slot)) as PanelControl[];
    const shown = this.controls.filter((control) => control.visible && control.kind !== 'menu');
    const made = makeUp(shown);
    if (made !== this.shownMakeUp) {
      this.shownMakeUp = made;
      this.build(shown);
    }
    for (const control of shown) this.update(control);
    this.holder.hidden = shown.length === 0;
  }

  change(id: string, value: number): string {
    recordEvent(`panel ${kSlotNames[this.slot]} ${id} ${value}`);
    const result = this.session.changePanel(this.slot, id, value);
    this.refresh();
    this.changed();
    return result;
  }

  private build(controls: PanelControl[]): void {
    this.holder.replaceChildren();
    let previousCaption = '';
    for (const control of controls) {
      const row = document.createElement('div');
      row.className = `control control-${control.kind}`;
      row.dataset['id'] = control.id;
      // A slider under a read-out of the same caption shares its caption.
      const caption = control.caption !== previousCaption || control.kind === 'readout' ? control.caption : '';
      previousCaption = control.caption;
      switch (control.kind) {
        case 'readout': {
          // The caption names the read-out; a read-out that changes with every frame is read when
          // asked for, not announced.
          const label = document.createElement('label');
          label.className = 'caption';
          const words = document.createElement('span');
          words.textContent = control.caption;
          const output = document.createElement('output');
          output.setAttribute('aria-live', 'off');
          label.append(words, output);
          row.append(label);
          break;
        }
        case 'slider': {
          const label = document.createElement('label');
          label.className = 'caption';
          label.textContent = caption;
          const input = document.createElement('input');
          input.type = 'range';
          input.min = String(control.min);
          input.max = String(control.max);
          input.step = String(control.step);
          input.setAttribute('aria-label', control.caption);
          input.addEventListener('input', () => this.change(control.id, Number(input.value)));
          label.append(input);
          row.append(label);
          break;
        }
        case 'button': {
          const button = document.createElement('button');
          button.type = 'button';
          button.textContent = control.caption || control.hint;
          if (control.hint) setHint(button, control.hint);
          button.addEventListener('click', () => this.change(control.id, 0));
          row.append(button);
          break;
        }
        case 'group':
          row.append(...this.group(control));
          break;
        case 'menu':
          break;
      }
      this.holder.append(row);
    }
  }

  // A button group: its items under their headings, the chosen one pressed.
  private group(control: PanelControl): HTMLElement[] {
    const parts: HTMLElement[] = [];
    let heading: string | null = null;
    let row: HTMLElement | null = null;
    for (const item of control.items) {
      if (row === null || item.heading !== heading) {
        heading = item.heading;
        if (heading !== '') {
          const title = document.createElement('span');
          title.className = 'heading';
          title.textContent = heading;
          parts.push(title);
        }
        row = document.createElement('div');
        row.className = 'group';
        row.setAttribute('role', 'group');
        if (control.caption) row.setAttribute('aria-label', control.caption);
        parts.push(row);
      }
      const button = document.createElement('button');
      button.type = 'button';
      button.dataset['value'] = String(item.value);
      button.textContent = item.caption || item.hint;
      if (item.hint) setHint(button, item.hint);
      button.addEventListener('click', () => this.change(control.id, item.value));
      row.append(button);
    }
    if (control.hint) parts.forEach((part) => (part.title = control.hint));
    return parts;
  }

  private update(control: PanelControl): void {
    const row = this.holder.querySelector<HTMLElement>(`[data-id="${CSS.escape(control.id)}"]`);
    if (!row) return;
    switch (control.kind) {
      case 'readout':
        (row.querySelector('output') as HTMLOutputElement).textContent = control.text;
        break;
      case 'slider': {
        const input = row.querySelector('input') as HTMLInputElement;
        if (document.activeElement !== input || input.value !== String(control.value)) input.value = String(control.value);
        input.disabled = !control.enabled;
        break;
      }
      case 'button': {
        const button = row.querySelector('button') as HTMLButtonElement;
        button.disabled = !control.enabled;
        if (control.toggle) button.setAttribute('aria-pressed', String(control.value !== 0));
        break;
      }
      case 'group':
        for (const button of row.querySelectorAll<HTMLButtonElement>('button')) {
          button.setAttribute('aria-pressed', String(Number(button.dataset['value']) === control.value));
          button.disabled = !control.enabled;
        }
        break;
      case 'menu':
        break;
    }
  }
}
