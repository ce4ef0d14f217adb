#include "maintenance/ManutencaoSql.h"
#include "platform/data/StringLigacao.h"
#include "platform/data/Transacao.h"
#include "platform/data/zavCoreDataAccess2016.h"
#include "support/ErrorNumber.h"
#include "tds/WireTest.h"

#include <QFile>
#include <QJsonDocument>
#include <QTemporaryDir>
#include <algorithm>
#include <clocale>
#include <gtest/gtest.h>

using namespace zav;
using namespace zav::test;

namespace {

// What the stand-in answers: the articles' language rows and the free table
// (empty but for Portuguese), their keys, a row of Unicode and code-page text,
// a missing table, a broken key, and updates whose count a trigger precedes
// or that find two rows.
const char* const Replies = R"json([
  {"match": "Invalid", "error": {"number": 102, "message": "Incorrect syntax near 'Invalid'."}},
  {"match": "zav_FichaAmostra", "error": {"number": 208, "message": "Invalid object name 'zav_FichaAmostra'."}},
  {"match": "FALHA", "error": {"number": 2627, "message": "Violation of PRIMARY KEY constraint 'PK_ArtIdiom'."}},
  {"match": "gatilho", "rowcount": [3, 1]},
  {"match": "Duplicada", "rowcount": 2},
  {"match": "exec sp_pkeys ArtIdiom", "columns": [["TABLE_QUALIFIER", "nvarchar(128)"], ["TABLE_OWNER", "nvarchar(128)"],
     ["TABLE_NAME", "nvarchar(128)"], ["COLUMN_NAME", "nvarchar(128)"], ["KEY_SEQ", "smallint"], ["PK_NAME", "nvarchar(128)"]],
   "rows": [["EMPRESA01", "dbo", "ArtIdiom", "Artigo", 1, "PK_ArtIdiom"], ["EMPRESA01", "dbo", "ArtIdiom", "Idioma", 2, "PK_ArtIdiom"]]},
  {"match": "exec sp_pkeys zav_ArtigoDetalhe", "columns": [["TABLE_QUALIFIER", "nvarchar(128)"], ["TABLE_OWNER", "nvarchar(128)"],
     ["TABLE_NAME", "nvarchar(128)"], ["COLUMN_NAME", "nvarchar(128)"], ["KEY_SEQ", "smallint"], ["PK_NAME", "nvarchar(128)"]],
   "rows": [["EMPRESA01", "dbo", "zav_ArtigoDetalhe", "ARTIGO", 1, "ix_zav_ArtigoDetalhe"],
            ["EMPRESA01", "dbo", "zav_ArtigoDetalhe", "IDIOMA", 2, "ix_zav_ArtigoDetalhe"]]},
  {"match": "exec sp_pkeys zav_TabLiv01", "columns": [["TABLE_QUALIFIER", "nvarchar(128)"], ["TABLE_OWNER", "nvarchar(128)"],
     ["TABLE_NAME", "nvarchar(128)"], ["COLUMN_NAME", "nvarchar(128)"], ["KEY_SEQ", "smallint"], ["PK_NAME", "nvarchar(128)"]],
   "rows": [["EMPRESA01", "dbo", "zav_TabLiv01", "Chave", 1, "PK_zav_TabLiv01"], ["EMPRESA01", "dbo", "zav_TabLiv01", "Idioma", 2, "PK_zav_TabLiv01"]]},
  {"match": "from ArtIdiom", "columns": [["Artigo", "nvarchar(15)"], ["Idioma", "nvarchar(3)"], ["Descr", "nvarchar(60)"]], "rows": []},
  {"match": "from zav_ArtigoDetalhe", "columns": [["ARTIGO", "nvarchar(15)"], ["IDIOMA", "nvarchar(3)"], ["DESCR", "nvarchar(max)"]], "rows": []},
  {"match": "Idioma='PT'", "columns": [["Chave", "nvarchar(4)"], ["Idioma", "nvarchar(3)"], ["Descr", "nvarchar(50)"]], "rows": [["A1", "PT", "Antiga"]]},
  {"match": "select Nome, Latim from Leitura", "columns": [["Nome", "nvarchar(20)"], ["Latim", "varchar(20)"]],
   "rows": [["Acção Ω 中 👕", "Acção €"]]}
])json";

// Through the real stack: the program's data-access object, unixODBC and
// FreeTDS, over TCP to the stand-in, which tells what arrived.
class SqlServerWire : public WireTest {
protected:
    SqlServerWire() : WireTest(Replies) {}

    QList<QJsonObject> writes() const
    {
        QList<QJsonObject> found;
        for (const QJsonObject& rpc : standIn.requests(QStringLiteral("rpc")))
            if (statementOf(rpc).startsWith(QLatin1StringView("INSERT")) || statementOf(rpc).startsWith(QLatin1StringView("UPDATE")))
                found.append(rpc);
        return found;
    }

    void expectNoServerCursors() const
    {
        for (const QJsonObject& rpc : standIn.requests(QStringLiteral("rpc")))
            EXPECT_FALSE(rpc[QLatin1StringView("proc")].toString().startsWith(QLatin1StringView("sp_cursor")))
                << statementOf(rpc).toStdString();
    }

    // How `transaction` ended: "commit", "rollback", as many as were sent in it.
    QStringList endsOf(const QString& transaction) const
    {
        QStringList ends;
        for (const QJsonObject& batch : standIn.requests(QStringLiteral("batch")))
            if (transactionOf(batch) == transaction) {
                const QString sql = batch[QLatin1StringView("sql")].toString();
                if (sql == u"COMMIT TRANSACTION" || sql == u"ROLLBACK TRANSACTION")
                    ends << sql.section(u' ', 0, 0).toLower();
            }
        return ends;
    }

};

TEST_F(SqlServerWire, TheLoginArrivesAsConfigured)
{
    const struct {
        const char* utilizador;
        const char* senha;
        const char* baseDados;
    } cases[] = {
        {"sa", "segredo", "EMPRESA01"},           // the last setting of the text, where a NUL used to follow
        {"sa", "s;egredo", "EMPRESA01"},          // between braces
        {"sa", " segredo ", "EMPRESA01"},         // blanks at both ends
        {"tarvelo", "{Acção=Ω", "Confecções Norte"},
    };
    for (const auto& l : cases) {
        zavCoreDataAccess2016 outro;
        outro.AbreLigacao(ligacao(QString::fromUtf8(l.utilizador), QString::fromUtf8(l.senha), QString::fromUtf8(l.baseDados)));
        const QList<QJsonObject> logins = standIn.requests(QStringLiteral("login"));
        ASSERT_FALSE(logins.isEmpty());
        const QJsonObject login = logins.last();
        EXPECT_EQ(login[QLatin1StringView("user")].toString(), QString::fromUtf8(l.utilizador));
        EXPECT_EQ(login[QLatin1StringView("password")].toString(), QString::fromUtf8(l.senha));
        EXPECT_EQ(login[QLatin1StringView("database")].toString(), QString::fromUtf8(l.baseDados));
    }
}

TEST_F(SqlServerWire, APasswordTheConnectionCannotCarryIsRefusedBeforeConnecting)
{
    try {
        bd.AbreLigacao(ligacao(QStringLiteral("sa"), QStringLiteral("se}gredo"), QStringLiteral("EMPRESA01")));
        ADD_FAILURE() << "connected with a password that cannot reach the server whole";
    } catch (const RuntimeError& e) {
        EXPECT_EQ(e.number(), errors::InvalidCall);
        EXPECT_TRUE(e.description().contains(QLatin1StringView("senha")) && e.description().contains(u'}')) << e.what();
    }
    EXPECT_FALSE(bd.isOpen());
    EXPECT_TRUE(standIn.requests().isEmpty()) << "nothing should reach the server";
}

TEST_F(SqlServerWire, AConfirmWritesEveryTextWholeInOneTransaction)
{
    const QList<QPair<QString, QString>> descricoes = {
        {"EL", "Μπλούζα βαμβακερή"}, {"ZH", "棉质衬衫"}, {"EN", "Cotton shirt 👕"}, {"PT", "Camisola de algodão, acção"}};
    const QString detalhe = QStringLiteral("Ω ç 中 👕 ").repeated(600); // beyond nvarchar(4000)
    open();
    {
        Transacao transacao(bd);
        for (const auto& [idioma, descricao] : descricoes)
            grava(ArtigosSql::linhaDescricao("ART01", idioma), idioma, descricao);
        grava(ArtigosSql::linhaDetalhe("ART01", "EL"), "EL", detalhe);
        transacao.Confirma();
    }

    const QList<QJsonObject> inserts = writes();
    ASSERT_EQ(inserts.size(), descricoes.size() + 1);
    for (qsizetype i = 0; i < inserts.size(); ++i) {
        const QJsonObject descr = inserts[i][QLatin1StringView("params")].toArray().last().toObject();
        EXPECT_EQ(descr[QLatin1StringView("value")].toString(), i < descricoes.size() ? descricoes[i].second : detalhe);
        EXPECT_TRUE(descr[QLatin1StringView("type")].toString().startsWith(QLatin1StringView("nvarchar("))) << statementOf(inserts[i]).toStdString();
    }
    expectNoServerCursors();
    for (const QJsonObject& batch : standIn.requests(QStringLiteral("batch")))
        if (batch[QLatin1StringView("sql")].toString().startsWith(QLatin1StringView("SAVE TRANSACTION")))
            EXPECT_EQ(transactionOf(batch), transactionOf(inserts.first())) << "each row's savepoint is inside the confirm";

    const QString transaction = transactionOf(inserts.first());
    for (const QJsonObject& insert : inserts)
        EXPECT_EQ(transactionOf(insert), transaction) << "every write in the one transaction";
    EXPECT_NE(transaction, QStringLiteral("0000000000000000"));
    EXPECT_EQ(endsOf(transaction), QStringList{"commit"});
    const QList<QJsonObject> requests = standIn.requests();
    EXPECT_TRUE(std::any_of(requests.begin(), requests.begin() + requests.indexOf(inserts.first()), [](const QJsonObject& r) {
        return r[QLatin1StringView("sql")].toString() == QLatin1StringView("BEGIN TRANSACTION");
    })) << "the transaction begins before the first write";
}

TEST_F(SqlServerWire, AFailedConfirmIsRolledBack)
{
    open();
    const auto confirma = [&] {
        Transacao transacao(bd);
        grava(ArtigosSql::linhaDescricao("ART01", "PT"), "PT", "Camisola");
        grava(ArtigosSql::linhaDescricao("ART01", "EN"), "EN", "FALHA"); // the server refuses it
        transacao.Confirma();
    };
    EXPECT_EQ(errorNumberOf(confirma), errors::IntegrityViolation);

    const QList<QJsonObject> inserts = writes();
    ASSERT_EQ(inserts.size(), 2);
    const QString transaction = transactionOf(inserts.first());
    EXPECT_EQ(transactionOf(inserts.last()), transaction);
    EXPECT_EQ(endsOf(transaction), QStringList{"rollback"});
}

TEST_F(SqlServerWire, WritesRunAsSentAndCountTheirOwnRows)
{
    open();
    const QStringList statements = {
        " CREATE TABLE [dbo].[zav_TabLiv02]( [Chave] [nvarchar](4) NOT NULL, [Idioma] [nvarchar](3) NOT NULL, [Descr] [nvarchar](50) NULL)",
        TabIdiomasSql::anulaIdioma({1, "A1"}, "EL")};
    for (const QString& sql : statements)
        bd.ExecutaSQL(QString(), sql);
    QStringList batches;
    for (const QJsonObject& batch : standIn.requests(QStringLiteral("batch")))
        batches << batch[QLatin1StringView("sql")].toString();
    EXPECT_EQ(batches, statements);

    const RecordsetPtr linha = bd.AbreRecordsetEdicao(TabIdiomasSql::linha({1, "A1"}, "PT"));
    ASSERT_EQ(linha->RecordCount(), 1);
    linha->Fields(QStringLiteral("Descr")) = "Com gatilho"; // a trigger reports 3 rows before the statement's 1
    EXPECT_EQ(errorNumberOf([&] { linha->Update(); }), 0u);
    linha->Fields(QStringLiteral("Descr")) = "Duplicada"; // the statement itself changed 2
    EXPECT_EQ(errorNumberOf([&] { linha->Update(); }), errors::Unspecified);

    const QList<QJsonObject> updates = writes();
    ASSERT_EQ(updates.size(), 2);
    EXPECT_EQ(endsOf(transactionOf(updates.first())), QStringList{"commit"});
    EXPECT_EQ(endsOf(transactionOf(updates.last())), QStringList{"rollback"});
    expectNoServerCursors();
}

// The process's locale for a scope, as LANG would set it for the whole program.
class Locale {
public:
    explicit Locale(const char* name) : before_(std::setlocale(LC_ALL, nullptr)), set_(std::setlocale(LC_ALL, name) != nullptr) {}
    ~Locale() { std::setlocale(LC_ALL, before_.c_str()); }
    bool set() const { return set_; }

private:
    std::string before_;
    bool set_;
};

TEST_F(SqlServerWire, TextsReadBackWholeWhateverTheLocale)
{
    for (const char* name : {"C", "C.UTF-8"}) {
        const Locale locale(name);
        ASSERT_TRUE(locale.set()) << name;
        zavCoreDataAccess2016 outro; // the driver takes the locale when it connects
        outro.AbreLigacao(ligacao(QStringLiteral("sa"), QStringLiteral("segredo"), QStringLiteral("EMPRESA01")));
        const RecordsetPtr rs = outro.AbreRecordset(QString(), "select Nome, Latim from Leitura");
        ASSERT_EQ(rs->RecordCount(), 1) << name;
        EXPECT_EQ(rs->Fields(QStringLiteral("Nome")).text(), QStringLiteral("Acção Ω 中 👕")) << name;
        EXPECT_EQ(rs->Fields(QStringLiteral("Latim")).text(), QStringLiteral("Acção €")) << name << " (code page 1252)";
        EXPECT_EQ(rs->Fields(QStringLiteral("Latim")).definedSize(), 20);
    }
}

TEST_F(SqlServerWire, FailuresCarryTheProvidersNumbers)
{
    open();
    EXPECT_EQ(errorNumberOf([&] { bd.AbreRecordset(QString(), "select Codigo from  zav_FichaAmostra "); }), errors::ObjectNotFound);
    EXPECT_EQ(errorNumberOf([&] { bd.AbreRecordset(QString(), "select Invalid"); }), errors::CommandError);
    QString description;
    try {
        bd.ExecutaSQL(QString(), "delete from zav_FichaAmostra");
    } catch (const RuntimeError& e) {
        description = e.description();
    }
    EXPECT_TRUE(description.contains(QLatin1StringView("Invalid object name 'zav_FichaAmostra'"))) << description.toStdString();
}

} // namespace

namespace {

// An environment variable for a scope.
class Environment {
public:
    Environment(const char* name, const QByteArray& value) : name_(name), before_(qgetenv(name)), had_(qEnvironmentVariableIsSet(name))
    {
        qputenv(name, value);
    }
    ~Environment()
    {
        if (had_)
            qputenv(name_, before_);
        else
            qunsetenv(name_);
    }

private:
    const char* name_;
    QByteArray before_;
    bool had_;
};

TEST_F(SqlServerWire, TheProtocolVersionIsChosenByTdsverInTheEnvironmentNotByFreetdsConf)
{
    const auto versionAsked = [&] {
        zavCoreDataAccess2016 outro;
        outro.AbreLigacao(ligacao());
        return standIn.requests(QStringLiteral("login")).last()[QLatin1StringView("tds_version")].toString();
    };
    EXPECT_EQ(versionAsked(), QStringLiteral("74000004")) << "7.4, FreeTDS's own choice";
    {
        const Environment tdsver("TDSVER", "7.2");
        EXPECT_EQ(versionAsked(), QStringLiteral("72090002"));
    }
    QTemporaryDir dir;
    QFile conf(dir.filePath(QStringLiteral("freetds.conf")));
    ASSERT_TRUE(conf.open(QIODevice::WriteOnly));
    conf.write("[global]\n\ttds version = 7.2\n");
    conf.close();
    const Environment freetdsconf("FREETDSCONF", conf.fileName().toUtf8());
    EXPECT_EQ(versionAsked(), QStringLiteral("74000004")) << "freetds.conf's [global] does not reach these connections";
}

} // namespace
