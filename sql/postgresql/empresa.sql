-- The company database: the tables this program reads and writes.
-- Types follow SQL Server's (bit as smallint 0/1, datetime as timestamp, money as
-- numeric); text compares without regard to case through the collation ci.

CREATE TABLE V_TA_UNIDAD (
    IdUnidad    varchar(4)  COLLATE ci NOT NULL PRIMARY KEY,
    Descripcion varchar(50) COLLATE ci
);

CREATE TABLE V_MA_ARTICULOS (
    IdArticulo  varchar(25)  COLLATE ci NOT NULL PRIMARY KEY,
    Descripcion varchar(100) COLLATE ci,
    IdUnidad    varchar(4)   COLLATE ci,
    IdFamilia   varchar(10)  COLLATE ci,
    Precio      numeric(19,4),
    Baja        smallint DEFAULT 0,
    Suspendido  smallint DEFAULT 0
);
CREATE INDEX IX_V_MA_ARTICULOS_IdUnidad ON V_MA_ARTICULOS (IdUnidad);
-- The code search box lists matches in the order of their description: the
-- index gives that order and holds what the search reads, so a search stops
-- at its hundredth match instead of reading and sorting every article.
CREATE INDEX IX_V_MA_ARTICULOS_Busqueda ON V_MA_ARTICULOS (Descripcion) INCLUDE (IdArticulo, Suspendido);

CREATE VIEW VT_MA_ARTICULOS AS
    SELECT IdArticulo, Descripcion, IdUnidad, IdFamilia, Precio, Baja, Suspendido FROM V_MA_ARTICULOS;

CREATE TABLE S_TA_EQUIV (
    ID             serial PRIMARY KEY,
    IDARTICULO     varchar(25) COLLATE ci NOT NULL,
    IDUNIDAD       varchar(4)  COLLATE ci NOT NULL,
    IDUNIDAD_EQUIV varchar(4)  COLLATE ci NOT NULL,
    COEFICIENTE    numeric(18,6),
    PARATODOS      smallint,
    CONSTRAINT UQ_S_TA_EQUIV UNIQUE (IDARTICULO, IDUNIDAD, IDUNIDAD_EQUIV)
);

CREATE TABLE TA_USUARIOS (
    NOMBRE        varchar(50)  COLLATE ci NOT NULL,
    SISTEMA       varchar(10)  COLLATE ci NOT NULL,
    Password      varchar(100) COLLATE ci,
    Administrador smallint DEFAULT 0,
    UNegocio      varchar(4)   COLLATE ci,
    verproforma   smallint DEFAULT 0,
    CLASEPUSA     varchar(100) COLLATE ci,
    PRIMARY KEY (NOMBRE, SISTEMA)
);

CREATE TABLE TA_MENU (
    Clave   varchar(20)  COLLATE ci NOT NULL PRIMARY KEY,
    Nombre  varchar(100) COLLATE ci,
    Proceso varchar(255) COLLATE ci
);

CREATE TABLE TA_TAREAS (
    USUARIO varchar(50) COLLATE ci NOT NULL,
    TAREA   varchar(20) COLLATE ci NOT NULL,
    PRIMARY KEY (USUARIO, TAREA)
);

CREATE TABLE Control_Acceso (
    ID            serial PRIMARY KEY,
    Maquina       varchar(50)  COLLATE ci,
    Usuario       varchar(50)  COLLATE ci,
    Formulario    varchar(100) COLLATE ci,
    Tarea         varchar(100) COLLATE ci,
    Ingreso       varchar(20)  COLLATE ci,
    NombreUsuario varchar(50)  COLLATE ci
);

CREATE TABLE AUX_ERR (
    ID          serial PRIMARY KEY,
    Proceso     varchar(255) COLLATE ci,
    fecha       varchar(20)  COLLATE ci,
    Error       int,
    Descripcion varchar(250) COLLATE ci,
    sql         text         COLLATE ci,
    PC          varchar(50)  COLLATE ci,
    Usuario     varchar(50)  COLLATE ci
);

CREATE TABLE V_MV_CPTEACCIONES (
    ID            serial PRIMARY KEY,
    TC            varchar(4)   COLLATE ci,
    IdComprobante varchar(25)  COLLATE ci,
    IdComplemento int,
    Tipo_accion   varchar(2)   COLLATE ci,
    FECHAHORA     timestamp,
    Usuario       varchar(50)  COLLATE ci,
    PC            varchar(50)  COLLATE ci,
    SYSTEMUSER    varchar(255) COLLATE ci,
    Proceso       varchar(255) COLLATE ci,
    ProcesoLote   varchar(25)  COLLATE ci,
    Cuenta        varchar(15)  COLLATE ci
);

CREATE TABLE V_TA_UNIDADNEGOCIO (
    Codigo       varchar(4)   COLLATE ci NOT NULL PRIMARY KEY,
    Descripcion  varchar(100) COLLATE ci,
    razon_social varchar(100) COLLATE ci,
    Cuit         varchar(20)  COLLATE ci,
    PDV          varchar(4)   COLLATE ci
);

-- Points of sale that receive copies of master rows.
CREATE TABLE V_TA_TPV (
    CODIGO              varchar(4)   COLLATE ci NOT NULL PRIMARY KEY,
    Descripcion         varchar(50)  COLLATE ci,
    Server              varchar(100) COLLATE ci,
    Dbname              varchar(100) COLLATE ci,
    Usuario             varchar(50)  COLLATE ci,
    Password            varchar(100) COLLATE ci,
    INTERNET            smallint DEFAULT 0,
    BAJA                smallint DEFAULT 0,
    CONECTADO           smallint DEFAULT 0,
    ULTIMA_DETECCION    timestamp,
    PEND_CLIENTES       smallint DEFAULT 0,
    PEND_PROVEEDORES    smallint DEFAULT 0,
    PEND_TABLAS         smallint DEFAULT 0,
    PEND_ARTICULOS      smallint DEFAULT 0,
    PEND_PRECIOS        smallint DEFAULT 0,
    OL_ExceptoArticulos smallint,
    OL_ExceptoPrecios   smallint,
    OL_ExceptoCuentas   smallint,
    OL_ExceptoTablas    smallint
);
