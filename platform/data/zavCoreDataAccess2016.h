#pragma once

#include "platform/data/Recordset.h"

#include <QString>
#include <memory>

namespace zav {

class SqlBackend;

// An open connection handed to the pick list: it reads through the same
// backend, so its SQL Server text is treated exactly as the screens' own.
class Ligacao {
public:
    Ligacao() = default;
    explicit Ligacao(std::shared_ptr<SqlBackend> backend) : backend_(std::move(backend)) {}
    bool isOpen() const;
    RecordsetPtr abreRecordset(const QString& sql) const;

private:
    std::shared_ptr<SqlBackend> backend_;
};

// The one object through which the program reaches the company database.
// Statements are SQL Server text; every failure is a zav::RuntimeError that
// carries the provider's number and description.
class zavCoreDataAccess2016 {
public:
    zavCoreDataAccess2016();
    ~zavCoreDataAccess2016();
    zavCoreDataAccess2016(const zavCoreDataAccess2016&) = delete;
    zavCoreDataAccess2016& operator=(const zavCoreDataAccess2016&) = delete;

    // ADO-style "key=value;" list. "Data Provider=SQLite" with "Data Source=<file>"
    // opens the embedded database; any other provider goes through ODBC
    // ("Driver=", default FreeTDS; "Data Source", "Initial Catalog", "User ID", "Password").
    void AbreLigacao(const QString& connectionString);
    // Over a connection its caller opened with settings of its own (the
    // tests, with shorter waits for the server).
    void AbreLigacao(std::shared_ptr<SqlBackend> backend);

    // A read recordset on its first row with an exact RecordCount.
    RecordsetPtr AbreRecordset(const QString& contexto, const QString& sql);
    // An updatable recordset over a one-table SELECT: AddNew/Update/Delete write through.
    RecordsetPtr AbreRecordsetEdicao(const QString& sql);
    void ExecutaSQL(const QString& contexto, const QString& sql);

    // Transactions as ADO's Connection has them. They nest: an inner one is a
    // savepoint, so its rollback undoes only its own work and the outer one goes
    // on. BeginTrans gives the level it opened (1 for the outermost); CommitTrans
    // or RollbackTrans without one open raises 0x8004D00E. See zav::Transacao.
    int BeginTrans();
    void CommitTrans();
    void RollbackTrans();
    Ligacao GetLigacao() const;
    QString PrefixoImagens() const;
    void FechaLigacao();

    bool isOpen() const;
    // Why the company can only be read for now, in the user's words; empty
    // when it can be written (see OutgrownIndexes).
    QString readOnlyReason() const;

private:
    std::shared_ptr<SqlBackend> backend_;
    QString prefixoImagens_;
};

// Typed values reach SQL text only through these.
// SqlTexto: the value with every single quote doubled, to stand between quotes.
QString SqlTexto(const QString& value);
// SqlNumero: the value unchanged when it is a whole number (optional sign,
// digits); anything else raises run-time error 13 (type mismatch).
QString SqlNumero(const QString& value);

} // namespace zav
