#pragma once

#include "platform/Clock.h"
#include "platform/ProgramEnd.h"
#include "platform/os/Desktop.h"
#include "support/ScriptedDialogs.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

// Records what the program asked the desktop to open or start. A started
// program is recorded as its path and arguments joined by blanks.
class RecordingDesktop : public Desktop {
public:
    QStringList opened;
    QStringList started;
    // The argument lists of the started programs, as given.
    QList<QStringList> startedArguments;
    // The next this many requests fail and are not recorded.
    int failNext = 0;

    bool openDocument(const QString& target) override;
    qint64 startProgram(const QString& program, const QStringList& arguments) override;

private:
    bool fails();
};

// Every service of the program back to none installed, so that each comes
// back as its default (or stays absent) until a test installs its own.
void resetServices();

// A clock that stands still until a test moves it.
class StillClock : public Clock {
public:
    Duration now() const override { return now_; }
    void advance(Duration by) { now_ += by; }

private:
    Duration now_{};
};

// A test with its own program folder and temporary folder (EQUIV_CARPETA,
// TEMP and TMP point into a fresh temporary directory), a scripted operator,
// a recording desktop, an end of the program that is only noted, a clock
// that stands still, an empty session record and no command line.
class ProgramTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    QString programFolder() const { return programDir_.path(); }
    QString tempFolder() const { return tempDir_.path(); }
    // Writes a file into the program folder in the suite's encoding.
    void writeProgramFile(const QString& name, const QString& text) const;

    ScriptedDialogs* operador = nullptr;
    RecordingDesktop* escritorio = nullptr;
    StillClock* reloj = nullptr;

private:
    QTemporaryDir programDir_;
    QTemporaryDir tempDir_;
    QByteArray savedEnvironment_[4];
};
