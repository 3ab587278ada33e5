#pragma once
// A printer reached through the forms and drawing services. Every operation
// answers PrintError::None on success or what failed; the program shows the
// failure's number.

#include "layout/paper_fit.h"
#include "ui/drawing.h"

#include <string>
#include <string_view>
#include <vector>

namespace cal {

// What a printer operation failed at. The numbers are shown to the user.
enum class PrintError {
    None = 0,
    NoPrinter = 1,    // no printer can be used
    Begin = 2,        // the document could not begin (the printer or the file refused)
    NewPage = 3,      // a new page could not start
    MapMode = 4,      // a map mode other than 1 (device dots) or 2 (0.1 mm)
    NotPrinting = 5,  // drawing or a page step with no document open
    Finish = 6,       // the document could not be finished (the printer reported an error)
    ReplaceFile = 7,  // the finished file could not replace the target file
};

// What the print dialog asks beyond the printer and its paper.
struct PrintChoice {
    bool accepted = false;  // false: the user cancelled
    // The staff edition (marked lines printed too): what the dialog offers
    // first, and what was chosen.
    bool staff = false;
};

class Printer {
public:
    virtual ~Printer() = default;
    // Paper and orientation codes of the Windows printer settings
    // (paper 8 = A3, 9 = A4, 12 = B4, 1 = Letter; orientation 1 portrait,
    // 2 landscape).
    virtual PrintError setPaperMode(int paper, int orientation) = 0;
    // The print dialog; a paper chosen there is printed in landscape.
    virtual PrintError printDialog(PrintChoice& choice) = 0;
    // The paper the document is printed on, as the dialog left it.
    virtual PaperArea paperArea() const = 0;
    virtual PrintError startDocument(std::string_view name) = 0;
    virtual PrintError startPage() = 0;
    // Mode 2: units of 0.1 mm from the page's top-left corner, y downward.
    virtual PrintError setMapMode(int mode) = 0;
    virtual void setFont(std::string_view name, double points) = 0;
    // The page of the started document; its drawing failures show in error().
    virtual Surface& page() = 0;
    virtual PrintError error() const = 0;
    virtual PrintError endPage() = 0;
    virtual PrintError endDocument() = 0;
    // Ends a started document without output, leaving nothing in the spooler.
    virtual PrintError abortDocument() = 0;
    virtual PrintError close() = 0;
    // The picture files the last finished document could not draw (damaged
    // or unreadable), each once.
    virtual std::vector<std::string> undrawnPictures() const { return {}; }
};

}  // namespace cal
