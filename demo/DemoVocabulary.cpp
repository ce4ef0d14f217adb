#include "demo/DemoVocabulary.h"

namespace demo::vocabulary {

const Code& company()
{
    static const Code value{"Malhas Lusitânia - Confecções, Lda", "504938271"};
    return value;
}

const std::vector<Code>& languages()
{
    static const std::vector<Code> values{
        {"PT", "Português"}, {"EN", "Inglês"}, {"ES", "Espanhol"}, {"FR", "Francês"}, {"DE", "Alemão"}};
    return values;
}

const std::vector<Code>& categories()
{
    static const std::vector<Code> values{
        {"01", "Malha"}, {"02", "Tecido"}, {"03", "Acessórios"}, {"04", "Matéria-prima"}};
    return values;
}

const std::vector<Code>& types()
{
    static const std::vector<Code> values{
        {"01", "Camisola"}, {"02", "Sweatshirt"}, {"03", "Casaco de malha"}, {"04", "T-shirt"},
        {"05", "Polo"}, {"06", "Camisa"}, {"07", "Calça"}, {"08", "Saia"}, {"09", "Vestido"},
        {"10", "Blusão"}, {"11", "Meias"}, {"12", "Cachecol"}, {"13", "Gorro"}};
    return values;
}

const std::vector<Code>& compositions()
{
    static const std::vector<Code> values{
        {"01", "100% Algodão"}, {"02", "100% Lã Merino"}, {"03", "70% Lã 30% Poliamida"},
        {"04", "50% Algodão 50% Poliéster"}, {"05", "100% Viscose"}, {"06", "95% Algodão 5% Elastano"},
        {"07", "80% Acrílico 20% Lã"}, {"08", "100% Caxemira"}, {"09", "100% Linho"},
        {"10", "100% Poliéster"}};
    return values;
}

const std::vector<Code>& classifications()
{
    static const std::vector<Code> values{
        {"01", "Básico"}, {"02", "Moda"}, {"03", "Premium"}, {"04", "Outlet"}};
    return values;
}

const std::vector<MeasureType>& sizeTypes()
{
    static const std::vector<MeasureType> values{
        {"LETRAS", "Tamanhos XS a XXL",
         {{"XS", "XS"}, {"S", "S"}, {"M", "M"}, {"L", "L"}, {"XL", "XL"}, {"XXL", "XXL"}}},
        {"NUMEROS", "Tamanhos 34 a 46",
         {{"34", "34"}, {"36", "36"}, {"38", "38"}, {"40", "40"}, {"42", "42"}, {"44", "44"}, {"46", "46"}}},
        {"CRIANCA", "Tamanhos de criança, 2 a 14 anos",
         {{"2", "2 anos"}, {"4", "4 anos"}, {"6", "6 anos"}, {"8", "8 anos"}, {"10", "10 anos"},
          {"12", "12 anos"}, {"14", "14 anos"}}},
        {"UNICO", "Tamanho único", {{"U", "Único"}}},
    };
    return values;
}

const std::vector<MeasureType>& colourTypes()
{
    static const std::vector<MeasureType> values{
        {"CORBAS", "Cores base",
         {{"BRA", "Branco"}, {"PRE", "Preto"}, {"AZM", "Azul Marinho"}, {"CIN", "Cinzento Mescla"},
          {"BEG", "Bege"}}},
        {"CORMOD", "Cores de coleção",
         {{"VER", "Vermelho"}, {"BOR", "Bordeaux"}, {"ROS", "Rosa Velho"}, {"AMO", "Amarelo Mostarda"},
          {"VRG", "Verde Garrafa"}, {"AZC", "Azul Céu"}, {"CAM", "Camel"}, {"CHO", "Chocolate"},
          {"LIL", "Lilás"}, {"COR", "Coral"}}},
    };
    return values;
}

const std::vector<ProductClass>& productClasses()
{
    static const std::vector<ProductClass> values{
        {"14391031", "Camisolas e pulôveres de malha, de lã", "UN"},
        {"14391032", "Camisolas e pulôveres de malha, de algodão", "UN"},
        {"14141200", "T-shirts e camisolas interiores, de malha", "UN"},
        {"14141400", "Polos e camisas de malha", "UN"},
        {"14132400", "Camisas e blusas de tecido", "UN"},
        {"14132200", "Calças e calções de tecido", "UN"},
        {"14133400", "Saias e saias-calças de tecido", "UN"},
        {"14133300", "Vestidos de tecido", "UN"},
        {"14131400", "Casacos e blusões de tecido", "UN"},
        {"14311000", "Meias e peúgas de malha", "PAR"},
        {"14191900", "Acessórios de vestuário de malha", "UN"},
    };
    return values;
}

const std::vector<ProductLine>& productLines()
{
    static const Material merino{"Lã Merino", "02", "MP-FIO-LAM", "Merino Wool"};
    static const Material woolBlend{"Lã e Acrílico", "07", "MP-FIO-ACR", "Wool Blend"};
    static const Material cashmere{"Caxemira", "08", "MP-FIO-CAX", "Cashmere"};
    static const Material cotton{"Algodão", "01", "MP-FIO-ALG", "Cotton"};
    static const Material cottonPoly{"Algodão e Poliéster", "04", "MP-FIO-ALG", "Cotton Blend"};
    static const Material stretch{"Algodão Elástico", "06", "MP-TEC-SAR", "Stretch Cotton"};
    static const Material twill{"Sarja", "06", "MP-TEC-SAR", "Twill"};
    static const Material poplin{"Popelina", "01", "MP-TEC-POP", "Poplin"};
    static const Material linen{"Linho", "09", "MP-TEC-LIN", "Linen"};
    static const Material viscose{"Viscose", "05", "MP-TEC-VIS", "Viscose"};
    static const Material polyester{"Poliéster", "10", "MP-TEC-POL", "Polyester"};

    static const std::vector<ProductLine> values{
        {"CM", "Camisola", "Sweater", "Jersey", "Pull", "01", "01", "LETRAS", "14391031", "UN", true, 2290,
         {"SEN", "HOM"}, {"Decote V", "Gola Alta", "Decote Redondo", "Entrançada", "Canelada", "Oversize"},
         {merino, woolBlend, cashmere}},
        {"SW", "Sweatshirt", "Sweatshirt", "Sudadera", "Sweat-shirt", "02", "01", "LETRAS", "14391032", "UN", true, 1590,
         {"SEN", "HOM", "CRI"}, {"Com Capuz", "Básica", "Com Fecho", "Estampada"}, {cotton, cottonPoly}},
        {"CK", "Casaco de Malha", "Cardigan", "Chaqueta de punto", "Gilet", "03", "01", "LETRAS", "14391031", "UN", true, 2790,
         {"SEN", "HOM"}, {"Comprido", "Curto", "Com Botões", "Com Bolsos"}, {merino, woolBlend}},
        {"TS", "T-shirt", "T-shirt", "Camiseta", "T-shirt", "04", "01", "LETRAS", "14141200", "UN", true, 690,
         {"SEN", "HOM", "CRI"}, {"Manga Curta", "Manga Comprida", "Gola Redonda", "Decote V", "Estampada"},
         {cotton, stretch}},
        {"PL", "Polo", "Polo Shirt", "Polo", "Polo", "05", "01", "LETRAS", "14141400", "UN", true, 1190,
         {"HOM", "CRI"}, {"Piqué", "Manga Comprida", "Às Riscas"}, {cotton}},
        {"CI", "Camisa", "Shirt", "Camisa", "Chemise", "06", "02", "LETRAS", "14132400", "UN", false, 1890,
         {"HOM", "SEN"}, {"Oxford", "Xadrez", "Às Riscas", "Slim", "Clássica"}, {poplin, linen}},
        {"CL", "Calça", "Trousers", "Pantalón", "Pantalon", "07", "02", "NUMEROS", "14132200", "UN", false, 2490,
         {"SEN", "HOM", "CRI"}, {"Chino", "Reta", "Skinny", "Cargo", "Palazzo"}, {twill, stretch, linen}},
        {"SA", "Saia", "Skirt", "Falda", "Jupe", "08", "02", "NUMEROS", "14133400", "UN", false, 1990,
         {"SEN"}, {"Plissada", "Lápis", "Midi", "Evasê"}, {viscose, twill}},
        {"VE", "Vestido", "Dress", "Vestido", "Robe", "09", "02", "NUMEROS", "14133300", "UN", false, 2990,
         {"SEN", "CRI"}, {"Midi", "Camiseiro", "Envelope", "Floral", "Cintado"}, {viscose, linen, poplin}},
        {"BL", "Blusão", "Jacket", "Cazadora", "Blouson", "10", "02", "LETRAS", "14131400", "UN", false, 4490,
         {"SEN", "HOM"}, {"Acolchoado", "Impermeável", "Bomber", "Com Capuz"}, {polyester, twill}},
        {"ME", "Meias", "Socks", "Calcetines", "Chaussettes", "11", "03", "UNICO", "14311000", "PAR", true, 290,
         {"ACE"}, {"Desportivas", "Caneladas", "Invisíveis", "Às Riscas"}, {cotton, woolBlend}},
        {"CC", "Cachecol", "Scarf", "Bufanda", "Écharpe", "12", "03", "UNICO", "14191900", "UN", true, 990,
         {"ACE"}, {"Liso", "Xadrez", "Com Franjas"}, {merino, cashmere}},
        {"GO", "Gorro", "Beanie", "Gorro", "Bonnet", "13", "03", "UNICO", "14191900", "UN", true, 690,
         {"ACE"}, {"Com Pompom", "Canelado", "Básico"}, {woolBlend, merino}},
    };
    return values;
}

const std::vector<Code>& groups()
{
    static const std::vector<Code> values{
        {"SEN", "Senhora"}, {"HOM", "Homem"}, {"CRI", "Criança"}, {"ACE", "Acessórios"},
        {"MPR", "Matérias-primas"}, {"SRV", "Serviços"}};
    return values;
}

const std::vector<Code>& collections()
{
    static const std::vector<Code> values{
        {"CLAS", "Clássica"}, {"CASU", "Casual"}, {"URB", "Urbana"}, {"ESS", "Essenciais"}};
    return values;
}

const std::vector<Code>& countries()
{
    static const std::vector<Code> values{
        {"PT", "Portugal"}, {"ES", "Espanha"}, {"FR", "França"}, {"DE", "Alemanha"}, {"IT", "Itália"},
        {"BE", "Bélgica"}, {"NL", "Países Baixos"}, {"GB", "Reino Unido"}, {"CH", "Suíça"},
        {"AO", "Angola"}, {"MZ", "Moçambique"}, {"BR", "Brasil"}, {"US", "Estados Unidos"}};
    return values;
}

// The Portuguese places come first; customers abroad are the exception.
const std::vector<Place>& places()
{
    static const std::vector<Place> values{
        {"4700-306", "Braga", "PT", "41.5503,-8.4201"},
        {"4000-322", "Porto", "PT", "41.1496,-8.6109"},
        {"1100-148", "Lisboa", "PT", "38.7139,-9.1394"},
        {"4800-058", "Guimarães", "PT", "41.4425,-8.2918"},
        {"4750-278", "Barcelos", "PT", "41.5388,-8.6151"},
        {"4760-113", "Vila Nova de Famalicão", "PT", "41.4085,-8.5198"},
        {"3000-150", "Coimbra", "PT", "40.2033,-8.4103"},
        {"3800-200", "Aveiro", "PT", "40.6405,-8.6538"},
        {"2400-137", "Leiria", "PT", "39.7436,-8.8071"},
        {"8000-138", "Faro", "PT", "37.0194,-7.9322"},
        {"7000-651", "Évora", "PT", "38.5714,-7.9135"},
        {"6000-084", "Castelo Branco", "PT", "39.8222,-7.4931"},
        {"3500-107", "Viseu", "PT", "40.6566,-7.9125"},
        {"5000-524", "Vila Real", "PT", "41.3006,-7.7441"},
        {"4900-350", "Viana do Castelo", "PT", "41.6932,-8.8329"},
        {"2000-124", "Santarém", "PT", "39.2362,-8.6859"},
        {"2900-048", "Setúbal", "PT", "38.5244,-8.8882"},
        {"4430-999", "Vila Nova de Gaia", "PT", "41.1239,-8.6118"},
        {"4450-208", "Matosinhos", "PT", "41.1844,-8.6963"},
        {"9000-060", "Funchal", "PT", "32.6669,-16.9241"},
        {"9500-150", "Ponta Delgada", "PT", "37.7412,-25.6756"},
        {"6300-559", "Guarda", "PT", "40.5373,-7.2676"},
        {"5300-252", "Bragança", "PT", "41.8061,-6.7567"},
        {"7800-295", "Beja", "PT", "38.0151,-7.8632"},
        {"4710-228", "Braga", "PT", "41.5454,-8.4265"},
        {"4050-253", "Porto", "PT", "41.1468,-8.6146"},
        {"1250-096", "Lisboa", "PT", "38.7205,-9.1460"},
        {"28013", "Madrid", "ES", "40.4200,-3.7058"},
        {"08002", "Barcelona", "ES", "41.3851,2.1734"},
        {"36201", "Vigo", "ES", "42.2406,-8.7207"},
        {"15703", "Santiago de Compostela", "ES", "42.8782,-8.5448"},
        {"75002", "Paris", "FR", "48.8686,2.3412"},
        {"69002", "Lyon", "FR", "45.7597,4.8320"},
        {"10115", "Berlin", "DE", "52.5320,13.3849"},
        {"1201", "Genève", "CH", "46.2101,6.1423"},
        {"", "Luanda", "AO", "-8.8147,13.2302"},
        {"W1B 3AG", "London", "GB", "51.5136,-0.1406"},
    };
    return values;
}

const std::vector<VatRegime>& vatRegimes()
{
    static const std::vector<VatRegime> values{
        {"1", "Nacional", 1},
        {"2", "Intracomunitário", 2},
        {"3", "Exportação", 3},
        {"4", "Nacional - Regiões Autónomas", 1},
    };
    return values;
}

// The first type is the one the shop-address screen offers by default.
const std::vector<Code>& addressTypes()
{
    static const std::vector<Code> values{
        {"LOJ", "Loja"}, {"SED", "Sede"}, {"ARM", "Armazém"}, {"ENT", "Morada de entrega"}};
    return values;
}

const std::vector<DocumentType>& documentTypes()
{
    static const std::vector<DocumentType> values{
        {"ENC", "Encomenda de Cliente", 2, 2},
        {"ENCW", "Encomenda Loja Online", 2, 2},
        {"FAC", "Fatura", 2, 4},
        {"NC", "Nota de Crédito", 2, 4},
        {"EPF", "Entrada de Produto Acabado", 3, 4},
        {"DPF", "Devolução de Produto Acabado", 3, 4},
        {"ENF", "Encomenda a Fornecedor", 1, 2},
    };
    return values;
}

const std::vector<RawMaterial>& rawMaterials()
{
    static const std::vector<RawMaterial> values{
        {"MP-FIO-LAM", "Fio de Lã Merino", "KG", 3850},
        {"MP-FIO-ACR", "Fio de Lã e Acrílico", "KG", 1420},
        {"MP-FIO-CAX", "Fio de Caxemira", "KG", 14900},
        {"MP-FIO-ALG", "Fio de Algodão Penteado", "KG", 920},
        {"MP-TEC-SAR", "Sarja de Algodão Elástica", "MT", 640},
        {"MP-TEC-POP", "Popelina de Algodão", "MT", 480},
        {"MP-TEC-LIN", "Tecido de Linho", "MT", 1150},
        {"MP-TEC-VIS", "Tecido de Viscose", "MT", 560},
        {"MP-TEC-POL", "Tecido de Poliéster Técnico", "MT", 720},
        {"MP-ETIQ", "Etiqueta Tecida", "UN", 12},
        {"MP-LINHA", "Linha de Costura", "UN", 35},
        {"MP-BOTAO", "Botão de Madrepérola", "UN", 18},
    };
    return values;
}

const std::vector<Code>& operations()
{
    static const std::vector<Code> values{
        {"TRI", "Tricotagem"}, {"COR", "Corte"}, {"CON", "Confeção"}, {"BOR", "Bordado"},
        {"ACA", "Acabamento"}, {"EMB", "Embalagem"}};
    return values;
}

const std::vector<const char*>& firstNames()
{
    static const std::vector<const char*> values{
        "Ana", "Maria", "Joana", "Rita", "Sofia", "Inês", "Catarina", "Beatriz", "Marta", "Carla",
        "Helena", "Teresa", "Filipa", "Sara", "Patrícia", "João", "Pedro", "Rui", "Nuno", "Miguel",
        "Tiago", "Paulo", "Luís", "Carlos", "José", "António", "Ricardo", "Filipe", "Hugo", "Bruno"};
    return values;
}

const std::vector<const char*>& surnames()
{
    static const std::vector<const char*> values{
        "Silva", "Santos", "Ferreira", "Pereira", "Oliveira", "Costa", "Rodrigues", "Martins", "Sousa",
        "Fernandes", "Gonçalves", "Gomes", "Lopes", "Marques", "Alves", "Almeida", "Ribeiro", "Pinto",
        "Carvalho", "Teixeira", "Moreira", "Correia", "Mendes", "Nunes", "Soares", "Vieira", "Monteiro",
        "Cardoso", "Rocha", "Neves", "Coelho", "Cunha", "Pires", "Ramos", "Simões", "Antunes", "Matos",
        "Fonseca", "Machado", "Araújo", "Barbosa", "Tavares", "Lourenço", "Azevedo", "Faria", "Vaz"};
    return values;
}

const std::vector<const char*>& streets()
{
    static const std::vector<const char*> values{
        "Rua de Santa Catarina", "Avenida da Liberdade", "Rua Direita", "Rua do Souto",
        "Praça da República", "Avenida Central", "Rua 25 de Abril", "Largo do Toural",
        "Rua Nova", "Rua do Comércio", "Avenida dos Aliados", "Rua Augusta", "Rua Ferreira Borges",
        "Rua Cândido dos Reis", "Rua de Cedofeita", "Avenida da República", "Rua Mouzinho da Silveira",
        "Travessa do Carmo", "Rua da Sé", "Rua D. Pedro V"};
    return values;
}

const std::vector<const char*>& shopNamePatterns()
{
    static const std::vector<const char*> values{
        "Boutique %1 %2", "%2 & Filhos, Lda", "Modas %2", "Casa %2 - Pronto-a-Vestir",
        "Armazéns %2, S.A.", "Loja da %1", "%2 Moda, Unipessoal Lda", "Confeções %2, Lda",
        "%1 %2 - Vestuário", "Modas D'Ouro %2"};
    return values;
}

const std::vector<const char*>& supplierNames()
{
    static const std::vector<const char*> values{
        "Malhas do Ave, Lda", "Tecelagem Vale do Cávado, S.A.", "Fiação de Riba d'Ave, Lda",
        "Confeções Minhotas, Lda", "Estamparia Têxtil do Norte, S.A.", "Acabamentos Têxteis de Guimarães",
        "Têxteis Barcelenses, Lda", "Fábrica de Botões Lusitana", "Bordados de Viana, Lda",
        "Tricotagem Serra da Estrela", "Linhas e Fios do Porto, Lda", "Atelier de Costura Famalicão"};
    return values;
}

const std::vector<const char*>& articleNotes()
{
    static const std::vector<const char*> values{
        "Lavar à mão a 30 ºC. Não usar máquina de secar.",
        "Tecido pré-encolhido. Engomar a temperatura média.",
        "Modelo exclusivo da coleção. Acabamento com etiqueta bordada.",
        "Confirmar a tonalidade com o fornecedor antes de cada produção.",
        "Lavar do avesso. Não usar lixívia.",
        "Medidas da amostra aprovadas pelo cliente; manter o molde."};
    return values;
}

const std::vector<const char*>& orderNotes()
{
    static const std::vector<const char*> values{
        "Entregar até ao final do mês.", "Etiquetar com o preço de venda ao público.",
        "Entrega parcial autorizada pelo cliente.", "Embalar por tamanhos, uma caixa por cor.",
        "Mercadoria para a abertura da nova loja.", "Enviar por transportadora; portes a cargo do cliente.",
        "Aguardar confirmação das cores antes de cortar."};
    return values;
}

} // namespace demo::vocabulary
