#pragma once

#include <QString>
#include <QList>
#include <QStringList>
#include <functional>
#include <utility>

class QWidget;
class QPrinter;

namespace zav {

// Every dialog that blocks, and the shell's open of a file, goes through one of
// these seams. The program uses the real dialog; a test installs an answer with
// the scoped override and no window ever opens.
template <typename Signature>
class Seam {
public:
    using Handler = std::function<Signature>;

    explicit Seam(Handler real) : real_(std::move(real)) {}

    template <typename... Args>
    auto operator()(Args&&... args) const
    {
        return override_ ? override_(std::forward<Args>(args)...) : real_(std::forward<Args>(args)...);
    }

    // Restores the previous handler when it goes out of scope.
    class Override {
    public:
        Override(Seam& seam, Handler handler) : seam_(seam), previous_(std::move(seam.override_))
        {
            seam_.override_ = std::move(handler);
        }
        ~Override() { seam_.override_ = std::move(previous_); }
        Override(const Override&) = delete;
        Override& operator=(const Override&) = delete;

    private:
        Seam& seam_;
        Handler previous_;
    };

private:
    Handler real_;
    Handler override_;
};

enum class MessageIcon { None, Information, Exclamation, Critical, Question };
enum class MessageButtons { Ok, OkCancel, YesNo };

struct MessageRequest {
    QString title;
    QString text;
    MessageIcon icon = MessageIcon::None;
    MessageButtons buttons = MessageButtons::Ok;
    bool secondButtonDefault = false;
};
// The button pressed, as the platform numbers them: 1 OK, 2 Cancel, 6 Yes, 7 No.
enum MessageResult { vbOK = 1, vbCancel = 2, vbYes = 6, vbNo = 7 };

// What a pick list shows: its rows of text, the first column being the value chosen.
struct PickListColumn {
    QString heading;
    int widthTwips = 0;  // 0 leaves the list's own width
    bool hidden = false;
};
struct PickListRequest {
    QString title;
    int widthTwips = 0;  // the window's width; 0 leaves the list's own width
    QList<PickListColumn> columns;
    QList<QStringList> rows;
};

struct FileRequest {
    QString filter;       // "Description (*.ext)|*.ext[|...]"
    QString initialName;  // the name chosen last time
};

// The seams. Each returns what the user answered.
Seam<int(QWidget* parent, const MessageRequest&)>& messageBoxSeam();
// The chosen path, or "" when the user cancelled.
Seam<QString(QWidget* parent, const FileRequest&)>& saveFileSeam();
// Whether the user confirmed printing; the printer carries the choices made.
Seam<bool(QWidget* parent, QPrinter& printer)>& printDialogSeam();
// Readies `printer` as the system's default printer, without asking; false
// when the system has none.
Seam<bool(QPrinter& printer)>& defaultPrinterSeam();
// The first column of the chosen row, or "" when the user chose nothing.
Seam<QString(QWidget* parent, const PickListRequest&)>& pickListSeam();
// Hands a file to the desktop to open with its default program.
Seam<bool(const QString& path)>& shellOpenSeam();

} // namespace zav
