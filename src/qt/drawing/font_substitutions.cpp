#include "qt/drawing/font_substitutions.h"

#include "ui/form_description.h"

#include <QFont>
#include <QString>

namespace cal::qtui {

namespace {

QString fromView(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

void installFontSubstitutions() {
    static const bool installed = [] {
        QFont::insertSubstitution(fromView(kGothic), QStringLiteral("IPAGothic"));
        QFont::insertSubstitution(fromView(kPGothic), QStringLiteral("IPAPGothic"));
        return true;
    }();
    static_cast<void>(installed);
}

}  // namespace cal::qtui
