#include "qt/progress_dialog.h"

#include <QApplication>
#include <QProgressDialog>

namespace cal::qtui {

ProgressDialog::ProgressDialog(QWidget* owner, const QString& title, int steps)
    : m_dialog(std::make_unique<QProgressDialog>(title, QString(), 0, steps, owner)) {
    m_dialog->setWindowTitle(QString::fromUtf8("処理中"));
    m_dialog->setAccessibleName(title);
    m_dialog->setWindowModality(Qt::ApplicationModal);
    m_dialog->setMinimumDuration(500);
    m_dialog->setAutoClose(false);
    m_dialog->setAutoReset(false);
    m_dialog->setValue(0);
    QApplication::setOverrideCursor(Qt::WaitCursor);
}

ProgressDialog::~ProgressDialog() {
    QApplication::restoreOverrideCursor();
    m_dialog->close();
}

// setValue lets Qt paint the dialog (and decide to show it) between steps.
void ProgressDialog::step(int done) { m_dialog->setValue(done); }

}  // namespace cal::qtui
