#include "reports/MatrizCorTamanho.h"

#include "platform/grid/Grelha.h"
#include "platform/data/zavCoreDataAccess2016.h"

#include <vector>

const QString MatrizCorTamanho::FormatoTamanho = QStringLiteral("# ###");
const QString MatrizCorTamanho::FormatoTotal = QStringLiteral("## ###");

MatrizCorTamanho::MatrizCorTamanho(ValoresMatriz valores) : valores_(std::move(valores)) {}

zav::RecordsetPtr MatrizCorTamanho::CriaRsRefIndividual(zav::Recordset& tamanhos)
{
    matriz_ = std::make_shared<zav::Recordset>();
    for (const CampoExtraMatriz& campo : valores_.camposAntes)
        matriz_->appendField(campo.nome, zav::FieldType::Text, campo.tamanho);
    matriz_->appendField(QStringLiteral("IndiceCor"), zav::FieldType::SmallInt);
    matriz_->appendField(QStringLiteral("CodCor"), zav::FieldType::Text, 4);
    matriz_->appendField(QStringLiteral("Cor"), zav::FieldType::Text, 30);
    numeroTamanhos_ = 0;
    for (; !tamanhos.Eof(); tamanhos.MoveNext()) {
        matriz_->appendField(tamanhos.Fields(QStringLiteral("CodMed")).text().trimmed(), zav::FieldType::Currency);
        ++numeroTamanhos_;
    }
    matriz_->appendField(QStringLiteral("Total"), zav::FieldType::Currency);
    for (const CampoExtraMatriz& campo : valores_.camposDepois)
        matriz_->appendField(campo.nome, zav::FieldType::Text, campo.tamanho);
    matriz_->open();
    return matriz_;
}

void MatrizCorTamanho::acrescentaCores(zav::Recordset& cores, const QStringList& grupo)
{
    if (cores.RecordCount() == 0)
        return;
    for (cores.MoveFirst(); !cores.Eof(); cores.MoveNext()) {
        matriz_->AddNew();
        for (int i = 0; i < grupo.size(); ++i)
            matriz_->Fields(i) = grupo[i];
        matriz_->Fields(QStringLiteral("IndiceCor")) = cores.Fields(QStringLiteral("Posimp")).value();
        matriz_->Fields(QStringLiteral("CodCor")) = cores.Fields(QStringLiteral("CodMed")).value();
        matriz_->Fields(QStringLiteral("Cor")) = cores.Fields(QStringLiteral("Descrica")).value();
        zeraQuantidades();
        for (int i = posicaoTotal() + 1; i < matriz_->fieldCount(); ++i)
            matriz_->Fields(i) = QString();
        matriz_->Update();
    }
}

void MatrizCorTamanho::zeraQuantidades()
{
    for (int i = primeiroTamanho(); i <= posicaoTotal(); ++i)
        matriz_->Fields(i) = zav::Currency();
}

QString MatrizCorTamanho::filtroCor(const QString& codigoCor)
{
    return QStringLiteral("CodCor= '") + zav::SqlTexto(codigoCor) + QStringLiteral("' ");
}

bool MatrizCorTamanho::coloca(const QString& filtro, const QString& tamanho, zav::Currency quantidade)
{
    matriz_->setFilter(QString());
    matriz_->setFilter(filtro);
    bool colocado = false;
    if (matriz_->RecordCount() > 0) {
        matriz_->MoveFirst();
        for (int i = 0; i < matriz_->fieldCount(); ++i) {
            if (matriz_->Fields(i).name() == tamanho) {
                matriz_->Fields(i) = quantidade;
                colocado = true;
            }
        }
        matriz_->Update();
    }
    matriz_->setFilter(QString());
    return colocado;
}

void MatrizCorTamanho::colocaLinhas(zav::Recordset& linhas, const FiltroLinha& filtro)
{
    if (linhas.RecordCount() == 0)
        return;
    for (linhas.MoveFirst(); !linhas.Eof(); linhas.MoveNext())
        coloca(filtro ? filtro(linhas) : filtroCor(linhas.Fields(QStringLiteral("MedVert")).text()),
               linhas.Fields(QStringLiteral("MedHor")).text(), linhas.Fields(QStringLiteral("Quant")).currency());
}

void MatrizCorTamanho::totaliza()
{
    zav::Recordset& rs = *matriz_;
    rs.setFilter(QString());
    std::vector<zav::Currency> somas(size_t(rs.fieldCount()));
    if (rs.RecordCount() > 0) {
        for (rs.MoveFirst(); !rs.Eof(); rs.MoveNext()) {
            zav::Currency total;
            for (int i = primeiroTamanho(); i < posicaoTotal(); ++i) {
                const zav::Currency valor = rs.Fields(i).currency();
                total += valor;
                somas[size_t(i)] += valor;
            }
            rs.Fields(posicaoTotal()) = total;
            rs.Update();
        }
    }
    if (valores_.linhaEmBrancoAntesDoTotal) {
        rs.AddNew();
        rs.Update();
    }
    rs.AddNew();
    rs.Fields(QStringLiteral("IndiceCor")) = QVariant(IndiceCorTotal);
    rs.Fields(QStringLiteral("CodCor")) = QString();
    rs.Fields(QStringLiteral("Cor")) = QStringLiteral("Total");
    zav::Currency geral;
    for (int i = primeiroTamanho(); i < posicaoTotal(); ++i) {
        rs.Fields(i) = somas[size_t(i)];
        geral += somas[size_t(i)];
    }
    rs.Fields(posicaoTotal()) = geral;
    rs.Update();

    if (valores_.removeLinhasTotalZero) {
        rs.MoveFirst();
        while (!rs.Eof()) {
            if (!rs.Fields(posicaoTotal()).isNull() && rs.Fields(posicaoTotal()).currency() == zav::Currency()) {
                rs.Delete();
            }
            rs.MoveNext();
        }
    }
    if (rs.RecordCount() > 0)
        rs.MoveFirst();
}

zav::GridColumn colunaTexto(const zav::ColumnKey& chave, const QString& titulo, int largura, bool oculta)
{
    zav::GridColumn coluna;
    coluna.key = chave;
    coluna.heading = titulo;
    coluna.widthTwips = largura;
    coluna.hidden = oculta;
    coluna.alignment = zav::Alignment::Left;
    return coluna;
}

zav::GridColumn colunaQuantidade(const zav::ColumnKey& chave, const QString& titulo, int largura,
                                 const QString& formato)
{
    zav::GridColumn coluna;
    coluna.key = chave;
    coluna.heading = titulo;
    coluna.widthTwips = largura;
    coluna.kind = zav::ValueKind::Currency;
    coluna.alignment = zav::Alignment::Right;
    coluna.format = formato;
    return coluna;
}

QList<zav::GridColumn> MatrizCorTamanho::colunas(zav::Recordset& tamanhos) const
{
    QList<zav::GridColumn> resultado;
    for (const CampoExtraMatriz& campo : valores_.camposAntes)
        resultado << colunaTexto(campo.nome, campo.titulo, campo.largura, true);
    zav::GridColumn indice = colunaTexto(QStringLiteral("IndiceCor"), QStringLiteral("Indice"), 1000, true);
    indice.alignment = zav::Alignment::General;
    resultado << indice;
    resultado << colunaTexto(QStringLiteral("CodCor"), QStringLiteral("CodCor"), 1000, true);
    resultado << colunaTexto(QStringLiteral("Cor"), QStringLiteral("Cor/Tamanho"), valores_.larguraCor, false);
    for (; !tamanhos.Eof(); tamanhos.MoveNext()) {
        const QString codigo = tamanhos.Fields(QStringLiteral("CodMed")).text();
        resultado << colunaQuantidade(codigo.trimmed(), codigo, valores_.larguraTamanho, FormatoTamanho);
    }
    resultado << colunaQuantidade(QStringLiteral("Total"), QStringLiteral("Total"), valores_.larguraTotal, FormatoTotal);
    for (const CampoExtraMatriz& campo : valores_.camposDepois)
        resultado << colunaTexto(campo.nome, campo.titulo, campo.largura, true);
    return resultado;
}

void MatrizCorTamanho::Act_Grelha_Campos(zav::Grelha& grelha, zav::Recordset& tamanhos) const
{
    grelha.clearColumns();
    for (const zav::GridColumn& coluna : colunas(tamanhos))
        grelha.addColumn(coluna);
}

void aplicaAspectoMatriz(zav::Grelha& grelha, int alturaTitulosTwips)
{
    QFont letra(QStringLiteral("Verdana"), 8);
    letra.setBold(true);
    grelha.setGridFont(letra);
    QFont titulos(QStringLiteral("Verdana"), 10);
    titulos.setBold(true);
    grelha.setHeadingFont(titulos);
    grelha.setHeadingAlignment(zav::Alignment::Right);
    grelha.setHeadingHeightTwips(alturaTitulosTwips);
}

QString CargaMatriz::mensagem() const
{
    switch (falha) {
    case Falha::Nenhuma: break;
    case Falha::ReferenciaNaoExiste: return MensagensMatriz::ReferenciaNaoExiste;
    case Falha::SemTamanhos: return MensagensMatriz::SemTamanhos;
    case Falha::SemCores: return MensagensMatriz::SemCores;
    case Falha::SemInformacao: return MensagensMatriz::SemInformacao;
    }
    return {};
}

bool leTamanhosECores(zav::zavCoreDataAccess2016& bd, CargaMatriz& carga)
{
    carga.tamanhos = FonteMatriz::medidas(bd, carga.artigo->Fields(QStringLiteral("TMHOR")).text());
    if (carga.tamanhos->RecordCount() == 0) {
        carga.falha = CargaMatriz::Falha::SemTamanhos;
        return false;
    }
    carga.cores = FonteMatriz::medidas(bd, carga.artigo->Fields(QStringLiteral("TMVER")).text());
    if (carga.cores->RecordCount() == 0) {
        carga.falha = CargaMatriz::Falha::SemCores;
        return false;
    }
    return true;
}

CargaMatriz carregaMatrizReferencia(zav::zavCoreDataAccess2016& bd, const MapasSql::Filtros& filtros,
                                    const ValoresMatriz& valores, bool comIntervalos)
{
    CargaMatriz carga;
    carga.artigo = FonteMatriz::artigo(bd, filtros.referencia);
    if (carga.artigo->RecordCount() == 0) {
        carga.falha = CargaMatriz::Falha::ReferenciaNaoExiste;
        return carga;
    }
    if (!leTamanhosECores(bd, carga))
        return carga;
    const zav::RecordsetPtr linhas = bd.AbreRecordset(
        QString(), MapasSql::linhasMatriz(filtros.base, MapasSql::filtroReferencia(filtros, comIntervalos)));
    if (linhas->RecordCount() == 0) {
        carga.falha = CargaMatriz::Falha::SemInformacao;
        return carga;
    }

    carga.matriz = std::make_unique<MatrizCorTamanho>(valores);
    carga.matriz->CriaRsRefIndividual(*carga.tamanhos);
    carga.matriz->acrescentaCores(*carga.cores);
    carga.matriz->colocaLinhas(*linhas);
    carga.matriz->totaliza();
    carga.tamanhos->MoveFirst();
    return carga;
}

namespace FonteMatriz {

zav::RecordsetPtr artigo(zav::zavCoreDataAccess2016& bd, const QString& codigo)
{
    return bd.AbreRecordset(QString(), QStringLiteral("Select * from Artigos where Codigo='") + zav::SqlTexto(codigo)
                                           + QStringLiteral("' "));
}

zav::RecordsetPtr medidas(zav::zavCoreDataAccess2016& bd, const QString& tipo)
{
    return bd.AbreRecordset(QString(), QStringLiteral("Select CodMed,Descrica,Posimp from MedTamCo where CodTipoM='")
                                           + zav::SqlTexto(tipo) + QStringLiteral("' order by Posimp"));
}

} // namespace FonteMatriz
