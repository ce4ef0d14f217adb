#include "reports/MapaResumo.h"

#include "platform/data/zavCoreDataAccess2016.h"
#include "platform/grid/Grelha.h"
#include "reports/MatrizCorTamanho.h"

using MapasSql::Filtros;

const QString MapaResumo::SemTamanhosCores = QString::fromUtf8("Referências sem Tamnhos/Cores!");

namespace {

// Markers no reference or colour code equals: the first data row starts the first grid row.
const QString ReferenciaInicial = QStringLiteral("%%6##");
const QString CorInicial = QStringLiteral("&&%%4##");

// Group, family and sub-family filter only together.
QString filtroFamilia(const Filtros& f)
{
    if (f.grupo.isEmpty() || f.familia.isEmpty() || f.subFamilia.isEmpty())
        return {};
    return QStringLiteral(" and a.grupo='") + zav::SqlTexto(f.grupo) + QStringLiteral("' and a.Familia='")
        + zav::SqlTexto(f.familia) + QStringLiteral("' and a.SubFamil='") + zav::SqlTexto(f.subFamilia)
        + QStringLiteral("' ");
}

QString criterios(const Filtros& f)
{
    return MapasSql::janelaDatas(f) + MapasSql::intervaloReferencias(f) + MapasSql::intervaloClientes(f)
        + MapasSql::intervaloVendedores(f) + MapasSql::encomendasClientes() + filtroFamilia(f);
}

void campoTexto(zav::Recordset& rs, const char* nome, int tamanho)
{
    rs.appendField(QString::fromUtf8(nome), zav::FieldType::Text, tamanho);
}

zav::RecordsetPtr criaRs(int NoTamFinal, bool comCor, int primeiroNome)
{
    auto rs = std::make_shared<zav::Recordset>();
    campoTexto(*rs, "Referencia", 15);
    campoTexto(*rs, "Nome", 20);
    if (comCor)
        campoTexto(*rs, "Cor", 20);
    for (int p = 1; p <= NoTamFinal; ++p)
        rs->appendField(QString::number(p + primeiroNome - 1), zav::FieldType::Currency);
    rs->appendField(QStringLiteral("Total"), zav::FieldType::Currency);
    rs->open();
    return rs;
}

// Text columns hold up to 20 characters, quantity columns 10.
zav::GridColumn colunaTextoResumo(const char* chave, const QString& titulo, int largura)
{
    zav::GridColumn coluna = colunaTexto(zav::ColumnKey(chave), titulo, largura);
    coluna.maxLength = 20;
    return coluna;
}

zav::GridColumn colunaQuantidadeResumo(const zav::ColumnKey& chave, const QString& titulo, int largura,
                                       const QString& formato)
{
    zav::GridColumn coluna = colunaQuantidade(chave, titulo, largura, formato);
    coluna.maxLength = 10;
    return coluna;
}

} // namespace

MapaResumo::MapaResumo(zav::zavCoreDataAccess2016& bd, Modo modo)
    : bd_(bd), modo_(modo), titulos_(bd, TitulosTamanho::LinhasSeguintes::Aparadas)
{
}

QString MapaResumo::sqlTipos(const Filtros& f)
{
    return QStringLiteral(" Select distinct TMHOR from Artigos") + QStringLiteral(" where Codigo>='")
        + zav::SqlTexto(f.referencia) + QStringLiteral("' and Codigo<='") + zav::SqlTexto(f.ultimaReferencia)
        + QStringLiteral(" '") + QStringLiteral(" and CodRef=''and TMHOR<>'' and TMVER<>''");
}

QString MapaResumo::sqlResumo(const Filtros& f)
{
    return QStringLiteral(" select a.CodRef,mh.POSIMP ,") + MapasSql::quantidadeSemVirgula(f.base)
        + QStringLiteral(" ,al.Nome ") + MapasSql::documentosLinhasArtigos()
        + QStringLiteral(" inner join Artigos as al ON al.Codigo=a.CodRef") + MapasSql::tamanhoDoArtigo()
        + criterios(f) + QStringLiteral(" group by mh.POSIMP,a.CodRef,al.Nome ")
        + QStringLiteral(" order by a.CodRef,mh.posimp");
}

QString MapaResumo::sqlDetalhe(const Filtros& f)
{
    QString sql = QStringLiteral(" select a.codref, sum(l.Quant) as Quant, a.MedHor,a.MedVert,mv.POSIMP as Mv,")
        + QStringLiteral(" mh.POSIMP mh, mv.Descrica as Cor, mh.Descrica,al.Nome")
        + MapasSql::documentosLinhasArtigos() + QStringLiteral(" inner join Artigos as al ON al.Codigo=a.CodRef")
        + MapasSql::tamanhoDoArtigo() + MapasSql::corDoArtigo() + criterios(f);
    if (!f.fornecedor.isEmpty())
        sql += QStringLiteral(" and al.Fornec='") + zav::SqlTexto(f.fornecedor) + QStringLiteral("' ");
    return sql
        + QStringLiteral(" group by a.codref,a.MEDHOR ,a.medvert,mv.POSIMP,mh.POSIMP,mv.Descrica,mh.Descrica,al.Nome")
        + QStringLiteral(" order by a.CodRef,mv.posimp,mh.posimp");
}

zav::RecordsetPtr MapaResumo::CriaRsResumo(int NoTamFinal)
{
    return criaRs(NoTamFinal, false, 3);
}

zav::RecordsetPtr MapaResumo::CriaRsDetalhe(int NoTamFinal)
{
    return criaRs(NoTamFinal, true, 1);
}

QString MapaResumo::mensagem() const
{
    switch (falha_) {
    case Falha::Nenhuma: break;
    case Falha::SemTamanhos: return SemTamanhosCores;
    case Falha::SemInformacao: return MapasSql::SemInformacaoCondicoes;
    }
    return {};
}

bool MapaResumo::falhou(Falha falha)
{
    falha_ = falha;
    return false;
}

bool MapaResumo::CarregaResumo(const Filtros& filtros)
{
    falha_ = Falha::Nenhuma;
    foraDasColunas_ = 0;
    const zav::RecordsetPtr tipos = bd_.AbreRecordset(QString(), sqlTipos(filtros));
    if (tipos->RecordCount() == 0)
        return falhou(Falha::SemTamanhos);
    titulos_.ConstruirTitulos(tipos, noTamFinal_, noTam_);
    if (noTamFinal_ == 0)
        return falhou(Falha::SemTamanhos);

    rs_ = detalhe() ? CriaRsDetalhe(noTamFinal_) : CriaRsResumo(noTamFinal_);
    const zav::RecordsetPtr dados =
        bd_.AbreRecordset(QString(), detalhe() ? sqlDetalhe(filtros) : sqlResumo(filtros));
    if (dados->RecordCount() == 0)
        return falhou(Falha::SemInformacao);
    preencheLinhas(*dados);
    acrescentaTotais();
    rs_->MoveFirst();
    return true;
}

void MapaResumo::preencheLinhas(zav::Recordset& dados)
{
    totaisColuna_ = QList<zav::Currency>(noTamFinal_ + 1);
    totalLinha_ = zav::Currency();
    const int campoReferencia = dados.fieldIndex(QStringLiteral("CodRef"));
    const int campoCor = detalhe() ? dados.fieldIndex(QStringLiteral("MedVert")) : -1;
    const int campoPosicao = dados.fieldIndex(detalhe() ? QStringLiteral("mh") : QStringLiteral("POSIMP"));
    const int campoQuantidade = dados.fieldIndex(QStringLiteral("Quant"));

    QString referenciaAnterior = ReferenciaInicial;
    QString corAnterior = CorInicial;
    for (dados.MoveFirst(); !dados.Eof(); dados.MoveNext()) {
        const QString referencia = dados.Fields(campoReferencia).text();
        const QString cor = detalhe() ? dados.Fields(campoCor).text() : QString();
        const bool mudouReferencia = referencia != referenciaAnterior && referenciaAnterior != ReferenciaInicial;
        const bool mudouCor = detalhe() && cor != corAnterior && corAnterior != CorInicial;
        if (mudouReferencia || mudouCor) {
            fechaLinha();
            novaLinha(dados);
        } else if (referenciaAnterior == ReferenciaInicial) {
            novaLinha(dados);
        }

        const zav::Field posicao = dados.Fields(campoPosicao);
        const int p = posicao.isNull() ? 0 : int(posicao.integer());
        if (titulos_.temColuna(p)) {
            const zav::Currency quantidade = dados.Fields(campoQuantidade).currency();
            // Two sizes of one type at one position add up, as the row's total does.
            zav::Field celula = rs_->Fields(campoDaPosicao(p));
            celula = celula.currency() + quantidade;
            totalLinha_ += quantidade;
            totaisColuna_[p] += quantidade;
        } else {
            ++foraDasColunas_;
        }
        referenciaAnterior = referencia;
        corAnterior = cor;
    }
    fechaLinha();
}

void MapaResumo::novaLinha(zav::Recordset& dados)
{
    rs_->AddNew();
    totalLinha_ = zav::Currency();
    rs_->Fields(QStringLiteral("Referencia")) = dados.Fields(QStringLiteral("CodRef")).text();
    rs_->Fields(QStringLiteral("Nome")) = dados.Fields(QStringLiteral("Nome")).text().left(20);
    if (detalhe())
        rs_->Fields(QStringLiteral("Cor")) = dados.Fields(QStringLiteral("Cor")).text().left(20);
}

void MapaResumo::fechaLinha()
{
    rs_->Fields(QStringLiteral("Total")) = totalLinha_;
    rs_->Update();
}

void MapaResumo::acrescentaTotais()
{
    rs_->AddNew();
    rs_->Update();
    rs_->AddNew();
    rs_->Fields(QStringLiteral("Nome")) = QStringLiteral("Total Geral");
    zav::Currency geral;
    for (int p = 1; p <= noTamFinal_; ++p) {
        rs_->Fields(campoDaPosicao(p)) = totaisColuna_[p];
        geral += totaisColuna_[p];
    }
    rs_->Fields(QStringLiteral("Total")) = geral;
    rs_->Update();
}

QList<zav::GridColumn> MapaResumo::colunas() const
{
    QList<zav::GridColumn> resultado;
    resultado << colunaTextoResumo("Referencia", QString::fromUtf8("Referência"), 1300);
    resultado << colunaTextoResumo("Nome", QStringLiteral("Nome"), 2000);
    if (detalhe())
        resultado << colunaTextoResumo("Cor", QStringLiteral("Cor"), 1300);
    for (int p = 1; p <= noTamFinal_; ++p)
        resultado << colunaQuantidadeResumo(zav::ColumnKey(campoDaPosicao(p) + 1), titulos_.Titulos(p), 650,
                                            MatrizCorTamanho::FormatoTamanho);
    resultado << colunaQuantidadeResumo(zav::ColumnKey("Total"), QStringLiteral("Total"), 800,
                                        MatrizCorTamanho::FormatoTotal);
    return resultado;
}

void MapaResumo::poeColunas(zav::Grelha& grelha) const
{
    grelha.clearColumns();
    for (const zav::GridColumn& coluna : colunas())
        grelha.addColumn(coluna);
}

void MapaResumo::Act_Grelha_Campos_Resumo(zav::Grelha& grelha) const
{
    poeColunas(grelha);
}

void MapaResumo::Act_Grelha_Campos_Detalhe(zav::Grelha& grelha) const
{
    poeColunas(grelha);
}
