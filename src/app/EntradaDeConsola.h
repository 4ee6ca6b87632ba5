#pragma once

#include <QString>

// Signs in to the company named by the suite's command line as the window
// would, without one: boxes go to stderr and answer themselves. False, said
// on stderr, when the line lacks what only a window could ask for or the
// sign-in gave up.
bool EntrarDesdeConsola(const QString& lineaComando);
