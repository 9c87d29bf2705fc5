#pragma once
// Printing plain text: on the desktop's default printer, or into a PDF file
// the user chooses. Texts are Windows-1252.
#include <string>
#include <string_view>

namespace plix {

enum class PrintResult { Done, NoPrinter, Cancelled, Failed };

class Printer {
public:
    virtual ~Printer() = default;
    // Prints text as one job named title on the default printer; NoPrinter
    // when the desktop has none.
    virtual PrintResult print(std::string_view text, std::string_view title) = 0;
    // Asks the user where to save, then writes text there as a PDF document;
    // Cancelled when the user chose no file. savedTo receives the file's path.
    virtual PrintResult savePdf(std::string_view text, std::string_view title,
                                std::string& savedTo) = 0;
};

}  // namespace plix
