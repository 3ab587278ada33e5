#pragma once
// Progress of long work: the wait pointer at once, and a progress dialog
// that Qt shows only when the work will take longer than about half a second.

#include "ui/dialogs.h"

#include <memory>

class QProgressDialog;
class QString;
class QWidget;

namespace cal::qtui {

class ProgressDialog final : public Progress {
public:
    ProgressDialog(QWidget* owner, const QString& title, int steps);
    ~ProgressDialog() override;
    ProgressDialog(const ProgressDialog&) = delete;
    ProgressDialog& operator=(const ProgressDialog&) = delete;

    void step(int done) override;
    // The dialog, for tests.
    QProgressDialog& dialog() { return *m_dialog; }

private:
    std::unique_ptr<QProgressDialog> m_dialog;
};

}  // namespace cal::qtui
