#include "files/JournaledRun.h"

namespace files {

namespace {

// Begins the journal for a run that changes pages, unless it keeps none.
engine::Result<std::unique_ptr<JournalWriter>> begun(const BeginJournal& begin, const JournalRun& header,
                                                     engine::BatchOptions& options) {
    if (!begin || options.dryRun)
        return std::unique_ptr<JournalWriter>();
    engine::Result<std::unique_ptr<JournalWriter>> journal = begin(header);
    if (journal)
        options.journal = journal->get();
    return journal;
}

// Ends the journal of a run: its name when it kept a page, and whether its
// record was finished.
engine::Result<void> ended(std::unique_ptr<JournalWriter>& journal, JournaledResult& result) {
    if (!journal)
        return {};
    const engine::Result<void> finished = journal->finish();
    if (journal->pagesKept() > 0)
        result.journalId = journal->id();
    return finished;
}

} // namespace

BeginJournal journalIn(std::string hint) {
    return
        [hint = std::move(hint)](const JournalRun& header) -> engine::Result<std::unique_ptr<JournalWriter>> {
            auto journal = std::make_unique<JournalWriter>(hint);
            if (const engine::Result<void> made = journal->begin(header); !made)
                return made.failure();
            return journal;
        };
}

JournalRun journalHeader(const engine::RunSettings& settings, const RunFolder& folder) {
    JournalRun header;
    const bool insert = settings.mode == engine::Mode::Insert;
    header.command = insert ? QStringLiteral("insert") : QStringLiteral("remove");
    header.folder = folder.absolute;
    header.typed = folder.typed;
    header.root = folder.root;
    if (insert) {
        header.website = QString::fromStdString(settings.site.typed());
        header.protocol = QLatin1String(engine::protocolWord(settings.protocol));
    }
    return header;
}

JournaledResult changePages(engine::PageSource& source, const engine::RunSettings& settings,
                            engine::RunSink& sink, engine::PageFiles& files, engine::BatchOptions options,
                            const RunFolder& folder, const BeginJournal& begin) {
    JournaledResult result;
    // A run that takes no page keeps no journal.
    const BeginJournal none;
    engine::Result<std::unique_ptr<JournalWriter>> journal =
        begun(source.selectedCount() > 0 ? begin : none, journalHeader(settings, folder), options);
    if (!journal) {
        result.run = journal.failure();
        return result;
    }
    result.run = engine::runBatch(source, settings, sink, files, options);
    result.recorded = ended(*journal, result);
    return result;
}

JournaledResult undoRun(JournalReader& record, engine::RunSink& sink, engine::PageFiles& files,
                        engine::BatchOptions options, const BeginJournal& begin) {
    const JournalRun& run = record.run();
    JournalRun header;
    header.command = QStringLiteral("undo");
    header.folder = run.folder;
    header.typed = run.typed;
    header.root = run.root;
    header.undoes = run.id;
    JournaledResult result;
    engine::Result<std::unique_ptr<JournalWriter>> journal = begun(begin, header, options);
    if (!journal) {
        result.run = journal.failure();
        return result;
    }
    result.run = engine::runUndo(run.folder.toStdString(), run.root, record, sink, files, options);
    result.recorded = ended(*journal, result);
    if (!result.run || options.dryRun)
        return result;
    // The run stays offered for undo where it cannot be marked: said, as a failure.
    const engine::Result<void> marked = record.markTakenBack(
        result.journalId.isEmpty() ? QStringLiteral("-") : result.journalId, *result.run);
    if (!marked)
        result.recorded = marked;
    return result;
}

} // namespace files
