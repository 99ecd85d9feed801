#pragma once

#include "engine/PageFiles.h"

#include <memory>

namespace files {

// Page files on the real file system.
//
// On POSIX systems a run holds a handle to its folder and reaches every page
// through folder handles, one name at a time, following symbolic links itself
// and never out of the folder. Each folder it changes is locked for the run, and
// leftovers of killed runs are cleared first. A page's new text goes to a
// temporary file in the page's own folder (unnamed where the file system allows),
// which gets the page's owner, group, mode, extended attributes and ACL, is
// synced, and is renamed over the page. Elsewhere QSaveFile does the replacing.
class QtPageFiles final : public engine::PageFiles {
public:
    QtPageFiles();
    ~QtPageFiles() override;

    engine::Result<void> open(const std::string& folder, engine::FolderId listed,
                              engine::RunFiles how) override;
    engine::Result<engine::PageRead> read(const std::string& name) override;
    engine::Result<void> stage(const engine::PageRead& read,
                               const std::vector<std::string_view>& pieces) override;
    bool groupFull() const override;
    std::vector<engine::Result<void>> commit() override;
    void discard() override;
    void close() override;

    struct State;

private:
    std::unique_ptr<State> m_state;
};

} // namespace files
