#pragma once

#include <QWidget>
#include <memory>
#include <vector>

class QAction;
class QToolBar;
class QScrollArea;
class QLabel;
class QLineEdit;

namespace zav {

class GridPages;

// The print preview a screen embeds in place of its grid. Its toolbar holds the
// tools by position: 0 and 1 switched off, 2 print, 4 copy the page, 6 find,
// 8 single page, 9 several pages, 11 zoom out, 12 zoom in, 14 first page,
// 15 previous page, 16 next page, 17 last page, 19 back and 20 forward through
// the pages viewed; the others are separators.
class Visualizador : public QWidget {
    Q_OBJECT
public:
    enum Tool {
        ToolOpen = 0, ToolSave = 1, ToolPrint = 2, ToolCopy = 4, ToolFind = 6,
        ToolSinglePage = 8, ToolMultiplePages = 9, ToolZoomOut = 11, ToolZoomIn = 12,
        ToolFirstPage = 14, ToolPreviousPage = 15, ToolNextPage = 16, ToolLastPage = 17,
        ToolBack = 19, ToolForward = 20,
    };
    static constexpr int ToolCount = 21;

    explicit Visualizador(QWidget* parent = nullptr);
    ~Visualizador() override;

    void setPages(std::shared_ptr<GridPages> pages); // shows the first page
    void clear();
    const std::shared_ptr<GridPages>& pages() const { return pages_; }

    QAction* tool(int position) const;   // nullptr for a separator
    QToolBar* toolBar() const { return toolBar_; }

    int pageCount() const;
    int currentPage() const { return current_; } // 0-based
    void goToPage(int page);                     // remembered for back and forward
    void firstPage();
    void previousPage();
    void nextPage();
    void lastPage();
    void back();
    void forward();

    double zoom() const { return zoom_; }
    void zoomIn();
    void zoomOut();
    bool showsMultiplePages() const { return multiple_; }
    void showSinglePage();
    void showMultiplePages();

    // Looks for the text from the page after the current one, wrapping around;
    // goes to the page that holds it. Without a text it asks for one.
    bool find(const QString& text);
    void copyPage() const;               // the current page's image to the clipboard
    // Asks for a printer through the print dialog and prints every page.
    bool printPages();

private:
    void buildToolBar();
    void showPage(int page);
    void render();
    void updateTools();
    void askAndFind();

    QToolBar* toolBar_;
    QScrollArea* scroll_;
    QWidget* pagesHost_;
    QLineEdit* findBar_ = nullptr;
    QLabel* pageLabel_ = nullptr;
    std::vector<QAction*> tools_;
    std::shared_ptr<GridPages> pages_;
    int current_ = 0;
    double zoom_ = 1.0;
    bool multiple_ = false;
    std::vector<int> history_;   // pages viewed, for back and forward
    int historyPos_ = -1;
    QString lastSearch_;
};

} // namespace zav
