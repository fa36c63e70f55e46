// One element per control of the screen model, placed and styled as
// designed, mirroring every change the program makes, and turning the
// user's clicks and typing into actions on the program.
import { ListBox, ComboBox } from './lists.js';
import { ScrollBar } from './scroll_bar.js';

// The design faces, each with the font the page serves in its place.
const FALLBACK_FAMILY = { serif: 'serif', gothic: 'sans-serif' };

export function fontFamily(face) {
  const generic = face.includes('明朝') || /mincho/i.test(face) ? FALLBACK_FAMILY.serif : FALLBACK_FAMILY.gothic;
  return `"${face.replace(/"/g, '')}", ${generic}`;
}

// The control's cell in the narrow layout, from the form's table; the style
// sheet uses it only while the window is narrower than the form.
function placeInFlow(el, { row, column, rows }) {
  el.style.gridRow = `${row} / span ${rows}`;
  el.style.gridColumn = column === 'label' ? '1' : column === 'box' ? '2' : '1 / -1';
}

// A control's element and what it does with the program's changes.
class Control {
  constructor(data, element, focusTarget) {
    this.name = data.name;
    this.kind = data.kind;
    this.group = data.group || '';
    this.el = element;
    this.focusTarget = focusTarget || element;
    this.el.id = data.name;
    this.el.classList.add('control', `control-${data.kind}`);
    if (data.align) this.el.dataset.align = data.align;
    if (data.flow) placeInFlow(this.el, data.flow);
    // Its name for a screen reader: the label the design puts beside it, or
    // a name of its own; a button or a tick box is named by its caption.
    if (data.labelledBy) this.focusTarget.setAttribute('aria-labelledby', data.labelledBy);
    else if (data.ownName) this.focusTarget.setAttribute('aria-label', data.ownName);
    this.enabled = true;
    this.visible = true;
  }

  apply(change) {
    const style = this.el.style;
    if ('x' in change) {
      style.left = `${change.x}px`;
      style.top = `${change.y}px`;
      style.width = `${change.w}px`;
      style.setProperty('--design-h', `${change.h}px`);
      this.setHeight(change.h);
    }
    if ('font' in change && change.font.face) {
      style.fontFamily = fontFamily(change.font.face);
      style.fontSize = `${change.font.size}px`;
    }
    if ('fg' in change) {
      style.color = change.fg;
      style.backgroundColor = change.bg;
    }
    if ('visible' in change) {
      this.visible = change.visible;
      this.el.hidden = !change.visible;
    }
    if ('enabled' in change) {
      this.enabled = change.enabled;
      this.setEnabled(change.enabled);
    }
    if ('text' in change) this.setText(change.text, change.asTyped);
    if ('checked' in change) this.setChecked(change.checked === 1);
  }

  setHeight(h) { this.el.style.height = `${h}px`; }
  setEnabled(enabled) {
    if ('disabled' in this.focusTarget) this.focusTarget.disabled = !enabled;
    this.el.classList.toggle('disabled', !enabled);
    this.el.setAttribute('aria-disabled', String(!enabled));
  }
  setText() {}
  setChecked() {}
  // Focusing forces no layout of its own; a move by the keyboard reveals
  // the control afterwards (revealFocus) when the window is too small.
  focus() { this.focusTarget.focus({ preventScroll: true }); }
}

class Button extends Control {
  constructor(data, actions) {
    const button = document.createElement('button');
    button.type = 'button';
    super(data, button);
    button.addEventListener('click', (event) => actions.click(this.name, event));
  }
  setText(text) { this.el.textContent = text; }
}

// A check box or radio button: the box and its caption in one label, which
// takes clicks on the caption too.
class Tick extends Control {
  constructor(data, actions) {
    const label = document.createElement('label');
    const input = document.createElement('input');
    input.type = data.kind === 'radio' ? 'radio' : 'checkbox';
    // The radio buttons of a group box are one set for the browser too.
    if (data.group) input.name = data.group;
    const caption = document.createElement('span');
    caption.className = 'caption';
    label.append(input, caption);
    super(data, label, input);
    this.caption = caption;
    // The box has changed its look already; the program's state follows
    // and the page shows the program's state after the event.
    input.addEventListener('click', (event) => actions.click(this.name, event));
  }
  setText(text) { this.caption.textContent = text; }
  setChecked(checked) { this.focusTarget.checked = checked; }
}

class Group extends Control {
  constructor(data) {
    const set = document.createElement('fieldset');
    const legend = document.createElement('legend');
    legend.id = `${data.name}-legend`;
    set.append(legend);
    super(data, set);
    this.legend = legend;
  }
  setText(text) { this.legend.textContent = text; }
  // The frame holds its radio buttons for a screen reader, named by its
  // caption, wherever they stand among the screen's elements.
  holdRadios(radios) {
    if (radios.length === 0) return;
    this.el.setAttribute('role', 'radiogroup');
    this.el.setAttribute('aria-labelledby', this.legend.id);
    this.el.setAttribute('aria-owns', radios.map((r) => r.el.id).join(' '));
  }
}

// A text on the form. An amount the design names is read as a definition:
// its value, named by the caption beside it (the term it defines) or by a
// name of its own; a plain text takes no name.
class Label extends Control {
  constructor(data) {
    super(data, document.createElement('div'));
    if (data.labelledBy || data.ownName) this.el.setAttribute('role', 'definition');
  }
  // The caption of a named amount.
  defines() { this.el.setAttribute('role', 'term'); }
  // A wrapped text grows the label downwards rather than being cut off.
  setHeight(h) { this.el.style.minHeight = `${h}px`; }
  setText(text) { this.el.textContent = text; }
}

// A single-line box: every change the user makes is typed into the model,
// which keeps what its limits allow; the box then shows the model's text.
export class EditBox extends Control {
  constructor(data, actions, input = document.createElement('input')) {
    input.type = 'text';
    input.autocomplete = 'off';
    input.spellcheck = false;
    super(data, input);
    this.sent = null;
    const send = () => {
      if (input.value === this.sent) return;
      this.sent = input.value;
      actions.type(this.name, input.value);
    };
    // Text being composed by an input method is typed when it is committed.
    input.addEventListener('input', (event) => { if (!event.isComposing) send(); });
    input.addEventListener('compositionend', send);
  }
  apply(change) {
    super.apply(change);
    // A hint for the keyboards of tablets; the program keeps the limits.
    if ('digitsOnly' in change) this.focusTarget.inputMode = change.digitsOnly ? 'numeric' : 'text';
  }
  setText(text, asTyped) {
    const input = this.focusTarget;
    this.sent = text;
    if (asTyped || input.value === text) return;
    // A refused character leaves the caret where it was before it.
    const caret = input.selectionStart ?? text.length;
    const lost = Math.max(0, input.value.length - text.length);
    input.value = text;
    if (document.activeElement === input) {
      const at = Math.max(0, Math.min(text.length, caret - lost));
      input.setSelectionRange(at, at);
    }
  }
}

// The statement: many lines, read-only, scrolled both ways.
class TextArea extends Control {
  constructor(data) {
    const area = document.createElement('textarea');
    area.readOnly = data.readOnly;
    area.wrap = 'off';
    area.spellcheck = false;
    super(data, area);
  }
  setText(text) {
    const lines = text.replace(/\r\n?/g, '\n');
    if (this.el.value !== lines) {
      this.el.value = lines;
      this.el.scrollTop = 0;
      this.el.scrollLeft = 0;
    }
  }
}

class List extends Control {
  constructor(data, actions) {
    const box = new ListBox(data.multiSelect, (row) => actions.select(data.name, row));
    super(data, box.el);
    this.box = box;
  }
  apply(change) {
    super.apply(change);
    if ('items' in change) this.box.setItems(change.items);
    if ('selected' in change) this.box.setSelection(change.selected, change.selectedRows);
  }
  setEnabled(enabled) {
    super.setEnabled(enabled);
    this.el.tabIndex = enabled ? 0 : -1;
  }
}

class Combo extends Control {
  constructor(data, actions) {
    const combo = new ComboBox((row) => actions.select(data.name, row));
    super(data, combo.el, combo.input);
    this.combo = combo;
    combo.name(data.name, this.focusTarget);
    this.edit = new EditBox({ name: `${data.name}-edit`, kind: 'edit' }, {
      type: (_, text) => actions.type(data.name, text),
    }, combo.input);
    combo.input.removeAttribute('id');
    combo.input.className = 'combo-edit';
  }
  apply(change) {
    super.apply(change);
    if ('digitsOnly' in change) this.edit.apply({ digitsOnly: change.digitsOnly });
    if ('items' in change) this.combo.setItems(change.items);
    if ('selected' in change) this.combo.setSelected(change.selected);
  }
  // The designed height reaches down over the dropped list.
  setHeight(h) { this.combo.setDesignHeight(h); }
  setText(text, asTyped) { this.edit.setText(text, asTyped); }
  setEnabled(enabled) {
    super.setEnabled(enabled);
    this.combo.setEnabled(enabled);
  }
  get selected() { return this.combo.selected; }
  get count() { return this.combo.count; }
}

class HScroll extends Control {
  constructor(data, actions) {
    const bar = new ScrollBar((pos) => actions.scroll(data.name, pos), data.valueUnit);
    super(data, bar.el);
    this.bar = bar;
  }
  apply(change) {
    super.apply(change);
    if ('pos' in change) this.bar.set(change);
  }
  setEnabled(enabled) {
    super.setEnabled(enabled);
    this.el.tabIndex = enabled ? 0 : -1;
  }
  step(key) { return this.bar.key(key); }
}

const KINDS = {
  button: Button,
  check: Tick,
  radio: Tick,
  group: Group,
  label: Label,
  list: List,
  combo: Combo,
  hscroll: HScroll,
};

export function createControl(data, actions) {
  const Kind = data.kind === 'edit' ? (data.multiline ? TextArea : EditBox) : KINDS[data.kind];
  const control = new Kind(data, actions);
  control.apply(data);
  return control;
}

// Scrolls the page just enough to show the focused control, when it lies
// outside the window: a small window, or a large scale, does not hold a
// whole screen, and a keyboard user must see where the focus went.
export function revealFocus() {
  const el = document.activeElement;
  if (!el || el === document.body) return;
  const r = el.getBoundingClientRect();
  if (r.top < 0 || r.left < 0 || r.bottom > window.innerHeight || r.right > window.innerWidth)
    el.scrollIntoView({ block: 'nearest', inline: 'nearest' });
}
