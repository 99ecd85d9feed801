// Linked into every test: the test process, and every program it starts, keeps
// its journals in a temporary folder of its own, never in the real one.
#include <QByteArray>
#include <QDir>
#include <QTemporaryDir>

namespace {

struct TestState {
    QTemporaryDir folder{QDir::tempPath() + QStringLiteral("/inserter-state-XXXXXX")};
    TestState() { qputenv("XDG_STATE_HOME", folder.path().toLocal8Bit()); }
};

const TestState state;

} // namespace
