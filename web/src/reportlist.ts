// The report box: one option per line of the session's report text, the
// chosen one marked; the keys of a list (Up, Down, Page Up, Page Down,
// Home, End) and a click or tap choose a line, Esc none. A long report
// shows its first screenfuls at once and the rest a moment later, so that
// "Чертай" answers at once however many figures there are; the box says
// data-complete="yes" when every line is in it.

// the lines shown at once, and those added in each later step
const kFirstLines = 24;
const kLaterLines = 400;

export class ReportList {
  private text = '';
  private lines: string[] = [];
  private chosen = -1;
  // the line the keys stand on: the chosen one, or one that names no figure
  // (the count's), from which the next key goes on
  private cursor = -1;
  // the lines name figures of the points as they are; else the keys scroll
  private current = false;
  private shown = 0; // the lines in the box so far
  private generation = 0; // a new text makes the steps still to come for the old one void

  constructor(
    private readonly element: HTMLElement,
    private readonly choose: (line: number) => void,
  ) {
    element.addEventListener('click', (e) => {
      const option = (e.target as HTMLElement).closest<HTMLElement>('[role="option"]');
      if (option) this.choose((this.cursor = Number(option.dataset.line)));
    });
    element.addEventListener('keydown', (e) => this.keyDown(e));
  }

  // The report's text, its lines ending in CR LF.
  show(text: string, chosen: number, current: boolean): void {
    this.current = current;
    if (text !== this.text) {
      this.text = text;
      this.lines = text.split('\r\n');
      if (this.lines[this.lines.length - 1] === '') this.lines.pop();
      this.element.replaceChildren();
      this.shown = 0;
      this.showLines(kFirstLines);
      this.chosen = -1;
      this.cursor = -1;
      this.element.removeAttribute('aria-activedescendant');
    }
    this.mark(chosen);
    if (chosen >= 0) this.cursor = chosen;
  }

  // The lines up to count in the box; the rest follow a moment later.
  private showLines(count: number): void {
    const generation = ++this.generation;
    const options = document.createDocumentFragment();
    for (const end = Math.min(count, this.lines.length); this.shown < end; ++this.shown) {
      const option = document.createElement('div');
      option.id = `report-line-${this.shown}`;
      option.setAttribute('role', 'option');
      option.dataset.line = String(this.shown);
      option.textContent = this.lines[this.shown]!;
      options.append(option);
    }
    this.element.append(options);
    const complete = this.shown === this.lines.length;
    this.element.dataset.complete = complete ? 'yes' : 'no';
    // the next lines after the frame that shows these
    const next = (): void => {
      if (generation === this.generation) this.showLines(this.shown + kLaterLines);
    };
    if (!complete) requestAnimationFrame(() => setTimeout(next, 0));
  }

  // the chosen line marked, the one before no longer
  private mark(chosen: number): void {
    if (chosen === this.chosen) return;
    if (chosen >= this.shown) this.showLines(chosen + 1);
    this.element.children[this.chosen]?.removeAttribute('aria-selected');
    this.chosen = chosen;
    const option = this.element.children[chosen];
    if (option) {
      option.setAttribute('aria-selected', 'true');
      option.scrollIntoView({ block: 'nearest' });
      this.element.setAttribute('aria-activedescendant', option.id);
    } else {
      this.element.removeAttribute('aria-activedescendant');
    }
  }

  private keyDown(event: KeyboardEvent): void {
    const last = this.lines.length - 1;
    const line0 = this.element.firstElementChild as HTMLElement | null;
    const page = Math.max(1, Math.floor(this.element.clientHeight / (line0?.offsetHeight || 20)) - 1);
    const from = this.cursor;
    const to: Record<string, number> = {
      ArrowDown: Math.min(from + 1, last),
      ArrowUp: Math.max(from - 1, 0),
      PageDown: Math.min(from + page, last),
      PageUp: Math.max(from - page, 0),
      Home: 0,
      End: last,
      Escape: -1,
    };
    const line = to[event.key];
    if (line === undefined || last < 0 || !this.current) return;
    event.preventDefault();
    this.cursor = line;
    this.choose(line);
  }
}
