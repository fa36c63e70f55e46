// Prints the statement and the fee breakdown of a shop order from the page
// in headless Firefox (WebDriver BiDi through puppeteer-core), as a user
// prints them: the order entered with the mouse and keys, Ctrl+P on the
// statement screen, then the same on the breakdown.
// Usage: node firefox_print.mjs SITE_URL OUT_FOLDER TITLE...
// Writes OUT_FOLDER/statement.pdf and breakdown.pdf, and prints the two
// texts the screen showed as JSON.
import path from 'node:path';
import puppeteer from 'puppeteer-core';

const [url, out, ...titles] = process.argv.slice(2);
const browser = await puppeteer.launch({
  browser: 'firefox',
  executablePath: process.env.SCANFEE_FIREFOX || '/usr/bin/firefox-esr',
  headless: true,
});
try {
  const page = await browser.newPage();
  await page.setViewport({ width: 1100, height: 900 });
  await page.goto(`${url}?edition=shop&today=2016/04/29`);
  const shown = (id) => page.waitForFunction(
    (name) => { const e = document.getElementById(name); return e && !e.closest('[hidden]'); }, {}, id);
  // A button of the open dialog; the dialog closes, or the next one opens.
  const answer = async (button) => {
    await page.waitForSelector(`#dialog[open] #dialog-${button}`, { visible: true });
    const text = await page.$eval('#dialog-text', (e) => e.textContent);
    await page.click(`#dialog-${button}`);
    await page.waitForFunction((before) => !document.getElementById('dialog').open
      || document.getElementById('dialog-text').textContent !== before, {}, text);
  };
  await shown('MAINFORM');
  for (const title of titles) {
    await page.click('#BUTTON5');
    await shown('FORM2');
    const rows = await page.$$('#LIST1 [role=option]');
    await rows[rows.length - 1].click();
    await shown('FORM3');
    await page.click('#EDIT1');
    await page.keyboard.type(title);
    await page.click('#BUTTON14');
    await page.click('#BUTTON11');
    await shown('MAINFORM');
  }
  await page.click('#BUTTON2');
  await answer('cancel');
  await answer('ok');
  await shown('FORM5');
  const texts = {};
  for (const paper of ['statement', 'breakdown']) {
    texts[paper] = await page.$eval('#EDIT6', (e) => e.value);
    // The page's own print, with the browser's dialog left out.
    await page.evaluate(() => { window.print = () => {}; });
    await page.keyboard.down('Control');
    await page.keyboard.press('p');
    await page.keyboard.up('Control');
    const landscape = await page.evaluate(() => [...document.styleSheets].some(
      (s) => [...(s.href ? s.cssRules : [])].some((r) => /size: A4 landscape/.test(r.cssText))));
    await page.pdf({
      path: path.join(out, `${paper}.pdf`), format: 'A4', landscape, preferCSSPageSize: true,
      margin: { top: '15mm', right: '15mm', bottom: '15mm', left: '15mm' },
    });
    if (paper === 'statement') {
      await page.click('#BUTTON21');
      await page.waitForFunction((before) => document.getElementById('EDIT6').value !== before, {},
        texts.statement);
    }
  }
  process.stdout.write(JSON.stringify(texts));
} finally {
  await browser.close();
}
