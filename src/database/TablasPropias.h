#pragma once

#include <array>
#include <initializer_list>

class DB_Dll;

// A table of the program's own in the company database. Its definition is
// SQL Server's text, which the engine's dialect translates, so that each
// engine gets its own types, numbering and case-insensitive texts.
struct TablaPropia {
    const char* nombre;
    const char* definicion;
    // Made with the table, in the same way; unused places stay null.
    std::array<const char*, 2> indices{};
};

// Creates those the company lacks, as the program signs in to it: a company
// of the suite made before these tables existed has none of them. False when
// one could not be created; the rest are created all the same.
bool CrearTablasQueFaltan(DB_Dll& base, std::initializer_list<TablaPropia> tablas);
