#pragma once

// Where a run takes its pages from, and where it tells what became of them.

#include "engine/BatchResult.h"
#include "engine/PageFiles.h"
#include "engine/Result.h"

#include <string>
#include <utility>
#include <vector>

namespace engine {

// One entry a run takes: a name in the folder (a relative path beneath it), or a
// folder beneath it that could not be listed while the run went (`listed` fails),
// or a file the host leaves out (`listed` fails with Excluded and the reason).
struct Entry {
    std::string name;
    Result<void> listed;
};

// Where a run's pages come from: the folder, the folders beneath it that
// could not be listed or were not entered, and the selected entries in order,
// one at a time. The wizard gives its list; the command-line tool gives them as
// it finds them, folder by folder, never holding a whole tree.
class PageSource {
public:
    virtual ~PageSource() = default;

    virtual std::string folder() const = 0;
    // The folder as it was listed, so that the run changes no other one.
    virtual FolderId listedFolder() const { return {}; }
    // Folders beneath it (relative paths) that could not be listed, with the reason:
    // each is reported as a failed line before the pages.
    virtual std::vector<std::pair<std::string, std::string>> unlistedFolders() const { return {}; }
    // Folders beneath it that were not entered, with the reason: each is reported
    // as a skipped line before the pages.
    virtual std::vector<std::pair<std::string, std::string>> skippedFolders() const { return {}; }
    // How many entries are selected, then the entries themselves from the first.
    virtual int selectedCount() = 0;
    virtual void startEntries() = 0;
    virtual bool nextEntry(Entry& entry) = 0;
};

// A source whose entries are a list with a tick each: its length read once as
// the run starts, each tick when the run reaches it.
class TickedList : public PageSource {
public:
    virtual int entryCount() const = 0;
    virtual std::string entryName(int index) const = 0;
    virtual bool entrySelected(int index) const = 0;

    int selectedCount() override;
    void startEntries() override;
    bool nextEntry(Entry& entry) override;

private:
    int m_count = 0;
    int m_next = 0;
};

// A folder and the names a run takes in it, every one selected.
class NamedPages : public TickedList {
public:
    NamedPages(std::string folder, std::vector<std::string> names, FolderId listed = {})
        : m_folder(std::move(folder))
        , m_names(std::move(names))
        , m_listed(listed) {}

    std::string folder() const override { return m_folder; }
    FolderId listedFolder() const override { return m_listed; }
    int entryCount() const override { return static_cast<int>(m_names.size()); }
    std::string entryName(int index) const override { return m_names.at(static_cast<std::size_t>(index)); }
    bool entrySelected(int) const override { return true; }

private:
    std::string m_folder;
    std::vector<std::string> m_names;
    FolderId m_listed;
};

// What a run tells as it goes; each front end takes what it shows.
class RunSink {
public:
    virtual ~RunSink() = default;

    // The page at path is next; called before it is read or written. `done` of
    // `total` selected pages are finished.
    virtual void pageStarting(const std::string& path, int done, int total) {
        (void)path;
        (void)done;
        (void)total;
    }
    // What became of a page, in order.
    virtual void pageFinished(const PageResult& result, int done, int total) {
        (void)result;
        (void)done;
        (void)total;
    }
    // Asked before each page; true ends the run there.
    virtual bool stopRequested() { return false; }
    // The pages told so far are complete (after each group, and at the end).
    virtual void flush() {}
};

} // namespace engine
