#include "equivalences/ModeloEquivalencias.h"

#include "database/DB_Dll.h"
#include "equivalences/CodigosEquivalencia.h"
#include "equivalences/MensajesEquivalencias.h"
#include "equivalences/RelacionInversa.h"
#include "platform/ErrorVB.h"
#include "platform/VbText.h"
#include "suitesupport/QvFunciones.h"

// Checking what was entered, one field at a time, and the line that states
// the relation in words.

namespace {

QString notaOtrosCoeficientes(int articulos)
{
    return articulos == 1 ? QStringLiteral(" (1 artículo tiene otro coeficiente)")
                          : QStringLiteral(" (%1 artículos tienen otro coeficiente)").arg(articulos);
}

}  // namespace

ModeloEquivalencias::Relacion ModeloEquivalencias::relacion(Pestana pestana)
{
    return pestana == Pestana::Equivalencias ? Relacion{Campo::IdUnidad, Campo::IdUnidad_Equiv, Campo::Coeficiente}
                                             : Relacion{Campo::IdUnidad2, Campo::IdUnidad_Equiv2, Campo::Coeficiente2};
}

ModeloEquivalencias::Validacion ModeloEquivalencias::CampoValida(Campo campo)
{
    HayError_ = false;
    std::optional<QString> falla;
    try {
        falla = validar(campo, vb::Trim(Valor(campo)));
    } catch (const ErrorVB&) {
        return {Validacion::Resultado::Interrumpida, {}};
    }
    if (!falla) return {};
    HayError_ = true;
    return {Validacion::Resultado::Falla, *falla};
}

// Each tab's fields are checked only while that tab is shown.
std::optional<QString> ModeloEquivalencias::validar(Campo campo, const QString& T)
{
    if (Definicion(campo).pestana != pestana_) return std::nullopt;
    switch (campo) {
    case Campo::IdArticulo: return validarArticulo(T);
    case Campo::IdUnidad: return validarUnidad(T);
    case Campo::IdUnidad_Equiv: return validarUnidadEquivalente(T);
    case Campo::Coeficiente: return validarCoeficiente(Pestana::Equivalencias);
    case Campo::IdUnidad2: return validarUnidad2(T);
    case Campo::IdUnidad_Equiv2: return validarUnidadEquivalente2(T);
    case Campo::Coeficiente2: return validarCoeficiente(Pestana::Especiales);
    }
    return std::nullopt;
}

std::optional<QString> ModeloEquivalencias::validarArticulo(const QString& T)
{
    const auto& articulo = filaDelCodigo(Campo::IdArticulo, "V_MA_ARTICULOS");
    if (!articulo) return kArticuloInexistente;
    // A Null base unit stops the check, as reading it as text raises.
    if (!Grabando_) cambiarValor(Campo::IdUnidad, vb::Trim(FilasDeCodigos::Valor(articulo, "IdUnidad").toText()));
    CargarEquivDelArticulo(T);
    mostrarEjemplo(Pestana::Equivalencias);
    return std::nullopt;
}

std::optional<QString> ModeloEquivalencias::validarUnidad(const QString& T)
{
    if (T.isEmpty()) return kInformarCodigo;
    if (!filaDelCodigo(Campo::IdUnidad, "V_TA_UNIDAD")) return kUnidadInexistente;
    mostrarEjemplo(Pestana::Equivalencias);
    return std::nullopt;
}

std::optional<QString> ModeloEquivalencias::validarUnidadEquivalente(const QString& T)
{
    if (T.isEmpty()) return kInformarCodigo;
    if (!filaDelCodigo(Campo::IdUnidad_Equiv, "V_TA_UNIDAD", "IDUNIDAD")) return kUnidadInexistente;
    if (vb::IsBlank(codigoArticulo(Valor(Campo::IdArticulo)))) return kInformarArticulo;
    if (vb::IsBlank(codigoUnidad(Valor(Campo::IdUnidad)))) return kInformarUnidad;
    if (vb::IsBlank(codigoUnidad(Valor(Campo::IdUnidad_Equiv)))) return kInformarEquivalente;
    entrarSegunExista(equivalenciaDeLaClave(condicionPorArticulo()));
    if (modo_ == Modo::Modificacion && !Grabando_) CargarCampos();
    mostrarEjemplo(Pestana::Equivalencias);
    emit claveCompleta();
    return std::nullopt;
}

std::optional<QString> ModeloEquivalencias::validarUnidad2(const QString& T)
{
    if (T.isEmpty()) return std::nullopt;
    if (!filaDelCodigo(Campo::IdUnidad2, "V_TA_UNIDAD", "IdUnidad")) return kUnidadInexistente;
    mostrarEjemplo(Pestana::Especiales);
    return std::nullopt;
}

std::optional<QString> ModeloEquivalencias::validarUnidadEquivalente2(const QString& T)
{
    if (T.isEmpty()) return std::nullopt;
    const QString U = codigoUnidad(Valor(Campo::IdUnidad2));
    const QString E = codigoUnidad(Valor(Campo::IdUnidad_Equiv2));
    if (!filaDelCodigo(Campo::IdUnidad_Equiv2, "V_TA_UNIDAD", "IDUNIDAD")) return kUnidadInexistente;
    if (vb::IsBlank(U)) return kInformarUnidad;
    if (vb::IsBlank(E)) return kInformarEquivalente;
    entrarSegunExista(equivalenciaDeLaClave(" ParaTodos = 1 AND " + condicionDelPar(U, E)));
    otrosCoeficientes_ = 0;
    if (modo_ == Modo::Modificacion && !Grabando_) cargarCoeficienteEspecial(U, E);
    emit claveCompleta();
    mostrarEjemplo(Pestana::Especiales);
    return std::nullopt;
}

// A coefficient must say how many equivalent units make one: a number, with
// "." or "," as decimal separator, that is still above zero once stored
// (AsignarCampo keeps four decimals). Between equal units it must be 1.
std::optional<QString> ModeloEquivalencias::validarCoeficiente(Pestana pestana)
{
    const Relacion campos = relacion(pestana);
    const QString coeficiente = Valor(campos.coeficiente);
    if (!vb::ParseNumber(coeficiente)) return kCoeficientePositivo;
    const double almacenado = QvFunciones::TextoAMoneda(coeficiente);
    if (almacenado <= 0) return kCoeficientePositivo;
    const bool mismaUnidad =
        vb::SameText(vb::Trim(codigoUnidad(Valor(campos.unidad))), vb::Trim(codigoUnidad(Valor(campos.equivalente))));
    if (mismaUnidad && almacenado != 1) {
        cambiarValor(campos.coeficiente, "1");
        return kMismaUnidad;
    }
    mostrarEjemplo(pestana);
    return std::nullopt;
}

// A key that exists is edited; one that does not is added.
void ModeloEquivalencias::entrarSegunExista(bool existe) { modo_ = existe ? Modo::Modificacion : Modo::Alta; }

void ModeloEquivalencias::mostrarEjemplo(Pestana pestana) { emit ejemploCambiado(pestana, lineaEjemplo(pestana)); }

QString ModeloEquivalencias::lineaEjemplo(Pestana pestana) const
{
    const Relacion campos = relacion(pestana);
    const QString unidad = descripcionDeUnidad(campos.unidad);
    const QString equivalente = descripcionDeUnidad(campos.equivalente);
    QString linea = "Ej:  1 " + unidad + " equivale a " + Valor(campos.coeficiente) + " " + equivalente;
    if (pestana == Pestana::Especiales && otrosCoeficientes_ > 0) linea += notaOtrosCoeficientes(otrosCoeficientes_);
    return linea + lineaInversa(Valor(campos.coeficiente), unidad, equivalente);
}

const std::optional<FilasDeCodigos::Fila>& ModeloEquivalencias::filaDelCodigo(Campo campo, const char* tabla,
                                                                             const char* clave) const
{
    const DefinicionCampo& definicion = Definicion(campo);
    return codigos_.Leer(Indice(campo), tabla ? tabla : definicion.tabla, clave ? clave : definicion.clave,
                         Valor(campo));
}

// A unit that does not exist has no description.
QString ModeloEquivalencias::descripcionDeUnidad(Campo campo) const
{
    return FilasDeCodigos::Texto(filaDelCodigo(campo, "v_ta_unidad", "idunidad"), "descripcion");
}

QString ModeloEquivalencias::Descripcion(Campo campo, const QString& columna) const
{
    return vb::Trim(FilasDeCodigos::Texto(filaDelCodigo(campo), columna));
}
