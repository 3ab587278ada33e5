#include "qt/unknown_controls.h"

#include "qt/forms/qt_forms_service.h"

#include <QLoggingCategory>

#include <gtest/gtest.h>

#include <cstring>

namespace cal::qttest {

namespace {

QtMessageHandler qtHandler = nullptr;
bool expecting = false;
int counted = 0;

void handle(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    const char* reports = qtui::QtFormsService::unknownControlReports().categoryName();
    if (context.category != nullptr && std::strcmp(context.category, reports) == 0) {
        if (expecting) {
            ++counted;
            return;
        }
        ADD_FAILURE() << message.toStdString();
    }
    if (qtHandler != nullptr) qtHandler(type, context, message);
}

}  // namespace

void failAtUnknownControls() {
    const QString category = QString::fromLatin1(qtui::QtFormsService::unknownControlReports().categoryName());
    QLoggingCategory::setFilterRules(category + QStringLiteral(".warning=true"));
    qtHandler = qInstallMessageHandler(handle);
}

ExpectedUnknownControls::ExpectedUnknownControls() {
    expecting = true;
    counted = 0;
}

ExpectedUnknownControls::~ExpectedUnknownControls() { expecting = false; }

int ExpectedUnknownControls::reports() const { return counted; }

}  // namespace cal::qttest
