#include "equivalences/FrmEquivalencias.h"

#include "commandbar/UtilVex.h"
#include "database/DB_Dll.h"
#include "equivalences/AvanceEnCartel.h"
#include "equivalences/CodigosEquivalencia.h"
#include "equivalences/HallazgosGuardados.h"
#include "equivalences/ModeloGrillaEquivalencias.h"
#include "equivalences/PreviaGenerica.h"
#include "lookups/Lib_FrmCons3.h"
#include "platform/VbText.h"
#include "platform/ui/BoundLabel.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/TextField.h"
#include "replication/ModGruposEmp.h"
#include "suitesupport/QvCampos.h"
#include "suitesupport/QvPlanilla.h"

#include <QLabel>

// What the fields, the description labels, the example lines and the grids
// show of what the model decides, and where the focus goes when it refuses.

namespace {

constexpr char kTituloAviso[] = "Aviso al operador...";
constexpr char kTituloVerificacion[] = "Verificación de equivalencias";

// A label describes the fields bound to its column that have a lookup table.
bool describe(const BoundLabel& etiqueta, const TextField& campo)
{
    const QString dataField = vb::Trim(campo.dataField());
    const QString tabla = vb::Trim(campo.tag());
    if (dataField.isEmpty() || tabla.isEmpty() || vb::SameText(tabla, "FECHA")) return false;
    return vb::SameText(dataField, vb::Trim(etiqueta.dataField()));
}

}  // namespace

void FrmEquivalencias::Inicializa()
{
    modelo_.Inicializa();
    sinValidar_.clear();
    QvCampos::PrepararCampos(Txtfields, modelo_.TablaActiva(), base_.gCnn.ConnectionString());
    InicializaGrid();
    LblEj->setText({});
    LblEj2->setText({});
    mostrarDescripciones();
    if (modelo_.ArticuloFijo()) modelo_.CargarEquivDelArticulo(campo(Campo::IdArticulo).text());
    DetalleOn(false);
}

void FrmEquivalencias::FijarArticulo(const QString& codigo)
{
    modelo_.FijarArticulo(codigo);
    if (!modelo_.ArticuloFijo()) return;
    campo(Campo::IdArticulo).setEnabled(false);
    modelo_.LeerUnidadDelArticuloFijo();
    VerRelacion();
}

TextField& FrmEquivalencias::campo(Campo campo) const { return *Txtfields.at(ModeloEquivalencias::Indice(campo)); }

// The fields were made in the model's order: a field's index is its place there.
FrmEquivalencias::Campo FrmEquivalencias::campoDe(const TextField& texto)
{
    return ModeloEquivalencias::Campos().at(texto.index()).campo;
}

void FrmEquivalencias::mostrarValor(Campo campo, const QString& valor)
{
    TextField& destino = this->campo(campo);
    if (destino.text() != valor) destino.setText(valor);
}

QLabel& FrmEquivalencias::ejemplo(Pestana pestana) const
{
    return pestana == Pestana::Equivalencias ? *LblEj : *LblEj2;
}

// --- grids ------------------------------------------------------------------------------------

void FrmEquivalencias::InicializaGrid() { lineasPorArticulo_->Mostrar({}); }

// --- validation ---------------------------------------------------------------------------------

void FrmEquivalencias::CampoValida(TextField& texto)
{
    const ModeloEquivalencias::Validacion validacion = modelo_.CampoValida(campoDe(texto));
    using Resultado = ModeloEquivalencias::Validacion::Resultado;
    if (validacion.resultado == Resultado::Valida) {
        if (!vb::IsBlank(texto.tag())) VerRelacion();
        if (!modelo_.HayError()) sinValidar_.remove(texto.index());
        return;
    }
    if (validacion.resultado == Resultado::Falla) {
        // Nothing shown may describe what was just refused.
        mostrarDescripciones(&texto);
        ejemplo(ModeloEquivalencias::Campos().at(texto.index()).pestana).clear();
    }
    MsgBox(validacion.mensaje, vb::vbInformation, kTituloAviso);
    texto.setFocus();
}

bool FrmEquivalencias::Datosvalidos()
{
    modelo_.setHayError(false);
    for (TextField* campoTexto : Txtfields) {
        CampoValida(*campoTexto);
        if (modelo_.HayError()) break;
    }
    return !modelo_.HayError();
}

// What a label shows for the code now in the field: "..." while the field is
// blank, nothing when the code is unknown.
QString FrmEquivalencias::descripcion(const BoundLabel& etiqueta, const TextField& campoTexto) const
{
    if (vb::IsBlank(campoTexto.text())) return kSinDescripcion;
    return modelo_.Descripcion(campoDe(campoTexto), etiqueta.tag());
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
                modelo_.setHayError(true);
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
    UtilVex1->SetBorrarEnabled(Off && modelo_.modo() == Modo::Modificacion);
    UtilVex1->SetGrabarEnabled(Off);
    UtilVex1->SetCancelarEnabled(Off);
    UtilVex1->SetCerrarEnabled(!Off);
    if (!Off) campo(Campo::IdArticulo).setEnabled(!modelo_.ArticuloFijo());
    campo(Campo::Coeficiente).setEnabled(Off);
}

// --- saving ---------------------------------------------------------------------------------------

void FrmEquivalencias::ActualizarDatos()
{
    AvanceEnCartel cartel(base_.gDBName);
    if (const auto conversion = modelo_.ActualizarDatos(cartel)) mostrarErrorDeConversion(*conversion);
}

// A generic save writes over many articles: say how many, and what it overwrites, first.
bool FrmEquivalencias::confirmarGenerica()
{
    if (modelo_.pestana() != Pestana::Especiales) return true;
    PreviaGenerica previa = PreviaGenerica::Calcular(base_, codigoUnidad(modelo_.Valor(Campo::IdUnidad2)),
                                                     codigoUnidad(modelo_.Valor(Campo::IdUnidad_Equiv2)));
    previa.destinos = replicacion_.Destinos(modelo_.TablaActiva());
    return MsgBox(previa.Pregunta(), vb::vbQuestion + vb::vbYesNo, "Equivalencias Especiales") == vb::vbYes;
}

void FrmEquivalencias::EnviarPendientes()
{
    const std::optional<int> quedan = replicacion_.ReintentarPendientes();
    if (!quedan) return;
    const QString texto = *quedan == 0 ? QString("No quedan copias pendientes para otras bases de datos.")
                                       : "Quedan " + QString::number(*quedan)
                                             + " copias pendientes; se enviarán otra vez en la próxima grabación.";
    MsgBox(texto, vb::vbInformation, "Aviso al operador");
}

void FrmEquivalencias::Verificar()
{
    const QVector<Hallazgo> hallazgos = VerificacionEquivalencias(base_).Verificar();
    if (hallazgos.isEmpty()) {
        MsgBox("Las equivalencias son consistentes.", vb::vbInformation, kTituloVerificacion);
        return;
    }
    GuardarHallazgos(base_, hallazgos);
    Lib_FrmCons3 lista(base_);
    lista.setWindowTitle(kTituloVerificacion);
    lista.sql = kConsultaHallazgos;
    lista.CampoDevuelto = "ID";
    lista.CheckBoxes = true;
    lista.OrdenarPorLwv = false;
    lista.Form_Load();
    Service<Dialogs>::get().showModal(lista);
    completarGenericas(hallazgos, lista.Valores.isEmpty() ? QStringList{lista.ValorDevuelto} : lista.Valores);
    if (MsgBox("¿Desea exportar los hallazgos a una planilla?", vb::vbQuestion + vb::vbYesNo + vb::vbDefaultButton2,
               kTituloVerificacion)
        == vb::vbYes) {
        QvPlanilla::ExportarPlanilla(kConsultaHallazgos, base_.gCnn.ConnectionString(), kTituloVerificacion);
    }
}

// The chosen findings (by their number in the list) that are missing generic rows.
void FrmEquivalencias::completarGenericas(const QVector<Hallazgo>& hallazgos, const QStringList& elegidos)
{
    QVector<Hallazgo> faltantes;
    for (const QString& numero : elegidos) {
        const qsizetype i = vb::Trim(numero).toLongLong() - 1;
        if (i >= 0 && i < hallazgos.size() && hallazgos[i].tipo == Hallazgo::Tipo::FaltaGenerica)
            faltantes.append(hallazgos[i]);
    }
    if (faltantes.isEmpty()) return;
    const QString pregunta =
        faltantes.size() == 1
            ? QStringLiteral("¿Desea grabar la equivalencia genérica que falta?")
            : QStringLiteral("¿Desea grabar las %1 equivalencias genéricas que faltan?").arg(faltantes.size());
    if (MsgBox(pregunta, vb::vbQuestion + vb::vbYesNo, kTituloVerificacion) != vb::vbYes) return;
    modelo_.CompletarGenericas(faltantes);
}

void FrmEquivalencias::mostrarErrorDeConversion(const ModeloEquivalencias::ErrorDeConversion& error)
{
    TextField& campoTexto = campo(error.campo);
    MsgBox(
        "Verifique las siguientes opciones: \r\n\r\n1) Ha ingresado letras donde debe ingresar numeros\r\n\r\n"
        "2) Debe ingresar una fecha y el formato es incorrecto\r\n\r\nEn el campo: "
            + campoTexto.tag() + "/" + campoTexto.dataField(),
        vb::vbCritical, error.titulo);
    campoTexto.setFocus();
}
