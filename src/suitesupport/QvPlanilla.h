#pragma once

#include <QString>

// Spreadsheet export of the support library.
//
// The rows of the statement go to an .xlsx file in the temporary folder
// named after the title and the moment ("Velmora_20251231_103000.xlsx"): the
// title on the first row, the column names in bold on the third, then one row
// per record with numbers, dates and Booleans as such and Nulls as empty
// cells. The file is then opened with the desktop's default handler.
// Failures raise ErrorVB for the caller's error treatment.
class QvPlanilla {
public:
    // Returns the path of the file written.
    static QString ExportarPlanilla(const QString& sql, const QString& cadenaConexion, const QString& titulo);
};
