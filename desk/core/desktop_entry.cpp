#include "desk/core/desktop_entry.h"

namespace plix {
namespace {

constexpr std::string_view kReserved = " \t\n\"'\\><~|&;$*?#()`";
constexpr std::string_view kEscapedInQuotes = "\"`$\\";

std::string escapeValue(std::string_view value) {
    std::string out;
    for (std::size_t i = 0; i < value.size(); ++i) {
        const char c = value[i];
        if (c == '\\')
            out += "\\\\";
        else if (c == '\n')
            out += "\\n";
        else if (c == '\t')
            out += "\\t";
        else if (c == '\r')
            out += "\\r";
        else if (c == ' ' && i == 0)
            out += "\\s";
        else
            out += c;
    }
    return out;
}

std::string unescapeValue(std::string_view value) {
    std::string out;
    for (std::size_t i = 0; i < value.size(); ++i) {
        if (value[i] != '\\' || i + 1 == value.size()) {
            out += value[i];
            continue;
        }
        switch (value[++i]) {
            case 's':
                out += ' ';
                break;
            case 'n':
                out += '\n';
                break;
            case 't':
                out += '\t';
                break;
            case 'r':
                out += '\r';
                break;
            default:
                out += value[i];
        }
    }
    return out;
}

std::string_view trimmed(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r'))
        s.remove_suffix(1);
    return s;
}

}  // namespace

DesktopEntry& DesktopEntry::set(std::string key, std::string value) {
    keys_.emplace_back(std::move(key), std::move(value));
    return *this;
}

std::string DesktopEntry::text() const {
    std::string out = "[Desktop Entry]\n";
    for (const auto& [key, value] : keys_) out += key + "=" + escapeValue(value) + "\n";
    return out;
}

std::string execLine(const std::vector<std::string>& arguments) {
    std::string line;
    for (const std::string& arg : arguments) {
        if (!line.empty()) line += ' ';
        const bool quote = arg.empty() || arg.find_first_of(kReserved) != std::string::npos;
        if (quote) line += '"';
        for (char c : arg) {
            if (c == '%')
                line += '%';
            else if (quote && kEscapedInQuotes.find(c) != std::string_view::npos)
                line += '\\';
            line += c;
        }
        if (quote) line += '"';
    }
    return line;
}

std::vector<std::string> execArguments(std::string_view line) {
    std::vector<std::string> args;
    std::string arg;
    bool inArg = false, quoted = false;
    for (std::size_t i = 0; i < line.size(); ++i) {
        const char c = line[i];
        const bool next = i + 1 < line.size();
        if (c == ' ' && !quoted) {
            if (inArg) args.push_back(std::exchange(arg, {}));
            inArg = false;
            continue;
        }
        inArg = true;
        if (c == '"')
            quoted = !quoted;
        else if (c == '\\' && quoted && next)
            arg += line[++i];
        else if (c == '%' && next && line[i + 1] == '%')
            arg += line[++i];
        else
            arg += c;
    }
    if (inArg) args.push_back(arg);
    return args;
}

std::optional<std::string> desktopEntryValue(std::string_view fileText, std::string_view key) {
    bool inGroup = false;
    while (!fileText.empty()) {
        const auto end = fileText.find('\n');
        std::string_view line = trimmed(fileText.substr(0, end));
        fileText.remove_prefix(end == std::string_view::npos ? fileText.size() : end + 1);
        if (line.empty() || line.front() == '#') continue;
        if (line.front() == '[') {
            inGroup = line == "[Desktop Entry]";
            continue;
        }
        const auto eq = line.find('=');
        if (!inGroup || eq == std::string_view::npos || trimmed(line.substr(0, eq)) != key)
            continue;
        return unescapeValue(trimmed(line.substr(eq + 1)));
    }
    return std::nullopt;
}

DesktopEntry launcherEntry(const Launcher& launcher) {
    DesktopEntry entry;
    entry.set("Type", "Application")
        .set("Version", "1.4")
        .set("Name", launcher.name)
        .set("Exec", execLine({launcher.program.string()}))
        .set("Path", launcher.folder.string())
        .set("Icon", launcher.icon.string())
        .set("Terminal", "false")
        .set("StartupWMClass", "plixdesk");
    return entry;
}

}  // namespace plix
