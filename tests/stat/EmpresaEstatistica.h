#pragma once

#include "platform/data/zavCoreDataAccess2016.h"

#include <QDate>
#include <QTemporaryDir>
#include <memory>

namespace demo {
class SqliteConnection;
}

// A company database with the documents of a few known periods, opened
// through the data-access object the way the program opens it.
//
// March 2026 (the main period):
//   production  CL10 Camisas +100 -10 = 90, CL20 Calças 40, CL40 Meias 12.5;
//   sales       CL10 27 units, 300.40 + 12 (an expense) - 30 = 282.40;
//               CL20 in two units: UN 8 / 160 and KG 2.5 / 20.4;
//               CL30 (a class without a name) 5 / 75, no production;
//   markets     1 (national) 357.40, 3 (other) 180.40, none in market 2.
// Left out of March: cancelled documents (nvias -1), documents of 28-02 and
// 01-04, articles without a class, a line without an article.
// May 2026: sales only, CL10 4 / 44 in market 2.
// June 2026: production only, CL20 6.
// July 2026: production only, CL20 in two units: UN 6 and KG 1.5.
// September 2026: figures wider than the return's ten characters, CL90 Tecidos
//   produced 1234567.125 KG, sold 1 for 12345678901 in market 1.
// November 2026: CL50 Botões, its class code written "cl50" on the article
//   produced (3) and "CL50" on the one sold (2 / 40, market 1).
// January 2026: nothing.
class EmpresaEstatistica {
public:
    EmpresaEstatistica();
    ~EmpresaEstatistica();

    zav::zavCoreDataAccess2016& bd() { return *bd_; }
    QString caminho() const;

private:
    QTemporaryDir pasta_;
    std::unique_ptr<demo::SqliteConnection> ligacao_;
    std::unique_ptr<zav::zavCoreDataAccess2016> bd_;
};
