#include "equivalences/FrmEquivalencias.h"

#include "database/DB_Dll.h"
#include "database/TextoSQL.h"
#include "lookups/Dll_Display.h"
#include "platform/TrapErrores.h"
#include "platform/VbText.h"
#include "platform/db/ErrorMap.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/TextField.h"
#include "replication/ModGruposEmp.h"
#include "session/ModGlobal.h"
#include "vendor/QvFunciones.h"

#include <QCoreApplication>
#include <QTabWidget>

// Writing what was entered: one equivalence of an article, or a generic one
// materialised as a row for every article of either unit. Every write is
// committed by itself, so a save stopped half-way keeps what it wrote.

namespace {

constexpr int kAnchoArticulo = 25;
constexpr int kAnchoUnidad = 4;
constexpr int kPestanaEspeciales = 1;
constexpr long kAltaOModificacion = 1;
constexpr long kBaja = 3;

bool esCampoGrabado(const QString& dataField)
{
    static const QStringList campos{"idunidad", "idunidad_equiv", "coeficiente", "IdArticulo"};
    return campos.contains(vb::Trim(dataField), Qt::CaseInsensitive);
}

QString unidad(const QString& texto) { return QvFunciones::FormatoCodigo(texto, kAnchoUnidad); }

// The generic rows of a pair of units, as deleted here and at every target.
QString condicionEspecial(const QString& U, const QString& E)
{
    return "PARATODOS = 1 AND IDUNIDAD = " + EntreComillas(U) + " AND IDUNIDAD_EQUIV = " + EntreComillas(E);
}

}  // namespace

void FrmEquivalencias::pedirReplica(long operacion, const QString& articulo, const QString& unidadTexto,
                                    const QString& equivalente)
{
    ActualizaGEmpresas("S_TA_EQUIV", operacion, EntreComillas(QvFunciones::FormatoCodigo(articulo, kAnchoArticulo)),
                       EntreComillas(unidad(unidadTexto)), EntreComillas(unidad(equivalente)));
}

void FrmEquivalencias::EnviarPendientes()
{
    const std::optional<int> quedan = Service<Replicacion>::get().ReintentarPendientes();
    if (!quedan) return;
    const QString texto = *quedan == 0 ? QString("No quedan copias pendientes para otras bases de datos.")
                                       : "Quedan " + QString::number(*quedan)
                                             + " copias pendientes; se enviarán otra vez en la próxima grabación.";
    MsgBox(texto, vb::vbInformation, "Aviso al operador");
}

void FrmEquivalencias::mostrarErrorDeConversion(const QString& titulo, int indiceCampo)
{
    const TextField& campoTexto = *Txtfields[indiceCampo];
    MsgBox(
        "Verifique las siguientes opciones: \r\n\r\n1) Ha ingresado letras donde debe ingresar numeros\r\n\r\n"
        "2) Debe ingresar una fecha y el formato es incorrecto\r\n\r\nEn el campo: "
            + campoTexto.tag() + "/" + campoTexto.dataField(),
        vb::vbCritical, titulo);
    Txtfields[indiceCampo]->setFocus();
}

// 4 repeats the failing step, 5 goes on with the next, anything else ends the save.
int FrmEquivalencias::tratarErrorDeGrabacion(const ErrorVB& error, int indiceCampo, bool& repetir)
{
    HayError_ = true;
    QvFunciones::RestablecerEstado(false);
    if (error.numero == db::ErrorMap::DuplicateOnUpdate && !repitiendoPorClaveDuplicada_) {
        // The key exists after all: the pending addition goes, and the save
        // runs once more as an update of that row.
        RegistroActual.CancelUpdate();
        EnAlta_ = false;
        EnModificacion_ = true;
        EnBaja_ = false;
        repetir = true;
        return 0;
    }
    if (error.numero == db::ErrorMap::WrongType) {
        mostrarErrorDeConversion("Error en conversion de datos", indiceCampo);
        return 0;
    }
    db::Errors& errores = gBaseDatos().gCnn.errors();
    if (errores.Count() > 0 && errores.Item(0).NativeError == db::ErrorMap::ProviderConversionNative) {
        mostrarErrorDeConversion("Error en conversion de datos ", indiceCampo);
        RegistroActual.CancelUpdate();
        errores.Clear();
        return 0;
    }
    return QvFunciones::TratarError(error, "Actualizar Datos");
}

void FrmEquivalencias::ActualizarDatos()
{
    for (bool repetir = true; repetir;) {
        repetir = false;
        int indiceCampo = 0;
        Dll_Display cartel;
        TrapErrores trap("Actualizar Datos", [&](const ErrorVB& error, const QString&) {
            cartel.CartelCerrar();
            return tratarErrorDeGrabacion(error, indiceCampo, repetir);
        });
        const bool especiales = SSTab1->currentIndex() == kPestanaEspeciales;
        bool completo = true;
        if (!especiales)
            completo = grabarPorArticulo(trap, indiceCampo);
        else if (EnAlta_ || EnModificacion_)
            completo = grabarEspeciales(cartel, trap);
        else if (EnBaja_)
            completo = borrarEspeciales(trap);

        if (repetir) {
            if (!especiales) cargarEquivalencia(condicionPorArticulo());
            repitiendoPorClaveDuplicada_ = true;
            continue;
        }
        // A save that became an update of the existing row ended well after all.
        if (repitiendoPorClaveDuplicada_ && completo) HayError_ = false;
        repitiendoPorClaveDuplicada_ = false;
        // A failed save leaves nothing pending, so the same fields can be saved again.
        if (HayError_ && RegistroActual.EditPending()) RegistroActual.CancelUpdate();
        if (especiales && completo) (void)trap.paso([this] { CargarEquivEspecial(); });
    }
}

bool FrmEquivalencias::grabarPorArticulo(TrapErrores& trap, int& indiceCampo)
{
    const QString articulo = campo("IdArticulo").text();
    const QString unidadTexto = campo("IdUnidad").text();
    const QString equivalente = campo("IdUnidad_Equiv").text();
    if (EnBaja_) {
        if (!trap.paso([this] { RegistroActual.Delete(); })) return false;
        if (!trap.paso([&] { pedirReplica(kBaja, articulo, unidadTexto, equivalente); })) return false;
        (void)trap.paso([this] { Inicializa(); });
        return false;
    }
    if (EnAlta_ && !trap.paso([this] { RegistroActual.AddNew(); })) return false;
    for (TextField* campoTexto : Txtfields) {
        if (!esCampoGrabado(campoTexto->dataField())) continue;
        indiceCampo = campoTexto->index();
        if (!trap.paso([&] { AsignarCampo(RegistroActual, campoTexto->dataField(), vb::Trim(campoTexto->text())); })) {
            return false;
        }
    }
    indiceCampo = 0;
    if (!EnAlta_ && !EnModificacion_) return true;
    if (!trap.paso([this] { RegistroActual.Update(); })) return false;
    return trap.paso([&] { pedirReplica(kAltaOModificacion, articulo, unidadTexto, equivalente); });
}

bool FrmEquivalencias::grabarEspeciales(Dll_Display& cartel, TrapErrores& trap)
{
    DB_Dll& base = gBaseDatos();
    if (!trap.paso([&] { cartel.CartelInicio("Actualizando Datos", true); })) return false;
    const QString U = unidad(campo("IdUnidad2").text());
    const QString E = unidad(campo("IdUnidad_Equiv2").text());
    const QString coeficiente = campo("Coeficiente2").text();
    db::Recordset articulos;
    if (!trap.paso([&] {
            base.AbrirRecordset("SELECT * FROM V_MA_ARTICULOS WHERE IDUNIDAD = '" + ComillasDobladas(U)
                                    + "' or IDUNIDAD = '" + ComillasDobladas(E) + "'",
                                articulos, nullptr, db::ado::adOpenForwardOnly, db::ado::adLockReadOnly);
        })) {
        return false;
    }
    const bool hayArticulos = articulos.State() == db::ado::adStateOpen && !articulos.Bof();
    for (bool queda = hayArticulos; queda; queda = !articulos.Eof()) {
        const QString articulo = articulos.Fields("IdArticulo").Value().textOrEmpty();
        db::Recordset fila;
        const bool grabada = trap.paso([&] {
            base.AbrirRecordset("SELECT * FROM S_TA_EQUIV WHERE IDARTICULO = '" + ComillasDobladas(articulo)
                                    + "' AND IDUNIDAD = '" + ComillasDobladas(U) + "' AND IDUNIDAD_EQUIV = '"
                                    + ComillasDobladas(E) + "'",
                                fila, nullptr, db::ado::adOpenDynamic, db::ado::adLockOptimistic);
            if (fila.Bof()) fila.AddNew();
            fila.Fields("IdArticulo").setValue(articulo);
            fila.Fields("IdUnidad").setValue(U);
            fila.Fields("IdUnidad_Equiv").setValue(E);
            AsignarCampo(fila, "Coeficiente", coeficiente);
            fila.Fields("Paratodos").setValue(1);
            fila.Update();
        });
        if (!grabada) return false;

        QCoreApplication::processEvents();
        bool cancelado = false;
        cartel.CartelMostrar(cancelado, articulos.Fields("Descripcion").Value());
        if (cancelado) {
            if (MsgBox("-Desea cancelar la grabacion?.", vb::vbQuestion + vb::vbYesNo + vb::vbDefaultButton2,
                       "Atención")
                == vb::vbYes) {
                cartel.CartelCerrar();
                return false;
            }
            cartel.CartelReanudar();
        }
        if (!trap.paso([&] { pedirReplica(kAltaOModificacion, articulo, U, E); })) return false;
        if (!trap.paso([&] { articulos.MoveNext(); })) return false;
    }
    cartel.CartelCerrar();
    return true;
}

bool FrmEquivalencias::borrarEspeciales(TrapErrores& trap)
{
    const QString condicion =
        condicionEspecial(unidad(campo("IdUnidad2").text()), unidad(campo("IdUnidad_Equiv2").text()));
    if (!trap.paso([&] { gBaseDatos().EjecutaConsultaSQL("DELETE S_TA_EQUIV WHERE " + condicion); })) return false;
    // The points of sale would otherwise keep the generic rows the company deleted.
    return trap.paso([&] { ActualizaGEmpresas("S_TA_EQUIV", kBaja, {}, {}, {}, {}, {}, {}, condicion); });
}
