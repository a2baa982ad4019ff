#pragma once

#include <QMarginsF>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>
#include <vector>

// A CUPS scheduler of the test program's own, started once before the first test and stopped after the
// last: its configuration, spool, cache, state, logs and socket all live in one temporary folder, and the
// process talks to it alone (CUPS_SERVER names its socket before Qt's print support first asks CUPS
// anything). It holds one queue, the default, whose printer writes each job's PDF unchanged into
// output(); its PPD gives A4 with the printable area of Margins.
class CupsScheduler : public testing::Environment {
public:
    static inline const QString Queue = QStringLiteral("sanavo-test");
    // Left, top, right, bottom in points: the PPD's *ImageableArea A4 "18 24 577 806" on 595 x 842.
    static inline const QMarginsF Margins{18, 36, 18, 24};

    void SetUp() override;
    void TearDown() override;

    // The one scheduler of the program.
    static CupsScheduler& instance();
    // Empty while the scheduler runs with its queue; else why it does not.
    const QString& unavailable() const { return unavailable_; }
    // Set when the scheduler runs but its queue could not be made: a fault, not a missing tool.
    const QString& broken() const { return broken_; }
    QString output() const;

    // Runs a CUPS tool (lpadmin, cupsdisable, ...) on the scheduler; empty when it succeeded, else what it
    // said.
    QString run(const QString& tool, const QStringList& args) const;
    // The states of the queue's jobs, oldest first (ipp_jstate_t values; 9 is completed).
    std::vector<int> jobStates() const;
    // Waits until the queue holds `count` jobs and none is pending or processing; false after 20 seconds.
    bool waitForJobs(size_t count) const;

private:
    QString start();
    QString path(const QString& name) const { return dir_->filePath(name); }

    std::unique_ptr<QTemporaryDir> dir_;
    std::unique_ptr<QProcess> cupsd_;
    QString unavailable_ = QStringLiteral("the scheduler was not started");
    QString broken_;
};
