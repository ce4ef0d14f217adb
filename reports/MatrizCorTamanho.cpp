#include "reports/MatrizCorTamanho.h"

#include "platform/data/ErpText.h"
#include "platform/data/zavCoreDataAccess2016.h"
#include "platform/grid/Grelha.h"

#include <unordered_map>
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
    codigosTamanho_.clear();
    for (; !tamanhos.Eof(); tamanhos.MoveNext()) {
        const QString codigo = tamanhos.Fields(QStringLiteral("CodMed")).text();
        matriz_->appendField(codigo.trimmed(), zav::FieldType::Currency);
        codigosTamanho_ << codigo;
    }
    matriz_->appendField(QStringLiteral("Total"), zav::FieldType::Currency);
    for (const CampoExtraMatriz& campo : valores_.camposDepois)
        matriz_->appendField(campo.nome, zav::FieldType::Text, campo.tamanho);
    matriz_->open();
    return matriz_;
}

void MatrizCorTamanho::acrescentaCores(zav::Recordset& cores, const QStringList& grupo,
                                       const std::function<bool(const QString& codigoCor)>& comCor)
{
    if (cores.RecordCount() == 0)
        return;
    const int posicao = cores.fieldIndex(QStringLiteral("Posimp"));
    const int codigo = cores.fieldIndex(QStringLiteral("CodMed"));
    const int descricao = cores.fieldIndex(QStringLiteral("Descrica"));
    const int indiceCor = primeiroTamanho() - 3;
    for (cores.MoveFirst(); !cores.Eof(); cores.MoveNext()) {
        if (comCor && !comCor(cores.Fields(codigo).text()))
            continue;
        matriz_->AddNew();
        for (int i = 0; i < grupo.size(); ++i)
            matriz_->Fields(i) = grupo[i];
        matriz_->Fields(indiceCor) = cores.Fields(posicao).value();
        matriz_->Fields(indiceCor + 1) = cores.Fields(codigo).value();
        matriz_->Fields(indiceCor + 2) = cores.Fields(descricao).value();
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

const QList<MatrizCorTamanho::ChaveLinha> MatrizCorTamanho::ChaveCor{
    {QStringLiteral("CodCor"), QStringLiteral("MedVert")}};

QByteArray chaveDeTextos(const QStringList& textos)
{
    QByteArray chave;
    // Each text's key ends in a byte none holds inside, so that no two lists
    // of texts give one key.
    for (const QString& texto : textos)
        chave += zav::erptext::key(texto);
    return chave;
}

namespace {

using IndiceTexto = std::unordered_map<QByteArray, int>;

} // namespace

QList<MatrizCorTamanho::LinhaMatriz> MatrizCorTamanho::leLinhas(zav::Recordset& linhas,
                                                                const QList<ChaveLinha>& chave)
{
    QList<LinhaMatriz> lidas;
    if (linhas.RecordCount() == 0)
        return lidas;
    QList<int> campos;
    for (const ChaveLinha& c : chave)
        campos << linhas.fieldIndex(c.campoLinha);
    const int campoTamanho = linhas.fieldIndex(QStringLiteral("MedHor"));
    const int campoQuantidade = linhas.fieldIndex(QStringLiteral("Quant"));
    lidas.reserve(linhas.RecordCount());
    for (linhas.MoveFirst(); !linhas.Eof(); linhas.MoveNext()) {
        LinhaMatriz linha;
        for (int campo : campos)
            linha.chave << linhas.Fields(campo).text();
        linha.tamanho = linhas.Fields(campoTamanho).text();
        linha.quantidade = linhas.Fields(campoQuantidade).currency();
        lidas << linha;
    }
    return lidas;
}

void MatrizCorTamanho::colocaLinhas(const QList<LinhaMatriz>& linhas, const QList<ChaveLinha>& chave)
{
    zav::Recordset& rs = *matriz_;
    rs.setFilter(QString());
    QList<int> camposMatriz;
    for (const ChaveLinha& c : chave)
        camposMatriz << rs.fieldIndex(c.campoMatriz);
    // One pass over the rows and one over the lines: a map of many customers
    // must not search every row for every line. From the last row up, so
    // that the first row of each key is the one kept.
    IndiceTexto linhaDaChave;
    linhaDaChave.reserve(size_t(rs.RecordCount()));
    QStringList textos(camposMatriz.size());
    for (int r = rs.RecordCount() - 1; r >= 0; --r) {
        for (qsizetype i = 0; i < camposMatriz.size(); ++i)
            textos[i] = rs.text(r, camposMatriz[i]);
        linhaDaChave[chaveDeTextos(textos)] = r;
    }
    // By the size's code as stored, not by the field's trimmed name: the
    // database joined the line to the size whose code equals its own, and a
    // leading blank, a tab or a no-break space tells two codes apart.
    IndiceTexto campoDoTamanho;
    for (int i = 0; i < codigosTamanho_.size(); ++i)
        campoDoTamanho.emplace(zav::erptext::key(codigosTamanho_[i]), primeiroTamanho() + i);

    for (const LinhaMatriz& linha : linhas) {
        const auto onde = linhaDaChave.find(chaveDeTextos(linha.chave));
        const auto campo = campoDoTamanho.find(zav::erptext::key(linha.tamanho));
        if (onde == linhaDaChave.end() || campo == campoDoTamanho.end())
            continue;
        rs.setPosition(onde->second);
        zav::Field celula = rs.Fields(campo->second);
        celula = celula.currency() + linha.quantidade;
        rs.Update();
    }
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
    // Each size column by its field's number: two sizes whose trimmed codes
    // coincide have fields of one name, and each column must show its own.
    for (int campo = primeiroTamanho() + 1; !tamanhos.Eof(); tamanhos.MoveNext(), ++campo) {
        const QString codigo = tamanhos.Fields(QStringLiteral("CodMed")).text();
        resultado << colunaQuantidade(campo, codigo, valores_.larguraTamanho, FormatoTamanho);
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

void agrupaMatriz(zav::Grelha& grelha, const QString& campoChave)
{
    zav::GroupSpec grupo;
    grupo.column = zav::ColumnKey(campoChave);
    grupo.startExpanded = false;
    grelha.clearGroup();
    grelha.setGroup(grupo);
}

QString CargaMatriz::mensagem() const
{
    switch (falha) {
    case Falha::Nenhuma: break;
    case Falha::ReferenciaNaoExiste: return MensagensMatriz::ReferenciaNaoExiste;
    case Falha::SemTamanhos: return MensagensMatriz::SemTamanhos;
    case Falha::SemCores: return MensagensMatriz::SemCores;
    case Falha::SemFornecedor: return MensagensMatriz::SemFornecedor;
    case Falha::FornecedorNaoExiste: return MensagensMatriz::FornecedorNaoExiste;
    case Falha::SemClientes:
    case Falha::SemInformacao: return MensagensMatriz::SemInformacao;
    }
    return {};
}

bool leTamanhosECores(zav::zavCoreDataAccess2016& bd, CargaMatriz& carga)
{
    carga.tamanhos = FonteMatriz::medidas(bd, carga.artigo->Fields(QStringLiteral("TMHOR")).text());
    if (carga.tamanhos->RecordCount() == 0)
        return carga.falhou(CargaMatriz::Falha::SemTamanhos);
    carga.cores = FonteMatriz::medidas(bd, carga.artigo->Fields(QStringLiteral("TMVER")).text());
    if (carga.cores->RecordCount() == 0)
        return carga.falhou(CargaMatriz::Falha::SemCores);
    return true;
}

bool leReferencia(zav::zavCoreDataAccess2016& bd, const QString& codigo, CargaMatriz& carga)
{
    carga.artigo = FonteMatriz::artigo(bd, codigo);
    return carga.artigo->RecordCount() > 0 || carga.falhou(CargaMatriz::Falha::ReferenciaNaoExiste);
}

zav::RecordsetPtr leLinhasEncomenda(zav::zavCoreDataAccess2016& bd, const QString& sql, CargaMatriz& carga)
{
    zav::RecordsetPtr linhas = bd.AbreRecordset(QString(), sql);
    if (linhas->RecordCount() > 0)
        return linhas;
    carga.falhou(CargaMatriz::Falha::SemInformacao);
    return nullptr;
}

MatrizCorTamanho& criaMatriz(CargaMatriz& carga, const ValoresMatriz& valores)
{
    carga.matriz = std::make_unique<MatrizCorTamanho>(valores);
    carga.matriz->CriaRsRefIndividual(*carga.tamanhos);
    return *carga.matriz;
}

CargaMatriz carregaMatrizReferencia(zav::zavCoreDataAccess2016& bd, const MapasSql::Filtros& filtros,
                                    const ValoresMatriz& valores, bool comIntervalos)
{
    CargaMatriz carga;
    if (!leReferencia(bd, filtros.referencia, carga) || !leTamanhosECores(bd, carga))
        return carga;
    const zav::RecordsetPtr linhas = leLinhasEncomenda(
        bd, MapasSql::linhasMatriz(filtros.base, MapasSql::filtroReferencia(filtros, comIntervalos)), carga);
    if (!linhas)
        return carga;
    MatrizCorTamanho& matriz = criaMatriz(carga, valores);
    matriz.acrescentaCores(*carga.cores);
    matriz.colocaLinhas(*linhas);
    carga.totaliza();
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
