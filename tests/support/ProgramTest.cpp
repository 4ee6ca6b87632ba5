#include "support/ProgramTest.h"

#include "platform/os/AnsiFile.h"
#include "platform/os/System.h"
#include "session/ParametrosSesion.h"
#include "session/Sesion.h"

namespace {
constexpr const char* kVariables[] = {os::kProgramFolderVariable, "TEMP", "TMP", "TMPDIR"};
}

bool RecordingDesktop::openDocument(const QString& target)
{
    opened.append(target);
    return true;
}

bool RecordingDesktop::startProgram(const QString& program, const QStringList& arguments)
{
    started.append((QStringList{program} + arguments).join(u' '));
    return true;
}

void ProgramTest::SetUp()
{
    for (int i = 0; i < 4; ++i) savedEnvironment_[i] = qgetenv(kVariables[i]);
    qputenv(os::kProgramFolderVariable, programDir_.path().toLocal8Bit());
    qputenv("TEMP", tempDir_.path().toLocal8Bit());
    qputenv("TMP", tempDir_.path().toLocal8Bit());
    qputenv("TMPDIR", tempDir_.path().toLocal8Bit());

    auto dialogs = std::make_unique<ScriptedDialogs>();
    operador = dialogs.get();
    savedDialogs_ = installDialogs(std::move(dialogs));
    auto desktop = std::make_unique<RecordingDesktop>();
    escritorio = desktop.get();
    savedDesktop_ = installDesktop(std::move(desktop));
    savedExit_ = installProcessExit(std::make_unique<ThrowingExit>());
    gSesion() = Sesion{};
    FijarLineaComandoProceso({});
}

void ProgramTest::TearDown()
{
    EXPECT_EQ(operador->pending(), 0) << "answers queued for boxes that never came";
    installDialogs(std::move(savedDialogs_));
    installDesktop(std::move(savedDesktop_));
    installProcessExit(std::move(savedExit_));
    for (int i = 0; i < 4; ++i) {
        if (savedEnvironment_[i].isNull())
            qunsetenv(kVariables[i]);
        else
            qputenv(kVariables[i], savedEnvironment_[i]);
    }
}

void ProgramTest::writeProgramFile(const QString& name, const QString& text) const
{
    ASSERT_TRUE(os::writeAnsiFile(os::joinPath(programFolder(), name), text));
}
