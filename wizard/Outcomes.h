#pragma once

#include "engine/BatchResult.h"

#include <QCoreApplication>
#include <QString>

namespace wizard {

// What a run did, in the user's language: the counts by outcome and each page's
// line. Saved reports keep the command-line tool's English lines, which scripts read.
class Outcomes {
    Q_DECLARE_TR_FUNCTIONS(wizard::Outcomes)

public:
    // "3 inserted, 0 replaced, 0 removed, 1 unchanged, 2 skipped, 0 failed"
    static QString summary(const engine::BatchResult& run);
    // "3 restored, 1 unchanged, 0 skipped, 0 failed", for a run taken back.
    static QString undoSummary(const engine::BatchResult& run);
    // The page's outcome, "would be inserted" where a preview tells it, then its
    // path, the include that carries its block, and why where there is a why.
    static QString pageLine(const engine::PageResult& page, bool preview);
    // The word for an outcome: "inserted", or "would be inserted" in a preview.
    static QString word(engine::Outcome outcome, bool preview);
    // Why a page was not changed, in the user's language where the engine's
    // wording is known (the command-line tool keeps the engine's English).
    static QString reason(const std::string& why);
};

} // namespace wizard
