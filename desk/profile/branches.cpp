#include "desk/profile/branches.h"

#include "desk/core/number.h"
#include "desk/net/reply.h"
#include "desk/profile/veltolev.h"

namespace plix {
namespace {

// A value of the catalogue reply: the 15 characters from skip characters
// after the marker's start, up to the first "<br>" in them.
std::string_view valueText(std::string_view text, std::size_t markerAt, std::size_t skip) {
    const std::string_view window = fromPosition(text, markerAt + skip).substr(0, 15);
    return window.substr(0, window.find("<br>"));
}

std::string languageIndex(const DeskState& s) { return numText(s.CurrentLanguage); }

const std::string* selectedLine(const ListBox& list) {
    const int i = list.ListIndex;
    return i >= 0 && i < static_cast<int>(list.Items.size()) ? &list.Items[i] : nullptr;
}

void copyCode(Desk& d, const ListBox& list) {
    VeltolevForm& w = d.veltolev;
    const std::string* line = selectedLine(list);
    if (!line || (w.FocusedField != kBranchBox1 && w.FocusedField != kBranchBox2)) return;
    TextBox& box = w.tlev[w.FocusedField];
    box.Text = line->substr(0, 3);
    w.form.Focus = &box;
    d.st.SettingsDirty = 1;
    w.cupdate.Visible = true;
}

}  // namespace

std::optional<CategoryList> cutCategories(std::string_view reply) {
    const std::size_t max = markerPos(reply, "MAX");
    if (max == 0) return std::nullopt;
    const std::string_view maxText = valueText(reply, max, 4);
    std::string_view work = fromPosition(reply, max + 3);
    const std::size_t qcnt = markerPos(work, "QCNT");
    const std::string_view qcntText = qcnt == 0 ? std::string_view() : valueText(work, qcnt, 5);
    CategoryList list;
    list.complete = qcnt != 0 && qcntText == maxText && valInt(maxText) != 0;
    if (qcnt != 0) work = work.substr(0, qcnt - 1);
    const std::size_t first = work.find("<br>");
    work = first == std::string_view::npos ? std::string_view() : work.substr(first + 4);
    while (!work.empty()) {
        const std::size_t end = work.find("<br>");
        const std::string_view line = work.substr(0, end);
        const std::size_t star = line.find('*');
        if (star != std::string_view::npos) list.lines.emplace_back(line.substr(0, star));
        if (end == std::string_view::npos) break;
        work.remove_prefix(end + 4);
        if (work.find("<br>") == std::string_view::npos) break;
    }
    return list;
}

std::optional<std::vector<std::string>> cutSubcategories(std::string_view reply,
                                                         std::size_t nameLength) {
    const std::size_t max = markerPos(reply, "MAX");
    if (max == 0) return std::nullopt;
    std::string_view rest = fromPosition(reply, max + 7);
    std::vector<std::string> lines;
    for (std::size_t end; (end = rest.find("<br>")) != std::string_view::npos;
         rest.remove_prefix(end + 4)) {
        const std::string_view line = rest.substr(0, end);
        if (line.empty() || line.find("QCNT") != std::string_view::npos) continue;
        lines.push_back(std::string(line.substr(0, 4)) +
                        std::string(fromPosition(line, nameLength + 4)));
    }
    return lines;
}

void getbranche(Desk& d) {
    DeskState& s = d.st;
    VeltolevForm& w = d.veltolev;
    veltolev_fetch(d, " GETBRANCHE (LEV) ", 5, {{"LNG", languageIndex(s)}});
    const std::optional<CategoryList> categories = cutCategories(s.ServerReply);
    if (!categories) {
        w.lleva.Caption = s.LanguageTable[106];
        w.lleva.Visible = true;
        w.form.Caption = s.LanguageTable[107];
        return;
    }
    w.cupdate.Enabled = true;
    w.cdelete.Visible = s.SupplierNumber != 0;  // there is a membership to delete
    if (!categories->complete) w.brcod.Caption = s.LanguageTable[112];
    w.List1.Items = categories->lines;
    w.List1.ListIndex = -1;
    if (s.SupplierNumber != 0) w.Timer1.Enabled = true;
}

void veltolev_List1_Click(Desk& d) {
    DeskState& s = d.st;
    VeltolevForm& w = d.veltolev;
    s.IdleTicks = 0;
    w.List2.Visible = true;
    const std::string* line = selectedLine(w.List1);
    if (!line || line->empty()) return;
    const std::string category(1, line->front());
    w.ChosenCategory = std::string(fromPosition(*line, 5));
    veltolev_fetch(d, " GETBRANCHE (LEV) ", 5, {{"SU", category}, {"LNG", languageIndex(s)}});
    w.List2.Items.clear();
    w.List2.ListIndex = -1;
    if (auto lines = cutSubcategories(s.ServerReply, w.ChosenCategory.size()))
        w.List2.Items = std::move(*lines);
    w.brcod.Caption = w.SavedHeader + "  " + w.ChosenCategory;
}

void veltolev_List1_DblClick(Desk& d) { copyCode(d, d.veltolev.List1); }

void veltolev_List2_DblClick(Desk& d) {
    d.st.IdleTicks = 0;
    copyCode(d, d.veltolev.List2);
}

void showCatalogue(Desk& d, bool shown) {
    VeltolevForm& w = d.veltolev;
    w.List1.Visible = w.brcod.Visible = w.List2.Visible = shown;
    w.form.Width = shown ? kWideWidth : kNarrowWidth;
    if (shown) w.form.Left = 200;
    w.fr_start.Width = w.form.Width - 200;
}

}  // namespace plix
