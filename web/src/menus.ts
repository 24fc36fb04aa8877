// Popup menus as the window's buttons open them: entries with an optional picture, hint, check mark
// and separator, under the button that opened them; a click elsewhere or Escape closes them.

export interface MenuEntry {
  caption: string;
  hint?: string;
  picture?: HTMLElement;
  checked?: boolean;
  enabled?: boolean;
  separated?: boolean;
  action: () => void;
}

let openMenu: HTMLElement | null = null;

export function closeMenu(): void {
  openMenu?.remove();
  openMenu = null;
}

export function showMenu(anchor: HTMLElement, entries: MenuEntry[]): void {
  closeMenu();
  const menu = document.createElement('div');
  menu.className = 'menu';
  menu.setAttribute('role', 'menu');
  for (const entry of entries) {
    if (entry.separated) menu.append(document.createElement('hr'));
    const item = document.createElement('button');
    item.type = 'button';
    item.className = 'menu-entry';
    item.setAttribute('role', entry.checked === undefined ? 'menuitem' : 'menuitemcheckbox');
    if (entry.checked !== undefined) item.setAttribute('aria-checked', String(entry.checked));
    item.disabled = entry.enabled === false;
    if (entry.hint) item.title = entry.hint;
    const mark = document.createElement('span');
    mark.className = 'menu-mark';
    mark.textContent = entry.checked ? '\u2713' : '';
    item.append(mark);
    if (entry.picture) item.append(entry.picture);
    const caption = document.createElement('span');
    caption.textContent = entry.caption;
    item.append(caption);
    item.addEventListener('click', () => {
      closeMenu();
      entry.action();
    });
    menu.append(item);
  }
  document.body.append(menu);
  const box = anchor.getBoundingClientRect();
  const left = Math.min(box.left + window.scrollX, window.scrollX + document.documentElement.clientWidth - menu.offsetWidth - 4);
  menu.style.left = `${Math.max(window.scrollX, left)}px`;
  const below = box.bottom + window.scrollY;
  const fitsBelow = box.bottom + menu.offsetHeight <= window.innerHeight;
  menu.style.top = `${fitsBelow ? below : Math.max(window.scrollY, box.top + window.scrollY - menu.offsetHeight)}px`;
  openMenu = menu;
  (menu.querySelector('button:not([disabled])') as HTMLButtonElement | null)?.focus();
}

// A picture for a menu entry or a list item from the page's icons folder.
export function iconImage(name: string): HTMLImageElement {
  const image = document.createElement('img');
  image.src = `icons/${name}.svg`;
  image.alt = '';
  image.className = 'icon';
  return image;
}

export function setUpMenus(): void {
  document.addEventListener('pointerdown', (event) => {
    if (openMenu && !openMenu.contains(event.target as Node)) closeMenu();
  }, true);
  document.addEventListener('keydown', (event) => {
    if (event.key === 'Escape') closeMenu();
  });
}
