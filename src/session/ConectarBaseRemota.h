#pragma once

#include <QString>

class DB_Dll;

// The link to another company's or point of sale's database, beside the
// company and statistics ones. Its object is quiet: a database that cannot
// be reached never asks the operator, never opens the login window and never
// ends the program.
DB_Dll& gBaseRemota();

// Opens the remote object on `DbName` of `Servidor`; without a server, on
// the central statistics server named in the statistics database. True when
// it is open on return. A point of sale (`CodigoTPV` not empty) is marked
// CONECTADO = 1 in V_TA_TPV when reached, and CONECTADO = 0 with the time of
// the attempt when not, in the company database `empresa`. Port 3306 is never
// tried. `Reservado` is not used.
bool ConectarBaseRemota(DB_Dll& empresa, const QString& Servidor, const QString& DbName, const QString& Usuario,
                        const QString& Password, const QString& CodigoTPV, const QString& Puerto = {},
                        bool Reservado = true);

// Marks the point of sale `CodigoTPV` as ConectarBaseRemota does after an
// attempt that reached it or not, with the same error treatment.
void MarcarConexionTPV(DB_Dll& empresa, const QString& CodigoTPV, bool conectado);

// The central statistics server of this installation: the address written
// when none is set, the public names that stand for it, and its database.
namespace ServidorCentral {
inline constexpr char kDireccion[] = "estadisticas.quro.internal";
inline constexpr char kNombrePublico1[] = "estadisticas.quro.example";
inline constexpr char kNombrePublico2[] = "central.quro.example";
inline constexpr char kNombrePublicoRespaldo[] = "respaldo.quro.example";
inline constexpr char kBase[] = "VX_CENTRAL";
inline constexpr char kPassword[] = "CANTERASOLAR";
}  // namespace ServidorCentral
