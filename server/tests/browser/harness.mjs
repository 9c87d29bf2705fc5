// What the browser tests stand on: a real plixsrv with demo data on a free
// loopback port, Debian's chromium driven by puppeteer-core, and the desktop
// program's side of the wire (its queries, and its cutting of the replies).
import { spawn } from 'node:child_process';
import { mkdtempSync, rmSync, mkdirSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join, resolve } from 'node:path';
import { createInterface } from 'node:readline';
import puppeteer from 'puppeteer-core';

const here = new URL('.', import.meta.url).pathname;
export const plixsrvProgram = process.env.PLIXSRV || resolve(here, '../../../build-noqt/server/plixsrv');
export const chromiumProgram = process.env.CHROMIUM || '/usr/bin/chromium';
export const shotsFolder = process.env.PLIX_SHOTS || '';
// A deadline for each wait, not a measured time: a wait ends as soon as its
// condition holds.
export const patience = { timeout: 30000 };

// plixsrv --demo on a free port with a fresh database; resolves once it
// printed "listening=" (after its other key=value lines).
export async function startServer() {
  const folder = mkdtempSync(join(tmpdir(), 'plix-browser-'));
  const child = spawn(plixsrvProgram, ['--demo', '--port', '0', '--db', join(folder, 'p.db'), '--quiet'],
    { stdio: ['ignore', 'pipe', 'inherit'] });
  const values = {};
  const lines = createInterface({ input: child.stdout });
  await new Promise((done, fail) => {
    child.on('error', fail);
    child.on('exit', (code) => fail(new Error(`plixsrv ended with ${code} before listening`)));
    lines.on('line', (line) => {
      const eq = line.indexOf('=');
      if (eq > 0) values[line.slice(0, eq)] = line.slice(eq + 1);
      if (line.startsWith('listening=')) done();
    });
  });
  child.removeAllListeners('exit');
  // Never leave a server behind, even when a test run is cut short.
  process.on('exit', () => child.kill('SIGTERM'));
  return {
    base: values.listening,
    values,
    stop() {
      child.kill('SIGTERM');
      rmSync(folder, { recursive: true, force: true });
    },
  };
}

export async function launchBrowser() {
  const profile = mkdtempSync(join(tmpdir(), 'plix-chromium-'));
  const browser = await puppeteer.launch({
    executablePath: chromiumProgram,
    headless: true,
    userDataDir: profile,
    args: ['--headless', '--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
      '--disable-background-networking', '--disable-component-update', '--disable-sync'],
  });
  return {
    browser,
    async close() {
      await browser.close();
      rmSync(profile, { recursive: true, force: true });
    },
  };
}

// A page that records what must never happen: script errors, dialogs
// (alert() from injected markup) and content-security violations.
export async function watchedPage(browser, { width = 1280, height = 900, languages } = {}) {
  const page = await browser.newPage();
  await page.setViewport({ width, height });
  const trouble = [];
  page.on('pageerror', (e) => trouble.push('script error: ' + e.message));
  page.on('dialog', async (d) => {
    trouble.push('dialog: ' + d.message());
    await d.dismiss();
  });
  await page.evaluateOnNewDocument((langs) => {
    if (langs) Object.defineProperty(navigator, 'languages', { get: () => langs });
    document.addEventListener('securitypolicyviolation', (e) => {
      console.error('csp violation: ' + e.violatedDirective);
    });
  }, languages || null);
  page.on('console', (m) => {
    if (m.text().startsWith('csp violation')) trouble.push(m.text());
  });
  return { page, trouble };
}

export async function shoot(page, name) {
  if (!shotsFolder) return;
  mkdirSync(shotsFolder, { recursive: true });
  await page.screenshot({ path: join(shotsFolder, name + '.png'), fullPage: true });
}

// The desktop's encoding of a query value: Windows-1252 bytes, everything but
// RFC 3986's unreserved characters as %XX.
export function percent1252(text) {
  let out = '';
  for (const ch of text) {
    const code = ch.codePointAt(0);
    const byte = code < 256 ? code : 63;  // the tests send Latin-1 only
    const c = String.fromCharCode(byte);
    out += /[A-Za-z0-9\-._~]/.test(c) ? c : '%' + byte.toString(16).toUpperCase().padStart(2, '0');
  }
  return out;
}

// One desktop request to a script, as the program sends it; the reply as
// text (Windows-1252 read as Latin-1, which the tests' texts stay within).
export async function desk(base, script, code, params = []) {
  let query = `?CD=${code}`;
  for (const [name, value] of params) query += `&${name}=${percent1252(String(value))}`;
  const response = await fetch(`${base}/plix_${script}.php${query}`);
  const body = Buffer.from(await response.arrayBuffer()).toString('latin1');
  return { status: response.status, body };
}

// Bracketed fields from the first "[" on, by the desktop's cutting rule.
export function fields(reply) {
  const out = [];
  const re = /\[([^\]]*)\]/g;
  let m;
  while ((m = re.exec(reply)) !== null) out.push(m[1]);
  return out;
}

// The request list (chkl 02) as records of six fields.
export function requestList(reply) {
  const f = fields(reply.slice(reply.indexOf('CNTRLCODE=02')));
  const records = [];
  for (let i = 0; i + 5 < f.length; i += 6)
    records.push({ number: f[i], time: f[i + 1], title: f[i + 2], details: f[i + 3], requester: f[i + 4], status: f[i + 5] });
  return records;
}
