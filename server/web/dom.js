// Small helpers shared by the pages. Text from customers and suppliers only
// ever reaches the page as textContent: nothing here parses markup.
import { t } from './i18n.js';

// el('p', { class: 'note', text: 'Hello' }, child, ...): a new element.
// Attributes are set one by one; "on..." handlers are not taken.
export function el(tag, props = {}, ...children) {
  const node = document.createElement(tag);
  for (const [name, value] of Object.entries(props)) {
    if (value === undefined || value === null || value === false) continue;
    if (name === 'text') node.textContent = String(value);
    else if (name.startsWith('on')) throw new Error('handlers are added with addEventListener');
    else node.setAttribute(name, value === true ? '' : String(value));
  }
  for (const child of children) if (child) node.append(child);
  return node;
}

export class ApiError extends Error {
  constructor(status, body) {
    super(body?.message || `HTTP ${status}`);
    this.status = status;
    this.body = body || {};
  }
}

// A call to the pages' JSON. `key` is the request's page key, sent in a header
// (never in the address, so it stays out of logs).
export async function api(path, { key, body, method = body === undefined ? 'GET' : 'POST' } = {}) {
  const headers = { Accept: 'application/json' };
  if (key) headers['X-Plix-Key'] = key;
  if (body !== undefined) headers['Content-Type'] = 'application/json';
  const response = await fetch(path, {
    method,
    headers,
    body: body === undefined ? undefined : JSON.stringify(body),
    cache: 'no-store',
    credentials: 'omit',
  });
  let json = null;
  try {
    json = await response.json();
  } catch {
    json = null;
  }
  if (!response.ok) throw new ApiError(response.status, json);
  return json;
}

// A refusal worded in the page's language. `labels` maps the server's field
// names to text keys of the form.
export function refusalText(error, labels = {}) {
  if (!(error instanceof ApiError)) return t('offline');
  const { error: code, field, limit, message } = error.body;
  const fieldText = labels[field] ? t(labels[field]) : field;
  switch (code) {
    case 'missing':
      return t('err_missing', { field: fieldText });
    case 'too_long':
      return t('err_too_long', { field: fieldText, limit });
    case 'bad_email':
    case 'rate_limited':
    case 'withdrawn':
    case 'bad_key':
      return t('err_' + code);
    default:
      return t('err_refused', { message: message || error.status });
  }
}

// Runs `action` for a submitted form: the button is off meanwhile, the
// outcome goes to `status`; the fields keep their text when it fails.
export function handleSubmit(form, status, action, labels) {
  form.addEventListener('submit', async (event) => {
    event.preventDefault();
    const button = form.querySelector('button[type=submit]');
    if (button) button.disabled = true;
    status.textContent = '';
    status.classList.remove('error');
    try {
      await action();
    } catch (error) {
      status.textContent = refusalText(error, labels);
      status.classList.add('error');
    } finally {
      if (button) button.disabled = false;
    }
  });
}
