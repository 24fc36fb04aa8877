// Wavora in the browser: the window's areas over the core's binding. The page holds no simulation
// rule: it shows what the core draws and describes, and passes the user's gestures on.
import { Slot, type CatalogueEntry, type Session, type SlideSummary, type WavoraModule } from './wavora_module';
import { applyTexts, loadTexts, setHint, text } from './texts';
import { TankView } from './tank_view';
import { FrameLoop } from './frame_loop';
import { SlideList } from './slide_list';
import { PanelView } from './panels';
import { ToolPanel } from './tool_panel';
import { ToolsTab } from './tools_tab';
import { LessonFiles, canvasPng, download, sibling } from './files';
import { SlideClipboard, copyPicture } from './clipboard';
import { setUpDialogs } from './dialogs';
import { closeMenu, setUpMenus, showMenu } from './menus';
import { drawReduced } from './pictures';
import { recordedEvents, startRecording } from './event_log';
import { ViewSettings } from './view_settings';
import { languageName, languages, rememberChoice, speakLanguage, startingLanguage, translations } from './language';

const kTankSide = 401;
// Frames between refreshes of what changes without the user: panel read-outs (the window's panels
// poll every 50 to 200 ms), the object list, the slide's thumbnail.
const kPanelFrames = 6;
const kListFrames = 15;
const kThumbnailFrames = 60;
const kExperimentPicture = 28;

function element<T extends HTMLElement>(id: string): T {
  return document.getElementById(id) as T;
}

// A toggle button's state, shown as pressed.
function toggled(button: HTMLButtonElement): boolean {
  const down = button.getAttribute('aria-pressed') !== 'true';
  button.setAttribute('aria-pressed', String(down));
  return down;
}

class Page {
  private readonly session: Session;
  private readonly tank: TankView;
  private readonly loop: FrameLoop;
  private readonly slides: SlideList;
  private readonly sourcePanel: PanelView;
  private readonly mediumPanel: PanelView;
  private readonly toolPanel: ToolPanel;
  private readonly toolsTab: ToolsTab;
  readonly files: LessonFiles;
  private readonly clipboard: SlideClipboard;
  private readonly view: ViewSettings;
  private experimentPictures: HTMLCanvasElement[] | null = null;
  private displayShape = 0;

  constructor(private readonly wavora: WavoraModule, readonly testMode: boolean, private language: string) {
    this.session = new wavora.Session(kTankSide, kTankSide);
    this.view = new ViewSettings(this.session);
    const changed = (): void => this.followChange();
    this.tank = new TankView(element('tank'), this.session, {
      dripDown: () => element('drips').getAttribute('aria-pressed') === 'true',
      pointerDone: changed,
      // The buttons' own rules decide: a disabled button does nothing.
      deleteSelected: () => element('delete-object').click(),
      runOrFreeze: () => element('freeze').click(),
    });
    this.loop = new FrameLoop(this.session, this.tank, (count) => this.afterFrame(count));
    this.slides = new SlideList(this.session, { shown: () => this.followSlide(), tankCanvas: this.tank.canvas });
    this.sourcePanel = new PanelView(this.session, Slot.Source, element('source-panel'), changed);
    this.mediumPanel = new PanelView(this.session, Slot.Medium, element('medium-panel'), changed);
    this.files = new LessonFiles(this.session, (name) => wavora.Session.fileTitle(name), () => this.followDocument());
    this.toolsTab = new ToolsTab(this.session, () => JSON.parse(wavora.Session.tools()) as CatalogueEntry[], changed);
    this.toolPanel = new ToolPanel(this.session, () => this.files.fileName, () => this.toolsTab.selected(), changed);
    this.clipboard = new SlideClipboard(this.session, () => this.slides.rebuild());
    this.connectControls();
    this.followDocument();
  }

  private connectControls(): void {
    element('clear').addEventListener('click', () => {
      this.session.clearField();
    });
    element('freeze').addEventListener('click', (event) => {
      this.loop.frozen = toggled(event.currentTarget as HTMLButtonElement);
    });
    element('fast').addEventListener('click', (event) => {
      this.loop.fast = toggled(event.currentTarget as HTMLButtonElement);
    });
    element('drips').addEventListener('click', (event) => {
      this.tank.canvas.classList.toggle('drips', toggled(event.currentTarget as HTMLButtonElement));
    });
    const contrast = element<HTMLInputElement>('contrast');
    contrast.addEventListener('input', () => this.session.setContrast(Number(contrast.value)));
    element('copy-snapshot').addEventListener('click', () => void copyPicture(canvasPng(this.tank.canvas)));
    element('save-snapshot').addEventListener('click', () =>
      void canvasPng(this.tank.canvas).then((png) => download(sibling(this.files.fileName || text('Untitled'), 'png'), png)));
    const toolsTab = element<HTMLButtonElement>('tools-tab');
    const slidesTab = element<HTMLButtonElement>('slides-tab');
    const showTab = (slidesShown: boolean): void => {
      toolsTab.setAttribute('aria-pressed', String(!slidesShown));
      slidesTab.setAttribute('aria-pressed', String(slidesShown));
      element('tools-page').hidden = slidesShown;
      element('slides-page').hidden = !slidesShown;
    };
    toolsTab.addEventListener('click', () => showTab(false));
    slidesTab.addEventListener('click', () => showTab(true));
    showTab(true);
    element('slideshow-menu').addEventListener('click', (event) => this.slideshowMenu(event.currentTarget as HTMLElement));
    element('experiment').addEventListener('click', (event) => this.experimentMenu(event.currentTarget as HTMLElement));
    element('help').addEventListener('click', (event) => this.helpMenu(event.currentTarget as HTMLElement));
    element('examples').addEventListener('click', (event) => void this.examplesMenu(event.currentTarget as HTMLElement));
    document.addEventListener('keydown', (event) => this.key(event));
  }

  private key(event: KeyboardEvent): void {
    const inEdit = (event.target as HTMLElement | null)?.closest('input, textarea, dialog') !== null;
    const command = event.ctrlKey || event.metaKey;
    if (command && event.key.toLowerCase() === 's') {
      event.preventDefault();
      this.files.save();
    } else if (command && event.key.toLowerCase() === 'o') {
      event.preventDefault();
      this.files.choose();
    } else if (command && event.key.toLowerCase() === 'x' && !inEdit) {
      this.cutSlide();
    } else if (event.key === 'F1') {
      event.preventDefault();
      this.showHelp(this.helpPageAt(document.querySelectorAll(':hover')));
    } else if (!inEdit && (event.key === 'PageDown' || event.key === 'PageUp')) {
      event.preventDefault();
      this.slides.step(event.key === 'PageDown' ? 1 : -1);
    }
  }

  // Whose help page the part of the page under the pointer has.
  private helpPageAt(hovered: NodeListOf<Element>): string {
    const slots: Array<[string, Slot]> = [['source-area', Slot.Source], ['medium-area', Slot.Medium], ['tool-panel', Slot.Tool]];
    for (const [id, slot] of slots) {
      if (Array.from(hovered).some((part) => part.id === id)) {
        const page = this.session.helpPage(slot);
        if (page !== '') return page;
      }
    }
    return 'index.html';
  }

  private showHelp(page: string): void {
    window.open(`help/${page}`, 'wavora-help');
  }

  private slideshowMenu(anchor: HTMLElement): void {
    const shown = this.session.shownSlide() >= 0;
    const several = (JSON.parse(this.session.slides()) as SlideSummary[]).length > 1;
    showMenu(anchor, [
      { caption: text('OpenSlideshow'), action: () => this.files.choose() },
      { caption: text('SaveSlideshow'), enabled: shown, action: () => this.files.save() },
      { caption: text('CutSlide'), separated: true, enabled: shown && several, action: () => this.cutSlide() },
      { caption: text('CopySlide'), enabled: shown, action: () => this.clipboard.copy() },
      { caption: text('PasteSlide'), action: () => void this.clipboard.paste() },
    ]);
  }

  private cutSlide(): void {
    if ((JSON.parse(this.session.slides()) as SlideSummary[]).length <= 1) return;
    this.clipboard.copy();
    (element('delete-slide') as HTMLButtonElement).click();
  }

  private async examplesMenu(anchor: HTMLElement): Promise<void> {
    const names = await exampleNames(this.wavora);
    showMenu(anchor, names.map((name) => ({ caption: exampleCaption(name), action: () => void this.openExample(name) })));
  }

  async openExample(name: string): Promise<boolean> {
    return this.files.openAddress(`examples/${encodeURIComponent(name)}`);
  }

  // The experiment menu's entries, in the language spoken now.
  private experiments(): CatalogueEntry[] {
    return JSON.parse(this.wavora.Session.experiments()) as CatalogueEntry[];
  }

  private experimentMenu(anchor: HTMLElement): void {
    if (this.session.shownSlide() < 0) return;
    const pictures = this.pictures();
    showMenu(anchor, this.experiments().map((experiment, index) => ({
      caption: experiment.typeName,
      hint: experiment.description,
      picture: pictures[index]?.cloneNode(false) as HTMLElement,
      action: () => {
        this.session.chooseExperiment(index);
        this.followChange();
        this.slides.refreshTexts();
      },
    })));
    // A cloned canvas is blank: draw the menu's pictures again.
    document.querySelectorAll<HTMLCanvasElement>('.menu canvas').forEach((canvas, index) => {
      canvas.getContext('2d')?.drawImage(pictures[index] as HTMLCanvasElement, 0, 0);
    });
  }

  // The experiment menu's pictures, made by the core once.
  private pictures(): HTMLCanvasElement[] {
    if (this.experimentPictures === null) {
      const size = this.wavora.Session.experimentPictureSize();
      this.experimentPictures = this.experiments().map((_, index) => {
        const canvas = document.createElement('canvas');
        canvas.className = 'icon';
        canvas.width = kExperimentPicture;
        canvas.height = kExperimentPicture;
        drawReduced(canvas, this.session.experimentPicture(index), size, size);
        return canvas;
      });
    }
    return this.experimentPictures;
  }

  private helpMenu(anchor: HTMLElement): void {
    const shapes = ['ShapeNormal', 'ShapeSmall', 'ShapeLongAndThin', 'ShapeTallAndNarrow'];
    showMenu(anchor, [
      { caption: text('WavoraHelp'), action: () => this.showHelp('index.html') },
      ...shapes.map((shape, tag) => ({
        caption: `${text('DisplayShape')}: ${text(shape)}`,
        checked: tag === this.displayShape,
        separated: tag === 0,
        action: () => this.setDisplayShape(tag),
      })),
      // View settings, as the window's menu has them after the display shapes.
      { caption: text('Theory'), checked: this.view.theory, action: () => this.view.setTheory(!this.view.theory) },
      { caption: text('HighContrast'), checked: this.view.highContrast,
        action: () => this.view.setHighContrast(!this.view.highContrast) },
      // Each language by its own name, so a reader finds theirs whatever the page speaks now.
      ...languages().map((code, index) => ({
        caption: `${text('Language')}: ${languageName(code)}`,
        checked: code === this.language,
        separated: index === 0,
        action: () => void this.speak(code),
      })),
      { caption: text('AboutWavora'), separated: true, action: () => this.about() },
    ]);
  }

  // Speaks another language from now on: every text on the page is read from the core again.
  private async speak(code: string): Promise<void> {
    rememberChoice(code);
    this.language = code;
    speakLanguage(this.wavora, code, await translations(code));
    loadTexts(this.wavora.Session.texts());
    applyTexts(document);
    setUpDialogs();
    this.session.remakePanels();
    this.files.showTitle();
    this.followDocument();
  }

  private setDisplayShape(tag: number): void {
    this.displayShape = tag;
    this.session.setDisplayShape(tag);
    this.tank.fitToTank();
    this.slides.rebuild();
  }

  private about(): void {
    closeMenu();
    (element('about-dialog') as HTMLDialogElement).showModal();
  }

  // A new document: its slide list, and the slide it shows.
  private followDocument(): void {
    this.slides.rebuild();
    this.followSlide();
  }

  // Another slide on show: everything beside the tank follows it.
  private followSlide(): void {
    this.tank.fitToTank();
    this.tank.draw();
    this.tank.dropPick();
    element<HTMLInputElement>('contrast').value = String(this.session.contrast());
    this.followChange();
  }

  // After a command or a gesture: the panels, lists and buttons show the core's state again.
  private followChange(): void {
    this.sourcePanel.refresh();
    this.mediumPanel.refresh();
    this.toolsTab.refresh();
    this.toolPanel.refresh();
    this.showExperimentButton();
  }

  private showExperimentButton(): void {
    const slide = (JSON.parse(this.session.slides()) as SlideSummary[])[this.session.shownSlide()];
    const experiment = this.experiments().find((entry) => entry.typeName === slide?.medium);
    const button = element('experiment');
    (button.querySelector('.caption') as HTMLElement).textContent = experiment?.typeName ?? text('Experiment');
    setHint(button, text('ExperimentHint'));
  }

  private afterFrame(count: number): void {
    this.slides.frameDrawn();
    this.tank.followFrame();
    const panelsDue = count % kPanelFrames === 0;
    this.toolPanel.refresh(panelsDue);
    if (panelsDue) {
      this.sourcePanel.refresh();
      this.mediumPanel.refresh();
    }
    if (count % kListFrames === 0) this.toolsTab.refresh();
    if (count % kThumbnailFrames === 0) {
      this.slides.followFrame();
      this.files.showTitle();
    }
  }

  start(): void {
    if (!this.testMode) this.loop.start();
  }

  // What scripts read: the frame times in the page's own loop; in the test mode, frames on demand and
  // a digest of the field.
  api(): object {
    const api = {
      frameTimes: () => this.loop.frameTimes.slice(),
      firstWavesAt: () => this.loop.firstWavesAt,
      shownSlide: () => this.session.shownSlide(),
    };
    if (!this.testMode) return api;
    return {
      ...api,
      frames: (count: number) => this.loop.runFrames(count),
      events: () => recordedEvents(),
      fieldDigest: async () => {
        const digest = await crypto.subtle.digest('SHA-256', this.session.fieldBytes().slice());
        return Array.from(new Uint8Array(digest), (byte) => byte.toString(16).padStart(2, '0')).join('');
      },
    };
  }
}

// The example lessons' file names, fetched once.
let exampleFiles: Promise<string[]> | null = null;
function exampleList(): Promise<string[]> {
  exampleFiles ??= fetch('examples/index.json').then((response) => response.json() as Promise<string[]>);
  return exampleFiles;
}

async function exampleNames(wavora: WavoraModule): Promise<string[]> {
  return JSON.parse(wavora.Session.teachingOrder((await exampleList()).join('\n'))) as string[];
}

// "waves_in_the_earth.wvr" is offered as "Waves in the earth", as the window's examples menu does.
function exampleCaption(fileName: string): string {
  const base = fileName.replace(/\.[^.]*$/, '').replaceAll('_', ' ');
  return base.charAt(0).toUpperCase() + base.slice(1);
}

async function main(): Promise<void> {
  const parameters = new URLSearchParams(location.search);
  const lesson = parameters.get('lesson');
  // The examples, the first of which opens without a lesson, are listed while the core compiles.
  if (lesson === null) void exampleList();
  const language = startingLanguage();
  const [wavora, entries] = await Promise.all([createWavora(), translations(language)]);
  speakLanguage(wavora, language, entries);
  loadTexts(wavora.Session.texts());
  applyTexts(document);
  setUpDialogs();
  setUpMenus();
  const page = new Page(wavora, parameters.get('test') === '1', language);
  page.files.showTitle();
  (globalThis as unknown as { wavoraPage: object }).wavoraPage = page.api();
  const opened = lesson !== null ? await page.files.openAddress(lesson)
    : await page.openExample((await exampleNames(wavora))[0] ?? '');
  if (page.testMode) startRecording();
  const slide = Number(parameters.get('slide'));
  if (opened && Number.isInteger(slide) && slide >= 1) element(`slide-list`).children[slide - 1]?.dispatchEvent(new Event('click'));
  document.body.classList.add('ready');
  page.start();
}

void main();
