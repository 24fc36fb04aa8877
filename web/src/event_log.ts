// The test mode's record of what the user did to the lesson, in the event file's words (see
// wavora-cli run --events): slide K, frames N, move/down/up X Y, panel SLOT ID VALUE.
const lines: string[] = [];
let recording = false;

export function startRecording(): void {
  recording = true;
}

export function recordEvent(line: string): void {
  if (!recording) return;
  // Frames in a row make one line.
  const last = lines[lines.length - 1];
  const frames = /^frames (\d+)$/;
  const previous = last?.match(frames);
  const next = line.match(frames);
  if (previous && next) {
    lines[lines.length - 1] = `frames ${Number(previous[1]) + Number(next[1])}`;
  } else {
    lines.push(line);
  }
}

export function recordedEvents(): string {
  return lines.map((line) => `${line}\n`).join('');
}
