-- Settings of a company (and of the statistics database): key-value rows.
-- Flags are smallint 0/1 as SQL Server's bit reads in the suite's statements.
CREATE TABLE TA_CONFIGURACION (
    GRUPO           varchar(50)  COLLATE ci,
    CLAVE           varchar(100) COLLATE ci NOT NULL,
    VALOR           text         COLLATE ci,
    VALORAUX        text         COLLATE ci,
    PoliticaNegocio smallint     DEFAULT 0
);
CREATE INDEX IX_TA_CONFIGURACION_CLAVE ON TA_CONFIGURACION (CLAVE);
