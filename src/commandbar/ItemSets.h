#pragma once

#include <QList>
#include <QString>

// The item sets the bar brings with it.
namespace ItemSets {

struct Definition {
    QString key;
    QString caption;
    QString toolTip;
};

// The 19 items of an ordinary maintenance window, in picture order.
const QList<Definition>& DefaultItems();
// The five items of a report window.
const QList<Definition>& ReportItems();
// Six demonstration items.
const QList<Definition>& SampleItems();

// The seven keys shown by default: NUEVO, BORRAR, REPORTE, CONSULTAR,
// CANCELAR, GRABAR, CERRAR (trimmed, case ignored).
bool IsStandardKey(const QString& key);

}  // namespace ItemSets
