#pragma once

#include <QString>

// The browser of the suite, Microsoft Edge, found on PATH. Without it the
// desktop's default browser (xdg-open) shows the address instead.

// The Edge program on PATH ("microsoft-edge", then "microsoft-edge-stable");
// empty when neither is there.
QString RutaEdge();

// Starts Edge with the arguments of a browser command ("msedge" followed by
// Edge's arguments, split as a command line but never read by a shell).
// Without Edge, the address among the arguments goes to the default browser.
// True when something was started.
bool AbrirEnEdge(const QString& Programa);

// Opens the page in Edge's app mode ("--app="), or in the default browser
// when there is no Edge. True when something was started.
bool AbrirEdgeModoApp(const QString& URL);
