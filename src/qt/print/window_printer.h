#pragma once
// A system printer chosen in Qt's print dialog.

#include "qt/print/page_printer.h"

#include <QPointer>
#include <QWidget>

#include <memory>

class QPrinter;

namespace cal::qtui {

class WindowPrinter final : public PagePrinter {
public:
    // The dialog is owned by `owner`'s window while it lives.
    explicit WindowPrinter(QWidget* owner, PictureCache* pictures = nullptr);
    ~WindowPrinter() override;

    PrintError setPaperMode(int paper, int orientation) override;
    // Qt's print dialog with the staff edition's box among its options.
    PrintError printDialog(PrintChoice& choice) override;
    PaperArea paperArea() const override;

    QPrinter& device() { return *m_printer; }

protected:
    QPaintDevice* openDevice(const QString& name) override;
    bool newPage() override;
    PrintError finishDevice(bool painted) override;
    void abortDevice(QPainter& painter) override;

private:
    QPointer<QWidget> m_owner;
    std::unique_ptr<QPrinter> m_printer;
};

}  // namespace cal::qtui
