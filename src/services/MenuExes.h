#pragma once

#include <QString>

class DB_Dll;

// The launcher of the suite: starts what a menu entry or a command names.
//
// `Programa`, read in this order (case ignored):
// - "shell:" first: a prefix, removed before the rest is read;
// - "msedge" alone or followed by Edge's arguments: a portal module when its
//   "--app=" address names one, else Edge with those arguments;
// - a path (it has a "/" and is no web address): that program;
// - "http://localhost:5055/" in it: a page of the local web service, on the
//   database server's host;
// - anything else: a program of this program's folder (name case ignored).
// A program receives one argument, the session's parameter text (server,
// database, user, password, parameter, till), as the suite's programs read it;
// the server and database are those of `base`, the company's.
//
// `Parametro` becomes the text after its first blank, when it has one.
// `Resultado`, 0 on entry, receives the started program's process id, 1 for
// a page, the browser or a portal module, and stays 0 when nothing started.
void MenuExes(DB_Dll& base, QString& Programa, QString& Parametro, qint32& Resultado);

// Opens an address or document with the desktop's default handler; reports
// a blank address and a failure itself.
void AbrirURL(const QString& URL);
