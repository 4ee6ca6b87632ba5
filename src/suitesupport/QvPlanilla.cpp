#include "suitesupport/QvPlanilla.h"

#include "platform/ErrorVB.h"
#include "platform/VbText.h"
#include "platform/db/Connection.h"
#include "platform/db/Recordset.h"
#include "platform/os/System.h"
#include "suitesupport/ConexionesPropias.h"
#include "suitesupport/QvSistema.h"

#include <QDateTime>
#include <QRegularExpression>

#include <xlsxwriter.h>

#include <algorithm>
#include <memory>

namespace {

constexpr int kFilaTitulo = 0;
constexpr int kFilaEncabezado = 2;
constexpr int kPrimeraFilaDatos = 3;
constexpr int kAnchoMaximo = 60;
constexpr int kLargoNombreHoja = 31;

struct LibroCerrado {
    void operator()(lxw_workbook* libro) const { workbook_close(libro); }
};

[[noreturn]] void fallo(const QString& detalle)
{
    throw ErrorVB(ErroresVB::ErrorDeAccesoARuta, "No se pudo escribir la planilla: " + detalle, "QvPlanilla");
}

void comprobar(lxw_error resultado)
{
    if (resultado != LXW_NO_ERROR) fallo(QString::fromUtf8(lxw_strerror(resultado)));
}

QString nombreArchivo(const QString& titulo)
{
    QString base = vb::Trim(titulo);
    base.replace(QRegularExpression(QStringLiteral("[^\\w\\-]+")), "_");
    if (base.isEmpty()) base = "Planilla";
    return os::joinPath(QvSistema::CarpetaTemporal(),
                        base + "_" + QDateTime::currentDateTime().toString("yyyyMMdd_hhmmss_zzz") + ".xlsx");
}

lxw_datetime fechaExcel(const QDateTime& fecha)
{
    const QDate dia = fecha.date();
    const QTime hora = fecha.time();
    return {dia.year(), dia.month(), dia.day(), hora.hour(), hora.minute(), static_cast<double>(hora.second())};
}

struct Formatos {
    lxw_format* titulo;
    lxw_format* encabezado;
    lxw_format* fecha;
};

Formatos crearFormatos(lxw_workbook* libro)
{
    Formatos formatos{workbook_add_format(libro), workbook_add_format(libro), workbook_add_format(libro)};
    format_set_bold(formatos.titulo);
    format_set_font_size(formatos.titulo, 14);
    format_set_bold(formatos.encabezado);
    format_set_bottom(formatos.encabezado, LXW_BORDER_THIN);
    format_set_num_format(formatos.fecha, "dd/mm/yyyy hh:mm:ss");
    return formatos;
}

// Writes one value; returns how many characters it shows, for the column width.
int escribirCelda(lxw_worksheet* hoja, lxw_row_t fila, lxw_col_t columna, const Variant& valor,
                  const Formatos& formatos)
{
    switch (valor.type()) {
    case Variant::Type::Empty:
    case Variant::Type::Null: return 0;
    case Variant::Type::Integer:
    case Variant::Type::Double:
        comprobar(worksheet_write_number(hoja, fila, columna, valor.toDouble(), nullptr));
        return static_cast<int>(valor.toText().size());
    case Variant::Type::Boolean:
        comprobar(worksheet_write_boolean(hoja, fila, columna, valor.toBool() ? 1 : 0, nullptr));
        return 5;
    case Variant::Type::Date: {
        lxw_datetime fecha = fechaExcel(valor.toDateTime());
        comprobar(worksheet_write_datetime(hoja, fila, columna, &fecha, formatos.fecha));
        return 19;
    }
    case Variant::Type::Text: {
        const QByteArray texto = valor.toText().toUtf8();
        comprobar(worksheet_write_string(hoja, fila, columna, texto.constData(), nullptr));
        return static_cast<int>(valor.toText().size());
    }
    }
    return 0;
}

}  // namespace

QString QvPlanilla::ExportarPlanilla(const QString& sql, const QString& cadenaConexion, const QString& titulo)
{
    db::Recordset filas;
    usarConexionPropia(cadenaConexion, [&](db::Connection& conexion) { filas = conexion.Execute(sql); });
    if (filas.State() != db::ado::adStateOpen) fallo("la consulta no devuelve filas");

    const QString ruta = nombreArchivo(titulo);
    std::unique_ptr<lxw_workbook, LibroCerrado> libro(workbook_new(ruta.toUtf8().constData()));
    if (!libro) fallo(ruta);
    const QByteArray nombreHoja = vb::Trim(titulo).left(kLargoNombreHoja).toUtf8();
    lxw_worksheet* hoja = workbook_add_worksheet(libro.get(), nombreHoja.isEmpty() ? nullptr : nombreHoja.constData());
    const Formatos formatos = crearFormatos(libro.get());

    const QByteArray textoTitulo = titulo.toUtf8();
    comprobar(worksheet_write_string(hoja, kFilaTitulo, 0, textoTitulo.constData(), formatos.titulo));
    const int columnas = filas.FieldCount();
    QVector<int> anchos(columnas, 0);
    for (int c = 0; c < columnas; ++c) {
        const QByteArray nombre = filas.Fields(c).Name().toUtf8();
        comprobar(worksheet_write_string(hoja, kFilaEncabezado, static_cast<lxw_col_t>(c), nombre.constData(),
                                         formatos.encabezado));
        anchos[c] = static_cast<int>(nombre.size());
    }
    lxw_row_t fila = kPrimeraFilaDatos;
    for (; !filas.Eof(); filas.MoveNext(), ++fila) {
        for (int c = 0; c < columnas; ++c) {
            const int ancho = escribirCelda(hoja, fila, static_cast<lxw_col_t>(c), filas.Fields(c).Value(), formatos);
            anchos[c] = std::max(anchos[c], ancho);
        }
    }
    for (int c = 0; c < columnas; ++c) {
        const auto columna = static_cast<lxw_col_t>(c);
        comprobar(worksheet_set_column(hoja, columna, columna, std::min(anchos[c], kAnchoMaximo) + 2.0, nullptr));
    }
    const lxw_error cierre = workbook_close(libro.release());
    comprobar(cierre);

    QvSistema::AbrirConSistema("\"" + ruta + "\"", 1);
    return ruta;
}
