#include "qt/platform/qt_registry.h"

#include "qt/qt_strings.h"

#include <QSettings>
#include <QStringList>
#include <QVariant>

namespace cal::qtui {

namespace {

// Opened anew for every question, so that changes made meanwhile count.
QSettings openStore() {
    return QSettings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("SPROUTWORKS"),
                     QStringLiteral("CALENDAR"));
}

}  // namespace

bool QtRegistry::keyExists(const std::string& key) const {
    const QSettings store = openStore();
    return store.childGroups().contains(qtui::toQString(key));
}

std::optional<std::string> QtRegistry::value(const std::string& key,
                                             const std::string& name) const {
    QSettings store = openStore();
    if (!store.childGroups().contains(qtui::toQString(key))) return std::nullopt;
    store.beginGroup(qtui::toQString(key));
    const QString valueName = qtui::toQString(name);
    if (!store.contains(valueName)) return std::nullopt;
    const QVariant value = store.value(valueName);
    // An unquoted value with commas reads back as a list: rejoin it.
    if (value.typeId() == QMetaType::QStringList)
        return qtui::toStdString(value.toStringList().join(u','));
    return qtui::toStdString(value.toString());
}

bool QtRegistry::setValue(const std::string& key, const std::string& name, const std::string& value,
                          std::string& error) {
    QSettings store = openStore();
    store.beginGroup(qtui::toQString(key));
    store.setValue(qtui::toQString(name), qtui::toQString(value));
    store.endGroup();
    store.sync();
    if (store.status() == QSettings::NoError) return true;
    error = qtui::toStdString(store.fileName()) + " に書き込めません";
    return false;
}

}  // namespace cal::qtui
