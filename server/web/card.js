// One supplier on the request page: the conversation, the offers with the
// supplier's contact data, a box to answer, and the chat. The forms are made
// once and kept, so a poll never takes away what the customer is typing;
// only the read-only parts are drawn again when they change.
import { t, when } from './i18n.js';
import { el, handleSubmit } from './dom.js';

function time(unixSeconds) {
  return el('time', { datetime: new Date(unixSeconds * 1000).toISOString(), text: when(unixSeconds) });
}

function rows(pairs) {
  const list = el('dl', { class: 'fields' });
  for (const [label, value] of pairs) {
    if (value === '' || value === undefined || value === null) continue;
    list.append(el('dt', { text: label }), el('dd', { text: value }));
  }
  return list;
}

function vatText(vat) {
  if (vat === 'Incl') return t('vat_incl');
  if (vat === 'Excl') return t('vat_excl');
  return vat;
}

function deliveryText(days) {
  const n = Number.parseInt(days, 10);
  if (n === -1) return t('delivery_direct');
  return Number.isNaN(n) ? days : t('delivery_days', { n });
}

function offerSection(offer, headingId) {
  return el('section', { class: 'offer', 'aria-labelledby': headingId },
    el('h4', { id: headingId, text: t('offer_heading', { time: when(offer.at) }) }),
    rows([
      [t('offer_description'), offer.description],
      [t('offer_amount'), offer.amount],
      [t('offer_vat'), vatText(offer.vat)],
      [t('offer_payment'), offer.payment],
      [t('offer_delivery'), deliveryText(offer.delivery_days)],
      [t('offer_shipping'), offer.shipping],
    ]));
}

function contactSection(c, headingId) {
  return el('section', { class: 'contact', 'aria-labelledby': headingId },
    el('h4', { id: headingId, text: t('supplier_contact') }),
    rows([
      [t('c_address'), c.address],
      [t('c_place'), [c.postcode, c.place].filter(Boolean).join(' ')],
      [t('c_country'), c.country],
      [t('c_phone'), c.phone],
      [t('c_fax'), c.fax],
      [t('c_email'), c.email],
      [t('c_web'), c.web],
    ]));
}

function message(entry, name) {
  const mine = entry.from === 'customer';
  return el('li', { class: mine ? 'mine' : 'theirs' },
    el('p', { class: 'who' }, el('strong', { text: mine ? t('you') : name }), ' ', time(entry.at)),
    el('p', { class: 'text', text: entry.text }));
}

// A box with a label, a text field and a send button; `send(text)` returns a
// promise, and the field is emptied only once it succeeded.
function sendForm(id, multiline, limit, send) {
  const label = el('label', { for: id });
  const field = el(multiline ? 'textarea' : 'input', { id, maxlength: limit, rows: multiline ? 3 : undefined });
  const button = el('button', { type: 'submit' });
  const status = el('p', { class: 'status', role: 'alert' });
  const form = el('form', { class: 'send', novalidate: true },
    el('p', { class: 'field' }, label, field), el('p', { class: 'actions' }, button), status);
  handleSubmit(form, status, async () => {
    if (field.value.trim() === '') return;
    await send(field.value);
    field.value = '';
  });
  return { form, label, field, button };
}

export function makeCard(id, actions) {
  const ids = (part) => `s${id}-${part}`;
  const name = el('span', { class: 'name' });
  const badge = el('span', { class: 'badge', hidden: true });
  const conversation = el('ol', { class: 'conversation' });
  const offers = el('div', { class: 'offers' });
  const answer = sendForm(ids('answer'), true, 4000, (text) => actions.answer(id, text));
  const chatLines = el('ol', { class: 'chat-lines' });
  const chatEmpty = el('p', { class: 'hint' });
  const blocked = el('p', { class: 'notice', hidden: true });
  const startChat = el('button', { type: 'button', class: 'quiet' });
  const chatLine = sendForm(ids('chat'), false, 1000, (text) => actions.chatLine(id, text));
  const chatStatus = el('p', { class: 'status', role: 'alert' });
  startChat.addEventListener('click', async () => {
    startChat.disabled = true;
    try {
      await actions.startChat(id);
      startChat.hidden = true;
      chatLine.form.hidden = false;
      chatLine.field.focus();
    } catch (error) {
      chatStatus.textContent = actions.refusal(error);
    } finally {
      startChat.disabled = false;
    }
  });
  const chatHeading = el('h4', { id: ids('chat-h') });
  const chat = el('section', { class: 'chat', 'aria-labelledby': ids('chat-h') },
    chatHeading, chatLines, chatEmpty, blocked, startChat, chatLine.form, chatStatus);
  const root = el('article', { class: 'card', 'aria-labelledby': ids('h') },
    el('h3', { id: ids('h') }, name, ' ', badge), conversation, offers, answer.form, chat);

  let drawn = '';  // what the read-only parts were last drawn from
  function update(s, closed) {
    const label = s.name;
    name.textContent = label;
    badge.textContent = t('in_chat');
    badge.hidden = !s.in_chat;
    conversation.setAttribute('aria-label', t('conversation', { name: label }));
    answer.label.textContent = t('answer_label', { name: label });
    answer.button.textContent = t('send_answer');
    answer.form.hidden = closed || !s.conversation.some((e) => e.from === 'supplier');
    chatHeading.textContent = t('chat_heading');
    startChat.textContent = t('chat_start', { name: label });
    chatLine.label.textContent = t('chat_line', { name: label });
    chatLine.button.textContent = t('chat_send');
    chatEmpty.textContent = t('chat_empty');
    blocked.textContent = t('chat_blocked', { name: label });
    startChat.hidden = s.chat !== null;
    chatLine.form.hidden = s.chat === null || s.chat.blocked;
    blocked.hidden = !(s.chat && s.chat.blocked);

    const now = JSON.stringify([s.conversation, s.offers, s.contact, s.chat, label, document.documentElement.lang]);
    if (now === drawn) return;
    drawn = now;
    conversation.replaceChildren(...s.conversation.map((e) => message(e, label)));
    offers.replaceChildren(...s.offers.map((o, i) => offerSection(o, ids(`offer${i}`))));
    if (s.contact && s.offers.length) offers.append(contactSection(s.contact, ids('contact')));
    const lines = s.chat ? s.chat.lines : [];
    const atEnd = chatLines.scrollTop + chatLines.clientHeight >= chatLines.scrollHeight - 4;
    chatLines.replaceChildren(...lines.map((l) => message(l, label)));
    chatLines.hidden = lines.length === 0;
    chatEmpty.hidden = !s.chat || lines.length > 0;
    if (atEnd) chatLines.scrollTop = chatLines.scrollHeight;
  }
  return { root, update };
}
