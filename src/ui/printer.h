#pragma once
// A printer reached through the forms and drawing services. Every operation
// answers 0 on success or a failure number that the program shows.

#include "ui/drawing.h"

#include <string>
#include <string_view>
#include <vector>

namespace cal {

class Printer {
public:
    virtual ~Printer() = default;
    // Paper and orientation codes of the Windows printer settings
    // (paper 8 = A3, 9 = A4; orientation 1 portrait, 2 landscape).
    virtual int setPaperMode(int paper, int orientation) = 0;
    // The print dialog; `accepted` is false when the user cancelled it.
    virtual int printDialog(bool& accepted) = 0;
    virtual int startDocument(std::string_view name) = 0;
    virtual int startPage() = 0;
    // Mode 2: units of 0.1 mm from the page's top-left corner, y downward.
    virtual int setMapMode(int mode) = 0;
    virtual void setFont(std::string_view name, double points) = 0;
    // The page of the started document; its drawing failures show in error().
    virtual Surface& page() = 0;
    virtual int error() const = 0;
    virtual int endPage() = 0;
    virtual int endDocument() = 0;
    // Ends a started document without output, leaving nothing in the spooler.
    virtual int abortDocument() = 0;
    virtual int close() = 0;
    // The picture files the last finished document could not draw (damaged
    // or unreadable), each once.
    virtual std::vector<std::string> undrawnPictures() const { return {}; }
};

}  // namespace cal
