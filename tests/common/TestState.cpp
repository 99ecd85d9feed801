// Linked into every test: the test process, and every program it starts, keeps
// its journals in a temporary folder of its own, never in the real one; and the
// wizard speaks English, whatever the machine's language (the tests of the
// languages choose theirs).
#include <QByteArray>
#include <QDir>
#include <QTemporaryDir>

namespace {

struct TestState {
    QTemporaryDir folder{QDir::tempPath() + QStringLiteral("/inserter-state-XXXXXX")};
    TestState() {
        qputenv("XDG_STATE_HOME", folder.path().toLocal8Bit());
        qputenv("LANGUAGE", "en");
    }
};

const TestState state;

} // namespace
