// The posting page: sends the form as JSON and shows the request's private
// link once, since the server keeps only a digest of its key.
import { languageSwitch, t, translate } from './i18n.js';
import { api, ApiError, handleSubmit } from './dom.js';

const form = document.getElementById('post-form');
const status = document.getElementById('post-status');
const fields = ['title', 'details', 'place', 'country', 'name', 'email', 'phone'];
const labels = Object.fromEntries(fields.map((f) => [f, f]));

translate();
languageSwitch(document.getElementById('language'));

function input(id) {
  return document.getElementById(id);
}

// Marks the field the refusal names and puts the cursor there.
function point(field) {
  for (const f of fields) input(f).removeAttribute('aria-invalid');
  if (!field || !input(field)) return;
  input(field).setAttribute('aria-invalid', 'true');
  input(field).focus();
}

async function post() {
  const body = Object.fromEntries(fields.map((f) => [f, input(f).value]));
  try {
    // The server checks everything again; this only saves a round trip.
    const empty = fields.find((f) => input(f).required && body[f].trim() === '');
    if (empty) throw new ApiError(400, { error: 'missing', field: empty });
    body.country = Number(body.country);
    const answer = await api('/web/api/requests', { body });
    point(null);
    const link = `${location.origin}/request#${answer.key}`;
    input('private-link').value = link;
    input('open-page').href = link;
    form.reset();
    form.hidden = true;
    const shown = input('posted');
    shown.hidden = false;
    shown.querySelector('h2').focus();
  } catch (error) {
    if (error instanceof ApiError) point(error.body.field);
    throw error;
  }
}

handleSubmit(form, status, post, labels);

input('copy-link').addEventListener('click', async () => {
  const note = input('copy-status');
  input('private-link').select();
  try {
    await navigator.clipboard.writeText(input('private-link').value);
    note.textContent = t('copied');
  } catch {
    note.textContent = '';  // the link stays selected for copying by hand
  }
});
