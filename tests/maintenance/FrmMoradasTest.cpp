// The customer shop-address screen driven by keys: its checks on leaving each
// field, new and stored addresses, and the customer's site written back.

#include "FixtureManutencao.h"

#include "maintenance/frmMoradas.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

using namespace manutencao;

namespace {

// Customers C1 (site www.c1.pt, a stored shop 001) and C'2 (no site, a NULL
// one); address types LJ and AR; postal code 4000-001; countries PT and ES.
class FrmMoradasTest : public TesteEcra<frmMoradas> {
protected:
    FrmMoradasTest()
    {
        for (const char* sql :
             {"insert into Clientes (Codigo, Nome, Sitio) values ('C1', 'Cliente Um', 'www.c1.pt')",
              "insert into Clientes (Codigo, Nome, Sitio) values ('C''2', 'Cliente d''Aspas', NULL)",
              "insert into TpMorada (Codigo, Descrica) values ('LJ', 'Loja')",
              "insert into TpMorada (Codigo, Descrica) values ('AR', 'Armazém')",
              "insert into CodPost (Cod, Descr) values ('4000-001', 'Porto')",
              "insert into Paises (Cod, Descr) values ('PT', 'Portugal')",
              "insert into Paises (Cod, Descr) values ('ES', 'Espanha')",
              "insert into Moradas (TpTerc, Terceiro, CdMorada, TpMorada, Contacto, Morada, Morada2, Local, CdPostal, "
              "\"País\", Telef, Telex, Descr, CodEan) values (2, 'C1', '001', 'AR', 'Loja Baixa', 'Rua A', "
              "'fb.com/c1', 'Porto', '4000-001', 'PT', '22', '91', 'c1@x.pt', '41.1,-8.6')",
              "insert into Moradas (TpTerc, Terceiro, CdMorada, Contacto) values (1, 'C1', '001', 'fornecedor')"})
            fixture.executa(u(sql));
        abreEcra();
    }

    QStringList moradas()
    {
        return fixture.linhas(u("select TpTerc, Terceiro, CdMorada, TpMorada, Contacto, Morada, Local, CdPostal, "
                                "\"País\", Telef, Telex, Descr, Morada2, CodEan from Moradas order by 1, 2, 3"));
    }
    QStringList sitios() { return fixture.linhas("select Codigo, Sitio from Clientes order by Codigo"); }
};

} // namespace

TEST_F(FrmMoradasTest, FieldsAreAsWideAsTheirColumnsAndTheAddressTypeComesLastInTheTabOrder)
{
    const QList<std::pair<int, int>> comprimentos{{0, 15}, {1, 3},  {2, 25},  {3, 50},  {4, 35},  {5, 8},  {6, 3},
                                                 {7, 15}, {8, 15}, {9, 50}, {10, 50}, {11, 30}, {12, 20}, {13, 3}};
    for (const auto& [index, comprimento] : comprimentos)
        EXPECT_EQ(ecra->campo(index).MaxLength(), comprimento) << index;
    EXPECT_TRUE(temFoco(0));
    // The address type, rarely changed, after the buttons.
    QList<QWidget*> ordem;
    for (int i = 0; i <= 12; ++i)
        ordem << &ecra->campo(i);
    ordem << ecra->btConf << ecra->btCancelar << ecra->btAnular << ecra->btSair << ecra->btLista[0]
          << ecra->btLista[6] << &ecra->campo(13) << ecra->btLista[13];
    EXPECT_EQ(ordemTabulacao(ordem), ordem);
}

TEST_F(FrmMoradasTest, WithoutAddressTypesTheDefaultIsEmpty)
{
    fixture.executa("delete from TpMorada");
    abreEcra();
    EXPECT_EQ(ecra->campo(13).Text(), "");
}

// Unlike the other screens' keys, a refused customer or address type is wiped,
// as is a postal code or country that does not exist.
TEST_F(FrmMoradasTest, RefusedCodesAreWipedAndKeepTheFocus)
{
    const std::tuple<int, const char*, const char*> casos[] = {
        {0, "", "Campo obrigatório!"},   {0, "   ", "Campo obrigatório!"},  {0, "C9", "Cliente não existente!"},
        {13, "", "Campo Obrigatório!"}, {13, "  ", "Campo Obrigatório!"}, {13, "ZZ", "Tipo Morada não existente!"},
        {5, "9999-999", "Código Postal não existente!"}, {6, "XX", "País não existente!"}};
    for (const auto& [index, texto, mensagem] : casos) {
        dialogos.mensagens.clear();
        escreveESai(index, texto);
        EXPECT_EQ(dialogos.mensagens, QStringList{u(mensagem)}) << index << texto;
        EXPECT_EQ(ecra->campo(index).Text(), "") << index << texto;
        EXPECT_TRUE(temFoco(index)) << index << texto;
    }
    EXPECT_TRUE(ecra->Dsc[0]->text().isEmpty());
    EXPECT_TRUE(ecra->Dsc[1]->text().isEmpty());

    dialogos.escolha = "AR";
    dialogos.mensagens.clear();
    ecra->btLista[13]->click();
    deixaCorrer();
    ASSERT_EQ(dialogos.listas.size(), 1);
    EXPECT_EQ(dialogos.listas[0].rows.size(), 2);
    EXPECT_EQ(ecra->campo(13).Text(), "AR");
    EXPECT_TRUE(dialogos.mensagens.isEmpty());
}

TEST_F(FrmMoradasTest, ANewAddressShowsTheCustomersSiteAndConfirmKeepsIt)
{
    escreveESai(0, "c1");
    EXPECT_EQ(ecra->Dsc[0]->text(), "Cliente Um");
    EXPECT_EQ(ecra->campo(11).Text(), "www.c1.pt");
    escreveESai(1, "002");
    EXPECT_TRUE(ecra->GroupBox2->isEnabled()) << "a new address keeps its key open";
    EXPECT_TRUE(temFoco(2));
    EXPECT_EQ(ecra->campo(13).Text(), "LJ");
    QTest::keyClicks(ecra->campo(2).editor(), "Loja Nova");
    ecra->campo(4).setText("Braga");
    ecra->btConf_Click();
    EXPECT_TRUE(dialogos.mensagens.isEmpty()) << dialogos.mensagens.join(" / ").toStdString();
    EXPECT_EQ(moradas(), (QStringList{"1|C1|001||fornecedor|||||||||", // not touched: another kind of third party
                                      "2|C1|001|AR|Loja Baixa|Rua A|Porto|4000-001|PT|22|91|c1@x.pt|fb.com/c1|41.1,-8.6",
                                      "2|c1|002|LJ|Loja Nova||Braga|||||||"}));
    EXPECT_EQ(sitios(), (QStringList{"C'2|", "C1|www.c1.pt"})) << "the stored site is not erased";
    EXPECT_TRUE(ecra->campo(0).Text().isEmpty());
    EXPECT_EQ(ecra->campo(13).Text(), "LJ");
    EXPECT_TRUE(temFoco(0));
}

TEST_F(FrmMoradasTest, AStoredAddressLoadsLocksTheTopBoxAndConfirmWritesTheSiteBack)
{
    escreveESai(0, "C1");
    escreveESai(1, "001");
    EXPECT_FALSE(ecra->GroupBox2->isEnabled());
    EXPECT_TRUE(temFoco(2)) << "the Tab that loads the address moves on once";
    const QStringList vistos{"Loja Baixa", "Rua A", "Porto", "4000-001", "PT", "22", "91", "c1@x.pt",
                             "fb.com/c1",  "www.c1.pt", "41.1,-8.6", "AR"};
    for (int i = 0; i < vistos.size(); ++i)
        EXPECT_EQ(ecra->campo(i + 2).Text(), vistos[i]) << i + 2;
    EXPECT_EQ(ecra->Dsc[1]->text(), "Porto");

    ecra->campo(3).setText("Rua B");
    ecra->campo(11).setText("loja.c1.pt");
    ecra->btConf_Click();
    EXPECT_EQ(moradas()[1], "2|C1|001|AR|Loja Baixa|Rua B|Porto|4000-001|PT|22|91|c1@x.pt|fb.com/c1|41.1,-8.6");
    EXPECT_EQ(moradas().size(), 2);
    EXPECT_EQ(sitios(), (QStringList{"C'2|", "C1|loja.c1.pt"}));
    EXPECT_TRUE(ecra->GroupBox2->isEnabled());
}

TEST_F(FrmMoradasTest, EmptyPostalCodeAndCountryPassAndACountryIsPickedFromItsList)
{
    escreveESai(0, "C1");
    escreveESai(1, "003");
    escreveESai(5, "4000-001");
    EXPECT_EQ(ecra->Dsc[1]->text(), "Porto");
    escreveESai(5, "");
    EXPECT_TRUE(ecra->Dsc[1]->text().isEmpty()) << "no description of the code emptied";
    EXPECT_TRUE(temFoco(6));
    prime(Qt::Key_Tab);
    EXPECT_TRUE(temFoco(7));
    escreveESai(6, "es");
    EXPECT_TRUE(temFoco(7));
    EXPECT_TRUE(dialogos.mensagens.isEmpty());

    ecra->campo(6).setText("");
    dialogos.escolha = "PT";
    ecra->btLista[6]->click();
    deixaCorrer();
    ASSERT_EQ(dialogos.listas.size(), 1);
    EXPECT_EQ(dialogos.listas[0].rows.size(), 2);
    EXPECT_EQ(ecra->campo(6).Text(), "PT");
    EXPECT_TRUE(temFoco(7)) << "the pick is checked as the field is left";

    escreve(4, "");
    prime(Qt::Key_F4);
    EXPECT_EQ(dialogos.listas.size(), 1) << "a field without a list opens none";
    EXPECT_TRUE(temFoco(4));
}

TEST_F(FrmMoradasTest, ConfirmWithAnEmptyAddressCodeWritesNothing)
{
    escreveESai(0, "C1");
    escreveESai(1, "");
    EXPECT_TRUE(temFoco(2)) << "the address code has no emptiness check of its own";
    ecra->campo(11).setText("apagado");
    ecra->btConf_Click();
    EXPECT_EQ(dialogos.mensagens, QStringList{"Falta preencher campos"});
    EXPECT_EQ(moradas().size(), 2);
    EXPECT_EQ(sitios(), (QStringList{"C'2|", "C1|www.c1.pt"}));
    EXPECT_TRUE(temFoco(0));
}

TEST_F(FrmMoradasTest, QuotesInEveryTypedFieldReachTheTablesWhole)
{
    escreveESai(0, "C'2");
    EXPECT_EQ(ecra->Dsc[0]->text(), "Cliente d'Aspas");
    EXPECT_EQ(ecra->campo(11).Text(), "") << "a NULL site shows empty";
    escreveESai(1, "O'1");
    for (int i : {2, 3, 4, 7, 8, 9, 10, 11, 12})
        ecra->campo(i).setText(QStringLiteral("q'%1").arg(i));
    ecra->btConf_Click();
    EXPECT_EQ(moradas()[1], "2|C'2|O'1|LJ|q'2|q'3|q'4|||q'7|q'8|q'9|q'10|q'12");
    EXPECT_EQ(sitios(), (QStringList{"C'2|q'11", "C1|www.c1.pt"}));

    // Codes with quotes are looked up, not broken.
    for (const auto& [index, codigo] : {std::pair{5, "4'"}, {6, "P'"}, {13, "L'"}}) {
        dialogos.mensagens.clear();
        escreveESai(index, u(codigo));
        EXPECT_EQ(dialogos.mensagens.size(), 1) << index;
    }

    escreveESai(0, "C'2");
    escreveESai(1, "O'1");
    EXPECT_FALSE(ecra->GroupBox2->isEnabled());
    EXPECT_EQ(ecra->campo(2).Text(), "q'2");
    ecra->btAnular_Click();
    EXPECT_EQ(moradas().size(), 2);
    EXPECT_FALSE(moradas().join(',').contains("O'1"));
}

TEST_F(FrmMoradasTest, TwoNewAddressesOfOneCustomerInOneOpeningBothShowAndKeepItsSite)
{
    for (const char* codigo : {"002", "003"}) {
        escreveESai(0, "C1");
        escreveESai(1, codigo);
        EXPECT_EQ(ecra->campo(11).Text(), "www.c1.pt") << codigo;
        ecra->btConf_Click();
    }
    EXPECT_EQ(moradas().size(), 4);
    EXPECT_EQ(sitios(), (QStringList{"C'2|", "C1|www.c1.pt"}));
}

TEST_F(FrmMoradasTest, DeleteRemovesTheAddressAndLeavesTheSite)
{
    fixture.executa("insert into Moradas (TpTerc, Terceiro, CdMorada, Contacto) values (2, 'C1', '002', 'outra loja')");
    escreveESai(0, "C1");
    escreveESai(1, "001");
    dialogos.resposta = zav::vbCancel;
    ecra->btAnular_Click();
    EXPECT_EQ(moradas().size(), 3);
    EXPECT_FALSE(ecra->GroupBox2->isEnabled());

    dialogos.resposta = zav::vbOK;
    ecra->btAnular_Click();
    EXPECT_EQ(moradas(), (QStringList{"1|C1|001||fornecedor|||||||||", "2|C1|002||outra loja|||||||||"}))
        << "the customer's other shop stays";
    EXPECT_EQ(sitios(), (QStringList{"C'2|", "C1|www.c1.pt"}));
    EXPECT_TRUE(ecra->GroupBox2->isEnabled());
    EXPECT_TRUE(ecra->campo(0).Text().isEmpty());
    EXPECT_TRUE(ecra->campo(2).Text().isEmpty());
}

TEST_F(FrmMoradasTest, EscClosesFromTheCustomerFieldOnly)
{
    escreveESai(0, "C1");
    escreve(3, "x");
    prime(Qt::Key_Escape);
    EXPECT_TRUE(ecra->isVisible());
    EXPECT_TRUE(temFoco(2));

    ecra->campo(0).setFocus();
    QApplication::processEvents();
    prime(Qt::Key_Escape);
    EXPECT_FALSE(ecra->isVisible());
    EXPECT_EQ(moradas().size(), 2);
}
