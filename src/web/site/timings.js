// How long the page takes: the summary screen's first showing after the
// navigation, and each user action from its event until the next frame is
// painted. The budget check reads them from window.scanfeeTimings.
export class Timings {
  constructor() {
    this.pending = null;
    this.summaryShown = false;
    window.scanfeeTimings = { summaryShown: null, actions: [] };
  }

  begin(event) {
    this.pending = { type: event.type, start: event.timeStamp };
  }

  // The page has taken the program's changes: the frame after them is the
  // answer the user sees.
  end() {
    const action = this.pending;
    this.pending = null;
    if (!action) return;
    requestAnimationFrame(() => setTimeout(() => {
      const list = window.scanfeeTimings.actions;
      list.push({ type: action.type, ms: performance.now() - action.start });
      if (list.length > 200) list.shift();
    }, 0));
  }

  shown(form) {
    if (form !== 'MAINFORM' || this.summaryShown) return;
    this.summaryShown = true;
    requestAnimationFrame(() => setTimeout(() => {
      window.scanfeeTimings.summaryShown = performance.now();
    }, 0));
  }
}
