#include "equivalences/HistorialEquivalencias.h"

#include "database/DB_Dll.h"
#include "database/TextoSQL.h"
#include "equivalences/CodigosEquivalencia.h"
#include "session/Sesion.h"
#include "suitesupport/QvSistema.h"

#include <QUuid>

namespace {

const QString kNotar =
    "INSERT INTO HISTORIAL_EQUIVALENCIAS (FECHA, USUARIO, EQUIPO, OPERACION, ORIGEN, GRABACION, IDARTICULO, "
    "IDUNIDAD, IDUNIDAD_EQUIV, COEFICIENTE_ANTERIOR, COEFICIENTE_NUEVO, PARATODOS_ANTERIOR, PARATODOS_NUEVO) "
    "SELECT ?, ?, ?, ?, ?, ?, ";

QString consulta(const QString& condicion)
{
    return "SELECT ID, FECHA AS Fecha, OPERACION AS Operacion, IDARTICULO AS Articulo, IDUNIDAD AS Unidad, "
           "IDUNIDAD_EQUIV AS Equivalente, COEFICIENTE_ANTERIOR AS Antes, COEFICIENTE_NUEVO AS Despues, "
           "PARATODOS_ANTERIOR AS ParaTodosAntes, PARATODOS_NUEVO AS ParaTodosDespues, ORIGEN AS Origen, "
           "USUARIO AS Usuario, EQUIPO AS Equipo FROM HISTORIAL_EQUIVALENCIAS WHERE "
           + condicion + " ORDER BY ID DESC";
}

}  // namespace

QString HistorialEquivalencias::ConsultaDelArticulo(const QString& articulo)
{
    return consulta("IDARTICULO = " + EntreComillas(articulo));
}

QString HistorialEquivalencias::ConsultaDelPar(const QString& unidad, const QString& equivalente)
{
    return consulta(condicionDelPar(unidad, equivalente));
}

QString HistorialEquivalencias::Nombre(Origen origen)
{
    switch (origen) {
    case Origen::Articulo: return "ARTICULO";
    case Origen::Generica: return "GENERICA";
    case Origen::Verificacion: return "VERIFICAR";
    case Origen::Importacion: return "IMPORTACION";
    case Origen::Deshacer: return "DESHACER";
    }
    return {};
}

HistorialEquivalencias::HistorialEquivalencias(DB_Dll& base, Origen origen)
    : base_(base),
      origen_(Nombre(origen)),
      grabacion_(QUuid::createUuid().toString(QUuid::WithoutBraces)),
      fecha_(QDateTime::currentDateTime()),
      usuario_(gSesion().gUsuarioLogeado.left(50)),
      equipo_(QvSistema::NombreEquipo().left(100))
{
}

QVector<Variant> HistorialEquivalencias::firma(const char* operacion) const
{
    return {fecha_, usuario_, equipo_, QString(operacion), origen_, grabacion_};
}

void HistorialEquivalencias::AntesDeCambiar(const QString& condicion, const QVector<Variant>& valores,
                                            const Variant& coeficiente, const std::optional<Variant>& paraTodos)
{
    QVector<Variant> ligados = firma(kModificacion) + QVector<Variant>{coeficiente};
    if (paraTodos) ligados.append(*paraTodos);
    long notadas = 0;
    base_.gCnn.Execute(kNotar + "IDARTICULO, IDUNIDAD, IDUNIDAD_EQUIV, COEFICIENTE, ?, PARATODOS, "
                           + (paraTodos ? "?" : "PARATODOS") + " FROM S_TA_EQUIV WHERE " + condicion,
                       ligados + valores, notadas);
}

void HistorialEquivalencias::AntesDeBorrar(const QString& condicion, const QVector<Variant>& valores)
{
    long notadas = 0;
    base_.gCnn.Execute(kNotar + "IDARTICULO, IDUNIDAD, IDUNIDAD_EQUIV, COEFICIENTE, NULL, PARATODOS, NULL FROM S_TA_EQUIV WHERE "
                           + condicion,
                       firma(kBaja) + valores, notadas);
}

void HistorialEquivalencias::AntesDeAgregar(const QString& articulos, const QVector<Variant>& valores,
                                            const QString& unidad, const QString& equivalente,
                                            const Variant& coeficiente, const Variant& paraTodos)
{
    long notadas = 0;
    base_.gCnn.Execute(kNotar + "A.IDARTICULO, ?, ?, NULL, ?, NULL, ? " + articulos,
                       firma(kAlta) + QVector<Variant>{unidad, equivalente, coeficiente, paraTodos} + valores,
                       notadas);
}

void HistorialEquivalencias::Agregadas(const QString& condicion, const QVector<Variant>& valores)
{
    long notadas = 0;
    base_.gCnn.Execute(kNotar + "IDARTICULO, IDUNIDAD, IDUNIDAD_EQUIV, NULL, COEFICIENTE, NULL, PARATODOS FROM S_TA_EQUIV WHERE "
                           + condicion,
                       firma(kAlta) + valores, notadas);
}
