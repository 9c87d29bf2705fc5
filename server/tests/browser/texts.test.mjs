// The customer pages' texts: every language has every key, and every key the
// pages name exists, so no page ever shows a bare key.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { readFileSync, readdirSync } from 'node:fs';

const web = new URL('../../web/', import.meta.url);
const languages = ['en', 'nl', 'de', 'fr'];

test('every language has the same keys and every named key exists', async () => {
  const texts = {};
  for (const code of languages) texts[code] = (await import(new URL(`texts-${code}.js`, web))).default;
  const english = Object.keys(texts.en).sort();
  for (const code of languages.slice(1)) assert.deepEqual(Object.keys(texts[code]).sort(), english, code);
  for (const code of languages)
    for (const [key, text] of Object.entries(texts[code]))
      assert.ok(text.trim() !== '', `${code}.${key} is empty`);

  const named = new Set(['country_1', 'country_2', 'country_3', 'country_4', 'country_99',
    'err_bad_key', 'err_bad_email', 'err_rate_limited', 'err_withdrawn']);
  for (const file of readdirSync(web)) {
    const source = readFileSync(new URL(file, web), 'utf8');
    for (const m of source.matchAll(/data-t="(\w+)"|\bt\('(\w+)'[,)]/g)) named.add(m[1] || m[2]);
  }
  for (const key of named) assert.ok(key in texts.en, `the pages name "${key}", which no language has`);
});
