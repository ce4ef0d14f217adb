#include "platform/grid/GrelhaEditavel.h"

#include "platform/widgets/LimiteTexto.h"
#include "platform/widgets/Twips.h"

#include <QApplication>
#include <QFocusEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStandardItemModel>
#include <QStyledItemDelegate>
#include <QTableView>
#include <QVBoxLayout>

namespace zav {

namespace {

constexpr int LarguraBotao = 18;  // pixels of a cell's button at its right edge

QRect rectanguloBotao(const QRect& celula)
{
    const int largura = qMin(LarguraBotao, celula.width());
    return QRect(celula.right() - largura + 1, celula.top(), largura, celula.height());
}

bool semCtrlNemAlt(Qt::KeyboardModifiers shift)
{
    return !(shift & (Qt::ControlModifier | Qt::AltModifier));
}

} // namespace

// Draws the cells, and the button of the columns that have one.
class GrelhaEditavel::Pintor : public QStyledItemDelegate {
public:
    Pintor(const QList<Coluna>& colunas, QObject* parent) : QStyledItemDelegate(parent), colunas_(colunas) {}

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        if (index.column() >= colunas_.size() || !colunas_[index.column()].botao) {
            QStyledItemDelegate::paint(painter, option, index);
            return;
        }
        QStyleOptionViewItem texto = option;
        const QRect botao = rectanguloBotao(option.rect);
        texto.rect.setRight(botao.left() - 1);
        QStyledItemDelegate::paint(painter, texto, index);
        QStyleOptionButton desenho;
        desenho.rect = botao;
        desenho.text = QStringLiteral("...");
        desenho.state = QStyle::State_Enabled | QStyle::State_Raised;
        QApplication::style()->drawControl(QStyle::CE_PushButton, &desenho, painter);
    }

private:
    const QList<Coluna>& colunas_;
};

GrelhaEditavel::GrelhaEditavel(QWidget* parent)
    : QWidget(parent), modelo_(new QStandardItemModel(this)), vista_(new QTableView(this))
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(vista_);
    vista_->setModel(modelo_);
    vista_->setItemDelegate(new Pintor(colunas_, vista_));
    vista_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    vista_->setSelectionMode(QAbstractItemView::SingleSelection);
    vista_->setTabKeyNavigation(false);
    vista_->installEventFilter(this);
    vista_->viewport()->installEventFilter(this);
    setFocusProxy(vista_);
    setFocusPolicy(Qt::StrongFocus);

    editor_ = new QLineEdit(vista_->viewport());
    editor_->setFrame(false);
    limite_ = new LimiteLinha(*editor_);
    editor_->hide();
    editor_->installEventFilter(this);

    connect(vista_->selectionModel(), &QItemSelectionModel::currentChanged, this, [this] { emit CelulaMudou(); });
    const auto segueEdicao = [this] {
        if (modoEdicao()) {
            QRect onde = vista_->visualRect(modelo_->index(linhaEdicao_, colunaEdicao_));
            if (colunas_[colunaEdicao_].botao)
                onde.setRight(rectanguloBotao(onde).left() - 1);
            editor_->setGeometry(onde);
        }
    };
    connect(vista_->verticalScrollBar(), &QScrollBar::valueChanged, this, segueEdicao);
    connect(vista_->horizontalScrollBar(), &QScrollBar::valueChanged, this, segueEdicao);
}

GrelhaEditavel::~GrelhaEditavel() = default;

void GrelhaEditavel::defineColunas(const QList<Coluna>& colunas)
{
    fechaEditor();
    const int linhas = modelo_->rowCount();
    modelo_->clear();
    colunas_ = colunas;
    modelo_->setColumnCount(int(colunas_.size()));
    modelo_->setRowCount(linhas);
    for (int i = 0; i < colunas_.size(); ++i) {
        modelo_->setHeaderData(i, Qt::Horizontal, colunas_[i].legenda);
        vista_->setColumnWidth(i, twipsToPixelsX(colunas_[i].larguraTwips));
    }
}

int GrelhaEditavel::colunas() const
{
    return int(colunas_.size());
}

void GrelhaEditavel::setLinhas(int linhas)
{
    fechaEditor();
    modelo_->setRowCount(qMax(0, linhas));
}

int GrelhaEditavel::linhas() const
{
    return modelo_->rowCount();
}

void GrelhaEditavel::acrescentaLinha()
{
    modelo_->insertRow(modelo_->rowCount());
}

void GrelhaEditavel::setLetra(const QFont& letra)
{
    vista_->setFont(letra);
    editor_->setFont(letra);
}

QString GrelhaEditavel::valor(int linha, int coluna) const
{
    return modelo_->data(modelo_->index(linha, coluna)).toString();
}

void GrelhaEditavel::setValor(int linha, int coluna, const QString& texto)
{
    modelo_->setData(modelo_->index(linha, coluna), texto);
}

int GrelhaEditavel::linhaActual() const
{
    return vista_->currentIndex().row();
}

int GrelhaEditavel::colunaActual() const
{
    return vista_->currentIndex().column();
}

void GrelhaEditavel::setCelulaActual(int linha, int coluna)
{
    vista_->setCurrentIndex(modelo_->index(linha, coluna));
}

QString GrelhaEditavel::valorActual() const
{
    return valor(linhaActual(), colunaActual());
}

void GrelhaEditavel::setValorActual(const QString& texto)
{
    setValor(linhaActual(), colunaActual(), texto);
    if (modoEdicao() && linhaEdicao_ == linhaActual() && colunaEdicao_ == colunaActual())
        limite_->poeTexto(texto);
}

QString GrelhaEditavel::textoActual() const
{
    if (aValidar_)
        return pendente_;
    return modoEdicao() ? editor_->text() : valorActual();
}

void GrelhaEditavel::setTextoActual(const QString& texto)
{
    if (aValidar_)
        pendente_ = texto;
    if (modoEdicao())
        limite_->poeTexto(texto);
    else if (!aValidar_)
        setValorActual(texto);
}

bool GrelhaEditavel::modoEdicao() const
{
    return linhaEdicao_ >= 0;
}

void GrelhaEditavel::setModoEdicao(bool ligado)
{
    if (!ligado) {
        fechaEditor();
        return;
    }
    if (!modoEdicao())
        abreEditor(aValidar_ ? pendente_ : valorActual(), true);
}

bool GrelhaEditavel::editavel(int coluna) const
{
    return coluna >= 0 && coluna < colunas_.size() && linhaActual() >= 0;
}

void GrelhaEditavel::abreEditor(const QString& texto, bool seleccionaTudo)
{
    const int coluna = colunaActual();
    if (!editavel(coluna))
        return;
    linhaEdicao_ = linhaActual();
    colunaEdicao_ = coluna;
    limite_->setLimite(colunas_[coluna].comprimentoMaximo);
    limite_->poeTexto(texto);
    QRect onde = vista_->visualRect(modelo_->index(linhaEdicao_, coluna));
    if (colunas_[coluna].botao)
        onde.setRight(rectanguloBotao(onde).left() - 1);
    editor_->setGeometry(onde);
    editor_->show();
    editor_->raise();
    editor_->setFocus(Qt::OtherFocusReason);
    if (seleccionaTudo)
        editor_->selectAll();
    else
        editor_->end(false);
}

void GrelhaEditavel::fechaEditor()
{
    if (!modoEdicao())
        return;
    // Marked closed first: the focus leaving the editor as it hides is no edit ending.
    linhaEdicao_ = colunaEdicao_ = -1;
    if (editor_->hasFocus())
        vista_->setFocus(Qt::OtherFocusReason);
    editor_->hide();
}

void GrelhaEditavel::abandonaEdicao()
{
    const int linha = linhaEdicao_;
    const int coluna = colunaEdicao_;
    fechaEditor();
    emit EdicaoTerminada(linha, coluna);
}

bool GrelhaEditavel::terminaEdicao()
{
    if (!modoEdicao())
        return true;
    if (aValidar_)
        return false;
    const int linha = linhaEdicao_;
    const int coluna = colunaEdicao_;
    pendente_ = editor_->text();
    bool cancel = false;
    aValidar_ = true;
    emit ValidaCelula(linha, coluna, valor(linha, coluna), cancel);
    aValidar_ = false;
    if (cancel) {
        if (modoEdicao())
            editor_->setFocus(Qt::OtherFocusReason);
        else
            emit EdicaoTerminada(linha, coluna);
        return false;
    }
    setValor(linha, coluna, pendente_);
    fechaEditor();
    emit EdicaoTerminada(linha, coluna);
    return true;
}

void GrelhaEditavel::anulaLinhaActual()
{
    const int linha = linhaActual();
    if (linha < 0)
        return;
    fechaEditor();
    emit AnulaLinha();
    const int coluna = colunaActual();
    modelo_->removeRow(linha);
    if (modelo_->rowCount() > 0)
        setCelulaActual(qMin(linha, modelo_->rowCount() - 1), qMax(0, coluna));
}

void GrelhaEditavel::avanca(bool paraDiante)
{
    int linha = linhaActual();
    int coluna = colunaActual() + (paraDiante ? 1 : -1);
    if (coluna >= colunas()) {
        coluna = 0;
        ++linha;
    } else if (coluna < 0) {
        coluna = colunas() - 1;
        --linha;
    }
    if (linha >= 0 && linha < linhas())
        setCelulaActual(linha, coluna);
}

void GrelhaEditavel::moveVertical(int passo)
{
    const int linha = linhaActual() + passo;
    if (linha >= 0 && linha < linhas())
        setCelulaActual(linha, colunaActual());
}

int GrelhaEditavel::codigoTecla(const QKeyEvent* tecla)
{
    switch (tecla->key()) {
    case Qt::Key_Backspace: return 8;
    case Qt::Key_Tab:
    case Qt::Key_Backtab: return 9;
    case Qt::Key_Return:
    case Qt::Key_Enter: return 13;
    case Qt::Key_Escape: return 27;
    case Qt::Key_PageUp: return 33;
    case Qt::Key_PageDown: return 34;
    case Qt::Key_End: return 35;
    case Qt::Key_Home: return 36;
    case Qt::Key_Left: return 37;
    case Qt::Key_Up: return 38;
    case Qt::Key_Right: return 39;
    case Qt::Key_Down: return 40;
    case Qt::Key_Insert: return 45;
    case Qt::Key_Delete: return 46;
    default: break;
    }
    if (tecla->key() >= Qt::Key_F1 && tecla->key() <= Qt::Key_F12)
        return 112 + (tecla->key() - Qt::Key_F1);
    if ((tecla->key() >= Qt::Key_0 && tecla->key() <= Qt::Key_9) || (tecla->key() >= Qt::Key_A && tecla->key() <= Qt::Key_Z)
        || tecla->key() == Qt::Key_Space)
        return tecla->key();
    const QString texto = tecla->text();
    return texto.isEmpty() || !texto.at(0).isPrint() ? 0 : texto.at(0).toUpper().unicode();
}

bool GrelhaEditavel::teclaNavegacao(QKeyEvent* tecla)
{
    // A key the editor left unused comes up here: the edit keeps it.
    if (modoEdicao())
        return true;
    int codigo = codigoTecla(tecla);
    const Qt::KeyboardModifiers shift = tecla->modifiers();
    if (codigo != 0) {
        emit Tecla(codigo, shift);
        if (codigo == 0)
            return true;
    }
    const int coluna = colunaActual();
    switch (tecla->key()) {
    case Qt::Key_Delete:
        if (!(shift & Qt::ControlModifier))
            return false;
        anulaLinhaActual();
        return true;
    case Qt::Key_F4:
        if (editavel(coluna) && colunas_[coluna].botao)
            emit BotaoCelula(linhaActual(), coluna);
        return true;
    case Qt::Key_F2:
        abreEditor(valorActual(), false);
        return true;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        if (shift & Qt::ControlModifier) {
            focusNextPrevChild(!(shift & Qt::ShiftModifier));
            return true;
        }
        if (tab_ != ProximaCelula)
            return false;
        avanca(tecla->key() == Qt::Key_Tab && !(shift & Qt::ShiftModifier));
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (enter_ == ProximaCelula)
            avanca(true);
        return true;
    default:
        break;
    }
    const QString texto = tecla->text();
    if (!texto.isEmpty() && texto.at(0).isPrint() && semCtrlNemAlt(shift) && editavel(coluna)) {
        abreEditor(texto, false);
        return true;
    }
    return false;
}

bool GrelhaEditavel::teclaEdicao(QKeyEvent* tecla)
{
    int codigo = codigoTecla(tecla);
    const Qt::KeyboardModifiers shift = tecla->modifiers();
    if (codigo != 0) {
        emit TeclaEdicao(linhaEdicao_, colunaEdicao_, codigo, shift);
        if (codigo == 0)
            return true;
    }
    switch (tecla->key()) {
    case Qt::Key_Escape:
        abandonaEdicao();
        return true;
    case Qt::Key_Tab:
    case Qt::Key_Backtab: {
        const bool paraDiante = tecla->key() == Qt::Key_Tab && !(shift & Qt::ShiftModifier);
        if (!terminaEdicao())
            return true;
        if (tab_ == ProximaCelula && !(shift & Qt::ControlModifier))
            avanca(paraDiante);
        else
            focusNextPrevChild(paraDiante);
        return true;
    }
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (terminaEdicao() && enter_ == ProximaCelula)
            avanca(true);
        return true;
    case Qt::Key_Up:
    case Qt::Key_Down:
        if (terminaEdicao())
            moveVertical(tecla->key() == Qt::Key_Up ? -1 : 1);
        return true;
    case Qt::Key_F4:
        if (colunas_[colunaEdicao_].botao)
            emit BotaoCelula(linhaEdicao_, colunaEdicao_);
        return true;
    default:
        return false;
    }
}

bool GrelhaEditavel::dentroDoBotao(const QPoint& noViewport, int& linha, int& coluna) const
{
    const QModelIndex celula = vista_->indexAt(noViewport);
    if (!celula.isValid() || !colunas_[celula.column()].botao)
        return false;
    if (!rectanguloBotao(vista_->visualRect(celula)).contains(noViewport))
        return false;
    linha = celula.row();
    coluna = celula.column();
    return true;
}

bool GrelhaEditavel::ratoNaVista(QEvent* event)
{
    const auto* rato = static_cast<QMouseEvent*>(event);
    if (rato->button() != Qt::LeftButton)
        return false;
    const QPoint onde = rato->position().toPoint();
    if (modoEdicao() && !terminaEdicao()) {
        if (modoEdicao())
            editor_->setFocus(Qt::OtherFocusReason);
        return true;
    }
    int linha = -1;
    int coluna = -1;
    if (dentroDoBotao(onde, linha, coluna)) {
        setCelulaActual(linha, coluna);
        emit BotaoCelula(linha, coluna);
        return true;
    }
    if (event->type() == QEvent::MouseButtonDblClick) {
        const QModelIndex celula = vista_->indexAt(onde);
        if (celula.isValid()) {
            setCelulaActual(celula.row(), celula.column());
            abreEditor(valorActual(), false);
            return true;
        }
    }
    return false;
}

// The focus going out of the grid ends an edit as Tab would; a refused one
// brings it back.
void GrelhaEditavel::editorPerdeFoco()
{
    if (!modoEdicao() || aValidar_)
        return;
    QWidget* agora = QApplication::focusWidget();
    if (agora && (agora == this || isAncestorOf(agora)))
        return;
    if (!terminaEdicao())
        (modoEdicao() ? static_cast<QWidget*>(editor_) : static_cast<QWidget*>(vista_))->setFocus(Qt::OtherFocusReason);
}

bool GrelhaEditavel::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == editor_) {
        if (event->type() == QEvent::KeyPress)
            return teclaEdicao(static_cast<QKeyEvent*>(event));
        if (event->type() == QEvent::FocusOut) {
            const auto razao = static_cast<QFocusEvent*>(event)->reason();
            if (razao != Qt::ActiveWindowFocusReason && razao != Qt::PopupFocusReason)
                editorPerdeFoco();
        }
        return false;
    }
    if (watched == vista_ && event->type() == QEvent::KeyPress)
        return teclaNavegacao(static_cast<QKeyEvent*>(event));
    if (watched == vista_->viewport()
        && (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonDblClick))
        return ratoNaVista(event);
    return QWidget::eventFilter(watched, event);
}

} // namespace zav
