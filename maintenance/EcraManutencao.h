#pragma once

#include "platform/data/ErpText.h"
#include "platform/widgets/zav_input.h"
#include "shell/CampoValidado.h"
#include "shell/Ecra.h"

#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>
#include <functional>

class QGroupBox;
class QLabel;
class QPushButton;

namespace zav {
class Recordset;
}

// One key code of a maintenance screen, with its list button: where it stands
// in the key block and how it is checked.
struct CampoChave {
    int index = 0;              // in `campo`, `btLista` and `Dsc`
    int etiqueta = 0;           // its caption's index in `Label2`
    QString legenda;
    int comprimento = 0;        // characters typed at most
    // Its pick list, existence query and not-found message (the not-found
    // code stays in the field to be corrected).
    DefinicaoCampo definicao;
    QString colunaDescricao;    // the found row's column that `Dsc` shows
    // A code that does not exist, or a blank one, is wiped (else it stays to be corrected).
    bool limpaNaoExistente = false;
};

// A key code's list and existence check, as the maintenance screens give them:
// a list of code and description and a not-found message.
DefinicaoCampo definicaoChave(const QString& tituloLista, std::function<QString()> sqlLista,
                              std::function<QString(const QString& texto)> sqlValidacao, const QString& naoExiste,
                              int larguraLista = 6000, QList<DefinicaoCampo::Coluna> colunas = {{1500}, {4000}});

// When the key block locks: before or after the record loads, or when the
// screen itself decides (a key that may name a new record stays open).
enum class BloqueioChave { AntesDeCarregar, DepoisDeCarregar, PeloEcra };

// What one maintenance screen makes of the shared cycle.
struct TabelaManutencao {
    QString titulo;
    QList<CampoChave> chave;     // in the key block's order
    // Checks on every exit, kind 2 "Campo obrigatório!" for an empty key, Esc
    // closes from any field.
    EscolhasCampos escolhas = escolhasDoCiclo();
    // Every valid key field empties the values (LimparForm) before the load.
    bool limpaAoValidar = false;
    BloqueioChave bloqueio = BloqueioChave::AntesDeCarregar;
    QString dicaConfirmar = QString::fromUtf8("Confirmar a operação.");

    static EscolhasCampos escolhasDoCiclo();
};

// A maintenance screen: the user names a record by its key codes, the screen
// checks each, locks the key and shows the stored values; confirm writes them,
// delete removes the record after a question, cancel empties the screen, each
// ending ready for the next key. Confirm and delete are each one transaction;
// one that fails is taken back, its error shown and the screen kept as it was.
//
// A screen gives its table of differences, its value area and what only it
// does: emptying and loading its values, its writes and its delete statements.
class EcraManutencao : public EcraComOpcao {
    Q_OBJECT
public:
    ~EcraManutencao() override;

    void Form_Load() override;

    bool CampoAlterado = false;

    // Controls, by the names the users' documentation shows.
    QGroupBox* GroupBox2;
    zav::zav_inputArray campo;
    QMap<int, QPushButton*> btLista;
    QMap<int, QLabel*> Label2;
    QMap<int, QLabel*> Dsc;
    QPushButton* btConf;
    QPushButton* btCancelar;
    QPushButton* btAnular;
    QPushButton* btSair;

    void btConf_Click();
    void btAnular_Click();
    void btCancelar_Click();
    void btSair_Click();

    // A record is shown: its key was completed and loaded.
    bool registoCarregado() const { return carregado_; }

protected:
    explicit EcraManutencao(QWidget* parent = nullptr);

    // Builds the key block from the table, the value area below it and the
    // buttons; the tab order runs through the key fields, `ordemValores`, the
    // list buttons, then "&Sair", "&Confirmar", "Ca&ncelar", "&Anular".
    void monta(TabelaManutencao tabela, QWidget* areaValores, const QList<QWidget*>& ordemValores);
    // Puts the controls in this tab order, for a screen whose order is not the usual one.
    void ordenaTabulacao(const QList<QWidget*>& ordem);
    CamposValidados& campos() { return *campos_; }
    const TabelaManutencao& tabela() const { return tabela_; }
    QString chave(int index) const { return campo(index).Text(); }
    // The key code as it is written: in upper case wherever that still names
    // the same record.
    QString chaveGravada(int index) const { return zav::erptext::upperKey(chave(index)); }

    // Empties the values; never locks, unlocks or reads anything.
    virtual void LimparForm() = 0;
    // Shows the stored values of the complete key.
    virtual void CarregaValores() = 0;
    // Confirm's writes, inside the confirm's transaction.
    virtual void GravaRegisto() = 0;
    // Delete's statements, run in order in one transaction.
    virtual QStringList Anulacoes() const = 0;
    // Form_Load's own part, after the screen is emptied.
    virtual void aoAbrir() {}
    // Whether confirm may write; by default a record must be shown, else
    // "Falta preencher campos" and the focus to the first key field.
    virtual bool PodeConfirmar();
    // A key field was found valid: the values empty when the table says so,
    // and the record loads once every key field holds text.
    virtual void chaveValidada(int index);

    // Locks or unlocks the key fields with their list buttons.
    void bloqueiaChave(bool bloqueia);
    // Loads the record, locking the key where the table says.
    void carrega();
    // Cancel, and the end of confirm and delete.
    void reinicia();
    // Switches controls on or off; one that had the focus hands it on.
    void activa(const QList<QWidget*>& controlos, bool activos);

private:
    // After `de` lost the focus to its own locking: the next control in the
    // tab order that can take it.
    void passaFocoAdiante(QWidget* de);
    void montaChave();
    void montaBotoes();
    // Runs a confirm's or a delete's writes in one transaction; false, with
    // the error shown, when they failed and were taken back.
    bool escreve(const std::function<void()>& escrita);

    TabelaManutencao tabela_;
    CamposValidados* campos_ = nullptr;
    bool carregado_ = false;
};
