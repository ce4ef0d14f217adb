#pragma once

#include <QList>
#include <QString>
#include <QWidget>

class QKeyEvent;
class QLineEdit;
class QStandardItemModel;
class QTableView;

namespace zav {

class LimiteLinha;

// The editable grid: rows of text cells the user types into, with the
// notifications a screen needs to check a cell before it takes its value.
// Rows and columns are counted from 0.
//
// Navigation: arrows move the current cell; Tab, Shift+Tab and Enter move to
// the next or previous cell, going on to the next row, when their behaviour is
// ProximaCelula (with SaiDaGrelha, Tab leaves the grid and Enter does nothing);
// Ctrl+Tab always leaves it. Typing a character, F2 or a double click edits the
// current cell; Ctrl+Delete deletes the current row. F4, or a click on the
// button a column shows in its cells, raises BotaoCelula.
//
// Editing ends by Tab, Enter, Up, Down, a click on another cell or the focus
// leaving the grid: ValidaCelula is raised with the cell's value before the
// edit, while textoActual() holds what was typed; a handler that sets `cancel`
// keeps the old value and the current cell. Esc abandons the edit.
class GrelhaEditavel : public QWidget {
    Q_OBJECT
public:
    struct Coluna {
        QString chave;
        QString legenda;
        int larguraTwips = 1000;
        // Characters typed at most, 0 for no limit; a longer stored value is not cut.
        int comprimentoMaximo = 0;
        bool botao = false;         // a cell button that raises BotaoCelula
    };
    enum Comportamento { SaiDaGrelha = 0, ProximaCelula = 1 };

    explicit GrelhaEditavel(QWidget* parent = nullptr);
    ~GrelhaEditavel() override;

    // --- shape ---------------------------------------------------------------
    void defineColunas(const QList<Coluna>& colunas);  // empties every cell
    int colunas() const;
    const Coluna& coluna(int indice) const { return colunas_.at(indice); }
    void setLinhas(int linhas);
    int linhas() const;
    void acrescentaLinha();
    void setComportamentoEnter(int comportamento) { enter_ = comportamento; }
    void setComportamentoTab(int comportamento) { tab_ = comportamento; }
    void setLetra(const QFont& letra);

    // --- cells ---------------------------------------------------------------
    QString valor(int linha, int coluna) const;
    void setValor(int linha, int coluna, const QString& texto);
    int linhaActual() const;
    int colunaActual() const;
    void setCelulaActual(int linha, int coluna);
    // The current cell's value (the last one it took).
    QString valorActual() const;
    void setValorActual(const QString& texto);
    // The current cell's text as it stands: what is being typed while editing
    // (also while its ValidaCelula runs), else its value.
    QString textoActual() const;
    void setTextoActual(const QString& texto);

    // --- editing -------------------------------------------------------------
    bool modoEdicao() const;
    // On: the current cell opens for editing with its text. Off: the editor
    // closes; during ValidaCelula what was typed stays the current text.
    void setModoEdicao(bool ligado);
    // Ends an edit in progress through ValidaCelula; false when it was refused.
    bool terminaEdicao();
    // Deletes the current row, after AnulaLinha.
    void anulaLinhaActual();

    QTableView* vista() const { return vista_; }
    QLineEdit* editor() const { return editor_; }

    // Platform key codes of a key press (Esc 27, Left 37, F4 115, "A" 65).
    static int codigoTecla(const QKeyEvent* tecla);

signals:
    // A key in navigation; the handler may change the code, 0 swallows the key.
    void Tecla(int& codigo, Qt::KeyboardModifiers shift);
    // A key while a cell is being edited, with that cell.
    void TeclaEdicao(int linha, int coluna, int& codigo, Qt::KeyboardModifiers shift);
    // An edited cell is about to take textoActual(); `valorAnterior` is what it holds.
    void ValidaCelula(int linha, int coluna, const QString& valorAnterior, bool& cancel);
    // The edit of that cell is over, whether it was taken, refused or abandoned.
    void EdicaoTerminada(int linha, int coluna);
    // The current row is about to be deleted by the user.
    void AnulaLinha();
    void BotaoCelula(int linha, int coluna);
    // The current cell has moved.
    void CelulaMudou();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    class Pintor;

    bool teclaNavegacao(QKeyEvent* tecla);
    bool teclaEdicao(QKeyEvent* tecla);
    bool ratoNaVista(QEvent* event);
    void editorPerdeFoco();
    void abreEditor(const QString& texto, bool seleccionaTudo);
    void fechaEditor();
    void abandonaEdicao();
    bool editavel(int coluna) const;
    void avanca(bool paraDiante);
    void moveVertical(int passo);
    bool dentroDoBotao(const QPoint& noViewport, int& linha, int& coluna) const;

    QList<Coluna> colunas_;
    QStandardItemModel* modelo_;
    QTableView* vista_;
    QLineEdit* editor_;
    LimiteLinha* limite_;
    int enter_ = SaiDaGrelha;
    int tab_ = SaiDaGrelha;
    // The cell being edited; -1 when none.
    int linhaEdicao_ = -1;
    int colunaEdicao_ = -1;
    bool aValidar_ = false;
    QString pendente_;  // what was typed, held while ValidaCelula runs
};

} // namespace zav
