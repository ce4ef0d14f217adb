#include "reports/MapaResumo.h"

#include "platform/data/zavCoreDataAccess2016.h"
#include "platform/grid/Grelha.h"
#include "reports/LinhasPorPosicao.h"
#include "reports/MatrizCorTamanho.h"

using MapasSql::Filtros;

const QString MapaResumo::SemTamanhosCores = QString::fromUtf8("Referências sem Tamnhos/Cores!");

namespace {

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
        + MapasSql::ordemReferenciaCorTamanho();
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
    const LinhasPorPosicao::Somas somas = LinhasPorPosicao::preenche(*rs_, *dados, formaDasLinhas());
    foraDasColunas_ = somas.linhasSemColuna;
    acrescentaTotais(somas.porPosicao);
    rs_->MoveFirst();
    return true;
}

LinhasPorPosicao::Forma MapaResumo::formaDasLinhas() const
{
    LinhasPorPosicao::Forma forma;
    forma.NoTamFinal = noTamFinal_;
    forma.textos << QStringLiteral("Nome");
    if (detalhe()) {
        forma.campoPosicao = QStringLiteral("mh");
        forma.porCor = true;
        forma.textos << QStringLiteral("Cor");
    } else {
        forma.campoPosicao = QStringLiteral("POSIMP");
    }
    return forma;
}

void MapaResumo::acrescentaTotais(const QList<zav::Currency>& totaisColuna)
{
    rs_->AddNew();
    rs_->Update();
    rs_->AddNew();
    rs_->Fields(QStringLiteral("Nome")) = QStringLiteral("Total Geral");
    zav::Currency geral;
    for (int p = 1; p <= noTamFinal_; ++p) {
        rs_->Fields(campoDaPosicao(p)) = totaisColuna[p];
        geral += totaisColuna[p];
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
