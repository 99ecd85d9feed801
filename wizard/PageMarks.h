#pragma once

#include "engine/PageFiles.h"
#include "platform/Platform.h"

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QString>

#include <atomic>
#include <thread>

namespace wizard {

// Finds out, off the window's thread, which entries of the page list already
// carry the tracking code, and tells the window entry by entry. The window stays
// responsive and the list is shown before any page is read.
class PageMarks final : public QObject {
    Q_OBJECT

public:
    // Each reading reaches the files through page files of its own from `platform`.
    explicit PageMarks(platform::Platform& platform, QObject* parent = nullptr);
    ~PageMarks() override;

    // Starts reading the entries (paths relative to folder); stops the last reading.
    void start(const QString& folder, engine::FolderId listed, const QList<QByteArray>& names);
    // Stops reading and waits until it has stopped; no signal of it follows.
    void stop();

Q_SIGNALS:
    // Entry `index` of reading `round` carries a block for this website and
    // protocol (`blocks` 1), several whole blocks a run replaces with one
    // (`blocks` more), or markers that form no block a run can replace (0).
    void marked(int round, int index, int blocks, const QString& website, const QString& protocol,
                const QString& via);
    // Entry `index` of reading `round` is one a run would refuse, for `reason`
    // (its closing body tag written by server code).
    void refused(int round, int index, const QString& reason);
    void finished(int round);

public:
    int round() const { return m_round; }

private:
    platform::Platform& m_platform;
    std::thread m_thread;
    std::atomic<bool> m_stop{false};
    int m_round = 0;
};

} // namespace wizard
