#pragma once

#include "lookups/DatosLista.h"

#include <QDialog>
#include <QString>
#include <QStringList>

#include <optional>

class CajasBusqueda;
class DB_Dll;
class ModeloConsulta;
class QFrame;
class QKeyEvent;
class QLabel;
class QPushButton;
class QTableView;
namespace db {
class Recordset;
}

// The lookup list window. The engine (Lib_ClsCons3) sets its fields, loads
// it, shows it modally and reads back what the operator chose. It runs its
// statement and lists the rows with one column and one search box per field:
// typing in a box positions the list on the first row that begins with the
// text, F5 in a box asks the database again with the text as a LIKE filter,
// a header click sorts, Enter or a double click accepts the selected row.
class Lib_FrmCons3 : public QDialog, public PedidoLista, public EleccionLista {
    Q_OBJECT
public:
    // Lists what `base` answers.
    explicit Lib_FrmCons3(DB_Dll& base, QWidget* parent = nullptr);
    // Saves the column widths the operator gave, when there are any.
    ~Lib_FrmCons3() override;

    bool GrabarCfg = false;  // save the widths when the window goes; set by a resized column

    // Runs `sql` and fills the list (also after F5, Nueva Busqueda and date sorting).
    void Form_Load();
    // 1-based row of the first whose column `Clave` (0 the first) begins
    // with `QueValor`, trimmed and case ignored; 0 when none does.
    int Busqueda(int Clave, const QString& QueValor) const;
    // 1-based column whose header is `Columna`, trimmed and case ignored; 0 when none is.
    int IndiceColumna(const QString& Columna) const;
    // Loads again ordered by the date column `Cual`, when the statement has no order of its own.
    void OrdenarPorFecha(const QString& Cual);
    // The window as wide as its columns, within the screen.
    void CalcularAncho();
    // The list as a picker of texts with one column headed `titulo`.
    void PrepararOpciones(const QString& titulo, bool conMarcas);
    void AgregarOpcion(const QString& texto, bool marcada);
    void FijarAnchoOpciones(int twips);

    void Aceptar();
    void Cancelar();
    void NuevaBusqueda();
    void Marcar();  // inverts every row's check mark
    void Nuevo();   // starts the maintenance program of the table looked up
    // F5 in search box `caja`: the statement again with the box's text as a filter.
    void BuscarEnServidor(int caja);
    // F12: reports the selected article as missing from stock, when the operator agrees.
    void InformarFaltante();

    QLabel* Label1;
    QLabel* lblFieldName;
    CajasBusqueda* CmbSearch;
    QTableView* ListView1;
    ModeloConsulta* Modelo;
    QFrame* Frame1;
    QPushButton* CmdAceptar;
    QPushButton* cmdCancelar;
    QPushButton* CmdNueva;
    QPushButton* CmdNuevo;
    QPushButton* CmdTodos;

protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override;
    // Esc and the window's close button cancel.
    void reject() override;

private:
    void disponerControles();
    void Encolumnar(db::Recordset& registros);
    void Leer(db::Recordset& registros);
    std::optional<QColor> ColorDeStock(db::Recordset& registros) const;
    QString ClaveAnchos() const;
    void LeerAnchosGuardados();
    void GrabarAnchos() const;
    void OrdenarLista(int columna, Qt::SortOrder orden);
    void EncabezadoClick(int columna);
    bool TeclaDeCaja(int caja, const QKeyEvent& tecla);
    bool TeclaDeLista(const QKeyEvent& tecla);
    bool TeclaDeCantidad(const QKeyEvent& tecla);
    void EscribirEnCaja(const QKeyEvent& tecla);
    void BuscarEnLista(int caja, const QString& texto);
    void PosicionarEn(int fila);
    int FilaSeleccionada() const;
    QString ValorDeFila(int fila, const QString& columna) const;

    DB_Dll& base_;
    bool EsConsultaArticulos = false;
    QString SqlOriginal;
    QString SqlActual;
    QString RestoSentencia;
    QString TablaConsulta;
    int columnaOrden_ = -1;
    Qt::SortOrder orden_ = Qt::AscendingOrder;
    bool ajustandoAnchos_ = false;
};
