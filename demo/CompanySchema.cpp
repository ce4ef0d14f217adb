#include "demo/CompanySchema.h"

#include "demo/SqliteConnection.h"
#include "platform/data/ErpCollation.h"

#include <QRegularExpression>

namespace demo {
namespace {

// Column types, spelled once: "T(15)" in the statements below becomes a
// case-insensitive text column of 15 characters.
QString expandTypes(QString statement)
{
    static const QRegularExpression text(QStringLiteral(R"(\bT\((\d+)\))"));
    const QString collate = QStringLiteral(" COLLATE ") + QLatin1StringView(zav::ErpCollation::Name);
    statement.replace(text, QStringLiteral(R"(VARCHAR(\1))") + collate);
    statement.replace(QStringLiteral("MEMO"), QStringLiteral("TEXT") + collate);
    statement.replace(QStringLiteral("QTY"), QStringLiteral("NUMERIC(19,4) DEFAULT 0"));
    statement.replace(QStringLiteral("AMOUNT"), QStringLiteral("MONEY DEFAULT 0"));
    return statement;
}

const char* const kTables[] = {
    R"(CREATE TABLE EMPRESA (
        NumContr T(20) NOT NULL DEFAULT '',
        NOME T(80) DEFAULT '',
        Morada T(50) DEFAULT '',
        Local T(35) DEFAULT '',
        CdPostal T(8) DEFAULT '',
        PRIMARY KEY (NumContr)))",

    R"(CREATE TABLE Idiomas (
        Codigo T(3) NOT NULL,
        Descr T(30) DEFAULT '',
        PRIMARY KEY (Codigo)))",

    R"(CREATE TABLE TabLiv01 (Chave T(4) NOT NULL, Descr T(50) DEFAULT '', PRIMARY KEY (Chave)))",
    R"(CREATE TABLE TabLiv02 (Chave T(4) NOT NULL, Descr T(50) DEFAULT '', PRIMARY KEY (Chave)))",
    R"(CREATE TABLE TabLiv03 (Chave T(4) NOT NULL, Descr T(50) DEFAULT '', PRIMARY KEY (Chave)))",
    R"(CREATE TABLE TabLiv04 (Chave T(4) NOT NULL, Descr T(50) DEFAULT '', PRIMARY KEY (Chave)))",

    R"(CREATE TABLE TipMed (
        TipoMed T(10) NOT NULL,
        Descrica T(30) DEFAULT '',
        PRIMARY KEY (TipoMed)))",

    R"(CREATE TABLE MedTamCo (
        CodTipoM T(10) NOT NULL,
        CodMed T(4) NOT NULL,
        Descrica T(30) DEFAULT '',
        PosImp SMALLINT DEFAULT 0,
        PRIMARY KEY (CodTipoM, CodMed)))",

    R"(CREATE TABLE Grupos (
        Cod T(10) NOT NULL,
        Descr T(50) DEFAULT '',
        PRIMARY KEY (Cod)))",

    R"(CREATE TABLE Familia (
        Grupo T(10) NOT NULL,
        Cod T(6) NOT NULL,
        Descr T(80) DEFAULT '',
        PRIMARY KEY (Grupo, Cod)))",

    R"(CREATE TABLE SubFamil (
        Grupo T(10) NOT NULL,
        Familia T(10) NOT NULL,
        Cod T(6) NOT NULL,
        Descr T(80) DEFAULT '',
        PRIMARY KEY (Grupo, Familia, Cod)))",

    R"(CREATE TABLE Paises (
        Cod T(3) NOT NULL,
        Descr T(50) DEFAULT '',
        PRIMARY KEY (Cod)))",

    R"(CREATE TABLE CodPost (
        Cod T(8) NOT NULL,
        Descr T(50) DEFAULT '',
        PRIMARY KEY (Cod)))",

    R"(CREATE TABLE RgIva (
        Codigo T(3) NOT NULL,
        Descr T(50) DEFAULT '',
        Mercado SMALLINT DEFAULT 1,
        PRIMARY KEY (Codigo)))",

    R"(CREATE TABLE Vendedor (
        Codigo T(6) NOT NULL,
        Nome T(50) DEFAULT '',
        PRIMARY KEY (Codigo)))",

    R"(CREATE TABLE Fornec (
        Codigo T(15) NOT NULL,
        Nome T(80) DEFAULT '',
        Morada T(50) DEFAULT '',
        Local T(35) DEFAULT '',
        CdPostal T(8) DEFAULT '',
        NContrib T(20) DEFAULT '',
        Telef T(15) DEFAULT '',
        email T(50) DEFAULT '',
        PRIMARY KEY (Codigo)))",

    R"(CREATE TABLE Clientes (
        Codigo T(15) NOT NULL,
        Nome T(80) DEFAULT '',
        Morada T(50) DEFAULT '',
        Local T(35) DEFAULT '',
        CdPostal T(8) DEFAULT '',
        Pais T(3) DEFAULT '',
        NContrib T(20) DEFAULT '',
        Telef T(15) DEFAULT '',
        email T(50) DEFAULT '',
        Contacto T(50) DEFAULT '',
        Sitio T(30) DEFAULT '',
        Vendedor T(6) DEFAULT '',
        RgIva T(3) DEFAULT '',
        PRIMARY KEY (Codigo)))",

    R"(CREATE TABLE TpMorada (
        Codigo T(3) NOT NULL,
        Descrica T(30) DEFAULT '',
        PRIMARY KEY (Codigo)))",

    R"(CREATE TABLE Moradas (
        TpTerc SMALLINT NOT NULL,
        Terceiro T(15) NOT NULL,
        CdMorada T(3) NOT NULL,
        TpMorada T(3) DEFAULT '',
        Contacto T(25) DEFAULT '',
        Morada T(50) DEFAULT '',
        Morada2 T(50) DEFAULT '',
        Local T(35) DEFAULT '',
        CdPostal T(8) DEFAULT '',
        "País" T(3) DEFAULT '',
        Telef T(15) DEFAULT '',
        Telex T(15) DEFAULT '',
        Descr T(50) DEFAULT '',
        CodEan T(20) DEFAULT '',
        PRIMARY KEY (TpTerc, Terceiro, CdMorada)))",

    // A parent reference has CodRef '' and its size (TmHor) and colour (TmVer)
    // types; each variant names its parent in CodRef and carries the same types
    // with its own size (MedHor) and colour (MedVert). ArtOuDes -1 marks an
    // expense (carriage, services) rather than goods.
    R"(CREATE TABLE Artigos (
        Codigo T(15) NOT NULL,
        Nome T(60) DEFAULT '',
        CodRef T(15) DEFAULT '',
        TmHor T(10) DEFAULT '',
        MedHor T(4) DEFAULT '',
        TmVer T(10) DEFAULT '',
        MedVert T(4) DEFAULT '',
        UnBase T(5) DEFAULT '',
        ArtOuDes SMALLINT DEFAULT 0,
        Grupo T(10) DEFAULT '',
        Familia T(10) DEFAULT '',
        SubFamil T(6) DEFAULT '',
        Fornec T(15) DEFAULT '',
        PrVenda AMOUNT,
        Inactivo SMALLINT DEFAULT 0,
        TComposi SMALLINT DEFAULT 0,
        TValoriz SMALLINT DEFAULT 1,
        DataEncomenda DATETIME,
        DataEntrega DATETIME,
        BlNotas MEMO DEFAULT '',
        PRIMARY KEY (Codigo)))",

    // Free classes of an article; Cl05 is its class for the statistical return
    // (the code of an Artigos row whose Nome names the class).
    R"(CREATE TABLE ClArt (
        Codigo T(15) NOT NULL,
        Cl01 T(15) DEFAULT '', Cl02 T(15) DEFAULT '', Cl03 T(15) DEFAULT '',
        Cl04 T(15) DEFAULT '', Cl05 T(15) DEFAULT '', Cl06 T(15) DEFAULT '',
        Cl07 T(15) DEFAULT '', Cl08 T(15) DEFAULT '', Cl09 T(15) DEFAULT '',
        PRIMARY KEY (Codigo)))",

    R"(CREATE TABLE ArtIdiom (
        Artigo T(15) NOT NULL,
        Idioma T(3) NOT NULL,
        Descr T(60) DEFAULT '',
        PRIMARY KEY (Artigo, Idioma)))",

    // Composition of an article: the factors (materials) each operation uses...
    R"(CREATE TABLE OperaFac (
        Artigo T(15) NOT NULL,
        Seq SMALLINT NOT NULL,
        Operacao T(10) DEFAULT '',
        Factor T(15) DEFAULT '',
        Quantida QTY,
        TImputac SMALLINT DEFAULT 1,
        CustoTeo AMOUNT,
        PRIMARY KEY (Artigo, Seq)))",

    // ...and its operations, in sequence.
    R"(CREATE TABLE ArtOpera (
        Artigo T(15) NOT NULL,
        Seq SMALLINT NOT NULL,
        Operacao T(10) DEFAULT '',
        Tempo QTY,
        UniTempo T(3) DEFAULT '',
        Antecede T(10) DEFAULT '',
        PRIMARY KEY (Artigo, Seq)))",

    R"(CREATE TABLE TpDoc (
        Codigo T(15) NOT NULL,
        Descr T(50) DEFAULT '',
        Entidade SMALLINT DEFAULT 0,
        Areag SMALLINT DEFAULT 0,
        PRIMARY KEY (Codigo)))",

    // Document headers. AREAG: 2 orders, 4 invoicing and production;
    // TPTERC: 2 customer, 3 production; SINALCT: the sign of the movement;
    // NVIAS -1: the document was cancelled.
    R"(CREATE TABLE DOCGCCAB (
        TPDOC T(15) NOT NULL,
        SERIE T(10) NOT NULL,
        ANO SMALLINT NOT NULL,
        NNUMDOC INTEGER NOT NULL,
        Data DATETIME,
        Terceiro T(15) DEFAULT '',
        Vendedor T(6) DEFAULT '',
        RgIva T(3) DEFAULT '',
        AREAG SMALLINT DEFAULT 0,
        TPTERC SMALLINT DEFAULT 0,
        NATCONTA SMALLINT DEFAULT 0,
        TPOPER SMALLINT DEFAULT 0,
        SINALCT SMALLINT DEFAULT 0,
        NVIAS SMALLINT DEFAULT 1,
        PRIMARY KEY (TPDOC, SERIE, ANO, NNUMDOC)))",

    // Document lines. On an order QtdOrig is the quantity ordered and Quant
    // what is still to deliver; a line without Artigo is a text line (Descr).
    R"(CREATE TABLE DOCGCLIN (
        TPDOCUM T(15) NOT NULL,
        SERIE T(10) NOT NULL,
        ANO SMALLINT NOT NULL,
        NNUMDOC INTEGER NOT NULL,
        NLinha INTEGER NOT NULL,
        Artigo T(15) DEFAULT '',
        Descr T(80) DEFAULT '',
        Quant QTY,
        QtdOrig QTY,
        Preco AMOUNT,
        Valor AMOUNT,
        PRIMARY KEY (TPDOCUM, SERIE, ANO, NNUMDOC, NLinha)))",
};

const char* const kIndexes[] = {
    "CREATE INDEX ix_DOCGCCAB_Data ON DOCGCCAB (Data)",
    "CREATE INDEX ix_DOCGCCAB_Terceiro ON DOCGCCAB (Terceiro)",
    "CREATE INDEX ix_DOCGCLIN_Artigo ON DOCGCLIN (Artigo)",
    "CREATE INDEX ix_Artigos_CodRef ON Artigos (CodRef)",
    "CREATE INDEX ix_Artigos_Grupo ON Artigos (Grupo, Familia, SubFamil)",
    "CREATE INDEX ix_Artigos_Fornec ON Artigos (Fornec)",
    "CREATE INDEX ix_ClArt_Cl05 ON ClArt (Cl05)",
    "CREATE INDEX ix_MedTamCo_PosImp ON MedTamCo (CodTipoM, PosImp)",
    "CREATE INDEX ix_Clientes_Nome ON Clientes (Nome)",
};

void executeAll(const QSqlDatabase& db, const QStringList& statements)
{
    for (const QString& sql : statements)
        executeSql(db, sql);
}

} // namespace

QStringList CompanySchema::tableNames()
{
    static const QRegularExpression name(QStringLiteral(R"(^CREATE TABLE (\w+))"));
    QStringList names;
    for (const char* sql : kTables)
        names << name.match(QString::fromUtf8(sql)).captured(1);
    return names;
}

QStringList CompanySchema::createTableStatements()
{
    QStringList statements;
    for (const char* sql : kTables)
        statements << expandTypes(QString::fromUtf8(sql));
    return statements;
}

QStringList CompanySchema::createIndexStatements()
{
    QStringList statements;
    for (const char* sql : kIndexes)
        statements << QString::fromUtf8(sql);
    return statements;
}

void CompanySchema::create(const QSqlDatabase& db)
{
    createTables(db);
    createIndexes(db);
}

void CompanySchema::createTables(const QSqlDatabase& db)
{
    executeAll(db, createTableStatements());
}

void CompanySchema::createIndexes(const QSqlDatabase& db)
{
    executeAll(db, createIndexStatements());
    // Built under today's comparison: the program has nothing to rebuild.
    executeAll(db, {QStringLiteral("PRAGMA user_version = %1").arg(zav::ErpCollation::instance().indexVersion())});
}

} // namespace demo
