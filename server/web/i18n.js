// The pages' texts in the four languages of the desktop program. The language
// is the browser's first of these, or the one picked with the switch.
import en from './texts-en.js';
import nl from './texts-nl.js';
import de from './texts-de.js';
import fr from './texts-fr.js';

const texts = { en, nl, de, fr };

export const languages = { en: 'English', nl: 'Nederlands', de: 'Deutsch', fr: 'Français' };
const stored = 'plix.language';
const listeners = [];

function fromBrowser() {
  for (const tag of navigator.languages || [navigator.language || 'en']) {
    const code = String(tag).slice(0, 2).toLowerCase();
    if (texts[code]) return code;
  }
  return 'en';
}

function readStored() {
  try {
    return localStorage.getItem(stored);
  } catch {
    return null;  // storage switched off: the browser's language it is
  }
}

let current = texts[readStored()] ? readStored() : fromBrowser();

export function lang() {
  return current;
}

// The text of key in the current language, with {name} parts filled in.
export function t(key, values = {}) {
  const text = texts[current][key] ?? texts.en[key] ?? key;
  return text.replace(/\{(\w+)\}/g, (whole, name) => (name in values ? String(values[name]) : whole));
}

// Writes the texts into every element marked with a data-t key under root.
export function translate(root = document) {
  document.documentElement.lang = current;
  for (const node of root.querySelectorAll('[data-t]')) node.textContent = t(node.dataset.t);
  document.title = t(document.body.dataset.titleKey || 'site') + ' – ' + t('site');
}

export function onLanguageChange(listener) {
  listeners.push(listener);
}

// Fills the language switch and follows it.
export function languageSwitch(select) {
  select.replaceChildren();
  for (const [code, name] of Object.entries(languages)) {
    const option = document.createElement('option');
    option.value = code;
    option.textContent = name;
    option.lang = code;
    select.append(option);
  }
  select.value = current;
  select.addEventListener('change', () => {
    current = texts[select.value] ? select.value : 'en';
    try {
      localStorage.setItem(stored, current);
    } catch {
      // not kept; the switch still works for this page
    }
    translate();
    for (const listener of listeners) listener();
  });
}

// A time as the chosen language writes it (English the British way: the
// marketplace is European).
export function when(unixSeconds) {
  return new Intl.DateTimeFormat(current === 'en' ? 'en-GB' : current, { dateStyle: 'medium', timeStyle: 'short' }).format(
    new Date(unixSeconds * 1000));
}
