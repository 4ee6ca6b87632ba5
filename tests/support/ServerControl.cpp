#include "support/ServerControl.h"

#include <QProcess>
#include <QTimer>

ServerControl::ServerControl() : folder_(qEnvironmentVariable("EQUIV_PG_CARPETA")) {}

ServerControl::~ServerControl()
{
    if (stopped_) start();
}

void ServerControl::stop() { stopped_ = run("pausar"); }

void ServerControl::start()
{
    if (run("reanudar")) stopped_ = false;
}

void ServerControl::startAfter(int ms)
{
    QTimer::singleShot(ms, [this] { start(); });
}

bool ServerControl::run(const char* action) const { return QProcess::execute(EQUIV_PG_SCRIPT, {action, folder_}) == 0; }
