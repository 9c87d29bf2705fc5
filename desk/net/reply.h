#pragma once
// Cutting server replies. Small pure functions over string_view that every
// operation's parser uses; they never copy the remainder and never read past
// the text, whatever the server sent.
//
// Positions follow the protocol's own counting where an operation does
// arithmetic on them: 1-based, 0 meaning "absent".
#include <cstddef>
#include <optional>
#include <string_view>

namespace plix {

// 1-based position of the first occurrence of marker (case-sensitive), 0 when
// absent. An empty marker is never found.
std::size_t markerPos(std::string_view text, std::string_view marker);
inline bool hasMarker(std::string_view text, std::string_view marker) {
    return markerPos(text, marker) != 0;
}

// text from the 1-based position pos on; 0 and 1 give the whole text, a
// position past the end gives an empty text.
std::string_view fromPosition(std::string_view text, std::size_t pos);

// The text that follows marker, skip further characters left out; nothing
// when the marker is absent.
std::optional<std::string_view> afterMarker(std::string_view text, std::string_view marker,
                                            std::size_t skip = 0);

// A keyed value that ends at the next "]" (e.g. "TV="); without a closing
// "]" the value is empty. Nothing when the marker is absent.
std::optional<std::string_view> valueToBracket(std::string_view text, std::string_view marker);

// The leading-number value of the text after marker (skip characters left
// out); 0 when the marker is absent or no number follows.
double numberAfter(std::string_view text, std::string_view marker, std::size_t skip = 0);

// Bracket rule for records whose fields follow one another directly:
// i := the first "[", j := the first "]" (1-based); field := the j - 2
// characters that follow the "[", cut at the end of the text; rest goes on
// right after that "]". The count assumes rest starts with "[": text before
// the "[" throws the count off. Returns false (rest and field untouched) when
// rest holds no "]".
bool cutField(std::string_view& rest, std::string_view& field);

// The exact variant some lists use: the field is the text between the next
// "[" and the first "]" after it; rest goes on after that "]". False (nothing
// changed) when either bracket is missing.
bool cutEnclosed(std::string_view& rest, std::string_view& field);

// Start of a record list: the reply from the 1-based position
// c + marker length + gap on, c being the start marker's position (0 when
// absent, so a list without its marker is read from position
// marker length + gap).
std::string_view listStart(std::string_view reply, std::string_view startMarker, std::size_t gap);

// A reader that walks a reply once from front to back.
class ReplyCursor {
public:
    explicit ReplyCursor(std::string_view text) : rest_(text) {}

    bool field(std::string_view& out) { return cutField(rest_, out); }
    bool enclosed(std::string_view& out) { return cutEnclosed(rest_, out); }
    // Leaves out n characters (fewer at the end).
    void skip(std::size_t n) { rest_.remove_prefix(n < rest_.size() ? n : rest_.size()); }
    // 1-based position of marker in what is left, 0 when absent.
    std::size_t find(std::string_view marker) const { return markerPos(rest_, marker); }
    std::string_view rest() const { return rest_; }
    bool atEnd() const { return rest_.empty(); }

private:
    std::string_view rest_;
};

}  // namespace plix
