#pragma once
// Recovery of a month whose edits were never saved (a crash, a killed
// session, a power cut): every store into the month also writes its cells
// to a recovery file outside the data folder; loading the month offers them
// back.

namespace cal {

struct Context;

// Takes the data folder's recovery files for this program; false, after
// telling the user which program has them, when another one runs on the
// same folder. Without a lock to be had, the program goes on without one.
bool holdRecoveryFiles(Context& context);
// Writes the displayed month's cells to its recovery file.
void keepRecovery(Context& context);
// Removes the displayed month's recovery file: it was saved, or its edits
// were declined.
void dropRecovery(Context& context);
// After the displayed month was loaded: a recovery file newer than the month
// file is offered; はい puts its cells in place as unsaved edits, いいえ
// removes it. One that cannot be read is reported and set aside.
void offerRecovery(Context& context);

}  // namespace cal
