#include "suitesupport/QvCampos.h"

#include "platform/VbText.h"
#include "platform/db/Connection.h"
#include "platform/db/Recordset.h"
#include "platform/ui/TextField.h"
#include "suitesupport/ConexionesPropias.h"
#include "suitesupport/QvFunciones.h"

#include <QApplication>

namespace {

constexpr int kTeclaConfirmar = 13;
constexpr int kApostrofo = u'\'';
constexpr int kAcento = 0x00B4;  // ´

bool aceptaFoco(const QWidget& w) { return w.isEnabled() && w.isVisible() && (w.focusPolicy() & Qt::TabFocus); }

bool caracterNumerico(int caracter)
{
    return (caracter >= u'0' && caracter <= u'9') || caracter == u'-' || caracter == u'+';
}

}  // namespace

int QvCampos::IndiceCampo(const QString& columna, const QList<TextField*>& campos)
{
    const QString buscada = vb::Trim(columna);
    for (const TextField* campo : campos) {
        if (vb::SameText(vb::Trim(campo->dataField()), buscada)) return campo->index();
    }
    return -1;
}

void QvCampos::LimpiarCampos(QWidget& ventana, int primero)
{
    for (TextField* campo : ventana.findChildren<TextField*>()) {
        if (campo->index() >= primero) campo->clear();
    }
}

bool QvCampos::EsTeclaConfirmar(int codigoTecla) { return codigoTecla == kTeclaConfirmar; }

void QvCampos::SiguienteCampo(int codigoTecla)
{
    if (!EsTeclaConfirmar(codigoTecla)) return;
    QWidget* actual = QApplication::focusWidget();
    if (!actual) return;
    for (QWidget* w = actual->nextInFocusChain(); w && w != actual; w = w->nextInFocusChain()) {
        if (w->window() == actual->window() && aceptaFoco(*w)) {
            w->setFocus(Qt::TabFocusReason);
            return;
        }
    }
}

int QvCampos::FiltrarTecla(const TextField& campo, int caracter)
{
    if (caracter < u' ') return caracter;
    if (caracter == kApostrofo) return campo.isNumeric() ? 0 : kAcento;
    if (!campo.isNumeric()) return caracter;
    // Both separators stay as typed: the number is read with either.
    if (caracter == u',' || caracter == u'.') return caracter;
    return caracterNumerico(caracter) ? caracter : 0;
}

void QvCampos::PrepararCampos(const QList<TextField*>& campos, const QString& tabla, const QString& cadenaConexion)
{
    db::Recordset columnas;
    usarConexionPropia(cadenaConexion, [&](db::Connection& conexion) {
        columnas = conexion.OpenSchema(db::ado::adSchemaColumns, {{}, {}, vb::Trim(tabla), {}});
    });
    for (; !columnas.Eof(); columnas.MoveNext()) {
        const QString columna = columnas.Fields("COLUMN_NAME").Value().toText();
        const db::ColumnType tipo{static_cast<int>(columnas.Fields("DATA_TYPE").Value().toLong()), 0};
        for (TextField* campo : campos) {
            if (vb::SameText(vb::Trim(campo->dataField()), columna)) campo->setNumeric(tipo.isNumber());
        }
    }
}

void QvCampos::CargarCamposRegistro(const QList<TextField*>& campos, db::Recordset& registro)
{
    if (registro.State() != db::ado::adStateOpen || registro.Bof() || registro.Eof()) return;
    for (int i = 0; i < registro.FieldCount(); ++i) {
        db::Field campoRegistro = registro.Fields(i);
        for (TextField* campo : campos) {
            if (vb::SameText(vb::Trim(campo->dataField()), campoRegistro.Name())) {
                campo->setText(vb::Trim(QvFunciones::ValorATexto(campoRegistro.Value())));
            }
        }
    }
}
