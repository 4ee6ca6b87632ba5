#pragma once

#include "codesearch/Almanaque.h"

#include <QFrame>

#include <array>

class QButtonGroup;
class QComboBox;
class QLabel;
class QToolButton;

// The month calendar of the code search box (the frame "Calendar"): month and
// year boxes over six rows of seven day cells, Sunday first. Weekdays are
// blue, Saturdays and Sundays red, and the cells outside the month show "."
// in black and take no click. Geometry is the design's, in twips.
class CalendarioBusqueda : public QFrame {
    Q_OBJECT
public:
    static constexpr int kAnchoTwips = 3120;
    static constexpr int kAltoTwips = 3240;
    static constexpr int kPrimerAnio = 1930;
    static constexpr int kUltimoAnio = 2049;
    static inline const QString kSinDia = QStringLiteral(".");

    explicit CalendarioBusqueda(QWidget* parent = nullptr);

    QComboBox* CmbMes;
    QComboBox* CmbAño;
    std::array<QToolButton*, Almanaque::kCeldas> OptDia{};
    std::array<QLabel*, Almanaque::kDiasSemana> LblDesc{};

    // The twelve month names and the years 1930 to 2049, today's chosen.
    void CargarMesAño();
    // Lays the days of a month out on the cells, none selected.
    void ArmarAlmanaque(int mes, int anio);
    // Selects cell `DIA`; with `Asignar` its colour swaps between red and blue.
    void Seleccionar(int DIA, bool Asignar);
    // The first cell whose caption is `Caption` (case ignored); 0 when none.
    qint16 IndCaption(const QString& Caption) const;

    // Shows `mes` of `anio` in both boxes, without laying the month out again.
    void MostrarMesAnio(int mes, int anio);
    int MesElegido() const;
    int AnioElegido() const;
    // The cell selected; -1 when none.
    int CeldaSeleccionada() const;
    bool Armado() const { return armado_; }

signals:
    void diaPulsado(int dia);
    void diaConfirmado(int dia);
    void enterEnDia();

protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override;

private:
    void crearCeldas();
    void crearEncabezados();
    void mesOAnioElegido();
    void pintarCelda(int celda, const QColor& color);
    void quitarSeleccion();
    int celdaDe(QObject* objeto) const;

    QButtonGroup* grupo_;
    bool armado_ = false;
};
