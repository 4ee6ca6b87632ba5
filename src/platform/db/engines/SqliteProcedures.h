#pragma once

struct sqlite3;

namespace db {

// The suite's stored procedures that the program calls, as SQLite table
// functions of the same name: "EXEC name args" reaches SQLite as
// "SELECT * FROM name(args)" (the dialect sees to that). Each runs its query
// on the same connection with the arguments bound in order.
//   sp1_getCfg(Campo) -> Valor, ValorAux: the setting Campo of TA_CONFIGURACION
//                        (case and trailing blanks ignored, as the column
//                        compares), no row when there is none.
// Throws ErrorVB when SQLite refuses a registration.
void registerTsqlProcedures(sqlite3* connection);

}  // namespace db
