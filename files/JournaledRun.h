#pragma once

// A run that changes pages, or takes a run back, with its journal: the one place
// both front ends make such a run.

#include "engine/BatchRun.h"
#include "files/RunJournal.h"

#include <QByteArray>
#include <QString>

#include <functional>
#include <memory>
#include <string>

namespace files {

// Where a run is made: the folder as the journal keeps it (absolute), as the
// user gave it (for display; may be empty), and the folder it was when listed.
struct RunFolder {
    QByteArray absolute;
    QByteArray typed;
    engine::FolderId root;
};

// What a run with its journal comes to.
struct JournaledResult {
    // The run's pages, or why it could not start (its journal among the reasons).
    engine::Result<engine::BatchResult> run = engine::BatchResult();
    // The run's name in the journal, when it kept a page's old text.
    QString journalId;
    // Whether the journal's record was finished and, for an undo, the run taken
    // back marked so. A failure here leaves the pages as the run made them.
    engine::Result<void> recorded;
};

// Begins a run's journal from its header; fails with the sentence that says why
// the run cannot start.
using BeginJournal = std::function<engine::Result<std::unique_ptr<JournalWriter>>(const JournalRun&)>;

// The journal's own beginning, in its folder; `hint` ("use --no-journal") ends
// the sentence of a journal that cannot be kept.
BeginJournal journalIn(std::string hint);

// What the journal keeps of an insert or remove made with the settings in the folder.
JournalRun journalHeader(const engine::RunSettings& settings, const RunFolder& folder);

// Insert or remove: the journal (none when `begin` is empty, or for a dry run)
// begun before any page is touched, the run, the record finished.
JournaledResult changePages(engine::PageSource& source, const engine::RunSettings& settings,
                            engine::RunSink& sink, engine::PageFiles& files, engine::BatchOptions options,
                            const RunFolder& folder, const BeginJournal& begin);

// Undo of the run `record` holds, kept in the journal as a run of its own; then,
// unless the run was dry, the run taken back is marked undone or partly undone.
JournaledResult undoRun(JournalReader& record, engine::RunSink& sink, engine::PageFiles& files,
                        engine::BatchOptions options, const BeginJournal& begin);

} // namespace files
