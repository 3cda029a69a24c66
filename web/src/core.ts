// The pupil's session compiled to WebAssembly (web/binding): the same rules
// as the desktop window's, called from the page.

export interface Changes {
  done: boolean;
  added: number;
  removed: number;
  points: boolean;
  choice: boolean;
  report: boolean;
  result: boolean;
  counts: boolean;
  pupilCount: number;
  task: boolean;
  locked: boolean;
  steps: boolean;
  overlay: boolean;
}

export interface Node {
  x: number;
  y: number;
}

// A figure over the canvas: its vertices in drawing order, the point numbers
// at them, and the palette colour of its kind's outline (-1: not outlined).
export interface FigureView {
  kind: number;
  vertices: Node[];
  numbers: number[];
  colour: number;
}

export interface TaskView {
  heading: string;
  instruction: string;
  verdicts: string[];
  hintKinds: { kind: number; name: string }[];
  hintKind: number;
  said: string;
  answersShown: boolean;
  tally: string;
  pupil: string;
  asked: boolean[];
  boxVerdicts: string[];
  nameQuestion: string;
  answersQuestion: string;
  nameNeeded: string;
  nothingToSave: string;
}

export interface SessionState {
  points: Node[];
  full: boolean;
  chosen: number;
  report: string;
  // the report is of the points as they are
  current: boolean;
  nothingToSave: string;
  pupilCounts: string[];
  programCounts: string[];
  undo: string;
  redo: string;
  unsaved: boolean;
  drawAllowed: boolean;
  task: TaskView | null;
  refusal: string;
  fromVariant: boolean;
  needsPupil: boolean;
  ownFileName: string;
  chosenLine: number;
  shown: FigureView | null;
  reason: string;
}

export interface Session {
  click(x: number, y: number): Changes;
  enter(x: number, y: number): Changes;
  deletePoint(row: number): Changes;
  deleteChosen(): Changes;
  clear(): Changes;
  undo(): Changes;
  redo(): Changes;
  choose(row: number): Changes;
  analyse(): Changes;
  setPupilCount(kind: number, text: string): Changes;
  chooseLine(line: number): Changes;
  checkCounts(): Changes;
  hint(): Changes;
  chooseHintKind(kind: number): Changes;
  showAnswers(): Changes;
  setPupil(pupil: string): Changes;
  leaveTask(): Changes;
  open(bytes: Uint8Array): Changes;
  markSaved(): Changes;
  fileBytes(): Uint8Array;
  state(): SessionState;
  // the quadrilaterals "Чертай" outlines, while the report is current: for
  // each its palette colour and its four vertices' x and y, in drawing order
  outlines(): Int32Array;
}

export interface CanvasFacts {
  width: number;
  height: number;
  step: number;
  columns: number;
  rows: number;
  capacity: number;
  palette: [number, number, number][];
}

export interface Core {
  Session: new () => Session;
  report(coordinates: number[]): string;
  canvas(): CanvasFacts;
  // the count frame's captions, and the kinds in full words
  kinds(): { captions: string[]; names: string[] };
}
