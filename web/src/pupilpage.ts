// The pupil's window in a browser: every press goes to the session, and what
// the session says changed is shown again, as the desktop window does.
import { CanvasView } from './canvasview';
import type { Changes, Core, Node, Session, SessionState } from './core';
import { addressFile, download, fileBytes, pointsAddress } from './files';
import { Picture, type Rgb } from './picture';
import { ReportList } from './reportlist';
import { TaskPanel } from './taskpanel';
import { kCommands, kCursor, kFiles, kPageOwn, listed, named, programsCountName, pupilsCountName } from './texts';

const kBlack = 0;
const kHighlight = 10; // light green: the chosen point
const kKinds = 7;

const byId = <T extends HTMLElement>(id: string): T => document.getElementById(id) as T;

export class PupilPage {
  private readonly session: Session;
  private state: SessionState;
  private readonly picture: Picture;
  private readonly canvas: CanvasView;
  private readonly report: ReportList;
  private readonly task: TaskPanel;
  private readonly lists = ['list-n', 'list-x', 'list-y'].map((id) => byId<HTMLSelectElement>(id));
  private readonly pupilBoxes: HTMLInputElement[] = [];
  private readonly programBoxes: HTMLInputElement[] = [];
  private readonly capacity: number;
  private fileName = ''; // the file last opened or saved
  private addressTimer = 0;

  constructor(private readonly core: Core) {
    this.session = new core.Session();
    this.state = this.session.state();
    const facts = core.canvas();
    this.capacity = facts.capacity;
    this.picture = new Picture(facts, facts.palette as Rgb[]);
    this.canvas = new CanvasView(byId('canvas'), byId('picture'), this.picture, facts, {
      press: (x, y) => this.call(this.session.click(x, y)),
      enter: (node) => this.enterAt(node),
      deleteChosen: () => this.deleteChosen(true),
      cursorMoved: (node, atEdge) => this.say(atEdge ? kCursor.atEdge : '', node),
    });
    this.report = new ReportList(byId('report'), (line) => this.call(this.session.chooseLine(line)));
    this.task = new TaskPanel({
      check: () => this.call(this.session.checkCounts()),
      hint: () => this.call(this.session.hint()),
      chooseHintKind: (kind) => this.call(this.session.chooseHintKind(kind)),
      showAnswers: () => this.showAnswers(),
      leave: () => this.call(this.session.leaveTask()),
      setPupil: (pupil) => this.call(this.session.setPupil(pupil)),
    });
    this.connectControls();
    this.connectKeys();
    const fromAddress = addressFile(location.hash);
    this.showAll();
    if (fromAddress) this.openBytes(fromAddress, '');
  }

  private connectControls(): void {
    const click = (id: string, action: () => void): void =>
      byId(id).addEventListener('click', action);
    click('draw', () => this.draw());
    click('clear', () => this.call(this.session.clear()));
    click('delete', () => this.deleteChosen(false));
    click('undo', () => this.call(this.session.undo()));
    click('redo', () => this.call(this.session.redo()));
    click('save', () => this.save());
    const input = byId<HTMLInputElement>('file');
    click('open', () => input.click());
    input.addEventListener('change', () => {
      if (input.files?.length) void this.openFiles([...input.files]);
      input.value = '';
    });
    document.addEventListener('dragover', (e) => e.preventDefault());
    document.addEventListener('drop', (e) => {
      e.preventDefault();
      const files = [...(e.dataTransfer?.files ?? [])];
      if (files.length) void this.openFiles(files);
    });
    for (const list of this.lists) {
      list.addEventListener('change', () => this.call(this.session.choose(list.selectedIndex)));
      list.addEventListener('keydown', (e) => {
        if (e.key === 'Delete') this.deleteChosen(false);
      });
    }
    const names = this.core.kinds().names;
    for (let k = 0; k < kKinds; ++k) {
      const pupil = byId<HTMLInputElement>(`pupil-${k}`);
      pupil.setAttribute('aria-label', pupilsCountName(names[k]!));
      pupil.addEventListener('input', () => this.call(this.session.setPupilCount(k, pupil.value)));
      this.pupilBoxes.push(pupil);
      const program = byId<HTMLInputElement>(`program-${k}`);
      program.setAttribute('aria-label', programsCountName(names[k]!));
      this.programBoxes.push(program);
    }
    window.addEventListener('beforeunload', (e) => {
      if (this.state.unsaved) e.preventDefault();
    });
  }

  // The keys of the desktop's commands.
  private connectKeys(): void {
    document.addEventListener('keydown', (e) => {
      const inText = e.target instanceof HTMLInputElement && e.target.type === 'text';
      const key = e.key.toLowerCase();
      const task = this.state.task !== null;
      const command: (() => void) | undefined = e.ctrlKey
        ? {
            z: inText ? undefined : () => this.call(e.shiftKey ? this.session.redo() : this.session.undo()),
            y: inText ? undefined : () => this.call(this.session.redo()),
            o: () => byId('file').click(),
            s: () => this.save(),
            l: task ? () => this.call(this.session.leaveTask()) : undefined,
          }[key]
        : {
            f5: task ? () => this.call(this.session.checkCounts()) : undefined,
            f6: task ? () => this.call(this.session.hint()) : undefined,
          }[key];
      if (!command) return;
      e.preventDefault();
      command();
    });
  }

  // "Чертай": the report and the counts, and the quadrilaterals outlined.
  private draw(): void {
    const changes = this.session.analyse();
    if (!changes.done) return;
    this.call(changes);
    const outlines = this.session.outlines();
    for (let at = 0; at + 9 <= outlines.length; at += 9) {
      const vertices = [0, 1, 2, 3].map((v) => ({ x: outlines[at + 1 + 2 * v]!, y: outlines[at + 2 + 2 * v]! }));
      this.picture.outline(vertices, outlines[at]!);
    }
    this.canvas.update();
  }

  private deleteChosen(byKey: boolean): void {
    const changes = this.session.deleteChosen();
    this.call(changes);
    if (byKey && !changes.done && !changes.locked) this.sayAtCursor(kCursor.nothingChosen);
  }

  private enterAt(node: Node): void {
    const changes = this.session.enter(node.x, node.y);
    this.call(changes);
    if (!changes.done && !changes.locked) this.sayAtCursor(kCursor.refused(this.capacity));
  }

  private showAnswers(): void {
    if (this.state.task && window.confirm(this.state.task.answersQuestion)) {
      this.call(this.session.showAnswers());
    }
  }

  private async openFiles(files: File[]): Promise<void> {
    const first = files[0]!;
    if (this.state.task && this.state.unsaved && !window.confirm(kPageOwn.leaveTask)) return;
    const refused = this.openBytes(await fileBytes(first), first.name);
    if (files.length > 1) {
      const several = kFiles.droppedSeveral(files.length);
      this.tell(refused ? `${refused}\n\n${several}${kFiles.othersNotOpened}` : kFiles.openedOne(first.name) + several);
    }
  }

  // The bytes opened as the file name; why not, or '' when they were.
  private openBytes(bytes: Uint8Array, name: string): string {
    const changes = this.session.open(bytes);
    this.call(changes);
    if (!changes.done) {
      const refused = kFiles.notOpened(name, this.state.refusal);
      this.tell(refused);
      return refused;
    }
    this.fileName = name;
    this.tell('');
    return '';
  }

  private save(): void {
    const state = this.state;
    if (state.points.length === 0) {
      this.tell(state.nothingToSave);
      return;
    }
    if (state.needsPupil) {
      this.tell(state.task!.nameNeeded);
      this.task.askName();
      return;
    }
    const name = state.task ? state.ownFileName : this.fileName || kPageOwn.pointsFile;
    download(this.session.fileBytes(), name);
    this.fileName = name;
    this.call(this.session.markSaved());
    this.tell('');
  }

  private tell(text: string): void {
    const message = byId('message');
    message.textContent = text;
    message.hidden = text === '';
  }

  // What a session call changed, shown.
  private call(changes: Changes): void {
    this.state = this.session.state();
    const s = this.state;
    if (changes.points || changes.removed >= 0) {
      this.picture.wipe();
      this.picture.markPoints(s.points, s.chosen, kBlack, kHighlight);
    } else if (changes.added >= 0) {
      this.picture.dot(s.points[changes.added]!, kBlack);
    }
    if (changes.choice && !changes.points && changes.removed < 0) {
      this.picture.markPoints(s.points, s.chosen, kBlack, kHighlight);
    }
    if (changes.added >= 0) this.sayAtCursor(kCursor.entered(changes.added));
    else if (changes.removed >= 0) this.sayAtCursor(kCursor.deleted(changes.removed));
    else if (changes.points) this.sayAtCursor(kCursor.replaced(s.points.length));
    this.showAll();
  }

  private showAll(): void {
    const s = this.state;
    this.showLists();
    s.pupilCounts.forEach((text, k) => {
      const box = this.pupilBoxes[k]!;
      if (box.value !== text) box.value = text;
      const verdict = s.task?.boxVerdicts[k] ?? '';
      if (verdict) box.setAttribute('aria-description', verdict);
      else box.removeAttribute('aria-description');
    });
    s.programCounts.forEach((text, k) => (this.programBoxes[k]!.value = text));
    this.report.show(s.report, s.chosenLine, s.current);
    const reason = byId('reason');
    reason.textContent = s.reason;
    reason.hidden = s.reason === '';
    byId<HTMLButtonElement>('draw').disabled = !(s.points.length >= 3 && s.drawAllowed);
    showStep(byId('undo'), kCommands.undo, s.undo);
    showStep(byId('redo'), kCommands.redo, s.redo);
    this.task.show(s.task);
    this.canvas.update(s.shown);
    if (!s.task) this.followAddress();
  }

  // The address carries the points, a moment after they change (writing it
  // takes longer than a tap).
  private followAddress(): void {
    clearTimeout(this.addressTimer);
    this.addressTimer = window.setTimeout(() => {
      const address = this.state.task ? location.hash : pointsAddress(this.state.points);
      if (address !== location.hash) history.replaceState(null, '', address || location.pathname);
    }, 300);
  }

  private showLists(): void {
    const s = this.state;
    const columns = [
      (_: Node, row: number) => String(row),
      (p: Node) => String(p.x),
      (p: Node) => String(p.y),
    ];
    this.lists.forEach((list, i) => {
      const texts = s.points.map(columns[i]!);
      if ([...list.options].map((o) => o.text).join('|') !== texts.join('|')) {
        list.replaceChildren(...texts.map((t) => new Option(t)));
      }
      list.selectedIndex = s.chosen;
    });
  }

  // What the keyboard's cursor says, after news, while it shows.
  private sayAtCursor(news: string): void {
    const node = this.canvas.cursorNode();
    if (node) this.say(news, node);
  }

  private say(news: string, node: Node): void {
    const numbers = this.state.points
      .map((p, row) => (p.x === node.x && p.y === node.y ? String(row) : ''))
      .filter((n) => n !== '');
    const points =
      numbers.length === 0
        ? kCursor.noPoint
        : (numbers.length === 1 ? kCursor.onePoint : kCursor.points) + listed(numbers);
    const where = kCursor.node(node.x, node.y) + points;
    byId('canvas-said').textContent = news ? `${news} ${where}` : where;
  }
}

// "Отмени" and the step it takes back; the step's name is left out where the
// screen is narrow (the button keeps its whole name for a screen reader), so
// that the canvas below never moves while the pupil taps it.
function showStep(button: HTMLButtonElement, verb: string, step: string): void {
  const name = named(verb, step);
  if (button.getAttribute('aria-label') === name) return;
  button.setAttribute('aria-label', name);
  const stepName = document.createElement('span');
  stepName.className = 'step';
  stepName.textContent = step ? ` ${step}` : '';
  button.replaceChildren(verb, stepName);
  button.disabled = step === '';
}
