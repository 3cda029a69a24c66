// The canvas's own picture, kept as the drawing that made it: the grid, the
// points' dots and the quadrilaterals' outlines, each drawn over what was
// there, as the desktop's canvas keeps its image. It is drawn again at any
// size; a mark that exactly covers an earlier one replaces it, so the
// drawing stays short however long the pupil works.
import type { Node } from './core';

export type Rgb = [number, number, number];

type Mark =
  | { kind: 'dot'; at: Node; colour: number }
  | { kind: 'outline'; vertices: Node[]; colour: number };

export interface Grid {
  width: number; // the canvas in pixels
  height: number;
  step: number;
  columns: number; // grid steps across, rounded half to even
  rows: number;
}

const kDotWidth = 5;
const kOutlineWidth = 2;
// dash, gap, dot, gap, dot, gap: in line widths
const kDashDotDot = [4, 2, 1, 2, 1, 2];

// A mark's place: a later mark with the same key covers it exactly.
const keyOf = (mark: Mark): string =>
  mark.kind === 'dot'
    ? `${mark.at.x},${mark.at.y}`
    : `o:${mark.vertices.map((v) => `${v.x},${v.y}`).join(";")}`;

export class Picture {
  // in the order drawn: a mark drawn again moves to the end, over the others
  private marks = new Map<string, Mark>();

  constructor(
    private readonly grid: Grid,
    private readonly palette: Rgb[],
  ) {}

  // White, and the grid over it: what clearing the canvas leaves.
  wipe(): void {
    this.marks.clear();
  }

  dot(at: Node, colour: number): void {
    this.put({ kind: 'dot', at, colour });
  }

  outline(vertices: Node[], colour: number): void {
    this.put({ kind: 'outline', vertices, colour });
  }

  private put(mark: Mark): void {
    const key = keyOf(mark);
    this.marks.delete(key);
    this.marks.set(key, mark);
  }

  // Every point's dot, the chosen one light green.
  markPoints(points: Node[], chosen: number, black: number, green: number): void {
    points.forEach((p, row) => this.dot(p, row === chosen ? green : black));
  }

  colour(index: number): string {
    const [r, g, b] = this.palette[index & 15]!;
    return `rgb(${r},${g},${b})`;
  }

  // The picture on context, scale device pixels to a canvas pixel.
  draw(context: CanvasRenderingContext2D, scale: number): void {
    const { width, height, step, columns, rows } = this.grid;
    context.fillStyle = this.colour(15);
    context.fillRect(0, 0, width * scale, height * scale);
    context.save();
    context.strokeStyle = this.colour(0);
    const line = Math.max(1, Math.round(scale * 0.6));
    context.lineWidth = line;
    context.setLineDash(kDashDotDot.map((d) => d * line));
    context.beginPath();
    const at = (v: number): number => Math.round(v * scale) + (line % 2) / 2;
    for (let i = 0; i <= rows; ++i) {
      context.moveTo(0, at(step * i));
      context.lineTo(width * scale, at(step * i));
    }
    for (let i = 0; i <= columns; ++i) {
      context.moveTo(at(step * i), 0);
      context.lineTo(at(step * i), height * scale);
    }
    context.stroke();
    context.restore();
    for (const mark of this.marks.values()) {
      if (mark.kind === 'dot') {
        context.fillStyle = this.colour(mark.colour);
        context.beginPath();
        context.arc(mark.at.x * scale, mark.at.y * scale, (kDotWidth * scale) / 2, 0, 2 * Math.PI);
        context.fill();
      } else {
        strokePath(context, mark.vertices, scale, kOutlineWidth * scale, this.colour(mark.colour));
      }
    }
  }
}

// A closed path through vertices.
export function strokePath(
  context: CanvasRenderingContext2D,
  vertices: Node[],
  scale: number,
  width: number,
  colour: string,
): void {
  if (vertices.length < 2) return;
  context.strokeStyle = colour;
  context.lineWidth = width;
  context.lineJoin = 'round';
  context.beginPath();
  vertices.forEach((v, i) =>
    i === 0 ? context.moveTo(v.x * scale, v.y * scale) : context.lineTo(v.x * scale, v.y * scale),
  );
  context.closePath();
  context.stroke();
}
