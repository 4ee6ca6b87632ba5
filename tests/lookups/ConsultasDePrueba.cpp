#include "lookups/ConsultasDePrueba.h"

#include "database/DB_Dll.h"
#include "lookups/CajasBusqueda.h"
#include "lookups/Lib_ClsCons3.h"
#include "lookups/Lib_FrmCons3.h"
#include "lookups/Lib_FrmCons3Tree.h"
#include "lookups/ModConsultas.h"
#include "lookups/ModeloConsulta.h"
#include "platform/db/Connection.h"

#include <QDir>
#include <QItemSelectionModel>
#include <QTableView>

void ConsultasTest::SetUp()
{
    EveryEngineTest::SetUp();
    if (IsSkipped()) return;
    seed(
        {"INSERT INTO V_TA_UNIDAD (IdUnidad, Descripcion) VALUES ('UN', 'Unidad'), ('KG', 'Kilogramo'), "
         "('GR', 'Gramo'), ('CJ', 'Caja'), ('LT', 'Litro')",
         "INSERT INTO V_MA_ARTICULOS (IdArticulo, Descripcion, IdUnidad, Suspendido) VALUES ('" + padded("100", 25)
             + "', 'Tornillo autorroscante 5 mm', 'UN', 0), ('A-2', 'Harina de trigo 000', 'KG', 0), "
               "('A-3', 'Azúcar común', 'KG', 0), ('A-4', 'Sidra O''Neill', 'LT', 0), "
               "('A-5', 'Tuerca hexagonal', 'UN', 0), ('A-6', 'Tornillo de madera', 'UN', 1), "
               "('A-7', 'AZUCAR impalpable', 'KG', 0)",
         "INSERT INTO V_TA_FAMILIAS (IdFamilia, Descripcion) VALUES ('01', 'Almacén'), ('0101', 'Harinas'), "
         "('0102', 'Azúcares'), ('010101', 'Harina 000'), ('02', 'Ferretería'), ('0201', 'Tornillos')"});
    openCompany();
}

QString ConsultasTest::definitions() const { return QDir(programFolder()).filePath("consultas.vtx"); }

void ConsultasTest::prepareDefinitions() const
{
    Lib_ClsCons3& motor = gConsulta();
    motor.gUsarMascarasConsultas = true;
    motor.gRutaMascaraConsultas = definitions();
    CrearArchivoConsultas();
}

void ConsultasTest::setSetting(const QString& key, const QString& value) const
{
    seed({"DELETE FROM TA_CONFIGURACION WHERE CLAVE = '" + key + "'",
          "INSERT INTO TA_CONFIGURACION (GRUPO, CLAVE, VALOR, VALORAUX, PoliticaNegocio) VALUES ('DATOS', '" + key
              + "', '" + value + "', '', 0)"});
}

long ConsultasTest::count(const QString& table, const QString& where) const
{
    db::Connection connection;
    connection.Open(connectionText());
    return connection.Execute("SELECT COUNT(*) FROM " + table + " WHERE " + where).Fields(0).Value().toLong();
}

void ConsultasTest::inTheList(std::function<void(Lib_FrmCons3&)> operador)
{
    this->operador->onModal([operador = std::move(operador)](QDialog& ventana) {
        auto* lista = qobject_cast<Lib_FrmCons3*>(&ventana);
        ASSERT_NE(lista, nullptr) << "a list window";
        operador(*lista);
    });
}

void ConsultasTest::inTheTree(std::function<void(Lib_FrmCons3Tree&)> operador)
{
    this->operador->onModal([operador = std::move(operador)](QDialog& ventana) {
        auto* arbol = qobject_cast<Lib_FrmCons3Tree*>(&ventana);
        ASSERT_NE(arbol, nullptr) << "a tree window";
        operador(*arbol);
    });
}

QList<QStringList> rowsOf(const Lib_FrmCons3& lista)
{
    QList<QStringList> rows;
    for (int r = 0; r < lista.Modelo->rowCount(); ++r) {
        QStringList row;
        for (int c = 0; c < lista.Modelo->columnCount(); ++c) row.append(lista.Modelo->Texto(r, c));
        rows.append(row);
    }
    return rows;
}

QStringList headersOf(const Lib_FrmCons3& lista)
{
    QStringList headers;
    for (int c = 0; c < lista.Modelo->columnCount(); ++c) headers.append(lista.Modelo->Encabezado(c).toUpper());
    return headers;
}

int selectedRow(const Lib_FrmCons3& lista)
{
    const QModelIndexList rows = lista.ListView1->selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : rows.front().row();
}

void selectRow(Lib_FrmCons3& lista, int column, const QString& text)
{
    for (int r = 0; r < lista.Modelo->rowCount(); ++r) {
        if (lista.Modelo->Texto(r, column) != text) continue;
        lista.ListView1->selectionModel()->setCurrentIndex(
            lista.Modelo->index(r, 0), QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
        return;
    }
    ADD_FAILURE() << "no row shows " << text.toStdString();
}
