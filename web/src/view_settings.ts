// The help menu's view settings, as the window has them: "Theory" draws what physics predicts over
// the tank, and "High Contrast" turns the page white and yellow on black and has the core draw the
// tank's objects with a bolder pen. Neither is part of the lesson. The page remembers both, as it
// remembers its language; with nothing remembered, high contrast starts as the browser prefers it.
import type { Session } from './wavora_module';
import { rememberValue, rememberedValue } from './remembered';

const kTheoryKey = 'wavora-theory';
const kHighContrastKey = 'wavora-high-contrast';
// The class of the root element under which the style sheet uses its high-contrast scheme.
const kHighContrastClass = 'high-contrast';

// A switch remembered as "true" or "false"; anything else was never chosen on the page.
function rememberedSwitch(key: string, otherwise: boolean): boolean {
  const value = rememberedValue(key);
  return value === 'true' || value === 'false' ? value === 'true' : otherwise;
}

export class ViewSettings {
  private theoryShown: boolean;
  private highContrastShown: boolean;

  constructor(private readonly session: Session) {
    this.theoryShown = rememberedSwitch(kTheoryKey, false);
    this.highContrastShown = rememberedSwitch(kHighContrastKey, matchMedia('(prefers-contrast: more)').matches);
    this.session.setTheory(this.theoryShown);
    this.showHighContrast();
  }

  get theory(): boolean {
    return this.theoryShown;
  }

  get highContrast(): boolean {
    return this.highContrastShown;
  }

  setTheory(on: boolean): void {
    this.theoryShown = on;
    rememberValue(kTheoryKey, String(on));
    this.session.setTheory(on);
  }

  setHighContrast(on: boolean): void {
    this.highContrastShown = on;
    rememberValue(kHighContrastKey, String(on));
    this.showHighContrast();
  }

  private showHighContrast(): void {
    this.session.setHighContrast(this.highContrastShown);
    document.documentElement.classList.toggle(kHighContrastClass, this.highContrastShown);
  }
}
