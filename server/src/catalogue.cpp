#include "catalogue.h"

#include <cctype>

namespace plixsrv {

namespace {
struct Entry {
  const char* code;
  const char* names[4];  // English, Dutch, German, French (Windows-1252 bytes)
};

// Category rows end with "00"; the rows after one, up to the next, are its subcategories.
const Entry kCatalogue[] = {
    {"A00", {"Building and construction", "Bouw", "Bau", "B\xe2timent"}},
    {"A01", {"Carpentry and floors", "Timmerwerk en vloeren", "Tischlerei und B\xf6" "den",
             "Menuiserie et parquets"}},
    {"A02", {"Roofing", "Dakwerk", "Dachdeckerei", "Couverture"}},
    {"A03", {"Painting", "Schilderwerk", "Malerarbeiten", "Peinture"}},
    {"A04", {"Plumbing and heating", "Loodgieterswerk en verwarming", "Sanit\xe4r und Heizung",
             "Plomberie et chauffage"}},
    {"B00", {"Office and IT", "Kantoor en ICT", "B\xfcro und IT", "Bureau et informatique"}},
    {"B01", {"Computers and printers", "Computers en printers", "Computer und Drucker",
             "Ordinateurs et imprimantes"}},
    {"B02", {"Office furniture", "Kantoormeubilair", "B\xfcrom\xf6" "bel", "Mobilier de bureau"}},
    {"B03", {"Web sites and software", "Websites en software", "Webseiten und Software",
             "Sites web et logiciels"}},
    {"C00", {"Transport and logistics", "Transport en logistiek", "Transport und Logistik",
             "Transport et logistique"}},
    {"C01", {"Removals", "Verhuizingen", "Umz\xfcge", "D\xe9m\xe9nagements"}},
    {"C02", {"Courier services", "Koeriersdiensten", "Kurierdienste", "Coursiers"}},
    {"D00", {"Events and catering", "Evenementen en catering", "Veranstaltungen und Catering",
             "\xc9v\xe9nements et traiteur"}},
    {"D01", {"Catering", "Catering", "Catering", "Traiteur"}},
    {"D02", {"Tents and furniture hire", "Tent- en meubelverhuur", "Zelt- und M\xf6" "belverleih",
             "Location de tentes et mobilier"}},
    {"E00", {"Garden and outdoor", "Tuin en buiten", "Garten und Au\xdf" "enbereich",
             "Jardin et ext\xe9rieur"}},
    {"E01", {"Garden design", "Tuinontwerp", "Gartengestaltung", "Am\xe9nagement paysager"}},
    {"E02", {"Fencing and paving", "Hekwerk en bestrating", "Z\xe4une und Pflaster",
             "Cl\xf4tures et pavage"}},
    {"F00", {"Vehicles", "Voertuigen", "Fahrzeuge", "V\xe9hicules"}},
    {"F01", {"Vans and lorries", "Bestelwagens en vrachtwagens", "Transporter und Lkw",
             "Fourgons et camions"}},
    {"F02", {"Car repair", "Autoreparatie", "Autoreparatur", "R\xe9paration automobile"}},
};

int slot(int language) { return (language >= 1 && language <= 4) ? language - 1 : 0; }

bool is_category(const char* code) { return code[1] == '0' && code[2] == '0'; }
}  // namespace

std::vector<BranchLine> catalogue_categories(int language) {
  std::vector<BranchLine> out;
  for (const auto& e : kCatalogue)
    if (is_category(e.code)) out.push_back({e.code, e.names[slot(language)]});
  return out;
}

std::vector<BranchLine> catalogue_subcategories(char category, int language) {
  std::vector<BranchLine> out;
  char want = static_cast<char>(std::toupper(static_cast<unsigned char>(category)));
  for (const auto& e : kCatalogue)
    if (e.code[0] == want && !is_category(e.code)) out.push_back({e.code, e.names[slot(language)]});
  return out;
}

std::string catalogue_category_name(char category, int language) {
  char want = static_cast<char>(std::toupper(static_cast<unsigned char>(category)));
  for (const auto& e : kCatalogue)
    if (e.code[0] == want && is_category(e.code)) return e.names[slot(language)];
  return {};
}

}  // namespace plixsrv
