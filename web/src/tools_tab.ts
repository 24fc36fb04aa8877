// The "Tools" tab: the tool menu with the tools' pictures, the delete and snap buttons for the
// selected object, and the list of the tank's objects, a click on one selecting it.
import type { CatalogueEntry, ObjectItem, ObjectList, SelectionButtons, Session } from './wavora_module';
import { iconImage, showMenu } from './menus';
import { text } from './texts';

export class ToolsTab {
  private readonly list: HTMLUListElement;
  private readonly deleteButton: HTMLButtonElement;
  private readonly snapButton: HTMLButtonElement;
  private shownList = '';
  private objects: ObjectList = { selected: -1, items: [] };

  // `tools` gives the tool menu's entries in the language spoken now.
  constructor(private readonly session: Session, private readonly tools: () => CatalogueEntry[],
              private readonly changed: () => void) {
    this.list = document.getElementById('object-list') as HTMLUListElement;
    this.deleteButton = document.getElementById('delete-object') as HTMLButtonElement;
    this.snapButton = document.getElementById('snap') as HTMLButtonElement;
    const addButton = document.getElementById('add-tool') as HTMLButtonElement;
    addButton.addEventListener('click', () =>
      showMenu(addButton, this.tools().map((tool, index) => ({
        caption: `${text('NewToolPrefix')}${tool.typeName}`,
        hint: tool.description,
        ...(tool.picture ? { picture: iconImage(tool.picture) } : {}),
        action: () => {
          if (this.session.addTool(index)) this.changed();
        },
      }))));
    this.deleteButton.addEventListener('click', () => {
      if (this.session.deleteSelected() !== 'nothing') this.changed();
    });
    this.snapButton.addEventListener('click', () => {
      this.session.setSnap(this.snapButton.getAttribute('aria-pressed') !== 'true');
      this.changed();
    });
  }

  // The selected object, whose name the tool panel's menu button shows.
  selected(): ObjectItem | undefined {
    return this.objects.items[this.objects.selected];
  }

  refresh(): void {
    this.objects = JSON.parse(this.session.objects()) as ObjectList;
    const listed = JSON.stringify(this.objects);
    if (listed !== this.shownList) {
      this.shownList = listed;
      this.list.replaceChildren(...this.objects.items.map((item, index) => {
        const entry = document.createElement('li');
        entry.className = `object-item object-${item.kind}`;
        entry.setAttribute('role', 'option');
        entry.tabIndex = 0;
        entry.classList.toggle('selected', index === this.objects.selected);
        entry.setAttribute('aria-selected', String(index === this.objects.selected));
        if (item.picture) entry.append(iconImage(item.picture));
        const name = document.createElement('span');
        name.textContent = item.name;
        entry.append(name);
        const select = (): void => {
          this.session.selectObject(item.id);
          this.changed();
        };
        entry.addEventListener('click', select);
        entry.addEventListener('keydown', (event) => {
          if (event.key === 'Enter' || event.key === ' ') select();
        });
        return entry;
      }));
    }
    const buttons = JSON.parse(this.session.selection()) as SelectionButtons;
    this.deleteButton.disabled = !buttons.deleteEnabled;
    this.snapButton.disabled = !buttons.snapEnabled;
    this.snapButton.setAttribute('aria-pressed', String(buttons.snapDown));
  }
}
