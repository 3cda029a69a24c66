// The page starts: the window's words put in, the count frame's rows made,
// the session loaded, and (served from a school's web server) the page kept
// for use without the network.
import factory from 'plane-figures-core';
import { PupilPage } from './pupilpage';
import { kCommands, kPageOwn, kTask, kWindow } from './texts';

// The session's wasm in base64, where the page carries it inside (the one
// offline file); null where it lies beside the script (the site).
declare const PAGE_WASM: string | null;

const byId = (id: string): HTMLElement => document.getElementById(id)!;

function decodeBase64(text: string): Uint8Array {
  const binary = atob(text);
  const bytes = new Uint8Array(binary.length);
  for (let i = 0; i < binary.length; ++i) bytes[i] = binary.charCodeAt(i);
  return bytes;
}

// captions: the count frame's, one a kind
function putWords(captions: string[]): void {
  const texts: [string, string][] = [
    ['title', kWindow.title],
    ['canvas-heading', kWindow.canvasHeading],
    ['canvas-description', kWindow.canvasDescription],
    ['heading-n', kWindow.numbers],
    ['heading-x', kWindow.abscissa],
    ['heading-y', kWindow.ordinate],
    ['counts-title', kWindow.countsTitle],
    ['draw', kWindow.draw],
    ['clear', kWindow.clear],
    ['delete', kWindow.deleteOne],
    ['open', kCommands.open],
    ['save', kCommands.save],
    ['undo', kCommands.undo],
    ['redo', kCommands.redo],
    ['check', kCommands.check],
    ['hint', kCommands.hint],
    ['answers', kCommands.answers],
    ['leave', kCommands.leave],
    ['task-pupil-label', kPageOwn.pupil],
    ['hint-kind-label', kTask.hintKind],
  ];
  for (const [id, text] of texts) byId(id).textContent = text;
  const tips: [string, string][] = [
    ['open', kCommands.openTip],
    ['save', kCommands.saveTip],
    ['undo', kCommands.undoTip],
    ['redo', kCommands.redoTip],
    ['check', kCommands.checkTip],
    ['hint', kCommands.hintTip],
    ['answers', kCommands.answersTip],
    ['leave', kCommands.leaveTip],
  ];
  for (const [id, tip] of tips) byId(id).title = tip;
  byId('list-n').setAttribute('aria-label', kWindow.numbersName);
  byId('report').setAttribute('aria-label', kWindow.report);
  byId('notes').setAttribute('aria-label', kWindow.notes);
  byId('task-verdicts').setAttribute('aria-label', kTask.verdicts);
  byId('task-said').setAttribute('aria-label', kTask.said);
  byId('task-tally').setAttribute('aria-label', kTask.tally);
  byId('task-instruction').setAttribute('aria-label', kTask.instruction);
  // the count frame: a kind's caption, the pupil's box, the program's box
  const frame = byId('counts');
  captions.forEach((caption, k) => {
    const label = document.createElement('label');
    label.htmlFor = `pupil-${k}`;
    label.textContent = caption;
    if (k >= 3) label.className = 'quadrilateral';
    const pupil = document.createElement('input');
    pupil.id = `pupil-${k}`;
    pupil.type = 'text';
    pupil.inputMode = 'numeric';
    pupil.autocomplete = 'off';
    const program = document.createElement('input');
    program.id = `program-${k}`;
    program.type = 'text';
    program.readOnly = true;
    frame.append(label, pupil, program);
  });
}

async function start(): Promise<void> {
  // the start-up's steps, for the benchmark: the script runs, the session is loaded, the page is ready
  performance.mark('plane-figures-script');
  const core = await factory(PAGE_WASM === null ? {} : { wasmBinary: decodeBase64(PAGE_WASM) });
  performance.mark('plane-figures-core');
  putWords(core.kinds().captions);
  new PupilPage(core);
  document.documentElement.dataset.ready = 'yes';
  performance.mark('plane-figures-ready');
  const served = location.protocol === 'https:' || location.protocol === 'http:';
  if (served && 'serviceWorker' in navigator && document.querySelector('link[rel="manifest"]')) {
    void navigator.serviceWorker.register('sw.js');
  }
}

void start();
