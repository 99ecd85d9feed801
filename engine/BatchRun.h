#pragma once

#include "engine/BatchResult.h"
#include "engine/Journal.h"
#include "engine/PageFiles.h"
#include "engine/PageRewriter.h"
#include "engine/Result.h"
#include "engine/RunSettings.h"
#include "engine/RunSink.h"

#include <string>

namespace engine {

struct BatchOptions {
    bool dryRun = false; // decide every page's outcome but write nothing
    RunFiles::Sync sync = RunFiles::Sync::FileSystem;
    bool keepPages = true;   // keep every page's result in BatchResult::pages
    bool diff = false;       // give each changed page's unified diff (PageResult::diff)
    bool escapeDiff = false; // with controls escaped, for a terminal
    // Where each changed page's old text is kept before the page takes its new
    // one; none keeps no journal. Not used by dry runs.
    Journal* journal = nullptr;
};

// A run that could not start at all (settings it cannot use, a folder that is
// gone or no longer the one listed) fails with a sentence that says so; then no
// file was touched.

// Rewrites every entry the source selects, in its folder, with the settings,
// telling the sink of each.
Result<BatchResult> runBatch(PageSource& source, const RunSettings& settings, RunSink& sink, PageFiles& files,
                             BatchOptions options = {});

// Takes a run back: each page of the record that holds what the run wrote gets
// its old text again ("restored"); one that holds its old text already is left
// ("unchanged"), as is one changed since the run ("skipped"). `folder` is the
// run's folder and `listed` the folder it was then.
Result<BatchResult> runUndo(const std::string& folder, FolderId listed, JournalRecord& record, RunSink& sink,
                            PageFiles& files, BatchOptions options = {});

struct StatusOptions {
    // Whether each block is compared with the one insert would write with the
    // settings (current or stale); else only read (code).
    bool compare = false;
    bool keepPages = true;
};

// Tells for every selected entry what tracking code it carries, writing nothing.
Result<BatchResult> runStatus(PageSource& source, const RunSettings& settings, RunSink& sink,
                              PageFiles& files, StatusOptions options = {});

} // namespace engine
