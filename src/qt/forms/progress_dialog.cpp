#include "qt/forms/progress_dialog.h"

#include <QApplication>
#include <QProgressDialog>

namespace cal::qtui {

ProgressDialog::ProgressDialog(QWidget* owner, const QString& title, int steps, std::chrono::milliseconds showAfter)
    : m_owner(owner), m_title(title), m_steps(steps), m_showAfter(showAfter) {
    m_started.start();
    QApplication::setOverrideCursor(Qt::WaitCursor);
}

ProgressDialog::~ProgressDialog() {
    QApplication::restoreOverrideCursor();
    if (m_dialog) m_dialog->close();
}

// Once shown, setValue lets Qt paint the dialog between steps.
void ProgressDialog::step(int done) {
    if (!m_dialog) {
        if (m_started.elapsed() < m_showAfter.count()) return;
        m_dialog = std::make_unique<QProgressDialog>(m_title, QString(), 0, m_steps, m_owner.data());
        m_dialog->setWindowTitle(QString::fromUtf8("処理中"));
        m_dialog->setAccessibleName(m_title);
        m_dialog->setWindowModality(Qt::ApplicationModal);
        m_dialog->setMinimumDuration(0);
        m_dialog->setAutoClose(false);
        m_dialog->setAutoReset(false);
    }
    m_dialog->setValue(done);
}

}  // namespace cal::qtui
