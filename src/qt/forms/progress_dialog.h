#pragma once
// Progress of long work: the wait pointer at once, and a progress dialog
// only once the work has taken longer than about half a second; quick work
// (a repaint of pictures already decoded) never builds one.

#include "ui/dialogs.h"

#include <QElapsedTimer>
#include <QPointer>
#include <QString>

#include <chrono>
#include <memory>

class QProgressDialog;
class QWidget;

namespace cal::qtui {

class ProgressDialog final : public Progress {
public:
    static constexpr std::chrono::milliseconds kShowAfter{500};

    ProgressDialog(QWidget* owner, const QString& title, int steps, std::chrono::milliseconds showAfter = kShowAfter);
    ~ProgressDialog() override;
    ProgressDialog(const ProgressDialog&) = delete;
    ProgressDialog& operator=(const ProgressDialog&) = delete;

    void step(int done) override;
    // The dialog once it is shown, else nullptr.
    QProgressDialog* dialog() const { return m_dialog.get(); }

private:
    QPointer<QWidget> m_owner;
    QString m_title;
    int m_steps;
    std::chrono::milliseconds m_showAfter;
    QElapsedTimer m_started;
    std::unique_ptr<QProgressDialog> m_dialog;
};

}  // namespace cal::qtui
