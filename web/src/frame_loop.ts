// The frames: one a display refresh (the window's 16 ms timer), each stepping the slide on show once
// (five times fast) or redrawing it frozen, then showing the picture. In the test mode frames run
// only when the test asks, so that a scripted sequence is the same on every run.
import { FrameMode, type Session } from './wavora_module';
import type { TankView } from './tank_view';
import { recordEvent } from './event_log';

const kTimesKept = 600;

export class FrameLoop {
  frozen = false;
  fast = false;
  // Milliseconds each of the last normal frames took (step, picture and canvas).
  readonly frameTimes: number[] = [];
  // When the canvas first showed a running frame, in milliseconds from navigation.
  firstWavesAt: number | null = null;
  private frameCount = 0;

  constructor(private readonly session: Session, private readonly tank: TankView,
              private readonly afterFrame: (frameCount: number) => void) {}

  start(): void {
    const tick = (): void => {
      this.frame();
      requestAnimationFrame(tick);
    };
    requestAnimationFrame(tick);
  }

  // Runs frames at once (the test mode's way).
  runFrames(count: number): void {
    recordEvent(`frames ${count}`);
    for (let i = 0; i < count; ++i) this.frame();
  }

  private frame(): void {
    const mode = this.frozen ? FrameMode.Frozen : this.fast ? FrameMode.Fast : FrameMode.Normal;
    const start = performance.now();
    const changed = this.session.runFrame(mode);
    if (changed) this.tank.draw();
    const end = performance.now();
    if (mode === FrameMode.Normal) {
      this.frameTimes.push(end - start);
      if (this.frameTimes.length > kTimesKept) this.frameTimes.shift();
      if (this.firstWavesAt === null && changed) this.firstWavesAt = end;
    }
    this.afterFrame(++this.frameCount);
  }
}
