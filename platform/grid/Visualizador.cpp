#include "platform/grid/Visualizador.h"

#include "platform/widgets/Seams.h"
#include "platform/widgets/Twips.h"
#include "platform/grid/GridPages.h"
#include "platform/grid/IconesVisualizador.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPrinter>
#include <QScrollArea>
#include <QToolBar>
#include <QVBoxLayout>
#include <cmath>
#include <map>

namespace zav {

namespace {

constexpr double ZoomStep = 1.25;
constexpr double MinZoom = 0.25;
constexpr double MaxZoom = 4.0;
constexpr double MultiplePageShrink = 0.4;
constexpr int PagesPerRow = 3;
constexpr int Gap = 12;

// A page as it shows on the screen at that scale, in pixels.
QSize screenSize(const GridPages& pages, double scale)
{
    const QSizeF twips = pages.pageSizeTwips();
    return QSize(std::max(1, int(std::lround(twipsToPixelsX(int(twips.width())) * scale))),
                 std::max(1, int(std::lround(twipsToPixelsY(int(twips.height())) * scale))));
}

// Paints the pages the viewer shows, rendering each at the zoomed resolution once.
class PageCanvas : public QWidget {
public:
    explicit PageCanvas(QWidget* parent) : QWidget(parent) {}

    // `scale` 1 shows the pages at their real size on the screen.
    void show(std::shared_ptr<GridPages> pages, std::vector<int> pageNumbers, int columns, double scale)
    {
        if (pages != pages_ || scale != scale_)
            cache_.clear();
        pages_ = std::move(pages);
        shown_ = std::move(pageNumbers);
        columns_ = columns;
        scale_ = scale;
        resize(canvasSize());
        update();
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.fillRect(rect(), palette().color(QPalette::Dark));
        if (!pages_)
            return;
        const QSize page = pageSize();
        for (size_t i = 0; i < shown_.size(); ++i) {
            const QPoint at(Gap + int(i % size_t(columns_)) * (page.width() + Gap),
                            Gap + int(i / size_t(columns_)) * (page.height() + Gap));
            painter.drawImage(at, image(shown_[i]));
            painter.setPen(Qt::black);
            painter.drawRect(QRect(at, page).adjusted(-1, -1, 0, 0));
        }
    }

private:
    QSize pageSize() const
    {
        return screenSize(*pages_, scale_);
    }

    QSize canvasSize() const
    {
        if (!pages_ || shown_.empty())
            return QSize(1, 1);
        const QSize page = pageSize();
        const int cols = std::min(columns_, int(shown_.size()));
        const int rows = (int(shown_.size()) + columns_ - 1) / columns_;
        return QSize(Gap + cols * (page.width() + Gap), Gap + rows * (page.height() + Gap));
    }

    const QImage& image(int page)
    {
        auto found = cache_.find(page);
        if (found == cache_.end())
            found = cache_.emplace(page, pages_->pageImage(page, pageSize())).first;
        return found->second;
    }

    std::shared_ptr<GridPages> pages_;
    std::vector<int> shown_;
    int columns_ = 1;
    double scale_ = 1;
    std::map<int, QImage> cache_;
};

} // namespace

Visualizador::Visualizador(QWidget* parent)
    : QWidget(parent), toolBar_(new QToolBar(this)), scroll_(new QScrollArea(this)), pagesHost_(new PageCanvas(this))
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(toolBar_);
    findBar_ = new QLineEdit(this);
    findBar_->setPlaceholderText(QStringLiteral("Procurar"));
    findBar_->hide();
    connect(findBar_, &QLineEdit::returnPressed, this, [this] { find(findBar_->text()); });
    layout->addWidget(findBar_);
    scroll_->setWidget(pagesHost_);
    scroll_->setAlignment(Qt::AlignHCenter);
    layout->addWidget(scroll_);
    buildToolBar();
    updateTools();
}

Visualizador::~Visualizador() = default;

void Visualizador::buildToolBar()
{
    toolBar_->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    tools_.assign(ToolCount, nullptr);
    auto add = [&](Tool position, const QString& caption, const QString& tip, auto slot) {
        QAction* action = toolBar_->addAction(iconeFerramenta(position), caption);
        action->setToolTip(tip);
        connect(action, &QAction::triggered, this, slot);
        tools_[size_t(position)] = action;
    };
    auto separator = [&] { toolBar_->addSeparator(); };

    // The viewer's open and save: switched off, the grid is the only source.
    add(ToolOpen, QStringLiteral("Abrir"), QStringLiteral("Abrir"), [] {});
    add(ToolSave, QStringLiteral("Guardar"), QStringLiteral("Guardar"), [] {});
    for (int off : {ToolOpen, ToolSave}) {
        tools_[size_t(off)]->setEnabled(false);
        tools_[size_t(off)]->setVisible(false);
    }
    add(ToolPrint, QStringLiteral("&Imprimir..."), QStringLiteral("Imprimir"), [this] { printPages(); });
    separator();
    add(ToolCopy, {}, QStringLiteral("Copiar"), [this] { copyPage(); });
    separator();
    add(ToolFind, {}, QStringLiteral("Procurar"), [this] { askAndFind(); });
    separator();
    add(ToolSinglePage, {}, QStringLiteral("Página Simples"), [this] { showSinglePage(); });
    add(ToolMultiplePages, {}, QStringLiteral("Páginas Múltiplas"), [this] { showMultiplePages(); });
    separator();
    add(ToolZoomOut, {}, QStringLiteral("Diminuir"), [this] { zoomOut(); });
    add(ToolZoomIn, {}, QStringLiteral("Aumentar"), [this] { zoomIn(); });
    separator();
    add(ToolFirstPage, {}, QStringLiteral("Primeira página"), [this] { firstPage(); });
    add(ToolPreviousPage, {}, QStringLiteral("Página anterior"), [this] { previousPage(); });
    add(ToolNextPage, {}, QStringLiteral("Página seguinte"), [this] { nextPage(); });
    add(ToolLastPage, {}, QStringLiteral("Última página"), [this] { lastPage(); });
    separator();
    add(ToolBack, QStringLiteral("Recuar"), QStringLiteral("Recuar"), [this] { back(); });
    add(ToolForward, QStringLiteral("Avançar"), QStringLiteral("Avançar"), [this] { forward(); });
    pageLabel_ = new QLabel(this);
    toolBar_->addWidget(pageLabel_);
}

QAction* Visualizador::tool(int position) const
{
    return position >= 0 && position < ToolCount ? tools_[size_t(position)] : nullptr;
}

void Visualizador::setPages(std::shared_ptr<GridPages> pages)
{
    pages_ = std::move(pages);
    history_.clear();
    historyPos_ = -1;
    current_ = 0;
    goToPage(0);
}

void Visualizador::clear()
{
    pages_.reset();
    history_.clear();
    historyPos_ = -1;
    current_ = 0;
    render();
}

int Visualizador::pageCount() const { return pages_ ? pages_->pageCount() : 0; }

void Visualizador::goToPage(int page)
{
    if (!pages_ || page < 0 || page >= pageCount())
        return;
    if (historyPos_ < 0 || history_[size_t(historyPos_)] != page) {
        history_.resize(size_t(historyPos_ + 1));
        history_.push_back(page);
        historyPos_ = int(history_.size()) - 1;
    }
    showPage(page);
}

void Visualizador::firstPage() { goToPage(0); }
void Visualizador::previousPage() { goToPage(current_ - 1); }
void Visualizador::nextPage() { goToPage(current_ + 1); }
void Visualizador::lastPage() { goToPage(pageCount() - 1); }

void Visualizador::back()
{
    if (historyPos_ > 0)
        showPage(history_[size_t(--historyPos_)]);
}

void Visualizador::forward()
{
    if (historyPos_ + 1 < int(history_.size()))
        showPage(history_[size_t(++historyPos_)]);
}

void Visualizador::zoomIn()
{
    zoom_ = std::min(zoom_ * ZoomStep, MaxZoom);
    render();
}

void Visualizador::zoomOut()
{
    zoom_ = std::max(zoom_ / ZoomStep, MinZoom);
    render();
}

void Visualizador::showSinglePage()
{
    multiple_ = false;
    render();
}

void Visualizador::showMultiplePages()
{
    multiple_ = true;
    render();
}

bool Visualizador::find(const QString& text)
{
    if (text.isEmpty()) {
        askAndFind();
        return false;
    }
    lastSearch_ = text;
    const int count = pageCount();
    for (int step = 1; step <= count; ++step) {
        const int page = (current_ + step) % count;
        for (const QString& line : pages_->pageTexts(page)) {
            if (line.contains(text, Qt::CaseInsensitive)) {
                goToPage(page);
                return true;
            }
        }
    }
    return false;
}

void Visualizador::askAndFind()
{
    findBar_->setText(lastSearch_);
    findBar_->show();
    findBar_->setFocus();
    findBar_->selectAll();
}

void Visualizador::copyPage() const
{
    if (pages_)
        QApplication::clipboard()->setImage(pages_->pageImage(current_, screenSize(*pages_, 1)));
}

bool Visualizador::printPages()
{
    if (!pages_)
        return false;
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageOrientation(pages_->settings().landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
    if (!printDialogSeam()(this, printer))
        return false;
    pages_->print(printer);
    return true;
}

void Visualizador::showPage(int page)
{
    current_ = page;
    render();
}

void Visualizador::render()
{
    auto* canvas = static_cast<PageCanvas*>(pagesHost_);
    if (!pages_) {
        canvas->show(nullptr, {}, 1, zoom_);
    } else if (multiple_) {
        std::vector<int> all(static_cast<size_t>(pageCount()));
        for (int i = 0; i < pageCount(); ++i)
            all[size_t(i)] = i;
        canvas->show(pages_, all, PagesPerRow, zoom_ * MultiplePageShrink);
    } else {
        canvas->show(pages_, {current_}, 1, zoom_);
    }
    updateTools();
}

void Visualizador::updateTools()
{
    const bool hasPages = pageCount() > 0;
    const bool notFirst = hasPages && current_ > 0;
    const bool notLast = hasPages && current_ < pageCount() - 1;
    tools_[ToolPrint]->setEnabled(hasPages);
    tools_[ToolCopy]->setEnabled(hasPages);
    tools_[ToolFind]->setEnabled(hasPages);
    tools_[ToolFirstPage]->setEnabled(notFirst);
    tools_[ToolPreviousPage]->setEnabled(notFirst);
    tools_[ToolNextPage]->setEnabled(notLast);
    tools_[ToolLastPage]->setEnabled(notLast);
    tools_[ToolBack]->setEnabled(historyPos_ > 0);
    tools_[ToolForward]->setEnabled(historyPos_ + 1 < int(history_.size()));
    tools_[ToolZoomOut]->setEnabled(zoom_ > MinZoom);
    tools_[ToolZoomIn]->setEnabled(zoom_ < MaxZoom);
    pageLabel_->setText(hasPages ? QStringLiteral(" %1 / %2 ").arg(current_ + 1).arg(pageCount()) : QString());
}

} // namespace zav
