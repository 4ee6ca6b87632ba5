#pragma once

// What the checks of an equivalence say when a value fails, as the window
// shows them; the import gives the same reasons.
inline constexpr char kArticuloInexistente[] = " Codigo de Articulo Inexistente";
inline constexpr char kInformarCodigo[] = " Debe informar el Codigo!";
inline constexpr char kUnidadInexistente[] = " Codigo de Unidad Inexistente";
inline constexpr char kInformarArticulo[] = " Debe Informar el Artículo ";
inline constexpr char kInformarUnidad[] = " Debe Informar la Unidad ";
inline constexpr char kInformarEquivalente[] = " Debe Informar la Unidad Equivalente";
inline constexpr char kMismaUnidad[] = "Si las equivalencias son las mismas, la cantidad debe ser 1";
inline constexpr char kCoeficientePositivo[] = " El Coeficiente debe ser un numero mayor que cero";
