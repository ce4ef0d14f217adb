#pragma once

#include <QList>
#include <QMap>
#include <QObject>
#include <QString>
#include <functional>

class QAbstractButton;
class QWidget;

namespace zav {
class Recordset;
class zav_inputArray;
class zavCoreDataAccess2016;
}

// One typed-code field of a screen: its pick list and its check against the
// ERP table. Every part is optional: a field may have a list and no check, or
// a check and no list.
struct DefinicaoCampo {
    struct Coluna {
        int largura = 0;  // twips
        bool oculta = false;
    };
    // Pick list: title, SELECT (built when the list opens, so it can use the
    // other fields as they stand), window width and the list's columns from 1.
    QString tituloLista;
    std::function<QString()> sqlLista;
    int larguraLista = 0;
    QList<Coluna> colunasLista;
    // Turns the picked first column into the field's text (a list that joins
    // several codes in it keeps the others); without it the pick goes in whole.
    std::function<QString(const QString& escolha)> aoEscolher;

    // Check: the SELECT that finds the typed code (given as typed); the code
    // exists when it returns a row.
    std::function<QString(const QString& texto)> sqlValidacao;
    // Kind-2 message for a code that does not exist; without one a missing
    // code passes and the focus moves on.
    QString mensagemNaoExiste;
    // Whether a missing code is wiped from the field (else it stays to be corrected).
    bool limpaNaoExistente = true;
    // Where this field differs from the screen on leaving it empty: an empty
    // code passes unchecked, or the screen's message kind carries another text.
    bool vazioPassa = false;
    QString mensagemVazio;

    // Runs whenever the field is checked, before the text is looked at.
    std::function<void()> aoVerificar;
    std::function<void(zav::Recordset& encontrado)> aoEncontrar;
    // Further checks of a code that exists; false keeps the focus in the field,
    // the check having told the user why.
    std::function<bool(zav::Recordset& encontrado)> aceitaEncontrado;
    std::function<void()> aoNaoEncontrar;
};

// How a screen's fields behave where screens differ.
struct EscolhasCampos {
    // Check only a field typed in or picked since the last check.
    bool validaSoAlterado = true;
    // What leaving an empty field does: 0 nothing, 1 or 2 a message of that
    // kind and the focus kept. `mensagemVazio` is the text of kind 2 and the
    // field name of kind 1.
    int tipoMensagemVazio = 0;
    QString mensagemVazio;
    // Esc closes the screen from any field, or only from `primeiroCampo`.
    bool escFechaDeQualquerCampo = false;
    int primeiroCampo = 0;
    // A pick counts as an edit (so the picked code is checked).
    bool escolhaMarcaAlteracao = true;
};

// The validated code fields of one screen: the `campo` control array with its
// list buttons. The screen connects its fields' events and list buttons to the
// handlers and gives each field index its definition.
class CamposValidados : public QObject {
    Q_OBJECT
public:
    // `campoAlterado` is the screen's own flag: set when a key is typed or a
    // code picked, cleared by Esc and at the end of every check.
    CamposValidados(QWidget& ecra, zav::zav_inputArray& campo, bool& campoAlterado,
                    EscolhasCampos escolhas = {});

    void setBd(zav::zavCoreDataAccess2016* bd) { bd_ = bd; }
    void define(int index, DefinicaoCampo definicao);
    const DefinicaoCampo* definicao(int index) const;

    // Connects the fields' events and the list buttons (by the index of the
    // field each stands beside) to the handlers below.
    void liga(const QMap<int, QAbstractButton*>& btLista);
    // One more list button, beside the field `index`.
    void ligaLista(int index, QAbstractButton& botao);

    void campo_Tecla(int index, int& keyAscii);
    void campo_PedeLista(int index);
    void btLista_Click(int index);
    void campo_Valida(int index, bool& cancel);

private:
    QWidget& ecra_;
    zav::zav_inputArray& campo_;
    bool& campoAlterado_;
    EscolhasCampos escolhas_;
    zav::zavCoreDataAccess2016* bd_ = nullptr;
    QMap<int, DefinicaoCampo> tabela_;
};
