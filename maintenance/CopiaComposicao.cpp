#include "maintenance/CopiaComposicao.h"

#include "platform/data/ErpText.h"
#include "platform/data/Transacao.h"
#include "platform/data/zavCoreDataAccess2016.h"

using zav::SqlTexto;

namespace {

const QStringList ColunasComposicao{"Operacao", "Factor", "Quantida", "TImputac", "CustoTeo", "Seq"};
const QStringList ColunasOperacoes{"Operacao", "Seq", "Tempo", "UniTempo", "Antecede"};
constexpr int ComposicaoPorOmissao = 4;

using Linhas = QList<QList<QVariant>>;

Linhas le(zav::Recordset& origem, const QStringList& colunas)
{
    Linhas lidas;
    for (origem.MoveFirst(); !origem.Eof(); origem.MoveNext()) {
        QList<QVariant> valores;
        for (const QString& coluna : colunas)
            valores << origem.Fields(coluna).value();
        lidas << valores;
    }
    return lidas;
}

void acrescenta(zav::Recordset& destino, const QString& alvo, const QStringList& colunas, const Linhas& origem)
{
    for (const QList<QVariant>& valores : origem) {
        destino.AddNew();
        destino.Fields(QStringLiteral("Artigo")) = alvo;
        for (int i = 0; i < colunas.size(); ++i)
            destino.Fields(colunas[i]).setValue(valores[i]);
        destino.Update();
    }
}

} // namespace

void CopiaComposicao::LerComposicao(const QString& sArt, bool& bTem)
{
    bTem = false;
    const zav::RecordsetPtr rs =
        bd_.AbreRecordset(QString(), " Select * from OperaFac where Artigo='" + SqlTexto(sArt) + "' ");
    bTem = rs->RecordCount() > 0;
}

void CopiaComposicao::LerArtOpera(const QString& sArt, bool& bTem)
{
    bTem = false;
    const zav::RecordsetPtr rs =
        bd_.AbreRecordset(QString(), " Select * from ArtOpera where Artigo='" + SqlTexto(sArt) + "' ");
    bTem = rs->RecordCount() > 0;
}

QString CopiaComposicao::CondicaoComecaPor(const QString& inicio)
{
    static const QString Curingas = QStringLiteral("%_[");
    bool temCuringa = false;
    for (QChar c : inicio)
        temCuringa = temCuringa || Curingas.contains(c);
    if (!temCuringa)
        return "like '" + SqlTexto(inicio) + "%'";
    // "!" escapes the wildcards, and itself, the same way on SQL Server and SQLite.
    QString literal;
    for (QChar c : inicio) {
        if (Curingas.contains(c) || c == QLatin1Char('!'))
            literal += QLatin1Char('!');
        literal += c;
    }
    return "like '" + SqlTexto(literal) + "%' ESCAPE '!'";
}

QStringList CopiaComposicao::alvos(const QString& P, const QString& S)
{
    const zav::RecordsetPtr rs =
        bd_.AbreRecordset(QString(), "Select Codigo From Artigos where Codigo " + CondicaoComecaPor(S));
    QStringList codigos;
    for (; !rs->Eof(); rs->MoveNext()) {
        const QString codigo = rs->Fields(QStringLiteral("Codigo")).text();
        // Replacing the source's own rows would copy it onto itself with fewer columns.
        if (!zav::erptext::equal(codigo, P))
            codigos << codigo;
    }
    return codigos;
}

void CopiaComposicao::Processa(const QString& P, const QString& S, const Progresso& progresso)
{
    if (P.trimmed().isEmpty() || S.trimmed().isEmpty())
        return;

    Origem origem{{}, {}, ComposicaoPorOmissao, ComposicaoPorOmissao};
    const zav::RecordsetPtr artigo =
        bd_.AbreRecordset(QString(), "Select * from Artigos where Codigo='" + SqlTexto(P) + "' ");
    if (artigo->RecordCount() > 0) {
        origem.tComposi = int(artigo->Fields(QStringLiteral("TComposi")).integer());
        origem.tValoriz = int(artigo->Fields(QStringLiteral("TValoriz")).integer());
    }

    const zav::RecordsetPtr operacoes =
        bd_.AbreRecordset(QString(), "Select * from ArtOpera where Artigo='" + SqlTexto(P) + "' ");
    if (operacoes->RecordCount() == 0)
        return;
    const zav::RecordsetPtr composicao =
        bd_.AbreRecordset(QString(), "Select * from OperaFac where Artigo='" + SqlTexto(P) + "' ");
    if (composicao->RecordCount() == 0)
        return;
    const QStringList destinos = alvos(P, S);
    if (destinos.isEmpty())
        return;

    origem.composicao = le(*composicao, ColunasComposicao);
    origem.operacoes = le(*operacoes, ColunasOperacoes);
    if (progresso.inicio)
        progresso.inicio(int(destinos.size()));
    for (const QString& alvo : destinos) {
        copiaPara(alvo, origem);
        if (progresso.avanca)
            progresso.avanca();
    }
}

void CopiaComposicao::copiaPara(const QString& alvo, const Origem& origem)
{
    zav::Transacao transacao(bd_);
    const QString codigo = SqlTexto(alvo);

    const zav::RecordsetPtr composicao =
        bd_.AbreRecordsetEdicao("Select * from OperaFac where Artigo='" + codigo + "' ");
    if (composicao->RecordCount() > 0)
        AnulaComposicao(alvo);
    acrescenta(*composicao, alvo, ColunasComposicao, origem.composicao);

    const zav::RecordsetPtr operacoes =
        bd_.AbreRecordsetEdicao("Select * from ArtOpera where Artigo='" + codigo + "' ");
    if (operacoes->RecordCount() > 0)
        AnulaArtOpera(alvo);
    acrescenta(*operacoes, alvo, ColunasOperacoes, origem.operacoes);

    const zav::RecordsetPtr artigo = bd_.AbreRecordsetEdicao("Select * from Artigos where Codigo='" + codigo + "' ");
    artigo->Fields(QStringLiteral("TComposi")) = QVariant(origem.tComposi);
    artigo->Fields(QStringLiteral("TValoriz")) = QVariant(origem.tValoriz);
    artigo->Update();

    transacao.Confirma();
}

void CopiaComposicao::AnulaComposicao(const QString& sArt)
{
    bd_.ExecutaSQL(QString(), "Delete from OperaFac where Artigo='" + SqlTexto(sArt) + "' ");
    const zav::RecordsetPtr artigo = bd_.AbreRecordsetEdicao("Select * from Artigos where Codigo='" + SqlTexto(sArt) + "' ");
    if (artigo->RecordCount() == 0)
        return;
    artigo->Fields(QStringLiteral("Tcomposi")) = QVariant(0);
    artigo->Fields(QStringLiteral("TValoriz")) = QVariant(1);
    artigo->Update();
}

void CopiaComposicao::AnulaArtOpera(const QString& sArt)
{
    bd_.ExecutaSQL(QString(), "Delete from Artopera where Artigo='" + SqlTexto(sArt) + "' ");
}
