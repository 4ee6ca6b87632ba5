#pragma once

#include <QString>

// The session record: one per process, filled by the start-up sequence and
// the login window, read by everyone else.
struct Sesion {
    qint32 gColorFondoFoco = 0;       // background of the focused entry field (RGB, red in the low byte)
    qint32 gColorTextoFoco = 0;       // text colour of the focused entry field
    QString gSeccionEquipo;           // settings section of this workstation and user, at most 50 characters
    double gFlatToolbars = 0;         // style offered to command bars with a "StyleBar" property
    QString gParametroAdicional;      // article code that fixes the main window on one article
    QString gMenu;                    // menu entry that started the program
    QString gUsuarioLogeado;          // application user (TA_USUARIOS.NOMBRE)
    QString gPasswordUsuario;         // that user's password in clear, or the marker "* *"
    QString gCaja;                    // cash box of this workstation
    qint16 gTiempoEsperaComando = 0;  // statement time-out in seconds
    QString gCadenaDSN;               // "DSN=...; UID=...; PWD=..."

    // The company's most used settings, loaded at start-up (each named after
    // its key; read by other programs of the suite and by the lookups).
    bool gMostrarStockenConsultas = false;
    QString gTituloClientes;
    QString gTituloProveedores;
    QString gRutaTareasDoc;
    bool gEXIGECLAVECONSULTALIKEARTICULOS = false;
    bool gUsaConsultaLike = false;
    QString gCantidadDecimales;
    bool gConfidencialidad = false;  // "SS_CONFIDENCIALIDAD": accounting entries are restricted too
    bool gUsaMultilesMonedas = false;
    bool gUsaFacturaProforma = false;
    bool gUSACCOSTO = false;
    bool gUSA_STK_STOCK_UDKG = false;
    QString gUNegocio;  // the user's business unit, "   1" when none
    QString gClasesPUSA;
    QString gUNIDADDEMEDIDA_M3;
    QString gUNIDADDEMEDIDA_BL;
    QString gUNIDADDEMEDIDA_KG;
    qint16 gPERIODO = 0;
    bool gRazonSocialPorUneg = false;
    bool gVALIDACODIGOBARRA = false;
    bool gConfiguracionCargada = false;
    bool gModuloOrdenDeTrabajo = false;
    bool gV_ModificaCPrecio = false;
    bool gC_ModificaCPrecio = false;
    bool gMADERERA = false;
    QString gMAD_TIRAS;
    QString gMAD_P2;
    QString gMAD_ML;
    QString gMAD_M2;
    QString gMAD_HOJAS;
    QString gMAD_ML_P2;
    QString gMAD_M2_P2;
    QString gMAD_ML_M2;
    QString gCuentaCtroDist;
    double gMaxDto = 0;
    double gMaxDtoProforma = 0;
    bool gPideClave_StockNeg = false;
    bool gPideClave_MarkUpBase = false;
    bool gPideClave_LimiteCredito = false;
    bool gSS_BloqueoActivo = false;
    bool gUtilizarFechaDia = false;  // "UTILIZARFECHADIA": the operating date replaces the server's
    bool gAsignacionAutomaticaDeLoteING = false;
    bool gAsignacionAutomaticaDeLoteINGOP = false;
    qint16 gCondicionIvaEmpresa = 0;  // the company's VAT condition, never 0 once loaded
    QString gCondicionIvaTexto;
    QString gTop_Default;
};

// The process-wide session.
Sesion& gSesion();
