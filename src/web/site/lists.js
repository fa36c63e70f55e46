// List boxes and the editable combo box. Rows are elements with
// role="option" in order; a click on a row is the user's click on it.

import { composing } from './composing.js';

function rowAt(list, target) {
  const row = target.closest('[role="option"]');
  return row && list.contains(row) ? Number(row.dataset.row) : -1;
}

// A longer list shows only the rows in view and a few around them, in a
// holder whose padding stands in for the rest: a header of thousands of
// fields costs the page what a screenful costs.
const ALL_ROWS = 500;
const AROUND = 20;

// Rows whose text is unchanged stay as they are: a list refilled with the
// same titles costs the page nothing. Rows `first` .. `first + count - 1`.
function fillRows(list, items, first = 0, count = items.length) {
  const rows = list.children;
  while (rows.length > count) rows[rows.length - 1].remove();
  const added = [];
  for (let k = 0; k < count; k++) {
    let row = rows[k];
    if (!row) {
      row = document.createElement('div');
      row.setAttribute('role', 'option');
      row.className = 'row';
      row.setAttribute('aria-selected', 'false');
      added.push(row);
    }
    const i = String(first + k);
    if (row.dataset.row !== i) row.dataset.row = i;
    if (row.textContent !== items[first + k]) row.textContent = items[first + k];
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
    this.items = [];
    this.count = 0;
    this.first = 0;
    this.holder = this.el;
    this.caret = -1;
    this.chosen = new Set();
    // A click below the last row is a click on no row (-1).
    this.el.addEventListener('click', (event) => {
      if (event.button !== 0) return;
      const row = rowAt(this.el, event.target);
      if (row >= 0) this.moveCaret(row);
      onClick(row);
    });
    this.el.addEventListener('scroll', () => { if (this.count > ALL_ROWS) this.render(); });
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
    const first = this.holder.firstElementChild;
    return (first && first.getBoundingClientRect().height) || 16;
  }

  // The row element of row `i`, when it is shown.
  rowEl(i) {
    return i >= this.first ? this.holder.children[i - this.first] : undefined;
  }

  setItems(items) {
    this.items = items;
    this.count = items.length;
    if (this.caret >= this.count) this.caret = -1;
    this.render();
  }

  render() {
    const virtual = this.count > ALL_ROWS;
    if (virtual !== (this.holder !== this.el)) {
      this.holder = virtual ? document.createElement('div') : this.el;
      this.el.replaceChildren(...(virtual ? [this.holder] : []));
    }
    let first = 0;
    let shown = this.count;
    const h = this.rowHeight();
    if (virtual) {
      const view = Math.ceil(this.el.clientHeight / h) || AROUND;
      first = Math.max(0, Math.min(this.count - view, Math.floor(this.el.scrollTop / h)) - AROUND);
      shown = Math.min(this.count - first, view + 2 * AROUND);
    }
    this.first = first;
    fillRows(this.holder, this.items, first, shown);
    // The first rows of a new holder tell the height of a row.
    if (virtual && this.rowHeight() !== h) return this.render();
    if (virtual) {
      this.holder.style.paddingTop = `${first * h}px`;
      this.holder.style.paddingBottom = `${(this.count - first - shown) * h}px`;
    }
    this.paint();
  }

  // The selection and the caret on the rows shown; only what changed is touched.
  paint() {
    for (const row of this.holder.children) {
      const i = Number(row.dataset.row);
      const on = this.chosen.has(i);
      if (row.classList.contains('selected') !== on) {
        row.classList.toggle('selected', on);
        row.setAttribute('aria-selected', String(on));
      }
      if (row.classList.contains('caret') !== (i === this.caret)) row.classList.toggle('caret', i === this.caret);
      if (i === this.caret) {
        row.id = `${this.el.id}-row`;
        this.el.setAttribute('aria-activedescendant', row.id);
      } else if (row.id) {
        row.removeAttribute('id');
      }
    }
  }

  setSelection(selected, selectedRows) {
    this.chosen = new Set(selectedRows || (selected >= 0 ? [selected] : []));
    this.paint();
    if (selected >= 0 && selected < this.count) this.moveCaret(selected);
    else if (this.caret < 0 && this.count > 0) this.moveCaret(0, false);
  }

  moveCaret(row, show = true) {
    this.caret = row;
    if (show && this.count > ALL_ROWS) {
      const h = this.rowHeight();
      const top = row * h;
      if (top < this.el.scrollTop) this.el.scrollTop = top;
      else if (top + h > this.el.scrollTop + this.el.clientHeight) this.el.scrollTop = top + h - this.el.clientHeight;
      this.render();
      return;
    }
    this.paint();
    const now = this.rowEl(row);
    // In the frame's own layout, not in one forced now.
    if (show && now) requestAnimationFrame(() => now.isConnected && now.scrollIntoView({ block: 'nearest' }));
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
