// The five screens: one window-like element per form of the program, its
// controls inside at their designed places. The screen shown last is on
// top; the keyboard works on the top screen.
import { createControl, revealFocus } from './controls.js';

// The page's own button beside the statement: it prints it.
const PRINT_BUTTON = { form: 'FORM5', id: 'FORM5-print', text: '印刷', x: 224, y: 8, w: 96, h: 24,
                       row: 1, column: 2 };

// The page's padding and a form's frame: a form shows as designed where
// the window has room for it and them.
const SCREEN_MARGIN = 18;
// The narrow layout's rows that hold a group box's caption.
const CAPTION_ROW = 'minmax(1.5em, auto)';

function flowRows(controls) {
  const flows = controls.map((c) => c.flow).filter(Boolean);
  const last = Math.max(0, ...flows.map((f) => f.row + f.rows - 1));
  const captions = new Set(flows.filter((f) => f.rows > 1).map((f) => f.row));
  return Array.from({ length: last }, (_, i) => (captions.has(i + 1) ? CAPTION_ROW : 'auto')).join(' ');
}

class Form {
  constructor(data, actions) {
    this.name = data.name;
    this.escape = data.escape;
    this.enter = data.enter;
    this.controls = new Map();
    this.el = document.createElement('section');
    this.el.id = data.name;
    this.el.className = 'form';
    this.el.hidden = true;
    this.el.setAttribute('role', 'dialog');
    const bar = document.createElement('div');
    bar.className = 'titlebar';
    this.caption = document.createElement('span');
    this.caption.className = 'caption';
    this.el.setAttribute('aria-labelledby', `${data.name}-caption`);
    this.caption.id = `${data.name}-caption`;
    const close = document.createElement('button');
    close.type = 'button';
    close.className = 'close';
    close.tabIndex = -1;
    close.setAttribute('aria-label', '閉じる');
    close.textContent = '×';
    close.addEventListener('click', () => actions.close(this.name));
    bar.append(this.caption, close);
    this.client = document.createElement('div');
    this.client.className = 'client';
    this.el.append(bar, this.client);
    this.client.style.gridTemplateRows = flowRows(data.controls);
    // The elements stand in the order the screen model reads them in;
    // labels and group boxes lie under every other control, in the design's
    // order, as on the platform the screens were designed for.
    const byName = new Map(data.controls.map((c) => [c.name, c]));
    for (const name of data.readingOrder) {
      const control = createControl(byName.get(name), actions);
      this.controls.set(name, control);
      this.client.append(control.el);
    }
    const under = data.controls.filter((c) => c.kind === 'label' || c.kind === 'group');
    under.forEach((c, i) => { this.controls.get(c.name).el.style.zIndex = String(i - under.length); });
    for (const control of this.controls.values())
      if (control.kind === 'group')
        control.holdRadios([...this.controls.values()].filter((c) => c.kind === 'radio' && c.group === control.name));
    for (const c of data.controls)
      if (c.kind === 'label' && c.labelledBy) this.controls.get(c.labelledBy).defines();
    this.apply(data);
  }

  apply(change) {
    if ('text' in change) this.caption.textContent = change.text;
    if ('w' in change) {
      this.width = change.w;
      this.client.style.width = `${change.w}px`;
      this.client.style.height = `${change.h}px`;
    }
    if ('bg' in change) this.client.style.backgroundColor = change.bg;
    if ('visible' in change) this.visible = change.visible;
  }

  addButton(design, onClick) {
    const button = document.createElement('button');
    button.type = 'button';
    button.id = design.id;
    button.className = 'control control-button page-button';
    button.textContent = design.text;
    Object.assign(button.style, { left: `${design.x}px`, top: `${design.y}px`, width: `${design.w}px`, height: `${design.h}px`,
                                  gridRow: String(design.row), gridColumn: String(design.column) });
    button.style.setProperty('--design-h', `${design.h}px`);
    button.addEventListener('click', onClick);
    this.client.append(button);
    this.extraStops = [button];
  }
}

// Whether the element inside the shown form can take the focus now.
function reachable(el, form) {
  if (!el.isConnected || !form.el.contains(el) || el.disabled) return false;
  for (let node = el; node && node !== form.el; node = node.parentElement)
    if (node.hidden || node.style.display === 'none' || node.style.visibility === 'hidden') return false;
  return true;
}

export class Screens {
  constructor(root, timings) {
    this.root = root;
    this.timings = timings;
    this.forms = new Map();
    // Forms the program has described but the page has not built yet: a
    // form is built when first shown, the rest in the browser's idle time,
    // so that the first screen comes up without waiting for the others.
    this.order = [];  // every form's name, in the program's order
    this.unbuilt = new Map();  // form name -> its description, kept up to date
    this.unbuiltOwner = new Map();  // control name -> its unbuilt form's name
    this.ended = false;
    this.painted = false;
    this.stack = [];  // visible forms, the top one last
    this.onAction = () => {};
    this.onPrint = () => {};
    const act = (kind) => (...args) => this.onAction(kind, ...args);
    this.actions = { click: act('click'), type: act('type'), select: act('select'), scroll: act('scroll'), close: act('close') };
    // The time of the user's action, for the budget of its answer.
    for (const type of ['click', 'input', 'keydown']) root.addEventListener(type, (e) => timings.begin(e), true);
    window.addEventListener('resize', () => this.fit());
  }

  // Until the first screen is painted nothing reads the layout: it is
  // made once, by the browser's own frame; then the window's width is read
  // again (the screen may have brought a scroll bar) and the focus shown.
  afterFirstPaint() {
    if (this.paintAwaited) return;
    this.paintAwaited = true;
    requestAnimationFrame(() => {
      const channel = new MessageChannel();
      channel.port1.onmessage = () => {
        this.painted = true;
        this.fit();
        revealFocus();
      };
      channel.port2.postMessage(null);
    });
  }

  // Each form as designed where the window has room for it, in the narrow
  // layout where it has not (a phone, a half screen, a large zoom).
  fit() {
    this.room = document.documentElement.clientWidth;
    for (const form of this.forms.values()) form.el.classList.toggle('narrow', this.room < form.width + SCREEN_MARGIN);
  }

  // The form described by `data`, built and placed among the others in
  // the program's order.
  build(data) {
    const form = new Form(data, this.actions);
    if (form.name === PRINT_BUTTON.form) form.addButton(PRINT_BUTTON, () => this.onPrint());
    this.unbuilt.delete(form.name);
    for (const c of data.controls) this.unbuiltOwner.delete(c.name);
    this.forms.set(form.name, form);
    const later = this.order.slice(this.order.indexOf(form.name) + 1).map((name) => this.forms.get(name)).find(Boolean);
    this.root.insertBefore(form.el, later ? later.el : null);
    form.el.classList.toggle('narrow', this.room < form.width + SCREEN_MARGIN);
    this.show(form);
    this.layer();
    return form;
  }

  // A change to a form not built yet is kept in its description.
  keep(change) {
    const { asTyped, ...state } = change;
    const data = this.unbuilt.get(change.name);
    if (data) {
      Object.assign(data, state);
      if (data.visible) this.build(data);
      return true;
    }
    const owner = this.unbuiltOwner.get(change.name);
    if (!owner) return false;
    Object.assign(this.unbuilt.get(owner).controls.find((c) => c.name === change.name), state);
    return true;
  }

  // The forms not built yet, one per idle moment of the browser.
  buildLater() {
    if (this.idleQueued || this.unbuilt.size === 0 || this.ended) return;
    this.idleQueued = true;
    const next = () => {
      this.idleQueued = false;
      const data = this.unbuilt.values().next().value;
      if (!data || this.ended) return;
      this.room = document.documentElement.clientWidth;
      this.build(data);
      this.buildLater();
    };
    if (window.requestIdleCallback) requestIdleCallback(next, { timeout: 1000 });
    else setTimeout(next, 50);
  }

  update(message) {
    // The window's width, read before anything is written: it costs no
    // layout of its own.
    if (message.forms.length) this.room = document.documentElement.clientWidth;
    for (const data of message.forms) {
      this.order.push(data.name);
      this.unbuilt.set(data.name, data);
      for (const c of data.controls) this.unbuiltOwner.set(c.name, data.name);
      if (data.visible) this.build(data);
    }
    for (const change of message.changes) {
      if (this.keep(change)) continue;
      const form = this.forms.get(change.name);
      if (form) {
        form.apply(change);
        this.show(form);
        continue;
      }
      const control = this.control(change.name);
      if (control) control.apply(change);
    }
    for (const { form: name, focus, returnsFocus } of message.opened) {
      const form = this.forms.get(name);
      if (!form || !form.visible) continue;
      this.raise(form);
      // Shown again, a screen that returns the focus puts it back on the
      // control the user left it from, while that can still take it.
      const left = returnsFocus ? form.leftFocus : null;
      if (left && reachable(left, form)) {
        left.focus({ preventScroll: true });
      } else {
        const target = this.control(focus);
        if (target) target.focus();
      }
      if (this.painted) revealFocus();
      else this.afterFirstPaint();
    }
    const top = this.top();
    if (top) document.title = top.caption.textContent;
    // A screen uncovered again, with no word where the focus goes, takes it
    // back where the user left it.
    if (top && top !== this.focusedTop) {
      const active = document.activeElement;
      if ((!active || !top.el.contains(active)) && top.leftFocus && reachable(top.leftFocus, top))
        top.leftFocus.focus({ preventScroll: true });
    }
    this.focusedTop = top;
    this.timings.end();
    this.buildLater();
  }

  // A form shown or hidden by the program.
  show(form) {
    const shown = !form.el.hidden;
    if (form.visible === shown) return;
    // A covered screen has kept its control already.
    if (!form.visible && !form.el.inert) {
      const active = document.activeElement;
      form.leftFocus = active && form.el.contains(active) ? active : null;
    }
    form.el.hidden = !form.visible;
    form.el.setAttribute('aria-hidden', String(!form.visible));
    this.stack = this.stack.filter((f) => f !== form);
    if (form.visible) {
      this.stack.push(form);
      this.timings.shown(form.name);
    }
    this.layer();
  }

  raise(form) {
    this.stack = [...this.stack.filter((f) => f !== form), form];
    this.layer();
  }

  // The top screen alone can be read and reached, as the window program's
  // screens that lie under another wait for it; a screen covered keeps the
  // control its focus was on.
  layer() {
    const top = this.top();
    for (const form of this.forms.values()) {
      const covered = form !== top;
      const active = document.activeElement;
      if (covered && !form.el.inert && active && form.el.contains(active)) form.leftFocus = active;
      form.el.inert = covered;
    }
    this.stack.forEach((f, i) => { f.el.style.zIndex = String(i + 1); });
  }

  top() { return this.stack[this.stack.length - 1] || null; }

  control(name) {
    const owner = this.unbuiltOwner.get(name);
    if (owner) this.build(this.unbuilt.get(owner));
    for (const form of this.forms.values()) {
      const control = form.controls.get(name);
      if (control) return control;
    }
    return null;
  }

  // What a box left out of the user's typing, named under the box for a
  // while (above it where the screen ends first).
  notice(name, text) {
    const control = this.control(name);
    if (!control) return;
    const client = control.el.parentElement;
    let note = document.getElementById(`${name}-notice`);
    if (!note) {
      note = document.createElement('div');
      note.id = `${name}-notice`;
      note.className = 'box-notice';
      note.setAttribute('role', 'status');
    }
    note.textContent = text;
    client.append(note);
    const box = control.el;
    const below = box.offsetTop + box.offsetHeight + 2;
    note.style.left = `${Math.max(0, Math.min(box.offsetLeft, client.clientWidth - note.offsetWidth))}px`;
    note.style.top = `${below + note.offsetHeight <= client.clientHeight ? below : box.offsetTop - note.offsetHeight - 2}px`;
    clearTimeout(this.noticeTimer);
    this.noticeTimer = setTimeout(() => note.remove(), 5000);
  }

  // The run has ended: no screen stays.
  end() {
    this.ended = true;
    for (const form of this.forms.values()) {
      form.el.hidden = true;
      form.el.inert = true;
    }
    this.stack = [];
  }
}
