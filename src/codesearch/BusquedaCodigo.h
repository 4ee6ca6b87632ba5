#pragma once

#include "codesearch/BusquedaProgresiva.h"
#include "codesearch/CalendarioBusqueda.h"
#include "codesearch/ConfiguracionBusqueda.h"
#include "codesearch/DatosBusqueda.h"
#include "platform/ErrorVB.h"
#include "platform/Variant.h"
#include "suitesupport/TratamientoErrores.h"

#include <QString>
#include <QWidget>

class DB_Dll;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QToolButton;

// The code search box of the suite's entry windows. The host names the table
// (BusquedaDisponible) and the connection text (ConnString); the operator
// types part of a code or description and picks one of up to 100 matches,
// and the host reads the chosen code from `codigo` when CodigoObtenido is
// raised. With the task right, a description that matches nothing can be
// added to the table directly ("+"). For the table "FECHA" the box is a date
// field with a month calendar and a date mask.
//
// The box works on the database object it is given: it opens that object's
// connection from ConnString (or uses it as it is when it is already open)
// and keeps it for its lifetime. Failing searches are skipped; the settings
// read and the connection report through the box's own error dialog.
class BusquedaCodigo : public QWidget, public EncargoBusqueda, public HallazgoBusqueda {
    Q_OBJECT
public:
    static inline const QString kTituloAviso = QStringLiteral("Aviso al operador");
    static inline const QString kPreguntaAlta = QStringLiteral("Desea dar de alta un registro nuevo?");
    static inline const QString kTablaFecha = QStringLiteral("FECHA");
    static constexpr int kLargoTexto = 50;
    static constexpr int kTiempoSentencias = 60;  // seconds
    static constexpr int kRolCodigo = Qt::UserRole;
    static constexpr int kRolDescripcion = Qt::UserRole + 1;

    explicit BusquedaCodigo(DB_Dll& base, QWidget* parent = nullptr);

    // Constituent controls.
    QLineEdit* TxtBusqueda;
    QListWidget* LstBusqueda;
    QToolButton* IMGOK;
    QToolButton* imgMas;
    QToolButton* ImgX;
    CalendarioBusqueda* Calendar;

    // Properties. ConnString and gConnString are one value under two names.
    QString ConnString() const { return connString_; }
    void setConnString(const QString& texto) { connString_ = texto; }
    QString gConnString() const { return connString_; }
    void setgConnString(const QString& texto) { connString_ = texto; }
    QString Tabla() const { return config_.tabla; }
    qint32 SelStartInicial() const { return selStartInicial_; }
    void setSelStartInicial(qint32 posicion) { selStartInicial_ = posicion; }

    // Sets the search up for the table `tb`, which may come back rewritten.
    // False when the box is switched off or the table is unknown.
    bool BusquedaDisponible(QString& tb);
    void Busqueda();

    void CargarMesAño();
    void ArmarAlmanaque(int mes, int anio);
    void Seleccionar(int DIA, bool Asignar);
    qint16 IndCaption(const QString& Caption) const;
    // The box's own error dialog: nothing is logged; 0 when no error is pending.
    int TratamientoErrores(const ErrorVB& CodErr, int Botones = kBotonesTratamiento, const QString& Rutina = {});

signals:
    void CodigoObtenido();

protected:
    void resizeEvent(QResizeEvent* evento) override;
    void keyPressEvent(QKeyEvent* evento) override;
    bool eventFilter(QObject* objeto, QEvent* evento) override;

private:
    void AbrirConexion();
    // Whether the user may add rows to the table searched.
    bool AltaDisponible();
    // The code chosen into `codigo`: the text typed, the calendar's date or
    // the selected entry's whole code; then CodigoObtenido.
    void ObtieneCodigo(bool DesdeTxt);
    void CargarCalendario();
    static QString NombreMes(qint16 Nromes);
    static qint16 Nromes(const QString& NombreMes);
    static qint16 CantidadDeDiasDelmes(int mes, int anio);
    static QString FmtLeerCodigo(const QString& codigo, int Largo = 0);
    static QString FieldVal(const Variant& recFieldVal);
    // The date mask for a text box tagged "Fecha"; `KeyAscii` comes back 0
    // (the key swallowed). Other text boxes are left alone.
    void ClsDatosOk(QLineEdit& Textos, int& KeyAscii);
    // One setting through the suite's procedure; `ValorAux` its auxiliary value.
    QString sp_Cfg(const QString& campo, QString& ValorAux);

    QToolButton* crearImagen(const QString& nombre, const QString& icono, const QString& ayuda);
    void disponer();
    bool esFecha() const;
    void leerSwitches();
    void restringirAlVendedor();
    void llenarLista(const std::vector<BusquedaProgresiva::Fila>& filas);

    void TxtBusqueda_Change();
    bool teclaEnTexto(QKeyEvent& evento);
    void enterEnTexto();
    void focoEnTexto();
    void LstBusqueda_Click(QListWidgetItem* entrada);
    void retrocesoEnLista();
    void IMGOK_Click();
    void ImgX_Click();
    void imgMas_Click();
    void escape();
    void diaPulsado(int celda);

    DB_Dll& base_;
    bool DeshabilitarBCArticulos = false;
    bool DeshabilitarBCTodos = false;
    ConfiguracionBusqueda config_;
    BusquedaProgresiva progresiva_;
    QString connString_;
    qint32 selStartInicial_ = 0;
    bool conexionAbierta_ = false;
    bool saltarBusqueda_ = false;
};
