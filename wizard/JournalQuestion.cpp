#include "wizard/JournalQuestion.h"

#include "platform/Platform.h"
#include "wizard/Controls.h"

#include <QCoreApplication>

namespace wizard {

files::BeginJournal journalOrAsk(platform::Platform& platform, QWidget* parent, const QString& caption) {
    return [&platform, parent, caption](
               const files::JournalRun& header) -> engine::Result<std::unique_ptr<files::JournalWriter>> {
        engine::Result<std::unique_ptr<files::JournalWriter>> journal = platform.beginJournal(header);
        if (journal)
            return journal;
        const QString question =
            QCoreApplication::translate("wizard::JournalQuestion",
                                        "%1\n\nGo on without a journal? The changes of this run then "
                                        "cannot be undone.")
                .arg(sentence(journal.reason()));
        if (!platform.ask(parent, caption, question))
            return journal;
        return std::unique_ptr<files::JournalWriter>();
    };
}

} // namespace wizard
