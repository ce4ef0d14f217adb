#include "platform/widgets/SeletorData.h"

#include <QCalendarWidget>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QSignalBlocker>
#include <QStyle>
#include <QStyleOptionComboBox>

#include <algorithm>

namespace zav {

namespace {

// Where each section stands in "dd-MM-yyyy".
struct Lugar {
    int inicio;
    int tamanho;
};

Lugar lugarDa(QDateTimeEdit::Section seccao)
{
    switch (seccao) {
    case QDateTimeEdit::DaySection: return {0, 2};
    case QDateTimeEdit::MonthSection: return {3, 2};
    default: return {6, 4};
    }
}

// A section is whole once it has all its digits, or once no further digit
// could follow its first (a day from 4, a month from 2).
bool seccaoCompleta(QDateTimeEdit::Section seccao, const QString& digitos)
{
    if (seccao == QDateTimeEdit::YearSection)
        return digitos.size() == 4;
    const int limiteDoPrimeiro = seccao == QDateTimeEdit::DaySection ? 3 : 1;
    return digitos.size() == 2 || digitos.toInt() > limiteDoPrimeiro;
}

bool seccaoPossivel(QDateTimeEdit::Section seccao, const QString& digitos)
{
    if (seccao == QDateTimeEdit::YearSection || digitos.size() < 2)
        return true;
    const int valor = digitos.toInt();
    return valor >= 1 && valor <= (seccao == QDateTimeEdit::DaySection ? 31 : 12);
}

} // namespace

SeletorData::SeletorData(QWidget* parent) : QDateTimeEdit(parent)
{
    setDisplayFormat(QStringLiteral("dd-MM-yyyy"));
    // SQL Server's datetime begins here.
    setMinimumDate(QDate(1753, 1, 1));
    setCalendarPopup(true);
    lineEdit()->installEventFilter(this);
    // A day clicked in the calendar, even the one it shows, is the user's;
    // so is Enter on a day chosen there. Over a stored date it cannot hold the
    // calendar opens with none chosen: Enter alone then gives nothing.
    const auto escolhida = [this] {
        esqueceDataGuardada();
        emit Escolhida();
    };
    connect(calendarWidget(), &QCalendarWidget::clicked, this, escolhida);
    connect(calendarWidget(), &QCalendarWidget::activated, this, [this, escolhida] {
        if (!dataGuardada_)
            escolhida();
    });
    connect(this, &QDateTimeEdit::dateTimeChanged, this, &SeletorData::esqueceDataGuardada);
}

void SeletorData::setDataGuardada(const QDate& data)
{
    esqueceDataGuardada();
    if (data >= minimumDate() && data <= maximumDate()) {
        setDate(data);
        return;
    }
    // Shown in place of the first day, which the picker then holds.
    setDateTime(minimumDateTime());
    setSpecialValueText(data.toString(QStringLiteral("dd-MM-yyyy")));
    lineEdit()->setReadOnly(true);
    dataGuardada_ = true;
}

void SeletorData::esqueceDataGuardada()
{
    if (!dataGuardada_)
        return;
    dataGuardada_ = false;
    lineEdit()->setReadOnly(false);
    setSpecialValueText(QString());
}

QSize SeletorData::tamanhoComDataInteira(const QSize& desenhado) const
{
    return {std::max(desenhado.width(), sizeHint().width()), desenhado.height()};
}

void SeletorData::stepBy(int steps)
{
    if (dataGuardada_)
        return;
    QDateTimeEdit::stepBy(steps);
    emit Escolhida();
}

// As the arrow does: the picker's own press on it drops the calendar.
void SeletorData::abreCalendario()
{
    QStyleOptionComboBox opcao;
    opcao.initFrom(this);
    opcao.editable = true;
    opcao.subControls = QStyle::SC_All;
    const QPoint seta = style()->subControlRect(QStyle::CC_ComboBox, &opcao, QStyle::SC_ComboBoxArrow, this).center();
    QMouseEvent carrega(QEvent::MouseButtonPress, seta, mapToGlobal(seta), Qt::LeftButton, Qt::LeftButton,
                        Qt::NoModifier);
    mousePressEvent(&carrega);
}

// The calendar opens on the date held; the first day it holds, held in place
// of a stored date it cannot hold, stands for nothing: then it opens on
// today's month, where no day is chosen.
void SeletorData::mousePressEvent(QMouseEvent* event)
{
    QDateTimeEdit::mousePressEvent(event);
    if (dataGuardada_ && calendarWidget()->isVisible()) {
        const QDate hoje = QDate::currentDate();
        calendarWidget()->setCurrentPage(hoje.year(), hoje.month());
    }
}

bool SeletorData::focusNextPrevChild(bool next)
{
    return QWidget::focusNextPrevChild(next);
}

// A press ends what was being typed; the press has then put the cursor in the
// section clicked, and a click that selected nothing by dragging selects that
// section whole.
bool SeletorData::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == lineEdit()) {
        if (event->type() == QEvent::MouseButtonPress)
            terminaEscrita();
        if (event->type() == QEvent::MouseButtonRelease
            && static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton && !lineEdit()->hasSelectedText())
            setSelectedSection(currentSection());
    }
    return QDateTimeEdit::eventFilter(watched, event);
}

void SeletorData::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_F4 || (event->key() == Qt::Key_Down && event->modifiers() == Qt::AltModifier)) {
        terminaEscrita();
        abreCalendario();
        event->accept();
        return;
    }
    const QString texto = event->text();
    const bool semModificadores = !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier));
    if (semModificadores && texto.size() == 1 && texto[0].isDigit() && texto[0].unicode() < 128) {
        if (escreveDigito(texto[0]))
            event->accept();
        else
            event->ignore();
        return;
    }
    // A separator typed after some digits closes their section.
    if (escrita_.activa && semModificadores && (texto == QLatin1String("-") || texto == QLatin1String("/")
                                                || texto == QLatin1String("."))) {
        if (!escrita_.digitos.isEmpty())
            fechaSeccao();
        event->accept();
        return;
    }
    terminaEscrita();
    QDateTimeEdit::keyPressEvent(event);
}

void SeletorData::focusOutEvent(QFocusEvent* event)
{
    terminaEscrita();
    QDateTimeEdit::focusOutEvent(event);
    // Its calendar, or another window taking the focus (as this one closes),
    // is no other control of the screen.
    if (event->reason() != Qt::PopupFocusReason && event->reason() != Qt::ActiveWindowFocusReason)
        emit Deixada();
}

bool SeletorData::escreveDigito(QChar digito)
{
    if (dataGuardada_)
        return false;
    if (!escrita_.activa) {
        const Section seccao = currentSection();
        if (seccao != DaySection && seccao != MonthSection && seccao != YearSection)
            return false;
        const QDate data = date();
        escrita_ = Escrita{true, seccao, {}, data.day(), data.month(), data.year()};
    }
    const QString digitos = escrita_.digitos + digito;
    if (!seccaoPossivel(escrita_.seccao, digitos))
        return false;
    escrita_.digitos = digitos;
    if (seccaoCompleta(escrita_.seccao, digitos))
        fechaSeccao();
    else
        mostraEscrita();
    return true;
}

// Takes the digits of the section into the date being typed and moves on to
// the next section; the year ends the typing.
void SeletorData::fechaSeccao()
{
    const int valor = escrita_.digitos.toInt();
    switch (escrita_.seccao) {
    case DaySection: escrita_.dia = valor; break;
    case MonthSection: escrita_.mes = valor; break;
    default: escrita_.ano = valor; break;
    }
    escrita_.digitos.clear();
    if (escrita_.seccao == YearSection) {
        terminaEscrita();
        return;
    }
    escrita_.seccao = escrita_.seccao == DaySection ? MonthSection : YearSection;
    aplica();
    mostraEscrita();
}

// The picker takes what was typed, where it is a date, and shows its date.
void SeletorData::terminaEscrita()
{
    if (!escrita_.activa)
        return;
    if (!escrita_.digitos.isEmpty()) {
        const int valor = escrita_.digitos.toInt();
        if (escrita_.seccao == DaySection)
            escrita_.dia = valor;
        else if (escrita_.seccao == MonthSection)
            escrita_.mes = valor;
        else
            escrita_.ano = valor;
    }
    escrita_.activa = false;
    if (!aplica())
        setDateTime(dateTime()); // shows the date kept again
    // The picker's own editing goes on from the section reached.
    setSelectedSection(escrita_.seccao);
}

bool SeletorData::aplica()
{
    const QDate data(escrita_.ano, escrita_.mes, escrita_.dia);
    if (!data.isValid() || data < minimumDate() || data > maximumDate())
        return false;
    setDate(data);
    emit Escolhida();
    return true;
}

// The text shows the sections as typed, the one being typed with its digits so
// far, with the cursor after them (or the section selected while it has none).
void SeletorData::mostraEscrita()
{
    const auto doisDigitos = [](int valor) { return QStringLiteral("%1").arg(valor, 2, 10, QLatin1Char('0')); };
    const Section seccao = escrita_.seccao;
    const QString dia = seccao == DaySection && !escrita_.digitos.isEmpty() ? escrita_.digitos : doisDigitos(escrita_.dia);
    const QString mes = seccao == MonthSection && !escrita_.digitos.isEmpty() ? escrita_.digitos : doisDigitos(escrita_.mes);
    const QString ano = seccao == YearSection && !escrita_.digitos.isEmpty()
        ? escrita_.digitos
        : QStringLiteral("%1").arg(escrita_.ano, 4, 10, QLatin1Char('0'));
    const QString texto = dia + QLatin1Char('-') + mes + QLatin1Char('-') + ano;

    const Lugar lugar = lugarDa(seccao);
    const QSignalBlocker bloqueio(lineEdit());
    lineEdit()->setText(texto);
    if (escrita_.digitos.isEmpty())
        lineEdit()->setSelection(lugar.inicio, lugar.tamanho);
    else
        lineEdit()->setCursorPosition(lugar.inicio + int(escrita_.digitos.size()));
}

} // namespace zav
