// Firefox ESR driven over WebDriver BiDi by puppeteer-core, for the browser
// tests' sessions written against Selenium's calls. One request a line on
// standard input ({"op": ..., ...}), one answer a line on standard output
// ({"value": ...} or {"error": "..."}).
// Usage: node firefox_bridge.mjs DOWNLOAD_FOLDER
import puppeteer from 'puppeteer-core';
import readline from 'node:readline';

const downloads = process.argv[2];
const browser = await puppeteer.launch({
  browser: 'firefox',
  executablePath: process.env.SCANFEE_FIREFOX || '/usr/bin/firefox-esr',
  headless: true,
  defaultViewport: { width: 1100, height: 900 },
  extraPrefsFirefox: {
    'browser.download.dir': downloads,
    'browser.download.folderList': 2,
    'browser.download.useDownloadDir': true,
    'browser.download.always_ask_before_handling_new_types': false,
    'browser.download.start_downloads_in_tmp_dir': false,
    'browser.download.alwaysOpenPanel': false,
    'browser.download.panel.shown': true,
  },
});
// The first tab of a headless Firefox never has the focus, and without it
// Enter and Space on a focused button do not press it: a tab of our own.
const first = await browser.pages();
const page = await browser.newPage();
for (const tab of first) await tab.close();

// An element as the tests name it: the `index`th match of `css` in the
// document, then each selector of `inside` within the one before.
const find = (locator) => page.evaluateHandle(({ css, index, inside }) => {
  let e = document.querySelectorAll(css)[index] || null;
  for (const s of inside) e = e && e.querySelector(s);
  if (!e) throw new Error(`no element ${css}[${index}] ${inside.join(' ')}`);
  return e;
}, locator);

// Keys as Selenium sends them: WebDriver's key codes, which BiDi shares; a
// modifier stays down until the end of the keys.
const MODIFIERS = new Set(['\uE008', '\uE009', '\uE00A', '\uE03D']);
async function keys(text) {
  const held = [];
  let run = '';
  const flush = async () => { if (run) await page.keyboard.type(run); run = ''; };
  for (const c of text) {
    if (MODIFIERS.has(c)) {
      await flush();
      await page.keyboard.down(c);
      held.push(c);
    } else if (c === '\uE000') {
      await flush();
      while (held.length) await page.keyboard.up(held.pop());
    } else {
      run += c;
    }
  }
  await flush();
  while (held.length) await page.keyboard.up(held.pop());
}

const ops = {
  get: ({ url }) => page.goto(url, { waitUntil: 'load' }).then(() => null),
  refresh: () => page.reload({ waitUntil: 'load' }).then(() => null),
  // A script as Selenium's execute_script takes it: a function body that
  // reads its arguments from `arguments`.
  script: ({ body, args }) => page.evaluate(new Function(body), ...args),
  count: ({ css }) => page.evaluate((s) => document.querySelectorAll(s).length, css),
  click: async ({ locator }) => (await find(locator)).click().then(() => null),
  keys: ({ text }) => keys(text).then(() => null),
  sendKeys: async ({ locator, text }) => {
    const e = await find(locator);
    if (await e.evaluate((n) => n.type === 'file')) return e.uploadFile(text).then(() => null);
    // As WebDriver's Element Send Keys: the focus, the caret at the end.
    await e.evaluate((n) => {
      if (document.activeElement !== n) {
        n.focus();
        if (typeof n.setSelectionRange === 'function') n.setSelectionRange(n.value.length, n.value.length);
      }
    });
    await keys(text);
    return null;
  },
  text: async ({ locator }) => (await find(locator)).evaluate((n) => n.innerText.trim()),
  attribute: async ({ locator, name }) => (await find(locator)).evaluate((n, a) => {
    const p = n[a];
    if (p !== undefined && p !== null && typeof p !== 'object' && typeof p !== 'function') return String(p);
    return n.getAttribute(a);
  }, name),
  tag: async ({ locator }) => (await find(locator)).evaluate((n) => n.tagName.toLowerCase()),
  viewport: ({ width, height }) => page.setViewport({ width, height }).then(() => null),
  // The page printed to a PDF file as the user's print would: A4, the
  // page's own orientation (Firefox's print takes it from the call, not
  // from the style sheet's @page), 15 mm margins.
  pdf: async ({ path }) => {
    const landscape = await page.evaluate(() => [...document.styleSheets].some(
      (s) => [...(s.href ? s.cssRules : [])].some((r) => /size: A4 landscape/.test(r.cssText))));
    await page.pdf({
      path, format: 'A4', landscape, preferCSSPageSize: true,
      margin: { top: '15mm', right: '15mm', bottom: '15mm', left: '15mm' },
    });
    return null;
  },
  quit: async () => { await browser.close(); process.exit(0); },
};

const lines = readline.createInterface({ input: process.stdin });
for await (const line of lines) {
  const request = JSON.parse(line);
  let answer;
  try {
    answer = { value: (await ops[request.op](request)) ?? null };
  } catch (error) {
    answer = { error: String(error && error.message ? error.message : error) };
  }
  process.stdout.write(`${JSON.stringify(answer)}\n`);
}
await browser.close();
