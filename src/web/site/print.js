// Printing the statement through the browser: only the statement, in the
// Mincho face, sized to the widest line, with "¥" for the yen sign the
// system writes as byte 5C, laid out as the window program prints it.
import { lineCells, layOutPages } from './print_cells.js';

const area = document.getElementById('print-statement');
const POINTS_PER_MM = 72 / 25.4;
// A4 less 15 mm margins, 180 mm by 267 mm.
const PORTRAIT_POINTS = 180 * POINTS_PER_MM;
const LANDSCAPE_POINTS = 267 * POINTS_PER_MM;
const BODY_POINTS = 10.5;      // the usual size of Japanese business papers
const SMALLEST_POINTS = 6;

let pageRule = -1;

function pageSheet() {
  // Its address may carry the file's hash after a "?".
  return [...document.styleSheets].find((s) => s.href && new URL(s.href).pathname.endsWith('/page.css'));
}

// The statement's page; printing anything else the browser sets its own.
function setPage(landscape) {
  const sheet = pageSheet();
  if (!sheet) return;
  if (pageRule >= 0) sheet.deleteRule(pageRule);
  pageRule = sheet.insertRule(`@page { size: A4 ${landscape ? 'landscape' : 'portrait'}; margin: 15mm; }`,
    sheet.cssRules.length);
}

export function clearPage() {
  const sheet = pageSheet();
  if (sheet && pageRule >= 0) sheet.deleteRule(pageRule);
  pageRule = -1;
}

// Fills the print area from the statement screen when it is shown.
export function preparePrint(screens) {
  const top = screens.top();
  const statement = top && top.name === 'FORM5' ? top.controls.get('EDIT6') : null;
  document.body.classList.toggle('printing-statement', Boolean(statement));
  if (!statement) {
    clearPage();
    return false;
  }
  // Measured as the system's bytes: the yen sign is one byte, one cell.
  const raw = statement.el.value;
  const widest = Math.max(1, ...raw.split('\n').map(lineCells));
  const text = raw.replace(/\\/g, '¥');
  const portrait = (widest * BODY_POINTS) / 2 <= PORTRAIT_POINTS;
  const room = portrait ? PORTRAIT_POINTS : LANDSCAPE_POINTS;
  const points = Math.max(SMALLEST_POINTS, Math.min(BODY_POINTS, (room * 2) / widest));
  setPage(!portrait);
  // The page is as high as the other orientation is wide.
  layOutPages(area, text, points, portrait ? LANDSCAPE_POINTS : PORTRAIT_POINTS);
  return true;
}

export function printStatement(screens) {
  if (preparePrint(screens)) window.print();
}
