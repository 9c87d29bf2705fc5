#pragma once
// Printing plain text through Qt's print support: one job on the default
// printer, or a PDF file chosen in a save dialog.
#include <QString>
#include <functional>

#include "platform/printer.h"

class QWidget;

namespace plix {

class QtPrinter : public Printer {
public:
    explicit QtPrinter(QWidget* dialogParent = nullptr) : parent_(dialogParent) {}

    PrintResult print(std::string_view text, std::string_view title) override;
    PrintResult savePdf(std::string_view text, std::string_view title,
                        std::string& savedTo) override;

    // Writes text as a PDF document to path.
    static bool writePdf(std::string_view text, std::string_view title, const QString& path);
    // Replaces the save dialog (tests): returns the chosen path, empty for none.
    void chooseWith(std::function<QString()> chooser) { chooser_ = std::move(chooser); }

private:
    QWidget* parent_;
    std::function<QString()> chooser_;
};

}  // namespace plix
