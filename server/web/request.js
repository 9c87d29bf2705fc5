// The request page. Its key is the address's "#" part; every call sends it in
// a header. New reactions, offers and chat lines come by a short poll: the
// server answers "unchanged" to the mark of what the page already shows.
import { languageSwitch, onLanguageChange, t, translate, when } from './i18n.js';
import { api, ApiError, handleSubmit, refusalText } from './dom.js';
import { makeCard } from './card.js';

const FAST_POLL_MS = 3000;   // while the page is in view
const SLOW_POLL_MS = 30000;  // while it is hidden behind other tabs

const key = location.hash.slice(1);
const $ = (id) => document.getElementById(id);
const cards = new Map();
let view = null;
let mark = '';
let timer = 0;
let polls = 0;
let ownChange = false;  // the next change is the customer's own: not announced
let changeEdited = false;

translate();
languageSwitch($('language'));

function call(path, body) {
  ownChange = true;
  return api(path, { key, body }).then(async (answer) => {
    await poll();
    return answer;
  }, (error) => {
    ownChange = false;
    throw error;
  });
}

const actions = {
  answer: (supplier, text) => call('/web/api/request/answer', { supplier, text }),
  startChat: (supplier) => call('/web/api/request/chat', { supplier }),
  chatLine: (supplier, text) => call('/web/api/request/chat/line', { supplier, text }),
  refusal: (error) => refusalText(error),
};

function countryName(code) {
  return code ? t('country_' + code) : '';
}

function drawRequest() {
  $('request-number').textContent = t('request_number', { n: view.number });
  $('request-title').textContent = view.title;
  document.title = `${view.title} – ${t('site')}`;
  const meta = [t('posted_at', { time: when(view.posted_at) }), view.place, countryName(view.country)];
  $('request-meta').textContent = meta.filter(Boolean).join(' · ');
  $('request-details').textContent = view.details;
  $('withdrawn').hidden = !view.closed;
  $('live-note').hidden = view.closed;
  $('change').hidden = view.closed;
  if (!changeEdited) {
    $('change-title').value = view.title;
    $('change-details').value = view.details;
  }
  $('request').hidden = false;
}

function drawSuppliers() {
  const list = $('supplier-list');
  for (const s of view.suppliers) {
    if (!cards.has(s.id)) {
      const card = makeCard(s.id, actions);
      cards.set(s.id, card);
      list.append(card.root);
    }
    cards.get(s.id).update(s, view.closed);
  }
  $('none-yet').hidden = view.suppliers.length > 0;
  $('suppliers').hidden = false;
}

function draw() {
  if (!view) return;
  drawRequest();
  drawSuppliers();
}

// Said again even when the words are the same, so a screen reader repeats it.
function announce(text) {
  $('news').textContent = '';
  setTimeout(() => { $('news').textContent = text; }, 100);
}

function fail(text) {
  clearTimeout(timer);
  $('page-error').textContent = text;
  $('page-error').hidden = false;
  $('request').hidden = true;
  $('suppliers').hidden = true;
}

async function poll() {
  clearTimeout(timer);
  const mine = ++polls;
  try {
    const answer = await api('/web/api/request?since=' + encodeURIComponent(mark), { key });
    if (mine !== polls) return;  // a later poll is under way and draws the newer view
    $('offline').hidden = true;
    if (!answer.unchanged) {
      const first = view === null;
      view = answer;
      mark = answer.mark;
      draw();
      if (!first && !ownChange) announce(t('news'));
      ownChange = false;
    }
  } catch (error) {
    if (mine !== polls) return;
    if (error instanceof ApiError && error.status === 403) return fail(t('err_bad_key'));
    $('offline').hidden = false;
  }
  timer = setTimeout(poll, document.hidden ? SLOW_POLL_MS : FAST_POLL_MS);
}

handleSubmit($('change-form'), $('change-status'), async () => {
  await call('/web/api/request/change', { title: $('change-title').value, details: $('change-details').value });
  changeEdited = false;
  $('change-status').textContent = t('saved');
}, { title: 'title', details: 'details' });
for (const id of ['change-title', 'change-details'])
  $(id).addEventListener('input', () => { changeEdited = true; });

$('withdraw').addEventListener('click', () => {
  $('withdraw-confirm').hidden = false;
  $('withdraw-no').focus();
});
$('withdraw-no').addEventListener('click', () => {
  $('withdraw-confirm').hidden = true;
  $('withdraw').focus();
});
$('withdraw-yes').addEventListener('click', async () => {
  $('withdraw-yes').disabled = true;
  try {
    await call('/web/api/request/withdraw', {});
    $('withdraw-confirm').hidden = true;
    $('request-title').focus();
  } catch (error) {
    $('withdraw-status').textContent = refusalText(error);
  } finally {
    $('withdraw-yes').disabled = false;
  }
});

onLanguageChange(draw);
document.addEventListener('visibilitychange', () => {
  if (!document.hidden) poll();
});
// Another private link pasted into this tab: a fragment change loads nothing by itself.
window.addEventListener('hashchange', () => location.reload());

$('request-title').tabIndex = -1;
if (/^[0-9a-f]{32}$/.test(key)) poll();
else fail(t('err_bad_key'));
