#pragma once

#include "platform/Variant.h"

#include <QString>
#include <QStringList>
#include <QVector>

// The company's settings: key-value rows of TA_CONFIGURACION, read and
// written one by one, cached in memory by the suite's sales programs, and the
// most used ones loaded into session fields at start-up.

// Name of the settings table; "ta_configuracion" once the settings are
// loaded, TA_CONFIGURACION when blank.
QString& gTablaConfiguracion();

// The value of a key (`ValorAux` receives its auxiliary value). " " when the
// key does not exist, "" when the company database is not open. A group other
// than "DATOS" must match; "DATOS" finds the key in any group. A missing
// settings table is reported by the first read only: later reads give " " and
// writes are skipped, without a word.
QString Cfg(const QString& Clave, QString& ValorAux, const QString& Grupo = "DATOS");
QString Cfg(const QString& Clave, const QString& Grupo = "DATOS");
// A key's value and auxiliary value, as Cfg gives them.
struct ValorCfg {
    QString valor;
    QString valorAux;
};
// Several keys of group "DATOS" read as Cfg reads each, in one statement;
// the values come in the order of the keys.
QVector<ValorCfg> CfgVarias(const QStringList& Claves);
// Writes a key, adding its row when missing; never reports a failure.
void GrabaCfg(const QString& Clave, const Variant& Valor, const QString& ValorAux = {}, bool PoliticaNegocio = false,
              const QString& Grupo = "DATOS", bool RecortarValor = true, bool BorrarExistente = false);
// The same on the statistics database, by key alone and without cache.
QString CfgVX(const QString& Clave, QString& ValorAux);
void GrabaCfgVX(const QString& Clave, const Variant& Valor, const QString& ValorAux = {}, bool PoliticaNegocio = false,
                const QString& Grupo = "DATOS", bool RecortarValor = true);

// Loads the whole table into the cache (programs that use it only). Values
// over 8000 bytes stay out and are read from the table when asked for.
void CfgCachePrecargarConfiguracion(bool Forzar);
// Removes one key from the cache; a blank key empties it and forgets the
// settings tables found missing.
void CfgQuitarDelCache(const QString& Tabla, const QString& Grupo, const QString& Clave);
// Loads the most used settings into the session; `RutaPrograma` ends in "/".
void CfgMasUsadas(const QString& RutaPrograma);

// The data of a business unit, with the company's settings as fallbacks.
void DatosUnidadNegocio(const QString& UNegocio, QString& RazonSocial, QString& Cuit, QString& InicioActividades,
                        QString& IngresosBrutos, QString& CondicionIva, QString& PuntoVenta, QString& Domicilio);

// The programs of the suite that keep the settings in memory (sales and
// automatic invoicing), and those whose sales decimals replace the general
// ones; names compared with the executable's, case ignored. This program is
// in neither, so both lists are empty unless a caller fills them.
QStringList& ProgramasConCacheDeConfiguracion();
QStringList& ProgramasDeVentas();
