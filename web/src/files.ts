// Files in a browser: a chosen or dropped file's bytes (as many as the
// desktop reads), a save offered as a download, and points carried by the
// page's address ("#p=40,40;120,40;120,120").

// the desktop reads no more than a MiB and one byte: the session refuses more
const kMostBytes = 1024 * 1024 + 1;

export async function fileBytes(file: File): Promise<Uint8Array> {
  return new Uint8Array(await file.slice(0, kMostBytes).arrayBuffer());
}

export function download(bytes: Uint8Array, name: string): void {
  const url = URL.createObjectURL(new Blob([bytes], { type: 'application/x-plane-figures' }));
  const link = document.createElement('a');
  link.href = url;
  link.download = name;
  document.body.append(link);
  link.click();
  link.remove();
  setTimeout(() => URL.revokeObjectURL(url), 10_000);
}

const kPrefix = '#p=';

// The address of points, or '' for none.
export function pointsAddress(points: { x: number; y: number }[]): string {
  return points.length === 0 ? '' : kPrefix + points.map((p) => `${p.x},${p.y}`).join(';');
}

// The points an address carries as the lines of a file of points, which the
// session reads with its own rules (the canvas, the most points); null when
// the address carries none.
export function addressFile(hash: string): Uint8Array | null {
  if (!hash.startsWith(kPrefix)) return null;
  const lines = decodeURIComponent(hash.slice(kPrefix.length))
    .split(';')
    .filter((pair) => pair.trim() !== '')
    .map((pair) => pair.replace(',', ' '));
  return new TextEncoder().encode(['# plane-figures points', ...lines, ''].join('\n'));
}
