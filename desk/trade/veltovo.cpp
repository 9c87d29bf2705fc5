#include "desk/trade/veltovo.h"

#include "desk/trade/sending.h"
#include "text/cp1252.h"

namespace plix {
namespace {

constexpr auto npos = std::string::npos;
constexpr int kGreen = 0x308030;  // red 48, green 128, blue 48
constexpr int kRed = 0x0000FF;
constexpr int kBlue = 0xFF0000;
constexpr int kBlack = 0x000000;
constexpr int kTextSize = 7, kContactSize = 9;
constexpr std::size_t kShortText = 20;
constexpr std::size_t kLabelStep = 10, kContactStep = 30;

// Replaces every from (four characters) by to, going on after each match.
void replaceEvery(std::string& text, std::string_view from, std::string_view to) {
    for (std::size_t at = text.find(from); at != npos; at = text.find(from, at + from.size()))
        text.replace(at, from.size(), to);
}

const char* printTitle(const DeskState& s) {
    return s.LanguageTable[108] == "OK" && s.LanguageTable[39].size() > 1
               ? s.LanguageTable[39].c_str() + 1
               : "Offertes";
}

void tell(Desk& d, const std::string& text) {
    if (d.os.messages)
        d.os.messages->show(text, messageTitle(d.st), MsgIcon::Information, MsgButtons::Ok);
}

}  // namespace

void tidyOverview(std::string& text) {
    replaceEvery(text, "\r\n, ", "\r\n  ");
    replaceEvery(text, "Exc ", "Excl");
    replaceEvery(text, "Inc ", "Incl");
}

void showOverview(RichTextBox& box, const std::string& text,
                  const std::array<std::string, 301>& t) {
    box.Text = text;
    box.Spans.clear();
    box.Font = "MS Sans Serif";
    box.FontSize = kTextSize;
    box.TextColor = kGreen;
    if (box.Text.size() < kShortText) {
        box.Text = t[97] + t[87];
        box.Spans.push_back(
            {.Start = 0, .Length = static_cast<int>(box.Text.size()), .Color = kRed, .Bold = true});
    }
    const std::string label = upper1252(t[150]);
    if (!label.empty())
        for (std::size_t at = box.Text.find(label); at != npos;
             at = box.Text.find(label, at + kLabelStep))
            box.Spans.push_back({.Start = static_cast<int>(at),
                                 .Length = static_cast<int>(label.size()),
                                 .Color = kBlue,
                                 .Bold = true});
    const std::string& contact = t[58];
    if (!contact.empty())
        for (std::size_t at = box.Text.find(contact); at != npos;
             at = box.Text.find(contact, at + kContactStep)) {
            // A block without a closing line runs to the end of the text.
            std::size_t end = box.Text.find("--------", at);
            if (end == npos) end = box.Text.size();
            box.Spans.push_back({.Start = static_cast<int>(at),
                                 .Length = static_cast<int>(end - at),
                                 .Color = kBlack,
                                 .Size = kContactSize});
        }
    box.SelStart = 0;
}

void veltovo_Load(Desk& d) {
    DeskState& s = d.st;
    VeltovoForm& w = d.veltovo;
    const auto& t = s.LanguageTable;
    if (t[108] == "OK") {
        w.cexit.Caption = t[12];
        w.cprint.Caption = t[38];
        w.form.Caption = printTitle(s);
    }
    tidyOverview(s.OverviewText);
    showOverview(w.loff, s.OverviewText, t);
    w.form.Loaded = true;
    w.form.Visible = true;
}

void veltovo_cprint_Click(Desk& d) {
    DeskState& s = d.st;
    s.IdleTicks = 0;
    const PrintResult r =
        d.os.printer ? d.os.printer->print(s.OverviewText, printTitle(s)) : PrintResult::NoPrinter;
    if (r == PrintResult::NoPrinter)
        tell(d,
             "No printer is set up on this computer, so nothing was printed.\n"
             "Use \"Save as PDF\" to keep the overview as a file.");
    else if (r == PrintResult::Failed)
        tell(d, "The overview could not be printed. Check the printer, or use \"Save as PDF\".");
}

void veltovo_cpdf_Click(Desk& d) {
    DeskState& s = d.st;
    s.IdleTicks = 0;
    if (!d.os.printer) return;
    std::string path;
    const PrintResult r = d.os.printer->savePdf(s.OverviewText, printTitle(s), path);
    if (r == PrintResult::Failed) tell(d, "The PDF file " + path + " could not be written.");
}

void veltovo_cexit_Click(Desk& d) { veltovo_Unload(d); }

void veltovo_Unload(Desk& d) {
    VeltovoForm& w = d.veltovo;
    w.form.Visible = false;
    w.form.Loaded = false;
}

}  // namespace plix
