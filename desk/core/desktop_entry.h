#pragma once
// Desktop entry files (.desktop, .directory) as the freedesktop menu, the
// autostart rules and every Linux desktop read them: key=value lines under
// "[Desktop Entry]", UTF-8, values escaped, program lines quoted.
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace plix {

// One group of keys, written in the order they were added.
class DesktopEntry {
public:
    // A string value; escaped when written (backslash, line breaks, a
    // leading blank).
    DesktopEntry& set(std::string key, std::string value);
    std::string text() const;

private:
    std::vector<std::pair<std::string, std::string>> keys_;
};

// A program line (the Exec key's value before escaping): each argument
// quoted when it holds a blank or another reserved character, '%' doubled.
std::string execLine(const std::vector<std::string>& arguments);
// The arguments of a program line, as desktopEntryValue returns it.
std::vector<std::string> execArguments(std::string_view line);

// The value of key in the "[Desktop Entry]" group of a file's text, with its
// escapes undone; nothing when the group or the key is absent.
std::optional<std::string> desktopEntryValue(std::string_view fileText, std::string_view key);

// How the program is started from a menu or at log-in: a name, the program,
// its working folder and its icon.
struct Launcher {
    std::string name;               // UTF-8
    std::filesystem::path program;  // absolute
    std::filesystem::path folder;   // the working folder
    std::filesystem::path icon;     // absolute, or an icon theme name
};

// The application entry that starts the launcher's program in its folder.
DesktopEntry launcherEntry(const Launcher& launcher);

}  // namespace plix
