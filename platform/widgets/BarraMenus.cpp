#include "platform/widgets/BarraMenus.h"

#include <QActionEvent>
#include <QMenu>
#include <QMenuBar>
#include <QStyle>
#include <QStyleOptionMenuItem>
#include <QVBoxLayout>

namespace zav {

// One line of the bar, which can tell how wide a line of given items must be
// to show them all: the menu bar's own measures of an item, its spacing and
// its margins.
class BarraMenus::Linha : public QMenuBar {
public:
    explicit Linha(QWidget* parent) : QMenuBar(parent) { setNativeMenuBar(false); }

    int larguraPara(const QList<QAction*>& itens) const
    {
        const int margem = style()->pixelMetric(QStyle::PM_MenuBarPanelWidth, nullptr, this)
                           + style()->pixelMetric(QStyle::PM_MenuBarHMargin, nullptr, this);
        const int espaco = style()->pixelMetric(QStyle::PM_MenuBarItemSpacing, nullptr, this);
        int largura = 2 * margem + espaco;
        for (QAction* item : itens)
            largura += larguraItem(item) + espaco;
        return largura;
    }

    int alturaItem(QAction* item) const { return tamanhoItem(item).height(); }

private:
    int larguraItem(QAction* item) const { return tamanhoItem(item).width(); }

    QSize tamanhoItem(QAction* item) const
    {
        QStyleOptionMenuItem opcao;
        initStyleOption(&opcao, item);
        QSize conteudo;
        if (!item->icon().isNull()) {
            const int lado = style()->pixelMetric(QStyle::PM_SmallIconSize, nullptr, this);
            conteudo = QSize(lado, lado);
        } else {
            conteudo = fontMetrics().size(Qt::TextShowMnemonic, item->text());
        }
        return style()->sizeFromContents(QStyle::CT_MenuBarItem, &opcao, conteudo, this);
    }
};

BarraMenus::BarraMenus(QWidget* parent)
    : QWidget(parent), medidor_(new Linha(this)), layout_(new QVBoxLayout(this))
{
    medidor_->hide();
    layout_->setContentsMargins(0, 0, 0, 0);
    layout_->setSpacing(0);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
}

BarraMenus::~BarraMenus() = default;

QMenu* BarraMenus::addMenu(const QString& legenda)
{
    auto* menu = new QMenu(legenda, this);
    addAction(menu->menuAction());
    return menu;
}

QList<QMenuBar*> BarraMenus::linhas() const
{
    QList<QMenuBar*> usadas;
    for (int i = 0; i < repartidas_.size(); ++i)
        usadas << linhas_[i];
    return usadas;
}

QList<QList<QAction*>> BarraMenus::reparte(int largura) const
{
    QList<QList<QAction*>> repartidas;
    QList<QAction*> linha;
    for (QAction* item : actions()) {
        if (!item->isVisible())
            continue;
        QList<QAction*> comEste = linha;
        comEste << item;
        if (!linha.isEmpty() && medidor_->larguraPara(comEste) > largura) {
            repartidas << linha;
            linha = {item};
        } else {
            linha = comEste;
        }
    }
    if (!linha.isEmpty())
        repartidas << linha;
    return repartidas;
}

int BarraMenus::alturaLinha() const
{
    int altura = medidor_->fontMetrics().height();
    for (QAction* item : actions())
        altura = qMax(altura, medidor_->alturaItem(item));
    const int margem = style()->pixelMetric(QStyle::PM_MenuBarPanelWidth, nullptr, medidor_)
                       + style()->pixelMetric(QStyle::PM_MenuBarVMargin, nullptr, medidor_);
    return altura + 2 * margem;
}

int BarraMenus::heightForWidth(int largura) const
{
    return int(qMax<qsizetype>(1, reparte(largura).size())) * alturaLinha();
}

QSize BarraMenus::sizeHint() const
{
    return QSize(medidor_->larguraPara(actions()), alturaLinha());
}

QSize BarraMenus::minimumSizeHint() const
{
    int largura = 0;
    for (QAction* item : actions())
        largura = qMax(largura, medidor_->larguraPara({item}));
    return QSize(largura, alturaLinha());
}

void BarraMenus::actionEvent(QActionEvent* event)
{
    QWidget::actionEvent(event);
    // A new, removed or renamed item may change how many lines the bar takes.
    repartidas_.clear();
    distribui();
    updateGeometry();
}

void BarraMenus::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    distribui();
}

void BarraMenus::distribui()
{
    const QList<QList<QAction*>> repartidas = reparte(width());
    if (repartidas == repartidas_)
        return;
    repartidas_ = repartidas;
    while (linhas_.size() < repartidas_.size()) {
        auto* linha = new Linha(this);
        layout_->addWidget(linha);
        linhas_ << linha;
    }
    for (int i = 0; i < linhas_.size(); ++i) {
        Linha* linha = linhas_[i];
        linha->clear();
        if (i < repartidas_.size())
            linha->addActions(repartidas_[i]);
        linha->setFixedHeight(alturaLinha());
        linha->setVisible(i < repartidas_.size());
    }
}

} // namespace zav
