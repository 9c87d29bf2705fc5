#include "platform/qt/qt_printer.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QPageLayout>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTextDocument>
#include <QTextOption>

#include "platform/qt/qt_text.h"

namespace plix {
namespace {

constexpr double kPrintPointSize = 8.0;
constexpr double kMarginMm = 15.0;

// Plain text, never read as markup; long lines (the dashed rules) wrap
// anywhere rather than run off the page.
bool printDocument(std::string_view text, QPrinter& printer) {
    QTextDocument doc;
    QFont font = doc.defaultFont();
    font.setPointSizeF(kPrintPointSize);
    doc.setDefaultFont(font);
    QTextOption option = doc.defaultTextOption();
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    doc.setDefaultTextOption(option);
    QString plain = toQt(text);
    plain.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    doc.setPlainText(plain);
    printer.setPageMargins(QMarginsF(kMarginMm, kMarginMm, kMarginMm, kMarginMm),
                           QPageLayout::Millimeter);
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
