#include "support/ProgramTest.h"

#include "lookups/ArranqueConsultas.h"
#include "lookups/ConsultaCampos.h"
#include "lookups/LanzadorNuevo.h"
#include "platform/os/AnsiFile.h"
#include "platform/os/System.h"
#include "replication/ModGruposEmp.h"
#include "session/ParametrosSesion.h"
#include "session/ServidoresDelPrograma.h"
#include "session/Sesion.h"
#include "session/VentanaAcceso.h"

namespace {
constexpr const char* kVariables[] = {os::kProgramFolderVariable, "TEMP", "TMP", "TMPDIR"};
// Process ids handed out by the recording desktop start here.
constexpr qint64 kFirstProcessId = 1000;
}  // namespace

bool RecordingDesktop::fails()
{
    if (failNext == 0) return false;
    --failNext;
    return true;
}

void resetServices()
{
    Service<Dialogs>::install(nullptr);
    Service<Desktop>::install(nullptr);
    Service<ProgramEnd>::install(nullptr);
    Service<Clock>::install(nullptr);
    Service<VentanaAcceso>::install(nullptr);
    Service<ConsultaCampos>::install(nullptr);
    Service<Replicacion>::install(nullptr);
    Service<LanzadorNuevo>::install(nullptr);
    // As the program has them: the server registry, the start-up's banner
    // and lookup set-up.
    Service<db::ServerDirectory>::install(std::make_unique<ServidoresDelPrograma>());
    Service<ConsultasArranque>::install(std::make_unique<ArranqueConsultas>());
}

bool RecordingDesktop::openDocument(const QString& target)
{
    if (fails()) return false;
    opened.append(target);
    return true;
}

qint64 RecordingDesktop::startProgram(const QString& program, const QStringList& arguments)
{
    if (fails()) return 0;
    started.append((QStringList{program} + arguments).join(u' '));
    startedArguments.append(arguments);
    return kFirstProcessId + started.size();
}

void ProgramTest::SetUp()
{
    for (int i = 0; i < 4; ++i) savedEnvironment_[i] = qgetenv(kVariables[i]);
    qputenv(os::kProgramFolderVariable, programDir_.path().toLocal8Bit());
    qputenv("TEMP", tempDir_.path().toLocal8Bit());
    qputenv("TMP", tempDir_.path().toLocal8Bit());
    qputenv("TMPDIR", tempDir_.path().toLocal8Bit());

    resetServices();
    auto dialogs = std::make_unique<ScriptedDialogs>();
    operador = dialogs.get();
    Service<Dialogs>::install(std::move(dialogs));
    auto desktop = std::make_unique<RecordingDesktop>();
    escritorio = desktop.get();
    Service<Desktop>::install(std::move(desktop));
    auto clock = std::make_unique<StillClock>();
    reloj = clock.get();
    Service<Clock>::install(std::move(clock));
    gSesion() = Sesion{};
    FijarLineaComandoProceso({});
}

void ProgramTest::TearDown()
{
    EXPECT_EQ(operador->pending(), 0) << "answers queued for boxes that never came";
    resetServices();
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
