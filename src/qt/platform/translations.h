#pragma once
// Qt's own texts (the print and file dialogs' buttons and labels) in
// Japanese, whatever the system's language: the program speaks Japanese only.

class QCoreApplication;

namespace cal::qtui {

// Loads Qt's Japanese translations into the application; false when they
// are not installed (Qt then keeps its English texts).
bool installQtTranslations(QCoreApplication& application);

}  // namespace cal::qtui
