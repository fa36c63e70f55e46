// The page: starts the program in the edition and on the date the address
// names (?edition=shop&today=2016/04/29), shows its screens and dialogs,
// and hands the user's clicks, typing and keys to it.
import { Screens } from './screens.js';
import { Dialogs } from './dialogs.js';
import { Keyboard } from './keyboard.js';
import { printStatement, preparePrint, clearPage } from './print.js';
import { Timings } from './timings.js';
import { RecoveryStorage } from './recovery.js';

const notice = document.getElementById('notice');

function showNotice(text, restart) {
  notice.textContent = text;
  if (restart) {
    const again = document.createElement('button');
    again.type = 'button';
    again.textContent = 'もう一度始める';
    again.addEventListener('click', () => location.reload());
    notice.append(document.createElement('br'), again);
    again.focus();
  }
  notice.hidden = false;
}

// The program in its module. One call at a time: while a handler waits for
// a dialog the module must not be entered again, so an action that comes
// meanwhile is dropped, as the window program drops it.
class Program {
  constructor(module) {
    this.module = module;
    this.busy = false;
  }

  // The function's result; undefined when the call was dropped.
  async call(name, returnType, types, args) {
    if (this.busy) return undefined;
    this.busy = true;
    try {
      return await this.module.ccall(name, returnType, types, args, { async: true });
    } finally {
      this.busy = false;
    }
  }

  act(name, args, types) { return this.call(name, null, types, args); }

  click(control) { return this.act('scanfee_click', [control], ['string']); }
  select(control, row) { return this.act('scanfee_select', [control, row], ['string', 'number']); }
  scroll(control, pos) { return this.act('scanfee_scroll', [control, pos], ['string', 'number']); }
  close(form) { return this.act('scanfee_close', [form], ['string']); }
  undo(control) { return this.act('scanfee_undo', [control], ['string']); }

  // Typed text can be long (a paste): it goes through the heap, not the stack.
  async type(control, text) {
    if (this.busy) return false;
    const size = this.module.lengthBytesUTF8(text) + 1;
    const bytes = this.module._malloc(size);
    this.module.stringToUTF8(text, bytes, size);
    try {
      return await this.act('scanfee_type', [control, bytes], ['string', 'number']);
    } finally {
      this.module._free(bytes);
    }
  }

  tabStops(form) {
    if (this.busy) return [];
    return JSON.parse(this.module.ccall('scanfee_tab_stops', 'string', ['string'], [form]));
  }

  undoList(form, focused) {
    if (this.busy) return '';
    return this.module.ccall('scanfee_undo_list', 'string', ['string', 'string'], [form, focused || '']);
  }

  radioStep(radio, forward) {
    if (this.busy) return '';
    return this.module.ccall('scanfee_radio_step', 'string', ['string', 'number'], [radio, forward ? 1 : 0]);
  }
}

// True once the browser has the download in hand.
function download(name, bytes) {
  let url = null;
  try {
    url = URL.createObjectURL(new Blob([bytes], { type: 'application/octet-stream' }));
    const link = document.createElement('a');
    link.href = url;
    link.download = name;
    link.hidden = true;
    document.body.append(link);
    link.click();
    link.remove();
  } catch (error) {
    console.error(error);
    if (url) URL.revokeObjectURL(url);
    return false;
  }
  // The browser has taken the bytes once the click is handled; a minute
  // leaves room for a slow download manager.
  setTimeout(() => URL.revokeObjectURL(url), 60000);
  return true;
}

async function start() {
  const params = new URLSearchParams(location.search);
  const edition = params.get('edition') || 'customer';
  const today = params.get('today') || '';
  const timings = new Timings();
  const screens = new Screens(document.getElementById('screens'), timings);
  const dialogs = new Dialogs(document.getElementById('dialog'));
  let program = null;
  screens.onAction = (kind, ...args) => program && program[kind](...args);

  if (typeof createScanfeePage !== 'function') {
    showNotice('プログラムを読み込めませんでした。ページを読み込み直してください。');
    return;
  }
  const stop = (text) => {
    screens.end();
    showNotice(text, true);
  };
  const module = await createScanfeePage({
    // The program cannot go on (its memory exhausted, a fault of its own).
    onAbort: () => stop('エラーのため終了しました。'),
    page: {
      // A fault in drawing the page must not stop the program's event.
      update: (message) => {
        try {
          screens.update(message);
        } catch (error) {
          console.error(error);
        }
      },
      ended: (byFailure) => stop(byFailure ? 'エラーのため終了しました。' : 'スキャン料金計算を終了しました。'),
      messageBox: (caption, text, buttons, icon) => dialogs.messageBox(caption, text, buttons, icon),
      textDialog: (request) => dialogs.textDialog(request),
      openDialog: (request) => dialogs.openDialog(request),
      notice: (control, text) => screens.notice(control, text),
      recovery: new RecoveryStorage(),
      download,
    },
  });
  program = new Program(module);
  screens.onPrint = () => printStatement(screens);
  new Keyboard(screens, program, screens.onPrint);
  window.addEventListener('beforeprint', () => preparePrint(screens));
  // After the statement's print the page is portrait again, as the
  // browser's own print of any other screen expects.
  window.addEventListener('afterprint', clearPage);

  notice.hidden = true;
  const result = await program.call('scanfee_start', 'number', ['string', 'string'], [edition, today]);
  if (result === 1) showNotice(`アドレスの edition=${edition} が正しくありません。shop か customer を指定してください。`);
  if (result === 2) showNotice(`アドレスの today=${today} が正しくありません。YYYY/MM/DD の形で指定してください。`);
}

start().catch((error) => {
  showNotice(`このブラウザーでは動かせませんでした（${error && error.message ? error.message : error}）。`);
});
