// The horizontal scroll bar: arrows, a track and a thumb. Each move the user
// makes sends the new position; the program's position is what it shows.
export class ScrollBar {
  // `unit` follows the value where it is spoken ("156 dpi").
  constructor(onMove, unit = '') {
    this.unit = unit;
    this.el = document.createElement('div');
    this.el.setAttribute('role', 'scrollbar');
    this.el.setAttribute('aria-orientation', 'horizontal');
    this.el.tabIndex = 0;
    this.less = document.createElement('div');
    this.less.className = 'scroll-less';
    this.more = document.createElement('div');
    this.more.className = 'scroll-more';
    this.track = document.createElement('div');
    this.track.className = 'scroll-track';
    this.thumb = document.createElement('div');
    this.thumb.className = 'scroll-thumb';
    this.track.append(this.thumb);
    this.el.append(this.less, this.track, this.more);
    this.state = { pos: 0, min: 0, max: 100, small: 1, large: 10 };
    this.onMove = onMove;

    this.less.addEventListener('pointerdown', (e) => this.press(e, () => this.by(-this.state.small)));
    this.more.addEventListener('pointerdown', (e) => this.press(e, () => this.by(this.state.small)));
    this.track.addEventListener('pointerdown', (e) => {
      if (e.target === this.thumb) return;
      const left = e.clientX < this.thumb.getBoundingClientRect().left;
      this.press(e, () => this.by(left ? -this.state.large : this.state.large));
    });
    this.thumb.addEventListener('pointerdown', (e) => this.drag(e));
  }

  set(state) {
    this.state = { ...this.state, ...state };
    const { pos, min, max } = this.state;
    this.el.setAttribute('aria-valuemin', String(min));
    this.el.setAttribute('aria-valuemax', String(max));
    this.el.setAttribute('aria-valuenow', String(pos));
    if (this.unit) this.el.setAttribute('aria-valuetext', `${pos} ${this.unit}`);
    const span = Math.max(1, max - min);
    const room = 100 - this.thumbPercent();
    this.thumb.style.width = `${this.thumbPercent()}%`;
    this.thumb.style.left = `${((pos - min) / span) * room}%`;
  }

  thumbPercent() {
    const { min, max, large } = this.state;
    return Math.max(8, Math.min(100, (100 * large) / (max - min + large)));
  }

  moveTo(pos) {
    const { min, max } = this.state;
    const next = Math.max(min, Math.min(Math.max(min, max), Math.round(pos)));
    if (next !== this.state.pos) this.onMove(next);
  }

  by(delta) { this.moveTo(this.state.pos + delta); }

  // A held arrow or track repeats, as on the desktop.
  press(event, step) {
    if (event.button !== 0) return;
    event.preventDefault();
    this.el.focus();
    step();
    let timer = setTimeout(function repeat() {
      step();
      timer = setTimeout(repeat, 50);
    }, 400);
    const stop = () => {
      clearTimeout(timer);
      window.removeEventListener('pointerup', stop);
      window.removeEventListener('pointercancel', stop);
    };
    window.addEventListener('pointerup', stop);
    window.addEventListener('pointercancel', stop);
  }

  drag(event) {
    if (event.button !== 0) return;
    event.preventDefault();
    this.el.focus();
    const track = this.track.getBoundingClientRect();
    const thumbWidth = this.thumb.getBoundingClientRect().width;
    const grab = event.clientX - this.thumb.getBoundingClientRect().left;
    const follow = (e) => {
      const { min, max } = this.state;
      const room = Math.max(1, track.width - thumbWidth);
      const fraction = Math.max(0, Math.min(1, (e.clientX - grab - track.left) / room));
      this.moveTo(min + fraction * (max - min));
    };
    const stop = () => {
      window.removeEventListener('pointermove', follow);
      window.removeEventListener('pointerup', stop);
    };
    window.addEventListener('pointermove', follow);
    window.addEventListener('pointerup', stop);
  }

  // Up, right and Page Up make the value larger; the keys the window
  // program's scroll bar takes. Returns whether the key was one of them.
  key(key) {
    const { small, large, min, max } = this.state;
    const moves = { ArrowRight: small, ArrowUp: small, ArrowLeft: -small, ArrowDown: -small,
                    PageUp: large, PageDown: -large };
    if (key in moves) this.by(moves[key]);
    else if (key === 'Home') this.moveTo(min);
    else if (key === 'End') this.moveTo(max);
    else return false;
    return true;
  }
}
