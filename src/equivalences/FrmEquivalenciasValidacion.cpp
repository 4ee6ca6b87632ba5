#include "equivalences/FrmEquivalencias.h"

#include "commandbar/UtilVex.h"
#include "database/DB_Dll.h"
#include "database/TextoSQL.h"
#include "equivalences/CodigosEquivalencia.h"
#include "platform/VbText.h"
#include "platform/ui/BoundLabel.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/TextField.h"
#include "vendor/QvCampos.h"
#include "vendor/QvFunciones.h"

#include <QLabel>
#include <QTabWidget>

// Checking the entry fields one at a time and together, and the lines that
// describe what was entered.

namespace {

constexpr char kTituloAviso[] = "Aviso al operador...";
constexpr char kSinDescripcion[] = "...";

constexpr char kArticuloInexistente[] = " Codigo de Articulo Inexistente";
constexpr char kInformarCodigo[] = " Debe informar el Codigo!";
constexpr char kUnidadInexistente[] = " Codigo de Unidad Inexistente";
constexpr char kInformarArticulo[] = " Debe Informar el Artículo ";
constexpr char kInformarUnidad[] = " Debe Informar la Unidad ";
constexpr char kInformarEquivalente[] = " Debe Informar la Unidad Equivalente";
constexpr char kMismaUnidad[] = "Si las equivalencias son las mismas, la cantidad debe ser 1";
constexpr char kCoeficientePositivo[] = " El Coeficiente debe ser un numero mayor que cero";

bool es(const QString& campo, const char* nombre) { return vb::SameText(campo, nombre); }

// Every unit field, on either tab, is looked up by the unit table's key.
QString columnaClave(const QString& dataField)
{
    static const QStringList unidades{"IdUnidad_Equiv", "IdUnidad2", "IdUnidad_Equiv2"};
    return unidades.contains(dataField, Qt::CaseInsensitive) ? QStringLiteral("IDunidad") : dataField;
}

// A label describes the fields bound to its column that have a lookup table.
bool describe(const BoundLabel& etiqueta, const TextField& campo)
{
    const QString dataField = vb::Trim(campo.dataField());
    const QString tabla = vb::Trim(campo.tag());
    if (dataField.isEmpty() || tabla.isEmpty() || vb::SameText(tabla, "FECHA")) return false;
    return vb::SameText(dataField, vb::Trim(etiqueta.dataField()));
}

QString notaOtrosCoeficientes(int articulos)
{
    return articulos == 1 ? QStringLiteral(" (1 artículo tiene otro coeficiente)")
                          : QStringLiteral(" (%1 artículos tienen otro coeficiente)").arg(articulos);
}

QString unidad(const QString& texto) { return codigoUnidad(vb::Trim(texto)); }

}  // namespace

// A coefficient must say how many equivalent units make one: a number, with
// "." or "," as decimal separator, that is still above zero once stored
// (AsignarCampo keeps four decimals). Between equal units it must be 1.
std::optional<QString> FrmEquivalencias::validarCoeficiente(TextField& coeficiente, const QString& unidadTexto,
                                                            const QString& equivalenteTexto)
{
    if (!vb::ParseNumber(coeficiente.text())) return QString(kCoeficientePositivo);
    const double almacenado = QvFunciones::TextoAMoneda(coeficiente.text());
    if (almacenado <= 0) return QString(kCoeficientePositivo);
    const bool mismaUnidad = vb::SameText(vb::Trim(unidad(unidadTexto)), vb::Trim(unidad(equivalenteTexto)));
    if (mismaUnidad && almacenado != 1) {
        coeficiente.setText("1");
        return QString(kMismaUnidad);
    }
    return std::nullopt;
}

void FrmEquivalencias::CampoValida(TextField& texto)
{
    HayError_ = false;
    const QString T = vb::Trim(texto.text());
    const QString F = vb::Trim(texto.dataField());
    const int pestana = SSTab1->currentIndex();
    DB_Dll& base = gBaseDatos();
    std::optional<QString> falla;

    try {
        if (es(F, "IDArticulo") && pestana == 0) {
            if (!base.ExisteEnTabla("V_MA_ARTICULOS", T, F, &RegistroActual, 8, {}, false)) {
                falla = kArticuloInexistente;
            } else {
                if (!Grabando) campo("IdUnidad").setText(vb::Trim(RegistroActual.Fields("IdUnidad").Value().toText()));
                CargarEquivDelArticulo(T);
                mostrarEjemplo();
            }
        } else if (es(F, "IdUnidad") && pestana == 0) {
            if (T.isEmpty())
                falla = kInformarCodigo;
            else if (!base.ExisteEnTabla("V_TA_UNIDAD", T, F))
                falla = kUnidadInexistente;
            else
                mostrarEjemplo();
        } else if (es(F, "IdUnidad_Equiv") && pestana == 0) {
            const QString articulo = codigoArticulo(vb::Trim(campo("IdArticulo").text()));
            const QString u = unidad(campo("IdUnidad").text());
            const QString e = unidad(campo("IdUnidad_Equiv").text());
            if (T.isEmpty())
                falla = kInformarCodigo;
            else if (!base.ExisteEnTabla("V_TA_UNIDAD", T, "IDUNIDAD"))
                falla = kUnidadInexistente;
            else if (vb::IsBlank(articulo))
                falla = kInformarArticulo;
            else if (vb::IsBlank(u))
                falla = kInformarUnidad;
            else if (vb::IsBlank(e))
                falla = kInformarEquivalente;
            if (!falla) {
                const bool existe = cargarEquivalencia(condicionPorArticulo());
                EnAlta_ = !existe;
                EnModificacion_ = existe;
                EnBaja_ = false;
                if (existe && !Grabando) CargarCampos();
                mostrarEjemplo();
                DetalleOn(true);
            }
        } else if (es(F, "Coeficiente") && pestana == 0) {
            falla = validarCoeficiente(texto, campo("IdUnidad").text(), campo("IdUnidad_Equiv").text());
            if (!falla) mostrarEjemplo();
        } else if (es(F, "IdUnidad2") && pestana == 1) {
            if (!T.isEmpty() && !base.ExisteEnTabla("V_TA_UNIDAD", T, "IdUnidad"))
                falla = kUnidadInexistente;
            else if (!T.isEmpty())
                mostrarEjemplo2();
        } else if (es(F, "IdUnidad_Equiv2") && pestana == 1 && !T.isEmpty()) {
            const QString u = unidad(campo("IdUnidad2").text());
            const QString e = unidad(campo("IdUnidad_Equiv2").text());
            if (!base.ExisteEnTabla("V_TA_UNIDAD", T, "IDUNIDAD"))
                falla = kUnidadInexistente;
            else if (vb::IsBlank(u))
                falla = kInformarUnidad;
            else if (vb::IsBlank(e))
                falla = kInformarEquivalente;
            if (!falla) {
                const bool existe = cargarEquivalencia(" ParaTodos = 1 AND IDUNIDAD = '" + ComillasDobladas(u)
                                                       + "' AND IDUNIDAD_EQUIV = '" + ComillasDobladas(e) + "'");
                EnAlta_ = !existe;
                EnModificacion_ = existe;
                EnBaja_ = false;
                otrosCoeficientes_ = 0;
                if (existe && !Grabando) cargarCoeficienteEspecial(u, e);
                DetalleOn(true);
                mostrarEjemplo2();
            }
        } else if (es(F, "Coeficiente2") && pestana == 1) {
            falla = validarCoeficiente(texto, campo("IdUnidad2").text(), campo("IdUnidad_Equiv2").text());
            if (!falla) mostrarEjemplo2();
        }
    } catch (const ErrorVB&) {
        // Any other failure shows whatever message was pending and leaves.
        MsgBox(falla.value_or(QString()), vb::vbInformation, kTituloAviso);
        texto.setFocus();
        return;
    }

    if (falla) {
        HayError_ = true;
        // Nothing shown may describe what was just refused.
        mostrarDescripciones(&texto);
        (texto.index() < campo("IdUnidad2").index() ? LblEj : LblEj2)->clear();
        MsgBox(*falla, vb::vbInformation, kTituloAviso);
        texto.setFocus();
        return;
    }
    if (!vb::IsBlank(texto.tag())) VerRelacion();
}

// The record is kept updatable: the save writes into it.
bool FrmEquivalencias::cargarEquivalencia(const QString& condicion)
{
    return gBaseDatos().ExisteEnTabla("S_TA_EQUIV", {}, "Codigo", &RegistroActual, 8, condicion, false);
}

QString FrmEquivalencias::condicionPorArticulo() const
{
    const QString articulo = codigoArticulo(vb::Trim(campo("IdArticulo").text()));
    return " IDARTICULO = '" + ComillasDobladas(articulo) + "' AND IDUNIDAD = '"
           + ComillasDobladas(unidad(campo("IdUnidad").text())) + "' AND IDUNIDAD_EQUIV = '"
           + ComillasDobladas(unidad(campo("IdUnidad_Equiv").text())) + "'";
}

bool FrmEquivalencias::Datosvalidos()
{
    HayError_ = false;
    for (TextField* campoTexto : Txtfields) {
        CampoValida(*campoTexto);
        if (HayError_) break;
    }
    return !HayError_;
}

// What a label shows for the code now in the field: "..." while the field is
// blank, nothing when the code is unknown.
QString FrmEquivalencias::descripcion(const BoundLabel& etiqueta, const TextField& campoTexto) const
{
    if (vb::IsBlank(campoTexto.text())) return kSinDescripcion;
    return vb::Trim(gBaseDatos()
                        .DatosTabla(vb::Trim(campoTexto.tag()), vb::Trim(campoTexto.text()), vb::Trim(etiqueta.tag()),
                                    columnaClave(vb::Trim(etiqueta.dataField())), 8, {})
                        .textOrEmpty());
}

void FrmEquivalencias::mostrarDescripciones(const TextField* soloDe)
{
    for (BoundLabel* etiqueta : LblDesc) {
        for (const TextField* campoTexto : Txtfields) {
            if ((soloDe && campoTexto != soloDe) || !describe(*etiqueta, *campoTexto)) continue;
            etiqueta->setText(descripcion(*etiqueta, *campoTexto));
        }
    }
}

void FrmEquivalencias::VerRelacion()
{
    for (BoundLabel* etiqueta : LblDesc) {
        for (TextField* campoTexto : Txtfields) {
            if (!describe(*etiqueta, *campoTexto)) continue;
            etiqueta->setText(descripcion(*etiqueta, *campoTexto));
            if (etiqueta->text().isEmpty()) {
                HayError_ = true;
                MsgBox("Codigo Inexistente, Tabla " + campoTexto->tag(), vb::vbInformation, kTituloAviso);
                TextField& actual = *Txtfields[CampoActual];
                actual.setSelection(0, static_cast<int>(vb::Trim(actual.text()).size()));
            }
        }
    }
}

void FrmEquivalencias::DetalleOn(bool Off)
{
    UtilVex1->SetNuevoEnabled(!Off);
    // Only a saved row can be deleted.
    UtilVex1->SetBorrarEnabled(Off && EnModificacion_);
    UtilVex1->SetGrabarEnabled(Off);
    UtilVex1->SetCancelarEnabled(Off);
    UtilVex1->SetCerrarEnabled(!Off);
    if (!Off) campo("IdArticulo").setEnabled(!ArticuloFijo_);
    for (TextField* campoTexto : Txtfields) {
        if (vb::SameText(campoTexto->dataField(), "COEFICIENTE")) campoTexto->setEnabled(Off);
    }
}

void FrmEquivalencias::CargarCampos()
{
    EnModificacion_ = true;
    QvCampos::CargarCamposRegistro(Txtfields, RegistroActual);
}

QString FrmEquivalencias::lineaEjemplo(const QString& unidadTexto, const QString& coeficiente,
                                       const QString& equivalente)
{
    const auto descripcion = [](const QString& codigo) {
        return gBaseDatos().DatosTabla("v_ta_unidad", codigo, "descripcion", "idunidad", 8, {}).textOrEmpty();
    };
    return "Ej:  1 " + descripcion(unidadTexto) + " equivale a " + coeficiente + " " + descripcion(equivalente);
}

void FrmEquivalencias::mostrarEjemplo()
{
    LblEj->setText(lineaEjemplo(campo("IdUnidad").text(), campo("Coeficiente").text(), campo("IdUnidad_Equiv").text()));
}

void FrmEquivalencias::mostrarEjemplo2()
{
    QString linea =
        lineaEjemplo(campo("IdUnidad2").text(), campo("Coeficiente2").text(), campo("IdUnidad_Equiv2").text());
    if (otrosCoeficientes_ > 0) linea += notaOtrosCoeficientes(otrosCoeficientes_);
    LblEj2->setText(linea);
}

// A generic pair's rows may differ where an article was saved later with its
// own value: the coefficient shown is the one most of them carry.
void FrmEquivalencias::cargarCoeficienteEspecial(const QString& unidadTexto, const QString& equivalente)
{
    db::Recordset coeficientes;
    gBaseDatos().AbrirRecordset(
        "SELECT COEFICIENTE, COUNT(*) AS FILAS FROM S_TA_EQUIV WHERE ParaTodos = 1 AND IDUNIDAD = '"
            + ComillasDobladas(unidadTexto) + "' AND IDUNIDAD_EQUIV = '" + ComillasDobladas(equivalente)
            + "' GROUP BY COEFICIENTE ORDER BY COUNT(*) DESC, COEFICIENTE",
        coeficientes);
    if (coeficientes.State() != db::ado::adStateOpen || coeficientes.Eof()) return;
    campo("Coeficiente2").setText(vb::Trim(QvFunciones::ValorATexto(coeficientes.Fields("COEFICIENTE").Value())));
    for (coeficientes.MoveNext(); !coeficientes.Eof(); coeficientes.MoveNext()) {
        otrosCoeficientes_ += static_cast<int>(coeficientes.Fields("FILAS").Value().toLong());
    }
}
