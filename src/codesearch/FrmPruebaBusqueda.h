#pragma once

#include <QString>
#include <QWidget>

class BusquedaCodigo;
class DB_Dll;
class QComboBox;
class QLabel;

// A window to try the code search box on a company database: one box
// searching the table chosen above it and one date field, each showing the
// code it hands over. Both work on the database object given, which they open
// from `conexion` (the company's connection text).
class FrmPruebaBusqueda : public QWidget {
    Q_OBJECT
public:
    static inline const QString kPrefijoCodigo = QStringLiteral("Código elegido: ");
    static inline const QString kPrefijoFecha = QStringLiteral("Fecha elegida: ");

    FrmPruebaBusqueda(DB_Dll& base, const QString& conexion, const QString& usuario, const QString& baseDatos,
                      QWidget* parent = nullptr);

    QComboBox* CmbTabla;
    BusquedaCodigo* BusquedaTabla;
    BusquedaCodigo* BusquedaFecha;
    QLabel* LblCodigo;
    QLabel* LblFecha;

private:
    void CmbTabla_Change();
    QLabel* etiqueta(const QString& texto, int izquierda, int arriba, int ancho);
};
