// The open task beside the window: its heading, what to do, the pupil's
// name, the check's verdicts, the hint's kind and what the task said, the
// checks and hints used, and its commands as buttons. It shows the session's
// task and hands the pupil's presses back.
import type { TaskView } from './core';

export interface TaskActions {
  check(): void;
  hint(): void;
  chooseHintKind(kind: number): void;
  showAnswers(): void;
  leave(): void;
  setPupil(pupil: string): void;
}

const byId = <T extends HTMLElement>(id: string): T => document.getElementById(id) as T;

export class TaskPanel {
  private readonly panel = byId<HTMLElement>('task');
  private readonly heading = byId<HTMLElement>('task-heading');
  private readonly instruction = byId<HTMLElement>('task-instruction');
  private readonly pupil = byId<HTMLInputElement>('task-pupil');
  private readonly verdicts = byId<HTMLElement>('task-verdicts');
  private readonly hintKind = byId<HTMLSelectElement>('hint-kind');
  private readonly said = byId<HTMLElement>('task-said');
  private readonly tally = byId<HTMLElement>('task-tally');
  private readonly answers = byId<HTMLButtonElement>('answers');

  constructor(actions: TaskActions) {
    byId('check').addEventListener('click', () => actions.check());
    byId('hint').addEventListener('click', () => actions.hint());
    byId('leave').addEventListener('click', () => actions.leave());
    this.answers.addEventListener('click', () => actions.showAnswers());
    this.hintKind.addEventListener('change', () => actions.chooseHintKind(Number(this.hintKind.value)));
    // the name kept as it is typed, so a save by its key finds it
    this.pupil.addEventListener('input', () => actions.setPupil(this.pupil.value));
  }

  show(task: TaskView | null): void {
    this.panel.hidden = task === null;
    if (!task) return;
    this.heading.textContent = task.heading;
    this.instruction.textContent = task.instruction;
    if (document.activeElement !== this.pupil) this.pupil.value = task.pupil;
    setText(this.verdicts, task.verdicts.join('\n'));
    const kinds = task.hintKinds.map((k) => `${k.kind}:${k.name}`).join('|');
    if (this.hintKind.dataset.kinds !== kinds) {
      this.hintKind.dataset.kinds = kinds;
      this.hintKind.replaceChildren(
        ...task.hintKinds.map((k) => new Option(k.name, String(k.kind))),
      );
    }
    this.hintKind.value = String(task.hintKind);
    this.hintKind.parentElement!.hidden = task.hintKinds.length === 0;
    setText(this.said, task.said);
    this.answers.disabled = task.answersShown;
    this.tally.textContent = task.tally;
  }

  // The name field, for a save that needs the pupil's name first.
  askName(): void {
    this.pupil.focus();
  }
}

// A live text changed only when it changes, so a screen reader hears news once.
function setText(element: HTMLElement, text: string): void {
  if (element.textContent === text) return;
  element.textContent = text;
  element.hidden = text === '';
}
