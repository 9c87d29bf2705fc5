#include "platform/qt/qt_printer.h"

#include <algorithm>

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTextDocument>
#include <QTextOption>
#include <QtMath>

#include "platform/qt/qt_text.h"

namespace plix {
namespace {

constexpr double kPrintPointSize = 8.0;
constexpr double kMarginMm = 5.0;  // the document adds its own 2 cm inside these
constexpr double kDocumentMarginCm = 2.0;
constexpr double kLayoutSlack = 0.98;

// A line drawn with hyphens ends at the page's edge instead of wrapping onto
// a second line; every other line keeps its text.
void fitRules(QString& text, const QFont& font, QPrinter& printer) {
    const QFontMetricsF metrics(font, &printer);
    const qreal documentMargin = kDocumentMarginCm / 2.54 * printer.logicalDpiX();
    const qreal page =
        (printer.pageLayout().paintRectPixels(printer.resolution()).width() - 2 * documentMargin) *
        kLayoutSlack;
    QStringList lines = text.split(QLatin1Char('\n'));
    for (QString& line : lines) {
        const QString rule = line.trimmed();
        if (rule.size() < 2 || rule.count(QLatin1Char('-')) != rule.size()) continue;
        const qreal over = metrics.horizontalAdvance(line) - page;
        if (over > 0)
            line.chop(std::min<qsizetype>(
                line.size() - 1, qCeil(over / metrics.horizontalAdvance(QLatin1Char('-')))));
    }
    text = lines.join(QLatin1Char('\n'));
}

// Plain text, never read as markup; a line too long for the page wraps
// rather than runs off it.
bool printDocument(std::string_view text, QPrinter& printer) {
    printer.setPageMargins(QMarginsF(kMarginMm, kMarginMm, kMarginMm, kMarginMm),
                           QPageLayout::Millimeter);
    QString plain = toQt(text);
    plain.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    QTextDocument doc;
    QFont font = doc.defaultFont();
    font.setPointSizeF(kPrintPointSize);
    doc.setDefaultFont(font);
    fitRules(plain, font, printer);
    QTextOption option = doc.defaultTextOption();
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    doc.setDefaultTextOption(option);
    doc.setPlainText(plain);
    doc.print(&printer);
    return printer.printerState() != QPrinter::Error;
}

}  // namespace

PrintResult QtPrinter::print(std::string_view text, std::string_view title) {
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull()) return PrintResult::NoPrinter;
    QPrinter printer(info, QPrinter::HighResolution);
    printer.setDocName(toQt(title));
    return printDocument(text, printer) ? PrintResult::Done : PrintResult::Failed;
}

PrintResult QtPrinter::savePdf(std::string_view text, std::string_view title,
                               std::string& savedTo) {
    QString path;
    if (chooser_) {
        path = chooser_();
    } else {
        const QString suggested = QDir::home().filePath(toQt(title) + QStringLiteral(".pdf"));
        path = QFileDialog::getSaveFileName(parent_, QStringLiteral("Save as PDF"), suggested,
                                            QStringLiteral("PDF (*.pdf)"));
    }
    if (path.isEmpty()) return PrintResult::Cancelled;
    if (QFileInfo(path).suffix().isEmpty()) path += QStringLiteral(".pdf");
    savedTo = fromQt(path);
    return writePdf(text, title, path) ? PrintResult::Done : PrintResult::Failed;
}

bool QtPrinter::writePdf(std::string_view text, std::string_view title, const QString& path) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    printer.setDocName(toQt(title));
    return printDocument(text, printer) && QFileInfo(path).size() > 0;
}

}  // namespace plix
