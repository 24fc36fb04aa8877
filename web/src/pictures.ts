// The core's RGBA pictures on canvases: at their own size, or reduced into a smaller canvas.

const scratch = document.createElement('canvas');

export function putPicture(canvas: HTMLCanvasElement, rgba: Uint8Array, width: number, height: number): void {
  if (canvas.width !== width || canvas.height !== height) {
    canvas.width = width;
    canvas.height = height;
  }
  const context = canvas.getContext('2d') as CanvasRenderingContext2D;
  // A view of the same bytes, not a copy: the canvas copies them once itself. The module's memory is
  // a plain ArrayBuffer (it runs without threads).
  const pixels = new Uint8ClampedArray(rgba.buffer as ArrayBuffer, rgba.byteOffset, rgba.length);
  context.putImageData(new ImageData(pixels, width, height), 0, 0);
}

// The picture reduced (smoothly) to fill the target canvas.
export function drawReduced(target: HTMLCanvasElement, rgba: Uint8Array, width: number, height: number): void {
  putPicture(scratch, rgba, width, height);
  const context = target.getContext('2d') as CanvasRenderingContext2D;
  context.imageSmoothingQuality = 'high';
  context.clearRect(0, 0, target.width, target.height);
  context.drawImage(scratch, 0, 0, target.width, target.height);
}

// A copy of what a canvas shows, reduced into another.
export function copyReduced(target: HTMLCanvasElement, source: HTMLCanvasElement): void {
  const context = target.getContext('2d') as CanvasRenderingContext2D;
  context.imageSmoothingQuality = 'high';
  context.drawImage(source, 0, 0, target.width, target.height);
}
