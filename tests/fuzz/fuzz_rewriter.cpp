// Checks, for every input, the promises of the page rewriter: no crash; inserting
// twice equals inserting once; insert then remove gives back the page without
// blocks; bytes outside the removed blocks and the inserted block never change;
// after an insert the page holds exactly one block; binary input is never changed.
//
// Every scanning kernel this processor runs plans every input alike.
//
// Input: a flags byte, a length byte, that many bytes of website number, the page.
#include "engine/PageRewriter.h"
#include "engine/TrackingBlock.h"
#include "engine/scan/Kernels.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

using namespace engine;

namespace {

void require(bool ok, const char* what) {
    if (!ok) {
        std::fprintf(stderr, "broken promise: %s\n", what);
        std::abort();
    }
}

// A plan and the text it gives: the page itself when it is not rewritten.
struct Run {
    Result<RewritePlan> plan;
    std::string text;
};

Run run(const std::string& page, Mode mode, const std::string& block, bool asPage) {
    Result<RewritePlan> plan = planRewrite(page, mode, block, asPage ? "page.html" : "page.php");
    std::string text = plan ? plan->text(page) : page;
    return Run{std::move(plan), std::move(text)};
}

bool refusedAs(const Result<RewritePlan>& plan, Failure::Kind kind) {
    return !plan && plan.kind() == kind;
}

// Both plans rewrite, or both refuse for the same kind of reason.
bool sameOutcome(const Result<RewritePlan>& a, const Result<RewritePlan>& b) {
    return a.ok() == b.ok() && (a.ok() || a.kind() == b.kind());
}

bool hasMarkers(const std::string& page) {
    std::string upper = page;
    for (char& c : upper)
        c = (c >= 'a' && c <= 'z') ? char(c - 'a' + 'A') : c;
    // A NUL-free upper-cased copy suffices for a test; UTF-16 pages never take this path.
    return upper.find(std::string(SearchKey)) != std::string::npos ||
           upper.find(std::string(EndMarker)) != std::string::npos;
}

// Spaces trimmed from both ends, but never so that the text would open like UTF-16.
std::string trimSpaces(const std::string& page) {
    const auto first = page.find_first_not_of(' ');
    if (first == std::string::npos)
        return {};
    const std::string trimmed = page.substr(first, page.find_last_not_of(' ') - first + 1);
    const bool mark = trimmed.size() >= 2 && ((trimmed[0] == '\xFF' && trimmed[1] == '\xFE') ||
                                              (trimmed[0] == '\xFE' && trimmed[1] == '\xFF'));
    return mark ? page.substr(0, page.find_last_not_of(' ') + 1) : trimmed;
}

// Each kernel plans the page as the first one does, in both modes; the widest is
// left in use for the checks that follow.
void kernelsAgree(const std::string& page, const std::string& block, bool asPage) {
    const std::vector<scan::Kernel> kernels = scan::runnableKernels();
    for (const Mode mode : {Mode::Insert, Mode::Remove}) {
        scan::useKernel(kernels.front());
        const Run first = run(page, mode, block, asPage);
        for (std::size_t k = 1; k < kernels.size(); ++k) {
            scan::useKernel(kernels[k]);
            const Run other = run(page, mode, block, asPage);
            require(sameOutcome(other.plan, first.plan) && other.text == first.text &&
                        (!first.plan || (other.plan->blocksRemoved == first.plan->blocksRemoved &&
                                         other.plan->changed == first.plan->changed)),
                    "every scanning kernel plans the page alike");
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    std::fprintf(stderr, "scanning kernels compared:");
    for (const scan::Kernel kernel : scan::runnableKernels())
        std::fprintf(stderr, " %s", scan::kernelName(kernel));
    std::fprintf(stderr, "\n");
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2)
        return 0;
    const std::uint8_t flags = data[0];
    const std::size_t siteLength = data[1] % 24;
    if (size < 2 + siteLength)
        return 0;
    const std::string site(reinterpret_cast<const char*>(data + 2), siteLength);
    const std::string page(reinterpret_cast<const char*>(data + 2 + siteLength), size - 2 - siteLength);
    const bool asPage = (flags & 1) != 0;
    const std::string name = (flags & 2) != 0
                                 ? "Index Page.HTML"
                                 : std::string(page.substr(0, std::min<std::size_t>(page.size(), 12)));

    const auto built =
        buildTrackingBlock(Site::parse(site), (flags & 4) != 0 ? Protocol::Normal : Protocol::Secure, name);
    if (!built)
        return 0;
    const std::string& block = *built;
    require(block.compare(0, SearchKey.size(), SearchKey) == 0, "the block starts with the search key");
    int lineEnds = 0;
    for (std::size_t i = 0; i + 1 < block.size(); ++i)
        lineEnds += block[i] == '\r' && block[i + 1] == '\n' ? 1 : 0;
    require(lineEnds == 4 && block.find('\n') == block.find("\r\n") + 1, "the block has four CR LF lines");
    for (const char c : block)
        require(static_cast<unsigned char>(c) >= 0x20 || c == '\r' || c == '\n',
                "the block holds no control bytes");

    kernelsAgree(page, block, asPage);
    const Run inserted = run(page, Mode::Insert, block, asPage);
    const Result<RewritePlan>& plan = inserted.plan;
    const std::string& once = inserted.text;
    const bool utf16 = page.size() >= 2 &&
                       ((page[0] == '\xFF' && page[1] == '\xFE') || (page[0] == '\xFE' && page[1] == '\xFF'));
    if (!utf16 && std::memchr(page.data(), 0, page.size()) != nullptr) {
        require(refusedAs(plan, Failure::Kind::Binary), "binary input is never changed");
        require(refusedAs(run(page, Mode::Remove, block, asPage).plan, Failure::Kind::Binary),
                "binary input is never changed");
        return 0;
    }
    if (refusedAs(plan, Failure::Kind::TangledMarkers))
        require(refusedAs(run(page, Mode::Remove, block, asPage).plan, Failure::Kind::TangledMarkers),
                "a page whose markers do not pair is never changed");
    if (!plan)
        return 0;
    require(plan->blockInserted, "insert mode inserts");

    const Run twice = run(once, Mode::Insert, block, asPage);
    require(twice.plan && twice.text == once && !twice.plan->changed,
            "inserting twice equals inserting once");

    const Run removal = run(once, Mode::Remove, block, asPage);
    require(removal.plan && removal.plan->blocksRemoved == 1,
            "after an insert the page holds exactly one block");
    const std::string& removedAfterInsert = removal.text;
    const Run again = run(removedAfterInsert, Mode::Remove, block, asPage);
    require(again.plan && again.plan->blocksRemoved == 0, "after a removal no block is left");

    if (!utf16 && page.find("\xFF\xFE") == std::string::npos && page.find("\xFE\xFF") == std::string::npos) {
        // The same page as UTF-16 takes the plain scanning path: both must agree.
        for (const Mode mode : {Mode::Insert, Mode::Remove}) {
            std::string wide = "\xFF\xFE";
            for (const char c : page) {
                wide.push_back(c);
                wide.push_back('\0');
            }
            const Run narrowRun = run(page, mode, block, asPage);
            const Run wideRun = run(wide, mode, block, asPage);
            require(sameOutcome(narrowRun.plan, wideRun.plan), "bytes and UTF-16 agree on the outcome");
            if (!narrowRun.plan)
                continue;
            require(narrowRun.plan->blocksRemoved == wideRun.plan->blocksRemoved,
                    "bytes and UTF-16 agree on the blocks");
            const std::string& narrow = narrowRun.text;
            const std::string& wideText = wideRun.text;
            std::string back;
            for (std::size_t i = 2; i + 1 < wideText.size(); i += 2)
                back.push_back(wideText[i]);
            require(back == narrow, "bytes and UTF-16 give the same text");
        }
    }

    if (!utf16) {
        require(removedAfterInsert == run(page, Mode::Remove, block, asPage).text,
                "insert then remove equals remove");
        if (!hasMarkers(page)) {
            const std::string trimmed = trimSpaces(page);
            require(removedAfterInsert == trimmed, "insert then remove gives back the trimmed page");
            const auto at = once.find(block);
            require(at != std::string::npos, "the block stands in the page");
            require(once.substr(0, at) + once.substr(at + block.size()) == trimmed,
                    "bytes outside the block never change");
        }
    }
    return 0;
}
