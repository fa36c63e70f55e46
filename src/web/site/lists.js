// List boxes and the editable combo box. Rows are elements with
// role="option" in order; a click on a row is the user's click on it.

import { composing } from './composing.js';

function rowAt(list, target) {
  const row = target.closest('[role="option"]');
  return row && list.contains(row) ? Number(row.dataset.row) : -1;
}

// Rows whose text is unchanged stay as they are: a list refilled with the
// same titles costs the page nothing.
function fillRows(list, items) {
  const rows = list.children;
  for (let i = 0; i < Math.min(rows.length, items.length); i++)
    if (rows[i].textContent !== items[i]) rows[i].textContent = items[i];
  while (rows.length > items.length) rows[rows.length - 1].remove();
  const added = [];
  for (let i = rows.length; i < items.length; i++) {
    const row = document.createElement('div');
    row.setAttribute('role', 'option');
    row.dataset.row = String(i);
    row.className = 'row';
    row.setAttribute('aria-selected', 'false');
    row.textContent = items[i];
    added.push(row);
  }
  list.append(...added);
}

// The keyboard's caret is a row of its own: the arrow keys move it without
// choosing, Space or Enter clicks the row under it, as in the window program.
export class ListBox {
  constructor(multiple, onClick) {
    this.el = document.createElement('div');
    this.el.setAttribute('role', 'listbox');
    this.el.tabIndex = 0;
    if (multiple) this.el.setAttribute('aria-multiselectable', 'true');
    this.count = 0;
    this.caret = -1;
    // A click below the last row is a click on no row (-1).
    this.el.addEventListener('click', (event) => {
      if (event.button !== 0) return;
      const row = rowAt(this.el, event.target);
      if (row >= 0) this.moveCaret(row);
      onClick(row);
    });
    this.el.addEventListener('keydown', (event) => {
      if (event.altKey || event.ctrlKey || event.metaKey) return;
      const page = Math.max(1, Math.floor(this.el.clientHeight / this.rowHeight()) - 1);
      const moves = { ArrowDown: 1, ArrowUp: -1, PageDown: page, PageUp: -page,
                      Home: -this.count, End: this.count };
      if (event.key in moves) {
        event.preventDefault();
        if (this.count > 0) this.moveCaret(Math.max(0, Math.min(this.count - 1, Math.max(this.caret, 0) + moves[event.key])));
      } else if ((event.key === ' ' || event.key === 'Enter') && !event.repeat) {
        event.preventDefault();
        if (this.caret >= 0) onClick(this.caret);
      }
    });
  }

  rowHeight() {
    const first = this.el.firstElementChild;
    return first ? first.offsetHeight || 16 : 16;
  }

  setItems(items) {
    fillRows(this.el, items);
    this.count = items.length;
    if (this.caret >= this.count) this.caret = -1;
  }

  // Only the rows whose state changed are touched.
  setSelection(selected, selectedRows) {
    const chosen = new Set(selectedRows || (selected >= 0 ? [selected] : []));
    for (const row of this.el.querySelectorAll('.selected'))
      if (!chosen.has(Number(row.dataset.row))) {
        row.classList.remove('selected');
        row.setAttribute('aria-selected', 'false');
      }
    for (const i of chosen) {
      const row = this.el.children[i];
      if (row && !row.classList.contains('selected')) {
        row.classList.add('selected');
        row.setAttribute('aria-selected', 'true');
      }
    }
    if (selected >= 0 && selected < this.count) this.moveCaret(selected);
    else if (this.caret < 0 && this.count > 0) this.moveCaret(0, false);
  }

  moveCaret(row, show = true) {
    const old = this.el.children[this.caret];
    if (old) old.classList.remove('caret');
    this.caret = row;
    const now = this.el.children[row];
    if (!now) return;
    now.classList.add('caret');
    now.id = `${this.el.id}-row`;
    if (old && old !== now) old.removeAttribute('id');
    this.el.setAttribute('aria-activedescendant', now.id);
    // In the frame's own layout, not in one forced now.
    if (show) requestAnimationFrame(() => now.isConnected && now.scrollIntoView({ block: 'nearest' }));
  }
}

// An edit field with a button that drops the list of entries below it.
export class ComboBox {
  constructor(onChoose) {
    this.el = document.createElement('div');
    this.input = document.createElement('input');
    this.input.setAttribute('role', 'combobox');
    this.input.setAttribute('aria-expanded', 'false');
    this.drop = document.createElement('button');
    this.drop.type = 'button';
    this.drop.tabIndex = -1;
    this.drop.className = 'combo-drop';
    this.drop.setAttribute('aria-label', '一覧');
    this.list = document.createElement('div');
    this.list.className = 'combo-list';
    this.list.setAttribute('role', 'listbox');
    this.list.hidden = true;
    this.el.append(this.input, this.drop, this.list);
    this.count = 0;
    this.selected = -1;
    this.onChoose = onChoose;

    this.drop.addEventListener('click', () => {
      this.toggle(this.list.hidden);
      this.input.focus();
    });
    this.list.addEventListener('click', (event) => {
      const row = rowAt(this.list, event.target);
      if (row < 0) return;
      this.toggle(false);
      this.input.focus();
      onChoose(row);
    });
    this.input.addEventListener('keydown', (event) => this.key(event));
    document.addEventListener('mousedown', (event) => {
      if (!this.list.hidden && !this.el.contains(event.target)) this.toggle(false);
    });
  }

  // Down and Up choose the next or previous entry at once, Alt+Down or F4
  // drops the list, Esc folds it.
  key(event) {
    if (composing(event)) return;
    if ((event.key === 'ArrowDown' && event.altKey) || event.key === 'F4') {
      event.preventDefault();
      this.toggle(this.list.hidden);
    } else if (event.key === 'Escape' && !this.list.hidden) {
      event.preventDefault();
      event.stopPropagation();
      this.toggle(false);
    } else if ((event.key === 'ArrowDown' || event.key === 'ArrowUp') && !event.ctrlKey && !event.metaKey) {
      event.preventDefault();
      const next = this.selected + (event.key === 'ArrowDown' ? 1 : -1);
      if (next >= 0 && next < this.count) this.onChoose(next);
    }
  }

  toggle(open) {
    this.list.hidden = !open || this.count === 0;
    this.input.setAttribute('aria-expanded', String(!this.list.hidden));
    if (!this.list.hidden) {
      const row = this.list.children[Math.max(this.selected, 0)];
      if (row) row.scrollIntoView({ block: 'nearest' });
    }
  }

  setItems(items) {
    fillRows(this.list, items);
    this.count = items.length;
    if (this.count === 0) this.toggle(false);
  }

  setSelected(selected) {
    this.selected = selected;
    for (const row of this.list.children) {
      const on = Number(row.dataset.row) === selected;
      row.classList.toggle('selected', on);
      row.setAttribute('aria-selected', String(on));
    }
  }

  // The dropped list is named as its box is, and the box says which list
  // it drops.
  name(id, input) {
    this.list.id = `${id}-list`;
    input.setAttribute('aria-controls', this.list.id);
    for (const attr of ['aria-label', 'aria-labelledby'])
      if (input.hasAttribute(attr)) this.list.setAttribute(attr, input.getAttribute(attr));
  }

  setDesignHeight(h) {
    this.list.style.maxHeight = `${Math.max(16, h - 24)}px`;
  }

  setEnabled(enabled) {
    this.drop.disabled = !enabled;
    if (!enabled) this.toggle(false);
  }
}
