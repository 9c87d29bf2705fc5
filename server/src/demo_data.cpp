#include "demo_data.h"

#include "market.h"
#include "secrets.h"
#include "web_store.h"

namespace plixsrv {

namespace {
struct DemoRequest {
  const char* title;
  const char* details;
  const char* place;
  int country;  // 1 UK, 2 NL, 3 DE, 4 FR, 99 elsewhere ("*QV"), 0 not given
  const char* branch;
  const char* customer;
  int age_minutes;
};

// Windows-1252 bytes; accented letters are written as escapes.
const DemoRequest kRequests[] = {
    {"Need 40 m2 oak flooring", "Solid oak, 20 mm, laid on a concrete floor, in May.", "Utrecht", 2, "A01", "J. de Vries", 5},
    {"Dakgoot vervangen", "Zinken dakgoot van 12 meter, rijtjeshuis.", "Amersfoort", 2, "A02", "P. Jansen", 12},
    {"Malerarbeiten 3-Zimmer-Wohnung", "W\xe4nde und Decken, ca. 180 m2, wei\xdf.", "K\xf6ln", 3, "A03", "K. M\xfcller", 20},
    {"Peinture fa\xe7" "ade", "Fa\xe7" "ade de 90 m2, maison de ville.", "Lyon", 4, "A03", "M. Dubois", 33},
    {"20 office chairs", "Ergonomic, black, with armrests; delivery to our office.", "Leeds", 1, "B02", "S. Taylor", 41},
    {"Nieuwe laptops voor kantoor", "8 laptops, 16 GB, met installatie.", "Rotterdam", 2, "B01", "Bakkerij Smit", 55},
    {"Website f\xfcr Handwerksbetrieb", "F\xfcnf Seiten, Kontaktformular, mobil.", "Hamburg", 3, "B03", "Tischlerei Wolf", 70},
    {"D\xe9m\xe9nagement bureau", "Bureau de 12 postes, 2e \xe9tage sans ascenseur.", "Lille", 4, "C01", "Cabinet Martin", 85},
    {"Man with van, Saturday", "Two-room flat to a house 8 km away.", "Bristol", 1, "C01", "A. Khan", 96},
    {"Koerier Amsterdam - Utrecht", "Dagelijks 3 pakketten, vaste tijden.", "Amsterdam", 2, "C02", "Studio Noord", 110},
    {"Catering for 60 guests", "Buffet lunch, vegetarian options, 14 June.", "Manchester", 1, "D01", "Northwind Ltd", 125},
    {"Partytent huren", "Tent 6 x 12 m met tafels en stoelen, 1 weekend.", "Eindhoven", 2, "D02", "Familie Peters", 140},
    {"Gartengestaltung Reihenhaus", "Kleiner Garten, 60 m2, pflegeleicht.", "M\xfcnchen", 3, "E01", "L. Schmidt", 160},
    {"Cl\xf4ture de jardin", "35 m\xe8tres de cl\xf4ture rigide, 1,5 m.", "Nantes", 4, "E02", "J. Bernard", 180},
    {"Need a used delivery van", "Diesel, under 100,000 km, for a flower shop.", "Glasgow", 1, "F01", "Bloom & Co", 200},
    {"APK en onderhoud bestelbus", "Twee bestelbussen, liefst in \xe9\xe9n week.", "Zwolle", 2, "F02", "Installatiebedrijf Bos", 230},
    {"Badkamer renoveren", "Complete badkamer, 6 m2, inclusief tegelwerk.", "Den Haag", 2, "A04", "R. Visser", 260},
    {"Heizung erneuern", "Gas-Brennwertkessel f\xfcr Einfamilienhaus.", "Berlin", 3, "A04", "F. Becker", 290},
    {"R\xe9paration toiture", "Fuite apr\xe8s orage, tuiles \xe0 remplacer.", "Bordeaux", 4, "A02", "S. Petit", 320},
    {"Printer lease for small office", "A3 colour, about 2,000 pages a month.", "", 1, "B01", "Harbour Dental", 350},
    {"Oak staircase", "Open staircase, 14 steps, oiled finish.", "", 0, "A01", "T. Brown", 400},
    {"Transport of machinery to Spain", "One pallet, 900 kg, tail lift needed.", "Valencia", 99, "C00", "Metaalwerk Dijk", 450},
    {"Catering bedrijfsfeest", "Walking dinner voor 120 personen.", "Utrecht", 2, "D01", "Adviesbureau Kern", 500},
    {"Sonnenschutz f\xfcr B\xfcro", "12 Au\xdf" "enjalousien, elektrisch.", "D\xfcsseldorf", 3, "", "Kanzlei Weber", 560},
    {"Traiteur pour mariage", "80 invit\xe9s, menu trois plats.", "Toulouse", 4, "D01", "C. Laurent", 620},
    {"Need 25 m2 roof insulation", "Loft, easy access, before winter.", "Cardiff", 1, "A02", "G. Evans", 700},
    {"Verhuisdozen en verhuislift", "Verhuizing 3e verdieping, 40 dozen.", "Groningen", 2, "C01", "M. de Boer", 780},
    {"Terrace paving 30 m2", "Natural stone, including groundwork.", "", 99, "E02", "Villa Sol", 860},
    {"Software voor urenregistratie", "Voor 15 medewerkers, met app.", "Breda", 2, "B03", "Bouwbedrijf Groen", 940},
    {"Ersatzteile f\xfcr Lieferwagen", "Bremsen und Reifen f\xfcr zwei Transporter.", "Hannover", 3, "F02", "Kurier Nord", 1020},
};
}  // namespace

DemoLogin seed_demo(Market& m) {
  DemoLogin d;
  if (m.supplier_exists(d.id)) return d;

  std::vector<std::string> record(31);
  record[0] = "Demo Bouw & Interieur BV";
  record[1] = "Keizersgracht";
  record[2] = "12";
  record[3] = "";  // no own place: every "*QP" request passes the place check
  record[4] = "1015 AB";
  record[5] = "Nederland";
  record[6] = "020-5550123";
  record[8] = "demo@plix.example";
  record[9] = "Nederlands";
  record[12] = "www.plix.example/demo";
  record[14] = d.password;
  record[15] = d.login;
  record[16] = d.password;
  record[17] = "12345678";
  record[18] = "Amsterdam";
  record[19] = "NL00BANK0123456789|Demo Bank|Amsterdam|Nederland";
  for (int i = 23; i <= 27; ++i) record[i] = "ja";
  m.register_supplier(record, d.id);

  int64_t now = now_seconds();
  std::vector<int64_t> numbers;
  for (const auto& r : kRequests) {
    NewRequest n;
    n.title = r.title;
    n.details = r.details;
    n.place = r.place;
    n.country = r.country;
    n.branch = r.branch;
    n.posted_at = now - r.age_minutes * 60;
    n.contact = {r.customer, "Main street 1", r.place, "1000 AA",
                 "customer@example.org", "+31 20 5550000", "+31 6 55500000"};
    numbers.push_back(m.post_request(n));
  }
  // Conversations: a reaction with an answer, and a follow-up.
  m.react(d.id, numbers[0], "", "We can lay 40 m2 of solid oak in May. Shall we visit first?");
  m.answer(numbers[0], d.id, "Yes please, Tuesday morning suits us.");
  m.react(d.id, numbers[0], "", "Tuesday 10:00 it is.");
  m.react(d.id, numbers[1], "", "Wij kunnen de dakgoot volgende week vervangen.");
  // An offer with the customer's contact data behind it.
  m.make_offer({.request = numbers[1],
                .description = "Zinken dakgoot 12 m, inclusief montage",
                .amount = "1450",
                .vat = "Incl",
                .payment = "account 14 days",
                .delivery = "7",
                .shipping = "pick up",
                .supplier = d.id});
  // Another supplier's reaction and offer, so the counts and the first
  // request's customer page show competition.
  std::vector<std::string> other(31);
  other[0] = "Concurrent Vloeren";
  other[1] = "Industrieweg";
  other[2] = "8";
  other[3] = "Utrecht";
  other[4] = "3542 AD";
  other[5] = "Nederland";
  other[6] = "030-5550199";
  other[8] = "info@concurrent.example";
  other[14] = other[16] = random_token(12);
  other[15] = "concurrent";
  int64_t rival = m.register_supplier(other, 1002);
  m.react(rival, numbers[0], "", "Eiken vloer, scherpe prijs.");
  m.make_offer({.request = numbers[0],
                .description = "40 m2 solid oak, 20 mm, laid and oiled",
                .amount = "3980",
                .vat = "Excl",
                .payment = "account 30 days",
                .delivery = "14",
                .shipping = "sended by courier",
                .supplier = rival});
  // A chat contact with a few lines, and a message waiting for the supplier.
  std::string chat = m.open_chat(d.id, "J. de Vries", numbers[0]);
  m.chat_write(chat, false, "Hello, is the oak floor available in a lighter colour?");
  m.chat_write(chat, true, "Yes, we have white oiled oak as well.");
  m.chat_write(chat, false, "Great, please add it to the offer.");
  m.post_message(d.id, "", "Welcome to the PLIX demo marketplace!");
  d.request_page_key = WebStore(m).give_key(numbers[0]);
  return d;
}

}  // namespace plixsrv
