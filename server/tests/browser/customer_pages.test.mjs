// A customer in Debian's chromium and the demo supplier on the desktop's wire,
// talking through one plixsrv: posting, a reaction arriving without a reload,
// the answer in the supplier's conversation, an offer, chat both ways, hostile
// titles, wrong keys and the language switch.
import { after, before, test } from 'node:test';
import assert from 'node:assert/strict';
import {
  desk, fields, launchBrowser, patience, requestList, shoot, startServer, watchedPage,
} from './harness.mjs';

const SUPPLIER = '1001';
let server;
let chromium;

before(async () => {
  server = await startServer();
  chromium = await launchBrowser();
});
after(async () => {
  await chromium?.close();
  server?.stop();
});

const textOf = (page, selector) => page.$eval(selector, (e) => e.textContent);
const waitText = (page, selector, text) => page.waitForFunction(
  (s, t) => [...document.querySelectorAll(s)].some((e) => e.textContent.includes(t)), patience, selector, text);

// Posts through the page with the keyboard alone: focus the first field,
// then type and Tab from field to field, Enter to send.
async function postByKeyboard(page, r) {
  await page.goto(server.base + '/');
  await page.focus('#title');
  await page.keyboard.type(r.title);
  for (const text of [r.details, r.place]) {
    await page.keyboard.press('Tab');
    await page.keyboard.type(text);
  }
  await page.keyboard.press('Tab');
  await page.keyboard.type(r.country);  // a closed select takes typed letters
  for (const text of [r.name, r.email, r.phone]) {
    await page.keyboard.press('Tab');
    await page.keyboard.type(text);
  }
  if (r.beforeSend) await r.beforeSend();
  await page.keyboard.press('Enter');
  await page.waitForSelector('#posted:not([hidden])', patience);
  return page.$eval('#private-link', (e) => e.value);
}

async function unlabelledFields(page) {
  return page.$$eval('input, select, textarea',
    (all) => all.filter((e) => e.offsetParent !== null && e.labels.length === 0).map((e) => e.id || e.outerHTML));
}

test('a request goes from the page to the supplier and back', async (t) => {
  const { page, trouble } = await watchedPage(chromium.browser, { languages: ['en-GB', 'en'] });
  const title = 'Need 12 m2 of wall tiles';
  const link = await postByKeyboard(page, {
    title,
    details: 'Bathroom wall, white, near the caf\u00e9.\nNo [QEND] or *Q tricks.',
    place: 'Utrecht',
    country: 'Neth',
    name: 'Anna de Boer',
    email: 'anna@example.org',
    phone: '+31 30 5550101',
    beforeSend: async () => {
      assert.deepEqual(await unlabelledFields(page), []);
      await shoot(page, 'post-desktop');
    },
  });
  assert.match(link, /\/request#[0-9a-f]{32}$/);
  await shoot(page, 'posted-desktop');

  // The demo supplier's request list holds it, with the customer's text defused.
  const record = requestList((await desk(server.base, 'chkl', '02', [['ID_LV', SUPPLIER]])).body)
    .find((r) => r.title === title);
  assert.ok(record, 'the request is in chkl 02');
  assert.equal(record.status, 'onb');
  assert.match(record.details, /^Bathroom wall, white, near the caf\u00e9\.<br>No \(Qend\) or \*q tricks\. \*QPUtrecht\*QL12$/);

  await page.goto(link);
  await waitText(page, '#request-title', title);
  await page.evaluate(() => { window.stillTheSamePage = true; });

  await t.test('a reaction sent as the desktop sends it appears without a reload', async () => {
    const reaction = 'We can tile it on Monday; 25 euro per m2.';
    const sent = await desk(server.base, 'chkl', '05',
      [['ID_LV', SUPPLIER], ['RNR', record.number], ['AID', record.requester], ['TXT', reaction]]);
    assert.equal(sent.status, 200);
    await waitText(page, '#s1001-h', 'Demo Bouw');
    await waitText(page, '.conversation li', reaction);
    assert.equal(await page.evaluate(() => window.stillTheSamePage), true);
  });

  await t.test('the answer comes back in the supplier conversation under its heading', async () => {
    const answer = 'Monday suits me, after 9:00.';
    await page.focus('#s1001-answer');
    await page.keyboard.type(answer);
    await page.keyboard.press('Tab');    // to the send button
    await page.keyboard.press('Enter');
    await waitText(page, '.conversation li.mine', answer);
    const conversation = fields((await desk(server.base, 'chkl', '04', [['ID_LV', SUPPLIER], ['RNR', record.number]])).body);
    const heading = conversation.findIndex((f) => /^beantwoord op \d\d-\d\d \d\d:\d\d$/.test(f));
    assert.ok(heading > 0, conversation.join(' | '));
    assert.equal(conversation[heading + 1], answer);
  });

  await t.test('an offer shows with every field and the supplier contact data', async () => {
    const sent = await desk(server.base, 'chkl', '06', [['ID_LV', SUPPLIER], ['RNR', record.number], ['A', '1450'],
      ['B', 'Incl'], ['C', 'Wall tiles 12 m2, laid and grouted'], ['D', '<account 14 days><7><pick up>']]);
    assert.equal(sent.status, 200);
    await waitText(page, '.offer', 'Wall tiles 12 m2');
    const shown = await page.$$eval('#s1001-h ~ .offers dd', (all) => all.map((e) => e.textContent));
    for (const text of ['Wall tiles 12 m2, laid and grouted', '1450', 'included', 'account 14 days',
      'within 7 days', 'pick up', 'Keizersgracht 12', '1015 AB', '020-5550123', 'demo@plix.example'])
      assert.ok(shown.includes(text) || shown.some((s) => s.includes(text)), `${text} in ${shown.join(' | ')}`);
  });

  await t.test('a chat line goes both ways', async () => {
    await page.click('.chat button.quiet');
    await page.waitForSelector('#s1001-chat:not([hidden])', patience);
    await page.waitForFunction(() => document.activeElement?.id === 's1001-chat', patience);
    await page.keyboard.type('Can you bring samples?');
    await page.keyboard.press('Enter');
    await waitText(page, '.chat-lines li.mine', 'Can you bring samples?');

    const contacts = fields((await desk(server.base, 'chkl', '13', [['ID_LV', SUPPLIER]])).body);
    assert.match(contacts[0], /^AnnadeBoer-/);
    const chat = fields((await desk(server.base, 'chkl', '15', [['ID_AV', contacts[0]]])).body);
    assert.deepEqual(chat.slice(3).filter((f, i) => i % 2 === 0), ['klant']);
    assert.match(chat[4], /^\d\d:\d\d {2}Can you bring samples\?$/);

    await desk(server.base, 'chkl', '14', [['ID_AV', contacts[0]], ['TXT', 'Yes, three kinds.']]);
    await waitText(page, '.chat-lines li.theirs', 'Yes, three kinds.');
    assert.equal(await page.evaluate(() => window.stillTheSamePage), true);
    await shoot(page, 'request-desktop');
    await page.setViewport({ width: 390, height: 844, isMobile: true, hasTouch: true });
    const overflow = await page.evaluate(() => document.documentElement.scrollWidth - window.innerWidth);
    assert.ok(overflow <= 0, `the page is ${overflow} px wider than a phone`);
    await shoot(page, 'request-phone');
  });

  await t.test('a change reaches the supplier and a withdrawal takes the request away', async () => {
    await page.click('#change summary');
    await page.$eval('#change-title', (e) => { e.value = ''; });
    await page.type('#change-title', 'Need 14 m2 of wall tiles');
    await page.click('#change-form button[type=submit]');
    await waitText(page, '#request-title', 'Need 14 m2');
    let list = requestList((await desk(server.base, 'chkl', '02', [['ID_LV', SUPPLIER]])).body);
    assert.equal(list.find((r) => r.number === record.number)?.status, 'mut');

    await page.click('#withdraw');
    await page.click('#withdraw-yes');
    await page.waitForSelector('#withdrawn:not([hidden])', patience);
    list = requestList((await desk(server.base, 'chkl', '02', [['ID_LV', SUPPLIER]])).body);
    assert.equal(list.find((r) => r.number === record.number), undefined);
    assert.equal(await page.$eval('#s1001-answer', (e) => e.closest('form').hidden), true);
  });
  assert.deepEqual(trouble, []);
  await page.close();
});

test('hostile text is shown as text and runs nothing', async () => {
  const { page, trouble } = await watchedPage(chromium.browser, { width: 390, height: 844 });
  await page.goto(server.base + '/');
  assert.deepEqual(await unlabelledFields(page), []);
  await shoot(page, 'post-phone');
  const title = '<script>alert(1)</script>';
  const link = await postByKeyboard(page, {
    title, details: '<img src=x onerror="alert(2)"> & <b>bold</b>', place: '<i>Leeds</i>', country: 'Uni',
    name: '"><script>alert(3)</script>', email: 'x@example.org', phone: '',
  });
  await page.goto(link);
  await waitText(page, '#request-title', title);
  assert.equal(await textOf(page, '#request-title'), title);
  assert.equal(await textOf(page, '#request-details'), '<img src=x onerror="alert(2)"> & <b>bold</b>');
  assert.equal(await page.$$eval('main script, main img, main b', (all) => all.length), 0);
  assert.deepEqual(trouble, []);
  await page.close();
});

test('writes without the right key are refused and change nothing', async () => {
  const { page, trouble } = await watchedPage(chromium.browser);
  await page.goto(server.base + '/request#' + '0'.repeat(32));
  await page.waitForSelector('#page-error:not([hidden])', patience);
  assert.match(await textOf(page, '#page-error'), /opens no request/);

  const before = (await desk(server.base, 'chkl', '04', [['ID_LV', SUPPLIER], ['RNR', '1']])).body;
  const statuses = await page.evaluate(async () => {
    const send = (key) => fetch('/web/api/request/answer', {
      method: 'POST',
      headers: { 'Content-Type': 'application/json', ...(key ? { 'X-Plix-Key': key } : {}) },
      body: JSON.stringify({ supplier: 1001, text: 'Not mine to say' }),
    }).then((r) => r.status);
    return [await send('0'.repeat(32)), await send('')];
  });
  assert.deepEqual(statuses, [403, 403]);
  const afterwards = (await desk(server.base, 'chkl', '04', [['ID_LV', SUPPLIER], ['RNR', '1']])).body;
  assert.equal(afterwards, before);
  assert.deepEqual(trouble, []);
  await page.close();
});

test('the browser language is taken and the switch follows the customer', async () => {
  const { page, trouble } = await watchedPage(chromium.browser, { languages: ['fr-BE', 'fr'] });
  await page.goto(server.base + server.values.demo_request_page.slice(server.base.length));
  await waitText(page, '#suppliers-heading', 'Fournisseurs');
  assert.equal(await page.$eval('html', (e) => e.lang), 'fr');
  await page.focus('#language');
  await page.keyboard.type('Deu');
  await waitText(page, '#suppliers-heading', 'Anbieter');
  await waitText(page, '.offer dt', 'Betrag');
  await page.reload();
  await waitText(page, '#suppliers-heading', 'Anbieter');
  await shoot(page, 'demo-request-german');
  await page.select('#language', 'nl');
  await waitText(page, '#suppliers-heading', 'Leveranciers');
  assert.deepEqual(trouble, []);
  await page.close();
});
