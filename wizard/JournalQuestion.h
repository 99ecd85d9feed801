#pragma once

#include "files/JournaledRun.h"

class QString;
class QWidget;

namespace platform {
class Platform;
}

namespace wizard {

// The journal of a run begun by the wizard. Where it cannot be kept (its folder
// is a file, the disk is full) the user is asked whether to go on without one,
// knowing the run then cannot be undone; No leaves every page as it is.
files::BeginJournal journalOrAsk(platform::Platform& platform, QWidget* parent, const QString& caption);

} // namespace wizard
