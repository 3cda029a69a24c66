// The page's words: the desktop window's, byte for byte, and the few of its
// own. The pupil's task, the school task in the report box, the report and
// the figure kinds' names come from the session.

export const kWindow = {
  title: 'Върхове на равнинни фигури - координати на точки',
  abscissa: 'Абсциса',
  ordinate: 'Ордината',
  canvasHeading: 'Посочете връх на фигура',
  numbers: 'N',
  numbersName: 'Номер на точка (N)',
  canvasDescription:
    'Платно с мрежа през 20 пиксела. Щракване въвежда точка в най-близкия възел на мрежата.',
  draw: 'Чертай',
  clear: 'Изчисти',
  deleteOne: 'Изтрий  1 т.',
  countsTitle: 'Брой от вид фигура',
  report: 'Резултат',
  notes: 'Бележки',
} as const;

// What a screen reader hears of the count boxes of a kind (in full words).
export const pupilsCountName = (kind: string): string => `${kind} – вашият брой`;
export const programsCountName = (kind: string): string => `${kind} – броят на програмата`;

export const kCommands = {
  open: 'Отвори…',
  openTip: 'Отвори файл с точки (Ctrl+O)',
  save: 'Запиши…',
  saveTip: 'Запиши точките във файл (Ctrl+S)',
  undo: 'Отмени',
  undoTip: 'Отмени последната стъпка (Ctrl+Z)',
  redo: 'Върни',
  redoTip: 'Върни отменената стъпка (Ctrl+Y, Ctrl+Shift+Z)',
  check: 'Провери',
  checkTip: 'Провери броевете в белите полета (F5)',
  hint: 'Подсказка',
  hintTip: 'Подсказка за избрания вид, чийто брой не е верен (F6)',
  answers: 'Покажи отговорите…',
  answersTip: 'Покажи отговорите на задачата; след това „Чертай“ може да се натиска',
  leave: 'Напусни задачата',
  leaveTip: 'Напусни задачата: точките отново могат да се променят (Ctrl+L)',
} as const;

// "Отмени" alone with nothing to take back, else with the step's name.
export const named = (verb: string, step: string): string => (step ? `${verb} ${step}` : verb);

export const kTask = {
  panel: 'Задача',
  instruction: 'Какво да направите',
  verdicts: 'Проверка',
  said: 'Съобщение по задачата',
  tally: 'Проверки и подсказки',
  hintKind: 'Подсказка за вид',
} as const;

export const kFiles = {
  // a file refused: its name, then why, as a sentence of its own
  notOpened: (name: string, reason: string): string =>
    `Файлът „${name}“ не може да бъде отворен. ${reason.charAt(0).toUpperCase()}${reason.slice(1)}.`,
  openedOne: (name: string): string => `Отворен е файлът „${name}“. `,
  droppedSeveral: (count: number): string => `Пуснахте ${count} файла, а може да се отвори само един.`,
  othersNotOpened: ' Останалите не бяха отворени.',
} as const;

// The page's own words, where it does what the desktop does with a dialog.
export const kPageOwn = {
  // the name a plain set of points is offered to be saved as
  pointsFile: 'точки.pfig',
  // a task not saved, and another file opened over it
  leaveTask:
    'Работата по задачата (броевете, проверките и подсказките) не е записана. ' +
    'Да се отвори ли другият файл без нея?',
  // the field a task's save takes the pupil's name from
  pupil: 'Име и клас',
} as const;

// What a screen reader hears of the keyboard's cursor on the canvas.
export const kCursor = {
  noPoint: 'няма точка',
  onePoint: 'точка ',
  points: 'точки ',
  node: (x: number, y: number): string => `X ${x}, Y ${y}, `,
  entered: (row: number): string => `Въведена е точка ${row}.`,
  deleted: (row: number): string => `Изтрита е точка ${row}.`,
  replaced: (count: number): string => `Въведени точки: ${count}.`,
  atEdge: 'Край на мрежата.',
  refused: (most: number): string => `Може да въведете най-много ${most} точки.`,
  nothingChosen: 'Няма избрана точка за изтриване — първо изберете точка в списъка.',
} as const;

// "3", "3 и 5", "1, 3 и 5"
export function listed(words: string[]): string {
  return words.map((w, k) => (k === 0 ? w : (k + 1 === words.length ? ' и ' : ', ') + w)).join('');
}
