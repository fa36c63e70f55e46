// The printed statement laid out as the window program prints a paper:
// every character at the left edge of its cells, one cell a byte of its
// Shift-JIS form, half the font size wide, whatever width the face gives
// the glyph (IPAMincho draws "¥" two cells wide); lines 1.2 font sizes
// apart, as many to a page as leave two lines for the page number at the
// foot, "1 / 3", centred. The text stays the element's text, line ends and
// all; the page numbers are generated content.

// Half-width cells, as the statement counts its columns: one per byte;
// "¥" stands for the byte 5C.
export function charCells(c) {
  const code = c.codePointAt(0);
  return code < 0x80 || code === 0xa5 || (code >= 0xff61 && code <= 0xff9f) ? 1 : 2;
}

export function lineCells(line) {
  let n = 0;
  for (const c of line) n += charCells(c);
  return n;
}

const LEADING = 1.2;
const BLANK = /^[ \u3000]$/;

function cell(text, column, points) {
  const span = document.createElement('span');
  span.style.left = `${(column * points) / 2}pt`;
  span.textContent = text;
  return span;
}

function lineElement(line, points) {
  const el = document.createElement('div');
  el.className = 'print-line';
  let column = 0;
  let blanks = null;
  for (const c of line) {
    if (BLANK.test(c)) {
      if (blanks) blanks.textContent += c;
      else el.append((blanks = cell(c, column, points)));
    } else {
      blanks = null;
      el.append(cell(c, column, points));
    }
    column += charCells(c);
  }
  return el;
}

// Fills `area` with the pages of `text` at `points`, on pages whose
// printable area is `pageHeight` points high.
export function layOutPages(area, text, points, pageHeight) {
  const lines = text.split('\n');
  const ends = lines.length;
  // A last line end ends the last line; it starts none.
  if (lines.length > 1 && lines.at(-1) === '') lines.pop();
  const lineHeight = points * LEADING;
  const perPage = Math.max(1, Math.floor((pageHeight - 2 * lineHeight) / lineHeight));
  const pages = Math.max(1, Math.ceil(lines.length / perPage));
  area.replaceChildren();
  area.style.fontSize = `${points}pt`;
  area.style.setProperty('--line', `${lineHeight}pt`);
  area.style.setProperty('--page', `${pageHeight}pt`);
  for (let p = 0; p < pages; p += 1) {
    const page = document.createElement('div');
    page.className = 'print-page';
    page.dataset.number = `${p + 1} / ${pages}`;
    const first = p * perPage;
    const last = Math.min(lines.length, first + perPage);
    for (let i = first; i < last; i += 1) {
      const line = lineElement(lines[i], points);
      line.style.top = `${(i - first) * lineHeight}pt`;
      // The line end belongs to the text, not to the picture.
      if (i + 1 < ends) line.append('\n');
      page.append(line);
    }
    area.append(page);
  }
}
