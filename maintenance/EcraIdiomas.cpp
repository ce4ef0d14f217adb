#include "maintenance/EcraIdiomas.h"

#include "maintenance/GrelhaIdiomas.h"
#include "platform/data/zavCoreDataAccess2016.h"
#include "platform/grid/GrelhaEditavel.h"

EcraIdiomas::EcraIdiomas(QWidget* parent)
    : EcraManutencao(parent), GridTC(new zav::GrelhaEditavel(this)),
      idiomas_(new GrelhaIdiomas(*this, *GridTC, CampoAlterado))
{
    GridTC->setObjectName(QStringLiteral("GridTC"));
    resize(760, 560);
}

EcraIdiomas::~EcraIdiomas() = default;

void EcraIdiomas::monta(TabelaManutencao tabela)
{
    EcraManutencao::monta(std::move(tabela), GridTC, {GridTC});
}

const QStringList& EcraIdiomas::IdiomasAnulados() const
{
    return idiomas_->IdiomasAnulados;
}

void EcraIdiomas::LimparForm()
{
    idiomas_->setBd(bd);
    idiomas_->setComprimentoDescricao(comprimentoDescricao());
    idiomas_->LimparForm();
}

void EcraIdiomas::CarregaValores()
{
    idiomas_->Carrega(sqlIdiomas());
}

bool EcraIdiomas::PodeConfirmar()
{
    // A cell still being typed in is checked as Tab would check it.
    if (!GridTC->terminaEdicao())
        return false;
    return EcraManutencao::PodeConfirmar();
}

void EcraIdiomas::GravaRegisto()
{
    const auto grava = [this](const QString& idioma, const QString& descricao) {
        const zav::RecordsetPtr linha = bd->AbreRecordsetEdicao(sqlLinha(idioma));
        if (linha->RecordCount() == 0)
            linha->AddNew();
        preencheChave(*linha);
        linha->Fields(QStringLiteral("Idioma")) = idioma;
        linha->Fields(colunaDescricao()) = descricao;
        linha->Update();
        linha->close();
    };
    const auto anula = [this](const QString& idioma) { bd->ExecutaSQL(QString(), sqlAnulaIdioma(idioma)); };
    idiomas_->Grava(grava, anula);
}
