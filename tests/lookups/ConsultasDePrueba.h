#pragma once

#include "support/DatabaseTest.h"

#include <QString>
#include <QStringList>

#include <functional>

class Lib_FrmCons3;
class Lib_FrmCons3Tree;

// The company of the lookup tests, open as the start-up leaves it, on every
// engine: units, articles (one suspended, one with an apostrophe, two
// spellings of "azúcar", with and without the accent), families in three levels and the lookup engine
// working on the program folder's definition file when a test writes one.
class ConsultasTest : public EveryEngineTest {
protected:
    void SetUp() override;

    QString definitions() const;
    // The engine as the start-up prepares it, with the eleven default records.
    void prepareDefinitions() const;
    // A setting of the company.
    void setSetting(const QString& key, const QString& value) const;
    long count(const QString& table, const QString& where = "1 = 1") const;

    // Plays the operator in the next list window the program shows.
    void inTheList(std::function<void(Lib_FrmCons3&)> operador);
    void inTheTree(std::function<void(Lib_FrmCons3Tree&)> operador);

    static QString padded(const QString& code, int width) { return code.rightJustified(width, u' '); }
};

// What a list window shows: one text list per row, column by column.
QList<QStringList> rowsOf(const Lib_FrmCons3& lista);
QStringList headersOf(const Lib_FrmCons3& lista);
// The 0-based row that is selected, or -1.
int selectedRow(const Lib_FrmCons3& lista);
// Selects the row whose column `column` shows `text`.
void selectRow(Lib_FrmCons3& lista, int column, const QString& text);
