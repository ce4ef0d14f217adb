#pragma once

#include "platform/data/zavCoreDataAccess2016.h"
#include "platform/widgets/Seams.h"

#include <QApplication>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>
#include <ostream>

inline void PrintTo(const QString& texto, std::ostream* saida)
{
    *saida << '"' << texto.toStdString() << '"';
}

namespace manutencao {

// The screens' texts are UTF-8 in the sources.
inline QString u(const char* texto)
{
    return QString::fromUtf8(texto);
}

// A company database for the maintenance screens, with the add-on's tables:
//  - languages PT "Português", EN "English", FR "Français", ES, DE, IT, O'K;
//  - articles A1 "Camisola", B'1 "Casaco d'Ouro", X9 inactive;
//  - free tables: TabLiv01 C1 "Malha", c2 "Tecido" (stored in lower case),
//    O'1; TabLiv02 T1; TabLiv04 K1;
//  - families FA under groups G1 and G2, sub-family SA under G1/FA and G2/FA;
//  - measure types LETRAS (sizes S, M, L) and CORES (colours BR, PR), size
//    XL only under NUMEROS.
class FixtureManutencao {
public:
    FixtureManutencao();

    zav::zavCoreDataAccess2016& bd() { return *bd_; }
    // Rows of a query, each "col1|col2|...", for reading the tables back.
    QStringList linhas(const QString& sql);
    // Statements through the program's data-access object.
    void executa(const QString& sql);
    // A statement straight to the database file, beside the program's
    // connection (a trigger that makes a write fail).
    void executaDirecto(const QString& sql);

private:
    QTemporaryDir pasta_;
    QString caminho_;
    std::unique_ptr<zav::zavCoreDataAccess2016> bd_;
};

// Answers the screens' dialogs: messages keep their texts and get `resposta`;
// pick lists give `escolha` and keep their requests.
class Dialogos {
public:
    Dialogos();

    int resposta = zav::vbOK;
    QString escolha;
    QStringList mensagens;
    QList<zav::MessageRequest> pedidos;
    QList<zav::PickListRequest> listas;

private:
    zav::Seam<int(QWidget*, const zav::MessageRequest&)>::Override mensagem_;
    zav::Seam<QString(QWidget*, const zav::PickListRequest&)>::Override lista_;
};

// Shows a screen the way the main window does: `bd`, the mode, Form_Load, shown.
template <class Ecra>
std::unique_ptr<Ecra> abre(zav::zavCoreDataAccess2016& bd, int modo = 0)
{
    auto ecra = std::make_unique<Ecra>();
    ecra->bd = &bd;
    ecra->iOpcao = modo;
    ecra->Form_Load();
    ecra->show();
    QApplication::setActiveWindow(ecra.get());
    if (!QTest::qWaitForWindowActive(ecra.get()))
        ADD_FAILURE() << "the screen did not become active";
    QApplication::processEvents();
    return ecra;
}

// Lets keys sent with EnviaTeclas arrive.
inline void deixaCorrer()
{
    for (int i = 0; i < 3; ++i)
        QApplication::processEvents();
}

// Keys as the keyboard gives them: each to whatever has the focus when it
// arrives (in the grid, the first character opens the cell's editor).
inline void digita(const QString& texto)
{
    for (const QChar c : texto)
        QTest::keyClick(QApplication::focusWidget(), c.toLatin1());
    QApplication::processEvents();
}

inline void prime(Qt::Key key, Qt::KeyboardModifiers mods = Qt::NoModifier)
{
    QTest::keyClick(QApplication::focusWidget(), key, mods);
    deixaCorrer();
}


} // namespace manutencao
