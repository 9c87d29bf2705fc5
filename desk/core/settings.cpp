#include "desk/core/settings.h"

#include <algorithm>
#include <span>

#include "desk/core/files.h"
#include "desk/core/item_list.h"
#include "desk/core/number.h"

namespace plix {
namespace {

std::string_view area(const std::string& record, std::size_t from, std::size_t to) {
    return std::string_view(record).substr(from, to - from);
}

long long clampValue(std::string_view text, long long low, long long high) {
    return std::clamp(valInt(text), low, high);
}

// Writes a record file, readable by its owner only; a failure is told to the
// user with the file's path and the system's reason, since what was set now
// lasts only for this run.
bool storeRecord(Desk& d, const char* name, const std::string& record) {
    std::string why;
    if (writePrivateFileAtomic(d.file(name), record, &why)) return true;
    if (d.os.messages)
        d.os.messages->show(
            d.file(name).string() + " cannot be written: " + why +
                ".\nThe settings hold until the program ends and are saved again at the next save.",
            "  PLIX", MsgIcon::Critical, MsgButtons::Ok);
    return false;
}

}  // namespace

void decodeCountryBlock(DeskState& s) {
    long long v = valInt(s.SystemList[17]);
    long long p = 1000000000;
    for (int i = 9; i >= 0; --i) {
        s.CountryBlock[i] = -1;
        if (v >= p) {
            s.CountryBlock[i] = i + 1;
            v -= p;
        }
        p /= 10;
    }
}

std::string stripsp(std::string_view text) {
    const auto end = text.find_last_not_of(std::string_view(" \0", 2));
    return end == std::string_view::npos ? std::string() : std::string(text.substr(0, end + 1));
}

bool writeSupplierNumberField(std::string& record, long long number) {
    record.replace(kNumberOffset, kNumberWidth, kNumberWidth, ' ');
    const std::string digits = numText(number);
    if (number < 0 || digits.size() > kNumberWidth) return false;
    record.replace(kNumberOffset, digits.size(), digits);
    return true;
}

bool writeSupplierItems(std::string& record, const std::array<std::string, 41>& items) {
    std::array<std::string, kSupplierItemsStored> stored;
    std::copy_n(items.begin(), kSupplierItemsStored, stored.begin());
    for (std::size_t slot : kSlotsNeverStored) stored[slot].clear();
    constexpr std::size_t room = kSupplierItemsEnd - kSupplierItemsOffset;
    // The items with their brackets when no text is longer than cap.
    const auto totalWithin = [&stored](std::size_t cap) {
        std::size_t t = 2 * stored.size();
        for (const auto& item : stored) t += std::min(item.size(), cap);
        return t;
    };
    const bool fits = totalWithin(std::string::npos) <= room;
    // The longest texts are cut to one common length, the greatest that
    // fits, so that several long texts each keep a share.
    if (!fits) {
        std::size_t low = 0, high = room;
        while (low < high) {
            const std::size_t mid = (low + high + 1) / 2;
            if (totalWithin(mid) <= room)
                low = mid;
            else
                high = mid - 1;
        }
        for (auto& item : stored)
            if (item.size() > low) item.resize(low);
    }
    record.replace(kSupplierItemsOffset, room, room, ' ');
    writeInto(record, kSupplierItemsOffset, kSupplierItemsEnd, buildItemList(stored));
    return fits;
}

void loaddat(Desk& d) {
    DeskState& s = d.st;
    s.SettingsRecord = readRecordFile(d.file(kSettingsFile), kRecordSize);
    d.velto.testf.Visible = s.TestMode == 1;
    s.FilterRecord = readRecordFile(d.file(kFilterFile), kRecordSize);

    parseItemList(area(s.SettingsRecord, kSupplierItemsOffset, kSupplierItemsEnd),
                  std::span(s.SupplierList.data(), kSupplierItemsStored));

    int language = static_cast<unsigned char>(s.SettingsRecord[kLanguageOffset]);
    if (language > 8) language = 1;
    if (language == 0) {
        language = 1;
        s.SettingsRecord[kLanguageOffset] = '\x01';
    }
    for (int i = 1; i <= 4; ++i) d.velto.lng[i].Checked = i == language;
    s.SelectedLanguage = language;
    s.CurrentLanguage = language;

    s.SupplierNumber = valInt(area(s.SettingsRecord, kNumberOffset, kNumberOffset + kNumberWidth));
    s.SupplierList[30] = numText(s.SupplierNumber);

    s.ServerHost = stripsp(area(s.SettingsRecord, kHostOffset, kHostOffset + kHostWidth));
    if (s.SettingsRecord.compare(0, 3, "www") != 0) s.ServerHost = d.defaultHost;

    if (val(s.SupplierList[20]) < 5) s.SupplierList[20] = "5";

    parseItemList(area(s.SettingsRecord, kSystemItemsOffset, kRecordSize),
                  std::span(s.SystemList.data(), kSystemItemsStored));

    s.PollCountdown = valInt(s.SystemList[0]);
    s.UseProxy = 0;
    if (s.SystemList[19] == "proxy") {
        d.velto.optlan[0].Value = false;
        d.velto.optlan[1].Value = true;
        s.UseProxy = 1;
    }
    d.velto.tprx.Text = s.SystemList[20];

    s.MaxShown = static_cast<int>(clampValue(s.SystemList[1], 5, 256));
    decodeCountryBlock(s);
}

void checkSupplierNumber(Desk& d) {
    DeskState& s = d.st;
    s.IdMismatch = 0;
    if (s.SystemList[18].empty()) return;
    const long long expected = valInt(s.SystemList[18]) - kSupplierNumberCheck;
    if (s.SupplierNumber == expected) return;
    d.os.messages->show(s.LanguageTable[177], "  PLIX", MsgIcon::Critical, MsgButtons::Ok);
    s.SupplierNumber = 0;
    s.IdMismatch = 1;
}

void savedat(Desk& d) {
    DeskState& s = d.st;
    // A record whose last write failed is written again even when nothing
    // changed since: what it holds is still only in memory.
    if (s.SettingsDirty == 1 || s.SettingsWriteFailed == 1) {
        s.SystemList[18] = numText(s.SupplierNumber + kSupplierNumberCheck);
        writeInto(s.SettingsRecord, kSystemItemsOffset, kRecordSize,
                  buildItemList(std::span(s.SystemList.data(), kSystemItemsStored)));
        writeSupplierItems(s.SettingsRecord, s.SupplierList);
        s.SettingsWriteFailed = storeRecord(d, kSettingsFile, s.SettingsRecord) ? 0 : 1;
    }
    if (s.FilterState > 0) storeRecord(d, kFilterFile, s.FilterRecord);
}

void makesys(Desk& d) {
    DeskState& s = d.st;
    VeltoForm& f = d.velto;
    s.SystemList[0] = numText(clampValue(f.tsys[0].Text, 5, 65000));
    s.MaxShown = static_cast<int>(clampValue(f.tsys[1].Text, 1, 256));
    s.SupplierList[20] = numText(s.MaxShown);
    s.SystemList[1] = f.tsys[1].Text;
    s.SupplierList[21] = f.tsys[2].Text;
    s.SystemList[3] = f.tsys[3].Text;
    s.SupplierList[23] = f.chkema.Value == 1 ? "ja" : "nee";
    s.SupplierList[27] = f.chksnd.Value == 1 ? "ja" : "nee";
    long long gsm = valInt(f.tgsm.Text);
    if (gsm < 0 || gsm > 1000) gsm = 5;
    f.tgsm.Text = numText(gsm);
    s.SupplierList[22] = f.tgsm.Text;
    for (int i = 0; i < 3; ++i) s.SupplierList[24 + i] = f.chkact[i].Value == 1 ? "ja" : "nee";
    s.SettingsDirty = 1;
    savedat(d);
}

}  // namespace plix
