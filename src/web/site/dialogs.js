// The program's dialogs as modal HTML dialogs in the screens' face: message
// boxes, the input box and the save and open dialogs. Each returns a promise
// of the user's answer, for which the program's handler waits.

import { composing } from './composing.js';

// Message box answers, as the program numbers them.
const ANSWER = { ok: 0, cancel: 1, abort: 2, retry: 3, ignore: 4, yes: 5, no: 6 };
const BUTTON_TEXT = { ok: 'OK', cancel: 'キャンセル', abort: '中止(A)', retry: '再試行(R)',
                      ignore: '無視(I)', yes: 'はい(Y)', no: 'いいえ(N)' };
const ACCESS_KEY = { abort: 'a', retry: 'r', ignore: 'i', yes: 'y', no: 'n' };
// By the program's button codes 0 to 5, with the answer of Esc.
const BUTTON_SETS = [
  { buttons: ['ok'], escape: 'ok' },
  { buttons: ['ok', 'cancel'], escape: 'cancel' },
  { buttons: ['abort', 'retry', 'ignore'], escape: 'abort' },
  { buttons: ['yes', 'no', 'cancel'], escape: 'cancel' },
  { buttons: ['yes', 'no'], escape: 'no' },
  { buttons: ['retry', 'cancel'], escape: 'cancel' },
];
const ICONS = ['stop', 'question', 'exclamation', 'information', 'none'];

// "*.TXT" gives ".TXT"; a filter of any other pattern lets every file be chosen.
function acceptOf(patterns) {
  const extensions = patterns.map((p) => (/^\*\.[^*?.]+$/.test(p) ? p.slice(1) : null));
  return extensions.length && extensions.every(Boolean) ? extensions.join(',') : '';
}

function badName(name) {
  if (name === '' ) return 'ファイル名を入力してください。';
  if (name === '.' || name === '..' || /[/\\\u0000-\u001f]/.test(name))
    return `ファイル名「${name}」には使えない文字があります（/ や \\ など）。`;
  return '';
}

export class Dialogs {
  constructor(dialog) {
    this.dialog = dialog;
    this.$ = (id) => dialog.querySelector(`#${id}`);
    this.buttons = dialog.querySelector('.dialog-buttons');
    this.icon = dialog.querySelector('.dialog-icon');
    this.finish = null;
    dialog.addEventListener('cancel', (event) => {
      event.preventDefault();
      if (this.finish) this.finish(this.escapeAnswer);
    });
    // While a dialog is open its keys are its own, wherever the focus is.
    document.addEventListener('keydown', (event) => this.key(event), true);
    const file = this.$('dialog-file');
    file.addEventListener('change', () => this.showChosen());
    // A zoomed-in page shows only part of itself: the dialog stays in the
    // middle of what the user sees.
    const viewport = window.visualViewport;
    if (viewport) for (const type of ['resize', 'scroll']) viewport.addEventListener(type, () => this.place());
  }

  // Centred in the visible area; where that is the whole window, as the
  // browser centres a dialog.
  place() {
    const d = this.dialog;
    const v = window.visualViewport;
    if (!d.open || !v) return;
    const whole = v.scale === 1 && v.offsetLeft === 0 && v.offsetTop === 0;
    Object.assign(d.style, whole ? { margin: '', left: '', top: '' } : {
      margin: '0',
      left: `${v.offsetLeft + Math.max(0, (v.width - d.offsetWidth) / 2)}px`,
      top: `${v.offsetTop + Math.max(0, (v.height - d.offsetHeight) / 2)}px`,
    });
  }

  showChosen() {
    const file = this.$('dialog-file').files[0];
    this.$('dialog-file-name').textContent = file ? file.name : '選ばれていません';
    this.$('dialog-error').textContent = '';
  }

  key(event) {
    if (!this.finish || composing(event)) return;
    if (event.key === 'Tab' && !event.ctrlKey && !event.metaKey && !event.altKey) {
      event.preventDefault();
      this.tab(event.shiftKey);
      return;
    }
    if (!this.dialog.contains(event.target) && event.target !== document.body && event.target !== document.documentElement)
      return;
    if (event.ctrlKey || event.metaKey || event.altKey) return;
    if (event.key === 'Escape') {
      event.preventDefault();
      if (!event.repeat) this.finish(this.escapeAnswer);
      return;
    }
    if (event.key === 'Enter' && event.target.tagName !== 'BUTTON') {
      event.preventDefault();
      if (!event.repeat) this.buttons.firstElementChild.click();
      return;
    }
    const letter = event.key.toLowerCase();
    for (const button of this.buttons.children) {
      if (button.dataset.key === letter && event.target.tagName !== 'INPUT') {
        event.preventDefault();
        button.click();
      }
    }
  }

  // Tab and Shift+Tab go round the dialog's own controls.
  tab(back) {
    const stops = [...this.dialog.querySelectorAll('input, select, button, textarea')]
      .filter((el) => !el.disabled && el.tabIndex >= 0 && el.getClientRects().length > 0);
    if (stops.length === 0) return;
    const at = stops.indexOf(document.activeElement);
    const next = at < 0 ? (back ? stops.length - 1 : 0) : (at + (back ? -1 : 1) + stops.length) % stops.length;
    stops[next].focus();
  }

  // Shows the dialog; `answers` maps each button to what clicking it gives
  // (a value, or a function of nothing that returns one, or undefined to
  // keep the dialog open).
  open(kind, caption, fields, answers, escapeAnswer) {
    const d = this.dialog;
    d.dataset.kind = kind;
    // A message box is an alert its text describes; the input box's text
    // names its box.
    d.setAttribute('role', kind === 'msgbox' ? 'alertdialog' : 'dialog');
    if (kind === 'msgbox') d.setAttribute('aria-describedby', 'dialog-text');
    else d.removeAttribute('aria-describedby');
    if (kind === 'input') this.$('dialog-input').setAttribute('aria-labelledby', fields.text ? 'dialog-text' : 'dialog-caption');
    else this.$('dialog-input').removeAttribute('aria-labelledby');
    const opener = document.activeElement;
    this.$('dialog-caption').textContent = caption;
    this.$('dialog-text').textContent = fields.text || '';
    this.$('dialog-error').textContent = fields.error || '';
    this.$('dialog-input-row').hidden = !('input' in fields);
    this.$('dialog-file-row').hidden = !('accept' in fields);
    this.$('dialog-filter-row').hidden = !('filter' in fields);
    this.$('dialog-input-label').hidden = kind !== 'save';
    this.icon.dataset.icon = fields.icon || 'none';
    const input = this.$('dialog-input');
    if ('input' in fields) {
      input.value = fields.input;
      if (fields.limit) input.maxLength = fields.limit;
      else input.removeAttribute('maxlength');
    }
    if ('accept' in fields) {
      this.$('dialog-file').value = '';
      this.showChosen();
    }
    if ('filter' in fields) this.showFilters(fields.filter, fields.selected, 'accept' in fields);
    this.escapeAnswer = escapeAnswer;
    this.buttons.replaceChildren(...answers.map(({ id, text, key }) => {
      const button = document.createElement('button');
      button.type = 'button';
      button.id = `dialog-${id}`;
      button.textContent = text;
      if (key) button.dataset.key = key;
      return button;
    }));
    return new Promise((resolve) => {
      this.finish = (value) => {
        this.finish = null;
        d.close();
        delete d.dataset.kind;
        // The focus goes back to the control the dialog came from.
        if (opener && opener !== document.body && opener.isConnected && !opener.closest('[inert], [hidden]'))
          opener.focus({ preventScroll: true });
        resolve(value);
      };
      answers.forEach(({ answer }, i) => {
        this.buttons.children[i].addEventListener('click', async () => {
          const value = typeof answer === 'function' ? await answer() : answer;
          if (value !== undefined && this.finish) this.finish(value);
        });
      });
      d.showModal();
      this.place();
      if ('input' in fields) {
        input.focus();
        // The name without its extension is chosen, ready to be typed over.
        const dot = kind === 'save' ? input.value.lastIndexOf('.') : -1;
        input.setSelectionRange(0, dot > 0 ? dot : input.value.length);
      } else if ('accept' in fields) {
        this.$('dialog-file').focus();
      } else {
        this.buttons.firstElementChild.focus();
      }
    });
  }

  refuse(text) {
    this.$('dialog-error').textContent = text;
    return undefined;
  }

  messageBox(caption, text, buttons, icon) {
    const set = BUTTON_SETS[buttons] || BUTTON_SETS[0];
    const answers = set.buttons.map((id) => ({ id, text: BUTTON_TEXT[id], key: ACCESS_KEY[id], answer: ANSWER[id] }));
    return this.open('msgbox', caption, { text, icon: ICONS[icon] || 'none' }, answers, ANSWER[set.escape]);
  }

  // The filter's choices; in an open dialog the chosen one sets the files
  // the browser's chooser offers.
  showFilters(filters, selected, choosing) {
    const select = this.$('dialog-filter');
    select.replaceChildren(...filters.map(({ caption }) => new Option(caption)));
    select.selectedIndex = Math.min(selected || 0, filters.length - 1);
    select.disabled = filters.length < 2;
    const file = this.$('dialog-file');
    const apply = () => { if (choosing) file.accept = acceptOf(filters[select.selectedIndex].patterns); };
    select.onchange = apply;
    apply();
  }

  // The input box and the save dialog: a text, or null when cancelled.
  textDialog(request) {
    const input = () => this.$('dialog-input').value;
    if (request.kind === 'input') {
      return this.open('input', request.title, { text: request.text, input: request.value, limit: request.limit, error: request.error },
        [{ id: 'ok', text: 'OK', answer: input }, { id: 'cancel', text: 'ｷｬﾝｾﾙ', answer: null }], null);
    }
    const save = () => {
      const problem = badName(input());
      return problem ? this.refuse(problem) : input();
    };
    return this.open('save', request.title, {
      text: 'ファイル名を確かめて「保存」を押してください。ファイルはブラウザーのダウンロードとして保存されます。',
      input: request.name, filter: [request.filters[request.selected]], selected: 0, error: request.error,
    }, [{ id: 'ok', text: '保存', answer: save }, { id: 'cancel', text: 'キャンセル', answer: null }], null);
  }

  // The open dialog: the chosen file's name and bytes, or null.
  openDialog(request) {
    const chosen = async () => {
      const file = this.$('dialog-file').files[0];
      if (!file) return this.refuse('ファイルを選んでください。');
      if (file.size > request.limit)
        return this.refuse(`「${file.name}」は大きすぎるため開けません（${Math.floor(request.limit / 1048576)} MB まで）。`);
      try {
        return { name: file.name, bytes: new Uint8Array(await file.arrayBuffer()) };
      } catch (error) {
        return this.refuse(`「${file.name}」を読み込めませんでした（${error.message}）。`);
      }
    };
    return this.open('open', request.title, {
      text: '読み込むファイルを選んで「開く」を押してください。',
      accept: true, filter: request.filters, selected: request.selected,
    }, [{ id: 'ok', text: '開く', answer: chosen }, { id: 'cancel', text: 'キャンセル', answer: null }], null);
  }
}
