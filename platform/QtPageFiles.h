#pragma once

#include "engine/PageFiles.h"

#include <set>
#include <string>

namespace platform {

// Page files on the real file system. Reads refuse special files without opening
// them and symbolic links that lead out of the chosen folder; replacement goes
// through a synced temporary file beside the page that is renamed over it (the
// folders are synced once, when the run finishes), and
// keeps the page's permission bits and, where allowed, its owner and group.
class QtPageFiles final : public engine::PageFiles {
public:
    engine::PageRead read(const std::string& folder, const std::string& path, std::string& contents) override;
    std::string replace(const engine::PageRead& read, const std::vector<std::string_view>& pieces) override;
    // Syncs the folders of the pages replaced since the last call.
    void finish() override;
    ~QtPageFiles() override;

private:
    std::set<std::string> m_foldersToSync;
};

} // namespace platform
