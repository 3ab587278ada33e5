#include "qt/platform/qt_messages.h"

#include <QtGlobal>

#include <cstdlib>
#include <cstring>

namespace cal::qtui {

namespace {

QtMessageHandler qtHandler = nullptr;

void onlyWhenDebugging(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    // A fatal message ends the program: its reason is always told.
    if (type == QtFatalMsg && qtHandler != nullptr) qtHandler(type, context, message);
}

bool debugging() {
    const char* value = std::getenv("CALENDAR_DEBUG");
    return value != nullptr && *value != '\0' && std::strcmp(value, "0") != 0;
}

}  // namespace

void keepQtMessagesForDebugging() {
    if (debugging()) return;
    qtHandler = qInstallMessageHandler(onlyWhenDebugging);
}

}  // namespace cal::qtui
