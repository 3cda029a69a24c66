// The canvas on the page: its picture scaled to the screen, what is drawn
// over it (a chosen line's figure with its point numbers, the keyboard's
// cursor), and what a pointer or a key does there. It decides nothing: it
// tells the page where the pupil pressed and which key he used.
import type { FigureView, Node } from './core';
import { type Grid, type Picture, strokePath } from './picture';

export interface CanvasActions {
  // a pointer went down at (x, y) in canvas pixels
  press(x: number, y: number): void;
  // Space or Enter at the cursor's node
  enter(node: Node): void;
  // Delete
  deleteChosen(): void;
  // the cursor showed, moved or was stopped at the edge of the grid
  cursorMoved(node: Node, atEdge: boolean): void;
}

const kChosenFigure = 12; // light red
const kCursor = 13; // light magenta
// where the cursor starts
const kStart: Node = { x: 140, y: 120 };

export class CanvasView {
  private scale = 1; // device pixels to a canvas pixel
  private shown: FigureView | null = null;
  private cursor: Node = { ...kStart };
  private cursorShown = false;
  private pressedByPointer = false;
  private frame = 0;

  constructor(
    private readonly holder: HTMLElement,
    private readonly element: HTMLCanvasElement,
    private readonly picture: Picture,
    private readonly grid: Grid,
    private readonly actions: CanvasActions,
  ) {
    new ResizeObserver(() => this.resize()).observe(element);
    element.addEventListener('pointerdown', (e) => this.pointerDown(e));
    holder.addEventListener('keydown', (e) => this.keyDown(e));
    holder.addEventListener('focus', () => {
      // shown when reached by the keyboard; a pointer's press shows none
      if (!this.pressedByPointer) this.showCursor(false);
      this.pressedByPointer = false;
    });
    holder.addEventListener('blur', () => this.hideCursor());
    this.resize();
  }

  // Drawn again on the next frame: the picture changed, or what is over it.
  update(shown: FigureView | null = this.shown): void {
    this.shown = shown;
    if (this.frame === 0) this.frame = requestAnimationFrame(() => this.draw());
  }

  // Drawn at once (a test or a benchmark reads the pixels).
  drawNow(): void {
    if (this.frame !== 0) cancelAnimationFrame(this.frame);
    this.draw();
  }

  cursorNode(): Node | null {
    return this.cursorShown ? { ...this.cursor } : null;
  }

  private resize(): void {
    const css = this.element.getBoundingClientRect().width;
    if (css <= 0) return;
    const ratio = window.devicePixelRatio || 1;
    this.scale = (css * ratio) / this.grid.width;
    this.element.width = Math.round(this.grid.width * this.scale);
    this.element.height = Math.round(this.grid.height * this.scale);
    this.drawNow();
  }

  private draw(): void {
    this.frame = 0;
    const context = this.element.getContext('2d');
    if (!context) return;
    const s = this.scale;
    this.picture.draw(context, s);
    if (this.shown) {
      const red = this.picture.colour(kChosenFigure);
      strokePath(context, this.shown.vertices, s, 3 * s, red);
      context.fillStyle = red;
      context.font = `bold ${Math.round(13 * s)}px "Times New Roman", "Liberation Serif", serif`;
      context.textBaseline = 'bottom';
      this.shown.vertices.forEach((v, i) => {
        const x = Math.min(v.x * s + 4 * s, (this.grid.width - 10) * s);
        const y = Math.max(v.y * s - 3 * s, 14 * s);
        context.fillText(String(this.shown!.numbers[i]), x, y);
      });
    }
    if (this.cursorShown) {
      context.strokeStyle = this.picture.colour(kCursor);
      context.lineWidth = 2 * s;
      const half = 6 * s;
      context.strokeRect(this.cursor.x * s - half, this.cursor.y * s - half, 2 * half, 2 * half);
    }
  }

  private pointerDown(event: PointerEvent): void {
    if (event.button !== 0 && event.pointerType === 'mouse') return;
    const box = this.element.getBoundingClientRect();
    const unit = box.width / this.grid.width;
    const x = (event.clientX - box.left) / unit;
    const y = (event.clientY - box.top) / unit;
    this.pressedByPointer = document.activeElement !== this.holder;
    this.cursor = this.nearestNode(x, y);
    this.hideCursor();
    this.actions.press(x, y);
  }

  private nearestNode(x: number, y: number): Node {
    const { step } = this.grid;
    const last = this.lastNode();
    const snap = (v: number, most: number): number =>
      Math.min(Math.max(Math.round(v / step) * step, 0), most);
    return { x: snap(x, last.x), y: snap(y, last.y) };
  }

  // the last node of the grid inside the canvas in each direction
  private lastNode(): Node {
    const { step, width, height } = this.grid;
    return { x: Math.floor((width - 1) / step) * step, y: Math.floor((height - 1) / step) * step };
  }

  private keyDown(event: KeyboardEvent): void {
    if (event.ctrlKey || event.altKey || event.metaKey) return;
    const steps: Record<string, [number, number]> = {
      ArrowLeft: [-1, 0],
      ArrowRight: [1, 0],
      ArrowUp: [0, -1],
      ArrowDown: [0, 1],
    };
    const move = steps[event.key];
    const enter = event.key === 'Enter' || event.key === ' ';
    if (!move && !enter && event.key !== 'Delete') return;
    event.preventDefault();
    if (event.key === 'Delete') {
      this.actions.deleteChosen();
      return;
    }
    if (!this.cursorShown) {
      // the first key only shows the cursor
      this.showCursor(false);
      return;
    }
    if (enter) {
      this.actions.enter({ ...this.cursor });
      return;
    }
    const [dx, dy] = move!;
    const { step } = this.grid;
    const last = this.lastNode();
    const x = this.cursor.x + dx * step;
    const y = this.cursor.y + dy * step;
    const inside = x >= 0 && y >= 0 && x <= last.x && y <= last.y;
    if (inside) this.cursor = { x, y };
    this.update();
    this.actions.cursorMoved({ ...this.cursor }, !inside);
  }

  private showCursor(atEdge: boolean): void {
    this.cursorShown = true;
    this.update();
    this.actions.cursorMoved({ ...this.cursor }, atEdge);
  }

  private hideCursor(): void {
    if (!this.cursorShown) return;
    this.cursorShown = false;
    this.update();
  }
}
