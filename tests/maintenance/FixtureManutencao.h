#pragma once

#include "platform/data/zavCoreDataAccess2016.h"
#include "platform/grid/GrelhaEditavel.h"
#include "platform/widgets/Seams.h"
#include "platform/widgets/zav_input.h"

#include <QApplication>
#include <QStringList>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <functional>
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
//  - families FA under groups G1 and G2; sub-family SA under G1/FA "Praia",
//    G2/FA "Neve" and G1/FB "Montanha";
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

// Answers the screens' dialogs: messages keep their texts and get `resposta`
// (after `aoMostrar` has looked at the screen); pick lists give `escolha`.
class Dialogos {
public:
    Dialogos();

    int resposta = zav::vbOK;
    QString escolha;
    std::function<void()> aoMostrar;
    QStringList mensagens;
    QList<zav::MessageRequest> pedidos;
    QList<zav::PickListRequest> listas;

private:
    zav::Seam<int(QWidget*, const zav::MessageRequest&)>::Override mensagem_;
    zav::Seam<QString(QWidget*, const zav::PickListRequest&)>::Override lista_;
};

// Rows in code-point order, for comparing what was written whatever order the database reads it in.
inline QStringList ordenadas(QStringList linhas)
{
    linhas.sort();
    return linhas;
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

// A click as the window system delivers it: to the window, at the control's centre.
inline void clica(QWidget* controlo)
{
    QWidget* janela = controlo->window();
    QTest::mouseClick(janela->windowHandle(), Qt::LeftButton, Qt::NoModifier,
                      controlo->mapTo(janela, controlo->rect().center()));
    deixaCorrer();
}

// The given controls in the order Tab reaches them, from the first.
inline QList<QWidget*> ordemTabulacao(const QList<QWidget*>& controlos)
{
    const auto alvo = [](QWidget* w) { return w->focusProxy() ? w->focusProxy() : w; };
    QList<QWidget*> ordem{controlos[0]};
    for (QWidget* w = alvo(controlos[0])->nextInFocusChain(); w && w != alvo(controlos[0]); w = w->nextInFocusChain())
        for (QWidget* controlo : controlos)
            if (alvo(controlo) == w)
                ordem << controlo;
    return ordem;
}

// Puts the grid's current cell somewhere and the focus on it.
inline void vaiPara(zav::GrelhaEditavel& grelha, int linha, int coluna)
{
    grelha.setCelulaActual(linha, coluna);
    grelha.vista()->setFocus();
    QApplication::processEvents();
}

// Types a whole line: language, Tab, description, Tab.
inline void escreveLinha(zav::GrelhaEditavel& grelha, int linha, const QString& idioma, const QString& descricao)
{
    vaiPara(grelha, linha, 0);
    digita(idioma);
    prime(Qt::Key_Tab);
    digita(descricao);
    prime(Qt::Key_Tab);
}

// A screen on the maintenance company, shown as the main window shows it
// (abreEcra), its dialogs answered, and the user's hands on its `campo` fields.
template <class Ecra>
class TesteEcra : public ::testing::Test {
protected:
    void abreEcra(int modo = 0)
    {
        ecra = std::make_unique<Ecra>();
        ecra->bd = &fixture.bd();
        if constexpr (requires { ecra->iOpcao; })
            ecra->iOpcao = modo;
        ecra->Form_Load();
        ecra->show();
        QApplication::setActiveWindow(ecra.get());
        if (!QTest::qWaitForWindowActive(ecra.get()))
            ADD_FAILURE() << "the screen did not become active";
        QApplication::processEvents();
    }
    // Puts the focus in a field and types into it, in place of what it holds.
    void escreve(int index, const QString& texto)
    {
        ecra->campo(index).setFocus();
        QApplication::processEvents();
        ecra->campo(index).setText(QString());
        QTest::keyClicks(ecra->campo(index).editor(), texto);
    }
    void escreveESai(int index, const QString& texto)
    {
        escreve(index, texto);
        prime(Qt::Key_Tab);
    }
    // Pastes a text the keyboard may not type ('ı', 'ß', 'ŉ', 'ﬁ') into a
    // field, in place of what it holds, and leaves it with Tab.
    void colaESai(int index, const QString& texto)
    {
        ecra->campo(index).setFocus();
        QApplication::processEvents();
        ecra->campo(index).setText(texto);
        prime(Qt::Key_Tab);
    }
    bool temFoco(int index) const { return ecra->campo(index).editor()->hasFocus(); }

    FixtureManutencao fixture;
    Dialogos dialogos;
    std::unique_ptr<Ecra> ecra;
};

} // namespace manutencao
