#include "maintenance/frmArtigos.h"

#include "maintenance/ChaveArtigo.h"
#include "maintenance/ManutencaoSql.h"
#include "platform/data/zavCoreDataAccess2016.h"

#include <QGridLayout>
#include <QLabel>

namespace {

// What the user may type: ArtIdiom.Descr is the ERP's, and every ERP holds
// 50 characters there (some more); zav_ArtigoDetalhe.DESCR (ntext) any number.
// A longer stored description still loads and goes back whole.
constexpr int ComprimentoDescricao = 50;
constexpr int SemLimite = 0;

} // namespace

frmArtigos::frmArtigos(QWidget* parent) : EcraManutencao(parent)
{
    QWidget* valores = criaValores();
    monta(tabelaDoEcra(), valores, {&campo(2), &campo(3)});
    resize(720, 420);
}

TabelaManutencao frmArtigos::tabelaDoEcra()
{
    const DefinicaoCampo idioma = definicaoChave(
        QStringLiteral("Idiomas"), [] { return ArtigosSql::listaIdiomas(); },
        [](const QString& texto) { return ArtigosSql::validaIdioma(texto); }, QString::fromUtf8("Idioma não existente!"));

    TabelaManutencao tabela;
    tabela.titulo = QStringLiteral("Artigos");
    tabela.chave = {
        chaveArtigo(1),
        {1, 0, QStringLiteral("Idioma"), 3, idioma, QStringLiteral("Descr")},
    };
    return tabela;
}

QWidget* frmArtigos::criaValores()
{
    auto* area = new QWidget(this);
    auto* grelha = new QGridLayout(area);
    const auto valor = [&](int index, int etiqueta, const char* legenda, int tipo, int comprimento, int linha) {
        auto* rotulo = new QLabel(QString::fromUtf8(legenda), area);
        auto* entrada = new zav::zav_input(index, area, tipo);
        entrada->setMaxLength(comprimento);
        campo.add(entrada);
        Label2.insert(etiqueta, rotulo);
        grelha->addWidget(rotulo, linha, 0, Qt::AlignTop);
        grelha->addWidget(entrada, linha, 1);
    };
    valor(2, 2, "Designação", zav::zav_input::UmaLinha, ComprimentoDescricao, 0);
    valor(3, 3, "Designação Detalhada", zav::zav_input::VariasLinhas, SemLimite, 1);
    grelha->setRowStretch(1, 1);
    return area;
}

void frmArtigos::LimparForm()
{
    for (int i = 0; i <= 3; ++i)
        campo(i).setText(QString());
    Dsc[0]->clear();
    Dsc[1]->clear();
}

void frmArtigos::CarregaValores()
{
    campo(2).setText(descricaoGuardada(ArtigosSql::descricao(chave(0), chave(1))));
    campo(3).setText(descricaoGuardada(ArtigosSql::descricaoDetalhada(chave(0), chave(1))));
}

QString frmArtigos::descricaoGuardada(const QString& sql)
{
    const zav::RecordsetPtr rs = bd->AbreRecordset(QString(), sql);
    // A NULL description, as the ERP may leave one, shows as an empty field.
    const QString texto = rs->RecordCount() < 1 ? QString() : rs->Fields(QStringLiteral("Descr")).text();
    rs->close();
    return texto;
}

void frmArtigos::GravaRegisto()
{
    gravaDescricao(ArtigosSql::linhaDescricao(chave(0), chave(1)), campo(2).Text());
    gravaDescricao(ArtigosSql::linhaDetalhe(chave(0), chave(1)), campo(3).Text());
}

void frmArtigos::gravaDescricao(const QString& sql, const QString& descricao)
{
    const zav::RecordsetPtr linha = bd->AbreRecordsetEdicao(sql);
    if (linha->RecordCount() == 0)
        linha->AddNew();
    linha->Fields(QStringLiteral("Artigo")) = chaveGravada(0);
    linha->Fields(QStringLiteral("Idioma")) = chaveGravada(1);
    linha->Fields(QStringLiteral("Descr")) = descricao;
    linha->Update();
    linha->close();
}

QStringList frmArtigos::Anulacoes() const
{
    return ArtigosSql::anulacoes(chave(0), chave(1));
}
