#include "desk/gui/rich_text_binding.h"

#include <QEvent>
#include <QKeyEvent>
#include <QTextCursor>
#include <QTextEdit>
#include <memory>
#include <set>

#include "platform/qt/qt_text.h"

namespace plix {
namespace {

QColor colourOf(int bbggrr) {
    return QColor(bbggrr & 0xFF, (bbggrr >> 8) & 0xFF, (bbggrr >> 16) & 0xFF);
}

// The design's fonts by what they are for: a fixed-pitch font for marked
// headings, the desktop's own font for plain text.
void setFont(QTextCharFormat& f, const std::string& name) {
    if (name.empty() || name == "MS Sans Serif") return;
    if (name == "Courier New") {
        f.setFontFamilies({QStringLiteral("Courier New"), QStringLiteral("DejaVu Sans Mono"),
                           QStringLiteral("Liberation Mono"), QStringLiteral("monospace")});
        f.setFontFixedPitch(true);
        f.setFontStyleHint(QFont::Monospace);
        return;
    }
    f.setFontFamilies({toQt(name)});
}

QTextCharFormat baseFormat(const RichTextBox& c) {
    QTextCharFormat f;
    setFont(f, c.Font);
    if (c.FontSize > 0) f.setFontPointSize(c.FontSize);
    if (c.TextColor != kDefaultColour) f.setForeground(colourOf(c.TextColor));
    f.setFontWeight(QFont::Normal);
    return f;
}

void applySpan(QTextCharFormat& f, const TextSpan& span) {
    setFont(f, span.Font);
    if (span.Color != kDefaultColour) f.setForeground(colourOf(span.Color));
    if (span.Size > 0) f.setFontPointSize(span.Size);
    f.setFontWeight(span.Bold ? QFont::Bold : QFont::Normal);
}

// A line break of the text (CR LF, or CR or LF alone) as the document's.
QString documentText(std::string_view piece) {
    QString text = toQt(piece);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}

// The text in runs that each have one style, inserted as plain text: a
// "<b>" from a customer shows as the three characters it is.
void drawRichText(const RichTextBox& c, QTextEdit* edit) {
    QTextDocument* doc = edit->document();
    doc->clear();
    const int size = static_cast<int>(c.Text.size());
    std::set<int> cuts{0, size};
    for (const TextSpan& s : c.Spans) {
        cuts.insert(std::clamp(s.Start, 0, size));
        cuts.insert(std::clamp(s.Start + s.Length, 0, size));
    }
    const QTextCharFormat base = baseFormat(c);
    QTextCursor cursor(doc);
    int caret = 0;
    for (auto it = cuts.begin(); std::next(it) != cuts.end(); ++it) {
        const int from = *it, to = *std::next(it);
        QTextCharFormat format = base;
        for (const TextSpan& s : c.Spans)
            if (s.Start <= from && from < s.Start + s.Length) applySpan(format, s);
        if (from <= c.SelStart) caret = cursor.position() + std::min(c.SelStart, to) - from;
        cursor.insertText(documentText(std::string_view(c.Text).substr(from, to - from)), format);
    }
    QTextCursor place(doc);
    place.setPosition(std::clamp(caret, 0, doc->characterCount() - 1));
    edit->setTextCursor(place);
}

class KeyWatch : public QObject {
public:
    KeyWatch(QObject* parent, bool typedOnly, std::function<void()> onKey)
        : QObject(parent), typedOnly_(typedOnly), onKey_(std::move(onKey)) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::KeyPress) return QObject::eventFilter(watched, event);
        const auto* key = static_cast<QKeyEvent*>(event);
        const bool typed = !key->text().isEmpty() && key->text().at(0).isPrint() &&
                           !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier));
        if (typedOnly_ && !typed) return false;
        onKey_();
        return typedOnly_;
    }

private:
    bool typedOnly_;
    std::function<void()> onKey_;
};

}  // namespace

QTextEdit* makeRichText(FormBinder& b, QWidget* parent, RichTextBox& c) {
    auto* edit = new QTextEdit(parent);
    edit->setReadOnly(true);
    edit->setAcceptRichText(false);
    edit->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    auto shown = std::make_shared<RichTextBox>();
    auto drawn = std::make_shared<bool>(false);
    b.add(&c, edit, [&c, edit, shown, drawn, &b] {
        drawControl(c, edit, b.twips());
        if (*drawn && c.Text == shown->Text && c.Spans == shown->Spans && c.Font == shown->Font &&
            c.FontSize == shown->FontSize && c.TextColor == shown->TextColor &&
            c.SelStart == shown->SelStart)
            return;
        drawRichText(c, edit);
        *shown = c;
        *drawn = true;
    });
    return edit;
}

void onKey(QWidget* w, bool typedOnly, std::function<void()> onKey) {
    w->installEventFilter(new KeyWatch(w, typedOnly, std::move(onKey)));
}

}  // namespace plix
