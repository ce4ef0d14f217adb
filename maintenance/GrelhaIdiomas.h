#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <functional>

class QWidget;

namespace zav {
class GrelhaEditavel;
class zavCoreDataAccess2016;
}

// The per-language description grid of the language screens: one line per
// language, the language checked against the ERP's languages as it is typed
// or picked, the deleted lines remembered until confirm.
class GrelhaIdiomas : public QObject {
    Q_OBJECT
public:
    static constexpr int ColunaIdioma = 0;
    static constexpr int ColunaDescricao = 1;
    static constexpr int LinhasIniciais = 30;
    // The language columns of the add-on's tables hold three characters.
    static constexpr int ComprimentoIdioma = 3;

    // `campoAlterado` is the screen's flag, shared with its key fields.
    GrelhaIdiomas(QWidget& ecra, zav::GrelhaEditavel& GridTC, bool& campoAlterado);

    void setBd(zav::zavCoreDataAccess2016* bd) { bd_ = bd; }
    // What the table behind the grid stores of a description; from the next LimparForm.
    void setComprimentoDescricao(int comprimento) { comprimentoDescricao_ = comprimento; }

    // The languages of the lines the user deleted since the last reset; element
    // 0 is always there and empty.
    QStringList IdiomasAnulados;

    // Empties the grid to its 30 rows and forgets the deleted lines.
    void LimparForm();
    // Fills the grid from a query of language and description, keeping two
    // empty rows below the last language.
    void Carrega(const QString& sql);
    // Confirm: `grava` for every line with both a language and a description,
    // in order; then `anula` for every deleted language that no line wrote again.
    void Grava(const std::function<void(const QString& idioma, const QString& descricao)>& grava,
               const std::function<void(const QString& idioma)>& anula) const;

    void GridTC_Tecla(int& KeyCode, Qt::KeyboardModifiers shift);
    void GridTC_TeclaEdicao(int row, int column, int& KeyCode, Qt::KeyboardModifiers shift);
    void GridTC_ValidaCelula(int Row, int Col, const QString& Value, bool& Cancel);
    void GridTC_RevalidaIdioma(int Row, int Col);
    void GridTC_AnulaLinha();
    void GridTC_BotaoCelula(int row, int Col);
    void GridTC_AcrescentaLinha();

private:
    QWidget& ecra_;
    zav::GrelhaEditavel& GridTC_;
    bool& campoAlterado_;
    int comprimentoDescricao_ = 0;
    zav::zavCoreDataAccess2016* bd_ = nullptr;
};
