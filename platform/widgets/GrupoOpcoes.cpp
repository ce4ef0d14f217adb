#include "platform/widgets/GrupoOpcoes.h"

#include <QRadioButton>

namespace zav {

void fazGrupoDeOpcoes(const QList<QRadioButton*>& opcoes)
{
    const auto marcaParagem = [opcoes] {
        QRadioButton* paragem = opcoes.value(0);
        for (QRadioButton* opcao : opcoes) {
            if (opcao->isChecked())
                paragem = opcao;
        }
        for (QRadioButton* opcao : opcoes)
            opcao->setFocusPolicy(opcao == paragem ? Qt::StrongFocus : Qt::ClickFocus);
    };
    for (QRadioButton* opcao : opcoes)
        QObject::connect(opcao, &QAbstractButton::toggled, opcao, marcaParagem);
    marcaParagem();
}

} // namespace zav
