#pragma once

#include "database/TablasPropias.h"
#include "platform/Variant.h"

#include <QDateTime>
#include <QString>
#include <QVector>

#include <optional>

class DB_Dll;

// The history of S_TA_EQUIV as this program changes it: one row per row
// inserted, changed or deleted, with who, where, when, the coefficient and
// PARATODOS before and after, and the save it belongs to. Each note is
// written by the same connection as the change, inside its transaction, so a
// change taken back leaves no note behind.
class HistorialEquivalencias {
public:
    static constexpr TablaPropia kTabla{
        "HISTORIAL_EQUIVALENCIAS",
        "CREATE TABLE HISTORIAL_EQUIVALENCIAS (ID int IDENTITY(1,1) PRIMARY KEY, FECHA datetime, "
        "USUARIO varchar(50), EQUIPO varchar(100), OPERACION varchar(15) NOT NULL, ORIGEN varchar(15) NOT NULL, "
        "GRABACION varchar(36) NOT NULL, IDARTICULO varchar(25) NOT NULL, IDUNIDAD varchar(4) NOT NULL, "
        "IDUNIDAD_EQUIV varchar(4) NOT NULL, COEFICIENTE_ANTERIOR numeric(18,6), COEFICIENTE_NUEVO numeric(18,6), "
        "PARATODOS_ANTERIOR smallint, PARATODOS_NUEVO smallint)",
        {"CREATE INDEX IX_HISTORIAL_EQUIV_GRABACION ON HISTORIAL_EQUIVALENCIAS (GRABACION)",
         "CREATE INDEX IX_HISTORIAL_EQUIV_CLAVE ON HISTORIAL_EQUIVALENCIAS (IDUNIDAD, IDUNIDAD_EQUIV, IDARTICULO)"}};

    // What kind of save a note belongs to.
    enum class Origen { Articulo, Generica, Verificacion, Importacion, Deshacer };
    static QString Nombre(Origen origen);

    static constexpr char kAlta[] = "ALTA";
    static constexpr char kModificacion[] = "MODIFICACION";
    static constexpr char kBaja[] = "BAJA";

    // The notes of an article, or of a pair of units (codes already
    // normalised), newest first, as the lookups' list window shows them.
    static QString ConsultaDelArticulo(const QString& articulo);
    static QString ConsultaDelPar(const QString& unidad, const QString& equivalente);

    // A save of that kind by the signed-in user on this computer, now; every
    // note it writes carries the same new identifier and time.
    HistorialEquivalencias(DB_Dll& base, Origen origen);

    const QString& Grabacion() const { return grabacion_; }

    // Notes the rows of S_TA_EQUIV the condition picks, as they are now,
    // before they change to `coeficiente` and to `paraTodos` (none: each
    // keeps its own).
    void AntesDeCambiar(const QString& condicion, const QVector<Variant>& valores, const Variant& coeficiente,
                        const std::optional<Variant>& paraTodos);
    // Notes the rows the condition picks, as they are now, before they go.
    void AntesDeBorrar(const QString& condicion, const QVector<Variant>& valores);
    // Notes the rows an INSERT ... SELECT is about to add: `articulos` is its
    // "FROM ... WHERE ..." over articles aliased A, with its own values.
    void AntesDeAgregar(const QString& articulos, const QVector<Variant>& valores, const QString& unidad,
                        const QString& equivalente, const Variant& coeficiente, const Variant& paraTodos);
    // Notes the rows of S_TA_EQUIV the condition picks, as they are now, just added.
    void Agregadas(const QString& condicion, const QVector<Variant>& valores);

private:
    QVector<Variant> firma(const char* operacion) const;

    DB_Dll& base_;
    QString origen_;
    QString grabacion_;
    QDateTime fecha_;
    QString usuario_;
    QString equipo_;
};
