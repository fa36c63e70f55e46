// How long the page takes: the summary screen's first showing after the
// navigation, and each user action from its event until its frame is
// painted. The wait for the display's next frame is left out of the action:
// what counts is the page's work, the handling and the rendering, which
// must fit in one frame. The budget check reads window.scanfeeTimings.
function afterPaint(callback) {
  requestAnimationFrame(() => {
    const frameStart = performance.now();
    const channel = new MessageChannel();
    channel.port1.onmessage = () => callback(frameStart, performance.now());
    channel.port2.postMessage(null);
  });
}

export class Timings {
  constructor() {
    this.pending = null;
    this.summaryShown = false;
    window.scanfeeTimings = { summaryShown: null, actions: [] };
  }

  // A key or a click starts an action; the typing a key makes belongs to it.
  begin(event) {
    if (event.type === 'input' && this.pending) return;
    this.pending = { type: event.type, start: event.timeStamp };
  }

  // The page has taken the program's changes.
  end() {
    const action = this.pending;
    this.pending = null;
    if (!action) return;
    const handled = performance.now() - action.start;
    afterPaint((frameStart, painted) => {
      const list = window.scanfeeTimings.actions;
      list.push({ type: action.type, handled, rendered: painted - frameStart, ms: handled + painted - frameStart });
      if (list.length > 200) list.shift();
    });
  }

  shown(form) {
    if (form !== 'MAINFORM' || this.summaryShown) return;
    this.summaryShown = true;
    afterPaint((_, painted) => { window.scanfeeTimings.summaryShown = painted; });
  }
}
