#include "engine/BatchResult.h"

#include "engine/ReportText.h"

#include <algorithm>
#include <filesystem>

namespace engine {

namespace {

bool isSeparator(char c) {
    return c == '/' || c == static_cast<char>(std::filesystem::path::preferred_separator);
}

} // namespace

const char* outcomeWord(Outcome outcome) {
    switch (outcome) {
    case Outcome::Inserted:
        return "inserted";
    case Outcome::Replaced:
        return "replaced";
    case Outcome::Removed:
        return "removed";
    case Outcome::Unchanged:
        return "unchanged";
    case Outcome::Skipped:
        return "skipped";
    case Outcome::Failed:
        return "failed";
    case Outcome::Restored:
        return "restored";
    }
    return "failed";
}

std::size_t BatchResult::count(Outcome outcome) const {
    return m_outcomes[static_cast<int>(outcome)];
}

std::string BatchResult::summary() const {
    std::string text;
    for (const auto outcome : {Outcome::Inserted, Outcome::Replaced, Outcome::Removed, Outcome::Unchanged,
                               Outcome::Skipped, Outcome::Failed}) {
        if (!text.empty())
            text += ", ";
        text += std::to_string(count(outcome)) + " " + outcomeWord(outcome);
    }
    return text;
}

std::string BatchResult::undoSummary() const {
    std::string text;
    for (const auto outcome : {Outcome::Restored, Outcome::Unchanged, Outcome::Skipped, Outcome::Failed})
        text += (text.empty() ? "" : ", ") + std::to_string(count(outcome)) + " " + outcomeWord(outcome);
    return text;
}

std::size_t BatchResult::changed() const {
    return count(Outcome::Inserted) + count(Outcome::Replaced) + count(Outcome::Removed) +
           count(Outcome::Restored);
}

bool BatchResult::allHandled() const {
    return count(Outcome::Failed) == 0;
}

Outcome PageResult::reported() const {
    if (outcome)
        return *outcome;
    return outcome.failure().skipped() ? Outcome::Skipped : Outcome::Failed;
}

const std::string& PageResult::reason() const {
    return outcome ? note : outcome.reason();
}

std::string joinPath(const std::string& folder, const std::string& name) {
    if (!folder.empty() && isSeparator(folder.back()))
        return folder + name;
    return folder + static_cast<char>(std::filesystem::path::preferred_separator) + name;
}

const char* stateWord(PageState state) {
    switch (state) {
    case PageState::Unknown:
        return "";
    case PageState::Code:
        return "code";
    case PageState::Current:
        return "current";
    case PageState::Stale:
        return "stale";
    case PageState::None:
        return "none";
    case PageState::Broken:
        return "broken";
    }
    return "";
}

void BatchResult::record(PageResult page, bool keep) {
    const Outcome outcome = page.reported();
    ++m_outcomes[static_cast<int>(outcome)];
    ++m_states[static_cast<int>(page.state)];
    if (page.state == PageState::Unknown) {
        m_skippedWithoutState += outcome == Outcome::Skipped ? 1 : 0;
        m_failedWithoutState += outcome == Outcome::Failed ? 1 : 0;
    }
    if (keep)
        pages.push_back(std::move(page));
}

std::size_t BatchResult::countState(PageState state) const {
    return m_states[static_cast<int>(state)];
}

std::string BatchResult::stateSummary(bool compared) const {
    std::string text;
    for (const PageState state :
         {PageState::Code, PageState::Current, PageState::Stale, PageState::None, PageState::Broken}) {
        const bool wanted =
            compared ? state != PageState::Code : (state != PageState::Current && state != PageState::Stale);
        if (wanted)
            text += std::to_string(countState(state)) + " " + stateWord(state) + ", ";
    }
    // Pages without a state were skipped or failed.
    return text + std::to_string(m_skippedWithoutState) + " skipped, " +
           std::to_string(m_failedWithoutState) + " failed";
}

std::string reportLine(const PageResult& page, bool dryRun, bool status) {
    const std::string word =
        status && page.state != PageState::Unknown ? stateWord(page.state) : outcomeWord(page.reported());
    const bool would = dryRun && page.outcome && *page.outcome != Outcome::Unchanged;
    // One column for the words, as wide as the longest a run can print. A page
    // carried by its include: its state is the include's.
    std::string text = (would ? "would be " : "") + word;
    if (status && !page.via.empty() && page.state != PageState::Unknown)
        text += ", in " + reportText(page.via);
    text.resize(std::max<std::size_t>(text.size() + 1, dryRun ? 19 : 10), ' ');
    text += reportText(page.path);
    if (!status && !page.via.empty())
        text += " (in " + reportText(page.via) + ")";
    if (!page.website.empty())
        text += " (website " + reportText(page.website) + ", " + page.protocol + ")";
    if (!page.reason().empty())
        text += ": " + reportText(page.reason());
    return text;
}

} // namespace engine
