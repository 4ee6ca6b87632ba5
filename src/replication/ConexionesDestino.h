#pragma once

#include <QString>
#include <QStringList>

#include <map>
#include <memory>

class DB_Dll;
struct DatosDestino;

// The links to the targets of the copies, kept from one save to the next:
// a server across a LAN charges several round trips for every new link.
// Each is a quiet database object: a target's failures never ask the operator.
class ConexionesDestino {
public:
    ConexionesDestino();
    ~ConexionesDestino();
    ConexionesDestino(const ConexionesDestino&) = delete;
    ConexionesDestino& operator=(const ConexionesDestino&) = delete;

    // The object of that target, created closed the first time.
    DB_Dll& De(const DatosDestino& datos);
    // Closes and forgets the links of targets no longer among these.
    void QuedarseCon(const QStringList& claves);

    static QString Clave(const DatosDestino& datos);

private:
    std::map<QString, std::unique_ptr<DB_Dll>> bases_;
};
