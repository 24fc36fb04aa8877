// The core's binding as the page sees it (src/web/binding.cpp). Byte results are views into the
// module's memory that the next call of the same kind overwrites: copy what is kept.

// Panel slots, frame modes and pointer phases as the binding numbers them.
export const enum Slot {
  Source = 0,
  Medium = 1,
  Tool = 2,
}
export const enum FrameMode {
  Normal = 0,
  Fast = 1,
  Frozen = 2,
}
export const enum PanelPointer {
  Down = 0,
  Move = 1,
  Up = 2,
}

export interface Session {
  open(bytes: Uint8Array, name: string): string;
  save(): Uint8Array;
  changed(): boolean;
  markSaved(): void;
  slides(): string;
  shownSlide(): number;
  showSlide(index: number): void;
  slidePicture(index: number): Uint8Array;
  runFrame(mode: FrameMode): boolean;
  width(): number;
  height(): number;
  picture(): Uint8Array;
  selection(): string;
  setSlideTexts(name: string, description: string): void;
  newSlide(): string;
  deleteShownSlide(): boolean;
  moveSlide(fromIndex: number, toIndex: number): void;
  setDisplayShape(tag: number): void;
  clearField(): void;
  contrast(): number;
  setContrast(position: number): void;
  setTheory(on: boolean): void;
  setHighContrast(on: boolean): void;
  pointerDown(button: number, shift: number, x: number, y: number, drip: boolean): void;
  pointerMove(shift: number, x: number, y: number): void;
  pointerUp(button: number, shift: number, x: number, y: number): void;
  chooseExperiment(index: number): void;
  addTool(index: number): boolean;
  deleteSelected(): string;
  objects(): string;
  selectObject(id: number): void;
  setSnap(snap: boolean): void;
  pickHandle(step: number): void;
  nudgeHandle(dx: number, dy: number): boolean;
  pickedHandle(): string;
  readOut(id: number): string;
  experimentPicture(index: number): Uint8Array;
  panel(slot: Slot): string;
  helpPage(slot: Slot): string;
  remakePanels(): void;
  changePanel(slot: Slot, id: string, value: number): string;
  toolPanelPicture(width: number, height: number): Uint8Array | null;
  toolPanelPointer(what: PanelPointer, x: number, y: number): void;
  toolReadingsCsv(): string;
  copySlide(): string;
  pasteSlide(text: string): string;
  fieldBytes(): Uint8Array;
  delete(): void;
}

export interface SessionClass {
  new (width: number, height: number): Session;
  experiments(): string;
  tools(): string;
  texts(): string;
  // The chosen language's translations, from the table's English text to the language's ({}: English).
  setLanguage(entries: Record<string, string>): void;
  experimentPictureSize(): number;
  teachingOrder(fileNames: string): string;
  fileTitle(fileName: string): string;
}

export interface WavoraModule {
  Session: SessionClass;
}

// What the binding's JSON answers hold.
export interface Message {
  kind: 'none' | 'information' | 'warning' | 'error';
  text: string;
}
export interface SlideSummary {
  name: string;
  description: string;
  medium: string;
}
export interface CatalogueEntry {
  className: string;
  typeName: string;
  description: string;
  helpPage: string;
  picture: string;
}
export interface ObjectItem {
  id: number;
  kind: 'source' | 'medium' | 'tool' | 'panelTool';
  name: string;
  picture: string;
}
export interface ObjectList {
  selected: number;
  items: ObjectItem[];
}
export interface PickedHandle {
  id: number;
  name: string;
  reading: string;
  handle: number;
  count: number;
  x: number;
  y: number;
}
export interface SelectionButtons {
  snapEnabled: boolean;
  snapDown: boolean;
  deleteEnabled: boolean;
}
export interface ControlItem {
  value: number;
  name: string;
  caption: string;
  hint: string;
  heading: string;
}
export interface PanelControl {
  id: string;
  kind: 'button' | 'group' | 'slider' | 'readout' | 'menu';
  caption: string;
  hint: string;
  text: string;
  min: number;
  max: number;
  step: number;
  value: number;
  toggle: boolean;
  command: 'setting' | 'saveSnapshot' | 'copySnapshot' | 'saveData' | 'copyData';
  separated: boolean;
  enabled: boolean;
  visible: boolean;
  items: ControlItem[];
}

// wavora.js, loaded by its own script element before the page's bundle, defines this factory.
declare global {
  var createWavora: (options?: object) => Promise<WavoraModule>;
}
