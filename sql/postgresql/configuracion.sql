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

-- The suite's procedure sp1_getCfg as a table function: "EXEC sp1_getCfg
-- @Campo = 'X'" reaches PostgreSQL as "SELECT * FROM sp1_getCfg('X')".
CREATE FUNCTION sp1_getcfg(campo char(50)) RETURNS TABLE (valor text, valoraux text) LANGUAGE sql STABLE
    AS $$ SELECT c.VALOR, c.VALORAUX FROM TA_CONFIGURACION c WHERE c.CLAVE = rtrim(campo) LIMIT 1 $$;
