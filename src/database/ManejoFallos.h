#pragma once

#include "platform/ErrorVB.h"
#include "platform/TrapErrores.h"

#include <QString>

#include <functional>
#include <optional>

namespace db {
class Errors;
}

// What the login window is filled with and what the operator typed in it.
struct DatosAcceso {
    QString dbName;
    QString servidor;
    QString usuario;
    QString password;
    int plataforma = 0;  // 0 SQL Server, 1 Oracle
};

// A database object's link to the server, as a question about it names it.
struct EnlaceBase {
    QString servidor;
    QString base;
    QString rutina;
};

// What a database object cannot settle by itself when something fails: the
// program's answer, asked of the operator by the interactive handler (the
// session layer makes it) or given without a word by the quiet one
// (ManejoSilencioso), which hands every failure to the object's caller. The
// object shows nothing, opens no window and lets no window events run.
class ManejoFallos {
public:
    virtual ~ManejoFallos() = default;

    // A quiet object's failures reach its caller: lookups and record sets
    // raise them, statements leave them in the connection's error list, and
    // a lost link is tried again quietly a few times before that.
    virtual bool Silencioso() const = 0;

    // The class's own error treatment (the database copy): the button pressed.
    virtual int TratamientoErrores(const ErrorVB& error, int botones, const QString& rutina,
                                   const QString& archivoErrores) = 0;
    // The support library's treatment of a failed step.
    virtual Respuesta TratarError(const ErrorVB& error, const QString& rutina) = 0;
    // A lookup's failure that no reconnection settles.
    virtual Respuesta FalloDeBusqueda(const ErrorVB& error) = 0;
    // A statement's failure the operator is told of; it is not run again.
    virtual void FalloDeSentencia(const ErrorVB& error) = 0;
    // A statement that found no connection to run on.
    virtual void SinConexion() = 0;

    // The connection could not be opened; `errores` holds the server's
    // reasons. True when the operator wants to try again with new parameters.
    virtual bool ReintentarApertura(const ErrorVB& error, const db::Errors& errores, const EnlaceBase& enlace,
                                    const QString& usuario) = 0;
    // Connection parameters, asked when none were given or after a failed
    // open; false when none are given.
    virtual bool PedirParametros(DatosAcceso& datos) = 0;

    // The link is lost and the quiet attempts failed. Reintentar once
    // `reconectar` brought it back, Salir when the program is to end, Seguir
    // to treat the failure the ordinary way (another one is already asking).
    virtual Respuesta PerdidaDeConexion(const EnlaceBase& enlace, const std::function<bool()>& reconectar) = 0;
    // A statement's or a lookup's lost link after its quiet attempts: true to
    // try again, false to give up (the program is then to end).
    virtual bool ReintentarTrasPerdida(const EnlaceBase& enlace) = 0;

    // A Microsoft Access file to open, its password, and why it did not open.
    virtual std::optional<QString> ElegirArchivo(const QString& titulo, const QString& filtro) = 0;
    virtual QString PedirClave() = 0;
    virtual void FalloDeArchivo(const ErrorVB& error) = 0;

    // Called after each record set is read, where the window's events may run.
    virtual void DespuesDeLeer() = 0;
};

// The handler of objects that never ask: replication targets, the remote
// link, the search box's own connection, the tools.
class ManejoSilencioso : public ManejoFallos {
public:
    bool Silencioso() const override { return true; }
    [[noreturn]] int TratamientoErrores(const ErrorVB& error, int, const QString&, const QString&) override
    {
        throw error;
    }
    [[noreturn]] Respuesta TratarError(const ErrorVB& error, const QString&) override { throw error; }
    [[noreturn]] Respuesta FalloDeBusqueda(const ErrorVB& error) override { throw error; }
    void FalloDeSentencia(const ErrorVB&) override {}
    void SinConexion() override {}
    bool ReintentarApertura(const ErrorVB&, const db::Errors&, const EnlaceBase&, const QString&) override
    {
        return false;
    }
    bool PedirParametros(DatosAcceso&) override { return false; }
    Respuesta PerdidaDeConexion(const EnlaceBase&, const std::function<bool()>&) override { return Respuesta::Seguir; }
    bool ReintentarTrasPerdida(const EnlaceBase&) override { return false; }
    std::optional<QString> ElegirArchivo(const QString&, const QString&) override { return std::nullopt; }
    QString PedirClave() override { return {}; }
    void FalloDeArchivo(const ErrorVB&) override {}
    void DespuesDeLeer() override {}
};
