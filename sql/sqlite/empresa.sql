-- The company database: the tables this program reads and writes.
-- Types are declared as on SQL Server; text compares without regard to case.

CREATE TABLE V_TA_UNIDAD (
    IdUnidad    varchar(4)  COLLATE NOCASE NOT NULL PRIMARY KEY,
    Descripcion varchar(50) COLLATE NOCASE
);

CREATE TABLE V_MA_ARTICULOS (
    IdArticulo  varchar(25)  COLLATE NOCASE NOT NULL PRIMARY KEY,
    Descripcion varchar(100) COLLATE NOCASE,
    IdUnidad    varchar(4)   COLLATE NOCASE,
    IdFamilia   varchar(10)  COLLATE NOCASE,
    Precio      money,
    Baja        bit DEFAULT 0,
    Suspendido  bit DEFAULT 0
);
CREATE INDEX IX_V_MA_ARTICULOS_IdUnidad ON V_MA_ARTICULOS (IdUnidad);
-- The code search box lists matches in the order of their description: the
-- index gives that order and holds what the search reads, so a search stops
-- at its hundredth match instead of reading and sorting every article.
CREATE INDEX IX_V_MA_ARTICULOS_Busqueda ON V_MA_ARTICULOS (Descripcion, IdArticulo, Suspendido);

CREATE VIEW VT_MA_ARTICULOS AS
    SELECT IdArticulo, Descripcion, IdUnidad, IdFamilia, Precio, Baja, Suspendido FROM V_MA_ARTICULOS;

CREATE TABLE S_TA_EQUIV (
    ID             integer PRIMARY KEY AUTOINCREMENT,
    IDARTICULO     varchar(25) COLLATE NOCASE NOT NULL,
    IDUNIDAD       varchar(4)  COLLATE NOCASE NOT NULL,
    IDUNIDAD_EQUIV varchar(4)  COLLATE NOCASE NOT NULL,
    COEFICIENTE    numeric(18,6),
    PARATODOS      smallint,
    CONSTRAINT UQ_S_TA_EQUIV UNIQUE (IDARTICULO, IDUNIDAD, IDUNIDAD_EQUIV)
);

CREATE TABLE TA_USUARIOS (
    NOMBRE        varchar(50)  COLLATE NOCASE NOT NULL,
    SISTEMA       varchar(10)  COLLATE NOCASE NOT NULL,
    Password      varchar(100) COLLATE NOCASE,
    Administrador smallint DEFAULT 0,
    UNegocio      varchar(4)   COLLATE NOCASE,
    verproforma   bit DEFAULT 0,
    CLASEPUSA     varchar(100) COLLATE NOCASE,
    PRIMARY KEY (NOMBRE, SISTEMA)
);

CREATE TABLE TA_MENU (
    Clave   varchar(20)  COLLATE NOCASE NOT NULL PRIMARY KEY,
    Nombre  varchar(100) COLLATE NOCASE,
    Proceso varchar(255) COLLATE NOCASE
);

CREATE TABLE TA_TAREAS (
    USUARIO varchar(50) COLLATE NOCASE NOT NULL,
    TAREA   varchar(20) COLLATE NOCASE NOT NULL,
    PRIMARY KEY (USUARIO, TAREA)
);

CREATE TABLE Control_Acceso (
    ID            integer PRIMARY KEY AUTOINCREMENT,
    Maquina       varchar(50)  COLLATE NOCASE,
    Usuario       varchar(50)  COLLATE NOCASE,
    Formulario    varchar(100) COLLATE NOCASE,
    Tarea         varchar(100) COLLATE NOCASE,
    Ingreso       varchar(20)  COLLATE NOCASE,
    NombreUsuario varchar(50)  COLLATE NOCASE
);

CREATE TABLE AUX_ERR (
    ID          integer PRIMARY KEY AUTOINCREMENT,
    Proceso     varchar(255) COLLATE NOCASE,
    fecha       varchar(20)  COLLATE NOCASE,
    Error       int,
    Descripcion varchar(250) COLLATE NOCASE,
    sql         text         COLLATE NOCASE,
    PC          varchar(50)  COLLATE NOCASE,
    Usuario     varchar(50)  COLLATE NOCASE
);

CREATE TABLE V_MV_CPTEACCIONES (
    ID            integer PRIMARY KEY AUTOINCREMENT,
    TC            varchar(4)   COLLATE NOCASE,
    IdComprobante varchar(25)  COLLATE NOCASE,
    IdComplemento int,
    Tipo_accion   varchar(2)   COLLATE NOCASE,
    FECHAHORA     datetime,
    Usuario       varchar(50)  COLLATE NOCASE,
    PC            varchar(50)  COLLATE NOCASE,
    SYSTEMUSER    varchar(255) COLLATE NOCASE,
    Proceso       varchar(255) COLLATE NOCASE,
    ProcesoLote   varchar(25)  COLLATE NOCASE,
    Cuenta        varchar(15)  COLLATE NOCASE
);

CREATE TABLE V_TA_UNIDADNEGOCIO (
    Codigo       varchar(4)   COLLATE NOCASE NOT NULL PRIMARY KEY,
    Descripcion  varchar(100) COLLATE NOCASE,
    razon_social varchar(100) COLLATE NOCASE,
    Cuit         varchar(20)  COLLATE NOCASE,
    PDV          varchar(4)   COLLATE NOCASE
);

-- Points of sale that receive copies of master rows.
CREATE TABLE V_TA_TPV (
    CODIGO              varchar(4)   COLLATE NOCASE NOT NULL PRIMARY KEY,
    Descripcion         varchar(50)  COLLATE NOCASE,
    Server              varchar(100) COLLATE NOCASE,
    Dbname              varchar(100) COLLATE NOCASE,
    Usuario             varchar(50)  COLLATE NOCASE,
    Password            varchar(100) COLLATE NOCASE,
    INTERNET            bit DEFAULT 0,
    BAJA                bit DEFAULT 0,
    CONECTADO           bit DEFAULT 0,
    ULTIMA_DETECCION    datetime,
    PEND_CLIENTES       bit DEFAULT 0,
    PEND_PROVEEDORES    bit DEFAULT 0,
    PEND_TABLAS         bit DEFAULT 0,
    PEND_ARTICULOS      bit DEFAULT 0,
    PEND_PRECIOS        bit DEFAULT 0,
    OL_ExceptoArticulos bit,
    OL_ExceptoPrecios   bit,
    OL_ExceptoCuentas   bit,
    OL_ExceptoTablas    bit
);
