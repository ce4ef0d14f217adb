#include "shell/CampoValidado.h"

#include "platform/widgets/ListaPesquisa.h"
#include "platform/data/zavCoreDataAccess2016.h"
#include "platform/widgets/zav_input.h"
#include "shell/Tools.h"

#include <QAbstractButton>
#include <QWidget>

namespace {
constexpr int TeclaEsc = 27;
}

CamposValidados::CamposValidados(QWidget& ecra, zav::zav_inputArray& campo, bool& campoAlterado,
                                 EscolhasCampos escolhas)
    : QObject(&ecra), ecra_(ecra), campo_(campo), campoAlterado_(campoAlterado), escolhas_(std::move(escolhas))
{
}

void CamposValidados::define(int index, DefinicaoCampo definicao)
{
    tabela_.insert(index, std::move(definicao));
}

const DefinicaoCampo* CamposValidados::definicao(int index) const
{
    const auto it = tabela_.constFind(index);
    return it == tabela_.constEnd() ? nullptr : &it.value();
}

void CamposValidados::liga(const QMap<int, QAbstractButton*>& btLista)
{
    connect(&campo_, &zav::zav_inputArray::Tecla, this, &CamposValidados::campo_Tecla);
    connect(&campo_, &zav::zav_inputArray::PedeLista, this, &CamposValidados::campo_PedeLista);
    connect(&campo_, &zav::zav_inputArray::Valida, this, &CamposValidados::campo_Valida);
    for (auto it = btLista.constBegin(); it != btLista.constEnd(); ++it)
        ligaLista(it.key(), *it.value());
}

void CamposValidados::ligaLista(int index, QAbstractButton& botao)
{
    // The field's own list opens without the field being checked: the pick
    // sends the Tab that checks it, and a list closed empty gives the focus back.
    campo_(index).setCompanion(&botao);
    connect(&botao, &QAbstractButton::clicked, this, [this, index] { btLista_Click(index); });
}

void CamposValidados::campo_Tecla(int index, int& keyAscii)
{
    campoAlterado_ = true;
    if (keyAscii != TeclaEsc)
        return;
    Tools::EnviaTeclas(QStringLiteral("+{TAB}"));
    keyAscii = 0;
    campoAlterado_ = false;
    if (escolhas_.escFechaDeQualquerCampo || index == escolhas_.primeiroCampo)
        ecra_.close();
}

void CamposValidados::campo_PedeLista(int index)
{
    btLista_Click(index);
}

void CamposValidados::btLista_Click(int index)
{
    const DefinicaoCampo* def = definicao(index);
    zav::zav_input& campo = campo_(index);
    if (!def || !def->sqlLista) {
        campo.setFocus();
        return;
    }
    zav::ListaPesquisa lista;
    lista.Ligacao = bd_->GetLigacao();
    campo.setFocus();
    lista.Titulo = def->tituloLista;
    lista.SQL = def->sqlLista();
    lista.Largura = def->larguraLista;
    lista.Carrega();
    for (int i = 0; i < def->colunasLista.size(); ++i)
        lista.Colunas(i + 1, def->colunasLista[i].largura, def->colunasLista[i].oculta);
    QString escolha = lista.Mostra(&ecra_);
    if (escolha.isEmpty()) {
        campo.setFocus();
        return;
    }
    if (def->aoEscolher)
        escolha = def->aoEscolher(escolha);
    campo.setText(escolha);
    campo.setSelStart(0);
    campo.setSelLength(int(escolha.size()));
    campo.setFocus();
    if (escolhas_.escolhaMarcaAlteracao)
        campoAlterado_ = true;
    Tools::EnviaTeclas(QStringLiteral("{TAB}"));
}

void CamposValidados::campo_Valida(int index, bool& cancel)
{
    const DefinicaoCampo* def = definicao(index);
    if (def && def->sqlValidacao && (campoAlterado_ || !escolhas_.validaSoAlterado)) {
        zav::zav_input& campo = campo_(index);
        if (def->aoVerificar)
            def->aoVerificar();
        const QString texto = campo.Text();
        if (texto.trimmed().isEmpty()) {
            if (escolhas_.tipoMensagemVazio != 0 && !def->vazioPassa) {
                const QString mensagem = def->mensagemVazio.isEmpty() ? escolhas_.mensagemVazio : def->mensagemVazio;
                Tools::MostraMensagem(mensagem, mensagem, escolhas_.tipoMensagemVazio);
                if (def->aoNaoEncontrar)
                    def->aoNaoEncontrar();
                cancel = true;
                campo.setFocus();
            }
        } else {
            const zav::RecordsetPtr encontrado = bd_->AbreRecordset(QString(), def->sqlValidacao(texto));
            if (encontrado->RecordCount() > 0 && def->aceitaEncontrado && !def->aceitaEncontrado(*encontrado)) {
                cancel = true;
                campo.setFocus();
            } else if (encontrado->RecordCount() > 0) {
                cancel = false;
                if (def->aoEncontrar)
                    def->aoEncontrar(*encontrado);
            } else if (!def->mensagemNaoExiste.isEmpty()) {
                Tools::MostraMensagem(QString(), def->mensagemNaoExiste, 2);
                if (def->limpaNaoExistente)
                    campo.setText(QString());
                if (def->aoNaoEncontrar)
                    def->aoNaoEncontrar();
                cancel = true;
                campo.setFocus();
            }
        }
    }
    campoAlterado_ = false;
}
