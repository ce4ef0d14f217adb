// The sample card prints itself: its own screen, laid out as a page, goes to
// the default printer, and the screen is then put back and cleared.
#include "samples/EcraFichaAmostra.h"

#include "platform/grid/Grelha.h"
#include "platform/widgets/Seams.h"
#include "platform/widgets/Twips.h"
#include "shell/Tools.h"

#include <QApplication>
#include <QGroupBox>
#include <QItemSelectionModel>
#include <QLabel>
#include <QPainter>
#include <QPicture>
#include <QPrinter>
#include <QPushButton>
#include <QTableView>

#include <algorithm>

namespace {

constexpr int AlturaLinha = 255;  // twips

const QString SemImpressora = QString::fromUtf8("Não existe nenhuma impressora instalada.");
const QString ImpressaoFalhou = QString::fromUtf8("Não foi possível imprimir a ficha.");

// The card as a page: no command buttons and no filter panel, the titles they
// covered seen, the header and the matrix moved up under them, the matrix as
// tall as its rows, on white. Everything it changes it first keeps, so the
// screen goes back exactly as it was.
class PaginaFicha {
public:
    explicit PaginaFicha(EcraFichaAmostra& ficha)
        : f_(ficha),
          tamanhoForm_(ficha.size()),
          lugarCabecalho_(ficha.GroupBox2->geometry()),
          lugarGrelha_(ficha.Grelha->geometry())
    {
        for (QWidget* controlo : pintados())
            paletas_ << controlo->palette();
    }

    void dispoe()
    {
        for (QPushButton* botao : {f_.btCancelar, f_.btImp, f_.btSair})
            botao->hide();
        f_.GroupBox1->hide();
        const int subida = f_.GroupBox1->height() - (f_.Titulo[0]->y() + f_.Titulo[0]->height());
        f_.GroupBox2->move(lugarCabecalho_.x(), lugarCabecalho_.y() - subida);
        const int alturaGrelha = f_.alturaDaMatrizInteira();
        f_.Grelha->setGeometry(lugarGrelha_.x(), lugarGrelha_.y() - subida, lugarGrelha_.width(), alturaGrelha);
        // The form grows as the grid does, less one row: the page keeps under
        // the matrix the margin the printed card has always had.
        f_.setFixedSize(tamanhoForm_.width(),
                        tamanhoForm_.height() + alturaGrelha - zav::twipsToPixelsY(AlturaLinha) - lugarGrelha_.height());

        f_.Grelha->view()->setFocus();
        f_.Grelha->view()->scrollToTop();
        QApplication::processEvents();
        // On the first row, and no row marked as chosen on the page.
        QTableView* vista = f_.Grelha->view();
        vista->clearSelection();
        if (vista->model()->rowCount() > 0)
            vista->selectionModel()->setCurrentIndex(vista->model()->index(0, 0), QItemSelectionModel::NoUpdate);

        for (QWidget* controlo : pintados()) {
            QPalette branca = controlo->palette();
            branca.setColor(QPalette::Window, Qt::white);
            controlo->setPalette(branca);
        }
        QApplication::processEvents();
    }

    // Whether the page went to the printer whole.
    bool imprime(QPrinter& impressora)
    {
        QPainter pintor;
        if (!pintor.begin(&impressora))
            return false;
        f_.Grelha->view()->scrollToTop();
        QApplication::processEvents();
        QApplication::processEvents();
        // Drawn through a picture: rendered straight to a printer, Qt would
        // send the page as one bitmap, and its texts would no longer be text.
        QPicture imagem;
        QPainter gravador(&imagem);
        f_.render(&gravador, QPoint(), QRegion(), QWidget::DrawWindowBackground | QWidget::DrawChildren);
        gravador.end();
        // As large as on the screen, smaller where the page needs it; playing
        // the picture already scales it from its resolution to the printer's.
        const QRect pagina = impressora.pageLayout().paintRectPixels(impressora.resolution());
        const double escala = std::min({impressora.resolution() / double(f_.logicalDpiX()),
                                        pagina.width() / double(f_.width()), pagina.height() / double(f_.height())});
        const double daImagem = impressora.logicalDpiX() / double(imagem.logicalDpiX());
        pintor.scale(escala / daImagem, escala / daImagem);
        pintor.drawPicture(0, 0, imagem);
        return pintor.end();
    }

    void repoe()
    {
        for (QPushButton* botao : {f_.btCancelar, f_.btImp, f_.btSair})
            botao->show();
        f_.GroupBox2->setGeometry(lugarCabecalho_);
        f_.Grelha->setGeometry(lugarGrelha_);
        f_.setFixedSize(tamanhoForm_);
        const QList<QWidget*> controlos = pintados();
        for (int i = 0; i < controlos.size(); ++i)
            controlos[i]->setPalette(paletas_[i]);
        f_.GroupBox1->show();
    }

private:
    QList<QWidget*> pintados() const
    {
        QList<QWidget*> controlos{&f_, f_.GroupBox2};
        for (QLabel* titulo : f_.Tit)
            controlos << titulo;
        for (QLabel* titulo : f_.Titulo)
            controlos << titulo;
        return controlos;
    }

    EcraFichaAmostra& f_;
    QSize tamanhoForm_;
    QRect lugarCabecalho_;
    QRect lugarGrelha_;
    QList<QPalette> paletas_;
};

} // namespace

void EcraFichaAmostra::btImp_Click()
{
    if (Grelha->isHidden())
        return;
    QPrinter impressora(QPrinter::HighResolution);
    if (!zav::defaultPrinterSeam()(impressora)) {
        Tools::MostraMensagem(QString(), SemImpressora, 2);
        return;
    }
    PaginaFicha pagina(*this);
    pagina.dispoe();
    const bool impressa = pagina.imprime(impressora);
    pagina.repoe();
    if (!impressa) {
        Tools::MostraMensagem(QString(), ImpressaoFalhou, 2);
        return;
    }
    btCancelar_Click();
}
