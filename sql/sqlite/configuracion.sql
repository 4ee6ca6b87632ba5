-- Settings of a company (and of the statistics database): key-value rows.
CREATE TABLE TA_CONFIGURACION (
    GRUPO           varchar(50)  COLLATE NOCASE,
    CLAVE           varchar(100) COLLATE NOCASE NOT NULL,
    VALOR           text         COLLATE NOCASE,
    VALORAUX        text         COLLATE NOCASE,
    PoliticaNegocio bit          DEFAULT 0
);
CREATE INDEX IX_TA_CONFIGURACION_CLAVE ON TA_CONFIGURACION (CLAVE);
