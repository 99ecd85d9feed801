#pragma once

// Where the tool's runs report: each page's line and the summary, as lines of
// text or as JSON objects, on standard output; stops asked for by a signal.

#include "cli/Arguments.h"
#include "cli/CliRun.h"
#include "engine/BatchRun.h"

#include <QJsonObject>
#include <QString>

#include <cstdio>
#include <memory>
#include <string>

namespace cli {

// One line, written out at once.
void line(std::FILE* stream, const std::string& text);
void jsonLine(std::FILE* stream, const QJsonObject& object);

// A usage error, told on standard error, and its exit status.
int usage(std::FILE* err, const QString& message);
// A failure that ends the command, told on standard error, and its exit status:
// a usage error where the arguments are at fault (Settings), else a run that
// could not be made.
int stopWith(std::FILE* err, const engine::Failure& failure);

// SIGINT or SIGTERM: the run stops once the group of pages in hand is committed.
// Caught for as long as it lives.
class StopOnSignals {
public:
    StopOnSignals();
    ~StopOnSignals();
    StopOnSignals(const StopOnSignals&) = delete;
    StopOnSignals& operator=(const StopOnSignals&) = delete;

    // The signal that asked for a stop, or 0.
    static int signal();

private:
    void (*m_int)(int);
    void (*m_term)(int);
};

// A run's report: each page told is held, and written out a group at a time.
class Report : public engine::RunSink {
public:
    // The report the settings ask for (lines or JSON), on `out`.
    static std::unique_ptr<Report> to(std::FILE* out, const Settings& settings);

    bool stopRequested() override { return StopOnSignals::signal() != 0; }
    void flush() override;

    // The summary of each kind of run, and the exit status it comes to.
    int batchSummary(const engine::BatchResult& result);
    int statusSummary(const engine::BatchResult& result);
    void undoSummary(const engine::BatchResult& result, const QString& runId);

protected:
    Report(std::FILE* out, const Settings& settings)
        : m_out(out)
        , m_settings(settings) {}

    virtual void writeSummary(const engine::BatchResult& result, const QString& runId) = 0;

    std::FILE* m_out;
    const Settings& m_settings;
    std::string m_pending; // lines told, not yet written
};

} // namespace cli
