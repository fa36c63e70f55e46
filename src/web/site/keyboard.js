// The keys of the window program on the top screen: Tab and Shift+Tab walk
// the screen's stops, a radio group is one stop walked by the arrow keys,
// Enter presses the focused push button (or the button a box hands its
// Enter to), Esc leaves the screens that have a way back, the arrow and
// page keys move the scroll bar, Ctrl+Z in a list takes back its last
// change, Ctrl+P prints the statement (elsewhere it is the browser's).

import { composing } from './composing.js';
import { revealFocus } from './controls.js';

function controlOf(screens, element) {
  const form = screens.top();
  if (!form || !element) return null;
  for (const control of form.controls.values())
    if (control.el === element || control.el.contains(element)) return control;
  return null;
}

export class Keyboard {
  constructor(screens, program, print) {
    this.screens = screens;
    this.program = program;
    this.print = print;
    document.addEventListener('keydown', (event) => this.key(event));
  }

  key(event) {
    if (composing(event)) return;
    // A dialog keeps its own keys; the screens wait for it.
    if (document.querySelector('dialog[open]')) return;
    const form = this.screens.top();
    if (!form) return;
    // The page prints the statement; on every other screen Ctrl+P is the
    // browser's own.
    if ((event.ctrlKey || event.metaKey) && !event.altKey && event.key.toLowerCase() === 'p') {
      if (form.name !== 'FORM5') return;
      event.preventDefault();
      this.print();
      return;
    }
    const control = controlOf(this.screens, document.activeElement);
    // Ctrl+Z takes back the last action on a list, where the program says
    // the key is the screen's; a text box keeps its own undo.
    if ((event.ctrlKey || event.metaKey) && !event.altKey && !event.shiftKey && event.key.toLowerCase() === 'z') {
      const list = this.program.undoList(form.name, control && control.name);
      if (list) {
        event.preventDefault();
        this.program.undo(list);
        return;
      }
    }
    if (event.key === 'Tab' && !event.ctrlKey && !event.altKey && !event.metaKey) {
      event.preventDefault();
      this.tab(form, control, event.shiftKey);
      return;
    }
    if (event.ctrlKey || event.altKey || event.metaKey) return;
    switch (event.key) {
      case 'Escape':
        event.preventDefault();
        if (form.escape && !event.repeat) this.program.close(form.name);
        return;
      case 'Enter':
        this.enter(event, form, control);
        return;
      case 'ArrowUp': case 'ArrowDown': case 'ArrowLeft': case 'ArrowRight':
      case 'PageUp': case 'PageDown': case 'Home': case 'End':
        if (control && control.kind === 'radio' && event.key.startsWith('Arrow')) {
          event.preventDefault();
          this.radioArrow(control, event.key === 'ArrowDown' || event.key === 'ArrowRight');
        } else if (control && control.kind === 'hscroll' && control.step(event.key)) {
          event.preventDefault();
        }
        return;
      default:
    }
  }

  tab(form, control, back) {
    const stops = this.program.tabStops(form.name).map((name) => form.controls.get(name)).filter(Boolean);
    for (const extra of form.extraStops || []) stops.push({ el: extra, focus: () => extra.focus() });
    if (stops.length === 0) return;
    let at = stops.findIndex((stop) => stop === control || stop.el === document.activeElement);
    // A radio button that is not its group's stop stands for its group.
    if (at < 0 && control && control.kind === 'radio')
      at = stops.findIndex((stop) => stop.kind === 'radio' && stop.group === control.group);
    const next = at < 0 ? (back ? stops.length - 1 : 0) : (at + (back ? -1 : 1) + stops.length) % stops.length;
    stops[next].focus();
    revealFocus();
  }

  enter(event, form, control) {
    // A held key presses once, not once per repeat.
    if (event.repeat) {
      event.preventDefault();
      return;
    }
    const target = control && form.enter[control.name];
    if (target) {
      event.preventDefault();
      const button = form.controls.get(target);
      if (button && button.visible && button.enabled) this.program.click(target);
    }
    // A focused push button takes Enter itself; a list clicks its caret row.
  }

  radioArrow(control, forward) {
    const next = this.program.radioStep(control.name, forward);
    const radio = next && this.screens.control(next);
    if (!radio) return;
    // As on every desktop: the arrow moves the focus and chooses the button.
    radio.focus();
    revealFocus();
    this.program.click(next);
  }
}
